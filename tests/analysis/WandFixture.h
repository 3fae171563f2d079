#pragma once

#include "beam/C1Traeger.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

// A wall in one cohesionless soil without water, set up by hand so that every figure has a
// closed form: active pressure gamma·Ka·y from the head, passive pressure gamma·Kp·(y - He)
// below the excavation level He, vertical wall, no wall friction. The layer table has
// boundaries at He/2, He and, below, every 2 m down to a deep model bottom.
// The design factor of beam load case j, to recombine the per-case results: the
// compaction case above the earth-pressure cases takes gammaG, every other beam case j
// holds the loads of load case j - 1.
inline double FaktorBalkenLastfall(const C1ZirfCalc& c, int j) {
    return j == c.nLastfaelle + 1 ? c.gammaG : c.FaktorLastfall(j - 1);
}

struct WandFixture {
    static constexpr double kGamma = 18.0; // kN/m³
    static constexpr double kKa = 0.3;
    static constexpr double kKp = 4.0;
    static constexpr double kHe = 3.0;
    static constexpr double kUnten = 30.0; // model bottom
    static constexpr double kGammaG = 1.35;
    static constexpr double kGammaQ = 1.5;
    static constexpr double kGep = 1.4;
    static constexpr double kEtaP = 1.0;

    C1ZirfInput in{nullptr};
    C1Traeger traeger;
    std::unique_ptr<C1ZirfCalc> calc = std::make_unique<C1ZirfCalc>(&in, &traeger);

    explicit WandFixture(int lastfaelle = 1) {
        using T = C1ZirfInput::Teilsicherheitsbeiwerte;
        in.lastfall = 1;
        in.teilsicherheit.Set(T::gamma_g, 1, kGammaG);
        in.teilsicherheit.Set(T::gamma_q, 1, kGammaQ);
        in.teilsicherheit.Set(T::gamma_e0g, 1, 1.2);
        in.teilsicherheit.Set(T::gep, 1, kGep);
        in.wand_hw = kHe;
        in.eta_p = kEtaP;
        in.rundung = 0.05;
        in.Iy = 38000.0;
        in.g = 118.0;
        in.kumlag = 1; // no redistribution
        in.iLetzterLastfall = lastfaelle - 1;
        for (int i = 0; i < lastfaelle; ++i) {
            in.lastfallLf.at(static_cast<std::size_t>(i)) = i + 1;
            in.lastfallEinw.at(static_cast<std::size_t>(i)) = i == 0 ? 1 : 2;
            // A rule may name only load cases that a load of the input has; the figures
            // of these loads are set by hand below.
            if (i > 0) {
                in.flaechenlast.at(static_cast<std::size_t>(in.nFlaechenlast++)).lf = i + 1;
            }
        }
        Kombi("1.35*(1)");
        Schichten();
    }

    void Kombi(const std::string& regel, const std::string& art = "STR,GEO-2 BS-P") {
        in.kombi.push_back({static_cast<int>(in.kombi.size()), art, regel});
    }

    void Anker(double tiefe, int einspannung) {
        in.mitanker = 1;
        in.tiefe_anker = tiefe;
        in.einspannung = einspannung;
        calc->yAnker = tiefe;
    }

    void Kopflast(int lf, int stelle, double h, double m, double v = 0.0) {
        auto& k = in.kopflast.at(static_cast<std::size_t>(in.nKopflast++));
        k.lf = lf;
        k.stelle = stelle;
        k.h = h;
        k.m = m;
        k.v = v;
    }

    // A uniform compaction pressure e (active set) in the layers von ... bis.
    void Verdichtung(double e, int von, int bis) {
        in.mitverd = 1;
        in.nwstand = 0;
        for (int i = von; i <= bis; ++i) {
            const C1Schicht& s = calc->Schicht[i];
            C1VerdichtungSchicht& v = calc->Verdichtung[i];
            v.eoV1 = v.euV1 = e;
            v.EV1 = e * s.dicke;
            v.yV1 = (s.yo + s.yu) / 2.0;
        }
    }

