#include "beam/C1Traeger.h"

#include "BeamTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using beamtest::Build;
using beamtest::ExceptionText;

constexpr double kTol = 1e-9;
constexpr double q = 10.0;

void Uniform(C1Traeger& beam, int Lf = 1, double load = q) {
    beam.GetLasten().AddTrapezLast(Lf, 0, 0.0, 0.0, load, load, "", 1, 0); // whole beam
}

// A cantilever wall: span L clamped at x = 0, no support at its end.
void Cantilever(C1Traeger& beam, double L) {
    Build(beam, {L});
    beam.SetAufl_1();
    beam.GetFeld(1).SetAuflagerEnd(0, 0.0);
}

// Clamped at x = 0, free at x = 5, q = 10: support moment -q L^2 / 2 = -125, support force
// q L = 50, M(2.5) = -q (L - x)^2 / 2 = -31.25, no shear at the free end.
TEST(C1TraegerCalc, CantileverUnderUniformLoad) {
    C1Traeger beam;
    Cantilever(beam, 5.0);
    Uniform(beam);
    ASSERT_EQ(beam.Calc(), 1);
    EXPECT_EQ(beam.GetAufl_n(), -1);
    EXPECT_NEAR(beam.GetFeld(1).GetMB(1, 1), -125.0, kTol);
    EXPECT_NEAR(beam.GetFeld(1).GetMB(1, 2), 0.0, kTol);
    EXPECT_NEAR(beam.GetFeld(1).GetQ0(1, 1), 50.0, kTol);
    EXPECT_NEAR(beam.GetFeld(1).GetQ0(1, 2), 0.0, kTol);
    EXPECT_NEAR(beam.GetMx(1, 2.5), -31.25, kTol);
    EXPECT_NEAR(beam.GetQx(1, 2.5), 25.0, kTol);
    EXPECT_NEAR(beam.GetAuflagerkraft(1, 1), 50.0, kTol);
    EXPECT_NEAR(beam.GetAuflagerkraft(1, 2), 0.0, kTol);
    EXPECT_NEAR(beam.GetAuflagermoment(1, 1), 125.0, kTol);
}

// The mirror image: no support at x = 0, clamped at x = 5. Moment -125 at the clamp, where the
// support force is 50.
TEST(C1TraegerCalc, CantileverFreeAtTheStart) {
    C1Traeger beam;
    Build(beam, {5.0});
    beam.SetAufl_n();
    beam.GetFeld(1).SetAuflagerAnf(0, 0.0);
    Uniform(beam);
    beam.Calc();
    EXPECT_EQ(beam.GetAufl_1(), -1);
    EXPECT_NEAR(beam.GetFeld(1).GetMB(1, 2), -125.0, kTol);
    EXPECT_NEAR(beam.GetMx(1, 0.0), 0.0, kTol);
    EXPECT_NEAR(beam.GetMx(1, 2.5), -31.25, kTol);
    EXPECT_NEAR(beam.GetAuflagerkraft(1, 1), 0.0, kTol);
    EXPECT_NEAR(beam.GetAuflagerkraft(1, 2), 50.0, kTol);
}

// Two spans of 4 m, hinged ends, q = 10: three-moment equation 2 X (4 + 4) = -2 q 4^3 / 4 gives
// X = -q L^2 / 8 = -20; reactions 3/8 q L = 15, 10/8 q L = 50, 15; M(1.5) = 15 * 1.5 - 10 *
// 1.5^2 / 2 = 11.25.
TEST(C1TraegerCalc, TwoEqualSpansHinged) {
    C1Traeger beam;
    Build(beam, {4.0, 4.0});
    Uniform(beam);
    beam.Calc();
    EXPECT_NEAR(beam.GetFeld(1).GetMB(1, 2), -20.0, kTol);
    EXPECT_NEAR(beam.GetFeld(2).GetMB(1, 1), -20.0, kTol);
    const double reactions[] = {15.0, 50.0, 15.0};
    for (int k = 1; k <= 3; ++k) {
        EXPECT_NEAR(beam.GetAuflagerkraft(1, k), reactions[k - 1], kTol) << k;
    }
    EXPECT_NEAR(beam.GetMx(1, 1.5), 11.25, kTol);
    EXPECT_NEAR(beam.GetMx(1, 6.5), 11.25, kTol);
    EXPECT_NEAR(beam.GetMx(1, 4.0), -20.0, kTol);
    EXPECT_NEAR(beam.GetAuflagermoment(1, 2), 0.0, kTol); // continuous: -20 on both sides
}

