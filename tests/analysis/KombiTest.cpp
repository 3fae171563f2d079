#include "WandFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using W = WandFixture;

// The fixture's sand with load cases 1 and 2, anchored at depth a with the fixity given,
// iterated for the one combination of the rule.
void AnkerMitRegel(WandFixture& w, double a, int einspannung, const char* regel) {
    w.Anker(a, einspannung);
    w.in.kombi.clear();
    w.Kombi(regel);
}

TEST(Kombi, DesignSumOfTheAnchoredWallHoldsWhatTheIterationTook) {
    // Free foot, anchor at A = 1 m. Compaction 10 kN/m² in layer 1 (1.5 ... 3 m) and
    // 2 kN/m² in layer 2 (3 ... 5 m); traffic q = 8 kN/m² of load case 2 (factor f) from
    // 1.5 m down; a head force h = 5 of load case 2 at the head.
    // Per layer the larger design force counts:
    //   layer 1: compaction 1.35·10·1.5 = 20.25 against traffic f·8·1.5 = 12·f: compaction;
    //   layer 2 (down to the foot when it lies there): compaction 1.35·2 against traffic
    //   8·f per metre: traffic; below 5 m only traffic. So the traffic counts from 3 m to
    //   the foot: 8·f·(t - 3).
    // Every term enters with its share of the support force at the foot: its design
    // moment about the anchor over the lever aA = (He - A) + 2·(t - He)/3. The soil
    // gamma·Ka·(t³/3 - A·t²/2) with gammaG, the head force -h·A with f, the compaction
    // 1.35·15 at 2.25 m, the traffic 8·f·(t - 3) at (3 + t)/2.
    // With f = 1.5 a characteristic compaction force (15) weighed against design traffic
    // (18) would take the traffic in layer 1; with f = 1.05 a head force taken with gammaQ
    // would count 1.5 times where the iteration took it 1.05 times.
    constexpr double kA = 1.0, q = 8.0, h = 5.0;
    struct Fall {
        const char* regel;
        double f;
    };
    for (const Fall& fall : {Fall{"1.35*(1)+1.5*(2)", 1.5}, Fall{"1.35*(1)+1.05*(2)", 1.05}}) {
        SCOPED_TRACE(fall.regel);
        WandFixture w(2);
        AnkerMitRegel(w, kA, 0, fall.regel);
        C1ZirfCalc& c = *w.calc;
        w.Verdichtung(10.0, 1, 1);
        w.Verdichtung(2.0, 2, 2);
        w.Flaechenlast(2, q, 1, c.iLetzteSchicht);
        w.Kopflast(2, 0, h, 0.0);
        ASSERT_EQ(c.CalcWand(), 1);
        ASSERT_TRUE(c.verdichtungMassgebend[1]);
        ASSERT_FALSE(c.verdichtungMassgebend[2]);
        const double t = c.t;
        ASSERT_GT(t, W::kHe);
        const double aA = (W::kHe - kA) + 2.0 * (t - W::kHe) / 3.0;
        const double boden = W::kGamma * W::kKa * (t * t * t / 3.0 - kA * t * t / 2.0);
        const double schichten =
            W::kGammaG * 10.0 * 1.5 * (2.25 - kA) + fall.f * q * (t - 3.0) * ((3.0 + t) / 2.0 - kA);
        EXPECT_NEAR(c.SC, schichten / aA, 1e-9 * schichten / aA);
        const double summe = (W::kGammaG * boden - fall.f * h * kA + schichten) / aA;
        EXPECT_NEAR(c.summeBhd, summe, 1e-9 * summe);
        // The characteristic shares per load case stay those of the moments.
        EXPECT_NEAR(c.BhkLf[0], boden / aA, 1e-9 * boden / aA);
        EXPECT_NEAR(c.BhkLf[2], -h * kA / aA, 1e-12);
        EXPECT_EQ(c.faktorLf[0], W::kGammaG);
        EXPECT_EQ(c.faktorLf[2], fall.f);
    }
}

