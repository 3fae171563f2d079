// The deflection line of the wall in one sand, against a hand integration of the
// characteristic wall in equilibrium: the retained side's characteristic pressure
// gamma·Ka·y, and the passive pressure gamma·Kp·(y - He) mobilised by the share mu that
// leaves the cantilever no moment at its foot, or the free anchored foot no force.
// A movement toward the excavation is negative, for both walls.
#include "WandFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

using W = WandFixture;

// Moment at depth d of the characteristic pressures above d about d, the passive side
// taken with the share mu: gamma·(Ka·d³ - mu·Kp·(d - He)³)/6.
double LastMoment(double d, double mu) {
    const double u = std::max(d - W::kHe, 0.0);
    return W::kGamma * (W::kKa * d * d * d - mu * W::kKp * u * u * u) / 6.0;
}
// Force of the same pressures down to d.
double LastKraft(double d, double mu) {
    const double u = std::max(d - W::kHe, 0.0);
    return W::kGamma * (W::kKa * d * d - mu * W::kKp * u * u) / 2.0;
}

// Deflection in cm at the depths of `tiefen`, from the curvature M/EI (M in the beam's
// convention: the loads above a point turn it negative), integrated down from the head
// on a fine grid; then a straight line is added so that w vanishes at the depths a and
// b (for the cantilever: w and w' vanish at the foot, given as a = b = t).
std::vector<double> HandLinie(const std::function<double(double)>& moment, double t, double a,
                              double b, const std::vector<double>& tiefen) {
    constexpr int n = 20000;
    const double h = t / n;
    const double EI = 2.1 * 38000.0;
    std::vector<double> w(n + 1, 0.0), neigung(n + 1, 0.0);
    for (int i = 0; i < n; ++i) {
        const double k0 = moment(i * h) / EI;
        const double k1 = moment((i + 1) * h) / EI;
        neigung[i + 1] = neigung[i] + h * (k0 + k1) / 2.0;
        w[i + 1] = w[i] + h * neigung[i] + h * h * (2.0 * k0 + k1) / 6.0;
    }
    const auto bei = [&](double d) {
        const int i = std::min(static_cast<int>(d / h), n - 1);
        return w[i] + (w[i + 1] - w[i]) * (d - i * h) / h;
    };
    std::vector<double> ergebnis;
    for (const double d : tiefen) {
        double korrektur = 0.0;
        if (a == b) {
            // Clamped at the foot: remove the foot's deflection and slope.
            korrektur = bei(t) + neigung[n] * (d - t);
        } else {
            korrektur = bei(a) + (bei(b) - bei(a)) * (d - a) / (b - a);
        }
        ergebnis.push_back(100.0 * (bei(d) - korrektur));
    }
    return ergebnis;
}

TEST(Durchbiegung, CantileverWithItsPassiveSideMobilisedToNoFootMoment) {
    WandFixture w;
    ASSERT_EQ(w.calc->CalcWand(), 1);
    const C1ZirfCalc& c = *w.calc;
    const double t = c.t;
    const double mu = W::kKa * t * t * t / (W::kKp * std::pow(t - W::kHe, 3));
    EXPECT_NEAR(LastMoment(t, mu), 0.0, 1e-9);
    EXPECT_NEAR(c.MChar[0], 0.0, 1e-9 * LastMoment(t, 0.0));
    const std::vector<double> tiefen = {0.0, t / 4.0, t / 2.0};
    const std::vector<double> hand =
        HandLinie([mu](double d) { return -LastMoment(d, mu); }, t, t, t, tiefen);
    // Toward the excavation: negative, a few centimetres at the head.
    EXPECT_LT(hand[0], -0.1);
    EXPECT_GT(hand[0], -10.0);
    for (std::size_t k = 0; k < tiefen.size(); ++k) {
        SCOPED_TRACE(tiefen[k]);
        const int p = static_cast<int>(std::lround(tiefen[k] / t * 20.0));
        EXPECT_NEAR(c.Durchbiegung[static_cast<std::size_t>(p)], hand[k],
                    0.01 * std::fabs(hand[0]));
    }
}

