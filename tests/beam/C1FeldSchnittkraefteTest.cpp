#include "beam/C1Feld.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

C1Feld Span(double L) {
    return C1Feld(L);
}

// Uniform q = 10 on L = 4: reactions q L / 2 = 20, M(x) = q x (L - x) / 2, Q(x) = 20 - q x.
TEST(C1FeldSchnittkraefte, UniformLoadOnSimpleSpan) {
    C1Feld f = Span(4.0);
    f.GetLasten().AddTrapezLast(1, 0.0, 4.0, 10.0, 10.0, "", 1);
    double QA = 0, QE = 0;
    EXPECT_EQ(f.Q0(1, QA, QE), 0);
    EXPECT_NEAR(QA, 20.0, kTol);
    EXPECT_NEAR(QE, -20.0, kTol);
    const struct {
        double x, M, Q;
    } cases[] = {{0, 0, 20}, {1, 15, 10}, {2, 20, 0}, {3, 15, -10}, {4, 0, -20}};
    for (const auto& c : cases) {
        EXPECT_NEAR(f.Mx(1, 0, 0, c.x), c.M, kTol) << c.x;
        EXPECT_NEAR(f.qx(1, 20, -20, c.x), c.Q, kTol) << c.x;
    }
}

// A load rising from 0 to 10 on L = 4. With the stored centroid factor 0.6666 the resultant
// 20 gives QA = 20 * 1.3336 / 4 = 6.668 and QE = -20 * 2.6664 / 4 = -13.332. The moment is the
// exact closed form M(x) = qL x / 6 - q x^3 / (6 L): 10.15625 at x = 2.5.
TEST(C1FeldSchnittkraefte, TriangularLoadOnSimpleSpan) {
    C1Feld f = Span(4.0);
    f.GetLasten().AddTrapezLast(1, 0.0, 4.0, 0.0, 10.0, "", 1);
    double QA = 0, QE = 0;
    f.Q0(1, QA, QE);
    EXPECT_NEAR(QA, 6.668, kTol);
    EXPECT_NEAR(QE, -13.332, kTol);
    EXPECT_NEAR(f.Mx(1, 0, 0, 2.5), 10.15625, kTol);
    // Shear: 20/3 - 10 x^2 / 8 from the exact start shear.
    EXPECT_NEAR(f.qx(1, 20.0 / 3.0, 0, 2.0), 20.0 / 3.0 - 5.0, kTol);
}

// A part load 2..3 (q 10 to 20) on L = 4, checked at a point inside it against the resultant
// of the part left of x: R = 15, centroid at 2 + 5/9; QA = 15 * (4 - 2.5556) / 4.
TEST(C1FeldSchnittkraefte, PartialTrapezoidMomentInsideTheLoad) {
    C1Feld f = Span(4.0);
    f.GetLasten().AddTrapezLast(1, 2.0, 1.0, 10.0, 20.0, "", 1);
    const double xs = 2.0 + 5.0 / 9.0;
    const double QA = 15.0 * (4.0 - xs) / 4.0;
    // Left of x = 2.5 lies the load 2 .. 2.5 with ordinates 10 and 15: a rectangle of 5 at 2.25
    // and a triangle of 1.25 at 2 + 1/3.
    const double x = 2.5;
    const double expected = QA * x - 5.0 * (x - 2.25) - 1.25 * (x - (2.0 + 1.0 / 3.0));
    EXPECT_NEAR(f.Mx(1, 0, 0, x), expected, kTol);
    EXPECT_NEAR(f.Mx(1, 0, 0, 1.0), QA * 1.0, kTol);          // left of the load
    EXPECT_NEAR(f.Mx(1, 0, 0, 3.5), (15.0 - QA) * 0.5, kTol); // right of the load
}

