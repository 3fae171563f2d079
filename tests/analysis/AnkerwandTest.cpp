#include "WandFixture.h"

#include "analysis/Einbindung.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using W = WandFixture;
constexpr double kA = 1.0;         // anchor depth (m)
constexpr double kToleranz = 0.01; // the anchored iteration stops below 0.01 m steps
constexpr double kEtaGep = W::kEtaP / W::kGep;
// The beam's reactions against the closed forms of the moment balance: its load terms
// carry the factor 1/3 as the stored 0.3333.
constexpr double kBalken = 1e-4;

// Free foot in one cohesionless soil, moments about the anchor at depth A:
// active gammaG·gamma·Ka·∫0..t y·(y - A) dy = gammaG·gamma·Ka·(t³/3 - A·t²/2),
// passive (eta_p/gep)·gamma·Kp·∫He..t (y - He)·(y - A) dy
//       = (eta_p/gep)·gamma·Kp·((t - He)³/3 + (He - A)·(t - He)²/2).
double MomentAnkerBei(double t, double kp) {
    const double d = t - W::kHe;
    return W::kGammaG * W::kGamma * W::kKa * (t * t * t / 3.0 - kA * t * t / 2.0) -
           kEtaGep * W::kGamma * kp * (d * d * d / 3.0 + (W::kHe - kA) * d * d / 2.0);
}
double MomentAnker(double t) {
    return MomentAnkerBei(t, W::kKp);
}

// Anchor force = design active force - design passive force down to the foot.
double Ankerkraft(double t) {
    const double d = t - W::kHe;
    return W::kGammaG * W::kGamma * W::kKa * t * t / 2.0 -
           kEtaGep * W::kGamma * W::kKp * d * d / 2.0;
}

TEST(Ankerwand, FreeFootFromTheMomentBalanceAboutTheAnchor) {
    WandFixture w;
    w.Anker(kA, 0);
    ASSERT_EQ(w.calc->CalcWand(), 1);
    const C1ZirfCalc& c = *w.calc;
    const double t = Nullstelle(MomentAnker, W::kHe + 0.1, 20.0);
    EXPECT_NEAR(c.t, t, kToleranz);
    // At the root the anchor takes the design active less the design passive force. The
    // iteration stops within 1 cm of it, where the force balance about the foot gives
    // AK = (Ea,d - Ep,d) - M_anchor/(t - A) exactly.
    // The anchor force is the beam's anchor reaction, whose load terms take 1/3 as the
    // stored 0.3333: it agrees with the moment balance to 1e-4.
    EXPECT_NEAR(c.AK, Ankerkraft(c.t) - MomentAnker(c.t) / (c.t - kA), kBalken * c.AK);
    EXPECT_NEAR(c.AK, Ankerkraft(t), 0.02 * Ankerkraft(t));
    EXPECT_EQ(c.deltaTZuschlag, 0.0);
    EXPECT_NEAR(c.tGes, std::ceil(c.t / 0.05 - 1e-9) * 0.05, 1e-9);
    EXPECT_EQ(c.einspannArt, 0);
}

TEST(Ankerwand, FreeFootWithRedistributedActivePressure) {
    // Anchor at A = He/3 > 0.2·He: the trapezoid variant 0 gives a uniform pressure
    // em = SEA/He = gamma·Ka·He/2 above the excavation level. Moments about the anchor:
    // em·(He²/2 - A·He) above He, gamma·Ka·((t³ - He³)/3 - A·(t² - He²)/2) below.
    WandFixture w;
    w.Anker(kA, 0);
    w.in.kumlag = 0;
    w.in.druck_nach = 1;
    w.in.druck_bau = 0;
    ASSERT_EQ(w.calc->CalcWand(), 1);
    const double He = W::kHe;
    const double em = W::kGamma * W::kKa * He / 2.0;
    auto moment = [&](double t) {
        const double d = t - He;
        const double aktiv =
            em * (He * He / 2.0 - kA * He) +
            W::kGamma * W::kKa * ((t * t * t - He * He * He) / 3.0 - kA * (t * t - He * He) / 2.0);
        return W::kGammaG * aktiv -
               kEtaGep * W::kGamma * W::kKp * (d * d * d / 3.0 + (He - kA) * d * d / 2.0);
    };
    const C1ZirfCalc& c = *w.calc;
    EXPECT_NEAR(c.t, Nullstelle(moment, He + 0.1, 20.0), kToleranz);
    const double d = c.t - He;
    const double ak = W::kGammaG * (em * He + W::kGamma * W::kKa * (c.t * c.t - He * He) / 2.0) -
                      kEtaGep * W::kGamma * W::kKp * d * d / 2.0;
    EXPECT_NEAR(c.AK, ak - moment(c.t) / (c.t - kA), kBalken * c.AK);
}

