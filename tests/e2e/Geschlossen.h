#pragma once

// Closed forms of a sheet pile wall in one cohesionless soil without groundwater and
// without wall friction, vertical wall and level ground: the active pressure grows as
// gamma·Ka·y from the head, the passive pressure as gamma·Kp·(y - He) below the excavation
// level He, with Ka = tan²(45° - phi/2) and Kp = tan²(45° + phi/2). Every figure is
// linear between its ends, so forces and moments are exact sums of linear figures.

#include <cmath>
#include <vector>

namespace geschlossen {

constexpr double kPi = 3.14159265358979323846;

inline double Ka(double phiGrad) {
    return std::pow(std::tan((45.0 - phiGrad / 2.0) * kPi / 180.0), 2);
}
// The horizontal active coefficient with the wall friction angle delta (vertical wall,
// level ground, plane slip surface): cos²phi / (1 + sqrt(sin(phi + delta)·sin phi / cos
// delta))²; Ka without wall friction.
inline double KaH(double phiGrad, double deltaGrad) {
    const double phi = phiGrad * kPi / 180.0;
    const double delta = deltaGrad * kPi / 180.0;
    const double w = std::sqrt(std::sin(phi + delta) * std::sin(phi) / std::cos(delta));
    return std::pow(std::cos(phi), 2) / std::pow(1.0 + w, 2);
}
// The horizontal passive coefficient of a curved slip surface with the (negative) wall
// friction angle delta, vertical wall and level ground:
// Kp0·(1 - 0.53·delta)^(5.96·phi + 0.26)·cos delta, angles in radians, Kp0 = (1 + sin
// phi)/(1 - sin phi); Kp without wall friction.
inline double KpH(double phiGrad, double deltaGrad) {
    const double phi = phiGrad * kPi / 180.0;
    const double delta = deltaGrad * kPi / 180.0;
    const double kp0 = (1.0 + std::sin(phi)) / (1.0 - std::sin(phi));
    return kp0 * std::pow(1.0 - 0.53 * delta, 5.96 * phi + 0.26) * std::cos(delta);
}
inline double Kp(double phiGrad) {
    return std::pow(std::tan((45.0 + phiGrad / 2.0) * kPi / 180.0), 2);
}

// A pressure figure, linear from ordinate e1 at depth y1 to e2 at depth y2 (kN/m², m).
struct Figur {
    double y1, y2, e1, e2;

    // The part above depth t.
    Figur Bis(double t) const {
        if (t <= y1) {
            return {y1, y1, 0.0, 0.0};
        }
        if (t >= y2) {
            return *this;
        }
        return {y1, t, e1, e1 + (e2 - e1) * (t - y1) / (y2 - y1)};
    }
    // Its resultant (kN/m).
    double Kraft() const { return (e1 + e2) * (y2 - y1) / 2.0; }
    // Its moment about depth c, the integral of e(y)·(y - c): positive when it lies below.
    double Moment(double c) const {
        const double h = y2 - y1;
        return h / 6.0 * (e1 * (2.0 * y1 + y2) + e2 * (y1 + 2.0 * y2)) - c * Kraft();
    }
};

using Figuren = std::vector<Figur>;

inline double Kraft(const Figuren& figuren, double t) {
    double summe = 0.0;
    for (const Figur& f : figuren) {
        summe += f.Bis(t).Kraft();
    }
    return summe;
}
inline double Moment(const Figuren& figuren, double t, double c) {
    double summe = 0.0;
    for (const Figur& f : figuren) {
        summe += f.Bis(t).Moment(c);
    }
    return summe;
}

// The wall and its soil. The active side above the excavation level is the classical
// triangle unless a redistributed figure replaces it; below it the triangle goes on.
struct SandWand {
    double gamma;            // kN/m³
    double phi;              // degrees
    double He;               // excavation level below the head, m
    double fAktiv;           // design factor of the active side
    double fPassiv;          // design factor of the passive side: eta_p / gamma_Ep
    Figuren oben{};          // redistributed active figure above He (empty: the triangle)
    Figuren lastenD{};       // further active figures, already with their design factors
    double kopfkraftD = 0.0; // design horizontal force at the head, kN/m
    double unten = 100.0;    // depth down to which the figures reach
    double deltaA = 0.0;     // wall friction angle of the active side, degrees
    double deltaP = 0.0;     // of the passive side, degrees (negative: the soil rises)

    double KaH() const { return geschlossen::KaH(phi, deltaA); }
    double KpH() const { return geschlossen::KpH(phi, deltaP); }

    Figuren Aktiv() const {
        const double k = gamma * KaH();
        Figuren f = oben.empty() ? Figuren{{0.0, He, 0.0, k * He}} : oben;
        f.push_back({He, unten, k * He, k * unten});
        return f;
    }
    Figuren Passiv() const { return {{He, unten, 0.0, gamma * KpH() * (unten - He)}}; }

    // A uniform surcharge q spreads into the uniform active ordinate Ka·q; with its
    // design factor, down to the depth the figures reach.
    Figur AuflastD(double faktor, double q) const {
        const double e = faktor * KaH() * q;
        return {0.0, unten, e, e};
    }

    // Design moment about depth c of both sides cut at the foot t (active positive).
    double MomentD(double t, double c) const {
        return fAktiv * Moment(Aktiv(), t, c) + Moment(lastenD, t, c) - kopfkraftD * c -
               fPassiv * Moment(Passiv(), t, c);
    }
    // Bending moment of a cantilever at depth z from the design pressures above it: the
    // moment of what lies above about z, counted positive.
    double BiegemomentD(double z) const { return -MomentD(z, z); }
    // Design horizontal forces of the two sides down to t.
    double EaD(double t) const {
        return fAktiv * Kraft(Aktiv(), t) + Kraft(lastenD, t) + kopfkraftD;
    }
    double EpD(double t) const { return fPassiv * Kraft(Passiv(), t); }
};

// Root of f between a and b by bisection (f(a) and f(b) of opposite sign).
template <class F> double Nullstelle(F f, double a, double b) {
    const bool negativBeiA = f(a) < 0.0;
    for (int i = 0; i < 200; ++i) {
        const double m = (a + b) / 2.0;
        if ((f(m) < 0.0) == negativBeiA) {
            a = m;
        } else {
            b = m;
        }
    }
    return (a + b) / 2.0;
}

// How far f moves when its argument x is off by up to dx: the tolerance of a value
// derived from a depth that an iteration finds only to within dx.
template <class F> double Streuung(F f, double x, double dx) {
    return std::fmax(std::fabs(f(x + dx) - f(x)), std::fabs(f(x - dx) - f(x)));
}

// x rounded up to a multiple of the step.
inline double AufRunden(double x, double schritt) {
    return std::ceil(x / schritt - 1e-9) * schritt;
}

// Distance of x from the nearest multiple of the step: a closed-form total depth this
// close to a rounding boundary would round either way within the iteration's tolerance.
inline double AbstandZumRaster(double x, double schritt) {
    const double rest = x / schritt - std::floor(x / schritt);
    return std::fmin(rest, 1.0 - rest) * schritt;
}

} // namespace geschlossen
