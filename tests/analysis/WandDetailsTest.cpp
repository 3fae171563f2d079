#include "WandFixture.h"

#include "platform/C1Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace {

using W = WandFixture;

TEST(WandDetails, ActionsAreLookedUpByLoadCaseNumber) {
    // Load case 1 belongs to a permanent action (1), load case 2 to a variable one (2).
    WandFixture w(2);
    C1ZirfCalc& c = *w.calc;
    c.SetBeiwerteIteration();
    EXPECT_TRUE(c.IstStaendigerLastfall(1));
    EXPECT_FALSE(c.IstStaendigerLastfall(2));
}

TEST(WandDetails, PermanentHeadLoadEntersThePermanentDesignLine) {
    // A head force h of load case 1 (beam load case 2) is permanent: the permanent design
    // state holds it, a variable head force does not. Above the excavation level (no
    // passive side there) the permanent design line is gammaG times the moment of the soil
    // triangle and of h about the point at depth d, -gammaG·(gamma·Ka·d³/6 + h·d); the
    // permanent state mobilises the passive side so far that its foot has no moment.
    const double h = 10.0;
    WandFixture w(2);
    w.in.kombi.clear();
    w.Kombi("1.35*(1)+1.5*(2)");
    w.Kopflast(1, 0, h, 0.0);
    w.Kopflast(2, 0, 7.0, 0.0);
    ASSERT_EQ(w.calc->CalcWand(), 1);
    const C1ZirfCalc& c = *w.calc;
    const double t = c.t;
    // The states: every load, then the permanent loads alone.
    ASSERT_EQ(c.zustaende.size(), 2U);
    const wand::Bemessung staendig = c.bemessungsSchar.Zustand(1);
    int geprueft = 0;
    for (int p = 0; p <= 20; ++p) {
        const double d = t - p * t / 20.0;
        if (d > 0.0 && d <= W::kHe) {
            const double erwartet = -W::kGammaG * (W::kGamma * W::kKa * d * d * d / 6.0 + h * d);
            EXPECT_NEAR(staendig.M(c.PunktX(p)), erwartet, 1e-3 * std::fabs(erwartet)) << d;
            ++geprueft;
        }
    }
    EXPECT_GT(geprueft, 3);
    const double boden = W::kGammaG * W::kGamma * W::kKa * t * t * t / 6.0;
    EXPECT_NEAR(staendig.M(0.0), 0.0, 1e-6 * boden);
    EXPECT_LT(c.anteilPassivZustand.at(1), c.anteilPassivZustand.at(0));
}

TEST(WandDetails, VerticalForceOfAHeadLoadTakesTheFactorOfItsOwnAction) {
    // Vertical head loads and the wall's weight: NHw, at the excavation level, holds
    // gammaG·v1 + gammaQ·v2 and the weight gammaG·g/100 per metre of wall above that level
    // (no wall friction here).
    WandFixture w(2);
    w.in.kombi.clear();
    w.Kombi("1.35*(1)+1.5*(2)");
    w.Kopflast(1, 0, 0.0, 0.0, 20.0);
    w.Kopflast(2, 0, 0.0, 0.0, 30.0);
    ASSERT_EQ(w.calc->CalcWand(), 1);
    const C1ZirfCalc& c = *w.calc;
    const double erwartet =
        W::kGammaG * 20.0 + W::kGammaQ * 30.0 + W::kGammaG * w.in.g / 100.0 * w.in.wand_hw;
    EXPECT_NEAR(c.NHw, erwartet, 1e-9);
}