TEST(Durchbiegung, FreeAnchoredWallWithoutForceAtItsFoot) {
    constexpr double kA = 1.0;
    WandFixture w;
    w.Anker(kA, 0);
    ASSERT_EQ(w.calc->CalcWand(), 1);
    const C1ZirfCalc& c = *w.calc;
    const double t = c.t;
    // No force at the foot: the moments about the anchor balance, and the anchor takes the
    // rest of the force.
    const auto momentUmAnker = [t](double mu) {
        return LastMoment(t, mu) - (t - kA) * LastKraft(t, mu);
    };
    const double mu = -momentUmAnker(0.0) / (momentUmAnker(1.0) - momentUmAnker(0.0));
    const double anker = LastKraft(t, mu);
    const auto moment = [&](double d) {
        return -LastMoment(d, mu) + (d > kA ? anker * (d - kA) : 0.0);
    };
    EXPECT_NEAR(moment(t), 0.0, 1e-6 * anker);
    const std::vector<double> tiefen = {0.25 * t + 0.75 * kA, 0.5 * (t + kA), 0.75 * t + 0.25 * kA};
    const std::vector<double> hand = HandLinie(moment, t, kA, t, tiefen);
    // The span between anchor and foot bulges toward the excavation.
    EXPECT_LT(hand[1], -0.01);
    // The deflection line holds the beam's points, at the depths p·tGes/20: interpolate
    // there.
    const double TL = c.pTraeger->GetTL();
    const auto programm = [&c, TL](double d) {
        const double u = d / TL * 20.0;
        const int p = std::min(static_cast<int>(u), 19);
        const double s = u - p;
        return c.Durchbiegung[static_cast<std::size_t>(p)] * (1.0 - s) +
               c.Durchbiegung[static_cast<std::size_t>(p + 1)] * s;
    };
    for (std::size_t k = 0; k < tiefen.size(); ++k) {
        SCOPED_TRACE(tiefen[k]);
        EXPECT_NEAR(programm(tiefen[k]), hand[k], 0.02 * std::fabs(hand[1]));
    }
}

} // namespace

