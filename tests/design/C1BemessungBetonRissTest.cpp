#include "design/C1BemessungBeton.h"
#include "platform/C1Exception.h"
#include "sectionlib/Riss.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

// Hand values after EN 1992-1-1 7.3 (C30/37 with fctm 2.9 N/mm²; units cm, kN, N/mm²).

namespace {

C1BemessungBeton Beton(int norm, int variante, int iQuer, const double (&d)[9],
                       double cover = 5.0) {
    C1BemessungBeton be(norm);
    be.NormVariante = variante;
    be.BetonSorte.fck = 30.0;
    be.BetonSorte.fctm = 2.9;
    be.SetQuerschnitt(iQuer, d, cover, cover, cover, cover);
    return be;
}

C1BemessungBeton Rechteck(int norm, int variante, double b, double h) {
    const double d[9] = {b, h};
    return Beton(norm, variante, 1, d);
}

TEST(C1BemessungBetonRiss, FactorsOfTheMinimumReinforcement) {
    const struct {
        double h, k, kDin;
    } dicken[] = {{20.0, 1.0, 0.8},
                  {30.0, 1.0, 0.8},
                  {55.0, 0.825, 0.65},
                  {80.0, 0.65, 0.5},
                  {120.0, 0.65, 0.5}};
    for (const auto& f : dicken) {
        EXPECT_NEAR(RissBeiwertK(f.h), f.k, 1e-12) << f.h;
        EXPECT_NEAR(RissBeiwertKDin(f.h), f.kDin, 1e-12) << f.h;
    }

    // (7.2): kc = 0.4·(1 − σc/(k1·(h/h*)·fct,eff)), σc = −10·N/A N/mm² (compression
    // positive), k1 = 1.5 under compression, 2h*/(3h) under tension.
    //   30/50, N = ∓100 kN: |σc| = 0.667; compression 0.4·(1 − 0.667/(1.5·2.9)) = 0.3387,
    //   tension 0.4·(1 + 0.667/(2/3·2.9)) = 0.5379.
    //   30/150 (h* = 100), N = −300 kN: 0.4·(1 − 0.667/(1.5·1.5·2.9)) = 0.3591; under
    //   tension k1·h/h* = 2/3 again: 0.5379.
    const struct {
        const char* was;
        double N, A, h, fct, kc;
    } faelle[] = {
        {"bending", 0.0, 1500.0, 50.0, 2.9, 0.4},
        {"compression", -100.0, 1500.0, 50.0, 2.9, 0.338697},
        {"tension", 100.0, 1500.0, 50.0, 2.9, 0.537931},
        {"deep, compression", -300.0, 4500.0, 150.0, 2.9, 0.359131},
        {"deep, tension", 300.0, 4500.0, 150.0, 2.9, 0.537931},
        {"large tension", 2000.0, 1500.0, 50.0, 2.9, 1.0},
        {"large compression", -2000.0, 1500.0, 50.0, 2.9, 0.0},
        {"no area", 100.0, 0.0, 50.0, 2.9, 0.0},
        {"no tensile strength", 100.0, 1500.0, 50.0, 0.0, 0.0},
    };
    for (const auto& f : faelle) {
        EXPECT_NEAR(RissBeiwertKcLast(f.N, f.A, f.h, f.fct), f.kc, 1e-6) << f.was;
    }
}

// Under load: the section 30/50 with 2 + 2 cm² in two layers, under N = 100 kN tension
// and no moment, is in tension all over: σs = 100/4 = 25 kN/cm² = 250 N/mm² and the
// tension depth is h = 50. h − d is the cover 5 without a bending design before.
//   Table 7.2N, wk 0.3: 16 − (250 − 240)/40·4 = 15 mm;
//   uniform tension, (7.7N): φs = 15·(2.9/2.9)·50/(8·5) = 18.75 → 18 (the bending
//   rule (7.6N) would allow 15·0.5379·50/(2·5) = 40.3).
//   German annex: φs* = 0.3·3.48·10⁶/250² = 16.70, k(50) = 0.86,
//   φs = 16.70·max(1, 0.5379·0.86·50/(4·5)) = 16.70·1.1566 = 19.3 → 19.
//   DIN 1045-1 with N = 300 kN on 6 + 6 cm²: σs 250, φs = 16.70·max(2.9/3.0,
//   250·12/(4·5·30·3.0)) = 16.70·1.667 = 27.8 → 27.
TEST(C1BemessungBetonRiss, LimitDiameterUnderLoad) {
    const struct {
        const char* was;
        int norm, variante;
        double N, As, wk;
        int ds;
    } faelle[] = {
        {"EN 1992", 6, 0, 100.0, 4.0, 0.3, 18},
        {"German annex", 6, 1, 100.0, 4.0, 0.3, 19},
        {"DIN 1045-1", 3, 0, 300.0, 12.0, 0.3, 27},
    };
    for (const auto& f : faelle) {
        C1BemessungBeton b = Rechteck(f.norm, f.variante, 30.0, 50.0);
        C1RissEingabe e;
        e.last = true;
        e.N = f.N;
        e.c1 = e.c2 = f.As / 2.0;
        e.wk = f.wk;
        C1RissErg r;
        EXPECT_EQ(b.RissCalc(e, r), 1) << f.was;
        EXPECT_NEAR(r.sigmaS, 250.0, 0.5) << f.was;
        EXPECT_EQ(r.grenzDs, f.ds) << f.was;
        EXPECT_EQ(r.N, f.N) << f.was;
        EXPECT_EQ(r.statusLast, 0) << f.was;
        EXPECT_EQ(b.Modus, 0) << f.was; // the analysis mode is the run's only
    }

    // An effective depth from a bending design before gives the same h − d = 5.
    C1BemessungBeton b = Rechteck(6, 0, 30.0, 50.0);
    double As1 = 0, As2 = 0, w10 = 0, w11 = 0;
    b.CalcBiegungWerte(0.0, 150.0, 1, 1, As1, As2, w10, w11);
    ASSERT_NEAR(b.BiegeErg.w[0], 45.0, 1e-6);
    C1RissEingabe e;
    e.last = true;
    e.N = 100.0;
    e.c1 = e.c2 = 2.0;
    C1RissErg r;
    b.RissCalcLast(e, r);
    EXPECT_EQ(r.grenzDs, 18);
}

TEST(C1BemessungBetonRiss, LoadCasesWithoutALimitOrWithoutAResult) {
    C1BemessungBeton b = Rechteck(6, 0, 30.0, 50.0);
    C1RissEingabe e;
    e.last = true;
    e.c1 = e.c2 = 2.0;
    C1RissErg r;

    // No forces, or bars in compression: no limit (56).
    EXPECT_EQ(b.RissCalcLast(e, r), 1);
    EXPECT_EQ(r.grenzDs, 56);
    e.N = -500.0;
    EXPECT_EQ(b.RissCalcLast(e, r), 1);
    EXPECT_EQ(r.grenzDs, 56);
    EXPECT_EQ(r.sigmaS, 0.0);

    // 425 N/mm² lies beyond the table's wk 0.2 column: no bar passes.
    e.N = 170.0;
    e.wk = 0.2;
    EXPECT_EQ(b.RissCalcLast(e, r), 1);
    EXPECT_NEAR(r.sigmaS, 425.0, 0.5);
    EXPECT_EQ(r.grenzDs, 0);
    EXPECT_EQ(r.statusLast, RISS_AUSSERHALB);
    EXPECT_FALSE(r.text.empty());

    // The reinforcement cannot carry the force: no result, and no limit of 56 either.
    e.N = 1000.0;
    e.wk = 0.3;
    EXPECT_EQ(b.RissCalcLast(e, r), 0);
    EXPECT_EQ(r.grenzDs, 0);
    EXPECT_NE(r.statusLast, 0);
    EXPECT_FALSE(r.text.empty());
}

// Under restraint: As = kc·k·fct,eff·Act/σs with σs from Table 7.2N (EN 1992) or from
// φs* = wk·3.48·10⁶/σs² (German rules) for the bar φs* = φs·2.9/fct,eff (3.0 under
// DIN 1045-1). Rectangle 30/50, bar 16 mm, wk 0.3, fct,eff = 2.9: σs = 240 (table).
//   direction 3, bending: kc 0.4, k(30) 1 → 0.4·0.29·1500/24 = 7.25 cm²
//   direction 3, centric tension: kc 1 → 18.125 cm²
//   direction 1 (about y): Act = 750, k(50) = 0.86, (7.3) kc = max(0.5, 0.9·0.5) = 0.5
//     → 0.5·0.86·0.29·750/24 = 3.897 cm²; direction 2: k(30) = 1 → 4.531 cm²
//   early restraint with 0.5·fctm: fct,eff 1.45, φs* = 32 → σs 160,
//     As = 0.145·1500/16 = 13.59 cm²
//   fct,eff 3.5 given: φs* = 16·2.9/3.5 = 13.26 → σs = 240 + (16 − 13.26)·10 = 267.4,
//     As = 0.4·0.35·1500/26.74 = 7.85 cm²
TEST(C1BemessungBetonRiss, MinimumReinforcementUnderRestraint) {
    const double phi = 16.0 * 2.9 / 3.5;
    const double sigma35 = 240.0 + (16.0 - phi) * 10.0;
    const struct {
        const char* was;
        int richtung, art;
        bool frueh;
        double fct, As;
    } faelle[] = {
        {"whole section, bending", 3, 1, false, 0.0, 7.25},
        {"whole section, tension", 3, 2, false, 0.0, 18.125},
        {"about y", 1, 1, false, 0.0, 0.5 * 0.86 * 0.29 * 750.0 / 24.0},
        {"about z", 2, 1, false, 0.0, 0.5 * 1.0 * 0.29 * 750.0 / 24.0},
        {"early restraint", 3, 2, true, 0.0, 0.145 * 1500.0 / 16.0},
        {"given tensile strength", 3, 1, false, 3.5, 0.4 * 0.35 * 1500.0 / (sigma35 / 10.0)},
    };
    for (const auto& f : faelle) {
        C1BemessungBeton b = Rechteck(6, 0, 30.0, 50.0);
        C1RissEingabe e;
        e.zwang = true;
        e.ds = 16;
        e.fct = f.fct;
        e.art[f.richtung - 1] = f.art;
        e.flag[f.richtung - 1] = f.frueh;
        e.fctmFaktor = 0.5;
        C1RissErg r;
        EXPECT_EQ(b.RissCalc(e, r), 1) << f.was;
        EXPECT_NEAR(r.As[f.richtung - 1], f.As, 0.005) << f.was;
        EXPECT_EQ(r.statusZwang[f.richtung - 1], 0) << f.was;
        for (int i = 0; i < 3; ++i) {
            if (i != f.richtung - 1) {
                EXPECT_EQ(r.As[i], 0.0) << f.was;
            }
        }
        const double fct = f.frueh ? 1.45 : f.fct > 0.0 ? f.fct : 2.9;
        EXPECT_NEAR(r.fct, fct, 1e-12) << f.was;
    }
    // The uncracked tension zone of the rectangle in bending about y: half of it.
    C1BemessungBeton b = Rechteck(6, 0, 30.0, 50.0);
    C1RissEingabe e;
    e.zwang = true;
    e.ds = 16;
    e.art[0] = 1;
    C1RissErg r;
    b.RissCalcZwang(1, e, r);
    EXPECT_NEAR(r.zug[0], 750.0, 1e-9);
}

// The flange of a T-beam in tension (7.3): bo/do/bu/du = 100/10/20/80, top in tension.
// Centroid below the top zt = (1000·5 + 1600·50)/2600 = 32.69; the stress falls from
// fct at the top to fct·(1 − 10/32.69) at the flange's underside, so
// Fcr/(Act·fct) = 1 − 10/(2·32.69) = 0.847 and kc = 0.9·0.847 = 0.762 (not the floor 0.5);
// Act = 1000, flange depth 10.
//   EN 1992: k(10) = 1, σs 240: As = 0.762·0.29·1000/24 = 9.21 cm²
//   DIN 1045-1: k = 0.8, φs* = 16·3.0/2.9 = 16.55, σs = √(0.3·3.48·10⁶/16.55) = 251.1:
//     As = 0.762·0.8·0.29·1000/25.11 = 7.04 cm²
TEST(C1BemessungBetonRiss, FlangeInTension) {
    const double zt = (1000.0 * 5.0 + 1600.0 * 50.0) / 2600.0;
    const double kc = 0.9 * (1.0 - 10.0 / (2.0 * zt));
    const double sigmaDin = std::sqrt(0.3 * 3.48e6 / (16.0 * 3.0 / 2.9));
    const struct {
        const char* was;
        int norm;
        double As;
    } faelle[] = {
        {"EN 1992", 6, kc * 1.0 * 0.29 * 1000.0 / 24.0},
        {"DIN 1045-1", 3, kc * 0.8 * 0.29 * 1000.0 / (sigmaDin / 10.0)},
    };
    const double d[9] = {100.0, 10.0, 20.0, 80.0};
    for (const auto& f : faelle) {
        C1BemessungBeton b = Beton(f.norm, 0, 2, d);
        C1RissEingabe e;
        e.zwang = true;
        e.ds = 16;
        e.art[0] = 1;
        e.My = -1.0;
        C1RissErg r;
        EXPECT_EQ(b.RissCalcZwang(1, e, r), 1) << f.was;
        EXPECT_NEAR(r.As[0], f.As, 0.005) << f.was;
    }
    EXPECT_NEAR(kc, 0.762, 0.001);
}

// German rules, thick member under centric restraint (30/100, cover 5, bar 16):
// σs = √(0.3·3.48·10⁶/16) = 255.4; by (7.1) As = 0.29·3000/25.54 = 34.06 cm²;
// h/d1 = 20 → hc,ef = (2.5 + 15·2.5/25)·5 = 20 cm per face:
// max(20·30·0.29/25.54, k·fct·Act/2/fyk = 0.29·1500/50) = max(6.81, 8.70) per face
// → As = 2·8.70 = 17.40 cm².
TEST(C1BemessungBetonRiss, ThickMemberUnderCentricRestraint) {
    C1BemessungBeton b = Rechteck(6, 1, 30.0, 100.0);
    C1RissEingabe e;
    e.zwang = true;
    e.ds = 16;
    e.art[2] = 2;
    C1RissErg r;
    EXPECT_EQ(b.RissCalcZwang(3, e, r), 1);
    EXPECT_NEAR(r.As[2], 17.40, 0.005);

    // Recommended values: no such reduction.
    C1BemessungBeton en = Rechteck(6, 0, 30.0, 100.0);
    en.RissCalcZwang(3, e, r);
    EXPECT_NEAR(r.As[2], 0.29 * 3000.0 / 24.0, 0.005);
}

TEST(C1BemessungBetonRiss, RefusalsAndMissingInput) {
    // Oblique bending is refused; a second moment up to 0.1 counts as none.
    C1BemessungBeton b = Rechteck(6, 0, 30.0, 50.0);
    C1RissEingabe e;
    e.zwang = true;
    e.ds = 16;
    e.art[0] = 1;
    e.My = 2.0;
    e.Mz = -3.0;
    C1RissErg r;
    try {
        b.RissCalcZwang(1, e, r);
        ADD_FAILURE() << "oblique bending accepted";
    } catch (const C1Exception& ex) {
        EXPECT_EQ(ex.text, "schiefe Biegung nicht möglich");
        EXPECT_EQ(ex.module, "C1BemessungEC2::RissCalcZwang");
    }
    e.Mz = 0.05;
    EXPECT_EQ(b.RissCalcZwang(1, e, r), 1);

    // Nothing to compute: 0 and the output untouched.
    const struct {
        const char* was;
        int richtung, art, ds;
        bool zwang;
    } leer[] = {{"no kind", 1, 0, 16, true},
                {"no bar", 1, 1, 0, true},
                {"no flag", 1, 1, 16, false},
                {"direction 0", 0, 1, 16, true},
                {"direction 4", 4, 1, 16, true}};
    for (const auto& f : leer) {
        C1RissEingabe x;
        x.zwang = f.zwang;
        x.ds = f.ds;
        x.art[0] = f.art;
        C1RissErg aus;
        aus.As[0] = -1.0;
        EXPECT_EQ(b.RissCalcZwang(f.richtung, x, aus), 0) << f.was;
        EXPECT_EQ(aus.As[0], -1.0) << f.was;
        EXPECT_EQ(aus.statusZwang[0], 0) << f.was;
    }
    C1RissErg aus;
    EXPECT_EQ(b.RissCalc(C1RissEingabe{}, aus), 0);

    // A bar larger than the table allows (40 mm at wk 0.3): no stress, no area.
    e.Mz = 0.0;
    e.ds = 40;
    EXPECT_EQ(b.RissCalcZwang(1, e, aus), 0);
    EXPECT_EQ(aus.statusZwang[0], RISS_AUSSERHALB);
    EXPECT_EQ(aus.As[0], 0.0);
    EXPECT_NE(aus.text.find("40 mm"), std::string::npos);

    // SIA: the library refuses the code, nothing is computed under another.
    C1BemessungBeton sia = Rechteck(4, 0, 30.0, 50.0);
    e.ds = 16;
    EXPECT_EQ(sia.RissCalcZwang(1, e, aus), 0);
    EXPECT_EQ(aus.statusZwang[0], RISS_NORM);
    C1RissEingabe last;
    last.last = true;
    last.N = 100.0;
    last.c1 = last.c2 = 2.0;
    EXPECT_EQ(sia.RissCalcLast(last, aus), 0);
    EXPECT_NE(aus.statusLast, 0);

    // Code 1 and masonry.
    const struct {
        const char* was;
        int norm;
        bool mauerwerk;
        int teil; // 0 RissCalc, 1 under load, 2 under restraint
        const char* modul;
        const char* text;
    } weg[] = {
        {"code 1", 1, false, 0, "C1BemessungBeton::RissCalc",
         "Funktion für DIN 1045 (iNorm = 1) nicht zugelassen"},
        {"masonry, load", 6, true, 1, "C1BemessungBeton::RissCalcLast",
         "Funktion für Mauerwerksnachweis nicht zugelassen"},
        {"masonry, restraint", 6, true, 2, "C1BemessungBeton::RissCalcZwang",
         "Funktion für Mauerwerksnachweis nicht zugelassen"},
    };
    for (const auto& f : weg) {
        C1BemessungBeton x(f.norm);
        x.bMauerwerk = f.mauerwerk;
        try {
            if (f.teil == 0) {
                x.RissCalc(last, aus);
            } else if (f.teil == 1) {
                x.RissCalcLast(last, aus);
            } else {
                x.RissCalcZwang(1, e, aus);
            }
            ADD_FAILURE() << "no refusal: " << f.was;
        } catch (const C1Exception& ex) {
            EXPECT_EQ(ex.text, f.text) << f.was;
            EXPECT_EQ(ex.module, f.modul) << f.was;
        }
    }
}

TEST(C1BemessungBetonRiss, ForwardersTakeTheObjectsCode) {
    // Table 7.2N at wk 0.3 and 240 N/mm²: 16 mm; German rule 0.3·3.48·10⁶/240² = 18.1 mm.
    C1BemessungBeton b(6);
    double ds = 0.0, sigma = 240.0;
    EXPECT_EQ(b.CalcZWANG_TABELLE_LIM_DS(RISS_FALL_LAST, 3, &ds, &sigma), RISS_OK);
    EXPECT_NEAR(ds, 16.0, 1e-9);
    b.NormVariante = 1;
    EXPECT_EQ(b.CalcZWANG_TABELLE_LIM_DS(RISS_FALL_LAST, 3, &ds, &sigma), RISS_OK);
    EXPECT_NEAR(ds, 18.125, 1e-9);

    // kc of (7.2) from the state values: bending 0.4, centric tension 1.0.
    const double d[10] = {0.0, 30.0, 50.0};
    double a[7] = {};
    EXPECT_EQ(b.CalcQUER_FLAECHEN(1, d, a[0], a[1], a[2], a[3], a[4], a[5], a[6]), RISS_OK);
    EXPECT_EQ(a[0], 1500.0);
    for (int art : {RISS_ART_BIEGUNG, RISS_ART_ZUG}) {
        double z1 = 0, z2 = 0, z3 = 0;
        EXPECT_EQ(b.CalcZUGFLAECHE_I(1, d, 0.0, 3, art, z1, z2, z3), RISS_OK);
        const double s = b.CalcDehnungSchwerAchse(1, z3, d, 0.0, 3, art);
        EXPECT_NEAR(0.4 * (1.0 + s / 1.5), art == RISS_ART_BIEGUNG ? 0.4 : 1.0, 1e-12);
    }

    C1BemessungBeton sia(4);
    double z1 = 0, z2 = 0, z3 = 0;
    EXPECT_EQ(sia.CalcZUGFLAECHE_I(1, d, 0.0, 3, 1, z1, z2, z3), RISS_NORM);
    EXPECT_EQ(sia.CalcZWANG_TABELLE_LIM_DS(RISS_FALL_LAST, 3, &ds, &sigma), RISS_NORM);
}

} // namespace
