#include "WandFixture.h"

#include "analysis/Einbindung.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kIterationsToleranz = 0.002; // the iteration stops below 0.001 m steps

// Moment balance about the foot of a cantilevered wall in one cohesionless soil: the
// active triangle gives f·gamma·Ka·t³/6, the passive one (eta_p/gep)·gamma·Kp·(t - He)³/6,
// so t/(t - He) = rho with rho = (eta_p·Kp/(gep·f·Ka))^(1/3): t = He·rho/(rho - 1).
double KragwandTiefe(double f) {
    using W = WandFixture;
    const double rho = std::cbrt(W::kEtaP * W::kKp / (W::kGep * f * W::kKa));
    return W::kHe * rho / (rho - 1.0);
}

TEST(Kragwand, DepthFromTheClosedFormMomentBalance) {
    WandFixture w;
    ASSERT_EQ(w.calc->CalcWand(), 1);
    const C1ZirfCalc& c = *w.calc;
    const double t = KragwandTiefe(WandFixture::kGammaG);
    EXPECT_NEAR(c.t, t, kIterationsToleranz);
    EXPECT_NEAR(c.deltaTZuschlag, 0.2 * (c.t - WandFixture::kHe), 1e-12);
    // Rounded up to the next 5 cm.
    const double tGes = c.t + c.deltaTZuschlag;
    EXPECT_NEAR(c.tGes, std::ceil(tGes / 0.05 - 1e-9) * 0.05, 1e-9);
    EXPECT_GE(c.tGes, tGes);
    EXPECT_EQ(c.iMassgebend, 0);
    EXPECT_EQ(c.einspannArt, 0);
    EXPECT_EQ(c.AK, 0.0);
}

// The iteration stops within 1 mm on either side of the balance; the designed depth is
// then closed to 0.1 mm on the side where the passive moment outweighs the active one,
// for every factor of the active side (so every side the iteration may stop on).
TEST(Kragwand, DesignedFootNeverLiesAboveTheBalance) {
    for (const double f : {1.0, 1.1, 1.2, 1.35, 1.5, 1.7}) {
        SCOPED_TRACE(f);
        WandFixture w;
        w.in.kombi.clear();
        w.Kombi(std::to_string(f) + "*(1)");
        ASSERT_EQ(w.calc->CalcWand(), 1);
        const C1ZirfCalc& c = *w.calc;
        const double t = KragwandTiefe(f);
        EXPECT_GE(c.t, t - 1e-9);
        EXPECT_LE(c.t, t + einbindung::kGenauigkeit);
        // The sums are those of the designed depth.
        EXPECT_LT(c.SM, 0.0);
        EXPECT_NEAR(c.Ausnutzung, -c.SMA / c.SMP, 1e-12);
        EXPECT_LE(c.Ausnutzung, 1.0);
    }
}

// A checked depth's earth support: one trial depth whose total with 20 % extra depth is
// the given one, the utilisation the design active over the design passive moment about
// that foot. A wall at least as long as its design needs stands as designed, the length
// beyond carrying nothing; a shorter one is computed at its depth.
TEST(Kragwand, ChecksAGivenDepthByItsUtilisation) {
    using W = WandFixture;
    const double tEntwurf = KragwandTiefe(W::kGammaG);
    const double erforderlich = tEntwurf + 0.2 * (tEntwurf - W::kHe);
    for (const double gegeben : {8.0, erforderlich - 0.3}) {
        SCOPED_TRACE(gegeben);
        WandFixture w;
        w.in.berart = 1;
        w.in.einbindetiefe = gegeben;
        ASSERT_EQ(w.calc->CalcWand(), 1);
        const C1ZirfCalc& c = *w.calc;
        const double t = gegeben - (gegeben - W::kHe) / 6.0;
        const double ma = W::kGammaG * W::kGamma * W::kKa * t * t * t / 6.0;
        const double mp = W::kEtaP / W::kGep * W::kGamma * W::kKp * std::pow(t - W::kHe, 3) / 6.0;
        EXPECT_NEAR(c.Ausnutzung, ma / mp, 1e-9);
        EXPECT_NEAR(c.summeAktiv, ma, 1e-9);
        EXPECT_NEAR(c.summePassiv, -mp, 1e-9);
        EXPECT_NEAR(c.tGes, gegeben, 1e-12);
        if (gegeben > erforderlich) {
            EXPECT_LT(ma / mp, 1.0);
            EXPECT_NEAR(c.t, tEntwurf, kIterationsToleranz);
            EXPECT_NEAR(c.tErforderlich, c.t + 0.2 * (c.t - W::kHe), 1e-12);
            EXPECT_FALSE(c.gegebeneTiefe);
        } else {
            EXPECT_GT(ma / mp, 1.0);
            EXPECT_NEAR(c.t, t, 1e-12);
            // The depth it would need is known all the same.
            EXPECT_NEAR(c.tErforderlich, erforderlich, 1.2 * kIterationsToleranz);
            EXPECT_TRUE(c.gegebeneTiefe);
        }
    }
}