// P = 8 at c = 1 on L = 4: QA = 6, M(1) = 6 from either side, shear 6 up to the load, -2 after.
TEST(C1FeldSchnittkraefte, PointLoad) {
    C1Feld f = Span(4.0);
    f.GetLasten().AddEinzelLast(1, 1.0, 8.0, "", 1);
    double QA = 0, QE = 0;
    f.Q0(1, QA, QE);
    EXPECT_NEAR(QA, 6.0, kTol);
    EXPECT_NEAR(QE, -2.0, kTol);
    EXPECT_NEAR(f.Mx(1, 0, 0, 1.0), 6.0, kTol);
    EXPECT_NEAR(f.Mx(1, 0, 0, 0.9999999), 6.0, 1e-5);
    EXPECT_NEAR(f.qx(1, 6, -2, 1.0), 6.0, kTol);
    EXPECT_NEAR(f.qx(1, 6, -2, 1.0001), -2.0, kTol);
}

// M = 4 at d = 2 on L = 4: simple-span moment -M x / L left of d, M (L - x) / L right of it.
TEST(C1FeldSchnittkraefte, ConcentratedMoment) {
    C1Feld f = Span(4.0);
    f.GetLasten().AddMomentLast(1, 2.0, 4.0, "");
    double QA = 0, QE = 0;
    f.Q0(1, QA, QE);
    EXPECT_NEAR(QA, -1.0, kTol);
    EXPECT_NEAR(QE, -1.0, kTol);
    EXPECT_NEAR(f.Mx(1, 0, 0, 2.0), -2.0, kTol);
    EXPECT_NEAR(f.Mx(1, 0, 0, 2.0001), 1.9999, kTol);
    // The moment does not enter the shear.
    EXPECT_NEAR(f.qx(1, -1, -1, 3.0), -1.0, kTol);
}

// A moment at the span's very end (within 0.001 of it) still acts: M0 runs linearly up to -M.
// Without it a head moment on a cantilever would fade out along the span.
TEST(C1FeldSchnittkraefte, ConcentratedMomentAtSpanEnd) {
    for (double d : {4.0, 3.9995}) {
        C1Feld f = Span(4.0);
        f.GetLasten().AddMomentLast(1, d, 4.0, "");
        for (double x : {0.0, 1.0, 3.0, 3.9995}) {
            EXPECT_NEAR(f.Mx(1, 0, 0, x), -4.0 * x / 4.0, kTol) << d << " " << x;
        }
    }
}

TEST(C1FeldSchnittkraefte, NoLoadsGiveTheLinearClosingLine) {
    C1Feld f = Span(4.0);
    f.GetLasten().AddEinzelLast(2, 1.0, 8.0, "", 1); // another load case
    EXPECT_NEAR(f.Mx(1, -8, 4, 1.0), -8 + 12 * 0.25, kTol);
    EXPECT_NEAR(f.qx(1, 3, 3, 3.5), 3.0, kTol);
}

TEST(C1FeldSchnittkraefte, NormalForceLaterRecordReplaces) {
    C1Feld f = Span(4.0);
    f.GetLasten().AddNormalKraft(1, 0.0, 4.0, 10.0, 20.0, "");
    f.GetLasten().AddNormalKraft(1, 1.0, 2.0, -5.0, -5.0, "");
    EXPECT_NEAR(f.Nx(1, 0.5), 11.25, kTol); // 10 + 10/4 * 0.5
    EXPECT_NEAR(f.Nx(1, 2.0), -5.0, kTol);
    EXPECT_NEAR(f.Nx(1, 3.0), -5.0, kTol); // the stretch's end belongs to it
    EXPECT_NEAR(f.Nx(1, 3.5), 18.75, kTol);
    EXPECT_EQ(f.Nx(2, 2.0), 0.0);
}

