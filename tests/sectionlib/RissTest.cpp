#include "sectionlib/Riss.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kTabelle = 0; // NormVariante 0 of code 6: EN 1992-1-1 Table 7.2N
constexpr int kAnhang = 1;  // NormVariante 1 of code 6: φs* = wk·3.48·10⁶/σs²

struct Grenz {
    int status;
    double wert;
};

Grenz Last(int iNorm, int spalte, int variante, double sigma) {
    double ds = -1.0;
    const int st = CalcZWANG_TABELLE_LIM_DS(iNorm, RISS_FALL_LAST, spalte, variante, &ds, &sigma);
    return {st, ds};
}

Grenz Zwang(int iNorm, int spalte, int variante, double ds) {
    double sigma = -1.0;
    const int st = CalcZWANG_TABELLE_LIM_DS(iNorm, RISS_FALL_ZWANG, spalte, variante, &ds, &sigma);
    return {st, sigma};
}

TEST(RissGrenzdurchmesser, Table72NWithInterpolation) {
    // Rows of EN 1992-1-1 Table 7.2N (σs: φs* for wk 0.4/0.3/0.2): 240: 20/16/12,
    // 280: 16/12/8, 400: 8/6/4, 450: 6/5/–; between rows the diameter runs linearly.
    const struct {
        int spalte;
        double sigma, ds;
        int status;
    } faelle[] = {
        {3, 240.0, 16.0, RISS_OK},
        {4, 240.0, 20.0, RISS_OK},
        {2, 240.0, 12.0, RISS_OK},
        {3, 260.0, 14.0, RISS_OK},
        {4, 300.0, 14.0, RISS_OK},
        {2, 400.0, 4.0, RISS_OK},
        {3, 450.0, 5.0, RISS_OK},
        {3, 160.0, 32.0, RISS_OK},
        // below the table: its first row, which lies on the safe side
        {3, 100.0, 32.0, RISS_AUSSERHALB_SICHER},
        // above the table: no diameter
        {3, 460.0, 0.0, RISS_AUSSERHALB},
        {2, 420.0, 0.0, RISS_AUSSERHALB},
    };
    for (const auto& f : faelle) {
        const auto g = Last(6, f.spalte, kTabelle, f.sigma);
        EXPECT_EQ(g.status, f.status) << f.spalte << " " << f.sigma;
        EXPECT_NEAR(g.wert, f.ds, 1e-9) << f.spalte << " " << f.sigma;
    }
}

TEST(RissGrenzdurchmesser, Table72NInverse) {
    const struct {
        int spalte;
        double ds, sigma;
        int status;
    } faelle[] = {
        {3, 16.0, 240.0, RISS_OK},
        {3, 14.0, 260.0, RISS_OK},
        {2, 4.0, 400.0, RISS_OK},
        {4, 40.0, 160.0, RISS_OK},
        // a larger bar than the table knows: no stress
        {3, 40.0, 0.0, RISS_AUSSERHALB},
        // a smaller bar than the last row: the last row's stress, on the safe side
        {3, 4.0, 450.0, RISS_AUSSERHALB_SICHER},
    };
    for (const auto& f : faelle) {
        const auto g = Zwang(6, f.spalte, kTabelle, f.ds);
        EXPECT_EQ(g.status, f.status) << f.spalte << " " << f.ds;
        EXPECT_NEAR(g.wert, f.sigma, 1e-9) << f.spalte << " " << f.ds;
    }
}

