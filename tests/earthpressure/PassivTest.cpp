#include "CalcFixture.h"

#include "platform/C1Exception.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kGradBeiwerte = 57.295779513082195;

// phi 30°, no wall friction: Kp = 3, K0 = 0.5; the layer 3 ... 10 m lies below the
// excavation (3 m) with σ from 0 to 140 kN/m².
TEST(CalcErdwiderstand, MobilisationBetweenAtRestAndFullPassive) {
    struct Fall {
        int nwwand, erhwand;
        double anteil; // share of (Kp − K0) mobilised
    } faelle[] = {
        {0, 0, 1.0},
        {1, 100, 1.0},
        {1, 0, 0.0},
        // (1 − (1 − 0.5)^1.6)^0.65
        {1, 50, std::pow(1 - std::pow(0.5, 1.6), 0.65)},
        {1, 150, 1.0}, // clamped to 100 %
        {1, -20, 0.0}, // clamped to 0 %
        {2, 100, 0.0},
    };
    for (const auto& fall : faelle) {
        CalcFixture f;
        f.Schicht(10.0, 20, 30);
        f.in.nwwand = fall.nwwand;
        f.in.erhwand = fall.erhwand;
        const C1ZirfCalc& c = f.Run();
        const int i = f.SchichtAb(3.0);
        const C1SchichtErgebnis& e = c.ErgPassiv[c.IndexPassiv(0, i)];
        const double k = 0.5 + (3.0 - 0.5) * fall.anteil;
        EXPECT_DOUBLE_EQ(e.epoh, 0.0) << fall.erhwand;
        EXPECT_NEAR(e.epuh, 140 * k, 1e-9) << fall.nwwand << " " << fall.erhwand;
        EXPECT_NEAR(e.Eh, 140 * k * 7 / 2, 1e-9);
        EXPECT_NEAR(e.yE, 3 + 7 * 2.0 / 3, 1e-9);
        EXPECT_NEAR(e.euhRuhe, 70.0, 1e-9);
        EXPECT_TRUE(std::isfinite(e.Eh));
    }
}

TEST(CalcErdwiderstand, CohesionAddsToFullPassive) {
    CalcFixture f;
    f.Schicht(10.0, 20, 30, 0, 0, 10);
    const C1ZirfCalc& c = f.Run();
    const C1SchichtErgebnis& e = c.ErgPassiv[c.IndexPassiv(0, f.SchichtAb(3.0))];
    // Kpc = 2·√3 (curved surface, no correction): 10·2√3 at the top.
    EXPECT_NEAR(e.epoh, 20 * std::sqrt(3.0), 1e-9);
    EXPECT_NEAR(e.epuh, 420 + 20 * std::sqrt(3.0), 1e-9);
}

// A berm 2 m thick, its toe 2 m from the wall, slope 20°, on level ground over a single
// soil (gamma 20, phi 30°, no wall friction, Ka = 1/3).
struct BermeFall {
    double h1, h2, h3, za, zb, q;
};

BermeFall BermeVonHand() {
    // The line from the toe at min(20°, 30°) meets the vertical wall 2·tan 20° below it.
    const double tan20 = std::tan(20 / CalcFixture::kGrad);
    BermeFall b{};
    b.h1 = 2 * tan20;
    // Kβ: Ka with terrain 20°: cos²30°/(1 + √(sin 30°·sin 10°/cos 20°))².
    const double p = 30 / kGradBeiwerte, t = 20 / kGradBeiwerte;
    const double kb = std::pow(std::cos(p), 2) /
                      std::pow(1 + std::sqrt(std::sin(p) * std::sin(p - t) / std::cos(t)), 2);
    const double r = (1.0 / 3) / (kb - 1.0 / 3);
    b.h2 = r * b.h1;
    b.h3 = r * 2.0; // the slope is flatter than phi: no shortening
    b.za = b.h1 + b.h2;
    b.zb = b.za + b.h3;
    b.q = 2.0 * 20;
    return b;
}

