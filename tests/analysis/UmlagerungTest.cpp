#include "../earthpressure/CalcFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

// One soil (gamma 20, phi 30°, no wall friction), excavation He = 5 m: the active force
// above the excavation is Ka·γ·He²/2 = 20·25/6 = 83.33 kN/m, the mean ordinate 16.67.
constexpr double kSEA = 20.0 * 25.0 / 6.0;
constexpr double kEm = kSEA / 5.0;

enum class Figur { Trapez0, Trapez1, Rechtecke };

struct Fall {
    Figur figur;
    double anker;       // anchor depth: 10 %, 20 % and 40 % of He
    double oben, unten; // ordinates in units of em
};

double SummeOberhalb(const C1ZirfCalc& c) {
    double s = 0.0;
    for (int i = 0; i < c.iSchichtUnten; ++i) {
        s += c.ErgAktiv[c.IndexAktiv(0, i)].Eh;
    }
    return s;
}

TEST(CalcUmlagerung, TableOfFiguresKeepsTheTotalForce) {
    const Fall faelle[] = {
        {Figur::Trapez0, 0.5, 0.7, 1.3},
        {Figur::Trapez0, 1.0, 0.85, 1.15},
        {Figur::Trapez0, 2.0, 1.0, 1.0},
        {Figur::Trapez1, 0.5, 0.0, 2.0},
        {Figur::Trapez1, 1.0, 0.25, 1.75},
        {Figur::Trapez1, 2.0, 0.5, 1.5},
        {Figur::Rechtecke, 0.5, 1.0, 1.0},
        {Figur::Rechtecke, 1.0, 1.2 / 1.1, 1.0 / 1.1},
        {Figur::Rechtecke, 2.0, 1.5 / 1.25, 1.0 / 1.25},
    };
    for (const auto& fall : faelle) {
        CalcFixture f;
        f.Schicht(20.0, 20, 30);
        f.in.wand_hw = 5.0;
        f.in.mitanker = 1;
        f.in.tiefe_anker = fall.anker;
        C1ZirfCalc& c = f.Run();
        const std::string name =
            std::to_string(static_cast<int>(fall.figur)) + " a " + std::to_string(fall.anker);
        ASSERT_NEAR(SummeOberhalb(c), kSEA, 1e-9) << name;
        if (fall.figur == Figur::Rechtecke) {
            c.CalcUmlagerungBlock(0);
        } else {
            c.CalcUmlagerung(fall.figur == Figur::Trapez0 ? 0 : 1);
        }
        EXPECT_NEAR(c.SEA, kSEA, 1e-9) << name;
        EXPECT_NEAR(c.He, 5.0, 1e-12) << name;
        EXPECT_NEAR(c.emOben, fall.oben * kEm, 1e-9) << name;
        EXPECT_NEAR(c.emUnten, fall.unten * kEm, 1e-9) << name;
        EXPECT_NEAR(SummeOberhalb(c), kSEA, 1e-9) << name;
        EXPECT_NEAR(c.kraftLf[0], kSEA, 1e-9) << name;
        EXPECT_EQ(c.iSchichtFuss, c.iSchichtUnten);
        // The head ordinate and the one at the excavation level.
        const C1SchichtErgebnis& kopf = c.ErgAktiv[c.IndexAktiv(0, 0)];
        const C1SchichtErgebnis& sohle = c.ErgAktiv[c.IndexAktiv(0, c.iSchichtUnten - 1)];
        EXPECT_NEAR(kopf.eoh, fall.oben * kEm, 1e-9) << name;
        EXPECT_NEAR(sohle.euh, fall.unten * kEm, 1e-9) << name;
        // Running it again finds the same total and writes the same figure.
        c.CalcUmlagerung(0);
        c.CalcUmlagerungBlock(0);
        EXPECT_NEAR(c.SEA, kSEA, 1e-9) << name;
    }
}