    // A uniform pressure e of result load case lc (a surcharge) in the layers von ... bis.
    void Flaechenlast(int lc, double e, int von, int bis) {
        for (int i = von; i <= bis; ++i) {
            const C1Schicht& s = calc->Schicht[i];
            C1SchichtErgebnis& a = calc->ErgAktiv[calc->IndexAktiv(lc, i)];
            Figur(a, s.yo, s.yu, e, e);
            a.eoh = a.euh = e;
        }
    }

    static double Ea(double y) { return kGamma * kKa * y; }
    static double Ep(double y) { return y > kHe ? kGamma * kKp * (y - kHe) : 0.0; }

    void Schichten() {
        std::vector<double> grenzen = {0.0, kHe / 2.0, kHe};
        while (grenzen.back() < kUnten) {
            grenzen.push_back(grenzen.back() + 2.0);
        }
        C1ZirfCalc& c = *calc;
        const int n = static_cast<int>(grenzen.size()) - 1;
        c.iLetzteSchicht = n - 1;
        c.iSchichtAushub = 1;
        c.iSchichtUnten = 2;
        c.iErsteSchicht = 0;
        c.xGelaende = 0.0;
        c.yGelaende = 0.0;
        c.tgh = c.tgv = 50.0; // below the model: no excess water pressure
        for (int i = 0; i < n; ++i) {
            C1Schicht& s = c.Schicht[i];
            s.yo = grenzen[static_cast<std::size_t>(i)];
            s.yu = grenzen[static_cast<std::size_t>(i) + 1];
            s.dicke = s.yu - s.yo;
            s.xWand = 0.0;
            s.yWand = s.yu;
            C1SchichtErgebnis& a = c.ErgAktiv[i];
            Figur(a, s.yo, s.yu, Ea(s.yo), Ea(s.yu));
            a.eoh = Ea(s.yo);
            a.euh = Ea(s.yu);
            if (i >= c.iSchichtUnten) {
                C1SchichtErgebnis& p = c.ErgPassiv[i - c.iSchichtUnten];
                Figur(p, s.yo, s.yu, Ep(s.yo), Ep(s.yu));
                p.epoh = Ep(s.yo);
                p.epuh = Ep(s.yu);
            }
        }
    }

    // Resultant and its depth of a linear figure.
    static void Figur(C1SchichtErgebnis& e, double yo, double yu, double eo, double eu) {
        const double h = yu - yo;
        e.Eh = (eo + eu) * h / 2.0;
        e.yE = e.Eh != 0.0 ? yo + h * (eo + 2.0 * eu) / (3.0 * (eo + eu)) : 0.0;
        e.Ev = 0.0;
    }
};

// The integral of f from a to b by Simpson's rule over n (even) intervals.
template <class F> double Simpson(F f, double a, double b, int n = 2000) {
    const double h = (b - a) / n;
    double s = f(a) + f(b);
    for (int i = 1; i < n; ++i) {
        s += (i % 2 == 1 ? 4.0 : 2.0) * f(a + i * h);
    }
    return s * h / 3.0;
}

// Finds the root of f between a and b by bisection (f(a) and f(b) of opposite sign).
template <class F> double Nullstelle(F f, double a, double b) {
    double fa = f(a);
    for (int i = 0; i < 200; ++i) {
        const double m = (a + b) / 2.0;
        const double fm = f(m);
        if ((fm < 0.0) == (fa < 0.0)) {
            a = m;
            fa = fm;
        } else {
            b = m;
        }
    }
    return (a + b) / 2.0;
}