TEST(RissGrenzdurchmesser, GermanFormulaAndItsInverse) {
    // φs* = 0.3·3.48·10⁶/240² = 18.125 mm; at 280: 13.316 mm; wk 0.4 at 200: 34.8 mm.
    for (int iNorm : {6, 3}) {
        const int variante = iNorm == 6 ? kAnhang : 0;
        EXPECT_NEAR(Last(iNorm, 3, variante, 240.0).wert, 18.125, 1e-9);
        EXPECT_NEAR(Last(iNorm, 3, variante, 280.0).wert, 13.316, 0.001);
        EXPECT_NEAR(Last(iNorm, 4, variante, 200.0).wert, 34.8, 1e-9);
        EXPECT_NEAR(Zwang(iNorm, 3, variante, 18.125).wert, 240.0, 1e-9);
        // below 160 N/mm²: the value at 160 (0.3·3.48·10⁶/160² = 40.78 mm)
        const auto unten = Last(iNorm, 3, variante, 100.0);
        EXPECT_EQ(unten.status, RISS_AUSSERHALB_SICHER);
        EXPECT_NEAR(unten.wert, 40.78, 0.01);
        EXPECT_EQ(Last(iNorm, 3, variante, 500.0).status, RISS_AUSSERHALB);
        EXPECT_EQ(Last(iNorm, 3, variante, 500.0).wert, 0.0);
        // a bar of 50 mm would need σs = √(0.3·3.48·10⁶/50) = 144.5 < 160: none
        EXPECT_EQ(Zwang(iNorm, 3, variante, 50.0).status, RISS_AUSSERHALB);
        EXPECT_EQ(Zwang(iNorm, 3, variante, 50.0).wert, 0.0);
        const auto duenn = Zwang(iNorm, 3, variante, 4.0);
        EXPECT_EQ(duenn.status, RISS_AUSSERHALB_SICHER);
        EXPECT_EQ(duenn.wert, 450.0);
    }
}

TEST(RissGrenzdurchmesser, RefusesWhatItDoesNotKnow) {
    const struct {
        int iNorm, fall, spalte, variante;
        double eingabe;
        int status;
    } faelle[] = {
        {1, 1, 3, 0, 240.0, RISS_NORM},    {4, 1, 3, 0, 240.0, RISS_NORM},
        {5, 2, 3, 0, 16.0, RISS_NORM},     {6, 1, 3, 2, 240.0, RISS_NORM},
        {6, 1, 1, 0, 240.0, RISS_EINGABE}, {6, 1, 5, 0, 240.0, RISS_EINGABE},
        {6, 1, 3, 0, 0.0, RISS_EINGABE},   {6, 2, 3, 0, -16.0, RISS_EINGABE},
        {6, 1, 3, 0, NAN, RISS_EINGABE},   {6, 2, 3, 1, 0.0, RISS_EINGABE},
    };
    for (const auto& f : faelle) {
        double ds = f.fall == 2 ? f.eingabe : 7.0, sigma = f.fall == 1 ? f.eingabe : 7.0;
        EXPECT_EQ(CalcZWANG_TABELLE_LIM_DS(f.iNorm, f.fall, f.spalte, f.variante, &ds, &sigma),
                  f.status)
            << f.iNorm << " " << f.fall << " " << f.spalte;
        EXPECT_EQ(f.fall == 1 ? ds : sigma, 0.0) << f.iNorm << " " << f.fall << " " << f.spalte;
    }
    double x = 240.0;
    EXPECT_EQ(CalcZWANG_TABELLE_LIM_DS(6, 1, 3, 0, nullptr, &x), RISS_EINGABE);
    EXPECT_EQ(CalcZWANG_TABELLE_LIM_DS(6, 1, 3, 0, &x, nullptr), RISS_EINGABE);
    // an unknown case writes nothing
    double ds = 7.0, sigma = 240.0;
    EXPECT_EQ(CalcZWANG_TABELLE_LIM_DS(6, 3, 3, 0, &ds, &sigma), RISS_EINGABE);
    EXPECT_EQ(ds, 7.0);
    EXPECT_EQ(sigma, 240.0);
}

using Abmessungen = std::array<double, 10>;

Abmessungen Rechteck(double b, double h) {
    return {0.0, b, h};
}
Abmessungen Plattenbalken(double bo, double dO, double bu, double du) {
    return {0.0, bo, dO, bu, du};
}

