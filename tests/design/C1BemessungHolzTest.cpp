#include "design/C1BemessungHolz.h"
#include "platform/C1Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// A timber class for the tests: its check gives utilisations from a list, one per
// call, and counts the calls.
class Probeholz : public C1BemessungHolz {
public:
    explicit Probeholz(int typ = 3) : C1BemessungHolz(typ) {}
    int Nachweis(const C1HolzNachweisDaten&, C1HolzNachweisErg& erg, int) override {
        erg.eta2 = Naechste();
        return 7;
    }
    double Ausnutzung(const C1HolzNachweisDaten&) override { return Naechste(); }
    double GetEBasis(int) const override { return 11000.0; }

    std::vector<double> etas;
    std::vector<double> breiten; // the width at each check
    int dispatch = 0;

protected:
    int DispatchTyp(int a, int b, int c) override {
        ++dispatch;
        return a + b + c;
    }

private:
    double Naechste() {
        breiten.push_back(Quer.d[1]);
        const double e = etas.empty() ? 0.5 : etas.front();
        if (!etas.empty()) {
            etas.erase(etas.begin());
        }
        return e;
    }
};

TEST(C1BemessungHolz, RectangleValuesAndNames) {
    const struct {
        double b, d, kerbe, al;
        int teile;
        double A, Iy, Iz;
        const char* name;
    } faelle[] = {
        {12, 24, 0, 0, 1, 288, 13824, 3456, "b/d=12/24"},
        {12, 24, 4, 0, 1, 240, 240.0 * 400.0 / 12.0, 240.0 * 144.0 / 12.0,
         "b/d=12/24,  Aufklauung= 4.0"},
        {10.5, 20, 0, 0, 1, 210, 7000, 210.0 * 110.25 / 12.0, "b/d=10.5/20"},
        {150.5, 20, 0, 0, 1, 3010, 3010.0 * 400.0 / 12.0, 3010.0 * 150.5 * 150.5 / 12.0,
         "b/d=150.5/20"},
        {12, 24, 0, 15.0, 1, 288, 13824, 3456, "b/d=12/24  alpha =15.00"},
        {12, 24, 0, 0, 2, 576, 27648, 6912, "Rechteck (2-teilig) 12/24"},
        {12, 24, 0, 0, 3, 576, 27648, 6912, "Rechteck (2-teilig mit Zwischenhölzern)  12/24"},
    };
    for (const auto& f : faelle) {
        Probeholz h;
        h.gammaEigen = 5.0;
        h.Quer.d[1] = f.b;
        h.Quer.d[2] = f.d;
        h.Quer.Aufklauung = f.kerbe;
        h.Quer.al = f.al;
        h.Quer.Bewehrung.iLayout = f.teile;
        EXPECT_EQ(h.GetQuerschnittText(), 0) << f.name;
        EXPECT_NEAR(h.Quer.A, f.A, 1e-9) << f.name;
        EXPECT_NEAR(h.Quer.Iy, f.Iy, 1e-6) << f.name;
        EXPECT_NEAR(h.Quer.Iz, f.Iz, 1e-6) << f.name;
        EXPECT_EQ(h.Quer.Name, f.name);
        const double brutto = f.b * f.d * (f.teile > 1 ? 2.0 : 1.0);
        EXPECT_NEAR(h.Quer.ABrutto, brutto, 1e-9) << f.name;
        EXPECT_NEAR(h.Quer.Eigengewicht, brutto * 1e-4 * 5.0, 1e-12) << f.name;
    }
}

TEST(C1BemessungHolz, CircleAndMissingDimensions) {
    Probeholz h;
    h.Quer.iQuer = 2;
    h.Quer.d[1] = 20.0;
    EXPECT_EQ(h.GetQuerschnittText(), 0);
    EXPECT_NEAR(h.Quer.A, 3.14159 * 100.0, 1e-9);
    EXPECT_NEAR(h.Quer.Ix, 3.14159 * 1e4 / 2.0, 1e-9);
    EXPECT_EQ(h.Quer.Name, "Kreis20");

    Probeholz leer;
    leer.Quer.d[1] = 12.0;
    leer.Quer.A = -3.0;
    EXPECT_EQ(leer.GetQuerschnittText(), 1);
    EXPECT_EQ(leer.Quer.A, -3.0);
    EXPECT_TRUE(leer.Quer.Name.empty());
}

