#include "CalcFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kKa = 1.0 / 3.0; // phi 30°, no wall friction

double KaMindest() {
    // Minimum earth pressure: phi 40°, no wall friction: (1 − sin 40°)/(1 + sin 40°).
    const double s = std::sin(40.0 / 57.295779513082195);
    return (1 - s) / (1 + s);
}

TEST(CalcBeiwerte, LayerCoefficientSetWithWallFriction) {
    CalcFixture f;
    f.Schicht(10.0, 20, 30, 20, -20, 10);
    const C1ZirfCalc& c = f.Run();
    const C1Schicht& s = c.Schicht[2];
    // Values of the coefficient test (phi 30°, delta 20°, deltp −20°).
    EXPECT_NEAR(s.kagh, 0.27938364, 1e-8);
    EXPECT_NEAR(s.kaph, 0.27938364, 1e-8); // vertical wall, level ground: factor 1
    EXPECT_NEAR(s.kahm, 0.17859087, 1e-8);
    EXPECT_NEAR(s.kpgh, 5.00413467, 1e-8);
    EXPECT_NEAR(s.kpph, 4.66526181, 1e-8);
    EXPECT_NEAR(s.kpch, 6.34841968, 1e-8);
    EXPECT_NEAR(s.kach, 0.92160499, 1e-8);
    EXPECT_NEAR(s.cA, 9.2160499, 1e-7);
    EXPECT_NEAR(s.cP, 63.4841968, 1e-6);
    EXPECT_NEAR(s.k0gh, 0.5, 1e-12);
    EXPECT_NEAR(s.thetaA, 55.98396674, 1e-7);
    // tan 20°, tan(40·20/30 = 26.667°), tan(−20°).
    EXPECT_NEAR(s.tanA, 0.36397023, 1e-8);
    EXPECT_NEAR(s.tanM, 0.50221888, 1e-8);
    EXPECT_NEAR(s.tanP, -0.36397023, 1e-8);
    // The substitute wall's set is computed only by the deep slip line check.
    EXPECT_DOUBLE_EQ(s.kaghT, 0.0);
}

TEST(CalcBeiwerte, SubstituteWallSetHasNoWallFriction) {
    CalcFixture f;
    f.Schicht(10.0, 20, 30, 20, -20, 10);
    C1ZirfCalc& c = f.Run();
    c.CalcBeiwerteTGF();
    const C1Schicht& s = c.Schicht[2];
    EXPECT_NEAR(s.kaghT, kKa, 1e-12);
    EXPECT_NEAR(s.kpghT, 3.0, 1e-12);
    EXPECT_NEAR(s.thetaATGF, 60.0, 1e-9);
    EXPECT_DOUBLE_EQ(s.tanAT, 0.0);
    EXPECT_DOUBLE_EQ(s.tanMT, 0.0);
    // The wedge factor keeps the wall's slip plane: sin(θ − φ)/cos(θ − φ) with θ 55.98°.
    EXPECT_NEAR(s.keilHT, std::tan((55.98396674 - 30) / 57.295779513082195), 1e-8);
}

TEST(CalcBeiwerte, UndrainedLayerHasFiniteCoefficients) {
    CalcFixture f;
    f.Schicht(10.0, 20, 0, 0, 0, 30);
    const C1ZirfCalc& c = f.Run();
    const C1Schicht& s = c.Schicht[2];
    EXPECT_DOUBLE_EQ(s.tanM, 0.0);
    EXPECT_NEAR(s.kahm, KaMindest(), 1e-12);
    EXPECT_NEAR(s.thetaA, 45.0, 1e-12);
    EXPECT_NEAR(s.kagh, 1.0, 1e-12);
    EXPECT_NEAR(s.kpgh, 1.0, 1e-12);
    EXPECT_NEAR(s.cA, 60.0, 1e-9); // Kac = 2
    for (int i = 0; i <= c.iLetzteSchicht; ++i) {
        const C1SchichtErgebnis& e = c.ErgAktiv[c.IndexAktiv(0, i)];
        EXPECT_TRUE(std::isfinite(e.eoh) && std::isfinite(e.euh) && std::isfinite(e.Eh)) << i;
    }
}

