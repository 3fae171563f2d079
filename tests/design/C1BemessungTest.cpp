#include "design/C1BemessungBeton.h"
#include "platform/C1Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// A design object of a steel-like material: modulus 210000 N/mm², 78.5 kN/m³, and
// the values of a plain rectangle d[1] × d[2] as its section routine.
class Platte : public C1Bemessung {
public:
    Platte() {
        Bemetyp = 2;
        nDim = 3;
        Quer.Bemetyp = 2;
    }
    double GetEModul() const override { return IsBemetypStahl(Bemetyp) ? 210000.0 : 0.0; }
    double GetWichte() const override { return IsBemetypStahl(Bemetyp) ? 78.5 : 0.0; }

protected:
    int QuerschnittRoutine() override {
        const double b = Quer.D(1), h = Quer.D(2);
        Quer.A = b * h;
        Quer.Iy = b * h * h * h / 12.0;
        Quer.Iz = h * b * b * b / 12.0;
        // The steel section's centroid distances as its profile set-up keeps them.
        Quer.d.at(17) = h / 2.0;
        Quer.d.at(18) = b / 2.0;
        Quer.d.at(12) = h;
        Quer.d.at(10) = b;
        return 7;
    }
};

TEST(RoundUp, WholeNumbersAndEvenOnes) {
    const struct {
        double x;
        int gerade;
        double r;
    } faelle[] = {{2.0005, 0, 2.0}, {2.002, 0, 3.0}, {2.002, 1, 4.0}, {-3.0, 1, -3.0},
                  {3.0, 1, 4.0},    {4.0, 1, 4.0},   {0.0, 1, 0.0},   {-2.5, 0, -2.0}};
    for (const auto& f : faelle) {
        EXPECT_EQ(RoundUp(f.x, f.gerade), f.r) << f.x << " " << f.gerade;
    }
}

TEST(C1Bemessung, ReportTextsAreEmptyWithoutAResourceModule) {
    const C1BemessungBeton b;
    for (const char* key : {"EC2Biege", "ec2schub", "DIN1045Masque", "EC3Knick", "EC2", "x"}) {
        EXPECT_EQ(b.GetReportText(key, 0), "") << key;
        EXPECT_EQ(b.GetReportText(key, 5), "") << key;
    }
}

TEST(C1Bemessung, EachClassAnswersForItsOwnMaterialOnly) {
    C1BemessungBeton beton;
    EXPECT_EQ(beton.Bemetyp, 1);
    EXPECT_EQ(beton.iNorm, 6);
    EXPECT_EQ(beton.NormVariante, 0);
    EXPECT_FALSE(beton.bMauerwerk);
    for (int typ : {1, 4, 7, 11, 21}) {
        beton.Bemetyp = typ;
        EXPECT_EQ(beton.GetWichte(), 25.0) << typ;
        EXPECT_EQ(beton.GetEModul(), 29000.0) << typ;
    }
    // A concrete object set to a steel, timber or no type reads no other material.
    for (int typ : {0, 2, 3, 6, 10}) {
        beton.Bemetyp = typ;
        EXPECT_EQ(beton.GetWichte(), 0.0) << typ;
        EXPECT_EQ(beton.GetEModul(), 0.0) << typ;
    }
    C1Bemessung basis;
    basis.Bemetyp = 1;
    EXPECT_EQ(basis.GetEModul(), 0.0);
    EXPECT_EQ(basis.CalcQuerschnittswerte(), 0);
}

TEST(C1Bemessung, DimensionTransfer) {
    C1BemessungBeton b;
    EXPECT_EQ(b.nDim, 10);
    const double ein[9] = {30, 50, 3, 4, 5, 6, 7, 8, 9};
    double ziel[9] = {};
    EXPECT_EQ(b.CopyDimensionen(const_cast<double*>(ein), 0), 1);
    EXPECT_EQ(b.Quer.d[1], 30.0);
    EXPECT_EQ(b.Quer.d[9], 9.0);
    EXPECT_EQ(b.Quer.d[10], 0.0);
    EXPECT_EQ(b.CopyDimensionen(ziel, 1), 1);
    EXPECT_EQ(ziel[8], 9.0);
    float f[9] = {};
    EXPECT_EQ(b.CopyDimensionenF(f, 1), 1);
    EXPECT_EQ(f[1], 50.0f);
    b.nDim = 0;
    EXPECT_EQ(b.CopyDimensionen(ziel, 1), 0);
    // A short array grows to the count first.
    b.nDim = 12;
    b.Quer.d.resize(5);
    double lang[11] = {};
    EXPECT_EQ(b.CopyDimensionen(lang, 1), 1);
    EXPECT_EQ(b.Quer.d.size(), 12u);
}

