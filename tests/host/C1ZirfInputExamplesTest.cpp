// The example documents read member by member. Every expected value is the one written
// in the document (with the reader's conversions worked by hand where noted).

#include "InputFixture.h"

#include <gtest/gtest.h>

namespace {

using T = C1ZirfInput::Teilsicherheitsbeiwerte;

// The partial factors and sets that all three examples share.
void ExpectStandardFactors(const C1ZirfInput& in) {
    const double gammaG[] = {1.35, 1.2, 1.1};
    const double gammaQ[] = {1.5, 1.3, 1.1};
    const double gammaE0g[] = {1.2, 1.1, 1.0};
    const double gep[] = {1.4, 1.3, 1.2};
    for (int s = 1; s <= 3; ++s) {
        SCOPED_TRACE(s);
        EXPECT_DOUBLE_EQ(in.teilsicherheit.Get(T::gamma_g, s), gammaG[s - 1]);
        EXPECT_DOUBLE_EQ(in.teilsicherheit.Get(T::gamma_q, s), gammaQ[s - 1]);
        EXPECT_DOUBLE_EQ(in.teilsicherheit.Get(T::gamma_e0g, s), gammaE0g[s - 1]);
        EXPECT_DOUBLE_EQ(in.teilsicherheit.Get(T::gamma_a, s), 1.1);
        EXPECT_DOUBLE_EQ(in.teilsicherheit.Get(T::gep, s), gep[s - 1]);
        EXPECT_DOUBLE_EQ(in.teilsicherheit.Get(T::ggr, s), gep[s - 1]);
        EXPECT_DOUBLE_EQ(in.teilsicherheit.Get(T::ggl, s), 1.1);
    }
    // Load case 1 permanent (action 1), load case 2 variable (action 2).
    EXPECT_EQ(in.iLetzterLastfall, 1);
    EXPECT_EQ(in.lastfallLf[0], 1);
    EXPECT_EQ(in.lastfallLf[1], 2);
    EXPECT_EQ(in.lastfallEinw[0], 1);
    EXPECT_EQ(in.lastfallEinw[1], 2);
    EXPECT_EQ(in.lastfallLf[2], 0);
    // Surcharges in the order 1, 2; nothing in front of the wall.
    EXPECT_EQ(in.nLfFlaeche, 2);
    EXPECT_EQ(in.lfFlaeche[0], 1);
    EXPECT_EQ(in.lfFlaeche[1], 2);
    EXPECT_EQ(in.lfFlaeche[2], 0);
    EXPECT_EQ(in.nFlaechenlastVorn, 0);
    EXPECT_EQ(in.nLfFlaecheVorn, 0);
    // Design situation 1 from lastfall="0"; the code table from norm 31, laendercode 0.
    EXPECT_EQ(in.lastfall, 1);
    EXPECT_EQ(in.normKind, 3);
    EXPECT_EQ(in.iLetzteEinwirkung, 1);
    EXPECT_EQ(in.einwirkung[0].name, "ständig");
    EXPECT_EQ(in.einwirkung[0].art, 0);
    EXPECT_EQ(in.einwirkung[0].nr, 1);
    EXPECT_EQ(in.einwirkung[1].nr, 2);
    EXPECT_EQ(in.einwirkung[1].lastfaelle, "2");
    ASSERT_GE(in.kombi.size(), 2U);
    EXPECT_EQ(in.kombi[0].index, 0);
    EXPECT_EQ(in.kombi[0].art, "STR,GEO-2 BS-P");
    EXPECT_EQ(in.kombi[0].regel, "1.35*(1)+1.5*(2)");
    EXPECT_EQ(in.kombi[1].index, 1);
    EXPECT_EQ(in.kombi[1].regel, "1.35*(1)");
    EXPECT_EQ(in.iLetzteKombi, static_cast<int>(in.kombi.size()) - 1);
}

} // namespace