TEST(RissQuerschnitt, AreasAndThicknesses) {
    const double pi = 3.14159265358979323846;
    const struct {
        const char* name;
        int iQuer;
        Abmessungen d;
        std::array<double, 7> a;
    } faelle[] = {
        {"rectangle 30/50", 1, Rechteck(30, 50), {1500, 750, 750, 30, 50, 50, 30}},
        // flange 100/20 over a web 30/60: A = 2000 + 1800
        {"T-beam", 2, Plattenbalken(100, 20, 30, 60), {3800, 1900, 2000, 100, 80, 20, 30}},
        // hexagon of side 10: A = 3·√3/2·100 = 259.81, width 20, height 10·√3
        {"hexagon", 6, {0.0, 10.0}, {259.808, 129.904, 129.904, 20, 17.3205, 17.3205, 20}},
        {"circle d 40", 7, {0.0, 40.0}, {pi * 400, pi * 200, pi * 200, 40, 40, 40, 40}},
    };
    for (const auto& f : faelle) {
        std::array<double, 7> a{};
        EXPECT_EQ(CalcQUER_FLAECHEN(f.iQuer, f.d.data(), a[0], a[1], a[2], a[3], a[4], a[5], a[6]),
                  RISS_OK)
            << f.name;
        for (int i = 0; i < 7; ++i)
            EXPECT_NEAR(a[i], f.a[i], 1e-3) << f.name << " a" << i + 1;
    }
    std::array<double, 7> a{};
    const auto leer = Rechteck(0, 50);
    EXPECT_EQ(CalcQUER_FLAECHEN(1, leer.data(), a[0], a[1], a[2], a[3], a[4], a[5], a[6]),
              RISS_EINGABE);
    const auto rechteck = Rechteck(30, 50);
    EXPECT_EQ(CalcQUER_FLAECHEN(3, rechteck.data(), a[0], a[1], a[2], a[3], a[4], a[5], a[6]),
              RISS_QUERSCHNITT);
    EXPECT_EQ(CalcQUER_FLAECHEN(1, nullptr, a[0], a[1], a[2], a[3], a[4], a[5], a[6]),
              RISS_EINGABE);
    EXPECT_TRUE(std::all_of(a.begin(), a.end(), [](double w) { return w == 0.0; }));
}

TEST(RissQuerschnitt, UncrackedTensionZone) {
    // T-beam 100/20 over 30/60 (h 80): centroid (2000·10 + 1800·50)/3800 = 28.947 from the
    // top, 51.053 from the bottom. Hogging (My < 0): tension zone from the top down to the
    // centroid, 2000 + 30·8.947 = 2268.4 cm²; sagging: 30·51.053 = 1531.6 cm².
    const struct {
        const char* name;
        int iQuer;
        Abmessungen d;
        double My;
        int richtung, art;
        double z1, z2, z3;
    } faelle[] = {
        {"rectangle about y", 1, Rechteck(30, 50), 10.0, 1, 1, 25.0, 750.0, 25.0},
        {"rectangle about z", 1, Rechteck(30, 50), 10.0, 2, 1, 15.0, 750.0, 15.0},
        {"rectangle centric", 1, Rechteck(30, 50), 0.0, 3, 2, 50.0, 1500.0, 25.0},
        {"T hogging", 2, Plattenbalken(100, 20, 30, 60), -10.0, 1, 1, 28.947, 2268.4, 28.947},
        {"T sagging", 2, Plattenbalken(100, 20, 30, 60), 10.0, 1, 1, 51.053, 1531.6, 51.053},
        {"T about z", 2, Plattenbalken(100, 20, 30, 60), 10.0, 2, 1, 50.0, 1900.0, 50.0},
        {"T centric tension", 2, Plattenbalken(100, 20, 30, 60), 0.0, 1, 2, 80.0, 3800.0, 51.053},
        // circle d 40: half the disc, centroid at the middle
        {"circle about y", 7, {0.0, 40.0}, -10.0, 1, 1, 20.0, 628.32, 20.0},
        {"circle about z", 7, {0.0, 40.0}, 10.0, 2, 1, 20.0, 628.32, 20.0},
        // hexagon of side 10: height 17.32, width 20, area 259.81
        {"hexagon about y", 6, {0.0, 10.0}, 10.0, 1, 1, 8.6603, 129.90, 8.6603},
        {"hexagon about z", 6, {0.0, 10.0}, 10.0, 2, 1, 10.0, 129.90, 10.0},
        {"hexagon centric", 6, {0.0, 10.0}, 0.0, 3, 2, 17.3205, 259.81, 8.6603},
    };
    for (const auto& f : faelle) {
        double z1 = 0, z2 = 0, z3 = 0;
        EXPECT_EQ(CalcZUGFLAECHE_I(6, f.iQuer, f.d.data(), f.My, f.richtung, f.art, z1, z2, z3),
                  RISS_OK)
            << f.name;
        EXPECT_NEAR(z1, f.z1, 0.001) << f.name;
        EXPECT_NEAR(z2, f.z2, 0.05) << f.name;
        EXPECT_NEAR(z3, f.z3, 0.001) << f.name;
    }
    double z1 = 0, z2 = 0, z3 = 0;
    const auto r = Rechteck(30, 50);
    const auto kreis = Abmessungen{0.0, 40.0};
    EXPECT_EQ(CalcZUGFLAECHE_I(1, 1, r.data(), 10.0, 1, 1, z1, z2, z3), RISS_NORM);
    EXPECT_EQ(CalcZUGFLAECHE_I(6, 3, kreis.data(), 10.0, 1, 1, z1, z2, z3), RISS_QUERSCHNITT);
    EXPECT_EQ(CalcZUGFLAECHE_I(6, 1, r.data(), 10.0, 4, 1, z1, z2, z3), RISS_EINGABE);
    EXPECT_EQ(CalcZUGFLAECHE_I(6, 1, r.data(), 10.0, 1, 0, z1, z2, z3), RISS_EINGABE);
    EXPECT_EQ(CalcZUGFLAECHE_I(6, 1, nullptr, 10.0, 1, 1, z1, z2, z3), RISS_EINGABE);
}

