#include "analysis/Biegelinie.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using biegelinie::Linie;

// Samples a moment function of the beam position x (from the foot) at the 21 places.
template <class F> Linie Abtasten(double TL, F moment) {
    Linie m{};
    for (int p = 0; p < biegelinie::kPunkte; ++p) {
        m[p] = moment(p * TL / 20.0);
    }
    return m;
}

TEST(Biegelinie, StiffnessOfASteelProfile) {
    // E = 21000 kN/cm² = 2.1e8 kN/m², Iy = 38000 cm⁴ = 3.8e-4 m⁴: EI = 79800 kNm².
    EXPECT_NEAR(biegelinie::Biegesteifigkeit(38000.0), 79800.0, 1e-6);
}

TEST(Biegelinie, CantileverUnderUniformLoadDeflectsByQL4Over8EI) {
    // Clamped at the foot, free at the head, uniform q: M(x) = -q·(L - x)²/2 in the beam's
    // convention, head deflection q·L⁴/(8·EI) (in cm: ·100), on the side the curvature
    // sign +1 gives (negative for this moment line).
    const double q = 20.0, L = 6.0, EI = biegelinie::Biegesteifigkeit(38000.0);
    const Linie M = Abtasten(L, [&](double x) { return -q * (L - x) * (L - x) / 2.0; });
    const Linie w = biegelinie::Kragwand(M, L, EI);
    const double erwartet = -q * L * L * L * L / (8.0 * EI) * 100.0;
    EXPECT_NEAR(w[0], erwartet, 2e-3 * std::abs(erwartet));
    EXPECT_DOUBLE_EQ(w[20], 0.0); // foot
    // Halfway up (depth L/2, x = L/2): w = q·x²·(6L² - 4Lx + x²)/(24EI) with x from the foot.
    const double x = L / 2.0;
    const double mitte = -q * x * x * (6 * L * L - 4 * L * x + x * x) / (24.0 * EI) * 100.0;
    EXPECT_NEAR(w[10], mitte, 2e-3 * std::abs(mitte));
}

TEST(Biegelinie, ZeroMomentGivesZeroLine) {
    const Linie null{};
    for (double v : biegelinie::Kragwand(null, 5.0, 1000.0)) {
        EXPECT_EQ(v, 0.0);
    }
    for (double v : biegelinie::Ankerwand(null, 5.0, 0.0, 5.0, 1000.0)) {
        EXPECT_EQ(v, 0.0);
    }
}

TEST(Biegelinie, AnchoredSpanUnderUniformLoad) {
    // Anchor at the head (A = 0), foot at L: simply supported span, M = q·x·(L - x)/2 > 0
    // under a load toward the excavation, midspan deflection 5·q·L⁴/(384·EI) toward the
    // excavation: negative, as the cantilever's under the same load direction.
    const double q = 15.0, L = 8.0, EI = 50000.0;
    const Linie M = Abtasten(L, [&](double x) { return q * x * (L - x) / 2.0; });
    const Linie w = biegelinie::Ankerwand(M, L, 0.0, L, EI);
    const double erwartet = -5.0 * q * L * L * L * L / (384.0 * EI) * 100.0;
    // The moment is linear between the 21 places; the chords of the parabola lose about 0.2 %.
    EXPECT_NEAR(w[10], erwartet, 4e-3 * std::abs(erwartet));
    EXPECT_NEAR(w[0], 0.0, 1e-12);
    EXPECT_NEAR(w[20], 0.0, 1e-12);
}

TEST(Biegelinie, AnchorBetweenNodesStaysAtZero) {
    // Anchor at 1.3 m of a 10 m wall (not on a node, shallower than t/7): the line through
    // the anchor point is 0 there, and the foot stays 0.
    const double L = 10.0, A = 1.3, EI = 20000.0;
    const Linie M = Abtasten(L, [&](double x) { return 5.0 * std::sin(x); });
    const Linie w = biegelinie::Ankerwand(M, L, 0.0, L - A, EI);
    EXPECT_NEAR(w[20], 0.0, 1e-12);
    // Interpolate the nodes at 1.0 and 1.5 m: w is smooth, so the chord passes near 0.
    const double wA = w[2] + (w[3] - w[2]) * (A - 1.0) / 0.5;
    EXPECT_NEAR(wA, 0.0, 0.05 * std::abs(w[10]));
}

} // namespace