// One layer, gamma 20, phi 30°, c = 5: the cohesion-reduced pressure 20z/3 − 2·5/√3 and
// the minimum pressure 20·Kam·z cross at z = (10/√3)/(20·(1/3 − Kam)) = 2.4908 m, inside
// the layer 2 ... 3 m below the excavation's half (layers 0–1.5, 1.5–3, 3–10).
TEST(CalcErddruckAktiv, MinimumPressureCrossingInsideALayer) {
    CalcFixture f;
    f.Schicht(10.0, 20, 30, 0, 0, 5);
    f.in.wand_hw = 4.0; // layers 0–2, 2–4, 4–10
    const C1ZirfCalc& c = f.Run();
    const double cA = 5 * 2 / std::sqrt(3.0);
    const double kam = KaMindest();
    const double z0 = cA / (20 * (kKa - kam));
    ASSERT_GT(z0, 2.0);
    ASSERT_LT(z0, 4.0);
    const auto r = [&](double z) { return 20 * z * kKa - cA; };
    const auto m = [&](double z) { return 20 * z * kam; };

    // Layer 0–2: the minimum governs at both ends.
    const C1SchichtErgebnis& e0 = c.ErgAktiv[c.IndexAktiv(0, 0)];
    EXPECT_NEAR(e0.eoh, 0.0, 1e-12);
    EXPECT_NEAR(e0.euh, m(2.0), 1e-9);
    EXPECT_EQ(c.Schicht[0].mindestdruck, 1);

    // Layer 2–4: minimum above z0, active below; the trapezoid keeps the area of the
    // larger of the two, ∫ max(r, m) dz = (m(2) + m(z0))/2·(z0 − 2) + (r(z0) + r(4))/2·(4 − z0).
    const C1SchichtErgebnis& e1 = c.ErgAktiv[c.IndexAktiv(0, 1)];
    const double flaeche = (m(2) + m(z0)) / 2 * (z0 - 2) + (r(z0) + r(4)) / 2 * (4 - z0);
    EXPECT_NEAR(e1.eoh, m(2.0), 1e-9);
    EXPECT_NEAR(e1.Eh, flaeche, 1e-9);
    EXPECT_NEAR(e1.euh, flaeche - m(2.0), 1e-9); // (eoh + euh)/2·2 = area
    EXPECT_EQ(c.Schicht[1].mindestdruck, 1);

    // Layer 4–10: the cohesion-reduced active pressure governs.
    const C1SchichtErgebnis& e2 = c.ErgAktiv[c.IndexAktiv(0, 2)];
    EXPECT_NEAR(e2.eoh, r(4.0), 1e-9);
    EXPECT_NEAR(e2.euh, r(10.0), 1e-9);
    EXPECT_EQ(c.Schicht[2].mindestdruck, 0);
    EXPECT_NEAR(e2.Eh, (r(4) + r(10)) / 2 * 6, 1e-9);
}

TEST(CalcErddruckAktiv, CrossingTheOtherWayRound) {
    // The cohesion-reduced pressure governs above the crossing and the minimum below it when
    // Ka < Kam (phi 45° > 40°) and the vertical stress changes sign, here under a suction
    // of −200 kN/m²: Ka = tan²22.5°, Kac = 2·cos 45°/(1 + sin 45°), c = 1.
    CalcFixture f;
    f.Schicht(20.0, 20, 45, 0, 0, 1);
    f.Flaechenlast(1, -200);
    f.in.wand_hw = 4.0;
    const C1ZirfCalc& c = f.Run();
    const double ka = std::pow(std::tan(22.5 / 57.295779513082195), 2);
    const double s45 = std::sin(45 / 57.295779513082195);
    const double cA = 2 * s45 / (1 + s45);
    const double kam = KaMindest();
    const auto r = [&](double z) { return (-200 + 20 * z) * ka - cA; };
    const auto m = [&](double z) { return (-200 + 20 * z) * kam; };
    // The crossing at σ = cA/(Ka − Kam), z = 9.096 m, lies in the layer 4 ... 20 m.
    const int i = f.SchichtAb(4.0);
    const double z0 = (cA / (ka - kam) + 200) / 20;
    ASSERT_GT(z0, 4.0);
    ASSERT_LT(z0, 20.0);
    const double flaeche = (r(4) + r(z0)) / 2 * (z0 - 4) + (m(z0) + m(20)) / 2 * (20 - z0);
    const C1SchichtErgebnis& e = c.ErgAktiv[c.IndexAktiv(0, i)];
    EXPECT_NEAR(e.eoh, r(4.0), 1e-9);
    EXPECT_NEAR((e.eoh + e.euh) / 2 * 16, flaeche, 1e-9);
    EXPECT_EQ(c.Schicht[i].mindestdruck, 1);
    // Above, the cohesion-reduced pressure governs at both ends.
    EXPECT_EQ(c.Schicht[f.SchichtAb(2.0)].mindestdruck, 0);
}

