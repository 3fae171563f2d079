#include "CalcFixture.h"

#include "platform/C1Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const double kTan30 = std::tan(30 / CalcFixture::kGrad);
const double kTan60 = std::tan(60 / CalcFixture::kGrad);

// One soil (gamma 20, phi 30°, no wall friction, 20 m), excavation 3 m: θa = 60° and the
// wedge factor tan(θa − φ) = tan 30° in every layer. (The coefficients convert degrees with
// a factor that differs from the geometry's in the tenth digit: tolerances 1e-7.)
class LastenFixture : public CalcFixture {
public:
    LastenFixture() {
        Schicht(20.0, 20, 30);
        Lastfaelle({1, 2});
    }
    void Blocklast(double v, double h, double x, double b, double y, int lfNr = 2) {
        auto& l = in.blocklast.at(static_cast<std::size_t>(in.nBlocklast++));
        l = {lfNr, "Fundament", v, h, x, b, y};
    }
    void Linienlast(double v, double h, double x, double y, int lfNr = 2) {
        auto& l = in.linienlast.at(static_cast<std::size_t>(in.nLinienlast++));
        l.lf = lfNr;
        l.bez = "Kran";
        l.v = v;
        l.h = h;
        l.x = x;
        l.y = y;
    }
    double SummeEh(const C1ErgebnisLast& tabelle, int jj) const {
        double s = 0.0;
        for (int i = 0; i <= calc->iLetzteSchicht; ++i) {
            s += tabelle[calc->IndexLast(jj, i)].Eh;
        }
        return s;
    }
    double SummeE(const C1SpreizungLast& tabelle, int jj) const {
        double s = 0.0;
        for (int i = 0; i <= calc->iLetzteSchicht; ++i) {
            s += tabelle[calc->IndexLast(jj, i)].E;
        }
        return s;
    }
    double MomentUeberKopf(const C1ErgebnisLast& oben, const C1ErgebnisLast& unten, int jj) const {
        double m = 0.0;
        for (int i = 0; i <= calc->iLetzteSchicht; ++i) {
            const auto& a = oben[calc->IndexLast(jj, i)];
            const auto& b = unten[calc->IndexLast(jj, i)];
            m += a.Eh * a.yE + b.Eh * b.yE;
        }
        return m;
    }
};

TEST(CalcBlocklast, ResultantIsLoadTimesWedgeFactor) {
    LastenFixture f;
    // 10 kN/m² over 1 m from 1 m behind the wall, on the ground; 4 kN horizontal.
    f.Blocklast(10, 4, 1.0, 1.0, 0.0);
    C1ZirfCalc& c = f.Run();
    c.CalcLastenBeiTiefe(10.0);
    EXPECT_EQ(c.CalcBlocklast(0), 1);
    // The lines from the near edge at 30° and 60° meet the wall at 1·tan 30° and 1·tan 60°,
    // from the far edge at 60° at 2·tan 60°: a triangle 0 → em → 0 whose area is
    // v·b·tan 30°, with its resultant at the triangle's centroid depth.
    const double z1 = kTan30, z2 = kTan60, z3 = 2 * kTan60;
    const double ev = 10 * 1 * kTan30;
    EXPECT_NEAR(f.SummeEh(c.ErgBlockOben, 0) + f.SummeEh(c.ErgBlockUnten, 0), ev, 1e-7);
    EXPECT_NEAR(f.MomentUeberKopf(c.ErgBlockOben, c.ErgBlockUnten, 0), ev * (z1 + z2 + z3) / 3,
                1e-7);
    // The horizontal force: a triangle from z1 down to z3 carrying all of it.
    EXPECT_NEAR(f.SummeE(c.BlockSchicht, 0), 4.0, 1e-7);
    EXPECT_NEAR(c.BlockSchicht[c.IndexLast(0, 0)].von, z1, 1e-7);
    EXPECT_DOUBLE_EQ(c.BlockSchicht[c.IndexLast(0, 0)][0], c.BlockSchicht[c.IndexLast(0, 0)].von);
    EXPECT_DOUBLE_EQ(c.BlockSchicht[c.IndexLast(0, 1)][4], c.BlockSchicht[c.IndexLast(0, 1)].E);
}