// Fixed-end moments of uniform q = 10, L = 4: both clamped -q L^2 / 12 (computed with the
// stored factor -0.3333333 times the term q L^2 / 4 = 40), clamped-hinged -q L^2 / 8 = -20.
TEST(C1FeldSchnittkraefte, FixedEndMomentsByEndTypes) {
    C1Feld f = Span(4.0);
    f.GetLasten().AddTrapezLast(1, 0.0, 4.0, 10.0, 10.0, "", 1);
    const struct {
        int tA, tE;
        double MA, ME;
    } cases[] = {
        {1, 1, -0.3333333 * 40, -0.3333333 * 40},
        {1, 0, -20, 0},
        {0, 1, 0, -20},
        {1, -1, 0, 0},
        {0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        double MA = 1, ME = 1;
        EXPECT_EQ(f.EinspM(1, c.tA, c.tE, MA, ME), 1);
        EXPECT_NEAR(MA, c.MA, kTol) << c.tA << c.tE;
        EXPECT_NEAR(ME, c.ME, kTol) << c.tA << c.tE;
    }
}

// Cantilever moments of L = 4 at the supported end: type 1 supported at the end (lever arms
// from the end), type 2 supported at the start (lever arms from the start).
TEST(C1FeldSchnittkraefte, CantileverMoments) {
    struct Case {
        const char* what;
        void (*load)(C1Last&);
        double type1, type2;
    };
    const Case cases[] = {
        // P = 5 at c = 1: -P (L - c) and -P c.
        {"point", [](C1Last& l) { l.AddEinzelLast(1, 1.0, 5.0, "", 1); }, -15.0, -5.0},
        // Rising 0 -> 6 over the span: resultant 12 at 2L/3 from the start.
        {"rising", [](C1Last& l) { l.AddTrapezLast(1, 0.0, 4.0, 0.0, 6.0, "", 1); }, -12.0 * 4 / 3,
         -12.0 * 8 / 3},
        // Falling 6 -> 2 over 1 .. 3: rectangle 4 at 2, triangle 4 at 1 + 2/3.
        {"falling part", [](C1Last& l) { l.AddTrapezLast(1, 1.0, 2.0, 6.0, 2.0, "", 1); },
         -4.0 * 2 - 4.0 * (4 - 1 - 2.0 / 3), -4.0 * 2 - 4.0 * (1 + 2.0 / 3)},
        // A moment of 3 passes on unchanged, with the sign of its side.
        {"moment", [](C1Last& l) { l.AddMomentLast(1, 2.0, 3.0, ""); }, 3.0, -3.0},
    };
    for (const auto& c : cases) {
        C1Feld f = Span(4.0);
        c.load(f.GetLasten());
        EXPECT_NEAR(f.KragMoment(1, 1), c.type1, kTol) << c.what;
        EXPECT_NEAR(f.KragMoment(1, 2), c.type2, kTol) << c.what;
        EXPECT_EQ(f.KragMoment(1, 3), 0.0) << c.what;
    }
}

// Propped cantilever, L = 4, q = 10: MA = -20, QA = 25; largest span moment 9 q L^2 / 128 =
// 11.25 at x = 5 L / 8 = 2.5.
TEST(C1FeldSchnittkraefte, MaxFeldMomentAtZeroShear) {
    C1Feld f = Span(4.0);
    f.GetLasten().AddTrapezLast(1, 0.0, 4.0, 10.0, 10.0, "", 1);
    double Mmax = 0, xmax = 0;
    EXPECT_EQ(f.SetMomente(1, -20.0, 0.0, Mmax, xmax), 1);
    EXPECT_NEAR(Mmax, 11.25, 1e-6);
    EXPECT_NEAR(xmax, 2.5, 1e-3);
    EXPECT_NEAR(f.GetMB(1, 1), -20.0, kTol);
    EXPECT_NEAR(f.GetQ0(1, 1), 25.0, kTol);
    EXPECT_NEAR(f.GetQ0(1, 2), -15.0, kTol);
    // Hogging only: no positive span moment to report.
    C1Feld c = Span(4.0);
    EXPECT_EQ(c.MaxFeldMoment(1, -10.0, -10.0, 0.0, 0.0, Mmax, xmax), 1);
    EXPECT_EQ(Mmax, 0.0);
}

TEST(C1FeldSchnittkraefte, QNullstelleFindsTheZeroOfALinearShear) {
    C1Feld f = Span(4.0);
    f.GetLasten().AddTrapezLast(1, 0.0, 4.0, 10.0, 10.0, "", 1);
    EXPECT_NEAR(f.QNullstelle(1, 20.0, -20.0, 0.0, 4.0, 11, 0, 3), 2.0, 1e-3);
    // Constant shear: the secant has nothing to cut.
    C1Feld g = Span(4.0);
    EXPECT_EQ(g.QNullstelle(1, 5.0, 5.0, 0.0, 4.0, 11, 3, 3), -1.0);
}

} // namespace
