#include "CalcFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// One soil in front of the wall: excavation at 2 m, foot at 6 m.
class ErdkeilTest : public ::testing::Test, public CalcFixture {
protected:
    C1ZirfCalc& Erdkeil(double phie, double deltae, double cohe, double tgv, double t) {
        in.wand_hw = 2.0;
        in.speze = 18.0;
        in.phie = phie;
        in.deltae = deltae;
        in.cohe = cohe;
        calc = std::make_unique<C1ZirfCalc>(&in, nullptr);
        calc->tgv = tgv;
        calc->t = t;
        EXPECT_EQ(calc->CalcErdkeil(), 1);
        return *calc;
    }
};

TEST_F(ErdkeilTest, CohesiveSoilAboveAndBelowTheWaterLevel) {
    // φ 30°, δ 0: Kp = 3, Kpc = 2·cos 30°/(1 − sin 30°) = 2·√3, cP = 20·√3 = 34.641.
    // Water in front at 4 m: σ 0 → 36 (γ 18 over 2 m) → 52 (γ' 8 over 2 m).
    const C1ZirfCalc& c = Erdkeil(30.0, 0.0, 10.0, 4.0, 6.0);
    const double cP = 20.0 * std::sqrt(3.0);
    const C1SchichtErgebnis& oben = c.ErgPassiv[0];
    EXPECT_DOUBLE_EQ(oben.abt, 2.0);
    EXPECT_DOUBLE_EQ(oben.bist, 4.0);
    EXPECT_NEAR(oben.epoh, cP, 1e-9);
    EXPECT_NEAR(oben.epuh, 108.0 + cP, 1e-9);
    // Eh = (cP + 108 + cP)·2/2; yE: rectangle 2·cP at 3 m, triangle 108 at 3.3333 m.
    EXPECT_NEAR(oben.Eh, 108.0 + 2.0 * cP, 1e-9);
    EXPECT_NEAR(oben.yE, (2.0 * cP * 3.0 + 108.0 * (2.0 + 4.0 / 3.0)) / (108.0 + 2.0 * cP), 1e-9);
    EXPECT_EQ(oben.Ev, 0.0);
    EXPECT_NEAR(oben.Eges, oben.Eh, 1e-12);

    const C1SchichtErgebnis& unten = c.ErgPassiv[1];
    EXPECT_DOUBLE_EQ(unten.abt, 4.0);
    EXPECT_DOUBLE_EQ(unten.bist, 6.0);
    EXPECT_NEAR(unten.epoh, 108.0 + cP, 1e-9);
    EXPECT_NEAR(unten.epuh, 156.0 + cP, 1e-9);
    EXPECT_NEAR(unten.Eh, (264.0 + 2.0 * cP), 1e-9);
}

TEST_F(ErdkeilTest, WallFrictionSurchargeAndNoWaterAboveTheFoot) {
    // Surcharge 10 kN/m² in front, load case 2.
    in.nLfFlaecheVorn = 1;
    in.lfFlaecheVorn[0] = 2;
    in.nFlaechenlastVorn = 1;
    in.flaechenlastVorn[0] = {2, "q vorn", 10.0};
    // δ −20°: Coulomb h = sin 50°·sin 30°/cos 20° = 0.4076037, Kp = cos²30°/(1 − √h)²
    // = 5.7371596. Water below the foot: the whole wedge weighs 18, σ(6 m) = 72.
    const double kp = 5.737159646501748;
    const C1ZirfCalc& c = Erdkeil(30.0, -20.0, 0.0, 100.0, 6.0);
    const C1SchichtErgebnis& e = c.ErgPassiv[0];
    EXPECT_NEAR(e.epoh, 0.0, 1e-12);
    EXPECT_NEAR(e.epuh, 72.0 * kp, 1e-7);
    EXPECT_NEAR(e.Eh, 144.0 * kp, 1e-6);
    EXPECT_NEAR(e.yE, 2.0 + 4.0 * 2.0 / 3.0, 1e-12);
    EXPECT_NEAR(e.Ev, e.Eh * std::tan(-20.0 / kGrad), 1e-9);
    EXPECT_NEAR(e.Eges, std::hypot(e.Eh, e.Ev), 1e-9);
    EXPECT_EQ(c.ErgPassiv[1].Eh, 0.0) << "no part below the water level";
    // The surcharge: uniform 10·Kp from 2 to 6 m.
    const C1SchichtErgebnis& q = c.ErgPassiv[2];
    EXPECT_DOUBLE_EQ(c.lastPassiv[1], 10.0);
    EXPECT_NEAR(q.epoh, 10.0 * kp, 1e-7);
    EXPECT_NEAR(q.epuh, 10.0 * kp, 1e-7);
    EXPECT_NEAR(q.Eh, 40.0 * kp, 1e-6);
    EXPECT_NEAR(q.yE, 4.0, 1e-12);
}

TEST_F(ErdkeilTest, FootAboveTheExcavationGivesEmptyFigures) {
    const C1ZirfCalc& c = Erdkeil(0.0, 0.0, 20.0, 3.0, 1.0);
    for (int k = 0; k < 2; ++k) {
        const C1SchichtErgebnis& e = c.ErgPassiv[k];
        EXPECT_EQ(e.Eh, 0.0);
        EXPECT_EQ(e.yE, 0.0);
        // φ = 0: Kp = 1, Kpc = 2, so the ordinates are 2·c = 40 even without height.
        EXPECT_NEAR(e.epoh, 40.0, 1e-9);
        EXPECT_TRUE(std::isfinite(e.Eges) && std::isfinite(e.xE));
    }
}

} // namespace
