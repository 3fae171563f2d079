// The load states of a wall: every design combination with each of its variable load cases
// present or absent. The depth is the deepest any state needs, and every design value the
// one of the state that gives the most, each state a wall in equilibrium with the passive
// side mobilised as far as it needs.

#include "WandFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

using W = WandFixture;
constexpr double kA = 1.0;         // anchor depth (m)
constexpr double kToleranz = 0.01; // the anchored iteration's step at its end (m)
constexpr double kEtaGep = W::kEtaP / W::kGep;
// The beam's reactions against the closed forms: its load terms carry 1/3 as 0.3333.
constexpr double kBalken = 1e-3;
// The head force of the cases (kN/m): a tenth of the active force on the wall.
constexpr double kKopf = 5.0;

// The free foot's depth of a hand wall under a head force: where the foot force vanishes
// with the passive side at its design share.
double FreierFuss(double kopf) {
    return Nullstelle(
        [kopf](double t) {
            HandWand w{t, kA, W::kGammaG, 0.0, kEtaGep, kopf};
            return w.C();
        },
        W::kHe + 0.1, 20.0);
}

// A state of the hand wall at depth t: its head force, the passive share it needs and the
// wall with that share (at most the design share).
HandWand Zustand(double t, double kopf) {
    HandWand w{t, kA, W::kGammaG, 0.0, 0.0, kopf};
    w.mu = std::min(MuFrei(w), kEtaGep);
    return w;
}

// A free anchored wall in one sand with a variable head force h (load case 2, factor 1.5):
// the states "every load" (index 0, head force 1.5·h) and "permanent loads alone" (1).
struct KopfkraftWand {
    explicit KopfkraftWand(double h, std::vector<std::string> regeln = {"1.35*(1)+1.5*(2)"}) {
        w.Anker(kA, 0);
        w.in.kombi.clear();
        for (const std::string& r : regeln) {
            w.Kombi(r);
        }
        w.Kopflast(2, 0, h, 0.0);
    }
    WandFixture w{2};
};

TEST(Lastzustaende, ARelievingOrPushingHeadForceByHand) {
    // A head force pulling toward the soil (h < 0: a ship's line) relieves the anchor, one
    // pushing toward the excavation (h > 0) relieves the foot. Each state by hand at the
    // depth built: the depth is the deeper of the two free feet, the anchor force, the moment
    // at the anchor and the shear just below it the larger of the two states'.
    struct Fall {
        const char* name;
        double h;
    };
    for (const Fall& fall : {Fall{"Zug", -kKopf}, Fall{"Schub", kKopf}}) {
        SCOPED_TRACE(fall.name);
        KopfkraftWand wand(fall.h);
        ASSERT_EQ(wand.w.calc->CalcWand(), 1);
        const C1ZirfCalc& c = *wand.w.calc;
        ASSERT_EQ(c.zustaende.size(), 2U);
        const double kopf = W::kGammaQ * fall.h;
        const double tAlle = FreierFuss(kopf);
        const double tStaendig = FreierFuss(0.0);
        ASSERT_GT(std::fabs(tAlle - tStaendig), 0.05);
        const double t = std::max(tAlle, tStaendig);
        EXPECT_NEAR(c.t, t, kToleranz);
        EXPECT_GE(c.t, t - 1e-3);
        EXPECT_EQ(c.iZustand, tAlle > tStaendig ? 0 : 1);

        const HandWand alle = Zustand(c.t, kopf);
        const HandWand staendig = Zustand(c.t, 0.0);
        const HandWand hand[] = {alle, staendig};
        for (std::size_t z = 0; z < 2; ++z) {
            SCOPED_TRACE(z);
            EXPECT_NEAR(c.anteilPassivNoetig.at(z), MuFrei(hand[z]), 1e-3 * kEtaGep);
            EXPECT_NEAR(c.ankerkraftZustand.at(z), hand[z].Anker(),
                        kBalken * std::fabs(hand[z].Anker()));
        }
        // The deeper state takes all of the design share, the other less.
        EXPECT_NEAR(std::max(alle.mu, staendig.mu), kEtaGep, 2e-3 * kEtaGep);
        const double ak = std::max(alle.Anker(), staendig.Anker());
        EXPECT_NEAR(c.AK, ak, kBalken * ak);
        EXPECT_EQ(c.massgebend.AK, alle.Anker() > staendig.Anker() ? 0U : 1U);
        const auto groesser = [](double a, double b) {
            return std::fabs(b) > std::fabs(a) ? b : a;
        };
        const double mA = groesser(alle.M(kA), staendig.M(kA));
        EXPECT_NEAR(c.MA, mA, kBalken * std::fabs(mA) + 1e-6);
        const double qA = groesser(alle.Q(kA), staendig.Q(kA));
        EXPECT_NEAR(c.QA, qA, kBalken * std::fabs(qA) + 1e-6);
    }
}

TEST(Lastzustaende, EveryValueTakesItsOwnState) {
    // The push on the head: the permanent loads alone need the deeper wall, the push the
    // larger anchor force. One combination, its two states; the values of the report take
    // each the state that gives the most.
    KopfkraftWand wand(kKopf);
    ASSERT_EQ(wand.w.calc->CalcWand(), 1);
    const C1ZirfCalc& c = *wand.w.calc;
    EXPECT_EQ(c.iZustand, 1);
    EXPECT_EQ(c.massgebend.AK, 0U);
    EXPECT_NE(static_cast<std::size_t>(c.iZustand), c.massgebend.AK);
    EXPECT_EQ(c.ZustandText(0), "LK 1");
    EXPECT_EQ(c.ZustandText(1), "LK 1 ständig");
}

