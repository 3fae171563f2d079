#include "design/C1BemessungBeton.h"
#include "platform/C1Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <initializer_list>
#include <string>

// Hand values: EN 1992-1-1 6.2 (recommended values) worked by calculator for the beam
// b/h = 30/50 cm, cover 5 (d = 45 cm), C30/37 (γc 1.5, fcd = 0.85·30/1.5 = 17), links
// B500 (fywd = 500/1.15 = 434.8):
//   k = 1 + √(200/450) = 1.667; (100·0.01·30)^(1/3) = 3.107
//   VRd,c = 0.18/1.5·1.667·3.107·300·450 = 83.9 kN
//   ν = 0.6·(1 − 30/250) = 0.528; VRd,max(cot θ 2.5) = 300·405·0.528·17/(2.5 + 0.4) = 376 kN
//   asw = 250 000/(405·434.8·2.5) = 0.568 mm²/mm = 5.68 cm²/m
//   ρw,min = 0.08·√30/500 = 0.000876 → asw,min = 0.000876·300·10 = 2.63 cm²/m
// Minimum links of two 6 mm legs: 2·0.2826 cm²·100/s = 56.52/s cm²/m.

namespace {

constexpr double kBuegel = 56.52;

C1BemessungBeton Beton(int norm, int variante, int iQuer, double d1, double d2 = 0.0,
                       double cover = 5.0) {
    C1BemessungBeton be(norm);
    be.NormVariante = variante;
    be.BetonSorte.fck = 30.0;
    be.BetonSorte.fctm = 2.9;
    const double d[9] = {d1, d2};
    be.SetQuerschnitt(iQuer, d, cover, cover, cover, cover);
    return be;
}

C1SchubEingabe Last(double V, double AsL) {
    C1SchubEingabe e;
    e.V = V;
    e.As[0] = AsL;
    return e;
}

// VRd,c of EN 1992-1-1 (6.2.a/b) without axial force, recommended values; cm, cm² → kN.
double VRdc(double bw, double d, double AsL) {
    const double k = std::min(2.0, 1.0 + std::sqrt(200.0 / (d * 10.0)));
    const double rho = std::min(0.02, AsL / (bw * d));
    const double v = 0.18 / 1.5 * k * std::cbrt(100.0 * rho * 30.0);
    const double vmin = 0.035 * std::pow(k, 1.5) * std::sqrt(30.0);
    return std::max(v, vmin) * bw * d * 100.0 / 1000.0;
}

TEST(C1BemessungBetonSchub, TextbookBeam) {
    C1BemessungBeton b = Beton(6, 0, 1, 30.0, 50.0);
    C1SchubErg r;
    EXPECT_EQ(b.CalcSchub(Last(50.0, 13.5), r, nullptr), 2); // VEd ≤ VRd,c
    EXPECT_NEAR(r.w[0], 83.9, 0.05);
    EXPECT_NEAR(r.w[12], 45.0, 1e-9);
    EXPECT_NEAR(r.w[13], 1.0, 1e-9);
    EXPECT_NEAR(r.w[3], 2.63, 0.01); // the code minimum of a beam
    EXPECT_NEAR(r.w[5], 2.63, 0.01);
    EXPECT_TRUE(r.text.empty());

    C1SchubEingabe e = Last(250.0, 13.5);
    e.z = 40.5;
    e.cotTheta = 2.5;
    EXPECT_EQ(b.CalcSchub(e, r, nullptr), 1); // links by calculation
    EXPECT_NEAR(r.w[3], 5.68, 0.01);
    EXPECT_NEAR(r.w[1], 376.0, 0.5);
    EXPECT_NEAR(r.w[2], 2.5, 1e-12);
    EXPECT_NEAR(r.w[14], 2.5, 1e-12);
    EXPECT_NEAR(r.w[9], 40.5, 1e-9);
    EXPECT_EQ(b.SchubErg.status, 1);
    EXPECT_NEAR(b.SchubErg.w[3], 5.68, 0.01);

    // Links at 45°: (cot θ + cot α)·sin α = 3.5·0.7071 in place of 2.5.
    C1SchubAllg allg;
    allg.winkel = 45.0;
    EXPECT_EQ(b.SetSchubAllg(allg), 1);
    b.CalcSchub(e, r, nullptr);
    EXPECT_NEAR(r.w[3], 5.68 * 2.5 / (3.5 * std::sqrt(0.5)), 0.01);

    // The result goes with a copy.
    const C1BemessungBeton kopie(b);
    EXPECT_NEAR(kopie.SchubErg.w[3], r.w[3], 1e-12);

    // A host that gives the section more dimension places than the shapes use: the
    // design reads the shape's own, and nothing beyond its record.
    C1BemessungBeton mehr = Beton(6, 0, 1, 30.0, 50.0);
    mehr.nDim = 41;
    EXPECT_EQ(mehr.CalcSchub(Last(50.0, 13.5), r, nullptr), 2);
    EXPECT_NEAR(r.w[0], 83.9, 0.05);
    // The same for a circle, whose rectangle comes from a bending run (d 40, cover 5:
    // b 26.46, h 30, VRd,c 53.9 kN with AsL 8 cm²).
    C1BemessungBeton kreis = Beton(6, 0, 7, 40.0);
    kreis.nDim = 41;
    EXPECT_EQ(kreis.CalcSchub(Last(30.0, 8.0), r, nullptr), 2);
    EXPECT_NEAR(r.w[0], 53.9, 0.05);
}

TEST(C1BemessungBetonSchub, MinimumLinks) {
    // The code's own minimum ρw,min·bw: EN 1992 0.08·√30/500 = 0.000876; German annex
    // and DIN 1045-1 0.16·fctm/500 with fctm = 0.3·30^(2/3) = 2.897: 0.000927.
    const double rhoEn = 0.08 * std::sqrt(30.0) / 500.0;
    const double rhoDe = 0.16 * 0.3 * std::pow(30.0, 2.0 / 3.0) / 500.0;
    const struct {
        const char* was;
        int norm, variante;
        double b, h;
        bool flag;
        int platte;
        double abstand; // 0: the rule does not apply
        double asw;     // required links, cm²/m
        int status;
    } faelle[] = {
        // 50/60: the spacing's 56.52/40 = 1.41 lies below the code's own minimum.
        {"EN 1992 50/60", 6, 0, 50.0, 60.0, true, 0, 40.0, rhoEn * 5000.0, 0},
        {"German annex 50/60", 6, 1, 50.0, 60.0, true, 0, 30.0, rhoDe * 5000.0, 0},
        {"DIN 1045-1 50/60", 3, 0, 50.0, 60.0, true, 0, 30.0, rhoDe * 5000.0, 0},
        // 10 cm wide: spacing 10, 56.52/10 above ρw,min·bw = 0.88 cm²/m.
        {"EN 1992 10/60", 6, 0, 10.0, 60.0, true, 0, 10.0, kBuegel / 10.0, 0},
        {"without the flag", 6, 0, 10.0, 60.0, false, 0, 0.0, rhoEn * 1000.0, 2},
        {"a slab", 6, 0, 10.0, 60.0, true, 1, 0.0, 0.0, 2},
    };
    for (const auto& f : faelle) {
        C1BemessungBeton b = Beton(f.norm, f.variante, 1, f.b, f.h);
        b.Quer.bMindestBew = f.flag ? 1 : 0;
        C1SchubEingabe e = Last(20.0, 0.01 * f.b * (f.h - 5.0));
        e.platte = f.platte;
        C1SchubErg r;
        EXPECT_EQ(b.CalcSchub(e, r, nullptr), f.status) << f.was;
        EXPECT_EQ(r.w[7], f.abstand) << f.was;
        EXPECT_EQ(r.w[6], f.abstand > 0.0 ? 6.0 : 0.0) << f.was;
        EXPECT_NEAR(r.w[3], f.asw, 0.005) << f.was;
    }
}

TEST(C1BemessungBetonSchub, EquivalentRectangleOfRoundSections) {
    // Circle d 40, cover 5: r 20, t 15, b = 40·cos(asin(0.75)) = 26.46, h 30 (d = h).
    // Hexagon of side 20: width 1.73·20 = 34.6, r 17.3, t 12.3,
    // b = 34.6·cos(asin(12.3/17.3)) = 24.33, h 24.6.
    const struct {
        const char* was;
        int iQuer;
        double d1, b, h;
    } faelle[] = {
        {"circle", 7, 40.0, 26.46, 30.0},
        {"hexagon", 6, 20.0, 24.33, 24.6},
    };
    for (const auto& f : faelle) {
        C1BemessungBeton b = Beton(6, 0, f.iQuer, f.d1);
        C1SchubErg r;
        EXPECT_EQ(b.CalcSchub(Last(30.0, 8.0), r, nullptr), 2) << f.was;
        EXPECT_NEAR(r.w[12], f.h, 0.01) << f.was;
        EXPECT_NEAR(r.w[0], VRdc(f.b, f.h, 8.0), 0.05) << f.was;
        EXPECT_NEAR(r.w[13], 8.0 / (f.b * f.h) * 100.0, 0.005) << f.was;
    }
    EXPECT_NEAR(VRdc(26.46, 30.0, 8.0), 53.9, 0.05);

    // A column design whose compression zone stays within the cover line leaves the
    // rectangle as it is.
    C1BemessungBeton saeule = Beton(6, 0, 7, 40.0);
    saeule.Modus = 1;
    C1SchubEingabe e = Last(30.0, 8.0);
    e.M = 50.0;
    C1SchubErg r;
    EXPECT_EQ(saeule.CalcSchub(e, r, nullptr), 2);
    EXPECT_NEAR(r.w[12], 30.0, 0.01);
    EXPECT_NEAR(r.w[0], VRdc(26.46, 30.0, 8.0), 0.05);

    // Under a large axial force the compression zone x reaches past the axis of the
    // bars: t = d1 + x − r, b = 2r·cos(asin(t/r)), h = 2t; the same whether the
    // bending input is given or taken from the shear input.
    C1MasqueLast biege;
    biege.N = -1500.0;
    biege.My = 50.0;
    C1MasqueErg me;
    ASSERT_EQ(saeule.CalcBiegungNormalkraft(biege, me, 0), 0);
    ASSERT_LT(me.e[3], 0.0);
    ASSERT_GT(me.e[5], 0.0);
    const double t = 5.0 + me.e[6] - 20.0;
    ASSERT_GT(t, 15.0);
    const double breite = 40.0 * std::cos(std::asin(t / 20.0));
    e.N = biege.N;
    e.M = biege.My;
    for (const C1MasqueLast* mit : std::initializer_list<const C1MasqueLast*>{nullptr, &biege}) {
        saeule.CalcSchub(e, r, mit);
        EXPECT_NEAR(r.w[12], 2.0 * t, 1e-6);
        EXPECT_NEAR(r.w[13], 8.0 / (breite * 2.0 * t) * 100.0, 1e-6);
    }
}

TEST(C1BemessungBetonSchub, FailuresAreNeverDesigns) {
    // VEd above VRd,max: a failure the minimum links do not clear.
    C1BemessungBeton b = Beton(6, 0, 1, 30.0, 50.0);
    b.Quer.bMindestBew = 1;
    C1SchubErg r;
    EXPECT_EQ(b.CalcSchub(Last(900.0, 13.5), r, nullptr), 21);
    EXPECT_EQ(r.w[3], 0.0);
    EXPECT_EQ(r.w[7], 0.0);
    EXPECT_NE(r.text.find("VRd,max"), std::string::npos);

    // Old DIN 1045: refused by the library; its minimum links only (below).
    C1BemessungBeton alt = Beton(1, 0, 1, 30.0, 50.0);
    alt.Quer.bMindestBew = 1;
    EXPECT_EQ(alt.CalcSchub(Last(50.0, 13.5), r, nullptr), 14);
    EXPECT_EQ(r.w[0], 0.0);
    EXPECT_EQ(r.w[8], 0.0);
    EXPECT_FALSE(r.text.empty());

    // SIA: a situation outside 1 .. 6 is refused; inside, the library refuses the code.
    C1BemessungBeton sia = Beton(4, 0, 1, 30.0, 50.0);
    C1SchubEingabe e = Last(50.0, 13.5);
    e.situation = 7;
    EXPECT_EQ(sia.CalcSchub(e, r, nullptr), 22);
    EXPECT_NE(r.text.find("Bemessungssituation 7"), std::string::npos);
    e.situation = 3;
    EXPECT_EQ(sia.CalcSchub(e, r, nullptr), 23);
    EXPECT_EQ(r.w[0], 0.0);
    EXPECT_EQ(r.w[3], 0.0);

    // Round sections: a cover outside the section (t ≥ r) and a section too small for
    // a rectangle of 1 cm give status 99 and the text, untranslated without a host.
    const struct {
        const char* was;
        double d, cover;
    } rund[] = {{"negative cover", 40.0, -5.0},
                {"cover on the axis", 40.0, 20.0},
                {"tiny circle", 1.5, 0.5}};
    for (const auto& f : rund) {
        C1BemessungBeton k = Beton(6, 0, 7, f.d, 0.0, f.cover);
        EXPECT_EQ(k.CalcSchub(Last(10.0, 1.0), r, nullptr), 99) << f.was;
        EXPECT_EQ(r.text, "unzulässiger Ersatzquerschnitt") << f.was;
        EXPECT_EQ(r.w[0], 0.0) << f.was;
        EXPECT_FALSE(std::isnan(r.w[3])) << f.was;
    }
    // The bending run behind the rectangle fails (no design mode chosen): no rectangle.
    C1BemessungBeton k = Beton(6, 0, 7, 40.0);
    e = Last(10.0, 8.0);
    e.M = 50.0;
    EXPECT_EQ(k.CalcSchub(e, r, nullptr), 99);
    EXPECT_EQ(r.text.rfind("unzulässiger Ersatzquerschnitt: ", 0), 0u);
}

TEST(C1BemessungBetonSchub, RefusalsAndSettings) {
    using Op = std::function<void(C1BemessungBeton&)>;
    const struct {
        const char* was;
        int norm;
        bool mauerwerk;
        Op op;
        const char* modul;
        const char* text;
    } faelle[] = {
        {"shear masonry", 6, true,
         [](C1BemessungBeton& b) {
             C1SchubErg r;
             b.CalcSchub(C1SchubEingabe{}, r, nullptr);
         },
         "C1BemessungBeton::CalcSchub", "Funktion für gewählte Norm nicht zugelassen"},
        {"shear code 2", 2, false,
         [](C1BemessungBeton& b) {
             C1SchubErg r;
             b.CalcSchub(C1SchubEingabe{}, r, nullptr);
         },
         "C1BemessungBeton::CalcSchub", "Funktion für gewählte Norm nicht zugelassen"},
        {"settings masonry", 6, true, [](C1BemessungBeton& b) { b.SetSchubAllg(C1SchubAllg{}); },
         "C1BemessungBeton::SetSchubAllg", "Funktion für Mauerwerksnachweis nicht zugelassen"},
        {"prestress code 1", 1, false, [](C1BemessungBeton& b) { b.SetSchubVors(C1SchubVors{}); },
         "C1BemessungBeton::SetSchubVors", "Funktion für DIN 1045 (iNorm = 1) nicht zugelassen"},
        {"input from bending code 1", 1, false,
         [](C1BemessungBeton& b) {
             C1SchubEingabe e;
             b.GetSchubInputFromBiegung(C1BiegeErg{}, nullptr, e);
         },
         "C1BemessungBeton::GetSchubInputFromBiegung",
         "Funktion für DIN 1045 (iNorm = 1) nicht zugelassen"},
    };
    for (const auto& f : faelle) {
        C1BemessungBeton b(f.norm);
        b.bMauerwerk = f.mauerwerk;
        try {
            f.op(b);
            ADD_FAILURE() << "no refusal: " << f.was;
        } catch (const C1Exception& ex) {
            EXPECT_EQ(ex.text, f.text) << f.was;
            EXPECT_EQ(ex.module, f.modul) << f.was;
        }
    }

    // The reinforcement of a bending result: both layers and the lever arm, or half
    // the total of a design with axial force each.
    C1BemessungBeton b(6);
    C1BiegeErg biege;
    biege.w[2] = 8.3;
    biege.w[3] = 1.2;
    biege.w[11] = 41.3;
    C1SchubEingabe e;
    b.GetSchubInputFromBiegung(biege, nullptr, e);
    EXPECT_EQ(e.As[0], 8.3);
    EXPECT_EQ(e.As[1], 1.2);
    EXPECT_EQ(e.z, 41.3);
    b.Modus = 1;
    const double As = 12.0;
    b.GetSchubInputFromBiegung(biege, &As, e);
    EXPECT_EQ(e.As[0], 6.0);
    EXPECT_EQ(e.As[1], 6.0);
    EXPECT_EQ(e.z, 0.0);

    C1SchubVors v;
    v.w[3] = 7.0;
    EXPECT_EQ(b.SetSchubVors(v), 1);
    EXPECT_EQ(C1BemessungBeton(b).SchubVors.w[3], 7.0);
}

} // namespace