// Design foot moment of the beam (passive and retained parts) against the iteration's
// moment sum SM at the converged depth: the beam puts the same loads with the same factors
// on the wall, so its clamping moment is -SM (the beam counts the loads' moments about
// the foot negative). Both are small; the beam's own centroid factors (0.6666 for 2/3)
// allow a small difference relative to the active moment.
void PruefeGleichgewicht(WandFixture& w) {
    ASSERT_EQ(w.calc->CalcWand(), 1);
    const C1ZirfCalc& c = *w.calc;
    EXPECT_NEAR(c.MF, -c.SM, 1e-3 * std::fabs(c.SMA));
    // The iteration stopped within 1 mm of the balance: SM is small against SMA.
    EXPECT_LT(std::fabs(c.SM), 0.01 * std::fabs(c.SMA));
}

TEST(Kragwand, BeamFootMomentEqualsTheIterationsMomentSum) {
    struct Fall {
        const char* name;
        int lf;
        double h, m;
    };
    const Fall faelle[] = {
        {"ohne Kopflast", 1, 0.0, 0.0},
        {"Kopfkraft LF 1", 1, 10.0, 0.0},
        {"Kopfmoment LF 1", 1, 0.0, 25.0},
        {"Kopfkraft und -moment LF 2 (veränderlich)", 2, 10.0, 25.0},
        {"Kopfkraft mit Gegenmoment LF 1", 1, 10.0, -15.0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        WandFixture w(2);
        w.in.kombi.clear();
        w.Kombi("1.35*(1)+1.5*(2)");
        w.Kopflast(f.lf, 0, f.h, f.m);
        PruefeGleichgewicht(w);
    }
}

TEST(Kragwand, HeadLoadsDeepenTheWallAsTheirMomentsSay) {
    // A head force h of a permanent case adds gammaG·h·t to the active moment: the closed
    // form becomes f·gamma·Ka·t³/6 + f·h·t + f·m = (eta_p/gep)·gamma·Kp·(t - He)³/6.
    using W = WandFixture;
    const double h = 10.0, m = 25.0;
    WandFixture w;
    w.Kopflast(1, 0, h, m);
    ASSERT_EQ(w.calc->CalcWand(), 1);
    auto bilanz = [&](double t) {
        return W::kGammaG * (W::kGamma * W::kKa * t * t * t / 6.0 + h * t + m) -
               W::kEtaP / W::kGep * W::kGamma * W::kKp * std::pow(t - W::kHe, 3) / 6.0;
    };
    EXPECT_NEAR(w.calc->t, Nullstelle(bilanz, W::kHe + 0.1, 30.0), kIterationsToleranz);
}

TEST(Kragwand, CompactionInTheFootLayerActsDownToTheFootOnly) {
    // A uniform compaction pressure c from the head through the whole model: the iteration
    // and the beam take it with gammaG down to the foot and no deeper, so the moment
    // balance about the foot is gammaG·(gamma·Ka·t³/6 + c·t²/2) = (eta_p/gep)·gamma·Kp·
    // (t - He)³/6.
    using W = WandFixture;
    const double c = 5.0;
    WandFixture w;
    w.Verdichtung(c, 0, w.calc->iLetzteSchicht);
    auto bilanz = [&](double t) {
        return W::kGammaG * (W::kGamma * W::kKa * t * t * t / 6.0 + c * t * t / 2.0) -
               W::kEtaP / W::kGep * W::kGamma * W::kKp * std::pow(t - W::kHe, 3) / 6.0;
    };
    PruefeGleichgewicht(w);
    EXPECT_NEAR(w.calc->t, Nullstelle(bilanz, W::kHe + 0.1, 30.0), kIterationsToleranz);
}

TEST(Kragwand, GoverningCombination) {
    struct Fall {
        const char* name;
        int berart;
        std::vector<std::string> regeln;
        int massgebend;
    };
    // Design mode: the deepest foot governs, a later one of equal depth takes over. Check
    // mode: the largest utilisation governs, an equal one keeps the earlier combination.
    const Fall faelle[] = {
        {"tiefer gewinnt", 0, {"1.35*(1)", "1.5*(1)", "1.2*(1)"}, 1},
        {"gleich tief: spätere", 0, {"1.35*(1)", "1.35*(1)"}, 1},
        {"Ausnutzung", 1, {"1.2*(1)", "1.5*(1)", "1.35*(1)"}, 1},
        {"gleiche Ausnutzung: frühere", 1, {"1.35*(1)", "1.35*(1)"}, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        WandFixture w;
        w.in.berart = f.berart;
        w.in.einbindetiefe = 8.0;
        w.in.kombi.clear();
        for (const auto& r : f.regeln) {
            w.Kombi(r);
        }
        ASSERT_EQ(w.calc->CalcWand(), 1);
        EXPECT_EQ(w.calc->iMassgebend, f.massgebend);
    }
}

TEST(Kragwand, OnlyStrGeoCombinationsAreIterated) {
    WandFixture w;
    w.in.kombi.clear();
    w.Kombi("1.5*(1)", "EQU");
    w.Kombi("1.35*(1)", "STR,GEO-2 BS-P");
    w.Kombi("1.5*(1)", "str,geo");
    ASSERT_EQ(w.calc->CalcWand(), 1);
    EXPECT_EQ(w.calc->iMassgebend, 1);
    EXPECT_NEAR(w.calc->t, KragwandTiefe(1.35), kIterationsToleranz);
}

TEST(Kragwand, NoResistingSoilDivergesWithinTheStepCap) {
    // No passive pressure: the moment sum never changes sign and the foot would sink
    // without end.
    WandFixture w;
    for (auto i = 0; i < 21; ++i) {
        w.calc->ErgPassiv[i] = C1SchichtErgebnis{};
    }
    EXPECT_EQ(w.calc->CalcWand(), 2);
    EXPECT_LE(w.calc->t, WandFixture::kHe + einbindung::kMaxTiefeUnterAushub + 1.0);
}

TEST(Einbindung, RoundingAndGoverningRules) {
    EXPECT_DOUBLE_EQ(einbindung::AufRundungsschritt(6.02, 0.5), 6.5);
    EXPECT_DOUBLE_EQ(einbindung::AufRundungsschritt(6.0, 0.5), 6.0);
    EXPECT_NEAR(einbindung::AufRundungsschritt(5.15, 0.05), 5.15, 1e-12);
    EXPECT_NEAR(einbindung::AufRundungsschritt(5.151, 0.05), 5.2, 1e-12);
    // The result is the multiple of the step as the nearest double, without the product's
    // binary error (122 x 0.1 = 12.200000000000001).
    EXPECT_EQ(einbindung::AufRundungsschritt(12.15, 0.1), 12.2);
    EXPECT_TRUE(einbindung::IstStrGeo("STR,GEO"));
    EXPECT_TRUE(einbindung::IstStrGeo("STR,GEO-2 BS-T"));
    EXPECT_FALSE(einbindung::IstStrGeo("STR,GE"));
    EXPECT_FALSE(einbindung::IstStrGeo("GEO STR,GEO"));
    EXPECT_TRUE(einbindung::UebernimmtMassgebend(2.0, 2.0, true));
    EXPECT_FALSE(einbindung::UebernimmtMassgebend(2.0, 2.0, false));
    EXPECT_TRUE(einbindung::UebernimmtMassgebend(2.1, 2.0, false));
}

} // namespace