// The minimum reinforcement's kc as the design class forms it from s:
// webs (direction 3): 0.4·(1 + s/(1.5·h/h*)) within 0 .. 1; flanges: max(0.5, 0.9·s).
double KcSteg(double s, double h) {
    return std::clamp(0.4 * (1.0 + s / (1.5 * h / std::min(h, 100.0))), 0.0, 1.0);
}
double KcGurt(double s) {
    return std::max(0.5, 0.9 * s);
}

double S(int iQuer, const Abmessungen& d, double My, int richtung, int art) {
    double z1 = 0, z2 = 0, z3 = 0;
    EXPECT_EQ(CalcZUGFLAECHE_I(6, iQuer, d.data(), My, richtung, art, z1, z2, z3), RISS_OK);
    int status = -1;
    const double s = CalcDehnungSchwerAchse(6, iQuer, z3, d.data(), My, richtung, art, &status);
    EXPECT_EQ(status, RISS_OK);
    return s;
}

TEST(RissQuerschnitt, KcOfWebsFollowsEquation72) {
    // EN 1992-1-1 (7.2): kc = 0.4·(1 − σc/(k1·(h/h*)·fct,eff)); pure bending σc = 0 → 0.4;
    // centric tension σc = −fct,eff with k1 = 2h*/(3h) → 0.4·(1 + 1.5) = 1.0, for thin and
    // for thick members (h/h* = 1.2 for a 150/120 section).
    for (const auto& d : {Rechteck(30, 50), Rechteck(150, 120)}) {
        const double h = std::min(d[1], d[2]);
        EXPECT_NEAR(KcSteg(S(1, d, 10.0, 3, RISS_ART_BIEGUNG), h), 0.4, 1e-12) << h;
        EXPECT_NEAR(KcSteg(S(1, d, 0.0, 3, RISS_ART_ZUG), h), 1.0, 1e-12) << h;
    }
    // A circle of 120 cm (h/h* = 1.2) in centric tension, and in bending.
    EXPECT_NEAR(KcSteg(S(7, {0.0, 120.0}, 0.0, 3, RISS_ART_ZUG), 120.0), 1.0, 1e-12);
    EXPECT_NEAR(KcSteg(S(7, {0.0, 120.0}, 10.0, 3, RISS_ART_BIEGUNG), 120.0), 0.4, 1e-12);
    EXPECT_NEAR(KcSteg(S(2, Plattenbalken(100, 20, 30, 60), 10.0, 3, RISS_ART_BIEGUNG), 80.0), 0.4,
                1e-12);
}