TEST(WandDetails, AnchorValuesAreReadAtTheAnchorSupport) {
    // Anchor at 1 m, only the soil triangle above it: the moment at the anchor is the
    // cantilever moment -gammaG·gamma·Ka·A³/6, 1 cm above it the same with A - 0.01, and
    // the shear there is gammaG·gamma·Ka·A²/2 in size.
    const double A = 1.0;
    WandFixture w;
    w.Anker(A, 0);
    ASSERT_EQ(w.calc->CalcWand(), 1);
    C1ZirfCalc& c = *w.calc;
    const double k = W::kGammaG * W::kGamma * W::kKa;
    EXPECT_NEAR(c.MA, -k * A * A * A / 6.0, 2e-3 * k * A * A * A / 6.0);
    const double u = A - 0.01;
    EXPECT_NEAR(c.MuA, -k * u * u * u / 6.0, 2e-3 * k * u * u * u / 6.0);
    EXPECT_NEAR(std::fabs(c.QuA), k * u * u / 2.0, 2e-3 * k * u * u / 2.0);
    // Just below the anchor the shear has stepped by the anchor's reaction.
    const double reaktion = Bemessungsreaktion(c, c.auflagerAnker, W::kEtaP / W::kGep);
    const double darueber = std::copysign(k * A * A / 2.0, c.QuA);
    EXPECT_NEAR(c.QA, darueber - reaktion, 2e-3 * reaktion);
}

TEST(WandDetails, AnchorAtTheHeadIsTheReactionsFirstSupport) {
    // With the anchor at the head the anchor support is the beam's last support; its
    // reaction is what RAktiv1 holds, and the deflection line stays within its places.
    WandFixture w;
    w.Anker(0.0, 0);
    ASSERT_EQ(w.calc->CalcWand(), 1);
    C1ZirfCalc& c = *w.calc;
    const int kopf = c.pTraeger->GetnFeld() + 1;
    EXPECT_EQ(c.RAktiv1[1], c.pTraeger->GetAuflagerkraft(1, kopf));
    EXPECT_NE(c.RAktiv1[1], 0.0);
    EXPECT_NEAR(c.Durchbiegung[0], 0.0, 1e-12);
    EXPECT_NE(c.Durchbiegung[10], 0.0);
    for (const double w : c.Durchbiegung) {
        EXPECT_TRUE(std::isfinite(w));
    }
}

TEST(WandDetails, DeflectionUsesTheProfilesTrueStiffness) {
    // A constant moment M over a cantilever of length L: head deflection M·L²/(2·EI) with
    // EI = 2.1·Iy kNm² (E = 21000 kN/cm², Iy in cm⁴/m), in cm.
    WandFixture w;
    C1ZirfCalc& c = *w.calc;
    const double L = 6.0, M = -100.0;
    c.pTraeger->Init();
    c.pTraeger->SetAnzFelder(1);
    c.pTraeger->GetFeld(1).SetL(L);
    c.pTraeger->CalcLaengen();
    c.t = L;
    for (int p = 0; p < 21; ++p) {
        c.MChar[p] = M;
    }
    c.CalcDurchbiegung();
    const double EI = 2.1 * w.in.Iy;
    EXPECT_NEAR(c.Durchbiegung[0], M * L * L / (2.0 * EI) * 100.0, 1e-9);
}

TEST(WandDetails, LayerLargerOfValuesEnterOnlyTheDesignSum) {
    // The larger of variable loads and compaction of a layer belongs to no load case: its
    // support share adds to SC and the design sum, never to the support force of the load
    // case whose number equals the layer's. A traffic pressure of 10 kN/m² of load case 2
    // in layer 1 (1.5 ... 3 m, above the foot): force 15 at 2.25 m, design moment about
    // the anchor at 1 m 1.5·15·1.25 = 28.125, its share 28.125/aA with
    // aA = 2 + 2/3·(t - 3).
    WandFixture w(3);
    w.Anker(1.0, 0);
    w.in.kombi.clear();
    w.Kombi("1.35*(1)+1.5*(2+3)");
    w.Flaechenlast(2, 10.0, 1, 1);
    C1ZirfCalc& c = *w.calc;
    ASSERT_EQ(c.CalcWand(), 1);
    ASSERT_GT(c.t, 3.0);
    const double aA = 2.0 + 2.0 / 3.0 * (c.t - 3.0);
    EXPECT_EQ(c.BhkLf[1], 0.0);
    EXPECT_EQ(c.BhkLf[2], 0.0);
    EXPECT_NEAR(c.SC, 28.125 / aA, 1e-9);
    EXPECT_NEAR(c.summeBhd, 1.35 * c.BhkLf[0] + 28.125 / aA, 1e-9);
}

