// The earth-pressure run on the substitute wall of the deep slip line check: the same
// operations with the coefficient set of a vertical wall without wall friction and their
// own result tables.
#include "CalcFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kGradBeiwerte = 57.295779513082195;

// One soil (gamma 20, phi 30°, delta 20°, deltp −20°), excavation 4 m, anchor at 2 m;
// layers 0–2, 2–4, 4–20, 20–30. The substitute wall stands 6 m behind the wall and ends
// 8 m deep, in layer 2.
class ErsatzwandFixture : public CalcFixture {
public:
    ErsatzwandFixture() {
        Schicht(20.0, 20, 30, 20, -20);
        Lastfaelle({1, 2});
        in.wand_hw = 4.0;
        in.mitanker = 1;
        in.tiefe_anker = 2.0;
    }
    // Runs the soil model unless it ran already, then the substitute wall's run.
    C1ZirfCalc& RunTGF() {
        C1ZirfCalc& c = calc ? *calc : Run();
        c.xAnkerpunkt = 6.0;
        c.yAnkerpunkt = 8.0;
        c.iSchichtAnkerpunkt = 2;
        c.t = 1.0; // the foot of the wall plays no part in this run
        c.ClearErgebnisseTGF();
        c.CalcBeiwerteTGF();
        c.CalcErddruckAktivTGF(0);
        return c;
    }
};

TEST(CalcErddruckAktivTGF, VerticalWallWithoutFrictionAndOwnTables) {
    ErsatzwandFixture f;
    C1ZirfCalc& c = f.Run();
    const C1SchichtErgebnis vorher = c.ErgAktiv[c.IndexAktiv(0, 2)];
    f.RunTGF();
    const C1SchichtErgebnis& e = c.ErgAktivTGF[c.IndexAktiv(0, 2)];
    // Ka = 1/3 over σ 80 ... 400 kN/m²; no vertical component.
    EXPECT_NEAR(e.eoh, 80.0 / 3, 1e-9);
    EXPECT_NEAR(e.euh, 400.0 / 3, 1e-9);
    EXPECT_DOUBLE_EQ(e.Ev, 0.0);
    EXPECT_DOUBLE_EQ(e.euv, 0.0);
    EXPECT_NEAR(e.Eges, e.Eh, 1e-12);
    // The wall's own figure keeps its wall friction and is left alone.
    const C1SchichtErgebnis& w = c.ErgAktiv[c.IndexAktiv(0, 2)];
    EXPECT_DOUBLE_EQ(w.Eh, vorher.Eh);
    EXPECT_NEAR(w.eoh, 80 * 0.27938364, 1e-6);
}

TEST(CalcErddruckAktivTGF, GroundRisesToTheSubstituteWall) {
    ErsatzwandFixture f;
    f.in.gela_neigung = 10.0;
    C1ZirfCalc& c = f.RunTGF();
    // The first layer carries tan 10°·6 m more soil: σ = (2 + 6·tan 10°)·20 at its bottom.
    const double hoehe = 2 + 6 * std::tan(10 / CalcFixture::kGrad);
    const double p = 30 / kGradBeiwerte, b = 10 / kGradBeiwerte;
    const double ka = std::pow(std::cos(p), 2) /
                      std::pow(1 + std::sqrt(std::sin(p) * std::sin(p - b) / std::cos(b)), 2);
    EXPECT_NEAR(c.Schicht[0].kaghT, ka, 1e-12);
    const C1SchichtErgebnis& e = c.ErgAktivTGF[c.IndexAktiv(0, 0)];
    EXPECT_NEAR(e.euh, hoehe * 20 * ka, 1e-9);
    // The figure reaches up to the ground at the substitute wall: a triangle of that height.
    EXPECT_NEAR(e.Eh, hoehe * hoehe * 20 * ka / 2, 1e-9);
    EXPECT_NEAR(e.yE, 2 - hoehe / 3, 1e-9);
    // The run keeps its own top and overburden; the wall's stay (the report prints them).
    EXPECT_NEAR(c.Schicht[0].yoTGF, 2 - hoehe, 1e-9);
    EXPECT_NEAR(c.Schicht[0].sigmaATGF, hoehe * 20, 1e-9);
    EXPECT_NEAR(c.Schicht[1].sigmaATGF, (hoehe + 2) * 20, 1e-9);
    EXPECT_DOUBLE_EQ(c.Schicht[0].yo, 0.0);
    EXPECT_DOUBLE_EQ(c.Schicht[0].sigmaA, 2 * 20.0);
    EXPECT_DOUBLE_EQ(c.Schicht[1].yo, 2.0);
}