TEST(Ankerwand, BeamCarriesTheFreeFootWallOnItsAnchor) {
    // With the moments about the anchor in balance the beam's foot support carries
    // (almost) nothing and the anchor carries AK, for every head load the beam and the
    // iteration both take: forces and moments at the head, of a permanent and of a variable
    // load case, and a force at the anchor level.
    struct Fall {
        const char* name;
        int lf, stelle;
        double h, m;
    };
    const Fall faelle[] = {
        {"ohne Kopflast", 1, 0, 0.0, 0.0},
        {"Kopfkraft LF 1", 1, 0, 8.0, 0.0},
        {"Kopfmoment LF 1", 1, 0, 0.0, 12.0},
        {"Kopfkraft und -moment LF 2", 2, 0, 8.0, 12.0},
        {"Kraft in Ankerhöhe LF 1", 1, 1, 8.0, 5.0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        WandFixture w(2);
        w.Anker(kA, 0);
        w.in.kombi.clear();
        w.Kombi("1.35*(1)+1.5*(2)");
        w.Kopflast(f.lf, f.stelle, f.h, f.m);
        ASSERT_EQ(w.calc->CalcWand(), 1);
        C1ZirfCalc& c = *w.calc;
        // The beam's supports at the foot depth t and at the anchor (the head span runs
        // free), in the load state that needs the deepest foot (the one that holds the
        // design share of the passive side).
        const auto z = static_cast<std::size_t>(c.iZustand);
        const double anteil = c.anteilPassivZustand.at(z);
        EXPECT_NEAR(anteil, kEtaGep, 1e-3 * kEtaGep);
        const double fuss = Bemessungsreaktion(c, c.auflagerFuss, anteil, z);
        const double anker = Bemessungsreaktion(c, c.auflagerAnker, anteil, z);
        // The iteration stops within 1 cm of the balance: the foot keeps at most the
        // remaining moment about the anchor over the span.
        const double rest = std::fabs(c.SM) / (c.t - kA);
        EXPECT_NEAR(fuss, 0.0, rest + 1e-3 * c.AK);
        EXPECT_NEAR(anker, c.ankerkraftZustand.at(z), 1e-9 * c.AK);
        EXPECT_GE(c.AK, anker);
        // RAktiv1/RPassiv1 hold the anchor's reactions per load case.
        double ausTabellen = 0.0;
        for (int j = 1; j <= c.nLastfaelle + 1; ++j) {
            ausTabellen += FaktorBalkenLastfall(c, j) * c.RAktiv1[j];
        }
        ausTabellen += anteil * c.RPassiv1[1];
        EXPECT_NEAR(ausTabellen, anker, 1e-9 * c.AK);
    }
}

TEST(Ankerwand, TrafficAboveTheAnchorCountsInEverySum) {
    // Traffic 10 kN/m² (load case 2, factor 1.5) over the whole wall, no compaction. Above
    // the anchor its moment about the anchor relieves; it still acts, in the depth's
    // moment balance as on the beam. Moments about the anchor:
    //   soil gammaG·gamma·Ka·(t³/3 - A·t²/2), traffic 1.5·10·(t²/2 - A·t),
    //   passive side -(eta_p/gep)·gamma·Kp·((t - He)³/3 + (He - A)·(t - He)²/2);
    // the anchor force is the design force on the wall less the passive one, less the
    // remaining moment over t - A (the force balance about the foot).
    constexpr double q = 1.5 * 10.0;
    const auto moment = [&](double t) { return MomentAnker(t) + q * (t * t / 2.0 - kA * t); };
    WandFixture w(2);
    w.Anker(kA, 0);
    w.in.kombi.clear();
    w.Kombi("1.35*(1)+1.5*(2)");
    C1ZirfCalc& c = *w.calc;
    w.Flaechenlast(2, 10.0, 0, c.iLetzteSchicht);
    ASSERT_EQ(c.CalcWand(), 1);
    for (int i = 0; i <= c.iSchichtFuss; ++i) {
        EXPECT_FALSE(c.verdichtungMassgebend[static_cast<std::size_t>(i)]) << i;
    }
    EXPECT_NEAR(c.t, Nullstelle(moment, W::kHe + 0.1, 20.0), kToleranz);
    EXPECT_NEAR(c.SM, moment(c.t), 1e-9 * std::fabs(MomentAnker(c.t)));
    const double ak = Ankerkraft(c.t) + q * c.t - moment(c.t) / (c.t - kA);
    EXPECT_NEAR(c.AK, ak, kBalken * ak);
    // The beam carries the same loads on the same span: its foot keeps only the remaining
    // moment, and the anchor carries the iteration's force.
    const double fuss = Bemessungsreaktion(c, c.auflagerFuss, kEtaGep);
    const double anker = Bemessungsreaktion(c, c.auflagerAnker, kEtaGep);
    EXPECT_NEAR(fuss, moment(c.t) / (c.t - kA), 1e-4 * c.AK);
    EXPECT_NEAR(anker, c.AK, 1e-4 * c.AK);
}

TEST(Ankerwand, AnchorForceAndBeamTakeTheCompactionWhereItOutweighsTheTraffic) {
    // Compaction 10 kN/m² in layer 1 (1.5 ... 3 m) and traffic 5 kN/m² (load case 2, factor
    // 1.5) in every layer below the anchor. In layer 1 the compaction, 1.35·10, outweighs
    // the traffic, 1.5·5, which drops out there; below 3 m the traffic counts. Moments
    // about the foot: soil gammaG·gamma·Ka·t³/6, compaction 1.35·15·(t - 2.25), traffic
    // 1.5·5·(t - 3)²/2, passive side (eta_p/gep)·gamma·Kp·(t - He)³/6; the anchor force is
    // their sum over t - A, and the beam, carrying the same loads, hangs on its anchor with
    // it while its foot carries nothing.
    WandFixture w(2);
    w.Anker(kA, 0);
    w.in.kombi.clear();
    w.Kombi("1.35*(1)+1.5*(2)");
    C1ZirfCalc& c = *w.calc;
    w.Verdichtung(10.0, 1, 1);
    w.Flaechenlast(2, 5.0, 1, c.iLetzteSchicht);
    ASSERT_EQ(c.CalcWand(), 1);
    EXPECT_TRUE(c.verdichtungMassgebend[1]);
    EXPECT_FALSE(c.verdichtungMassgebend[2]);
    const double t = c.t;
    const double d = t - W::kHe;
    const double mFuss = W::kGammaG * W::kGamma * W::kKa * t * t * t / 6.0 +
                         W::kGammaG * 15.0 * (t - 2.25) + 1.5 * 5.0 * (t - 3.0) * (t - 3.0) / 2.0 -
                         kEtaGep * W::kGamma * W::kKp * d * d * d / 6.0;
    EXPECT_NEAR(c.AK, mFuss / (t - kA), kBalken * c.AK);
    const double fuss = Bemessungsreaktion(c, c.auflagerFuss, kEtaGep);
    const double anker = Bemessungsreaktion(c, c.auflagerAnker, kEtaGep);
    EXPECT_NEAR(fuss, 0.0, std::fabs(c.SM) / (c.t - kA) + 1e-3 * c.AK);
    EXPECT_NEAR(anker, c.AK, 2.0 * std::fabs(c.SM) / (c.t - kA) + 1e-3 * c.AK);
    // The anchor reactions of the retained side that the deep slip line check reads: the
    // moments about the beam's foot support at t over its lever t - A, with the loads
    // above, and for the permanent share without the traffic (the compaction of layer 1
    // is permanent): soil gammaG·gamma·Ka·t³/6, compaction 1.35·15·(t - 2.25), traffic
    // 1.5·5·(t - 3)²/2.
    const double L = c.t;
    const double boden = W::kGammaG * W::kGamma * W::kKa * (L * t * t / 2.0 - t * t * t / 3.0);
    const double verdichtung = W::kGammaG * 15.0 * (L - 2.25);
    const double verkehr = 1.5 * 5.0 * ((L - 3.0) * (L - 3.0) - (L - t) * (L - t)) / 2.0;
    // States: 0 every load, 1 the permanent loads alone.
    const Bemessungslasten lasten(c);
    EXPECT_NEAR(lasten.Auflagerkraft(1, c.auflagerAnker), (boden + verdichtung) / (L - kA),
                1e-4 * c.AK);
    EXPECT_NEAR(lasten.Auflagerkraft(0, c.auflagerAnker),
                (boden + verdichtung + verkehr) / (L - kA), 1e-4 * c.AK);
}

TEST(Ankerwand, FixedAndPartlyFixedFoot) {
    WandFixture frei;
    frei.Anker(kA, 0);
    ASSERT_EQ(frei.calc->CalcWand(), 1);
    const C1ZirfCalc& f = *frei.calc;

    // Fixed: one pass to the depth where the rotation sum changes sign; the extra depth
    // is at least 20 % of the embedment.
    WandFixture voll;
    voll.Anker(kA, 100);
    ASSERT_EQ(voll.calc->CalcWand(), 1);
    const C1ZirfCalc& v = *voll.calc;
    EXPECT_EQ(v.einspannArt, 2);
    EXPECT_EQ(v.Zielverdrehung, 0.0);
    EXPECT_GT(v.t, f.t);
    EXPECT_LT(std::fabs(v.SwF), 0.02 * std::fabs(f.SwF));
    EXPECT_GE(v.deltaTZuschlag, 0.2 * (v.t - W::kHe) - 1e-12);
    EXPECT_GE(v.tGes, v.t + v.deltaTZuschlag - 1e-9);

    // 50 %: a first pass with a free foot gives its rotation, the second aims at half of it.
    WandFixture halb;
    halb.Anker(kA, 50);
    ASSERT_EQ(halb.calc->CalcWand(), 1);
    const C1ZirfCalc& h = *halb.calc;
    EXPECT_EQ(h.einspannArt, 1);
    EXPECT_EQ(h.zweiterLauf, 0);
    EXPECT_NEAR(h.Zielverdrehung, 0.5 * f.SwF, 1e-9 * std::fabs(f.SwF));
    EXPECT_NEAR(h.SwF, h.Zielverdrehung, 0.02 * std::fabs(h.Zielverdrehung));
    EXPECT_GT(h.t, f.t);
    EXPECT_LT(h.t, v.t);
    EXPECT_GE(h.deltaTZuschlag, 0.2 * (h.t - W::kHe) - 1e-12);
}

// Rotation sum (EI times the foot's rotation) of the design loads on the span between
// anchor and foot, simply supported, by quadrature of the textbook influence lines: a
// force P at x below the anchor turns the foot by P·x·(l² - x²)/(6·l), a moment M at the
// anchor from the loads above it by -M·l/6 (l = t - A). Loads: active
// gammaG·gamma·Ka·y over the whole wall, passive -(eta_p/gep)·gamma·kp·(y - He) below He.
double Verdrehung(double t, double kp) {
    const double l = t - kA;
    auto q = [kp](double y) {
        return W::kGammaG * W::Ea(y) - kEtaGep * W::kGamma * kp * std::max(y - W::kHe, 0.0);
    };
    auto simpson = [](auto f, double a, double b) { return Simpson(f, a, b, 400); };
    auto spanne = [&](double y) {
        const double x = y - kA;
        return q(y) * x * (l * l - x * x) / (6.0 * l);
    };
    const double momentAnker = simpson([&](double y) { return q(y) * (kA - y); }, 0.0, kA);
    // Split at He, where the passive pressure begins.
    return simpson(spanne, kA, W::kHe) + simpson(spanne, W::kHe, t) - momentAnker * l / 6.0;
}

// The iteration stops within 1 cm on either side of the balance; the designed depth is
// then closed to 0.1 mm on its safe side: below the free foot's balance of moments about
// the anchor, or beyond the depth where the rotation has fallen to its target.
TEST(Ankerwand, DesignedFootNeverLiesAboveTheBalance) {
    for (const double a : {0.5, 0.8, 1.0, 1.3, 1.7, 2.0}) {
        SCOPED_TRACE(a);
        WandFixture w;
        w.Anker(a, 0);
        ASSERT_EQ(w.calc->CalcWand(), 1);
        const C1ZirfCalc& c = *w.calc;
        const auto moment = [a](double t) {
            const double d = t - W::kHe;
            return W::kGammaG * W::kGamma * W::kKa * (t * t * t / 3.0 - a * t * t / 2.0) -
                   kEtaGep * W::kGamma * W::kKp * (d * d * d / 3.0 + (W::kHe - a) * d * d / 2.0);
        };
        const double t = Nullstelle(moment, W::kHe + 0.1, 20.0);
        EXPECT_GE(c.t, t - 1e-9);
        EXPECT_LE(c.t, t + einbindung::kGenauigkeit);
    }
    for (const int e : {50, 100}) {
        SCOPED_TRACE(e);
        WandFixture w;
        w.Anker(kA, e);
        ASSERT_EQ(w.calc->CalcWand(), 1);
        const C1ZirfCalc& c = *w.calc;
        EXPECT_LT(c.SwF, c.Zielverdrehung);
        if (e == 100) {
            // The quadrature of the rotation agrees with the wall's own sums to about
            // 0.1 mm of depth.
            const double t = Nullstelle([](double y) { return Verdrehung(y, W::kKp); },
                                        Nullstelle(MomentAnker, W::kHe + 0.1, 20.0), 20.0);
            EXPECT_NEAR(c.t, t, 3.0 * einbindung::kGenauigkeit);
        }
    }
}

TEST(Ankerwand, PartlyFixedFootLiesBetweenTheFreeAndTheFixedFoot) {
    // The free foot's rotation, the fixed foot where the rotation has fallen to 0, and in
    // between the depth where it has fallen to (1 - fixity) times the free foot's. On its
    // way down to the free foot the wall's rotation first grows from about 0: with a weak
    // passive side (kp 1.5) the free foot lies far below the excavation level, and a small
    // fixity asks for a rotation that the wall shows there too, above its free foot.
    for (const double kp : {W::kKp, 1.5}) {
        SCOPED_TRACE(kp);
        auto moment = [kp](double t) { return MomentAnkerBei(t, kp); };
        auto verdrehung = [kp](double t) { return Verdrehung(t, kp); };
        const double tFrei = Nullstelle(moment, W::kHe + 0.1, 20.0);
        const double frei = verdrehung(tFrei);
        ASSERT_GT(frei, 0.0);
        const double tVoll = Nullstelle(verdrehung, tFrei, 20.0);
        ASSERT_GT(tVoll, tFrei + 0.5);
        double tVorher = tFrei;
        for (const int e : {0, 5, 25, 50, 75, 95, 100}) {
            SCOPED_TRACE(e);
            WandFixture w;
            w.Anker(kA, e);
            for (int i = 0; i < 21; ++i) {
                C1SchichtErgebnis& p = w.calc->ErgPassiv[i];
                for (double* v : {&p.Eh, &p.Ev, &p.epoh, &p.epuh}) {
                    *v *= kp / W::kKp;
                }
            }
            ASSERT_EQ(w.calc->CalcWand(), 1);
            const C1ZirfCalc& c = *w.calc;
            const double ziel = (1.0 - e / 100.0) * frei;
            const double t =
                e == 0 ? tFrei
                       : Nullstelle([&](double y) { return verdrehung(y) - ziel; }, tFrei, tVoll);
            // The iteration stops within 1 cm; the target comes from its own free foot,
            // found within 1 cm as well, where the rotation changes little.
            EXPECT_NEAR(c.t, t, kToleranz);
            EXPECT_GE(c.t, tVorher - kToleranz);
            EXPECT_LE(c.t, tVoll + kToleranz);
            if (e > 0 && e < 100) {
                EXPECT_EQ(c.einspannArt, 1);
                EXPECT_NEAR(c.Zielverdrehung, ziel, 0.005 * frei);
                EXPECT_NEAR(c.SwF, c.Zielverdrehung, 0.02 * frei);
            }
            tVorher = c.t;
        }
    }
}

TEST(Ankerwand, FixedFootRotationMatchesTheBeamWithoutFootRotation) {
    // SwF = 0 means the span between anchor and foot, simply supported, does not turn at
    // the foot: a beam clamped at the foot and supported at the anchor then needs no
    // clamping moment there. The design moment at the foot of such a beam (the iteration's
    // loads at its depth t) must be about 0.
    WandFixture voll;
    voll.Anker(kA, 100);
    ASSERT_EQ(voll.calc->CalcWand(), 1);
    C1ZirfCalc& c = *voll.calc;
    C1Traeger& tr = *c.pTraeger;
    tr.Init();
    tr.DelLasten();
    tr.SetAnzFelder(2);
    tr.GetFeld(1).SetL(c.t - kA);
    tr.GetFeld(2).SetL(kA);
    tr.GetFeld(1).SetAuflagerAnf(1, 0.0);
    tr.GetFeld(1).SetAuflagerEnd(1, 0.0);
    tr.GetFeld(2).SetAuflagerAnf(1, 0.0);
    tr.GetFeld(2).SetAuflagerEnd(0, 0.0);
    tr.SetAufl_1();
    tr.CalcLaengen();
    // Design moments at the foot and, for scale, in the middle of the span.
    double moment = 0.0, mitte = 0.0;
    const double xMitte = (c.t - kA) / 2.0;
    c.CalcTraegerLasten();
    tr.Calc();
    for (int j = 1; j <= c.nLastfaelle + 1; ++j) {
        moment += FaktorBalkenLastfall(c, j) * tr.GetMx(j, 0.0);
        mitte += FaktorBalkenLastfall(c, j) * tr.GetMx(j, xMitte);
    }
    tr.DelLasten();
    c.CalcTraegerLastenZusatz();
    tr.Calc();
    for (int j = 1; j <= c.nLastfaelle; ++j) {
        moment += kEtaGep * tr.GetMx(j, 0.0);
        mitte += kEtaGep * tr.GetMx(j, xMitte);
    }
    EXPECT_GT(std::fabs(mitte), 1.0);
    EXPECT_NEAR(moment, 0.0, 0.02 * std::fabs(mitte));
}

TEST(Ankerwand, GreatestFieldMomentOfAFixedFootLiesBetweenAnchorAndFoot) {
    // Fixed foot: below the anchor the design shear changes sign where the field moment is
    // greatest, then again at the supports of the foot span. xm is the depth of the first
    // change found from the head down; a fine scan of the design lines (design beam and
    // passive side) locates it independently of the 21 sampled points. With the anchor at
    // 2 m the anchor support itself lies beyond the first points scanned from the foot up.
    for (const double A : {kA, 2.0}) {
        SCOPED_TRACE(A);
        WandFixture w;
        w.Anker(A, 100);
        C1ZirfCalc& c = *w.calc;
        ASSERT_EQ(c.CalcWand(), 1);
        const Bemessungslasten lasten(c);
        C1Traeger& tr = *c.pTraeger;
        tr.DelLasten();
        c.CalcTraegerLastenZusatz();
        tr.Calc();
        const auto design = [&](double x, bool querkraft) {
            double v = querkraft ? lasten.Qx(0, x) : lasten.Mx(0, x);
            for (int j = 1; j <= c.nLastfaelle; ++j) {
                v += kEtaGep * (querkraft ? tr.GetQx(j, x) : tr.GetMx(j, x));
            }
            return v;
        };
        const double TL = tr.GetTL();
        // From just below the anchor downward to the first change of sign.
        double xNull = -1.0;
        const double schritt = 1e-3;
        for (double x = TL - A - 0.05; x > schritt; x -= schritt) {
            if ((design(x, true) > 0.0) != (design(x - schritt, true) > 0.0)) {
                xNull = x - schritt / 2.0;
                break;
            }
        }
        ASSERT_GT(xNull, 0.0);
        const double mFeld = design(xNull, false);
        EXPECT_GT(std::fabs(mFeld), std::fabs(design(xNull + 0.2, false)));
        EXPECT_GT(std::fabs(mFeld), std::fabs(design(xNull - 0.2, false)));
        // The sampled points lie TL/20 apart; between them the shear is nearly straight.
        EXPECT_NEAR(c.xm, TL - xNull, 0.05);
        EXPECT_NEAR(c.Mxm, mFeld, 0.01 * std::fabs(mFeld));
    }
}

TEST(Ankerwand, DivergesWithoutResistingSoil) {
    WandFixture w;
    w.Anker(kA, 0);
    for (int i = 0; i < 21; ++i) {
        w.calc->ErgPassiv[i] = C1SchichtErgebnis{};
    }
    EXPECT_EQ(w.calc->CalcWand(), 2);
}

} // namespace