// Clamped at x = 0, hinged at x = 4, q = 10: -q L^2 / 8 = -20 at the clamp, reactions 5/8 q L
// = 25 and 3/8 q L = 15.
TEST(C1TraegerCalc, ClampedHinged) {
    C1Traeger beam;
    Build(beam, {4.0});
    beam.SetAufl_1();
    Uniform(beam);
    beam.Calc();
    EXPECT_NEAR(beam.GetFeld(1).GetMB(1, 1), -20.0, kTol);
    EXPECT_NEAR(beam.GetAuflagerkraft(1, 1), 25.0, kTol);
    EXPECT_NEAR(beam.GetAuflagerkraft(1, 2), 15.0, kTol);
    EXPECT_NEAR(beam.GetAuflagermoment(1, 1), 20.0, kTol);
}

// Rising load 0 .. 10 on a simple span of 4 m: the stored centroid factor gives 6.668 and
// 13.332; the moment follows the exact closed form, 10.15625 at 2.5.
TEST(C1TraegerCalc, TriangularLoadOnSimpleSpan) {
    C1Traeger beam;
    Build(beam, {4.0});
    beam.GetLasten().AddTrapezLast(1, 1, 0.0, 4.0, 0.0, 10.0, "", 1, 0);
    beam.Calc();
    EXPECT_NEAR(beam.GetQx(1, 0.0), 6.668, kTol);
    EXPECT_NEAR(beam.GetFeld(1).GetQ0(1, 2), -13.332, kTol);
    EXPECT_NEAR(beam.GetAuflagerkraft(1, 1), 6.668, kTol);
    EXPECT_NEAR(beam.GetAuflagerkraft(1, 2), 13.332, kTol);
    EXPECT_NEAR(beam.GetMx(1, 2.5), 10.15625, kTol);
}

// A head moment M = 20 at the free end of the cantilever: the clamp takes -20 and the moment
// is -20 all along the span, with no shear.
TEST(C1TraegerCalc, HeadMomentOnCantileverIsConstant) {
    C1Traeger beam;
    Cantilever(beam, 5.0);
    beam.GetLasten().AddMomentLast(1, 0, 5.0, 20.0, "Kopfmoment", 0);
    beam.Calc();
    for (double x : {0.0, 1.0, 2.5, 4.99, 5.0}) {
        EXPECT_NEAR(beam.GetMx(1, x), -20.0, kTol) << x;
        EXPECT_NEAR(beam.GetQx(1, x), 0.0, kTol) << x;
    }
    EXPECT_NEAR(beam.GetAuflagermoment(1, 1), 20.0, kTol);
    EXPECT_NEAR(beam.GetAuflagerkraft(1, 1), 0.0, kTol);
}

// P = 10 on the interior support of two 4 m spans goes straight into that support: reactions
// 0, 10, 0 and no moments; also when it lies within the comparison tolerance below it.
TEST(C1TraegerCalc, PointLoadAtInteriorSupportCountsOnce) {
    for (double x : {4.0, 3.998}) {
        C1Traeger beam;
        Build(beam, {4.0, 4.0});
        beam.GetLasten().AddEinzelLast(1, 0, x, 10.0, "", 1, 0);
        beam.Calc();
        EXPECT_NEAR(beam.GetAuflagerkraft(1, 1), 0.0, kTol) << x;
        EXPECT_NEAR(beam.GetAuflagerkraft(1, 2), 10.0, kTol) << x;
        EXPECT_NEAR(beam.GetAuflagerkraft(1, 3), 0.0, kTol) << x;
        EXPECT_NEAR(beam.GetMx(1, 4.0), 0.0, kTol) << x;
        EXPECT_NEAR(beam.GetMx(1, 2.0), 0.0, kTol) << x;
    }
}