TEST(C1ZirfInputExamples, Kragwand) {
    InputFixture f = InputFixture::FromFile("examples/kragwand.xml");
    f.ReadAll();
    const C1ZirfInput& in = f.in;
    ExpectStandardFactors(in);
    EXPECT_NE(in.hRoot, 0);
    EXPECT_NE(in.hInput, 0);
    // allg replaces what input says.
    EXPECT_EQ(in.freeText, "Baugrube Lindenstraße, Spundwand Achse A (Kragwand)");
    EXPECT_EQ(in.nPage, 1);
    // steu
    EXPECT_EQ(in.skizze2d, 0);
    EXPECT_EQ(in.skizze3d, 0);
    EXPECT_EQ(in.skizze2d_datei, "");
    EXPECT_EQ(in.berart, 0);
    EXPECT_EQ(in.system, 3);
    EXPECT_EQ(in.nwstand, 0);
    EXPECT_EQ(in.erhstand, 0);
    EXPECT_EQ(in.nwwand, 0);
    EXPECT_EQ(in.erhwand, 100);
    EXPECT_EQ(in.kumlag, 0);
    EXPECT_EQ(in.druck_nach, 1);
    EXPECT_EQ(in.druck_bau, 0);
    EXPECT_EQ(in.mitverd, 0);
    // geom; rundung 5 cm = 0.05 m
    EXPECT_DOUBLE_EQ(in.wand_hw, 3.0);
    EXPECT_DOUBLE_EQ(in.wand_hw2, 3.0);
    EXPECT_DOUBLE_EQ(in.einbindetiefe, 0.0);
    EXPECT_DOUBLE_EQ(in.rundung, 0.05);
    EXPECT_EQ(in.einspannung, 100);
    EXPECT_DOUBLE_EQ(in.hoehenkote, 52.30);
    EXPECT_EQ(in.mitanker, 0);
    EXPECT_EQ(in.anker, 0);
    EXPECT_EQ(in.mitberme, 0);
    EXPECT_DOUBLE_EQ(in.eta_p, 1.0);
    EXPECT_DOUBLE_EQ(in.tgh, 2.0);
    EXPECT_DOUBLE_EQ(in.tgv, 3.5);
    // mate
    EXPECT_EQ(in.profilName, "Spundwandprofil U 1600");
    EXPECT_DOUBLE_EQ(in.wely, 1600.0);
    EXPECT_DOUBLE_EQ(in.Iy, 38000.0);
    EXPECT_DOUBLE_EQ(in.A, 150.0);
    EXPECT_DOUBLE_EQ(in.g, 118.0);
    EXPECT_EQ(in.stahlName, "S 355 GP");
    EXPECT_DOUBLE_EQ(in.E, 210000.0);
    EXPECT_DOUBLE_EQ(in.stahl_fyk, 355.0);
    EXPECT_DOUBLE_EQ(in.stahl_gamma_m, 1.1);
    EXPECT_DOUBLE_EQ(in.gamma, 78.5);
    EXPECT_EQ(in.ankerName, "");
    // bode: codes 7 and 1 give +2/3 phi and -2/3 phi
    ASSERT_EQ(in.nSchicht, 3);
    EXPECT_EQ(in.in_grad, 0);
    struct Layer {
        int nr;
        const char* bez;
        const char* kurz;
        double sd, gamma, gammaFeucht, phi, coh;
    };
    const Layer layers[] = {{1, "Auffüllung, Sand-Kies", "A", 1.2, 18, 10, 30, 0},
                            {2, "Sand, mitteldicht", "S", 2.8, 19, 11, 32.5, 0},
                            {3, "Geschiebemergel, steif", "Mg", 8.0, 21, 11, 27.5, 5}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const auto& s = in.schicht[static_cast<std::size_t>(i)];
        const Layer& e = layers[i];
        EXPECT_EQ(s.nr, e.nr);
        EXPECT_EQ(s.bez, e.bez);
        EXPECT_EQ(s.kurz, e.kurz);
        EXPECT_DOUBLE_EQ(s.sd, e.sd);
        EXPECT_DOUBLE_EQ(s.gamma, e.gamma);
        EXPECT_DOUBLE_EQ(s.gamma_feucht, e.gammaFeucht);
        EXPECT_DOUBLE_EQ(s.phi, e.phi);
        EXPECT_DOUBLE_EQ(s.delta, 2.0 * e.phi / 3.0);
        EXPECT_DOUBLE_EQ(s.deltp, -2.0 * e.phi / 3.0);
        EXPECT_DOUBLE_EQ(s.coh, e.coh);
        EXPECT_DOUBLE_EQ(s.deltax, 0.0);
    }
    EXPECT_EQ(in.schicht[3].nr, 0);
    // bome
    EXPECT_EQ(in.miterdwiderstand, 1);
    EXPECT_EQ(in.erdwiderstandprozent, 100);
    EXPECT_DOUBLE_EQ(in.faktor, 1.0);
    // last: surcharges 10 (lf 1) and 20 (lf 2), head load h = 5 (lf 2)
    ASSERT_EQ(in.nFlaechenlast, 2);
    EXPECT_EQ(in.flaechenlast[0].lf, 1);
    EXPECT_EQ(in.flaechenlast[0].bez, "Lagerfläche");
    EXPECT_DOUBLE_EQ(in.flaechenlast[0].v, 10.0);
    EXPECT_EQ(in.flaechenlast[1].lf, 2);
    EXPECT_DOUBLE_EQ(in.flaechenlast[1].v, 20.0);
    ASSERT_EQ(in.nKopflast, 1);
    EXPECT_EQ(in.kopflast[0].lf, 2);
    EXPECT_EQ(in.kopflast[0].stelle, 0);
    EXPECT_EQ(in.kopflast[0].bez, "Geländerholm");
    EXPECT_DOUBLE_EQ(in.kopflast[0].h, 5.0);
    EXPECT_EQ(in.nBlocklast, 0);
    EXPECT_EQ(in.nLinienlast, 0);
    EXPECT_DOUBLE_EQ(in.maxLast, 20.0); // the larger surcharge
    // ausg
    EXPECT_EQ(in.txt_eingabe, 1);
    EXPECT_EQ(in.txt_profilwahl, 1);
    EXPECT_EQ(in.alle_lastfaelle, 0);
    EXPECT_EQ(in.relevante_lastfaelle, 1);
    EXPECT_EQ(in.txt_tgf_ankerkraft, 0);
    EXPECT_EQ(in.grafik[C1ZirfInput::kGrafikSystem], 1);
    EXPECT_EQ(in.grafik[C1ZirfInput::kGrafikSchnittgroessen], 1);
    EXPECT_EQ(in.grafikDatei[0], 0);
    // lastUeberlagerung: the variable action takes set 2 "Verkehrslasten"
    EXPECT_EQ(in.einwirkung[1].art, 1);
    EXPECT_EQ(in.einwirkung[1].indexKategorie, 2);
    EXPECT_EQ(in.einwirkung[1].name, "Verkehrslasten");
    EXPECT_DOUBLE_EQ(in.einwirkung[1].psi0, 0.75);
    EXPECT_DOUBLE_EQ(in.einwirkung[1].psi2, 0.2);
    EXPECT_EQ(in.nEinwirkungQ, 1);
    EXPECT_EQ(in.kombi.size(), 2U);
}

