#include "sectionlib/SchubCalc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

// Hand values: EN 1992-1-1 6.2 worked by calculator for a beam b/h = 30/50 cm,
// d = 45 cm, C30/37 (γc 1.5, fcd = 0.85·30/1.5 = 17), links B500 (fywd 434.8).
//   k = 1 + √(200/450) = 1.667; (100·0.01·30)^(1/3) = 3.107
//   VRd,c = 0.18/1.5·1.667·3.107·300·450 = 83.9 kN; vmin = 0.035·1.667^1.5·√30 = 0.4125
//   → VRd,c,min = 55.7 kN
//   ν = 0.6·(1 − 30/250) = 0.528; VRd,max(cot θ 2.5) = 300·405·0.528·17/(2.5 + 0.4) = 376 kN
//   asw = 250 000/(405·434.8·2.5) = 0.568 mm²/mm = 5.68 cm²/m; cot θ 1.2 → 11.83 cm²/m
//   ρw,min = 0.08·√30/500 → 0.000876·30·100 = 2.63 cm²/m

namespace {

SchubCalcEingabe Balken(int variante = 0) {
    SchubCalcEingabe e;
    e.iNorm = 6;
    e.NormVariante = variante;
    e.iQuer = 1;
    e.d[1] = 30.0;
    e.d[2] = 50.0;
    e.d1 = 5.0;
    e.AsL = 0.01 * 30.0 * 45.0; // ρl 1 %
    e.fck = 30.0;
    e.fyk = 500.0;
    e.gammaC = 1.5;
    e.gammaS = 1.15;
    return e;
}

SchubCalcAusgabe Rechne(const SchubCalcEingabe& e) {
    SchubCalcAusgabe a;
    const int status = SchubCalc(e, a);
    EXPECT_EQ(status, a.Status);
    return a;
}

bool VonMindestregelLoeschbar(int status) {
    return status == 2 || status == 4 || status == 5 || status == 6;
}

TEST(SchubCalc, ResistanceWithoutLinksAndItsLowerBound) {
    auto e = Balken();
    e.VEd = 50.0;
    auto a = Rechne(e);
    EXPECT_NEAR(a.o[SCHUB_VRDC], 83.9, 0.1);
    EXPECT_NEAR(a.o[SCHUB_VRDC_MIN], 55.7, 0.1);
    EXPECT_NEAR(a.o[SCHUB_D], 45.0, 1e-12);
    EXPECT_NEAR(a.o[SCHUB_RHOL], 1.0, 1e-12);

    // No longitudinal reinforcement: the lower bound governs.
    e.AsL = 0.0;
    EXPECT_NEAR(Rechne(e).o[SCHUB_VRDC], 55.7, 0.1);

    // German annex: CRd,c = 0.15/1.5 → 0.10·1.667·3.107·135 000 = 69.9 kN, same vmin.
    auto de = Balken(1);
    de.VEd = 50.0;
    a = Rechne(de);
    EXPECT_NEAR(a.o[SCHUB_VRDC], 69.9, 0.1);
    EXPECT_NEAR(a.o[SCHUB_VRDC_MIN], 55.7, 0.1);
}

TEST(SchubCalc, LowerBoundOfTheAnnexFallsWithTheDepth) {
    // d = 700 mm lies between 600 and 800 mm: κ1 = 0.045; k = 1 + √(200/700) = 1.5345.
    // Annex: 0.045/1.5·1.5345^1.5·√30·300·700 = 65.6 kN; recommended 0.035·… = 76.5 kN.
    auto e = Balken(1);
    e.d[2] = 75.0;
    e.AsL = 0.0;
    e.VEd = 10.0;
    EXPECT_NEAR(Rechne(e).o[SCHUB_VRDC], 65.6, 0.1);
    e.NormVariante = 0;
    EXPECT_NEAR(Rechne(e).o[SCHUB_VRDC], 76.5, 0.1);
}

TEST(SchubCalc, AxialForceRaisesOrLowersVRdc) {
    // σcp = 300 kN / 1500 cm² = 2.0 N/mm² (below 0.2·fcd = 3.4): ± 0.15·2.0·135 000 = ± 40.5 kN.
    auto e = Balken();
    e.VEd = 20.0;
    e.NEd = -300.0;
    auto a = Rechne(e);
    EXPECT_NEAR(a.o[SCHUB_SIGMA_CP], 2.0, 1e-12);
    EXPECT_NEAR(a.o[SCHUB_VRDC], 124.4, 0.1);
    e.NEd = 300.0;
    EXPECT_NEAR(Rechne(e).o[SCHUB_VRDC], 43.4, 0.1);
    // σcp stops at 0.2·fcd = 3.4 N/mm²: (0.6214 + 0.15·3.4)·135 000 = 152.7 kN.
    e.NEd = -1500.0;
    a = Rechne(e);
    EXPECT_NEAR(a.o[SCHUB_SIGMA_CP], 3.4, 1e-12);
    EXPECT_NEAR(a.o[SCHUB_VRDC], 152.7, 0.1);
}

TEST(SchubCalc, LinksAndStrutLimitAtAGivenAngle) {
    auto e = Balken();
    e.VEd = 250.0;
    e.z = 40.5;
    e.cotTheta = 2.5;
    auto a = Rechne(e);
    EXPECT_EQ(a.Status, SCHUB_OK);
    EXPECT_NEAR(a.o[SCHUB_ASW_ERF], 5.68, 0.01);
    EXPECT_NEAR(a.o[SCHUB_VRDMAX_W], 376.0, 0.5);
    EXPECT_NEAR(a.o[SCHUB_COTTHETA], 2.5, 1e-12);
    EXPECT_NEAR(a.o[SCHUB_VRDS], 250.0, 1e-9);
    EXPECT_NEAR(a.o[SCHUB_ASW_MIN], 2.63, 0.01);

    e.cotTheta = 1.2;
    EXPECT_NEAR(Rechne(e).o[SCHUB_ASW_ERF], 11.83, 0.01);

    // Links at 45°: asw = 250 000/(405·434.8·(1 + 1)·0.7071) = 10.04 cm²/m;
    // VRd,max = K·(1 + 1)/(1 + 1) = 300·405·0.528·17 = 1090.6 kN; ρw,min·bw·sin 45° = 1.86.
    e.cotTheta = 1.0;
    e.alpha = 45.0;
    a = Rechne(e);
    EXPECT_NEAR(a.o[SCHUB_ASW_ERF], 10.04, 0.01);
    EXPECT_NEAR(a.o[SCHUB_VRDMAX_W], 1090.6, 0.1);
    EXPECT_NEAR(a.o[SCHUB_ASW_MIN], 2.63 * std::sqrt(0.5), 0.01);
}

TEST(SchubCalc, ChoosesTheFlattestAdmissibleStrut) {
    // Recommended values: cot θ up to 2.5 while VRd,max allows it.
    auto e = Balken();
    e.VEd = 250.0;
    e.z = 40.5;
    auto a = Rechne(e);
    EXPECT_NEAR(a.o[SCHUB_COTTHETA], 2.5, 1e-12);
    EXPECT_NEAR(a.o[SCHUB_ASW_ERF], 5.68, 0.01);
    EXPECT_EQ(a.Hinweis, 0);

    // VEd 500 > VRd,max(2.5): cot θ + tan θ = 1090.6/500 → cot θ = 1.526, VRd,max = VEd.
    e.VEd = 500.0;
    a = Rechne(e);
    EXPECT_EQ(a.Status, SCHUB_OK);
    EXPECT_NEAR(a.o[SCHUB_COTTHETA], 1.526, 0.001);
    EXPECT_NEAR(a.o[SCHUB_VRDMAX_W], 500.0, 1e-6);
    EXPECT_EQ(a.Hinweis, 1);

    // German annex: VRd,cc = 0.5·0.48·30^(1/3)·300·405 = 90.6 kN,
    // cot θ ≤ 1.2/(1 − 90.6/250) = 1.882; VRd,max = 300·405·0.75·17/(1.882 + 0.531) = 641.9 kN;
    // asw = 250 000/(405·434.8·1.882) = 7.54 cm²/m.
    auto de = Balken(1);
    de.VEd = 250.0;
    de.z = 40.5;
    a = Rechne(de);
    EXPECT_NEAR(a.o[SCHUB_COT_MAX], 1.882, 0.001);
    EXPECT_NEAR(a.o[SCHUB_COTTHETA], 1.882, 0.001);
    EXPECT_NEAR(a.o[SCHUB_VRDMAX_W], 641.9, 0.1);
    EXPECT_NEAR(a.o[SCHUB_ASW_ERF], 7.54, 0.01);
    // Compression σcp = 2.0 raises the limit, tension lowers it:
    // (1.2 + 1.4·2/17)/(1 − 90.6·(1 − 1.2·2/17)/250) = 1.981,
    // (1.2 − 1.4·2/17)/(1 − 90.6·(1 + 1.2·2/17)/250) = 1.765.
    de.NEd = -300.0;
    EXPECT_NEAR(Rechne(de).o[SCHUB_COT_MAX], 1.981, 0.001);
    de.NEd = 300.0;
    EXPECT_NEAR(Rechne(de).o[SCHUB_COT_MAX], 1.765, 0.001);
    de.NEd = 0.0;
    // Below VRd,cc the annex allows cot θ 3.0.
    de.VEd = 90.0;
    EXPECT_NEAR(Rechne(de).o[SCHUB_COT_MAX], 3.0, 1e-12);
}

TEST(SchubCalc, MinimumLinks) {
    // VEd below VRd,c: a beam needs the code minimum, a slab nothing.
    auto e = Balken();
    e.VEd = 50.0;
    auto a = Rechne(e);
    EXPECT_EQ(a.Status, SCHUB_OHNE_BEWEHRUNG);
    EXPECT_NEAR(a.o[SCHUB_ASW_ERF], 2.63, 0.01);
    e.Platte = 1;
    a = Rechne(e);
    EXPECT_EQ(a.Status, SCHUB_OHNE_BEWEHRUNG);
    EXPECT_EQ(a.o[SCHUB_ASW_ERF], 0.0);

    // VEd 90 > 83.9 but 90 000/(405·434.8·2.5) = 2.04 cm²/m < 2.63: the minimum governs.
    e.Platte = 0;
    e.VEd = 90.0;
    e.z = 40.5;
    a = Rechne(e);
    EXPECT_EQ(a.Status, SCHUB_MINDESTBEWEHRUNG);
    EXPECT_NEAR(a.o[SCHUB_ASW_ERF], 2.63, 0.01);

    // German annex: ρw,min = 0.16·fctm/fyk, fctm = 0.3·30^(2/3) = 2.897 → 2.78 cm²/m.
    auto de = Balken(1);
    de.VEd = 10.0;
    EXPECT_NEAR(Rechne(de).o[SCHUB_ASW_MIN], 2.78, 0.01);
}

TEST(SchubCalc, TBeamUsesItsWeb) {
    // Flange 100/20 over a web 30/30: bw 30, h 50, d 45; without axial force VRd,c is the
    // rectangle's 83.9 kN, and the links are those of the rectangle.
    auto e = Balken();
    e.iQuer = 2;
    e.d[1] = 100.0;
    e.d[2] = 20.0;
    e.d[3] = 30.0;
    e.d[4] = 30.0;
    e.VEd = 250.0;
    e.z = 40.5;
    e.cotTheta = 2.5;
    const auto a = Rechne(e);
    EXPECT_NEAR(a.o[SCHUB_VRDC], 83.9, 0.1);
    EXPECT_NEAR(a.o[SCHUB_ASW_ERF], 5.68, 0.01);
}

TEST(SchubCalc, StrutLimitOfDin1045_1) {
    // DIN 1045-1 admits cot θ down to 0.58, the annex of EN 1992-1-1 only down to 1.0.
    auto e = Balken(1);
    e.iNorm = 3;
    e.VEd = 250.0;
    e.z = 40.5;
    e.cotTheta = 0.6;
    EXPECT_EQ(Rechne(e).Status, SCHUB_OK);
    e.iNorm = 6;
    EXPECT_EQ(Rechne(e).Status, SCHUB_COT_THETA);
}

TEST(SchubCalc, FailuresAreNeverClearedByTheMinimumRule) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    struct Fall {
        const char* name;
        void (*aendern)(SchubCalcEingabe&);
        int status;
    };
    const Fall faelle[] = {
        // VRd,max at cot θ 1: 300·405·0.528·17/2 = 545.3 kN
        {"VEd above VRd,max", [](SchubCalcEingabe& e) { e.VEd = 560.0; }, SCHUB_VRDMAX},
        {"given angle too steep for VEd",
         [](SchubCalcEingabe& e) {
             e.VEd = 400.0;
             e.cotTheta = 2.5;
         },
         SCHUB_VRDMAX},
        {"old DIN 1045", [](SchubCalcEingabe& e) { e.iNorm = 1; }, SCHUB_NORM},
        {"SIA", [](SchubCalcEingabe& e) { e.iNorm = 4; }, SCHUB_NORM},
        {"code 5", [](SchubCalcEingabe& e) { e.iNorm = 5; }, SCHUB_NORM},
        {"unknown variant", [](SchubCalcEingabe& e) { e.NormVariante = 2; }, SCHUB_NORM},
        {"circle", [](SchubCalcEingabe& e) { e.iQuer = 7; }, SCHUB_QUERSCHNITT},
        {"T-beam with a further part",
         [](SchubCalcEingabe& e) {
             e.iQuer = 2;
             e.d[3] = 30.0;
             e.d[4] = 30.0;
             e.d[5] = 10.0;
         },
         SCHUB_QUERSCHNITT},
        {"lightweight concrete", [](SchubCalcEingabe& e) { e.Typ = 'L'; }, SCHUB_LEICHTBETON},
        {"torsion", [](SchubCalcEingabe& e) { e.TEd = 5.0; }, SCHUB_TORSION},
        {"cot θ above 2.5", [](SchubCalcEingabe& e) { e.cotTheta = 2.6; }, SCHUB_COT_THETA},
        {"cot θ below 1.0", [](SchubCalcEingabe& e) { e.cotTheta = 0.9; }, SCHUB_COT_THETA},
        {"links at 30°", [](SchubCalcEingabe& e) { e.alpha = 30.0; }, SCHUB_WINKEL},
        {"fck 0", [](SchubCalcEingabe& e) { e.fck = 0.0; }, SCHUB_EINGABE},
        {"fck beyond C90/105", [](SchubCalcEingabe& e) { e.fck = 100.0; }, SCHUB_EINGABE},
        {"fyk 0", [](SchubCalcEingabe& e) { e.fyk = 0.0; }, SCHUB_EINGABE},
        {"γc 0", [](SchubCalcEingabe& e) { e.gammaC = 0.0; }, SCHUB_EINGABE},
        {"cover beyond the depth", [](SchubCalcEingabe& e) { e.d1 = 50.0; }, SCHUB_EINGABE},
        {"width 0", [](SchubCalcEingabe& e) { e.d[1] = 0.0; }, SCHUB_EINGABE},
        {"lever arm above d", [](SchubCalcEingabe& e) { e.z = 46.0; }, SCHUB_EINGABE},
        {"VEd not a number", [](SchubCalcEingabe& e) { e.VEd = nan; }, SCHUB_EINGABE},
        {"negative reinforcement", [](SchubCalcEingabe& e) { e.AsL = -1.0; }, SCHUB_EINGABE},
    };
    for (const auto& f : faelle) {
        auto e = Balken();
        e.VEd = 100.0;
        f.aendern(e);
        SchubCalcAusgabe a;
        a.o.fill(7.0);
        EXPECT_EQ(SchubCalc(e, a), f.status) << f.name;
        EXPECT_EQ(a.Status, f.status) << f.name;
        EXPECT_EQ(a.Fehler, f.status) << f.name;
        EXPECT_FALSE(VonMindestregelLoeschbar(a.Status)) << f.name;
        EXPECT_GE(a.Status, 20) << f.name;
        for (double w : a.o)
            EXPECT_EQ(w, 0.0) << f.name;
        EXPECT_EQ(a.StatusAlt, e.iNorm == 1 ? SCHUB_STATUS_ALT_ABGELEHNT : 0) << f.name;
    }
}

} // namespace