// The retained side's design loads of the load states on the design beam (a beam load case
// per component, each state's factors): the value of state z at x and its reactions. The
// states of a combination come with all its variable load cases first, the permanent
// loads alone last.
struct Bemessungslasten {
    explicit Bemessungslasten(C1ZirfCalc& c)
        : traeger(c.BemessungsTraeger()), koeff(c.KoeffizientenJeZustand()) {}
    template <class Wert> double Summe(std::size_t z, Wert wert) const {
        double v = 0.0;
        for (std::size_t i = 0; i < koeff.at(z).size(); ++i) {
            v += koeff[z][i] * wert(static_cast<int>(i) + 1);
        }
        return v;
    }
    double Mx(std::size_t z, double x) const {
        return Summe(z, [&](int Lf) { return traeger.GetMx(Lf, x); });
    }
    double Qx(std::size_t z, double x) const {
        return Summe(z, [&](int Lf) { return traeger.GetQx(Lf, x); });
    }
    double Auflagerkraft(std::size_t z, int k) const {
        return Summe(z, [&](int Lf) { return traeger.GetAuflagerkraft(Lf, k); });
    }
    C1Traeger traeger;
    std::vector<std::vector<double>> koeff;
};

// Support reaction of the beam's support k under the design loads: the retained side as
// the iteration took it in load state z (the design beam), then the passive side with
// eta_p/gep.
inline double Bemessungsreaktion(C1ZirfCalc& c, int k, double etaGep, std::size_t z = 0) {
    const int n = c.nLastfaelle;
    double r = Bemessungslasten(c).Auflagerkraft(z, k);
    c.pTraeger->DelLasten();
    c.CalcTraegerLastenZusatz();
    c.pTraeger->Calc();
    for (int j = 1; j <= c.nLastfaelle; ++j) {
        r += etaGep * c.pTraeger->GetAuflagerkraft(j, k);
    }
    c.nLastfaelle = n;
    c.pTraeger->DelLasten();
    c.CalcTraegerLasten();
    c.pTraeger->Calc();
    return r;
}

// The anchored wall by hand, on the span from the anchor A to the foot depth t where the
// foot force C acts, with the retained pressure g·gamma·Ka·y plus a uniform q (and a force
// at the head) and the passive side mu·gamma·Kp·(y - He): the moment (beam sign) at depth
// d, the force C, and EI times the foot's rotation (the moment's work on a unit moment at
// the foot).
struct HandWand {
    double t, A, g, q, mu;
    double kopf = 0.0; // a horizontal force at the head
    double Last(double d) const {
        const double u = std::max(d - WandFixture::kHe, 0.0);
        return WandFixture::kGamma *
                   (g * WandFixture::kKa * d * d * d - mu * WandFixture::kKp * u * u * u) / 6.0 +
               q * d * d / 2.0 + kopf * d;
    }
    double Kraft(double d) const {
        const double u = std::max(d - WandFixture::kHe, 0.0);
        return WandFixture::kGamma *
                   (g * WandFixture::kKa * d * d - mu * WandFixture::kKp * u * u) / 2.0 +
               q * d + kopf;
    }
    double Anker() const { return Last(t) / (t - A); }
    double C() const { return Kraft(t) - Anker(); }
    double M(double d) const { return d > t ? 0.0 : -Last(d) + (d > A ? Anker() * (d - A) : 0.0); }
    // The design shear (beam sign) at depth d, below the anchor for d = A.
    double Q(double d) const { return Kraft(d) - (d >= A ? Anker() : 0.0); }
    double Drehung() const {
        return Simpson([this](double d) { return M(d) * (d - A) / (t - A); }, A, t);
    }
};

// The passive share of a hand wall that leaves no force at its foot, and the one whose
// foot turns by `anteil` times the rotation of that free foot.
inline double MuFrei(HandWand w) {
    const auto c = [&w](double mu) {
        w.mu = mu;
        return w.C();
    };
    return -c(0.0) / (c(1.0) - c(0.0));
}
inline double MuDrehung(HandWand w, double anteil) {
    w.mu = MuFrei(w);
    const double ziel = anteil * w.Drehung();
    const auto d = [&w](double mu) {
        w.mu = mu;
        return w.Drehung();
    };
    return (ziel - d(0.0)) / (d(1.0) - d(0.0));
}