TEST(C1BemessungBetonSchub, MinimumLinksOfTheOldDin1045) {
    // Links of 6 mm at s = min(12 · bar diameter of the crack settings (10 mm), width,
    // depth, 30 cm), asw = 56.52 / s, wherever the section has a reinforcement
    // arrangement; the library's refusal of the code stays the status.
    struct Fall {
        const char* was;
        int iQuer;
        double d1, d2;
        double stab;    // bar diameter of the crack settings, mm
        int anordnung;  // arrangement code of the section
        double abstand; // 0: no minimum links
    };
    const Fall faelle[] = {
        {"beam 30/50", 1, 30.0, 50.0, 10.0, 1, 12.0},
        {"section 10 wide", 1, 10.0, 50.0, 10.0, 1, 10.0},
        {"slab 100/11", 1, 100.0, 11.0, 10.0, 1, 11.0},
        {"circle of 40", 7, 40.0, 0.0, 10.0, 1, 12.0},
        {"bars of 8 mm", 1, 30.0, 50.0, 8.0, 1, 9.6},
        {"bars of 28 mm: the 30 cm limit", 1, 50.0, 60.0, 28.0, 1, 30.0},
        {"no arrangement", 1, 30.0, 50.0, 10.0, 0, 0.0},
    };
    for (const Fall& f : faelle) {
        C1BemessungBeton b = Beton(1, 0, f.iQuer, f.d1, f.d2);
        C1RissParameter riss;
        riss.d1 = f.stab;
        b.SetRissParameter(riss);
        b.Quer.iAnordnung = f.anordnung;
        C1SchubErg r;
        EXPECT_EQ(b.CalcSchub(Last(50.0, 13.5), r, nullptr), 14) << f.was;
        EXPECT_FALSE(r.text.empty()) << f.was;
        EXPECT_NEAR(r.w[7], f.abstand, 1e-12) << f.was;
        if (f.abstand > 0.0) {
            EXPECT_EQ(r.w[6], 6.0) << f.was;
            EXPECT_NEAR(r.w[3], kBuegel / f.abstand, 1e-9) << f.was;
        } else {
            EXPECT_EQ(r.w[6], 0.0) << f.was;
            EXPECT_EQ(r.w[3], 0.0) << f.was;
        }
    }
    // The hand value of a section at least 12 wide and deep: 56.52 / 12 = 4.71 cm²/m.
    C1BemessungBeton b = Beton(1, 0, 1, 30.0, 50.0);
    C1SchubErg r;
    b.CalcSchub(Last(50.0, 13.5), r, nullptr);
    EXPECT_NEAR(r.w[3], 4.71, 0.005);
}