TEST(C1ZirfInputExamples, AnkerFrei) {
    InputFixture f = InputFixture::FromFile("examples/anker_frei.xml");
    f.ReadAll();
    const C1ZirfInput& in = f.in;
    ExpectStandardFactors(in);
    EXPECT_EQ(in.nPage, 12);
    EXPECT_EQ(in.system, 1);
    EXPECT_EQ(in.einspannung, 0); // system 1: free foot
    EXPECT_DOUBLE_EQ(in.rundung, 0.10);
    EXPECT_EQ(in.mitanker, 1);
    EXPECT_EQ(in.anker, 1);
    EXPECT_DOUBLE_EQ(in.tiefe_anker, 1.5);
    EXPECT_DOUBLE_EQ(in.ankerneigung, 20.0);
    EXPECT_DOUBLE_EQ(in.ankerlaenge, 14.0);
    EXPECT_DOUBLE_EQ(in.ankerabstand, 2.5);
    EXPECT_DOUBLE_EQ(in.tgh, 3.0);
    EXPECT_DOUBLE_EQ(in.tgv, 6.5);
    // Grouted anchor.
    EXPECT_EQ(in.ankerName, "Verpressanker Stab 32 mm");
    EXPECT_EQ(in.typ, 0);
    EXPECT_DOUBLE_EQ(in.as_min, 8.04);
    EXPECT_DOUBLE_EQ(in.a_kern, 6.95);
    EXPECT_DOUBLE_EQ(in.d_vk, 15.0);
    EXPECT_DOUBLE_EQ(in.fyk, 555.0);
    EXPECT_DOUBLE_EQ(in.fuak, 700.0);
    EXPECT_DOUBLE_EQ(in.gamma_m, 1.15);
    EXPECT_DOUBLE_EQ(in.gamma_mb, 1.25);
    EXPECT_DOUBLE_EQ(in.qsk, 150.0);
    EXPECT_DOUBLE_EQ(in.lv, 5.0);
    // Wall friction in degrees (in_grad 1): taken as written.
    ASSERT_EQ(in.nSchicht, 3);
    EXPECT_EQ(in.in_grad, 1);
    EXPECT_DOUBLE_EQ(in.schicht[1].delta, 23.3);
    EXPECT_DOUBLE_EQ(in.schicht[1].deltp, -17.5);
    EXPECT_DOUBLE_EQ(in.schicht[2].coh, 10.0);
    // Head load v 10, h 5 and surcharges 10, 20: the largest is 20.
    ASSERT_EQ(in.nKopflast, 1);
    EXPECT_DOUBLE_EQ(in.kopflast[0].v, 10.0);
    EXPECT_DOUBLE_EQ(in.maxLast, 20.0);
    // The third combination is no STR,GEO case but is read all the same.
    ASSERT_EQ(in.kombi.size(), 3U);
    EXPECT_EQ(in.kombi[2].index, 2);
    EXPECT_EQ(in.kombi[2].art, "SLS charakteristisch");
    EXPECT_EQ(in.iLetzteKombi, 2);
    EXPECT_EQ(in.txt_tgf_ankerkraft, 1);
}

