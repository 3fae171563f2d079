#include "CalcFixture.h"

#include "earthpressure/C1ErddruckBeiwerte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr double kTol = 1e-9;

// A number as the shown errors write it.
std::string Zahl(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

TEST(C1ErddruckBeiwerte, Phi30WithoutWallFriction) {
    C1ErddruckBeiwerte b;
    // Rankine: Ka = (1 − sin 30°)/(1 + sin 30°) = 1/3, Kp = 3, K0 = 1 − sin 30° = 0.5.
    EXPECT_NEAR(b.CalcKagh(0, 0, 0, 30), 1.0 / 3.0, kTol);
    EXPECT_NEAR(b.CalcKpghCoulomb(0, 0, 0, 30), 3.0, kTol);
    EXPECT_NEAR(b.CalcK0gh(0, 0, 0, 30), 0.5, kTol);
    // Curved slip surface: all correction factors are 1, so Kp = 3 for weight and
    // surcharge; cohesion: (Kp − 1)/tan φ = 2/tan 30° = 2·√3.
    EXPECT_NEAR(b.CalcKpgh(0, 0, 0, 30), 3.0, kTol);
    EXPECT_NEAR(b.GetKpph(), 3.0, kTol);
    EXPECT_NEAR(b.GetKpch(), 2.0 * std::sqrt(3.0), kTol);
    // Cohesion, active: 2·cos φ/(1 + sin φ) = 2·√Ka = 2/√3.
    EXPECT_NEAR(b.CalcKach(0, 0, 0, 30), 2.0 / std::sqrt(3.0), kTol);
    // Slip plane 45° + φ/2 = 60°; wedge factor tan(θ − φ) = tan 30°.
    EXPECT_NEAR(b.CalcThetaA(0, 0, 0, 30), 60.0, kTol);
    b.CalcKach(0, 0, 0, 30);
    EXPECT_NEAR(b.CalcKeilHGeneigt(60, 0, 30, 0), std::tan(30.0 / 57.295779513082195), kTol);
    EXPECT_NEAR(b.CalcFaktorAuflast(0, 0), 1.0, kTol);
}

TEST(C1ErddruckBeiwerte, Phi30WithWallFriction20) {
    C1ErddruckBeiwerte b;
    // Coulomb horizontal: h = sin 50°·sin 30°/cos 20° = 0.4076037; Ka = cos²30°/(1 + √h)²
    // = 0.75/1.6384390² = 0.2793836.
    EXPECT_NEAR(b.CalcKagh(0, 0, 20, 30), 0.27938363767, 1e-10);
    // Passive δp = −20° = −0.3490659 rad, φ = 0.5235988 rad:
    // idg = (1 + 0.53·0.3490659)^(5.96·0.5235988 + 0.26) = 1.185005^3.380648 = 1.7750963;
    // kpgh = 3·idg·cos 20° = 5.0041347.
    // idp = idc = (1 + 1.33·0.3490659)^(2.37·0.5235988 + 0.08) = 1.4642577^1.3209291
    // = 1.6548893; kpph = 3·idp·cos 20° = 4.6652618;
    // kpch = (3·idp − 1/cos 20°)/tan 30°·cos 20° = 6.3484197.
    EXPECT_NEAR(b.CalcKpgh(0, 0, -20, 30), 5.004134667, 1e-8);
    EXPECT_NEAR(b.GetKpph(), 4.665261813, 1e-8);
    EXPECT_NEAR(b.GetKpch(), 6.348419684, 1e-8);
    // Active cohesion: 2·cos 30°·cos 20°/(1 + sin 50°) = 0.9216050.
    EXPECT_NEAR(b.CalcKach(0, 0, 20, 30), 0.921604985, 1e-8);
    // Slip plane: h = sin 50°/(sin 30°·cos 20°) = 1.6304149; v = tan 30° + √h/cos 30°
    // = 2.0517801; θ = atan(1/v) + 30° = 55.983967°.
    EXPECT_NEAR(b.CalcThetaA(0, 0, 20, 30), 55.98396674, 1e-7);
    // Minimum pressure: φ 40°, δ 40·20/30 = 26.667°: h = sin 66.667°·sin 40°/cos 26.667°,
    // Ka = cos²40°/(1 + √h)² = 0.1785909.
    EXPECT_NEAR(b.CalcKagh(0, 0, 40.0 * 20.0 / 30.0, 40), 0.178590875, 1e-8);
    // At rest with level terrain: 1 − sin φ whatever δ.
    EXPECT_NEAR(b.CalcK0gh(0, 0, 20, 30), 0.5, kTol);
}

TEST(C1ErddruckBeiwerte, TerrainSteeperThanPhiCutsTheRoot) {
    C1ErddruckBeiwerte b;
    // β = 35° > φ = 30°: h < 0 is taken as 0, Ka = cos²(φ + α)/cos²α = cos²30° = 0.75.
    EXPECT_NEAR(b.CalcKagh(0, 35, 0, 30), 0.75, kTol);
}

TEST(C1ErddruckBeiwerte, AtRestTerrainAngleLimitedToWallFriction) {
    C1ErddruckBeiwerte b;
    // φ 30°, β 10°: f = (sin φ − sin²φ)/(sin φ − sin²β)·cos²β; g = (1/(1/f + tan²β))^0.5.
    const double gf = 57.295779513082195;
    const double p = 30 / gf, be = 10 / gf;
    const double f = (std::sin(p) - std::pow(std::sin(p), 2)) /
                     (std::sin(p) - std::pow(std::sin(be), 2)) * std::pow(std::cos(be), 2);
    const double g = std::sqrt(1.0 / (1.0 / f + std::pow(std::tan(be), 2)));
    // δ = 20° ≥ β: β' = β and the last factor cancels; δ = 5°: β' = 5°; δ = 0: β' = 0.
    EXPECT_NEAR(b.CalcK0gh(0, 10, 20, 30), f, kTol);
    EXPECT_NEAR(b.CalcK0gh(0, 10, 5, 30), f * (1 + g * std::tan(be)) / (1 + g * std::tan(5 / gf)),
                kTol);
    EXPECT_NEAR(b.CalcK0gh(0, 10, 0, 30), f * (1 + g * std::tan(be)), kTol);
    // A falling terrain uses β' = 0.
    EXPECT_NEAR(b.CalcK0gh(0, -10, 20, 30), f * (1 - g * std::tan(be)), kTol);
}

TEST(C1ErddruckBeiwerte, UndrainedSoilHasFiniteLimits) {
    C1ErddruckBeiwerte b;
    // φ = 0: Ka = 1, Kac = 2, K0 = 1, θa = 45°.
    EXPECT_NEAR(b.CalcKagh(0, 0, 0, 0), 1.0, kTol);
    EXPECT_NEAR(b.CalcKach(0, 0, 0, 0), 2.0, kTol);
    EXPECT_NEAR(b.CalcK0gh(0, 0, 0, 0), 1.0, kTol);
    EXPECT_NEAR(b.CalcThetaA(0, 0, 0, 0), 45.0, kTol);
    // Curved passive surface at φ = 0: kpgh = cos δ, kpph = cos β·cos δ, kpch = 2·cos δ.
    EXPECT_NEAR(b.CalcKpgh(0, 10, 10, 0), std::cos(10 / 57.295779513082195), kTol);
    EXPECT_NEAR(b.GetKpph(), std::pow(std::cos(10 / 57.295779513082195), 2), kTol);
    EXPECT_NEAR(b.CalcKpgh(0, 0, 0, 0), 1.0, kTol);
    EXPECT_NEAR(b.GetKpch(), 2.0, kTol);
    EXPECT_TRUE(std::isfinite(b.m1) && std::isfinite(b.nu));
}

TEST(C1ErddruckBeiwerte, SlipPlaneAlongTerrainAsSteepAsPhi) {
    C1ErddruckBeiwerte b;
    // β = φ: the wedge's critical plane is the terrain itself.
    EXPECT_NEAR(b.CalcThetaA(0, 30, 0, 30), 30.0, kTol);
}

TEST(C1ErddruckBeiwerte, AtRestRisesLinearlyToCosPhi) {
    C1ErddruckBeiwerte b;
    b.CalcKagh(10, 0, 20, 30);
    const double alpha = b.alphaRad, delta = b.deltaRad;
    // φ 30°: s = 1 − sin 30° = 0.5, c = cos 30°; s for x ≤ 0, c at x = φ, halfway at φ/2.
    const struct {
        double x, phi, k0;
    } cases[] = {
        {0.0, 30.0, 0.5},
        {-5.0, 30.0, 0.5},
        {30.0, 30.0, std::cos(30.0 / 57.295779513082195)},
        {15.0, 30.0, 0.683012701892219}, // (0.5 + 0.8660254)/2
        // φ = 0: (cos φ − 1 + sin φ)/φ tends to 1 per radian, K0 = 1 + 10°/57.29578°.
        {10.0, 0.0, 1.1745329251994334},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(b.CalcK0(c.x, c.phi), c.k0, kTol) << c.x << ", " << c.phi;
        EXPECT_NEAR(b.ergebnis, c.k0, kTol);
    }
    EXPECT_NEAR(b.k0s, 1.0, kTol); // of the last call, φ = 0
    EXPECT_NEAR(b.k0c, 1.0, kTol);
    // The limit joins the formula's values for small φ.
    EXPECT_NEAR(b.CalcK0(10.0, 1e-6), 1.1745329251994334, 1e-6);
    // The wall and friction angles of the preceding call stay for the wedge factors.
    EXPECT_EQ(b.alphaRad, alpha);
    EXPECT_EQ(b.deltaRad, delta);
}

TEST(C1ErddruckBeiwerte, PassiveSlipPlaneAngle) {
    C1ErddruckBeiwerte b;
    const struct {
        double alpha, beta, delta, phi, theta;
    } cases[] = {
        // Rankine: h = 1, v = tan(−30°) + 1/cos 30° = tan 30°, atan(1/v) = 60°, θp = 45° − φ/2.
        {0, 0, 0, 30, 30.0},
        // δ −20°: h = sin 50°/(sin 30°·cos 20°) = 1.6304149, v = −tan 30° + √h/cos 30°
        // = 0.8970603, θp = atan(1/v) − 30° = 18.1059796°.
        {0, 0, -20, 30, 18.10597959950219},
        // α 10°: h = 1, v = tan(−20°) + 1/cos 40° = 0.9414371 (the root is divided by
        // cos(φ + α)), θp = 46.7277884° − 30°.
        {10, 0, 0, 30, 16.727788402104906},
        // φ = β = 0: the formula tends to 45°.
        {0, 0, 0, 0, 45.0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(b.CalcThetaP(c.alpha, c.beta, c.delta, c.phi), c.theta, 1e-9)
            << c.alpha << ", " << c.delta << ", " << c.phi;
    }
}

TEST(C1ErddruckBeiwerte, WedgeFactorsWithoutTerrainTakeTheWallFrictionAlone) {
    C1ErddruckBeiwerte b;
    b.CalcKagh(10, 0, 20, 30); // α 10°, δ 20°
    // sin(60° − 30°)/cos(30° − 20°)·cos 20° = 0.4770944; the cosine form 0.8263518.
    EXPECT_NEAR(b.CalcKeilH(60, 20, 30), 0.4770944470693364, kTol);
    EXPECT_NEAR(b.CalcKeilV(60, 20, 30), 0.8263518223330688, kTol);
    // The inclined form takes cos(δ − α) = cos 10°, which cancels: 0.5.
    EXPECT_NEAR(b.CalcKeilHGeneigt(60, 20, 30, 0), 0.5, kTol);
    // A wedge steeper than the slip plane gives no factor: sin(−20°) < 0.
    EXPECT_EQ(b.CalcKeilH(10, 0, 30), 0.0);
}

// Ground steeper than a layer's friction angle cannot stand: the coefficient at rest
// would divide by sin φ − sin²β = 0 at β = 45° for φ = 30° (and turn negative or NaN
// beyond), the active one would lose its root. The run refuses it, naming both angles.
TEST(CalcBeiwerte, GroundSteeperThanALayersFrictionAngleIsRefused) {
    struct Fall {
        double gelaende;
        double phi1, phi2; // the upper and the lower soil
        const char* schicht;
    } const faelle[] = {
        {45.0, 30, 30, "Schicht 1"},  {50.0, 30, 30, "Schicht 1"}, {80.0, 30, 30, "Schicht 1"},
        {-45.0, 30, 30, "Schicht 1"}, {30.0, 35, 25, "Schicht 2"},
    };
    for (const auto& fall : faelle) {
        CalcFixture f;
        f.Schicht(4.0, 20, fall.phi1);
        f.Schicht(16.0, 20, fall.phi2);
        f.in.gela_neigung = fall.gelaende;
        const std::string text = f.Meldung();
        EXPECT_NE(text.find("gela_neigung = " + Zahl(fall.gelaende)), std::string::npos) << text;
        EXPECT_NE(text.find(fall.schicht), std::string::npos) << text;
        EXPECT_NE(text.find("phi = " + Zahl(std::min(fall.phi1, fall.phi2))), std::string::npos)
            << text;
    }
    // A terrain angle of 90° or more has no slope at all, whatever the soil.
    CalcFixture g;
    g.Schicht(20.0, 20, 0, 0, 0, 20);
    g.in.gela_neigung = 95.0;
    EXPECT_NE(g.Meldung().find("gela_neigung = 95"), std::string::npos);
}

TEST(CalcBeiwerte, GroundAsSteepAsPhiAndUndrainedSoilUnderASlopeRun) {
    // β = φ = 30°, no wall friction: Ka = cos²30° = 0.75; at rest f = cos²β = 0.75,
    // g = (1/(1/0.75 + tan²30°))^0.5 = √0.6, β' = 0: K0 = 0.75·(1 + √0.6·tan 30°)
    // = 0.75·(1 + √0.2).
    CalcFixture f;
    f.Schicht(20.0, 20, 30);
    f.in.gela_neigung = 30.0;
    const C1ZirfCalc& c = f.Run();
    EXPECT_NEAR(c.Schicht[0].kagh, 0.75, 1e-9);
    EXPECT_NEAR(c.Schicht[0].k0gh, 0.75 * (1.0 + std::sqrt(0.2)), 1e-9);
    // Undrained clay (phi 0, c 20) under a 20° slope, and a weightless top layer whose
    // friction angle takes no part: Ka = 1, K0 = 1 + cos 20°·tan 20° = 1 + sin 20°.
    CalcFixture g;
    g.Schicht(1.0, 0, 10);
    g.Schicht(19.0, 20, 0, 0, 0, 20);
    g.in.gela_neigung = 20.0;
    const C1ZirfCalc& d = g.Run();
    const C1Schicht& ton = d.Schicht[g.SchichtAb(1.0)];
    EXPECT_NEAR(ton.kagh, 1.0, 1e-12);
    EXPECT_NEAR(ton.k0gh, 1.0 + std::sin(20.0 / 57.295779513082195), 1e-12);
    for (int i = 0; i <= d.iLetzteSchicht; ++i) {
        EXPECT_TRUE(std::isfinite(d.Schicht[i].k0gh) && std::isfinite(d.Schicht[i].kpgh)) << i;
    }
}

} // namespace