TEST(WandDetails, SpreadRowsOfABlockLoadKeepTheirOwnDepthsOnTheBeam) {
    // Spread rows of a block load: whole layers from their own depths (columns 0 and 1),
    // the foot layer's piece from the layer's top to the foot with the ordinate carried to
    // the foot.
    WandFixture w(2);
    C1ZirfCalc& c = *w.calc;
    w.in.nBlocklast = 1;
    w.in.blocklast[0].lf = 2;
    c.t = 6.0;
    c.nLastfaelle = 2;
    c.iSchichtFussAktiv = 3; // layer 5 ... 7 m
    C1Spreizung& ganz = c.BlockSchicht[1];
    ganz.von = 1.8;
    ganz.bis = 2.6;
    ganz.eo = 4.0;
    ganz.eu = 6.0;
    C1Spreizung& fuss = c.BlockSchicht[3];
    fuss.von = 5.0;
    fuss.bis = 7.0;
    fuss.eo = 8.0;
    fuss.eu = 2.0;
    c.pTraeger->Init();
    c.pTraeger->SetAnzFelder(1);
    c.pTraeger->GetFeld(1).SetL(c.t);
    c.pTraeger->CalcLaengen();
    c.CalcTraegerLasten();
    const C1LastTr& lasten = c.pTraeger->GetLasten();
    int Lf = 0, feld = 0, flag = 0, nr = 0;
    double a = 0, b = 0, q1 = 0, q2 = 0;
    std::string text;
    std::vector<std::array<double, 4>> gefunden;
    for (int i = 1; lasten.GetTrapezLast(i, Lf, feld, a, b, q1, q2, text, flag, nr) == 1; ++i) {
        if (Lf == 3) {
            gefunden.push_back({a, b, q1, q2});
        }
    }
    ASSERT_EQ(gefunden.size(), 2u);
    // Depths 1.8 ... 2.6 at x = t - depth: from x = 3.4, 0.8 long, 6 at the lower end.
    EXPECT_NEAR(gefunden[0][0], 3.4, 1e-12);
    EXPECT_NEAR(gefunden[0][1], 0.8, 1e-12);
    EXPECT_EQ(gefunden[0][2], 6.0);
    EXPECT_EQ(gefunden[0][3], 4.0);
    // Foot piece 5 ... 6 m: 8 at 5 m, carried to 6 m: 8 + (2 - 8)·1/2 = 5.
    EXPECT_NEAR(gefunden[1][0], 0.0, 1e-12);
    EXPECT_NEAR(gefunden[1][1], 1.0, 1e-12);
    EXPECT_NEAR(gefunden[1][2], 5.0, 1e-12);
    EXPECT_EQ(gefunden[1][3], 8.0);
}

TEST(WandDetails, FirstPassDivergenceEndsTheAnalysis) {
    // The first combination's active side is so large that no depth holds it; the second
    // would converge, but a diverged first pass leaves it unchecked and reports 2.
    WandFixture w;
    w.in.kombi.clear();
    w.Kombi("100*(1)");
    w.Kombi("1.35*(1)");
    EXPECT_EQ(w.calc->CalcWand(), 2);
    EXPECT_EQ(w.calc->iKombi, 0);
}

