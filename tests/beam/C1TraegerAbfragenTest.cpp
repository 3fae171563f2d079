#include "beam/C1Traeger.h"

#include "BeamTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using beamtest::Build;
using beamtest::ExceptionText;

constexpr double kTol = 1e-9;

// Spans of 4 m and 6 m: TL = 10, interior support at 4.
class Abfragen : public ::testing::Test {
protected:
    void SetUp() override { Build(beam, {4.0, 6.0}); }
    C1Traeger beam;
};

// (x) -> (found, span, local x). A point on the interior support belongs to the span after it;
// no tolerance outside the beam.
TEST_F(Abfragen, GetFeldXSupportPointRules) {
    const struct {
        double x;
        int found, i;
        double xl;
    } cases[] = {
        {0.0, 1, 1, 0.0},     {3.5, 1, 1, 3.5},     {4.0, 1, 2, 0.0},
        {3.998, 1, 1, 3.998}, {4.003, 1, 2, 0.003}, {9.995, 1, 2, 5.995},
        {10.0, 1, 2, 6.0},    {-0.0001, 0, 0, 0.0}, {10.0001, 0, 0, 0.0},
    };
    for (const auto& c : cases) {
        int i = 0;
        double xl = 0.0;
        EXPECT_EQ(beam.GetFeldX(c.x, i, xl), c.found) << c.x;
        if (c.found == 1) {
            EXPECT_EQ(i, c.i) << c.x;
            EXPECT_NEAR(xl, c.xl, kTol) << c.x;
        }
    }
}

