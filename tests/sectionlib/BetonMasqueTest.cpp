#include "BetonTestHilfe.h"
#include "sectionlib/Beton.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace beton_test;

MasqueEingabe Stuetze(double b, double h, double N, double My, double Mz, int anordnung) {
    MasqueEingabe e;
    e.iNorm = 6;
    e.NormVariante = 1;
    e.Modus = 1;
    e.faktor = 1.0f;
    e.fcd = static_cast<float>(kFcd);
    e.epsC2 = -2.0f;
    e.epsCu = -3.5f;
    e.nPar = 2.0f;
    e.fyd = static_cast<float>(kFyd);
    e.epsYdNeg = static_cast<float>(-kEpsYd);
    e.epsSu = 20.0f;
    e.epsYd = static_cast<float>(kEpsYd);
    e.N = static_cast<float>(N);
    e.My = static_cast<float>(My);
    e.Mz = static_cast<float>(Mz);
    e.iQuer = 1;
    e.iAnordnung = anordnung;
    e.d[0] = static_cast<float>(b);
    e.d[1] = static_cast<float>(h);
    e.d2y = e.d1y = e.d1z = e.d2z = 5.0f;
    e.schritt = 0.01f;
    e.grenze = 9.0f;
    return e;
}

// The plane of a result: curvatures from e[1], e[2] (per mille per metre), the
// strain in the centroid from the smallest corner strain e[3].
struct Ebene {
    double eps0, ky, kz;
};

Ebene AusErgebnis(const MasqueAusgabe& a, double b, double h) {
    const double ky = a.e[1] / 100.0, kz = a.e[2] / 100.0;
    double minRand = 1e300;
    for (double u : {-b / 2.0, b / 2.0}) {
        for (double v : {-h / 2.0, h / 2.0}) {
            minRand = std::min(minRand, kz * u - ky * v);
        }
    }
    return {a.e[3] - minRand, ky, kz};
}

TEST(CalcBEMEMASQUE, ColumnUnderAxialForceAndBendingByHand) {
    // 40/40, 10 cm² at the top and at the bottom, 5 cm inside. The plane with 3.5 per
    // mille at the top and x = 20 cm: both layers strained 2.625 beyond yield, the
    // concrete block αR·b·x·fcd at ka·x below the top.
    const double Fc = kAlphaR * 40.0 * 20.0 * kFcd * 0.1;
    const double N = -Fc;
    const double M = Fc * (20.0 - kKa * 20.0) / 100.0 + 2.0 * 10.0 * kFyd * 0.1 * 0.15;
    MasqueAusgabe a;
    ASSERT_EQ(CalcBEMEMASQUE(0, 0, Stuetze(40.0, 40.0, N, M, 0.0, 1), a), 0) << a.text;
    EXPECT_NEAR(a.As, 20.0, 0.02);
    EXPECT_NEAR(a.e[3], -3.5, 0.01);
    EXPECT_NEAR(a.e[6], 20.0, 0.05);
    EXPECT_NEAR(a.e[0], 0.5, 0.002);
    EXPECT_NEAR(a.e[5], 2.625, 0.01);
    EXPECT_LE(a.wert2, 1.0f);

    // The same force the other way round turns the plane over.
    ASSERT_EQ(CalcBEMEMASQUE(0, 0, Stuetze(40.0, 40.0, N, -M, 0.0, 1), a), 0);
    EXPECT_NEAR(a.As, 20.0, 0.02);
    EXPECT_LT(a.e[1], 0.0f);

    // A centric force: uniform 2 per mille, steel at 400 N/mm².
    const double Nc = -(40.0 * 40.0 * kFcd + 20.0 * 400.0) * 0.1;
    ASSERT_EQ(CalcBEMEMASQUE(0, 0, Stuetze(40.0, 40.0, Nc, 0.0, 0.0, 1), a), 0);
    EXPECT_NEAR(a.As, 20.0, 0.02);
    // So little force that the concrete alone carries it: no reinforcement.
    ASSERT_EQ(CalcBEMEMASQUE(0, 0, Stuetze(40.0, 40.0, -500.0, 5.0, 0.0, 1), a), 0);
    EXPECT_EQ(a.As, 0.0f);
}