// Two soils with water 4 m below the head behind the wall and 6 m in front: the effective
// vertical stress behind the wall grows with 18 kN/m³, then 20 down to the water behind,
// then 11 below it, also below the excavation at 5 m: the soil behind the wall lies under
// the water behind it, whatever the level in front. The printed overburden sigmaA is the
// same.
TEST(CalcErddruckAktiv, TwoLayersWithWaterChangeTheSlope) {
    CalcFixture f;
    f.Schicht(3.0, 18, 30, 0, 0, 0, 10);
    f.Schicht(5.0, 20, 30, 0, 0, 0, 11);
    f.in.wand_hw = 5.0;
    f.in.tgh = 4.0;
    f.in.tgv = 6.0;
    const C1ZirfCalc& c = f.Run();
    struct Erwartet {
        double yo, sigmaO, sigmaU;
    } faelle[] = {
        {0.0, 0.0, 45.0},    // 2.5 m dry sand
        {2.5, 45.0, 54.0},   // to the layer bottom at 3 m
        {3.0, 54.0, 74.0},   // dry gravel down to the water behind
        {4.0, 74.0, 85.0},   // below the water behind: 11 kN/m³
        {5.0, 85.0, 96.0},   // below the excavation, still under the water behind: 11
        {6.0, 96.0, 118.0},  // down to the soil bottom at 8 m
        {8.0, 118.0, 228.0}, // the model's continuation of the last soil to 18 m
    };
    for (const auto& e : faelle) {
        const int i = f.SchichtAb(e.yo);
        const C1SchichtErgebnis& r = c.ErgAktiv[c.IndexAktiv(0, i)];
        EXPECT_NEAR(r.eoh, e.sigmaO * kKa, 1e-9) << e.yo;
        EXPECT_NEAR(r.euh, e.sigmaU * kKa, 1e-9) << e.yo;
        EXPECT_NEAR(c.Schicht[i].sigmaA, e.sigmaU, 1e-9) << e.yo;
    }
    // Passive side from the excavation at 5 m with the water in front at 6 m.
    const struct {
        double yo, sigmaO, sigmaU;
    } passiv[] = {{5.0, 0.0, 20.0}, {6.0, 20.0, 42.0}, {8.0, 42.0, 152.0}};
    for (const auto& e : passiv) {
        const C1SchichtErgebnis& r = c.ErgPassiv[c.IndexPassiv(0, f.SchichtAb(e.yo))];
        EXPECT_NEAR(r.epoh, 3 * e.sigmaO, 1e-9) << e.yo;
        EXPECT_NEAR(r.epuh, 3 * e.sigmaU, 1e-9) << e.yo;
    }
}