TEST(CalcBermeTGF, SlopeBetweenTheWallsActsAsUniformSurcharge) {
    ErsatzwandFixture f;
    f.in.mitberme = 1;
    f.in.berme_abstand = 1.0;
    f.in.berme_neigung = 20.0;
    f.in.berme_dicke = 1.0;
    f.in.berme_gamma = 18.0;
    C1ZirfCalc& c = f.RunTGF();
    // The slope ends 1 + 1/tan 20° = 3.75 m from the wall, before the substitute wall.
    ASSERT_LT(c.xBermeFuss, 6.0);
    EXPECT_EQ(c.CalcBermeTGF(), 1);
    const double tiefen[] = {0.0, 2.0, 4.0, 20.0};
    for (int i = 0; i <= 2; ++i) {
        const C1SchichtErgebnis& e = c.ErgBermeTGF[i];
        EXPECT_NEAR(e.eoh, 18.0 / 3, 1e-12) << i; // 1 m·18 kN/m³·Ka
        EXPECT_NEAR(e.abt, tiefen[i], 1e-12) << i;
        EXPECT_NEAR(e.bist, tiefen[i + 1], 1e-12) << i;
        EXPECT_NEAR(e.Eh, 6.0 * (tiefen[i + 1] - tiefen[i]), 1e-9) << i;
    }
    EXPECT_DOUBLE_EQ(c.ErgBermeTGF[3].Eh, 0.0);
}

TEST(CalcBermeTGF, ToeBehindTheSubstituteWallStartsTheWalkThere) {
    ErsatzwandFixture f;
    f.in.mitberme = 1;
    f.in.berme_abstand = 8.0;
    f.in.berme_neigung = 20.0;
    f.in.berme_dicke = 2.0;
    C1ZirfCalc& c = f.RunTGF();
    const double bermeH1Wand = c.bermeH1;
    EXPECT_EQ(c.CalcBermeTGF(), 1);
    // The line from the toe 2 m behind the substitute wall meets it 2·tan 20° deep;
    // Kβ without wall friction and Ka = 1/3 give r = (1/3)/(Kβ − 1/3), the ramp starts at
    // h1 + r·h1 and reaches 40/3 after r·2 m.
    const double tan20 = std::tan(20 / CalcFixture::kGrad);
    const double p = 30 / kGradBeiwerte, t = 20 / kGradBeiwerte;
    const double kb = std::pow(std::cos(p), 2) /
                      std::pow(1 + std::sqrt(std::sin(p) * std::sin(p - t) / std::cos(t)), 2);
    const double r = (1.0 / 3) / (kb - 1.0 / 3);
    const double za = 2 * tan20 * (1 + r);
    const double zb = za + 2 * r;
    double summe = 0.0;
    for (int i = 0; i <= c.iLetzteSchicht; ++i) {
        summe += c.ErgBermeTGF[i].Eh + c.ErgBermeUntenTGF[i].Eh;
        EXPECT_DOUBLE_EQ(c.ErgBermeTGF[i].Ev, 0.0);
    }
    EXPECT_NEAR(summe, 40.0 / 3 * (30 - zb + 2 * r / 2), 1e-7);
    // The report's lengths stay those of the wall: 8·tan 20° below the toe.
    EXPECT_DOUBLE_EQ(c.bermeH1, bermeH1Wand);
    EXPECT_NEAR(bermeH1Wand, 8 * tan20, 1e-9);
}

TEST(CalcBlocklastTGF, SpreadsOntoTheSubstituteWallUncut) {
    ErsatzwandFixture f;
    auto& l = f.in.blocklast.at(0);
    l = {2, "Fundament", 10, 0, 7.0, 1.0, 0.0};
    auto& u = f.in.blocklast.at(1);
    u = {2, "tief", 10, 0, 7.0, 1.0, 9.0}; // below the substitute wall's end
    f.in.nBlocklast = 2;
    auto& z = f.in.linienlast.at(0);
    z.lf = 2;
    z.v = 10;
    z.x = 7.0;
    z.bez = "Kran";
    f.in.nLinienlast = 1;
    C1ZirfCalc& c = f.RunTGF();
    c.CalcGleitlinieTGF();
    c.CalcReibungslinieTGF();
    // The friction line from (6, 8) reaches the ground at 6 + 8/tan 30°.
    EXPECT_NEAR(c.xReibEndeTGF, 6 + 8 / std::tan(30 / CalcFixture::kGrad), 1e-9);
    EXPECT_EQ(c.CalcBlocklastTGF(0), 1);
    EXPECT_EQ(c.CalcBlocklastTGF(1), 0);
    EXPECT_EQ(c.CalcLinienlastTGF(0), 1);
    // Wedge factor with the wall's slip plane θa = 55.98° (delta 20°) and no wall friction:
    // tan(θa − 30°); the lines meet the substitute wall 1·tan 30°, 1·tan 60°, 2·tan 60° deep,
    // all below the foot t = 1 m, which does not cut this run's figures.
    const double k = std::tan((55.98396674 - 30) / kGradBeiwerte);
    double block = 0.0, linie = 0.0;
    for (int i = 0; i <= c.iLetzteSchicht; ++i) {
        const int idx = c.IndexLast(0, i);
        block += c.ErgBlockObenTGF[idx].Eh + c.ErgBlockUntenTGF[idx].Eh;
        linie += c.ErgLinieTGF[idx].Eh;
        EXPECT_DOUBLE_EQ(c.ErgBlockObenTGF[idx].Ev, 0.0);
        EXPECT_DOUBLE_EQ(c.ErgBlockOben[idx].Eh, 0.0); // the wall's tables are left alone
    }
    EXPECT_NEAR(block, 10 * 1 * k, 1e-7);
    EXPECT_NEAR(linie, 10 * k, 1e-7);
    EXPECT_NEAR(c.ErgBlockObenTGF[c.IndexLast(0, 0)].abt, std::tan(30 / CalcFixture::kGrad), 1e-7);
}

} // namespace