TEST(C1Bemessung, SectionValuesOfAnotherSectionLeaveTheOwnOne) {
    C1BemessungBeton b;
    const double d[9] = {30, 50};
    b.SetQuerschnitt(1, d, 5, 5, 5, 5);
    ASSERT_EQ(b.Quer.A, 1500.0);
    C1Quer q;
    q.Bemetyp = 1;
    q.iQuer = 7;
    q.d[1] = 40.0;
    q.d1y = 5.0;
    EXPECT_EQ(b.GetQuerschnittswerte(q), 0);
    EXPECT_NEAR(q.A, 3.14159 * 400.0, 1e-9);
    EXPECT_EQ(b.Quer.A, 1500.0);
    EXPECT_EQ(b.Quer.iQuer, 1);
    EXPECT_EQ(b.Quer.d[1], 30.0);
}

TEST(C1Bemessung, MomentAmplificationNearTheBucklingLoad) {
    // IPE 300 about z: Iz 603.8 cm⁴, 4 m: Ncr = π² · 210000 · 603.8e-8 · 1000 / 16.
    Platte p;
    p.Quer.Iz = 603.8;
    p.Quer.Iy = 8356.0;
    const double Ncr = std::numbers::pi * std::numbers::pi * 210000.0 * 603.8e-8 * 1000.0 / 16.0;
    ASSERT_NEAR(Ncr, 782.2, 0.1);
    // π² enters with ten digits: the factor agrees to 1e-5 relative at 2, 1e-3 at 64.
    EXPECT_NEAR(p.CalcMomentVergroesserung(2, 391.0, 6.0, 4.0), 1.0 / (1.0 - 391.0 / Ncr), 2e-5);
    EXPECT_NEAR(p.CalcMomentVergroesserung(2, -391.1, 6.0, 4.0), 2.0, 0.001);
    EXPECT_NEAR(p.CalcMomentVergroesserung(2, 0.0, 6.0, 4.0), 1.0, 1e-12);
    EXPECT_NEAR(p.CalcMomentVergroesserung(2, 770.0, 6.0, 4.0), 1.0 / (1.0 - 770.0 / Ncr), 0.06);
    // At and beyond Ncr no factor, and no factor from a zero length or modulus.
    const struct {
        double N, l;
        int status;
        const char* text;
    } faelle[] = {{783.0, 4.0, 1, "N ≥ Ncr"},
                  {-1e6, 4.0, 1, "N ≥ Ncr"},
                  {100.0, 0.0, 2, "l = 0.000"},
                  // An axial force or a length that is not a finite number gives no factor either.
                  {std::nan(""), 4.0, 2, "N = nan"},
                  {HUGE_VAL, 4.0, 2, "N = inf"},
                  {100.0, std::nan(""), 2, "l = nan"},
                  {100.0, HUGE_VAL, 2, "l = inf"}};
    for (const auto& f : faelle) {
        double faktor = 5.0;
        std::string text;
        EXPECT_EQ(p.CalcMomentVergroesserung(2, f.N, 6.0, f.l, faktor, text), f.status) << f.N;
        EXPECT_EQ(faktor, 0.0);
        EXPECT_NE(text.find(f.text), std::string::npos) << text;
        try {
            p.CalcMomentVergroesserung(2, f.N, 6.0, f.l);
            ADD_FAILURE() << "no refusal for N " << f.N;
        } catch (const C1Exception& ex) {
            EXPECT_EQ(ex.module, "C1Bemessung::CalcMomentVergroesserung");
            EXPECT_NE(ex.text.find(f.text), std::string::npos);
        }
    }
    C1Bemessung ohne;
    ohne.Quer.Iy = 100.0;
    EXPECT_THROW(ohne.CalcMomentVergroesserung(1, 10.0, 3.0, 3.0), C1Exception);
}

TEST(C1Quer, CentroidDistances) {
    C1Quer t;
    t.Bemetyp = 1;
    t.iQuer = 2;
    t.d[1] = 100.0;
    t.d[2] = 20.0;
    t.d[3] = 30.0;
    t.d[4] = 40.0;
    EXPECT_EQ(t.GetEy(), 50.0);
    EXPECT_NEAR(t.GetEz(), 21.25, 1e-9); // (2000 · 10 + 1200 · 40) / 3200 below the top
    t.iQuer = 7;
    EXPECT_THROW(t.GetEy(), C1Exception);
    t.iQuer = 3;
    EXPECT_THROW(t.GetEz(), C1Exception);
    C1Quer h;
    h.Bemetyp = 3;
    h.d[1] = 12.0;
    h.d[2] = 24.0;
    EXPECT_EQ(h.GetEy(), 6.0);
    EXPECT_EQ(h.GetEz(), 12.0);
    h.iQuer = 7;
    EXPECT_EQ(h.GetEz(), 0.0);
    C1Quer s;
    s.Bemetyp = 2;
    s.d[17] = 15.0;
    s.d[18] = 7.5;
    EXPECT_EQ(s.GetEz(), 15.0);
    EXPECT_EQ(s.GetEy(), 7.5);
    C1Quer ohne;
    ohne.Bemetyp = 10;
    EXPECT_EQ(ohne.GetEz(), 0.0);
}