TEST_F(Abfragen, GetFeldNrToleratesTheBeamEnds) {
    const struct {
        double x;
        int feld;
    } cases[] = {{-0.00005, 1}, {-0.001, 0}, {2.0, 1}, {4.0, 2}, {10.00005, 2}, {10.001, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(beam.GetFeldNr(c.x), c.feld) << c.x;
    }
}

TEST_F(Abfragen, PositionsOfSpansAndSupports) {
    EXPECT_EQ(beam.GetXAuflager(1), 0.0);
    EXPECT_EQ(beam.GetXAuflager(2), 4.0);
    EXPECT_EQ(beam.GetXAuflager(3), 10.0);
    EXPECT_EQ(beam.GetXAuflager(4), 0.0);
    EXPECT_EQ(beam.GetXAnf(3), 0.0);
    EXPECT_EQ(beam.GetXEnd(0), 0.0);
    EXPECT_EQ(beam.GetFeldLaenge(3), 0.0);
    EXPECT_EQ(beam.GetFeldLaenge(2), 6.0);
}

TEST_F(Abfragen, SupportData) {
    beam.GetFeld(1).SetAuflagerAnf(2, 1.5);
    beam.GetFeld(2).SetAuflagerAnf(3, 2.5);
    beam.GetFeld(2).SetAuflagerEnd(0, 3.5);
    // Support k is the start of span k, the last one the end of the last span.
    EXPECT_EQ(beam.GetAuflagerArt(1), 2);
    EXPECT_EQ(beam.GetAuflagerArt(2), 3);
    EXPECT_EQ(beam.GetAuflagerArt(3), 0);
    EXPECT_EQ(beam.GetAuflagerWert(3), 3.5);
    EXPECT_EQ(beam.GetFeldAuflagerArt(1, 2), 1);
    EXPECT_EQ(beam.GetFeldAuflagerWert(2, 1), 2.5);
    EXPECT_EQ(beam.GetAuflagerArt(0), -1);
    EXPECT_EQ(beam.GetAuflagerArt(4), -1);
    EXPECT_EQ(beam.GetAuflagerWert(0), -1.0);
    EXPECT_EQ(beam.GetFeldAuflagerArt(1, 3), -1);
    EXPECT_EQ(beam.GetFeldAuflagerArt(3, 1), -1);
    EXPECT_EQ(beam.GetFeldAuflagerWert(1, 3), -9999.9);
    C1Traeger empty;
    EXPECT_EQ(empty.GetAuflagerArt(1), -1);
}

TEST_F(Abfragen, ReactionsOutsideTheSupports) {
    beam.GetLasten().AddEinzelLast(1, 0, 2.0, 10.0, "", 1, 0);
    beam.Calc();
    EXPECT_EQ(beam.GetAuflagerkraft(1, 0), 0.0);
    EXPECT_EQ(beam.GetAuflagermoment(1, -1), 0.0);
    EXPECT_EQ(ExceptionText([&] { beam.GetAuflagerkraft(1, 4); }),
              "C1Traeger::GetAuflagerkraft, Auflager 4 existiert nicht (1 bis 3)");
    EXPECT_EQ(ExceptionText([&] { beam.GetAuflagermoment(1, 4); }),
              "C1Traeger::GetAuflagermoment, Auflager 4 existiert nicht (1 bis 3)");
}

// Normal force N = 100 .. 40 along the whole beam, linear in x: 100 - 6 x.
TEST_F(Abfragen, NormalForceAlongTheBeam) {
    beam.GetLasten().AddNormalKraft(1, 0, 0.0, 0.0, 100.0, 40.0, "", 0);
    beam.Calc();
    for (double x : {0.0, 3.0, 4.0, 7.5, 10.0}) {
        EXPECT_NEAR(beam.GetNx(1, x), 100.0 - 6.0 * x, 1e-9) << x;
    }
    EXPECT_EQ(beam.GetNx(1, 10.5), 0.0);
    EXPECT_EQ(beam.GetNx(2, 5.0), 0.0);
}

TEST_F(Abfragen, AddLastByTypeCode) {
    for (int type = 0; type <= 6; ++type) {
        beam.AddLast(type, 2, 1, 0.5, 1.5, 7.0, 8.0);
    }
    const C1LastTr& l = beam.GetLasten();
    EXPECT_EQ(l.GetAnzahlNormalKraft(), 1);
    EXPECT_EQ(l.GetAnzahlTrapezLast(), 1);
    EXPECT_EQ(l.GetAnzahlEinzelLast(), 1);
    EXPECT_EQ(l.GetAnzahlMomentLast(), 1);
    EXPECT_EQ(l.GetAnzahlTempLast(), 1);
    EXPECT_EQ(l.GetAnzahlStsLast(), 1);
    EXPECT_EQ(l.GetMaxAnzahl(), 1); // type 6 added nothing
    C1TrapezLast t;
    l.GetRecord(1, t);
    EXPECT_EQ(t.Lf, 2);
    EXPECT_EQ(t.Feld, 1);
    EXPECT_EQ(t.a, 0.5);
    EXPECT_EQ(t.b, 1.5);
    EXPECT_EQ(t.q2, 8.0);
    C1EinzelLast p;
    l.GetRecord(1, p);
    EXPECT_EQ(p.c, 0.5);
    EXPECT_EQ(p.P, 7.0);
    C1StsLast s;
    l.GetRecord(1, s);
    EXPECT_EQ(s.Feld, 1);
    EXPECT_EQ(s.s, 7.0);
    C1TempLast te;
    l.GetRecord(1, te);
    EXPECT_EQ(te.Ke, 7.0);
}

// A unit load at beam x = 7 lies 3 m into span 2; it is stored relative to that span, so the
// solution puts it at x = 7 whichever way it was given.
TEST_F(Abfragen, AddEinzelLastStoresTheSpanPosition) {
    EXPECT_EQ(beam.AddEinzelLast(1, 2, 7.0), 1);
    EXPECT_EQ(beam.AddEinzelLast(2, 0, 7.0), 1);
    EXPECT_EQ(beam.AddEinzelLast(3, 2, 3.0), 0);  // x outside span 2
    EXPECT_EQ(beam.AddEinzelLast(3, 3, 7.0), 0);  // no span 3
    EXPECT_EQ(beam.AddEinzelLast(3, 0, 11.0), 0); // off the beam
    ASSERT_EQ(beam.GetLasten().GetAnzahlEinzelLast(), 2);
    for (int i = 1; i <= 2; ++i) {
        C1EinzelLast p;
        beam.GetLasten().GetRecord(i, p);
        EXPECT_EQ(p.Feld, 2);
        EXPECT_NEAR(p.c, 3.0, kTol);
        EXPECT_EQ(p.P, 1.0);
    }
    // Two hinged spans 4 + 6 with P = 1 at x = 7 (a = 3, b = 3 in span 2): the span-2 terms
    // P a b / L (b / L + 1) = 2.25 give the support moment -2.25 * 6 / (2 * 10) = -0.675.
    beam.Calc();
    for (int Lf = 1; Lf <= 2; ++Lf) {
        EXPECT_NEAR(beam.GetMx(Lf, 4.0), -0.675, kTol);
    }
}

TEST_F(Abfragen, RotationalSpringAtAnEnd) {
    beam.SetE(21000.0);
    beam.GetFeld(1).SetIy(10000.0);
    beam.GetFeld(2).SetIy(10000.0);
    EXPECT_EQ(beam.GetCM(1), 0.0); // not restrained
    beam.SetAufl1_cM(-500.0);
    EXPECT_EQ(beam.GetCM(1), -500.0); // counted by its magnitude here
    beam.SetAufl1_cM(0.0);
    beam.SetAufl1_Einspanngrad(50.0);
    EXPECT_NEAR(beam.GetCM(1), 3.0 * 21000.0 / 4.0, 1e-8); // 3 EI / L at 50 %
    beam.SetAufln_Einspanngrad(100.0);
    EXPECT_TRUE(std::isinf(beam.GetCM(3))); // clamped: rigid, no division by zero
    EXPECT_EQ(beam.GetCM(2), 0.0);
}

TEST_F(Abfragen, DeflectionsAreNotOffered) {
    EXPECT_EQ(ExceptionText([&] { beam.Verformungen(); }),
              "C1Traeger::Verformungen, noch nicht implementiert");
}

} // namespace