TEST(Lastzustaende, ACombinationOfItsOwnIsOneStateAndNoStateTwice) {
    // "1.35*(1)" is the permanent state of "1.35*(1)+1.5*(2)": the two combinations give
    // two states, not three; a factor 0 names no variable load case.
    KopfkraftWand zwei(30.0, {"1.35*(1)+1.5*(2)", "1.35*(1)"});
    zwei.w.calc->BildeLastzustaende();
    EXPECT_EQ(zwei.w.calc->zustaende.size(), 2U);
    KopfkraftWand null(30.0, {"1.35*(1)+0*(2)"});
    null.w.calc->BildeLastzustaende();
    EXPECT_EQ(null.w.calc->zustaende.size(), 1U);
}

TEST(Lastzustaende, ACheckedDepthFailsByTheStateThatNeedsMore) {
    // The push on the head, the wall checked at a depth between the two states' free feet:
    // the state with the push holds, the permanent loads alone need more of the passive
    // side than its design share.
    const double tAlle = FreierFuss(W::kGammaQ * kKopf);
    const double tStaendig = FreierFuss(0.0);
    ASSERT_LT(tAlle + 0.05, tStaendig) << tAlle << " " << tStaendig;
    const double gegeben = (tAlle + tStaendig) / 2.0;
    KopfkraftWand wand(kKopf);
    wand.w.in.berart = 1;
    wand.w.in.einbindetiefe = gegeben;
    ASSERT_EQ(wand.w.calc->CalcWand(), 1);
    const C1ZirfCalc& c = *wand.w.calc;
    ASSERT_NEAR(c.t, gegeben, 1e-9);
    EXPECT_NEAR(c.anteilPassivNoetig.at(0), MuFrei(Zustand(gegeben, W::kGammaQ * kKopf)),
                1e-3 * kEtaGep);
    EXPECT_LT(c.anteilPassivNoetig.at(0), kEtaGep);
    EXPECT_NEAR(c.anteilPassivNoetig.at(1), MuFrei(Zustand(gegeben, 0.0)), 1e-3 * kEtaGep);
    EXPECT_GT(c.anteilPassivNoetig.at(1), kEtaGep);
    // The check's most utilised state is the one without the push.
    EXPECT_EQ(c.iZustand, 1);
    EXPECT_GT(c.Ausnutzung, 1.0);
}

// A free anchored wall with seven variable head forces of both signs (load cases 2 ... 8),
// one combination: 128 states.
WandFixture SiebenKopfkraefte(std::size_t linearAb, int einspannung) {
    WandFixture w(8);
    w.Anker(kA, einspannung);
    w.in.kombi.clear();
    w.Kombi("1.35*(1)+1.5*(2+3+4+5+6+7+8)");
    for (int lf = 2; lf <= 8; ++lf) {
        w.Kopflast(lf, 0, (lf % 2 == 0 ? 1.0 : -1.0) * 3.0 * lf, 0.0);
    }
    w.calc->linearAb = linearAb;
    return w;
}

TEST(Lastzustaende, SharesOfTheVariableLoadCasesGiveTheSameEnvelopeAsEveryState) {
    // With many states the depth and the design values are taken from each combination's
    // permanent loads and the shares of its variable load cases; combining every state
    // gives the same.
    for (const int e : {0, 100}) {
        SCOPED_TRACE(e);
        WandFixture linear = SiebenKopfkraefte(64, e);
        WandFixture jeder = SiebenKopfkraefte(std::numeric_limits<std::size_t>::max(), e);
        ASSERT_EQ(linear.calc->CalcWand(), 1);
        ASSERT_EQ(jeder.calc->CalcWand(), 1);
        const C1ZirfCalc& a = *linear.calc;
        const C1ZirfCalc& b = *jeder.calc;
        ASSERT_EQ(a.zustaende.size(), 128U);
        ASSERT_TRUE(a.linearKombiniert.at(0));
        ASSERT_FALSE(b.linearKombiniert.at(0));
        EXPECT_EQ(a.t, b.t);
        EXPECT_EQ(a.iZustand, b.iZustand);
        const auto gleich = [](double x, double y) {
            return std::fabs(x - y) <= 1e-9 * (1.0 + std::fabs(y));
        };
        for (const auto& [name, x, y] :
             {std::tuple{"AK", a.AK, b.AK}, std::tuple{"MA", a.MA, b.MA},
              std::tuple{"QA", a.QA, b.QA}, std::tuple{"MHw", a.MHw, b.MHw},
              std::tuple{"Mxm", a.Mxm, b.Mxm}, std::tuple{"MF", a.MF, b.MF},
              std::tuple{"NHw", a.NHw, b.NHw}}) {
            EXPECT_TRUE(gleich(x, y)) << name << " " << x << " " << y;
        }
        // The envelope along the wall: from the shares, and the greatest and least of every
        // state's value.
        const double TL = a.pTraeger->GetTL();
        for (int k = 0; k <= 40; ++k) {
            const double x = k * TL / 40.0;
            const std::vector<double> m = a.bemessungsSchar.M(x);
            const auto [tief, hoch] = std::minmax_element(m.begin(), m.end());
            const C1ZirfCalc::Huelle h = a.MHuelle(x);
            EXPECT_TRUE(gleich(h.max, *hoch)) << x;
            EXPECT_TRUE(gleich(h.min, *tief)) << x;
        }
    }
}

} // namespace