// A free-foot anchored wall in the sand of the fixture, anchor at A = 1 m, with the loads
// of each case below. The depth balances the design moments about the anchor:
//   Ma,d(t) = gammaG·gamma·Ka·(t³/3 - A·t²/2) + f·e·(t²/2 - A·t) + p·Mw(t)
//   Mp,d(t) = p·gamma·Kp·(t - He)²/2 · aA(t),   aA = (He - A) + 2/3·(t - He),
// with p = eta_p/gep, e a uniform traffic pressure of load case 2 over the whole height
// taken with its rule factor f, and Mw the moment of a water figure that presses towards
// the soil (p, like the passive side). The passive triangle's resultant lies 2/3 of the
// embedment below the excavation level, exactly where the lever aA puts it, so Mp,d is
// Ep,d·aA and the support force the loads ask for at the foot, Bh,d = Ma,d/aA, equals
// Ep,d at the balance: utilisation 1.
namespace frei {

constexpr double kA = 1.0;
constexpr double kP = W::kEtaP / W::kGep;

struct Fall {
    const char* name;
    const char* regel;
    double f;    // rule factor of load case 2
    double e;    // traffic pressure of load case 2 (kN/m²)
    bool wasser; // water behind at 3 m, in front at 1.5 m
};

// Water standing higher in front: 0 down to 1.5 m, -10·(y - 1.5) down to 3 m, then -15.
double WasserKraft(double t) {
    return -11.25 - 15.0 * (t - 3.0);
}
double WasserMoment(double t) {
    return -11.25 * (2.5 - kA) - 15.0 * (t - 3.0) * ((3.0 + t) / 2.0 - kA);
}

double HebelA(double t) {
    return (W::kHe - kA) + 2.0 / 3.0 * (t - W::kHe);
}
double EpD(double t) {
    const double d = t - W::kHe;
    return kP * W::kGamma * W::kKp * d * d / 2.0;
}
double MaD(const Fall& fall, double t) {
    return W::kGammaG * W::kGamma * W::kKa * (t * t * t / 3.0 - kA * t * t / 2.0) +
           fall.f * fall.e * (t * t / 2.0 - kA * t) + (fall.wasser ? kP * WasserMoment(t) : 0.0);
}
double HaD(const Fall& fall, double t) {
    return W::kGammaG * W::kGamma * W::kKa * t * t / 2.0 + fall.f * fall.e * t +
           (fall.wasser ? kP * WasserKraft(t) : 0.0);
}

} // namespace frei

TEST(Kombi, FreeFootSupportForceIsTheShareOfTheMomentsAboutTheAnchor) {
    using namespace frei;
    const Fall faelle[] = {
        {"traffic", "1.35*(1)+1.5*(2)", 1.5, 3.0, false},
        {"traffic with a combination factor", "1.35*(1)+1.125*(2)", 1.125, 3.0, false},
        {"traffic the rule leaves out", "1.35*(1)", 0.0, 3.0, false},
        {"water towards the soil", "1.35*(1)", 0.0, 0.0, true},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        WandFixture w(2);
        AnkerMitRegel(w, kA, 0, fall.regel);
        C1ZirfCalc& c = *w.calc;
        if (fall.e != 0.0) {
            w.Flaechenlast(2, fall.e, 0, c.iLetzteSchicht);
        }
        if (fall.wasser) {
            c.tgh = 3.0;
            c.tgv = 1.5;
            c.CalcWasserdruck();
        }
        ASSERT_EQ(c.CalcWand(), 1);
        const double tRoot = Nullstelle([&](double t) { return MaD(fall, t) - EpD(t) * HebelA(t); },
                                        W::kHe + 0.1, 20.0);
        ASSERT_NEAR(c.t, tRoot, 0.01);
        const double t = c.t;
        // At the depth found: the design sum is the design moment over the lever, the
        // resistance the design passive triangle.
        EXPECT_NEAR(c.summeBhd, MaD(fall, t) / HebelA(t), 1e-9 * c.summeBhd);
        EXPECT_NEAR(c.ephd, EpD(t), 1e-9 * c.ephd);
        // So the utilisation is 1 at the balance, and within the iteration's step of it.
        const auto quote = [&](double x) { return MaD(fall, x) / (EpD(x) * HebelA(x)); };
        EXPECT_NEAR(quote(tRoot), 1.0, 1e-9);
        EXPECT_NEAR(
            c.summeBhd / c.ephd, 1.0,
            std::fmax(std::fabs(quote(tRoot + 0.01) - 1.0), std::fabs(quote(tRoot - 0.01) - 1.0)));
        // The design beam agrees: what the loads ask at the foot is what the anchor leaves
        // of them, Ha,d - A_d, which the passive side and the foot support carry. Both
        // differ from the shares only by the moment the iteration left about the anchor,
        // SM, over the lever of the passive resultant and over the span to the foot.
        const double anker = Bemessungsreaktion(c, c.auflagerAnker, kP);
        const double fuss = Bemessungsreaktion(c, c.auflagerFuss, kP);
        const double rest = std::fabs(c.SM) * (1.0 / HebelA(t) + 1.0 / (c.t - kA));
        EXPECT_NEAR(c.summeBhd, HaD(fall, t) - anker, rest + 1e-4 * c.AK);
        EXPECT_NEAR(c.summeBhd, c.ephd + fuss, rest + 1e-4 * c.AK);
        if (fall.wasser) {
            // The water takes the factor the iteration gave it.
            EXPECT_NEAR(c.faktorWasser, kP, 1e-12);
            EXPECT_NEAR(c.BhkWasser, WasserMoment(t) / HebelA(t), 1e-9);
        }
    }
}

