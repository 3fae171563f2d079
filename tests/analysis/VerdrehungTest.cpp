#include "analysis/Verdrehung.h"

#include <gtest/gtest.h>

namespace {

// End rotation·EI at the foot of the simply supported span from the anchor A to the foot
// t under a point force P at the distance x below the anchor: P·x·(l² - x²)/(6·l), the
// textbook result; summed over fine slices of a linearly varying load.
double SpannweiteNumerisch(double A, double t, double a, double b, double c, double d) {
    const int n = 20000;
    const double l = t - A;
    const double dy = (b - a) / n;
    double summe = 0.0;
    for (int i = 0; i < n; ++i) {
        const double y = a + (i + 0.5) * dy;
        const double P = (c + (d - c) * (y - a) / (b - a)) * dy;
        const double x = y - A;
        summe += P * x * (l * l - x * x) / (6.0 * l);
    }
    return summe;
}

TEST(Verdrehung, BelowTheAnchorEqualsTheSpanRotationOfEveryLoadShape) {
    struct Fall {
        double A, t, a, b, c, d;
    };
    const Fall faelle[] = {
        {2.0, 8.0, 3.0, 5.0, 10.0, 20.0}, // trapezoid inside the span
        {2.0, 8.0, 2.0, 8.0, 15.0, 15.0}, // uniform over the whole span
        {0.0, 7.5, 1.0, 7.5, 0.0, 40.0},  // anchor at the head, triangle down to the foot
        {4.0, 9.0, 4.5, 6.0, 30.0, 0.0},  // falling triangle
    };
    for (const auto& f : faelle) {
        EXPECT_NEAR(verdrehung::UnterAnker(f.A, f.t, f.a, f.b, f.c, f.d),
                    SpannweiteNumerisch(f.A, f.t, f.a, f.b, f.c, f.d), 1e-6)
            << f.A << " " << f.a << " " << f.b;
    }
}

TEST(Verdrehung, UniformLoadOverTheSpanGivesTheTextbookRotation) {
    // q·l³/24 for a simply supported span under a uniform load q.
    const double q = 12.0, A = 1.5, t = 7.5, l = t - A;
    EXPECT_NEAR(verdrehung::UnterAnker(A, t, A, t, q, q), q * l * l * l / 24.0, 1e-9);
}

TEST(Verdrehung, AboveTheAnchorIsTheMomentAtTheAnchorTimesTheSpanOverSix) {
    // A load above the anchor puts the moment M_A = ∫ q·(A - y) dy on the span's end,
    // which turns the far end by -M_A·l/6 (opposite to a load inside the span).
    const double A = 3.0, t = 9.0, l = t - A;
    // Uniform 10 kN/m² from 0 to 2: resultant 20 at depth 1, M_A = 20·2 = 40.
    EXPECT_NEAR(verdrehung::UeberAnker(A, t, 0.0, 2.0, 10.0, 10.0), -40.0 * l / 6.0, 1e-9);
    // Triangle 0 -> 30 from 0 to 3: resultant 45 at depth 2, M_A = 45.
    EXPECT_NEAR(verdrehung::UeberAnker(A, t, 0.0, 3.0, 0.0, 30.0), -45.0 * l / 6.0, 1e-9);
    EXPECT_DOUBLE_EQ(verdrehung::UeberAnker(A, t, 1.0, 1.0, 5.0, 7.0), 0.0);
}

TEST(Verdrehung, HeadForceAndHeadMomentAreTheLimitsOfAShortTrapezoid) {
    const double A = 2.5, t = 8.0;
    const double P = 50.0;
    const double laenge = 0.001; // a 1 mm trapezoid
    const double q = P / laenge; // of the same resultant
    for (double a : {0.0, 1.0, 2.0}) {
        const double kurz = verdrehung::UeberAnker(A, t, a, a + laenge, q, q);
        // The short trapezoid's resultant acts 0.5 mm lower; that shift is all that differs.
        EXPECT_NEAR(verdrehung::Punktlast(A, t, a + laenge / 2.0, P), kurz, 1e-9) << a;
        // At the same depth they differ by the 0.5 mm lever, at most 0.5 mm / 0.5 m here.
        EXPECT_NEAR(verdrehung::Punktlast(A, t, a, P), kurz, 1.5e-3 * std::abs(kurz)) << a;
    }
    // A point force at the anchor puts no moment on the span.
    EXPECT_DOUBLE_EQ(verdrehung::Punktlast(A, t, A, P), 0.0);

    // A moment m is a pair of opposite forces m/e at e apart: +m/e at a, -m/e at a + e.
    const double m = 30.0, e = 0.001, a = 1.0;
    const double paar = verdrehung::UeberAnker(A, t, a, a + e, (m / e) / e, (m / e) / e) -
                        verdrehung::UeberAnker(A, t, a + e, a + 2 * e, (m / e) / e, (m / e) / e);
    EXPECT_NEAR(verdrehung::Moment(A, t, m), paar, 1e-6 * std::abs(paar));
    EXPECT_NEAR(verdrehung::Moment(A, t, m), -m * (t - A) / 6.0, 1e-12);
}

TEST(Verdrehung, BothSidesOfTheAnchorMeetAtZero) {
    const double A = 3.0, t = 9.0;
    EXPECT_NEAR(verdrehung::UnterAnker(A, t, A, A + 1e-6, 10.0, 10.0), 0.0, 1e-9);
    EXPECT_NEAR(verdrehung::UeberAnker(A, t, A - 1e-6, A, 10.0, 10.0), 0.0, 1e-9);
}

} // namespace