TEST(C1BemessungHolz, TorsionConstantAsGivenAndAZeroSideRefused) {
    // The formula as the timber design has it, pinned: for a square it gives
    // (0.052 + 1 − 0.63) · 0.333 / (1 − 0.65 / 2) · a · b · b = 0.2081 · b³.
    C1Quer q;
    q.Bemetyp = 3;
    q.d[1] = 10.0;
    q.d[2] = 10.0;
    EXPECT_NEAR(TorsionIt(q), 0.422 * 0.333 / 0.675 * 1e3, 1e-9);
    q.d[2] = 20.0;
    const double r = 2.0;
    EXPECT_NEAR(TorsionIt(q),
                (0.052 / 32.0 + 1.0 - 0.63 / r) * 0.333 / (1.0 - 0.65 / 9.0) * 20.0 * 10.0 * 10.0,
                1e-9);
    q.d[2] = 0.0;
    EXPECT_THROW(TorsionIt(q), C1Exception);
    q.iQuer = 7;
    EXPECT_EQ(TorsionIt(q), 0.0);
}

TEST(C1BemessungHolz, DesignModeWidensUntilTheCheckPasses) {
    C1HolzNachweisDaten daten;
    C1HolzNachweisErg erg;
    const struct {
        std::vector<double> etas;
        int maxSchritte;
        std::vector<double> breiten;
        double eta;
    } faelle[] = {
        {{1.5, 1.2, 0.9}, 10, {8, 10, 12}, 0.9},
        {{1.5, 1.4, 1.3, 1.2}, 3, {8, 10, 12}, 1.3},
        {{0.7}, 10, {8}, 0.7},
    };
    for (const auto& f : faelle) {
        Probeholz h;
        h.Quer.Nachweis = 2;
        h.Quer.d[2] = 24.0;
        h.etas = f.etas;
        EXPECT_EQ(h.GetQuerschnittText(), 0); // the width starts at the start value
        double eta = -1.0;
        EXPECT_EQ(h.CalcNachweis(daten, erg, &eta, f.maxSchritte), 7);
        EXPECT_EQ(h.breiten, f.breiten);
        EXPECT_EQ(eta, f.eta);
        EXPECT_EQ(h.Quer.iBemessen, 1);
    }
    // A check of kind 3 to 5 takes the utilisation itself and keeps the status 0.
    Probeholz h;
    daten.iArt = 4;
    h.etas = {0.8};
    double eta = 0.0;
    EXPECT_EQ(h.CalcNachweis(daten, erg, &eta, 5), 0);
    EXPECT_EQ(erg.eta1, 0.8);
    EXPECT_EQ(erg.eta2, 0.8);
    h.Quer.Nachweis = 0;
    EXPECT_EQ(h.CalcNachweis(daten, erg, &eta, 5), 0);
    EXPECT_EQ(eta, 0.0);
}

TEST(C1BemessungHolz, MaterialAndForwarding) {
    Probeholz h(3);
    h.kE = 0.9;
    h.gammaHolz = 5.0;
    h.E6 = 8000.0;
    h.gamma6 = 4.2;
    EXPECT_EQ(h.nDim, 3);
    EXPECT_NEAR(h.GetEModul(), 9900.0, 1e-9);
    EXPECT_EQ(h.GetWichte(), 5.0);
    EXPECT_EQ(h.Dispatch(1, 2, 3), 6);
    h.Bemetyp = 6;
    EXPECT_EQ(h.GetEModul(), 8000.0);
    EXPECT_EQ(h.GetWichte(), 4.2);
    h.Bemetyp = 1; // not timber: no timber values
    EXPECT_EQ(h.GetEModul(), 0.0);
    EXPECT_EQ(h.GetWichte(), 0.0);
    h.SetHolzTyp(6);
    EXPECT_EQ(h.Dispatch(1, 2, 3), 0);
    EXPECT_EQ(h.dispatch, 1);

    // Section values of another section through the common operation, and the
    // recomputation only when something changed.
    C1Quer q;
    q.Bemetyp = 3;
    q.d[1] = 12.0;
    q.d[2] = 24.0;
    h.Bemetyp = 3;
    EXPECT_EQ(h.GetQuerschnittswerte(q), 0);
    EXPECT_EQ(q.A, 288.0);
    EXPECT_EQ(h.Quer.A, 0.0);
    EXPECT_EQ(h.GetQuerschnittswerteNeu(q), 0);
    EXPECT_EQ(h.Quer.A, 288.0);
    q.A = 5.0; // values present and nothing changed: kept
    EXPECT_EQ(h.GetQuerschnittswerteNeu(q), 0);
    EXPECT_EQ(q.A, 5.0);
}

} // namespace
