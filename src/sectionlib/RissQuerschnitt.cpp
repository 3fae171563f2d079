#include "sectionlib/Riss.h"

#include "sectionlib/Beton.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kWurzel3 = 1.7320508075688772;
constexpr double kHStern = 100.0; // h* = min(h, 1 m), in cm
// (7.2) takes k1 = 1.5 under compression and 2h*/(3h) under tension; the caller's
// formula holds 1.5·h/h*, so tension enters with the factor 1.5·1.5·h/h*.
constexpr double kZugFaktor = 2.25;

// These routines have no variant: they serve every computed code alike.
bool NormBekannt(int iNorm) {
    return beton::NormBerechnet(iNorm, 0);
}

bool Positiv(std::initializer_list<double> werte) {
    return std::all_of(werte.begin(), werte.end(),
                       [](double w) { return std::isfinite(w) && w > 0.0; });
}

// A strip of the section parallel to the neutral axis, counted from the tension edge.
struct Schicht {
    double breite;
    double dicke;
    bool imAct; // belongs to the area Act of CalcQUER_FLAECHEN in this direction
};

// The section as strips from the tension edge in the given bending direction (1 about y,
// 2 about z); empty for a shape without strips or bad dimensions.
// Circles and hexagons are cut into thin strips of their width at mid-strip; the count
// is a multiple of 4 so that the hexagon's corners fall on strip boundaries.
constexpr int kStreifen = 4000;

template <class Breite> std::vector<Schicht> Streifen(double ausdehnung, Breite breite) {
    std::vector<Schicht> s;
    const double t = ausdehnung / kStreifen;
    for (int i = 0; i < kStreifen; ++i)
        s.push_back({breite((i + 0.5) * t), t, true});
    return s;
}

std::vector<Schicht> Schichten(int iQuer, const double* d, double My, int richtung) {
    if (iQuer == 7 && Positiv({d[1]})) {
        const double r = d[1] / 2.0;
        return Streifen(d[1], [r](double y) { return 2.0 * std::sqrt(r * r - (y - r) * (y - r)); });
    }
    if (iQuer == 6 && Positiv({d[1]})) {
        // Side a, two sides horizontal: across the height the width grows from a at the
        // flat edge to 2a at mid-height; across the width the height grows from 0 at the
        // corner to a·√3 at a/2 and stays there to 3a/2.
        const double a = d[1], h = kWurzel3 * a;
        if (richtung == RISS_RICHTUNG_Z)
            return Streifen(2.0 * a, [a, h](double x) {
                return std::min({h, 2.0 * kWurzel3 * x, 2.0 * kWurzel3 * (2.0 * a - x)});
            });
        return Streifen(h, [a, h](double y) { return a + 2.0 * std::min(y, h - y) / kWurzel3; });
    }
    if (iQuer == 1 && Positiv({d[1], d[2]}))
        return richtung == RISS_RICHTUNG_Z ? std::vector<Schicht>{{d[2], d[1], true}}
                                           : std::vector<Schicht>{{d[1], d[2], true}};
    if (iQuer != 2 || !Positiv({d[1], d[2], d[3], d[4]}) || d[5] != 0.0)
        return {};
    const double bo = d[1], dO = d[2], bu = d[3], du = d[4];
    if (richtung != RISS_RICHTUNG_Z) {
        // The flange lies on top: it is the area Act in bending about y.
        if (My < 0.0)
            return {{bo, dO, true}, {bu, du, false}};
        return {{bu, du, false}, {bo, dO, true}};
    }
    // Across the width the T-beam is symmetric: outstand, middle strip, outstand.
    std::vector<Schicht> s;
    const double rand = std::fabs(bo - bu) / 2.0;
    const double randDicke = bo >= bu ? dO : du;
    if (rand > 0.0)
        s.push_back({randDicke, rand, true});
    s.push_back({dO + du, std::min(bo, bu), true});
    if (rand > 0.0)
        s.push_back({randDicke, rand, true});
    return s;
}

double Flaeche(const std::vector<Schicht>& s) {
    double a = 0.0;
    for (const auto& x : s)
        a += x.breite * x.dicke;
    return a;
}

double Ausdehnung(const std::vector<Schicht>& s) {
    double h = 0.0;
    for (const auto& x : s)
        h += x.dicke;
    return h;
}

// Distance of the centroid from the tension edge.
double Schwerpunkt(const std::vector<Schicht>& s) {
    double moment = 0.0, unten = 0.0;
    for (const auto& x : s) {
        moment += x.breite * x.dicke * (unten + x.dicke / 2.0);
        unten += x.dicke;
    }
    return moment / Flaeche(s);
}

// Area of the strips between the tension edge and the depth c.
double FlaecheBis(const std::vector<Schicht>& s, double c) {
    double a = 0.0, unten = 0.0;
    for (const auto& x : s) {
        a += x.breite * std::clamp(c - unten, 0.0, x.dicke);
        unten += x.dicke;
    }
    return a;
}

// Tensile force within Act divided by the edge stress, for a stress falling linearly
// from the tension edge to zero at the depth c: Σ b·∫(1 − y/c) dy.
double ZugkraftImAct(const std::vector<Schicht>& s, double c) {
    double f = 0.0, unten = 0.0;
    for (const auto& x : s) {
        const double a = unten, b = std::min(unten + x.dicke, c);
        if (x.imAct && b > a)
            f += x.breite * ((b - a) - (b * b - a * a) / (2.0 * c));
        unten += x.dicke;
    }
    return f;
}