TEST(CalcUmlagerung, RectanglesSplitAtHalfTheExcavation) {
    CalcFixture f;
    f.Schicht(20.0, 20, 30);
    f.in.wand_hw = 5.0;
    f.in.mitanker = 1;
    f.in.tiefe_anker = 2.0;
    C1ZirfCalc& c = f.Run();
    c.CalcUmlagerungBlock(0);
    for (int i = 0; i < c.iSchichtUnten; ++i) {
        const C1SchichtErgebnis& e = c.ErgAktiv[c.IndexAktiv(0, i)];
        const double erwartet = c.Schicht[i].yu <= 2.5 + 1e-9 ? 1.5 / 1.25 : 1.0 / 1.25;
        EXPECT_NEAR(e.eoh, erwartet * kEm, 1e-9) << i;
        EXPECT_NEAR(e.euh, erwartet * kEm, 1e-9) << i;
    }
}

TEST(CalcUmlagerung, WallAboveTheGroundKeepsTheTotalForce) {
    // 1 m of wall above the ground, then the soil: He = 5 m below the ground (the
    // excavation lies 6 m below the head), anchor 1 m below the ground = 20 % of He.
    CalcFixture f;
    f.Schicht(1.0, 0, 0);
    f.Schicht(20.0, 20, 30);
    f.in.wand_hw = 6.0;
    f.in.mitanker = 1;
    f.in.tiefe_anker = 2.0;
    C1ZirfCalc& c = f.Run();
    ASSERT_NEAR(SummeOberhalb(c), kSEA, 1e-9);
    c.CalcUmlagerung(0);
    EXPECT_NEAR(c.He, 5.0, 1e-12);
    EXPECT_NEAR(c.emOben, 0.85 * kEm, 1e-9);
    EXPECT_NEAR(SummeOberhalb(c), kSEA, 1e-9);
    EXPECT_DOUBLE_EQ(c.ErgAktiv[c.IndexAktiv(0, 0)].eoh, 0.0); // the part in the air
    EXPECT_NEAR(c.ErgAktiv[c.IndexAktiv(0, 1)].eoh, 0.85 * kEm, 1e-9);
}

// Air (a weightless layer) from the head down to the ground at yG, then one soil (gamma 20,
// phi 30°, no wall friction); excavation 5 m below the head. The retained height is
// He = 5 - yG and the active force above the excavation Ka·γ·He²/2 = 20·He²/6; the
// anchor depth counts from the ground.
std::unique_ptr<CalcFixture> WandMitLuft(double yG, double anker) {
    auto f = std::make_unique<CalcFixture>();
    if (yG > 0.0) {
        f->Schicht(yG, 0, 0);
    }
    f->Schicht(20.0 - yG, 20, 30);
    f->in.wand_hw = 5.0;
    f->in.mitanker = 1;
    f->in.tiefe_anker = anker;
    f->Run();
    return f;
}