TEST(CalcLinienlast, ResultantIsLoadTimesWedgeFactor) {
    LastenFixture f;
    f.Linienlast(10, 4, 1.0, 0.0);
    C1ZirfCalc& c = f.Run();
    c.CalcLastenBeiTiefe(10.0);
    // em at 1·tan 30° falling to 0 at 1·tan 60°; area v·tan 30°.
    const double z1 = kTan30, z2 = kTan60;
    EXPECT_NEAR(f.SummeEh(c.ErgLinie, 0), 10 * kTan30, 1e-7);
    double moment = 0.0;
    for (int i = 0; i <= c.iLetzteSchicht; ++i) {
        moment += c.ErgLinie[c.IndexLast(0, i)].Eh * c.ErgLinie[c.IndexLast(0, i)].yE;
    }
    EXPECT_NEAR(moment, 10 * kTan30 * (2 * z1 + z2) / 3, 1e-7);
    EXPECT_NEAR(f.SummeE(c.LinieSchicht, 0), 4.0, 1e-7);
    EXPECT_NEAR(c.ErgLinie[c.IndexLast(0, 0)].eoh, 2 * 10 * kTan30 / (z2 - z1), 1e-7);
}

TEST(CalcLinienlast, ZoneOfTheSlipLine) {
    LastenFixture f;
    f.Linienlast(10, 0, 0.0, 0.0); // on the wall line
    f.Linienlast(10, 0, 5.0, 0.0);
    C1ZirfCalc& c = f.Run();
    c.CalcLastenBeiTiefe(10.0);
    // The slip line from the foot at 10 m reaches the ground 10/tan 60° = 5.77 m away.
    EXPECT_NEAR(c.xGleitEnde, 10 / kTan60, 1e-7);
    EXPECT_EQ(c.CalcLinienlast(0), 0);
    EXPECT_EQ(c.CalcLinienlast(1), 1);
    c.CalcLastenBeiTiefe(8.0); // reaches 4.62 m: the load lies beyond
    EXPECT_EQ(c.CalcLinienlast(1), -1);
    EXPECT_DOUBLE_EQ(f.SummeEh(c.ErgLinie, 1), 0.0);
}

TEST(CalcBlocklast, NoValuesOfAnEarlierTrialDepthRemain) {
    LastenFixture f;
    f.Blocklast(10, 4, 2.0, 1.0, 0.0);
    C1ZirfCalc& c = f.Run();
    c.CalcLastenBeiTiefe(10.0);
    ASSERT_GT(f.SummeEh(c.ErgBlockUnten, 0), 0.0);
    // The vertical figure ends at the foot: at t = 4 nothing below 4 m is left.
    c.CalcLastenBeiTiefe(4.0);
    for (int i = 0; i <= c.iLetzteSchicht; ++i) {
        EXPECT_LE(c.ErgBlockOben[c.IndexLast(0, i)].bist, 4.0 + 1e-12) << i;
        EXPECT_LE(c.ErgBlockUnten[c.IndexLast(0, i)].bist, 4.0 + 1e-12) << i;
    }
    // At t = 1 the friction line reaches the ground 1/tan 30° = 1.73 m away: the load at
    // 2 m lies beyond it and nothing of it stays.
    c.CalcLastenBeiTiefe(1.0);
    EXPECT_EQ(c.CalcBlocklast(0), -1);
    EXPECT_DOUBLE_EQ(f.SummeEh(c.ErgBlockOben, 0) + f.SummeEh(c.ErgBlockUnten, 0), 0.0);
    EXPECT_DOUBLE_EQ(f.SummeE(c.BlockSchicht, 0), 0.0);
}

TEST(CalcBlocklast, ZoneCases) {
    LastenFixture f;
    f.Blocklast(10, 4, -2.0, 1.0, 0.0); // wholly in front of the wall line
    f.Blocklast(10, 4, -0.5, 1.0, 0.0); // half in front: horizontal share 2 in the zone
    f.Blocklast(10, 0, 2.0, 1.0, 25.0); // below the foot and in the last layer
    f.Blocklast(0, 4, 1.0, 1.0, 0.0);   // horizontal only
    C1ZirfCalc& c = f.Run();
    c.CalcLastenBeiTiefe(10.0);
    EXPECT_EQ(c.CalcBlocklast(0), 0);
    EXPECT_EQ(c.CalcBlocklast(1), 1);
    EXPECT_NEAR(f.SummeE(c.BlockSchicht, 1), 2.0, 1e-7);
    EXPECT_NEAR(c.Blocklast[1].vVorn, 5.0, 1e-12);
    EXPECT_EQ(c.CalcBlocklast(2), 0);
    EXPECT_EQ(c.CalcBlocklast(3), 1);
    EXPECT_DOUBLE_EQ(f.SummeEh(c.ErgBlockOben, 3) + f.SummeEh(c.ErgBlockUnten, 3), 0.0);
    EXPECT_NEAR(f.SummeE(c.BlockSchicht, 3), 4.0, 1e-7);
}