TEST(CalcBEMEMASQUE, BiaxialDesignLiesOnTheResistanceOfAGridSection) {
    const struct {
        int anordnung;
        double N, My, Mz;
    } faelle[] = {{3, -800.0, 120.0, 80.0}, {2, -400.0, -90.0, 150.0}, {1, 200.0, 60.0, 30.0}};
    for (const auto& f : faelle) {
        MasqueAusgabe a;
        ASSERT_EQ(CalcBEMEMASQUE(0, 0, Stuetze(40.0, 40.0, f.N, f.My, f.Mz, f.anordnung), a), 0)
            << a.text;
        ASSERT_GT(a.As, 1.0f);
        // The bars of the arrangement with the designed area.
        std::vector<Bar> bars;
        const double c = 15.0;
        if (f.anordnung == 3) {
            for (double u : {-c, c}) {
                for (double v : {-c, c}) {
                    bars.push_back({u, v, a.As / 4.0});
                }
            }
        } else if (f.anordnung == 2) {
            const double ecken[5][2] = {{-c, -c}, {c, -c}, {c, c}, {-c, c}, {-c, -c}};
            for (int k = 0; k < 4; ++k) {
                for (int i = 0; i < 5; ++i) {
                    const double t = i / 5.0;
                    bars.push_back({ecken[k][0] + (ecken[k + 1][0] - ecken[k][0]) * t,
                                    ecken[k][1] + (ecken[k + 1][1] - ecken[k][1]) * t,
                                    a.As / 20.0});
                }
            }
        } else {
            for (double v : {-c, c}) {
                for (int i = 0; i < 5; ++i) {
                    bars.push_back({-c + 2.0 * c * i / 4.0, v, a.As / 10.0});
                }
            }
        }
        const Ebene e = AusErgebnis(a, 40.0, 40.0);
        const Kraefte k = Gitter(40.0, 40.0, bars, e.eps0, e.ky, e.kz);
        const double tolM = 0.01 * std::hypot(f.My, f.Mz);
        EXPECT_NEAR(k.N, f.N, 0.01 * std::fabs(f.N) + 2.0) << f.anordnung;
        EXPECT_NEAR(k.My, f.My, tolM) << f.anordnung;
        EXPECT_NEAR(k.Mz, f.Mz, tolM) << f.anordnung;
        // An ultimate plane: concrete at 3.5 or steel at 20 per mille.
        const bool grenze = std::fabs(a.e[3] + 3.5) < 0.01 || std::fabs(a.e[5] - 20.0) < 0.01;
        EXPECT_TRUE(grenze) << a.e[3] << " " << a.e[5];
        // Two per cent less reinforcement no longer carries the forces.
        MasqueEingabe weniger = Stuetze(40.0, 40.0, f.N, f.My, f.Mz, f.anordnung);
        weniger.Modus = 2;
        weniger.c1 = 0.98f * a.As;
        MasqueAusgabe b;
        EXPECT_EQ(CalcBEMEMASQUE(0, 0, weniger, b), 94) << f.anordnung;
        EXPECT_GT(b.wert2, 1.0f);
    }
}

TEST(CalcBEMEMASQUE, AnalysisFindsTheEquilibriumPlane) {
    // 30/50 with 6 cm² at the bottom and at the top (c1 + c2 = 12), 120 kNm and
    // 100 kN of compression: the plane the routine returns gives the forces back.
    MasqueEingabe e = Stuetze(30.0, 50.0, -100.0, 120.0, 0.0, 1);
    e.Modus = 2;
    e.c1 = 6.0f;
    e.c2 = 6.0f;
    MasqueAusgabe a;
    ASSERT_EQ(CalcBEMEMASQUE(0, 0, e, a), 0) << a.text;
    EXPECT_EQ(a.As, 12.0f);
    EXPECT_LT(a.wert2, 1.0f);
    std::vector<Bar> bars;
    for (double v : {-20.0, 20.0}) {
        for (int i = 0; i < 5; ++i) {
            bars.push_back({-10.0 + 5.0 * i, v, 1.2});
        }
    }
    const Ebene p = AusErgebnis(a, 30.0, 50.0);
    const Kraefte k = Gitter(30.0, 50.0, bars, p.eps0, p.ky, p.kz);
    EXPECT_NEAR(k.N, -100.0, 1.0);
    EXPECT_NEAR(k.My, 120.0, 0.5);
    EXPECT_NEAR(k.Mz, 0.0, 0.1);
    EXPECT_NEAR(a.e[2], 0.0, 1e-6);
    // The bottom bars carry the largest strain: eps at v = −20.
    EXPECT_NEAR(a.e[5], p.eps0 + p.ky * 20.0, 1e-3);
    // Tension depth from the edge strains as the crack check takes it.
    EXPECT_NEAR(a.e[6], 50.0 * (-a.e[3]) / (a.e[4] - a.e[3]), 1e-3);
}