TEST(CalcUmlagerung, EveryFigureKeepsTheTotalForceWithTheGroundAtOrBelowTheHead) {
    struct Fall {
        double yG;
        double anker;       // depth below the head
        double oben, unten; // ordinates of the rectangles in units of em
    };
    const Fall faelle[] = {
        {0.0, 0.25, 1.0, 1.0},                 // 5 % of He
        {0.0, 0.75, 1.2 / 1.1, 1.0 / 1.1},     // 15 %
        {0.0, 2.5, 1.5 / 1.25, 1.0 / 1.25},    // 50 %
        {1.0, 1.2, 1.0, 1.0},                  // 0.2 m = 5 % of He = 4 m
        {1.0, 1.6, 1.2 / 1.1, 1.0 / 1.1},      // 15 %
        {1.0, 2.5, 1.5 / 1.25, 1.0 / 1.25},    // 37.5 %
        {1.0, 2.9995, 1.5 / 1.25, 1.0 / 1.25}, // merges with the split at 3 m
    };
    for (const auto& fall : faelle) {
        for (const Figur figur : {Figur::Trapez0, Figur::Trapez1, Figur::Rechtecke}) {
            const auto f = WandMitLuft(fall.yG, fall.anker);
            C1ZirfCalc& c = *f->calc;
            const double He = 5.0 - fall.yG;
            const double sea = 20.0 * He * He / 6.0;
            const double em = sea / He;
            const std::string name = "yG " + std::to_string(fall.yG) + " a " +
                                     std::to_string(fall.anker) + " figure " +
                                     std::to_string(static_cast<int>(figur));
            ASSERT_NEAR(SummeOberhalb(c), sea, 1e-9) << name;
            // Two passes, as the anchored iteration runs them.
            for (int lauf = 0; lauf < 2; ++lauf) {
                if (figur == Figur::Rechtecke) {
                    c.CalcUmlagerungBlock(0);
                } else {
                    c.CalcUmlagerung(figur == Figur::Trapez0 ? 0 : 1);
                }
                EXPECT_NEAR(c.He, He, 1e-12) << name;
                EXPECT_NEAR(c.SEA, sea, 1e-9) << name << " pass " << lauf;
                EXPECT_NEAR(SummeOberhalb(c), sea, 1e-9) << name << " pass " << lauf;
            }
            if (figur != Figur::Rechtecke) {
                continue;
            }
            // Upper rectangle down to yG + He/2, lower one below; nothing in the air.
            const double teilung = fall.yG + He / 2.0;
            for (int i = 0; i < c.iSchichtUnten; ++i) {
                const C1SchichtErgebnis& e = c.ErgAktiv[c.IndexAktiv(0, i)];
                const double yo = c.Schicht[i].yo, yu = c.Schicht[i].yu;
                double erwartet = 0.0;
                if (yo >= fall.yG - 1e-9) {
                    const double oben = std::clamp(teilung - yo, 0.0, yu - yo);
                    erwartet = (fall.oben * oben + fall.unten * (yu - yo - oben)) / (yu - yo) * em;
                }
                EXPECT_NEAR(e.eoh, erwartet, 1e-9) << name << " layer " << i;
                EXPECT_NEAR(e.euh, erwartet, 1e-9) << name << " layer " << i;
            }
        }
    }
}

TEST(CalcUmlagerung, SplitOfTheRectanglesIsALayerBoundary) {
    // Ground at 1 m, excavation 5 m, anchor 2.5 m: the rectangles meet at 1 + 4/2 = 3 m,
    // and each layer carries one of them: 1.2·em over 1..3 m, 0.8·em over 3..5 m.
    const auto f = WandMitLuft(1.0, 2.5);
    C1ZirfCalc& c = *f->calc;
    const int i = f->SchichtAb(3.0);
    c.CalcUmlagerungBlock(0);
    const double em = 20.0 * 4.0 / 6.0;
    EXPECT_NEAR(c.em, em, 1e-12);
    EXPECT_NEAR(c.ErgAktiv[c.IndexAktiv(0, i - 1)].euh, 1.2 * em, 1e-9);
    EXPECT_NEAR(c.ErgAktiv[c.IndexAktiv(0, i)].eoh, 0.8 * em, 1e-9);
    EXPECT_NEAR(SummeOberhalb(c), 4.0 * em, 1e-9);
}

TEST(CalcUmlagerung, AnotherFigureStartsFromTheComputedPressure) {
    // A second pass with another figure writes what that figure alone writes.
    const auto lauf = [](bool erst) {
        auto f = WandMitLuft(1.0, 2.5);
        C1ZirfCalc& c = *f->calc;
        if (erst) {
            c.CalcUmlagerung(1);
        }
        c.CalcUmlagerungBlock(0);
        return f;
    };
    const auto zweimal = lauf(true);
    const auto einmal = lauf(false);
    const C1ZirfCalc& a = *zweimal->calc;
    const C1ZirfCalc& b = *einmal->calc;
    EXPECT_DOUBLE_EQ(a.SEA, b.SEA);
    for (int i = 0; i < a.iSchichtUnten; ++i) {
        const C1SchichtErgebnis& x = a.ErgAktiv[a.IndexAktiv(0, i)];
        const C1SchichtErgebnis& y = b.ErgAktiv[b.IndexAktiv(0, i)];
        EXPECT_DOUBLE_EQ(x.eoh, y.eoh) << i;
        EXPECT_DOUBLE_EQ(x.euh, y.euh) << i;
        EXPECT_DOUBLE_EQ(x.Eh, y.Eh) << i;
        EXPECT_DOUBLE_EQ(x.yE, y.yE) << i;
    }
}

} // namespace
