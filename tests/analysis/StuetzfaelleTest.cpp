// Every support case of the wall tells one story in its internal forces: the cantilever
// and the anchored wall with a free, a 50 % and a fixed foot, with and without excess
// water pressure, from the examples. The deflection follows the characteristic moments
// (w'' = M/EI, with the beam's moment sign and a movement toward the excavation negative)
// and vanishes at the supports; the beam carries the iteration's anchor force and turns
// at the foot as the depth was designed for; the shear steps at the anchor by the anchor
// force.
#include "Beispiel.h"
#include "WandFixture.h"

#include "analysis/Biegelinie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr int kSegmente = 20;

struct Fall {
    std::string name;
    const char* datei;
    int einspannung; // -1: the wall without anchor
    bool wasser;
};

std::vector<Fall> Faelle() {
    std::vector<Fall> faelle;
    for (const bool wasser : {true, false}) {
        const std::string w = wasser ? " with water" : " without water";
        faelle.push_back({"cantilever" + w, "examples/kragwand.xml", -1, wasser});
        for (const int e : {0, 50, 100}) {
            faelle.push_back({"anchored, fixity " + std::to_string(e) + w,
                              "examples/anker_frei.xml", e, wasser});
        }
    }
    return faelle;
}

Beispiel Rechne(const Fall& f) {
    Beispiel b(f.datei, [&f](C1ZirfInput& in) {
        if (f.einspannung >= 0) {
            in.einspannung = f.einspannung;
        }
        if (!f.wasser) {
            in.tgv = in.tgh;
        }
    });
    EXPECT_EQ(b.calc->CalcWand(), 1);
    return b;
}

// The design lines of the finished wall at any beam position, from its design beam and
// its passive side: the moment, or the shear.
struct Design {
    // The design line of the state that needs the deepest wall, its passive side mobilised
    // as far as it needs (all of its design share, up to the beam's rounding).
    explicit Design(C1ZirfCalc& c)
        : calc(c), bemessung(c), z(static_cast<std::size_t>(c.iZustand)),
          faktor(c.anteilPassivZustand.at(z)) {
        n = c.nLastfaelle;
        c.pTraeger->DelLasten();
        c.CalcTraegerLastenZusatz();
        c.pTraeger->Calc();
        nPassiv = c.nLastfaelle;
    }
    ~Design() {
        calc.nLastfaelle = n;
        calc.pTraeger->DelLasten();
        calc.CalcTraegerLasten();
        calc.pTraeger->Calc();
    }
    Design(const Design&) = delete;
    Design& operator=(const Design&) = delete;

    double M(double x) const {
        double m = bemessung.Mx(z, x);
        for (int j = 1; j <= nPassiv; ++j) {
            m += faktor * calc.pTraeger->GetMx(j, x);
        }
        return m;
    }
    double Reaktion(int k) const {
        double r = bemessung.Auflagerkraft(z, k);
        for (int j = 1; j <= nPassiv; ++j) {
            r += faktor * calc.pTraeger->GetAuflagerkraft(j, k);
        }
        return r;
    }

    C1ZirfCalc& calc;
    Bemessungslasten bemessung;
    std::size_t z;
    double faktor;
    int n = 0;
    int nPassiv = 0;
};

// EI times the rotation at the foot of the span between the foot depth t and the anchor,
// simply supported, under the design moment line: Simpson's rule on a fine grid.
double DrehungFuss(const Design& d, double xFuss, double xAnker) {
    const double l = xAnker - xFuss;
    return Simpson([&](double x) { return d.M(x) * (xAnker - x) / l; }, xFuss, xAnker);
}

// The deflection at the depth y from the 21 places (depth p·TL/20): the parabola through
// the three nearest places.
double DurchbiegungBei(const C1ZirfCalc& c, double TL, double y) {
    const double u = y / TL * kSegmente;
    const int p = std::clamp(static_cast<int>(std::lround(u)), 1, kSegmente - 1);
    const double s = u - p;
    const auto w = [&c](int i) { return c.Durchbiegung[static_cast<std::size_t>(i)]; };
    return w(p) + s * (w(p + 1) - w(p - 1)) / 2.0 +
           s * s * (w(p + 1) - 2.0 * w(p) + w(p - 1)) / 2.0;
}