// Three spans of 4 m with Iy 1000, 2000, 1000 (reduced lengths 4, 2, 4), hinged ends, q = 10
// everywhere (terms 40). Three-moment equations with reduced lengths:
//   2 X2 (4 + 2) + 2 X3 = -(40 * 4 + 40 * 2),   2 X2 + 2 X3 (2 + 4) = -(40 * 2 + 40 * 4)
// so X2 = X3 = -240 / 14 = -120 / 7.
TEST(C1TraegerCalc, UnequalStiffnessUsesReducedLengthsThroughout) {
    C1Traeger beam;
    Build(beam, {4.0, 4.0, 4.0});
    beam.GetFeld(1).SetIy(1000.0);
    beam.GetFeld(2).SetIy(2000.0);
    beam.GetFeld(3).SetIy(1000.0);
    Uniform(beam);
    beam.Calc();
    EXPECT_NEAR(beam.GetFeld(1).GetMB(1, 2), -120.0 / 7.0, 1e-8);
    EXPECT_NEAR(beam.GetFeld(3).GetMB(1, 1), -120.0 / 7.0, 1e-8);
    // Equilibrium: the reactions carry the whole load.
    double sum = 0;
    for (int k = 1; k <= 4; ++k) {
        sum += beam.GetAuflagerkraft(1, k);
    }
    EXPECT_NEAR(sum, 120.0, 1e-8);
}

// Settlement of 1 cm at the middle support of two 4 m spans, EI = 21000 kNm^2: the support
// moment 3 EI s / L^2 = 39.375 (sagging), reactions 39.375 / 4 at the ends and -2 x that in the
// middle.
TEST(C1TraegerCalc, SupportSettlement) {
    C1Traeger beam;
    Build(beam, {4.0, 4.0});
    beam.SetE(21000.0);
    beam.GetFeld(1).SetIy(10000.0);
    beam.GetFeld(2).SetIy(10000.0);
    beam.GetLasten().AddStsLast(1, 2, 1.0, "", 0);
    beam.Calc();
    EXPECT_NEAR(beam.GetFeld(1).GetMB(1, 2), 39.375, 1e-8);
    EXPECT_NEAR(beam.GetAuflagerkraft(1, 1), 9.84375, 1e-8);
    EXPECT_NEAR(beam.GetAuflagerkraft(1, 2), -19.6875, 1e-8);
}

// Every span clamped on its own: fixed-end moments -q L^2 / 12, computed with the stored
// factor -0.3333333 times the term q L^2 / 4.
TEST(C1TraegerCalc, AllSpansClamped) {
    C1Traeger beam;
    Build(beam, {4.0, 6.0});
    beam.SetAlleEingespannt(true);
    Uniform(beam);
    beam.Calc();
    EXPECT_NEAR(beam.GetFeld(1).GetMB(1, 1), -0.3333333 * 40.0, kTol);
    EXPECT_NEAR(beam.GetFeld(1).GetMB(1, 2), -0.3333333 * 40.0, kTol);
    EXPECT_NEAR(beam.GetFeld(2).GetMB(1, 1), -0.3333333 * 90.0, kTol);
    // Each span carries its own load symmetrically.
    EXPECT_NEAR(beam.GetFeld(2).GetQ0(1, 1), 30.0, kTol);
}

TEST(C1TraegerCalc, LoadCasesWithoutLoadsAreSolvedAsZero) {
    C1Traeger beam;
    Build(beam, {4.0, 4.0});
    Uniform(beam, 1);
    Uniform(beam, 3, 2 * q);
    beam.Calc();
    EXPECT_EQ(beam.GetAnzLf(), 3);
    EXPECT_NEAR(beam.GetMx(1, 4.0), -20.0, kTol);
    EXPECT_EQ(beam.GetMx(2, 4.0), 0.0);
    EXPECT_EQ(beam.GetAuflagerkraft(2, 2), 0.0);
    EXPECT_NEAR(beam.GetMx(3, 4.0), -40.0, kTol);
    EXPECT_EQ(beam.GetMx(4, 4.0), 0.0); // never solved
    EXPECT_EQ(beam.GetMx(0, 4.0), 0.0);

    C1Traeger empty;
    EXPECT_EQ(empty.Calc(), 0);
}