TEST(CalcReibungslinie, UndrainedLayerOnTheFrictionLineIsRefused) {
    CalcFixture f;
    f.Schicht(20.0, 20, 0, 0, 0, 40);
    f.Lastfaelle({1, 2});
    auto& l = f.in.blocklast.at(0);
    l = {2, "Fundament", 10, 0, 1.0, 1.0, 0.0};
    f.in.nBlocklast = 1;
    C1ZirfCalc& c = f.Run();
    try {
        c.CalcLastenBeiTiefe(8.0);
        ADD_FAILURE() << "friction line of phi = 0 accepted";
    } catch (const C1Exception& e) {
        EXPECT_NE(e.text.find("Schicht 1"), std::string::npos) << e.text;
    }
    // Without bounded loads the same profile runs through.
    CalcFixture g;
    g.Schicht(20.0, 20, 0, 0, 0, 40);
    C1ZirfCalc& d = g.Run();
    EXPECT_EQ(d.CalcLastenBeiTiefe(8.0), 1);
}

TEST(PruefeEingabe, LoadCasesTheModelWouldMisread) {
    {
        // Surcharge cases must be 1, 2, ... in order of first appearance.
        LastenFixture f;
        f.Flaechenlast(2, 10);
        f.Flaechenlast(1, 10);
        EXPECT_NE(f.Meldung().find("Flächenlast \"q1\""), std::string::npos);
    }
    {
        // Load case 1 of a variable action would get the permanent factor.
        LastenFixture f;
        f.Lastfaelle({2, 2});
        f.Flaechenlast(1, 10);
        const std::string text = f.Meldung();
        EXPECT_NE(text.find("Lastfall 1"), std::string::npos) << text;
        EXPECT_NE(text.find("q1"), std::string::npos) << text;
    }
    {
        // A load case that lastfaelle does not list.
        LastenFixture f;
        f.Linienlast(10, 0, 1.0, 0.0, 3);
        const std::string text = f.Meldung();
        EXPECT_NE(text.find("Linienlast \"Kran\""), std::string::npos) << text;
        EXPECT_NE(text.find("lf = 3"), std::string::npos) << text;
    }
    {
        LastenFixture f;
        f.Blocklast(10, 0, 1.0, 0.0, 0.0); // no width
        EXPECT_NE(f.Meldung().find("Breite b"), std::string::npos);
    }
    {
        LastenFixture f;
        f.Flaechenlast(1, 10);
        f.Flaechenlast(2, 10);
        f.Blocklast(10, 0, 1.0, 1.0, 0.0, 1);
        EXPECT_EQ(f.Meldung(), "");
    }
}

TEST(PruefeEingabe, GeometryAndSoilValuesAreChecked) {
    struct Fall {
        void (*setze)(CalcFixture&);
        const char* erwartet;
    } faelle[] = {
        {[](CalcFixture& f) { f.in.wand_hw = 0.0; }, "wand_hw"},
        {[](CalcFixture& f) { f.in.schicht[0].phi = -5; }, "phi"},
        {[](CalcFixture& f) { f.in.schicht[0].sd = -1.0; }, "sd"},
        {[](CalcFixture& f) {
             f.in.mitanker = 1;
             f.in.tiefe_anker = 3.5;
         },
         "tiefe_anker"},
        {[](CalcFixture& f) {
             f.in.mitberme = 1;
             f.in.berme_dicke = 1.0;
             f.in.berme_neigung = 0.0;
         },
         "berme_neigung"},
        {[](CalcFixture& f) {
             f.in.nwstand = 1;
             f.in.erhstand = 120;
         },
         "erhstand"},
    };
    for (const auto& fall : faelle) {
        CalcFixture f;
        f.Schicht(10.0, 20, 30);
        fall.setze(f);
        const std::string text = f.Meldung();
        EXPECT_NE(text.find(fall.erwartet), std::string::npos) << fall.erwartet << ": " << text;
    }
}

} // namespace