TEST(CalcBEMEMASQUE, TSectionAnalysisAndDesign) {
    // Flange 60/15 over a web 25/45: centroid 35.833 cm above the bottom. Layers 5 cm
    // inside the top of the flange and the bottom of the web, across each edge less
    // 5 cm at both ends, 10 cm² each.
    MasqueEingabe e = Stuetze(60.0, 15.0, -200.0, 180.0, 0.0, 1);
    e.iQuer = 2;
    e.d[2] = 25.0f;
    e.d[3] = 45.0f;
    e.Modus = 2;
    e.c1 = 10.0f;
    e.c2 = 10.0f;
    MasqueAusgabe a;
    ASSERT_EQ(CalcBEMEMASQUE(0, 0, e, a), 0) << a.text;
    const double vc = (900.0 * 52.5 + 1125.0 * 22.5) / 2025.0;
    const std::vector<Teil> teile = {{-30.0, 30.0, 45.0 - vc, 60.0 - vc},
                                     {-12.5, 12.5, -vc, 45.0 - vc}};
    std::vector<Bar> bars;
    for (int i = 0; i < 5; ++i) {
        bars.push_back({-25.0 + 12.5 * i, 55.0 - vc, 2.0});
        bars.push_back({-7.5 + 3.75 * i, 5.0 - vc, 2.0});
    }
    const double ky = a.e[1] / 100.0;
    ASSERT_NEAR(a.e[2], 0.0, 1e-6);
    const double eps0 = a.e[3] + ky * (60.0 - vc); // the top edge is the most compressed
    const Kraefte k = GitterTeile(teile, bars, eps0, ky, 0.0);
    EXPECT_NEAR(k.N, -200.0, 1.0);
    EXPECT_NEAR(k.My, 180.0, 1.0);

    // Designed for those forces, the reinforcement is at most the 20 cm² that carry
    // them, and the designed state again lies on the grid section's resistance.
    e.Modus = 1;
    ASSERT_EQ(CalcBEMEMASQUE(0, 0, e, a), 0) << a.text;
    EXPECT_LT(a.As, 20.0f);
    for (Bar& b : bars) {
        b.area = a.As / 10.0;
    }
    const double kyD = a.e[1] / 100.0;
    const Kraefte d = GitterTeile(teile, bars, a.e[3] + kyD * (60.0 - vc), kyD, 0.0);
    EXPECT_NEAR(d.N, -200.0, 2.0);
    EXPECT_NEAR(d.My, 180.0, 2.0);
}

TEST(CalcBEMEMASQUE, HexagonAnalysisUnderBiaxialBending) {
    // Side 25 cm: 50 cm across the corners, 43.3 cm across the flats. A ring of
    // 24 bars 5 cm inside the inscribed circle, 24 cm² in total.
    MasqueEingabe e = Stuetze(25.0, 0.0, -800.0, 90.0, 60.0, 1);
    e.iQuer = 6;
    e.Modus = 2;
    e.c1 = 24.0f;
    MasqueAusgabe a;
    ASSERT_EQ(CalcBEMEMASQUE(0, 0, e, a), 0) << a.text;
    const double s3 = std::sqrt(3.0);
    const double r = 25.0 * s3 / 2.0 - 5.0;
    std::vector<Bar> bars;
    for (int i = 0; i < 24; ++i) {
        const double phi = 2.0 * std::numbers::pi * (i + 0.5) / 24.0;
        bars.push_back({r * std::cos(phi), r * std::sin(phi), 1.0});
    }
    auto innen = [s3](double u, double v) {
        return std::fabs(v) <= 25.0 * s3 / 2.0 && std::fabs(u) <= 25.0 - std::fabs(v) / s3;
    };
    // The plane from the curvatures and the smallest corner strain.
    const double ky = a.e[1] / 100.0, kz = a.e[2] / 100.0;
    double minRand = 1e300;
    for (int i = 0; i < 6; ++i) {
        const double phi = std::numbers::pi * i / 3.0;
        minRand = std::min(minRand, kz * 25.0 * std::cos(phi) - ky * 25.0 * std::sin(phi));
    }
    const Kraefte k = GitterForm(50.0, 25.0 * s3, innen, bars, a.e[3] - minRand, ky, kz);
    EXPECT_NEAR(k.N, -800.0, 4.0);
    EXPECT_NEAR(k.My, 90.0, 0.5);
    EXPECT_NEAR(k.Mz, 60.0, 0.5);
}

TEST(CalcBEMEMASQUE, RoundSectionsAreDesignedAlike) {
    // A circle of 40 cm and a ring of bars: the same design for any direction of
    // the same moment.
    auto rund = [](double My, double Mz) {
        MasqueEingabe e = Stuetze(40.0, 0.0, -1000.0, My, Mz, 1);
        e.iQuer = 7;
        e.d1y = 5.0f;
        MasqueAusgabe a;
        EXPECT_EQ(CalcBEMEMASQUE(0, 0, e, a), 0) << a.text;
        return a.As;
    };
    const double gerade = rund(150.0, 0.0);
    EXPECT_GT(gerade, 5.0);
    EXPECT_NEAR(rund(0.0, 150.0), gerade, 0.01 * gerade);
    EXPECT_NEAR(rund(150.0 / std::sqrt(2.0), 150.0 / std::sqrt(2.0)), gerade, 0.01 * gerade);
}