double Groesste(const C1ZirfCalc& c) {
    double m = 0.0;
    for (const double w : c.Durchbiegung) {
        m = std::max(m, std::fabs(w));
    }
    return m;
}

TEST(Stuetzfaelle, DeflectionFollowsTheCharacteristicMomentsAndRestsOnTheSupports) {
    for (const Fall& f : Faelle()) {
        SCOPED_TRACE(f.name);
        Beispiel b = Rechne(f);
        const C1ZirfCalc& c = *b.calc;
        const double TL = c.pTraeger->GetTL();
        const double dx = TL / kSegmente;
        const double EI = biegelinie::Biegesteifigkeit(b.f.in.Iy);
        // Curvature (deflections in cm): w'' = 100·M/EI, taken as linear between the
        // points, whose second difference is then (k[i-1] + 4·k[i] + k[i+1])/6.
        const auto k = [&](int i) { return 100.0 * c.MChar[std::size_t(i)] / EI; };
        double kMax = 0.0;
        for (int i = 0; i <= kSegmente; ++i) {
            kMax = std::max(kMax, std::fabs(k(i)));
        }
        ASSERT_GT(kMax, 0.0);
        for (int i = 1; i < kSegmente; ++i) {
            // Point i of the moment line is place 20 - i of the deflection.
            const auto w = [&](int j) { return c.Durchbiegung[std::size_t(kSegmente - j)]; };
            const double zweite = (w(i + 1) - 2.0 * w(i) + w(i - 1)) / (dx * dx);
            EXPECT_NEAR(zweite, (k(i - 1) + 4.0 * k(i) + k(i + 1)) / 6.0, 1e-9 * kMax) << i;
        }
        const double wMax = Groesste(c);
        ASSERT_GT(wMax, 0.0);
        if (f.einspannung < 0) {
            // Clamped at the foot; the head moves toward the excavation.
            EXPECT_EQ(c.Durchbiegung[kSegmente], 0.0);
            EXPECT_LT(c.Durchbiegung[0], 0.0);
            continue;
        }
        const double A = b.f.in.tiefe_anker;
        EXPECT_NEAR(DurchbiegungBei(c, TL, A), 0.0, 0.01 * wMax);
        EXPECT_NEAR(DurchbiegungBei(c, TL, c.t), 0.0, 0.01 * wMax);
        // The span between anchor and foot bulges toward the excavation.
        double feld = 0.0;
        for (int p = 0; p <= kSegmente; ++p) {
            const double y = p * TL / kSegmente;
            if (y > A && y < c.t) {
                feld = std::min(feld, c.Durchbiegung[std::size_t(p)]);
            }
        }
        EXPECT_LT(feld, -0.1 * wMax);
    }
}

TEST(Stuetzfaelle, FixityNeverMakesTheSpanDeflectionGrow) {
    for (const bool wasser : {true, false}) {
        SCOPED_TRACE(wasser);
        double vorher = 0.0;
        for (const int e : {0, 50, 100}) {
            SCOPED_TRACE(e);
            Beispiel b = Rechne({"", "examples/anker_frei.xml", e, wasser});
            const C1ZirfCalc& c = *b.calc;
            const double feld = *std::min_element(c.Durchbiegung.begin(), c.Durchbiegung.end());
            EXPECT_LT(feld, 0.0);
            if (e > 0) {
                EXPECT_LE(std::fabs(feld), vorher * 1.001);
            }
            vorher = std::fabs(feld);
        }
    }
}

