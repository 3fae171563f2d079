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

// Each load state's force at the foot from the sums of the built depth: the wall's
// weight and the vertical earth pressure of every load case, each with the state's factor,
// the anchor's vertical component of the state's anchor force, the foot force's (without
// anchor) and the wall friction of the passive side as far as the state mobilises it.
// Without anchor the foot force C is what the horizontal forces of the state leave to it:
// the mobilised passive force less the retained side's design forces.
double Spitzenkraft(const C1ZirfCalc& c, const C1ZirfInput& in, std::size_t k) {
    const C1ZirfCalc::Vertikalzustand& v = c.vertikalZustaende.at(k);
    double n = v.faktor.at(0) * in.g * c.t / 100.0;
    for (int lf = 0; lf < c.nLastfaelle; ++lf) {
        n += v.faktor.at(static_cast<std::size_t>(lf)) * c.vertikalLf[lf];
    }
    double passiv = 0.0;
    for (int lf = 0; lf <= in.nLfFlaecheVorn; ++lf) {
        if (lf != 1) {
            passiv -= c.vertikalPassivLf[lf];
        }
    }
    n += v.anteilPassiv * passiv;
    if (in.mitanker != 0) {
        return n + std::tan(in.ankerneigung * M_PI / 180.0) * v.AK;
    }
    const double tanDelta = std::tan(c.Schicht[c.iSchichtFuss].deltp * M_PI / 180.0);
    const double tanNeigung = std::tan(in.ersatz_neigung * M_PI / 180.0);
    return n + 0.5 * (tanNeigung - tanDelta) * v.ersatzkraft;
}

// The foot force C of a state of the wall without anchor from its horizontal forces: the
// passive side's share less the retained side's design forces (the object in that state).
double Ersatzkraft(C1ZirfCalc& c, std::size_t z, double anteil) {
    c.SetzeZustand(z);
    c.KombiniereWandlasten();
    double passiv = 0.0;
    for (int lf = 0; lf <= c.pInput->nLfFlaecheVorn; ++lf) {
        if (lf != 1) {
            passiv -= c.kraftPassivLf[lf];
        }
    }
    // SC holds the variable loads, the water and the whole design share of the passive
    // side; the permanent load cases are added here.
    double aktiv = c.SC + c.pInput->eta_p / c.gep * passiv;
    for (int lf = 0; lf < c.nLastfaelle; ++lf) {
        aktiv += c.FaktorLastfall(lf) * c.kraftLf[lf];
    }
    return anteil * passiv - aktiv;
}

TEST(Stuetzfaelle, EachStatesNormalForceAtTheFootIsItsOwnSumOfVerticalForces) {
    for (const Fall& f : Faelle()) {
        SCOPED_TRACE(f.name);
        Beispiel b = Rechne(f);
        C1ZirfCalc& c = *b.calc;
        ASSERT_EQ(c.vertikalZustaende.size(), c.zustaende.size());
        for (std::size_t k = 0; k < c.vertikalZustaende.size(); ++k) {
            const double spitze = Spitzenkraft(c, b.f.in, k);
            EXPECT_NEAR(c.NormalkraftBei(c.t, true, c.vertikalZustaende[k]), spitze,
                        1e-9 * std::fabs(spitze) + 1e-9)
                << c.ZustandText(k);
        }
        if (f.einspannung < 0) {
            // Up to the beam's rounding of the passive figures' factor 1/3.
            for (std::size_t k = 0; k < c.vertikalZustaende.size(); ++k) {
                const C1ZirfCalc::Vertikalzustand& v = c.vertikalZustaende[k];
                const double C = Ersatzkraft(c, k, v.anteilPassiv);
                EXPECT_NEAR(v.ersatzkraft, C, 2e-4 * std::fabs(C) + 1e-6) << c.ZustandText(k);
            }
        }
        // The greatest and the least of the states at the foot are the envelope's there,
        // and the check of the vertical forces takes the least.
        const C1ZirfCalc::Huelle h = c.NormalkraftGrenzen(c.t, true);
        const std::size_t m = c.MassgebenderVertikalzustand();
        EXPECT_EQ(c.NormalkraftBei(c.t, true, c.vertikalZustaende.at(m)), h.min);
        for (const C1ZirfCalc::Vertikalzustand& v : c.vertikalZustaende) {
            EXPECT_LE(c.NormalkraftBei(c.t, true, v), h.max);
            EXPECT_GE(c.NormalkraftBei(c.t, true, v), h.min);
        }
    }
}

} // namespace