TEST(C1ZirfInputExamples, AnkerEingespannt) {
    InputFixture f = InputFixture::FromFile("examples/anker_eingespannt.xml");
    f.ReadAll();
    const C1ZirfInput& in = f.in;
    ExpectStandardFactors(in);
    EXPECT_EQ(in.system, 3);
    EXPECT_EQ(in.einspannung, 100); // system 3: fixed foot
    EXPECT_DOUBLE_EQ(in.wand_hw, 7.5);
    EXPECT_DOUBLE_EQ(in.tiefe_anker, 2.0);
    EXPECT_DOUBLE_EQ(in.tgh, 4.0);
    EXPECT_DOUBLE_EQ(in.tgv, 8.0);
    EXPECT_EQ(in.typ, 1);
    EXPECT_DOUBLE_EQ(in.qsk1, 400.0);
    EXPECT_DOUBLE_EQ(in.ankertafel_l, 1.5);
    EXPECT_DOUBLE_EQ(in.ankertafel_b, 1.0);
    EXPECT_EQ(in.stahlName, "S 430 GP");
    EXPECT_DOUBLE_EQ(in.stahl_fyk, 430.0);
    // Two layers; codes 7/1 (+-2/3 phi) and 6/2 (+-1/2 phi).
    ASSERT_EQ(in.nSchicht, 2);
    EXPECT_DOUBLE_EQ(in.schicht[0].delta, 32.5 * 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(in.schicht[1].delta, 37.5 / 2.0);
    EXPECT_DOUBLE_EQ(in.schicht[1].deltp, -37.5 / 2.0);
    // Block load (lf 1) and line load (lf 2); the line load's v 80 is the largest value.
    ASSERT_EQ(in.nBlocklast, 1);
    EXPECT_EQ(in.blockArt[0], 2);
    EXPECT_EQ(in.blocklast[0].lf, 1);
    EXPECT_EQ(in.blocklast[0].bez, "Streifenfundament");
    EXPECT_DOUBLE_EQ(in.blocklast[0].v, 50.0);
    EXPECT_DOUBLE_EQ(in.blocklast[0].x, 2.0);
    EXPECT_DOUBLE_EQ(in.blocklast[0].b, 1.0);
    EXPECT_DOUBLE_EQ(in.blocklast[0].y, 0.8);
    ASSERT_EQ(in.nLinienlast, 1);
    EXPECT_EQ(in.linienlast[0].lf, 2);
    EXPECT_EQ(in.linienlast[0].bez, "Kranbahn");
    EXPECT_DOUBLE_EQ(in.linienlast[0].v, 80.0);
    EXPECT_DOUBLE_EQ(in.linienlast[0].h, 10.0);
    EXPECT_DOUBLE_EQ(in.linienlast[0].x, 3.0);
    EXPECT_DOUBLE_EQ(in.linienlast[0].y, 0.5);
    ASSERT_EQ(in.nKopflast, 1);
    EXPECT_DOUBLE_EQ(in.kopflast[0].h, 15.0);
    EXPECT_DOUBLE_EQ(in.maxLast, 80.0);
    // indexGruppe 2 lies in 1..12: one variable action.
    EXPECT_EQ(in.einwirkung[1].art, 2);
    EXPECT_EQ(in.nEinwirkungQ, 1);
    EXPECT_EQ(in.einwirkung[1].name, "Kranlasten");
}