TEST(WandDetails, InputThatMakesAQuotientMeaninglessIsRefused) {
    struct Fall {
        const char* attribut;
        std::function<void(WandFixture&)> setze;
    };
    const Fall faelle[] = {
        {"einbindetiefe",
         [](WandFixture& w) {
             w.in.berart = 1;
             w.in.einbindetiefe = W::kHe;
         }},
        {"tiefe_anker", [](WandFixture& w) { w.Anker(W::kHe, 0); }},
        {"einspannung", [](WandFixture& w) { w.Anker(1.0, 101); }},
        {"einspannung", [](WandFixture& w) { w.Anker(1.0, -5); }},
        {"rundung", [](WandFixture& w) { w.in.rundung = 0.0; }},
        {"eta_p", [](WandFixture& w) { w.in.eta_p = 0.0; }},
        {"gep1",
         [](WandFixture& w) {
             w.in.teilsicherheit.Set(C1ZirfInput::Teilsicherheitsbeiwerte::gep, 1, 0.0);
         }},
        {"STR,GEO",
         [](WandFixture& w) {
             w.in.kombi.clear();
             w.Kombi("1.35*(1)", "EQU");
         }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.attribut);
        WandFixture w;
        f.setze(w);
        try {
            w.calc->CalcWand();
            ADD_FAILURE() << "kein Fehler";
        } catch (const C1Exception& e) {
            EXPECT_NE(e.text.find(f.attribut), std::string::npos) << e.text;
            EXPECT_EQ(e.code, 1);
        }
    }
}

} // namespace

namespace {

// The design normal force at a depth holds the wall's weight above it, the vertical
// contributions of the retained side above it (a figure by the share of its area above the
// point), and below the excavation level the passive side's vertical force by the share
// of the passive pressure above the point; the foot force's at the foot alone.
TEST(WandDetails, NormalForceCountsOnlyWhatActsAboveThePoint) {
    using W = WandFixture;
    WandFixture w;
    ASSERT_EQ(w.calc->CalcWand(), 1);
    C1ZirfCalc& c = *w.calc;
    const double g = c.FaktorLastfall(0);
    const double fussOben = c.Schicht[c.iSchichtFuss - 1].yu;
    // Uniform figures of 10 kN/m over layer 0 (0 ... 1.5 m), 20 kN/m over layer 1 (1.5 ... 3 m)
    // and a triangle of 40 kN/m from the top of the foot layer down to the foot; the passive
    // side 60 kN/m upward, the foot force 5 kN/m downward.
    using B = C1WandDaten::WandBeitrag;
    c.vertikalBeitraege = {
        B{0, 0, B{}.routing, 0.0, 0.0, 10.0, 0, 0.0, 1.5, 1.0, 1.0},
        B{0, 1, B{}.routing, 0.0, 0.0, 20.0, 0, 1.5, 3.0, 1.0, 1.0},
        B{0, c.iSchichtFuss, B{}.routing, 0.0, 0.0, 40.0, 0, fussOben, c.t, 0.0, 2.0},
    };
    C1ZirfCalc::Vertikalzustand v;
    v.faktor.assign(static_cast<std::size_t>(zirf::kMaxLastfaelle), g);
    v.passiv = -60.0;
    v.fussKraft = 5.0;
    const double gewicht = g * w.in.g / 100.0; // per metre
    const double einbindung = c.t - W::kHe;
    const double mitteFuss = (fussOben + c.t) / 2.0;
    // The passive pressure is a triangle from the excavation level.
    const auto passiv = [&](double y) { return -60.0 * std::pow((y - W::kHe) / einbindung, 2); };
    const struct {
        double y;
        double erwartet;
    } faelle[] = {
        {0.75, gewicht * 0.75 + g * 5.0},      // half of layer 0
        {W::kHe, gewicht * W::kHe + g * 30.0}, // excavation level
        {mitteFuss, gewicht * mitteFuss + g * (30.0 + 10.0) + passiv(mitteFuss)},
        {c.t, gewicht * c.t + g * 70.0 - 60.0 + 5.0}, // foot: everything
    };
    for (const auto& f : faelle) {
        EXPECT_NEAR(c.NormalkraftBei(f.y, true, v), f.erwartet, 1e-9) << f.y;
    }
}

} // namespace