TEST(Stuetzfaelle, BeamCarriesTheAnchorForceAndTurnsAtTheFootAsDesigned) {
    for (const bool wasser : {true, false}) {
        // The free foot's rotation at its own depth, the target of the partly fixed one.
        double frei = 0.0;
        for (const int e : {0, 50, 100}) {
            SCOPED_TRACE(std::to_string(e) + (wasser ? " with water" : " without water"));
            Beispiel b = Rechne({"", "examples/anker_frei.xml", e, wasser});
            C1ZirfCalc& c = *b.calc;
            const double TL = c.pTraeger->GetTL();
            const double A = b.f.in.tiefe_anker;
            const Design d(c);
            const double anker = d.Reaktion(c.auflagerAnker);
            EXPECT_NEAR(anker, c.AK, 0.005 * c.AK);
            // The shear steps at the anchor by the anchor's reaction (QuA lies 1 cm above).
            EXPECT_NEAR(c.QuA - c.QA, anker, 0.005 * anker);
            const double drehung = DrehungFuss(d, TL - c.t, TL - A);
            // The diagrams' step at the foot force is the foot support's reaction.
            EXPECT_NEAR(c.QFuss, d.Reaktion(c.auflagerFuss), 1e-6 * c.AK);
            if (e == 0) {
                frei = drehung;
                // No force at a free foot.
                EXPECT_NEAR(d.Reaktion(c.auflagerFuss), 0.0, 0.005 * c.AK);
            } else {
                // A fixed foot does not turn, a 50 % one by half the free foot's rotation.
                EXPECT_NEAR(drehung, (1.0 - e / 100.0) * frei, 0.01 * std::fabs(frei));
            }
        }
    }
}

} // namespace

namespace {

// The tip force of the vertical-force check, from the forces it prints: without anchor
// the active earth pressure, the foot force's components, the wall's weight and the earth
// support; with anchor the downward earth pressure of every load case and the anchor's
// component against the support force's upward component, plus the wall's weight, which
// the normal force carries and that check leaves out.
double Spitzenkraft(const C1ZirfCalc& c, const C1ZirfInput& in) {
    if (in.mitanker == 0) {
        const double tanDelta = std::tan(c.Schicht[c.iSchichtFuss].deltp / c.GradFaktor);
        return c.eavk + 0.5 * c.Cvk - 0.5 * c.Ck * tanDelta - c.summeBvk + c.Wandgewicht(c.t);
    }
    double unten = c.AKvk;
    for (int lf = 0; lf < c.nLastfaelle; ++lf) {
        unten += c.vertikalLf[lf];
    }
    return unten + c.BvkLf[0] + c.Wandgewicht(c.t);
}

TEST(Stuetzfaelle, NormalForceAtTheFootIsTheTipForceOfTheVerticalForceCheck) {
    // With every partial factor 1 the design forces are the characteristic ones: the
    // normal force at the foot is then the check's tip force (the anchor horizontal, whose
    // component the check takes from a share of its force only).
    for (Fall f : Faelle()) {
        SCOPED_TRACE(f.name);
        Beispiel b(f.datei, [&f](C1ZirfInput& in) {
            using T = C1ZirfInput::Teilsicherheitsbeiwerte;
            for (int s = 1; s <= 3; ++s) {
                for (const auto k : {T::gamma_g, T::gamma_q, T::gamma_e0g, T::gep}) {
                    in.teilsicherheit.Set(k, s, 1.0);
                }
            }
            in.eta_p = 1.0;
            in.ankerneigung = 0.0;
            for (auto& kombi : in.kombi) {
                kombi.regel = "1.0*(1)+1.0*(2)";
            }
            if (f.einspannung >= 0) {
                in.einspannung = f.einspannung;
            }
            if (!f.wasser) {
                in.tgv = in.tgh;
            }
        });
        C1ZirfCalc& c = *b.calc;
        ASSERT_EQ(c.CalcWand(), 1);
        const double spitze = Spitzenkraft(c, b.f.in);
        EXPECT_NEAR(c.NFuss, spitze, 1e-9 * std::fabs(spitze) + 1e-9);
        EXPECT_NEAR(c.NormalkraftBei(c.t, true), c.NFuss, 1e-12);
    }
}

TEST(Stuetzfaelle, ExamplesWhoseVerticalForcesHoldAreInCompressionAtTheFoot) {
    for (const char* datei : kBeispielDateien) {
        SCOPED_TRACE(datei);
        Beispiel b(datei);
        C1ZirfCalc& c = *b.calc;
        ASSERT_EQ(c.CalcWand(), 1);
        if (Spitzenkraft(c, b.f.in) - c.Wandgewicht(c.t) >= 0.0) {
            EXPECT_GT(c.NFuss, 0.0);
        }
    }
}

} // namespace