TEST(CalcBEMEMASQUE, DesignEndsWhereTheAreaCannotBeResolvedFiner) {
    // A section so large that neighbouring areas lie further apart than the step: the
    // search stops there instead of halving the same interval for ever. Centric
    // tension is carried by the steel alone: As = N / fyd.
    MasqueEingabe e = Stuetze(1e15, 1e15, 1e30, 0.0, 0.0, 1);
    MasqueAusgabe a;
    ASSERT_EQ(CalcBEMEMASQUE(0, 0, e, a), 0) << a.text;
    EXPECT_NEAR(a.As, 1e30 / (kFyd * 0.1), 1e-3 * 1e30 / (kFyd * 0.1));
}

TEST(CalcBEMEMASQUE, Refusals) {
    const struct {
        const char* was;
        void (*aendern)(MasqueEingabe&);
        int status;
        const char* text;
    } faelle[] = {
        {"DIN 1045 of 1988", [](MasqueEingabe& e) { e.iNorm = 1; }, 90, "DIN 1045 (1988)"},
        {"SIA", [](MasqueEingabe& e) { e.iNorm = 4; }, 90, "SIA"},
        {"variant", [](MasqueEingabe& e) { e.NormVariante = 2; }, 92, "Variante 2"},
        {"mode 3", [](MasqueEingabe& e) { e.Modus = 3; }, 92, "Modus 3"},
        {"own curves", [](MasqueEingabe& e) { e.iKurven = 1; }, 92, "Linien"},
        {"shape 4", [](MasqueEingabe& e) { e.iQuer = 4; }, 91, "iQuer = 4"},
        {"arrangement on a T",
         [](MasqueEingabe& e) {
             e.iQuer = 2;
             e.d[2] = 20.0f;
             e.d[3] = 20.0f;
             e.d[4] = 30.0f;
             e.iAnordnung = 2;
         },
         96, "Bewehrungsanordnung 2"},
        {"arrangement 5", [](MasqueEingabe& e) { e.iAnordnung = 5; }, 96, "Bewehrungsanordnung 5"},
        {"covers", [](MasqueEingabe& e) { e.d1y = 36.0f; }, 93, "Randabstände"},
        {"strain limits", [](MasqueEingabe& e) { e.epsCu = -1.0f; }, 93, "Baustoffwerte"},
        {"beyond the limit ratio", [](MasqueEingabe& e) { e.My = 2000.0f; }, 94, "9.00 %"},
        {"crushed", [](MasqueEingabe& e) { e.N = -10000.0f; }, 94, "reichen nicht"},
        // Forces and limits that are not finite numbers are refused at once: a status
        // "not converged" would send the caller round its loop of larger steps.
        {"moment NaN", [](MasqueEingabe& e) { e.My = std::nanf(""); }, 93, "Schnittgrößen"},
        {"axial force infinite", [](MasqueEingabe& e) { e.N = -HUGE_VALF; }, 93, "Schnittgrößen"},
        {"limit ratio infinite", [](MasqueEingabe& e) { e.grenze = HUGE_VALF; }, 93, "Grenze"},
        {"limit ratio above the section", [](MasqueEingabe& e) { e.grenze = 150.0f; }, 93,
         "Grenze"},
        {"step NaN", [](MasqueEingabe& e) { e.schritt = std::nanf(""); }, 93, "Schrittweite"},
        {"width NaN", [](MasqueEingabe& e) { e.d[0] = std::nanf(""); }, 93, "Rechteck"},
        {"cover NaN", [](MasqueEingabe& e) { e.d1y = std::nanf(""); }, 93, "Randabstände"},
    };
    for (const auto& f : faelle) {
        MasqueEingabe e = Stuetze(40.0, 40.0, -500.0, 100.0, 0.0, 1);
        f.aendern(e);
        MasqueAusgabe a;
        EXPECT_EQ(CalcBEMEMASQUE(0, 0, e, a), f.status) << f.was;
        EXPECT_EQ(a.status, f.status) << f.was;
        EXPECT_NE(a.text.find(f.text), std::string::npos) << f.was << ": " << a.text;
        EXPECT_EQ(a.As, 0.0f) << f.was;
    }
    MasqueAusgabe a;
    EXPECT_EQ(CalcBEMEMASQUE(0, 1, Stuetze(40.0, 40.0, -500.0, 100.0, 0.0, 1), a), 90);
}

} // namespace