// The same soils with the water in front higher than behind: 6 m behind the wall, 4 m in
// front, above the excavation level at 5 m. Behind the wall the soil is dry down to 6 m,
// also below the excavation level; in front of it it lies under water from the
// excavation level down.
TEST(CalcErddruckAktiv, WaterInFrontAboveTheWaterBehindTakesEachSideByItsOwnLevel) {
    CalcFixture f;
    f.Schicht(3.0, 18, 30, 0, 0, 0, 10);
    f.Schicht(5.0, 20, 30, 0, 0, 0, 11);
    f.in.wand_hw = 5.0;
    f.in.tgh = 6.0;
    f.in.tgv = 4.0;
    const C1ZirfCalc& c = f.Run();
    const struct {
        double yo, sigmaO, sigmaU;
    } hinten[] = {
        {3.0, 54.0, 74.0},   // dry gravel: 20 kN/m³
        {4.0, 74.0, 94.0},   // below the water in front, above the water behind: still 20
        {5.0, 94.0, 114.0},  // below the excavation, above the water behind: 20
        {6.0, 114.0, 136.0}, // under the water behind: 11
        {8.0, 136.0, 246.0}, // the model's continuation of the last soil to 18 m
    };
    for (const auto& e : hinten) {
        const int i = f.SchichtAb(e.yo);
        EXPECT_NEAR(c.ErgAktiv[c.IndexAktiv(0, i)].euh, e.sigmaU * kKa, 1e-9) << e.yo;
        EXPECT_NEAR(c.Schicht[i].sigmaA, e.sigmaU, 1e-9) << e.yo;
    }
    // In front of the wall from the excavation level at 5 m: under water, 11 kN/m³.
    const struct {
        double yo, sigmaO, sigmaU;
    } vorn[] = {{5.0, 0.0, 11.0}, {6.0, 11.0, 33.0}, {8.0, 33.0, 143.0}};
    for (const auto& e : vorn) {
        const C1SchichtErgebnis& r = c.ErgPassiv[c.IndexPassiv(0, f.SchichtAb(e.yo))];
        EXPECT_NEAR(r.epoh, 3 * e.sigmaO, 1e-9) << e.yo;
        EXPECT_NEAR(r.epuh, 3 * e.sigmaU, 1e-9) << e.yo;
    }
}

TEST(CalcErddruckAktiv, ModesAndSurchargeCases) {
    struct Fall {
        int nwstand, erhstand;
        double faktorAktiv, faktorRuhe;
    } faelle[] = {{0, 0, 1, 0}, {1, 37, 0.37, 0.63}, {1, 100, 1, 0}, {2, 50, 0, 1}};
    for (const auto& fall : faelle) {
        CalcFixture f;
        f.Schicht(10.0, 20, 30);
        f.Lastfaelle({1, 2});
        f.Flaechenlast(1, 10);
        f.Flaechenlast(2, 30);
        f.in.nwstand = fall.nwstand;
        f.in.erhstand = fall.erhstand;
        const C1ZirfCalc& c = f.Run();
        // Layer 3–10, K = 1/3 active, 0.5 at rest; case 0 holds the soil and the 10 kN/m².
        const int i = f.SchichtAb(3.0);
        const double k = fall.faktorAktiv * kKa + fall.faktorRuhe * 0.5;
        const C1SchichtErgebnis& e0 = c.ErgAktiv[c.IndexAktiv(0, i)];
        EXPECT_NEAR(e0.eoh, (60 + 10) * k, 1e-9) << fall.nwstand;
        EXPECT_NEAR(e0.euh, (200 + 10) * k, 1e-9) << fall.nwstand;
        EXPECT_NEAR(e0.Eh, (70 + 210) * k / 2 * 7, 1e-9);
        EXPECT_NEAR(e0.yE, 3 + 7 * (70 + 2 * 210.0) / (3 * (70 + 210.0)), 1e-9);
        // Case 2: the uniform 30 kN/m².
        const C1SchichtErgebnis& e2 = c.ErgAktiv[c.IndexAktiv(2, i)];
        EXPECT_NEAR(e2.eoh, 30 * k, 1e-9);
        EXPECT_NEAR(e2.Eh, 30 * k * 7, 1e-9);
        // Case 1 keeps only its raw ordinates.
        const C1SchichtErgebnis& e1 = c.ErgAktiv[c.IndexAktiv(1, i)];
        EXPECT_NEAR(e1.eohAktiv, 10 * kKa, 1e-12);
        EXPECT_DOUBLE_EQ(e1.Eh, 0.0);
        EXPECT_DOUBLE_EQ(c.lastAktiv[2], 30.0);
    }
}

} // namespace