C1BemessungBeton Platte100x20() {
    C1BemessungBeton b;
    C1BetonSorte c30;
    c30.fck = 30.0;
    c30.Ecm = 33000.0;
    b.SetMaterial(c30, C1BetonStahl{}, C1BetonStahl{});
    const double d[9] = {100, 20};
    b.SetQuerschnitt(1, d, 3, 3, 3, 3);
    return b;
}

TEST(C1Quer, CompositeOfPartOneAloneIsItsOwnStiffness) {
    C1BemessungBeton b = Platte100x20();
    C1Quer& q = b.Quer;
    double I1 = 0.0;
    const double I = q.CalcIyVerbund(nullptr, nullptr, &b, nullptr, nullptr, &I1, nullptr, nullptr,
                                     true, true, true);
    EXPECT_NEAR(I, 100.0 * 8000.0 / 12.0, 1e-6);
    EXPECT_NEAR(I1, I, 1e-9);
    EXPECT_NEAR(q.zsVerbund, 10.0, 1e-9);
}

TEST(C1Quer, CompositePlateUnderASlabCountsByTheModulusRatio) {
    // Slab 100/20 of C30/37 (Ecm 33000) over a steel plate 30/2 whose top touches
    // the slab's bottom (hz −2). Transformed section: n = 210000 / 33000.
    C1BemessungBeton b1 = Platte100x20();
    Platte b2;
    C1Quer blech;
    blech.Bemetyp = 2;
    blech.d[1] = 30.0;
    blech.d[2] = 2.0;
    blech.hz = -2.0;
    const double n = 210000.0 / 33000.0;
    const double A1 = 2000.0, e1 = 10.0, I1 = 100.0 * 8000.0 / 12.0;
    const double A2 = 60.0, e2 = -1.0, I2 = 30.0 * 8.0 / 12.0;
    const double zs = (A1 * e1 + n * A2 * e2) / (A1 + n * A2);
    const double erwartet = I1 + A1 * (zs - e1) * (zs - e1) + n * (I2 + A2 * (zs - e2) * (zs - e2));
    double i1 = 0.0, i2 = 0.0, i3 = -1.0;
    const double I =
        b1.Quer.CalcIyVerbund(&blech, nullptr, &b1, &b2, nullptr, &i1, &i2, &i3, true, true, true);
    EXPECT_NEAR(b1.Quer.zsVerbund, zs, 1e-9);
    EXPECT_NEAR(I, erwartet, 1e-6 * erwartet);
    EXPECT_NEAR(i1 + i2, I, 1e-9 * I);
    EXPECT_EQ(i3, 0.0);
    // The plate's own values came from its design object.
    EXPECT_EQ(blech.A, 60.0);

    // Without the plate (its flag off) the slab alone remains.
    EXPECT_NEAR(b1.Quer.CalcIyVerbund(&blech, nullptr, &b1, &b2, nullptr, nullptr, nullptr, nullptr,
                                      true, false, true),
                I1, 1e-6);
    // Two equal slabs of one material stacked: b (2h)³ / 12.
    C1Quer oben;
    oben.Copy(b1.Quer);
    oben.hz = 20.0;
    C1BemessungBeton b1b = Platte100x20();
    EXPECT_NEAR(b1.Quer.CalcIyVerbund(&oben, nullptr, &b1, &b1b, nullptr, nullptr, nullptr, nullptr,
                                      true, true, true),
                100.0 * 40.0 * 40.0 * 40.0 / 12.0, 1e-6);
    // About z: widths centred on their own left edges, no offset.
    const double Iz = b1.Quer.CalcIzVerbund(&blech, nullptr, &b1, &b2, nullptr, nullptr, nullptr,
                                            nullptr, true, true, true);
    const double ys = (2000.0 * 50.0 + n * 60.0 * 15.0) / (2000.0 + n * 60.0);
    EXPECT_NEAR(b1.Quer.ysVerbund, ys, 1e-9);
    EXPECT_NEAR(Iz,
                20.0 * 1e6 / 12.0 + 2000.0 * (ys - 50.0) * (ys - 50.0) +
                    n * (2.0 * 27000.0 / 12.0 + 60.0 * (ys - 15.0) * (ys - 15.0)),
                1e-6 * Iz);
    // No design object for part 1, or no area at all: refused.
    EXPECT_THROW(b1.Quer.CalcIyVerbund(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       nullptr, nullptr, true, true, true),
                 C1Exception);
    EXPECT_THROW(b1.Quer.CalcIyVerbund(nullptr, nullptr, &b1, nullptr, nullptr, nullptr, nullptr,
                                       nullptr, false, false, false),
                 C1Exception);
}

} // namespace