bool RichtungArtGueltig(int richtung, int art, double My) {
    return richtung >= RISS_RICHTUNG_Y && richtung <= RISS_RICHTUNG_ZENTRISCH &&
           (art == RISS_ART_BIEGUNG || art == RISS_ART_ZUG) && std::isfinite(My);
}

} // namespace

int CalcQUER_FLAECHEN(int iQuer, const double* d, double& a1, double& a2, double& a3, double& a4,
                      double& a5, double& a6, double& a7) {
    a1 = a2 = a3 = a4 = a5 = a6 = a7 = 0.0;
    if (d == nullptr)
        return RISS_EINGABE;
    switch (iQuer) {
    case 1:
        if (!Positiv({d[1], d[2]}))
            return RISS_EINGABE;
        a1 = d[1] * d[2];
        a2 = a3 = a1 / 2.0;
        a4 = a7 = d[1];
        a5 = a6 = d[2];
        return RISS_OK;
    case 2:
        if (!Positiv({d[1], d[2], d[3], d[4]}) || d[5] != 0.0)
            return RISS_EINGABE;
        a1 = d[1] * d[2] + d[3] * d[4];
        a2 = a1 / 2.0;
        a3 = d[1] * d[2];
        a4 = std::max(d[1], d[3]);
        a5 = d[2] + d[4];
        a6 = d[2];
        a7 = d[3];
        return RISS_OK;
    case 6: // regular hexagon of side d[1], two sides horizontal
        if (!Positiv({d[1]}))
            return RISS_EINGABE;
        a1 = 1.5 * kWurzel3 * d[1] * d[1];
        a2 = a3 = a1 / 2.0;
        a4 = a7 = 2.0 * d[1];
        a5 = a6 = kWurzel3 * d[1];
        return RISS_OK;
    case 7:
        if (!Positiv({d[1]}))
            return RISS_EINGABE;
        a1 = kPi * d[1] * d[1] / 4.0;
        a2 = a3 = a1 / 2.0;
        a4 = a5 = a6 = a7 = d[1];
        return RISS_OK;
    default:
        return RISS_QUERSCHNITT;
    }
}

int CalcZUGFLAECHE_I(int iNorm, int iQuer, const double* d, double My, int richtung, int art,
                     double& z1, double& z2, double& z3) {
    z1 = z2 = z3 = 0.0;
    if (!NormBekannt(iNorm))
        return RISS_NORM;
    if (d == nullptr || !RichtungArtGueltig(richtung, art, My))
        return RISS_EINGABE;
    if (iQuer != 1 && iQuer != 2 && iQuer != 6 && iQuer != 7)
        return RISS_QUERSCHNITT;
    const bool ganz = richtung == RISS_RICHTUNG_ZENTRISCH || art == RISS_ART_ZUG;
    const auto s = Schichten(iQuer, d, My, ganz ? RISS_RICHTUNG_Y : richtung);
    if (s.empty())
        return RISS_EINGABE;
    z3 = Schwerpunkt(s);
    // Pure bending of the uncracked section: the neutral axis runs through the centroid.
    z1 = ganz ? Ausdehnung(s) : z3;
    z2 = ganz ? Flaeche(s) : FlaecheBis(s, z3);
    return RISS_OK;
}

double CalcDehnungSchwerAchse(int iNorm, int iQuer, double z3, const double* d, double My,
                              int richtung, int art, int* status) {
    auto ergebnis = [status](int st, double s) {
        if (status != nullptr)
            *status = st;
        return s;
    };
    if (!NormBekannt(iNorm))
        return ergebnis(RISS_NORM, 0.0);
    if (d == nullptr || !RichtungArtGueltig(richtung, art, My))
        return ergebnis(RISS_EINGABE, 0.0);
    if (iQuer != 1 && iQuer != 2 && iQuer != 6 && iQuer != 7)
        return ergebnis(RISS_QUERSCHNITT, 0.0);
    double a[7];
    if (CalcQUER_FLAECHEN(iQuer, d, a[0], a[1], a[2], a[3], a[4], a[5], a[6]) != RISS_OK)
        return ergebnis(RISS_EINGABE, 0.0);

    if (richtung == RISS_RICHTUNG_ZENTRISCH) {
        // Bending leaves the centroid free of stress; centric tension puts fct,eff there.
        if (art == RISS_ART_BIEGUNG)
            return ergebnis(RISS_OK, 0.0);
        const double h = std::min(a[3], a[4]);
        return ergebnis(RISS_OK, kZugFaktor * h / std::min(h, kHStern));
    }
    // Centric tension stresses Act evenly with fct,eff.
    if (art == RISS_ART_ZUG)
        return ergebnis(RISS_OK, 1.0);
    const auto s = Schichten(iQuer, d, My, richtung);
    if (s.empty() || !std::isfinite(z3) || z3 <= 0.0 || z3 >= Ausdehnung(s))
        return ergebnis(RISS_EINGABE, 0.0);
    const double act = richtung == RISS_RICHTUNG_Y ? a[2] : a[1];
    return ergebnis(RISS_OK, ZugkraftImAct(s, z3) / act);
}