TEST(Kombi, PartlyFixedFootTakesTheMomentsAndKeepsItsRotationShares) {
    // 50 % fixity: the support force is, as at a free foot, each load's design moment
    // about the anchor over the lever of the design passive resultant, here the passive
    // triangle's, aA = (He - A) + 2/3·(t - He). The foot lies deeper than the free foot's
    // balance, so the sum stays below the design passive force p·gamma·Kp·(t - He)²/2.
    // Permanent soil, compaction in layer 1 (taken there over the traffic), traffic below,
    // a head force of load case 2, water towards the soil. The shares of the loads in the
    // design rotation sum of the retained side (taken in the free first pass), which split
    // the anchor force, still add up to 1.
    constexpr double kA = 1.0;
    WandFixture w(2);
    AnkerMitRegel(w, kA, 50, "1.35*(1)+1.5*(2)");
    C1ZirfCalc& c = *w.calc;
    w.Verdichtung(10.0, 1, 1);
    w.Flaechenlast(2, 3.0, 1, c.iLetzteSchicht);
    w.Kopflast(2, 0, 5.0, 0.0);
    c.tgh = 3.0;
    c.tgv = 1.5;
    c.CalcWasserdruck();
    ASSERT_EQ(c.CalcWand(), 1);
    ASSERT_EQ(c.einspannArt, 1);
    ASSERT_TRUE(c.verdichtungMassgebend[1]);
    const double aA = (W::kHe - kA) + 2.0 / 3.0 * (c.t - W::kHe);
    EXPECT_NEAR(c.ephd, frei::EpD(c.t), 1e-9 * c.ephd);
    EXPECT_NEAR(-c.SMP, c.ephd * aA, 1e-9 * c.ephd * aA);
    const double aktiv = c.SM - c.SMP;
    EXPECT_NEAR(c.summeBhd, aktiv / aA, 1e-9 * c.summeBhd);
    EXPECT_NEAR(c.SC, c.momentVarD / aA, 1e-9 * c.ephd);
    EXPECT_NEAR(c.BhkWasser, c.momentWasser / aA, 1e-9 * c.ephd);
    EXPECT_LT(c.SM, 0.0);
    EXPECT_LT(c.summeBhd, c.ephd);
    EXPECT_GT(c.summeBhd, 0.5 * c.ephd);

    double anteile = c.anteilVerdrehungVar + c.anteilVerdrehungWasser * c.faktorVerdrehungWasser;
    for (int lf = 0; lf < c.nLastfaelle; ++lf) {
        anteile += c.anteilVerdrehungLf[lf] * c.faktorLf[lf];
    }
    EXPECT_NEAR(anteile, 1.0, 1e-9);
    // Each share is a real part of the sum: the soil, the layers' traffic and compaction,
    // and the water, which relieves.
    EXPECT_GT(c.anteilVerdrehungLf[0], 0.0);
    EXPECT_GT(c.anteilVerdrehungVar, 0.0);
    EXPECT_LT(c.anteilVerdrehungWasser, 0.0);
}

TEST(Kombi, DesignSumOfTheWallWithoutAnchorTakesTheRuleFactor) {
    // The combination's factor of load case 1 (1.2) differs from gammaG (1.35). Support
    // force at the foot: the soil's moment about the foot gamma·Ka·t³/6 over the passive
    // lever (t - He)/3, taken 1.2 times as in the iteration. At the converged depth the
    // moments balance, 1.2·gamma·Ka·t³/6 = (eta_p/gep)·gamma·Kp·(t - He)³/6, so the design
    // sum equals the design passive force (eta_p/gep)·gamma·Kp·(t - He)²/2.
    WandFixture w;
    w.in.kombi.clear();
    w.Kombi("1.2*(1)");
    C1ZirfCalc& c = *w.calc;
    ASSERT_EQ(c.CalcWand(), 1);
    const double t = c.t;
    const double summe = 1.2 * W::kGamma * W::kKa * t * t * t / 6.0 / ((t - W::kHe) / 3.0);
    EXPECT_NEAR(c.summeBhd, summe, 1e-9 * summe);
    EXPECT_NEAR(c.summeBhd, c.ephd, 5e-3 * c.ephd);
}

} // namespace