TEST(RissQuerschnitt, KcOfFlangesFollowsEquation73) {
    // (7.3): kc = 0.9·Fcr/(Act·fct,eff) ≥ 0.5.
    // Hogging T-beam 100/20 over 30/60: stress at the flange's mid-depth
    // (28.947 − 10)/28.947 = 0.6546·fct,eff → kc = 0.9·0.6546 = 0.589.
    EXPECT_NEAR(KcGurt(S(2, Plattenbalken(100, 20, 30, 60), -10.0, 1, RISS_ART_BIEGUNG)), 0.589,
                0.001);
    // Sagging: the flange lies in the compression zone, Fcr = 0 → the lower limit 0.5.
    EXPECT_NEAR(S(2, Plattenbalken(100, 20, 30, 60), 10.0, 1, RISS_ART_BIEGUNG), 0.0, 1e-12);
    // Rectangle, half the section as Act: Fcr = fct·b·(h/2)/2 → s 0.5, kc 0.5.
    EXPECT_NEAR(S(1, Rechteck(30, 50), 10.0, 1, RISS_ART_BIEGUNG), 0.5, 1e-12);
    EXPECT_NEAR(S(1, Rechteck(30, 50), 10.0, 2, RISS_ART_BIEGUNG), 0.5, 1e-12);
    // T-beam about z: its half section (2 outstands 35/20 and half the web 15/80) with the
    // stress falling linearly over 50 cm: Fcr/fct = 20·(35 − 35²/100) + 80·(15 − (50² − 35²)/100)
    // = 455 + 180 = 635 → s = 635/1900 = 0.3342.
    EXPECT_NEAR(S(2, Plattenbalken(100, 20, 30, 60), 10.0, 2, RISS_ART_BIEGUNG), 635.0 / 1900.0,
                1e-9);
    // Circle: half the disc as Act; its centroid lies 4r/(3π) from the diameter, so the
    // mean of the linear stress over the half disc is fct·4/(3π): s = 0.4244, kc 0.5.
    const double pi = 3.14159265358979323846;
    EXPECT_NEAR(S(7, {0.0, 40.0}, 10.0, 1, RISS_ART_BIEGUNG), 4.0 / (3.0 * pi), 1e-4);
    // Hexagon of side 10 about y: the half from a flat edge (width 10 → 20 over 8.66) has its
    // centroid 8.66·(10 + 2·20)/(3·(10 + 20)) = 4.811 from the edge: s = 1 − 4.811/8.66 = 0.4444.
    EXPECT_NEAR(S(6, {0.0, 10.0}, 10.0, 1, RISS_ART_BIEGUNG), 1.0 - 50.0 / 90.0, 1e-4);
    // Centric tension stresses a flange evenly: s = 1, kc = 0.9.
    EXPECT_NEAR(KcGurt(S(2, Plattenbalken(100, 20, 30, 60), 0.0, 1, RISS_ART_ZUG)), 0.9, 1e-12);
}

TEST(RissQuerschnitt, StateAtTheCentroidRefusesBadInput) {
    const auto r = Rechteck(30, 50);
    const auto kreis = Abmessungen{0.0, 40.0};
    const struct {
        const char* name;
        int iNorm, iQuer;
        double z3;
        const double* d;
        int richtung, art, status;
    } faelle[] = {
        {"code 1", 1, 1, 25.0, r.data(), 1, 1, RISS_NORM},
        {"code 4", 4, 1, 25.0, r.data(), 1, 1, RISS_NORM},
        {"shape 3", 6, 3, 20.0, kreis.data(), 1, 1, RISS_QUERSCHNITT},
        {"no dimensions", 6, 1, 25.0, nullptr, 1, 1, RISS_EINGABE},
        {"direction 0", 6, 1, 25.0, r.data(), 0, 1, RISS_EINGABE},
        {"kind 3", 6, 1, 25.0, r.data(), 1, 3, RISS_EINGABE},
        {"centroid outside", 6, 1, 60.0, r.data(), 1, 1, RISS_EINGABE},
        {"centroid 0", 6, 1, 0.0, r.data(), 1, 1, RISS_EINGABE},
    };
    for (const auto& f : faelle) {
        int status = -1;
        EXPECT_EQ(
            CalcDehnungSchwerAchse(f.iNorm, f.iQuer, f.z3, f.d, 10.0, f.richtung, f.art, &status),
            0.0)
            << f.name;
        EXPECT_EQ(status, f.status) << f.name;
    }
}

} // namespace