namespace {

TEST(Durchbiegung, FixedAndPartlyFixedAnchoredWallsByHand) {
    // Anchor 1 m below the head, one sand, traffic of 10 kN/m² (variable, factor 1.5) over
    // the whole wall: the design moments of the wall as designed, the characteristic
    // moments of the wall in equilibrium under the characteristic pressures with the same
    // fixity (its foot turns by the design wall's share of a free foot's rotation at this
    // depth: none for a fixed foot), and the deflection at the head and in the span.
    constexpr double kA = 1.0;
    constexpr double kVerkehr = 10.0;
    const double f = W::kEtaP / W::kGep;
    for (const int e : {50, 100}) {
        SCOPED_TRACE(e);
        WandFixture w(2);
        w.Anker(kA, e);
        w.in.kombi.clear();
        w.Kombi("1.35*(1)+1.5*(2)");
        w.Flaechenlast(2, kVerkehr, 0, w.calc->iLetzteSchicht);
        ASSERT_EQ(w.calc->CalcWand(), 1);
        const C1ZirfCalc& c = *w.calc;
        const double t = c.t;
        const HandWand design{t, kA, W::kGammaG, W::kGammaQ * kVerkehr, f};
        HandWand freiD = design;
        freiD.mu = MuFrei(design);
        const double anteil = design.Drehung() / freiD.Drehung();
        if (e == 100) {
            EXPECT_NEAR(anteil, 0.0, 0.01);
        }
        HandWand charakt{t, kA, 1.0, kVerkehr, 0.0};
        charakt.mu = MuDrehung(charakt, anteil);

        const double TL = c.pTraeger->GetTL();
        double mMax = 0.0;
        for (int p = 0; p <= 20; ++p) {
            mMax = std::max(mMax, std::fabs(design.M(TL - p * TL / 20.0)));
        }
        // The permanent loads alone (the traffic may be absent) are a second design state,
        // with the passive side mobilised to the same fixity, at most by its design share;
        // the design line is the state that bends the wall more.
        HandWand staendig{t, kA, W::kGammaG, 0.0, 0.0};
        staendig.mu = std::min(MuDrehung(staendig, anteil), f);
        const auto bemessung = [&](double d) {
            return std::fabs(staendig.M(d)) > std::fabs(design.M(d)) ? staendig.M(d) : design.M(d);
        };
        for (int p = 0; p <= 20; ++p) {
            SCOPED_TRACE(p);
            const double d = TL - p * TL / 20.0;
            EXPECT_NEAR(c.MDesign[std::size_t(p)], bemessung(d), 2e-3 * mMax);
            EXPECT_NEAR(c.MChar[std::size_t(p)], charakt.M(d), 2e-3 * mMax);
        }
        // The anchor carries the design wall's force.
        EXPECT_NEAR(c.AK, design.Anker(), 2e-3 * c.AK);
        // The deflection at the head (place 0) and at the span's middle place.
        const int mitte = static_cast<int>(std::lround((kA + t) / 2.0 / TL * 20.0));
        const std::vector<double> hand =
            HandLinie([&](double d) { return charakt.M(d); }, TL, kA, t, {0.0, mitte * TL / 20.0});
        EXPECT_LT(hand[1], -0.01);
        EXPECT_NEAR(c.Durchbiegung[0], hand[0], 0.02 * std::fabs(hand[1]));
        EXPECT_NEAR(c.Durchbiegung[std::size_t(mitte)], hand[1], 0.02 * std::fabs(hand[1]));
    }
}

// The greatest value of a moment function in the span between anchor and foot: the field
// moment.
template <class F> double Feldmoment(F m, double A, double t) {
    double g = 0.0;
    for (int i = 0; i <= 4000; ++i) {
        g = std::max(g, m(A + (t - A) * i / 4000.0));
    }
    return g;
}

TEST(Durchbiegung, ARelievingVariableLoadMayBeAbsent) {
    // Anchor 1 m, free foot; a variable force pushing the head (20 kN/m, factor 1.5)
    // relieves the span. Without it, the permanent loads alone with the passive side
    // mobilised so far that the foot carries nothing, the wall bends more: the design line
    // is at each point the state that bends the wall more, and the greatest moment the
    // larger state's.
    constexpr double kA = 1.0;
    constexpr double kKopf = 20.0;
    const double f = W::kEtaP / W::kGep;
    WandFixture w(2);
    w.Anker(kA, 0);
    w.in.kombi.clear();
    w.Kombi("1.35*(1)+1.5*(2)");
    w.Kopflast(2, 0, kKopf, 0.0);
    ASSERT_EQ(w.calc->CalcWand(), 1);
    const C1ZirfCalc& c = *w.calc;
    const double t = c.t;
    // Each state mobilises the passive side as far as it needs, at most f; the permanent
    // state, without the relieving push, needs the deeper wall and all of f.
    HandWand alle{t, kA, W::kGammaG, 0.0, 0.0};
    alle.kopf = W::kGammaQ * kKopf;
    alle.mu = std::min(MuFrei(alle), f);
    HandWand staendig{t, kA, W::kGammaG, 0.0, 0.0};
    staendig.mu = std::min(MuFrei(staendig), f);
    EXPECT_NEAR(staendig.mu, f, 1e-3 * f);
    EXPECT_LT(alle.mu, staendig.mu);
    const auto bemessung = [&](double d) {
        return std::fabs(staendig.M(d)) > std::fabs(alle.M(d)) ? staendig.M(d) : alle.M(d);
    };
    const double feldAlle = Feldmoment([&](double d) { return alle.M(d); }, kA, t);
    const double feld = Feldmoment(bemessung, kA, t);
    ASSERT_GT(feld, 1.05 * feldAlle); // the permanent state governs the field
    const double groesstes = std::max(feld, std::fabs(bemessung(kA)));
    const double TL = c.pTraeger->GetTL();
    for (int p = 0; p <= 20; ++p) {
        SCOPED_TRACE(p);
        EXPECT_NEAR(c.MDesign[std::size_t(p)], bemessung(TL - p * TL / 20.0), 2e-3 * groesstes);
    }
    EXPECT_NEAR(c.Mxm, feld, 2e-3 * groesstes);
    // The anchor is designed for the greater force of the two states.
    EXPECT_NEAR(c.AK, std::max(alle.Anker(), staendig.Anker()), 2e-3 * c.AK);
}

} // namespace
