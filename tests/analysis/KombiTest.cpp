#include "WandFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using W = WandFixture;

TEST(Kombi, DesignSumOfTheAnchoredWallHoldsWhatTheIterationTook) {
    // Free foot, anchor at A = 1 m. Compaction 10 kN/m² in layer 1 (1.5 ... 3 m) and
    // 2 kN/m² in layer 2 (3 ... 5 m); traffic q = 8 kN/m² of load case 2 (factor f) from
    // 1.5 m down; a head force h = 5 of load case 2 at the head.
    // Per layer the larger design force counts:
    //   layer 1: compaction 1.35·10·1.5 = 20.25 against traffic f·8·1.5 = 12·f: compaction;
    //   layer 2 (down to the foot when it lies there): compaction 1.35·2 against traffic
    //   8·f per metre: traffic; below 5 m only traffic. So the traffic counts from 3 m to
    //   the foot: 8·f·(t - 3).
    // Support shares at the foot over the lever aA = (He - A) + 2·(t - He)/3: the soil
    // gamma·Ka·(t³/3 - A·t²/2) with gammaG, the head force -h·A with f.
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
        w.Anker(kA, 0);
        w.in.kombi.clear();
        w.Kombi(fall.regel);
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
        const double SC = W::kGammaG * 10.0 * 1.5 + fall.f * q * (t - 3.0);
        EXPECT_NEAR(c.SC, SC, 1e-9 * SC);
        const double summe = (W::kGammaG * boden - fall.f * h * kA) / aA + SC;
        EXPECT_NEAR(c.summeBhd, summe, 1e-9 * summe);
        // The characteristic shares per load case stay those of the moments.
        EXPECT_NEAR(c.BhkLf[0], boden / aA, 1e-9 * boden / aA);
        EXPECT_NEAR(c.BhkLf[2], -h * kA / aA, 1e-12);
    }
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
