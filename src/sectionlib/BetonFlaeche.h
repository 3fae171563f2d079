#pragma once

#include <string>
#include <vector>

// Inner pieces of the concrete routines: the outline of a section, its reinforcement
// layout, the stress-strain lines, and the exact integration of concrete stresses
// over a polygon for a plane of strains. Coordinates u (right) and v (up) in cm with
// the origin in the centroid of the gross section; strains in per mille, tension
// positive; stresses in N/mm², compression negative.

namespace beton {

struct Punkt {
    double u = 0.0;
    double v = 0.0;
};

// A reinforcement point with its share of the total area.
struct Stab {
    double u = 0.0;
    double v = 0.0;
    double anteil = 0.0;
};

struct Umriss {
    std::vector<Punkt> ecken; // counter-clockwise, centroid in the origin
    double A = 0.0;
    double Iy = 0.0; // about the horizontal axis (integral of v²)
    double Iz = 0.0; // about the vertical axis (integral of u²)
    double oben = 0.0, unten = 0.0, links = 0.0, rechts = 0.0; // extremes of v and u
    double vVorher = 0.0; // centroid above the bottom edge of the outline as given
    double uVorher = 0.0; // centroid right of the left edge
};

// Outline of shape form from d[1..9] (d[0] unused). Circles become a polygon of
// equal area. Returns kOk, kFormNicht or kEingabe with text.
int UmrissBauen(int form, const double* d, Umriss& q, std::string& text);

// Polygon values of an outline given in any position; moves it so that its centroid
// lies in the origin.
void Zentrieren(Umriss& q);

// Reinforcement points of arrangement code anordnung for the outline. Covers in cm:
// bars below the top edge, above the bottom edge, from the left and the right edge.
int StaebeBauen(int form, int anordnung, const Umriss& q, double oben, double unten, double links,
                double rechts, std::vector<Stab>& staebe, std::string& text);

// A plane of strains across one direction: eps(s) = a + b·s, s in cm.
struct Ebene {
    double a = 0.0; // strain at s = 0
    double b = 0.0; // change of strain per cm along s
    double At(double s) const { return a + b * s; }
};

// The plane through the strain e1 at s1 and e2 at s2 (s1 ≠ s2).
inline Ebene Durch(double s1, double e1, double s2, double e2) {
    Ebene e;
    e.b = (e2 - e1) / (s2 - s1);
    e.a = e1 - e.b * s1;
    return e;
}

// Parabola-rectangle line of the concrete: magnitudes of the strains.
struct BetonLinie {
    double fcd = 0.0;
    double epsC2 = 2.0;
    double epsCu = 3.5;
    double n = 2.0;
};

double BetonSpannung(const BetonLinie& l, double eps);

// Bilinear line of the reinforcement with a horizontal top branch.
struct StahlLinie {
    double fyd = 0.0;
    double epsYd = 0.0;
    double epsSu = 0.0;
};

double StahlSpannung(const StahlLinie& l, double eps);

// Stress resultants: N = integral of sigma, Ss and St its first moments about the
// axes s (along the direction) and t (across it). Unit N/mm² · cm² (= 0.1 kN).
struct Resultante {
    double N = 0.0;
    double Ss = 0.0;
    double St = 0.0;
};

// Widths of an outline across one direction n = (nu, nv): piecewise linear between
// the levels of the corners, so the stress integral is exact for the parabola.
class Profil {
public:
    Profil(const Umriss& q, double nu, double nv);

    // Concrete resultant for the strains eps(s) = a + b·s.
    Resultante Integrieren(const BetonLinie& l, double a, double b) const;

    double S(double u, double v) const { return u * nu_ + v * nv_; }
    double T(double u, double v) const { return -u * nv_ + v * nu_; }
    double nu() const { return nu_; }
    double nv() const { return nv_; }
    double sMin() const { return sMin_; }
    double sMax() const { return sMax_; }

private:
    struct Stueck {
        double s0, s1, mitte;
        double w0, w1;     // width = w0 + w1·(s − mitte)
        double t0, t1, t2; // first moment of the chord about t = 0
    };
    void Sehne(const std::vector<Punkt>& st, double s, double& w, double& tm) const;

    double nu_, nv_;
    double sMin_ = 0.0, sMax_ = 0.0;
    std::vector<Stueck> stuecke_;
};

// Parabola of a concrete of higher strength from its ultimate strain: εc2 and the
// exponent n of the grade whose εcu2 it is (normal strength: 2.0 and 2).
void HochfestLinie(double epsCu, double& epsC2, double& n);

// kOk for the computed codes (3; 6 with variant 0 or 1), else the refusal with text.
int NormPruefen(int iNorm, int variante, std::string& text);

// Text of a number with two decimals.
std::string Zahl(double x);

} // namespace beton