TEST(CalcBerme, RampFromZeroToTheFullValue) {
    CalcFixture f;
    f.Schicht(20.0, 20, 30);
    f.in.wand_hw = 4.0; // layers 0–2, 2–4, 4–20, 20–30
    f.in.mitberme = 1;
    f.in.berme_abstand = 2.0;
    f.in.berme_neigung = 20.0;
    f.in.berme_dicke = 2.0;
    const C1ZirfCalc& c = f.Run();
    const BermeFall b = BermeVonHand();
    ASSERT_GT(b.za, 2.0); // hand check of the layer the ramp starts in
    ASSERT_LT(b.za, 4.0);
    ASSERT_GT(b.zb, 4.0);
    ASSERT_LT(b.zb, 20.0);
    EXPECT_NEAR(c.bermeH1, b.h1, 1e-9);
    EXPECT_NEAR(c.bermeH2, b.h2, 1e-9);
    EXPECT_NEAR(c.bermeH3, b.h3, 1e-9);

    const double voll = b.q / 3.0; // Ka·q
    const auto ordinate = [&](double z) {
        return z <= b.za ? 0.0 : (z >= b.zb ? voll : voll * (z - b.za) / b.h3);
    };
    // Above the ramp nothing; the ramp starts in layer 2–4 at za with 0.
    EXPECT_DOUBLE_EQ(c.ErgBerme[f.SchichtAb(0.0)].Eh, 0.0);
    const C1SchichtErgebnis& r1 = c.ErgBerme[f.SchichtAb(2.0)];
    EXPECT_NEAR(r1.abt, b.za, 1e-9);
    EXPECT_NEAR(r1.eoh, 0.0, 1e-12);
    EXPECT_NEAR(r1.euh, ordinate(4.0), 1e-9);
    EXPECT_NEAR(r1.Eh, ordinate(4.0) * (4 - b.za) / 2, 1e-9);
    EXPECT_NEAR(r1.yE, b.za + 2 * (4 - b.za) / 3, 1e-9);
    // Layer 4–20: the rest of the ramp to zb, then the uniform part below it.
    const int i = f.SchichtAb(4.0);
    EXPECT_NEAR(c.ErgBerme[i].abt, 4.0, 1e-9);
    EXPECT_NEAR(c.ErgBerme[i].bist, b.zb, 1e-9);
    EXPECT_NEAR(c.ErgBerme[i].eoh, ordinate(4.0), 1e-9);
    EXPECT_NEAR(c.ErgBerme[i].euh, voll, 1e-9);
    EXPECT_NEAR(c.ErgBermeUnten[i].abt, b.zb, 1e-9);
    EXPECT_NEAR(c.ErgBermeUnten[i].Eh, voll * (20 - b.zb), 1e-9);
    EXPECT_NEAR(c.ErgBermeUnten[i].yE, (b.zb + 20) / 2, 1e-9);
    // Wholly below: uniform; the total down to 30 m is Ka·q·(30 − zb + h3/2).
    double summe = 0.0;
    for (int k = 0; k <= c.iLetzteSchicht; ++k) {
        summe += c.ErgBerme[k].Eh + c.ErgBermeUnten[k].Eh;
    }
    EXPECT_NEAR(summe, voll * (30 - b.zb + b.h3 / 2), 1e-9);
}

TEST(CalcBerme, SteepSlopeShortensTheRampAndUndrainedSoilIsRefused) {
    CalcFixture f;
    f.Schicht(20.0, 20, 30);
    f.in.mitberme = 1;
    f.in.berme_abstand = 1.0;
    f.in.berme_neigung = 45.0;
    f.in.berme_dicke = 1.0;
    const C1ZirfCalc& c = f.Run();
    // ψ = min(45°, 30°): h1 = 1·tan 30°; Kβ with terrain 30° = cos²30° (root 0): r =
    // (1/3)/(0.75 − 1/3) = 0.8; h3 = 0.8·1·tan 30°/tan 45°.
    EXPECT_NEAR(c.bermeH1, std::tan(30 / CalcFixture::kGrad), 1e-9);
    EXPECT_NEAR(c.bermeH2, 0.8 * c.bermeH1, 1e-9);
    EXPECT_NEAR(c.bermeH3, 0.8 * std::tan(30 / CalcFixture::kGrad), 1e-9);

    CalcFixture g;
    g.Schicht(20.0, 20, 0, 0, 0, 30);
    g.in.mitberme = 1;
    g.in.berme_abstand = 1.0;
    g.in.berme_neigung = 30.0;
    g.in.berme_dicke = 1.0;
    try {
        g.Run();
        ADD_FAILURE() << "berm on undrained soil accepted";
    } catch (const C1Exception& e) {
        EXPECT_NE(e.text.find("Schicht 1"), std::string::npos) << e.text;
    }
}

} // namespace