// Elastic restraint. Substitute span for a degree of fixity eta at support 1 of a 6 m span:
// (1 - eta) * 6 / eta; for a spring cM: 3 EI / cM. Hinged far end, uniform q on the real span:
// X = -(q 6^2 / 4 * 6) / (2 (Ls + 6)).
struct RestraintCase {
    const char* what;
    double eta1, cM1, etan, cMn;
    double M1, Mn; // expected moments at support 1 and 2, as multiples of q
};

class Restraint : public ::testing::TestWithParam<RestraintCase> {};

TEST_P(Restraint, SubstituteSpansAndRestoredBeam) {
    const RestraintCase& c = GetParam();
    C1Traeger beam;
    Build(beam, {6.0});
    beam.SetE(21000.0);
    beam.GetFeld(1).SetIy(10000.0); // EI = 21000 kNm^2
    beam.SetAufl1_Einspanngrad(c.eta1);
    beam.SetAufl1_cM(c.cM1);
    beam.SetAufln_Einspanngrad(c.etan);
    beam.SetAufln_cM(c.cMn);
    Uniform(beam);
    ASSERT_EQ(beam.Calc(), 1);
    EXPECT_NEAR(beam.GetFeld(1).GetMB(1, 1), c.M1 * q, 1e-8) << c.what;
    EXPECT_NEAR(beam.GetFeld(1).GetMB(1, 2), c.Mn * q, 1e-8) << c.what;
    // Equilibrium of the real span.
    EXPECT_NEAR(beam.GetAuflagerkraft(1, 1) + beam.GetAuflagerkraft(1, 2), 6.0 * q, 1e-8);
    // The beam is as it was.
    EXPECT_EQ(beam.GetnFeld(), 1) << c.what;
    EXPECT_EQ(beam.GetTL(), 6.0);
    EXPECT_EQ(beam.GetXAnf(1), 0.0);
    EXPECT_EQ(beam.GetXEnd(1), 6.0);
    EXPECT_EQ(beam.GetFeld(1).GetL(), 6.0);
    EXPECT_EQ(beam.GetFeld(1).GetIy(), 10000.0);
    EXPECT_EQ(beam.GetAufl_1(), 0);
    EXPECT_EQ(beam.GetAufl_n(), 0);
    EXPECT_EQ(beam.GetAuflagerArt(1), 1);
    EXPECT_EQ(beam.GetAuflagerWert(1), 24.0);
    EXPECT_EQ(beam.GetLasten().GetAnzahlTrapezLast(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    C1TraegerCalc, Restraint,
    ::testing::Values(
        // 50 %: substitute 6 m; X = -54 q / 24 = -2.25 q, half the clamped -4.5 q.
        RestraintCase{"50 % at support 1", 50.0, 0.0, 0.0, 0.0, -2.25, 0.0},
        RestraintCase{"50 % at support 2", 0.0, 0.0, 50.0, 0.0, 0.0, -2.25},
        // Both ends 6 m substitutes: 24 X2 + 6 X3 = -54 q and 6 X2 + 24 X3 = -54 q.
        RestraintCase{"50 % at both ends", 50.0, 0.0, 50.0, 0.0, -1.8, -1.8},
        // Spring 21000 kNm/rad: substitute 3 * 21000 / 21000 = 3 m; X = -54 q / 18 = -3 q.
        RestraintCase{"spring at support 1", 0.0, 21000.0, 0.0, 0.0, -3.0, 0.0},
        // The spring takes precedence over the degree of fixity.
        RestraintCase{"spring before fixity", 50.0, 21000.0, 0.0, 0.0, -3.0, 0.0},
        // 100 % is clamped: -q L^2 / 8 = -4.5 q, no zero-length substitute span.
        RestraintCase{"100 % at support 1", 100.0, 0.0, 0.0, 0.0, -4.5, 0.0},
        // A spring too stiff for any span to model is clamped as well.
        RestraintCase{"rigid spring", 0.0, 1e12, 0.0, 0.0, -4.5, 0.0},
        // 0.05 % is no restraint at all.
        RestraintCase{"0.05 %", 0.05, 0.0, 0.0, 0.0, 0.0, 0.0}),
    [](const ::testing::TestParamInfo<RestraintCase>& info) {
        return "Case" + std::to_string(info.index);
    });

TEST(C1TraegerCalc, FullFixityNeedsNoModulus) {
    C1Traeger beam;
    Build(beam, {4.0});
    beam.SetAufl1_Einspanngrad(100.0);
    Uniform(beam);
    beam.Calc();
    EXPECT_NEAR(beam.GetFeld(1).GetMB(1, 1), -20.0, kTol);
}

// A temperature curvature Ke = 0.001 on a 6 m span with 50 % fixity at support 1: the load
// term 3 EI Ke = 63 at the span's start, X = -63 * 6 / 24 = -15.75. The real span moves behind
// the substitute span and still needs the beam's modulus there.
TEST(C1TraegerCalc, SpansBehindASubstituteSpanGetTheModulus) {
    C1Traeger beam;
    Build(beam, {6.0});
    beam.SetE(21000.0);
    beam.GetFeld(1).SetIy(10000.0);
    beam.SetAufl1_Einspanngrad(50.0);
    beam.GetLasten().AddTempLast(1, 0, 0.0, 0.0, 0.001, "", 0);
    beam.Calc();
    EXPECT_NEAR(beam.GetFeld(1).GetMB(1, 1), -15.75, 1e-8);
}

TEST(C1TraegerCalc, BeamIsRestoredWhenTheSolutionThrows) {
    C1Traeger beam;
    Build(beam, {6.0});
    beam.SetE(21000.0);
    beam.GetFeld(1).SetIy(0.5); // too small for a temperature load term
    beam.SetAufl1_Einspanngrad(50.0);
    beam.GetLasten().AddTempLast(1, 0, 0.0, 0.0, 0.001, "", 0);
    EXPECT_EQ(ExceptionText([&] { beam.Calc(); }), "C1Feld::Lastglieder; Iy = 0");
    EXPECT_EQ(beam.GetnFeld(), 1);
    EXPECT_EQ(beam.GetTL(), 6.0);
    EXPECT_EQ(beam.GetFeld(1).GetL(), 6.0);
    EXPECT_EQ(beam.GetXEnd(1), 6.0);
}

TEST(C1TraegerCalc, ElasticEndWithoutModulusIsRefusedBeforeTheBeamChanges) {
    C1Traeger beam;
    Build(beam, {6.0});
    beam.SetAufln_cM(500.0);
    Uniform(beam);
    EXPECT_EQ(ExceptionText([&] { beam.Calc(); }), "C1Traeger::CalcEinspanngradFromCM: E=0");
    EXPECT_EQ(beam.GetnFeld(), 1);
}

TEST(C1TraegerCalc, NonConvergenceIsReported) {
    C1Traeger beam;
    Build(beam, {4.0, 4.0});
    Uniform(beam, 1, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(ExceptionText([&] { beam.Calc(); }),
              "C1Traeger::CalcLastfall, Stützmomente konvergieren nicht nach 9999 "
              "Iterationen (Lastfall 1)");
}

// Many unequal spans still converge to the equilibrium of the loads.
TEST(C1TraegerCalc, LongBeamConverges) {
    C1Traeger beam;
    Build(beam, {1.0, 7.0, 2.5, 9.0, 0.5, 4.0, 6.0, 3.0, 8.0, 2.0});
    beam.SetAufl_1();
    Uniform(beam);
    beam.GetLasten().AddEinzelLast(1, 4, 3.0, 25.0, "", 1, 0);
    ASSERT_EQ(beam.Calc(), 1);
    double sum = 0;
    for (int k = 1; k <= 11; ++k) {
        sum += beam.GetAuflagerkraft(1, k);
    }
    EXPECT_NEAR(sum, 43.0 * q + 25.0, 1e-8);
    // Continuity: each interior support moment is the same from both sides.
    for (int i = 1; i < 10; ++i) {
        EXPECT_NEAR(beam.GetFeld(i).GetMB(1, 2), beam.GetFeld(i + 1).GetMB(1, 1), 1e-12);
    }
}

// Conversions at support 1 of a 6 m span, EI = 21000 kNm^2: a spring 3 EI / L = 10500 is a
// fixity of 50 %, and back.
TEST(C1TraegerCalc, FixitySpringConversions) {
    C1Traeger beam;
    Build(beam, {6.0});
    EXPECT_EQ(ExceptionText([&] { beam.CalcCMFromEinspanngrad(true, 50); }),
              "C1Traeger::CalcCMFromEinspanngrad: E=0");
    EXPECT_EQ(ExceptionText([&] { beam.CalcEinspanngradFromCM(true, 50); }),
              "C1Traeger::CalcEinspanngradFromCM: E=0");
    EXPECT_EQ(ExceptionText([&] { beam.CalcErsatzfeldLaenge(true, 50, 0); }),
              "C1Traeger::CalcEinspanngradFromCM: E=0");
    beam.SetE(21000.0);
    beam.GetFeld(1).SetIy(10000.0);
    EXPECT_NEAR(beam.CalcCMFromEinspanngrad(true, 50.0), 10500.0, 1e-8);
    EXPECT_NEAR(beam.CalcCMFromEinspanngrad(false, 25.0), 3500.0, 1e-8);
    EXPECT_TRUE(std::isinf(beam.CalcCMFromEinspanngrad(true, 100.0)));
    EXPECT_NEAR(beam.CalcEinspanngradFromCM(true, 10500.0), 50.0, 1e-8);
    EXPECT_EQ(beam.CalcEinspanngradFromCM(true, -1000.0), 0.0);
    EXPECT_EQ(beam.CalcEinspanngradFromCM(true, -10500.0), 0.0); // would divide by zero
    EXPECT_NEAR(beam.CalcErsatzfeldLaenge(true, 21000.0, 0.0), 3.0, 1e-12);
    EXPECT_NEAR(beam.CalcErsatzfeldLaenge(true, 0.0, 50.0), 6.0, 1e-12);
    EXPECT_EQ(beam.CalcErsatzfeldLaenge(true, 0.0, 100.0), 0.0);
    EXPECT_EQ(beam.CalcErsatzfeldLaenge(true, 0.0, 0.0), 9999999.0);

    C1Traeger empty;
    empty.SetE(21000.0);
    EXPECT_EQ(ExceptionText([&] { empty.CalcErsatzfeldLaenge(true, 1, 1); }),
              "C1Traeger::CalcEinspanngradFromCM: nFeld=0");
    EXPECT_EQ(ExceptionText([&] { empty.CalcCMFromEinspanngrad(true, 1); }),
              "C1Traeger::CalcCMFromEinspanngrad: nFeld=0");
    EXPECT_EQ(ExceptionText([&] { empty.CalcEinspanngradFromCM(true, 1); }),
              "C1Traeger::CalcEinspanngradFromCM: nFeld=0");
}

// A load so short that a span receives a piece without length (4.001 .. 4.003 lies within the
// comparison tolerance of the support at 4): the solution stays finite.
TEST(C1TraegerCalc, ZeroLengthPiecesLeaveResultsFinite) {
    C1Traeger beam;
    Build(beam, {4.0, 6.0});
    beam.GetLasten().AddTrapezLast(1, 0, 4.001, 0.002, 10.0, 20.0, "", 1, 0);
    beam.Calc();
    for (double x : {0.0, 2.0, 4.0, 4.0015, 7.0, 10.0}) {
        EXPECT_TRUE(std::isfinite(beam.GetMx(1, x))) << x;
        EXPECT_TRUE(std::isfinite(beam.GetQx(1, x))) << x;
    }
}

} // namespace
