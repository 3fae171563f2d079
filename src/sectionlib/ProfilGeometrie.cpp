#include "sectionlib/ProfilGeometrie.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;
// Chords per rounded corner and per full circle: the area lost to the chords stays
// below 1e-5 of a profile's area.
constexpr int sehnenJeRundung = 48;
constexpr int sehnenJeKreis = 1440;

struct Ecke {
    double y, z;
    double radius; // rounding of this corner, 0 = sharp
};

ProfilPunkt operator-(ProfilPunkt a, ProfilPunkt b) {
    return {a.y - b.y, a.z - b.z};
}

ProfilPunkt einheit(ProfilPunkt v) {
    const double l = std::hypot(v.y, v.z);
    return {v.y / l, v.z / l};
}

// Replaces every rounded corner by an arc tangent to both of its edges. The arc lies
// inside the corner's angle, so the same rule rounds a re-entrant root (adds material)
// and a convex toe (takes it away).
ProfilPolygon runden(const std::vector<Ecke>& ecken) {
    ProfilPolygon p;
    const size_t n = ecken.size();
    for (size_t i = 0; i < n; ++i) {
        const Ecke& e = ecken[i];
        const ProfilPunkt P{e.y, e.z};
        if (e.radius <= 0.0) {
            p.push_back(P);
            continue;
        }
        const Ecke& a = ecken[(i + n - 1) % n];
        const Ecke& b = ecken[(i + 1) % n];
        const ProfilPunkt u1 = einheit(ProfilPunkt{a.y, a.z} - P);
        const ProfilPunkt u2 = einheit(ProfilPunkt{b.y, b.z} - P);
        const double halb = 0.5 * std::acos(std::clamp(u1.y * u2.y + u1.z * u2.z, -1.0, 1.0));
        const double tangente = e.radius / std::tan(halb);
        const ProfilPunkt w = einheit({u1.y + u2.y, u1.z + u2.z});
        const ProfilPunkt c{P.y + w.y * e.radius / std::sin(halb),
                            P.z + w.z * e.radius / std::sin(halb)};
        const double a1 = std::atan2(P.z + u1.z * tangente - c.z, P.y + u1.y * tangente - c.y);
        const double a2 = std::atan2(P.z + u2.z * tangente - c.z, P.y + u2.y * tangente - c.y);
        double bogen = a2 - a1;
        while (bogen > pi)
            bogen -= 2.0 * pi;
        while (bogen < -pi)
            bogen += 2.0 * pi;
        for (int k = 0; k <= sehnenJeRundung; ++k) {
            const double t = a1 + bogen * k / sehnenJeRundung;
            p.push_back({c.y + e.radius * std::cos(t), c.z + e.radius * std::sin(t)});
        }
    }
    return p;
}

ProfilPolygon kreis(double my, double mz, double radius) {
    ProfilPolygon p;
    for (int k = 0; k < sehnenJeKreis; ++k) {
        const double t = 2.0 * pi * k / sehnenJeKreis;
        p.push_back({my + radius * std::cos(t), mz + radius * std::sin(t)});
    }
    return p;
}

// Area integrals of one polygon, sign made positive.
struct Integrale {
    double A = 0, Sy = 0, Sz = 0, Iyy = 0, Izz = 0, Iyz = 0; // ∫y, ∫z, ∫y², ∫z², ∫yz
    Integrale& operator+=(const Integrale& o) {
        A += o.A, Sy += o.Sy, Sz += o.Sz, Iyy += o.Iyy, Izz += o.Izz, Iyz += o.Iyz;
        return *this;
    }
    Integrale skaliert(double f) const {
        return {A * f, Sy * f, Sz * f, Iyy * f, Izz * f, Iyz * f};
    }
};

Integrale integrieren(const ProfilPolygon& p) {
    Integrale s;
    const size_t n = p.size();
    for (size_t i = 0; i < n; ++i) {
        const ProfilPunkt a = p[i], b = p[(i + 1) % n];
        const double c = a.y * b.z - b.y * a.z;
        s.A += c / 2.0;
        s.Sy += (a.y + b.y) * c / 6.0;
        s.Sz += (a.z + b.z) * c / 6.0;
        s.Iyy += (a.y * a.y + a.y * b.y + b.y * b.y) * c / 12.0;
        s.Izz += (a.z * a.z + a.z * b.z + b.z * b.z) * c / 12.0;
        s.Iyz += (a.y * b.z + 2 * a.y * a.z + 2 * b.y * b.z + b.y * a.z) * c / 24.0;
    }
    return s.A < 0 ? s.skaliert(-1.0) : s;
}

// The part of a polygon on the side where the coordinate (y or z) is at most the limit.
ProfilPolygon abschneiden(const ProfilPolygon& p, bool nachZ, double grenze) {
    ProfilPolygon r;
    const size_t n = p.size();
    auto wert = [&](const ProfilPunkt& q) { return nachZ ? q.z : q.y; };
    for (size_t i = 0; i < n; ++i) {
        const ProfilPunkt a = p[i], b = p[(i + 1) % n];
        const bool aIn = wert(a) <= grenze, bIn = wert(b) <= grenze;
        if (aIn)
            r.push_back(a);
        if (aIn != bIn) {
            const double t = (grenze - wert(a)) / (wert(b) - wert(a));
            r.push_back({a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)});
        }
    }
    return r;
}

// Outline minus hole, optionally only the part up to a limit.
Integrale flaeche(const std::vector<ProfilPolygon>& teile, bool nachZ = true,
                  double grenze = HUGE_VAL) {
    Integrale s;
    for (size_t i = 0; i < teile.size(); ++i) {
        const ProfilPolygon t =
            std::isinf(grenze) ? teile[i] : abschneiden(teile[i], nachZ, grenze);
        if (t.size() >= 3)
            s += integrieren(t).skaliert(i == 0 ? 1.0 : -1.0);
    }
    return s;
}

// Plastic modulus about the axis across the given coordinate: the axis that halves the
// area, and the first moments of both halves about it.
double plastischesMoment(const std::vector<ProfilPolygon>& teile, bool nachZ, double von,
                         double bis) {
    const Integrale ganz = flaeche(teile);
    double lo = von, hi = bis;
    for (int i = 0; i < 100; ++i) {
        const double mitte = 0.5 * (lo + hi);
        (flaeche(teile, nachZ, mitte).A < 0.5 * ganz.A ? lo : hi) = mitte;
    }
    const double achse = 0.5 * (lo + hi);
    const Integrale teil = flaeche(teile, nachZ, achse);
    const double sTeil = nachZ ? teil.Sz : teil.Sy;
    const double sGanz = nachZ ? ganz.Sz : ganz.Sy;
    // Lower part: ∫(achse − c); upper part: ∫(c − achse).
    return (achse * teil.A - sTeil) + ((sGanz - sTeil) - achse * (ganz.A - teil.A));
}

double hoch4(double x) {
    return x * x * x * x;
}

// Torsion constants (mm⁴): rolled I after the steel makers' formula with the fillet
// term, channels by the thin-walled sum (below the tables, on the safe side for
// stresses), hollow sections closed (Bredt with the rounded corners).
double torsion(const ProfilMasse& m) {
    switch (m.art) {
    case ProfilArt::IProfil: {
        const double D =
            (std::pow(m.r + m.tw / 2, 2) + std::pow(m.r + m.tf, 2) - m.r * m.r) / (2 * m.r + m.tf);
        return 2.0 / 3.0 * (m.b - 0.63 * m.tf) * std::pow(m.tf, 3) +
               (m.h - 2 * m.tf) * std::pow(m.tw, 3) / 3.0 +
               2.0 * (m.tw / m.tf) * (0.145 + 0.1 * m.r / m.tf) * hoch4(D);
    }
    case ProfilArt::UProfil:
        return (2.0 * m.b * std::pow(m.tf, 3) + (m.h - 2 * m.tf) * std::pow(m.tw, 3)) / 3.0;
    case ProfilArt::Rechteckrohr: {
        const double t = m.tw;
        const double rc = 0.5 * (m.r + m.r2);
        const double hp = 2.0 * ((m.b - t) + (m.h - t)) - 2.0 * rc * (4.0 - pi);
        const double ap = (m.b - t) * (m.h - t) - rc * rc * (4.0 - pi);
        const double k = 2.0 * ap * t / hp;
        return t * t * t * hp / 3.0 + 2.0 * k * ap;
    }
    case ProfilArt::Rundrohr:
        return pi / 32.0 * (hoch4(m.h) - hoch4(m.h - 2 * m.tw));
    }
    return 0.0;
}

// Warping constant (mm⁶) and the shear centre's distance from the left edge (mm).
std::pair<double, double> woelbung(const ProfilMasse& m) {
    switch (m.art) {
    case ProfilArt::IProfil:
        return {m.tf * std::pow(m.b, 3) * std::pow(m.h - m.tf, 2) / 24.0, m.b / 2};
    case ProfilArt::UProfil: {
        // Thin-walled channel on the wall centre lines.
        const double bs = m.b - m.tw / 2, hs = m.h - m.tf;
        const double nenner = 6 * bs * m.tf + hs * m.tw;
        const double e = 3 * bs * bs * m.tf / nenner;
        const double iw =
            m.tf * std::pow(bs, 3) * hs * hs / 12.0 * (3 * bs * m.tf + 2 * hs * m.tw) / nenner;
        return {iw, m.tw / 2 - e};
    }
    case ProfilArt::Rechteckrohr:
    case ProfilArt::Rundrohr:
        return {0.0, m.b / 2};
    }
    return {0.0, 0.0};
}

} // namespace

std::vector<ProfilPolygon> ProfilUmriss(const ProfilMasse& m) {
    const double h = m.h, b = m.b, tw = m.tw, tf = m.tf, r = m.r;
    switch (m.art) {
    case ProfilArt::IProfil: {
        const double l = b / 2 - tw / 2, re = b / 2 + tw / 2;
        return {runden({{0, 0, 0},
                        {b, 0, 0},
                        {b, tf, 0},
                        {re, tf, r},
                        {re, h - tf, r},
                        {b, h - tf, 0},
                        {b, h, 0},
                        {0, h, 0},
                        {0, h - tf, 0},
                        {l, h - tf, r},
                        {l, tf, r},
                        {0, tf, 0}})};
    }
    case ProfilArt::UProfil: {
        // The flange thickness is measured halfway across the flange; the inner faces
        // slope toward the toes.
        const double s = m.neigung / 100.0;
        const double spitze = tf - s * b / 2, wurzel = tf + s * (b / 2 - tw);
        return {runden({{0, 0, 0},
                        {b, 0, 0},
                        {b, spitze, m.r2},
                        {tw, wurzel, r},
                        {tw, h - wurzel, r},
                        {b, h - spitze, m.r2},
                        {b, h, 0},
                        {0, h, 0}})};
    }
    case ProfilArt::Rechteckrohr: {
        const double t = tw;
        return {runden({{0, 0, r}, {b, 0, r}, {b, h, r}, {0, h, r}}),
                runden({{t, t, m.r2}, {b - t, t, m.r2}, {b - t, h - t, m.r2}, {t, h - t, m.r2}})};
    }
    case ProfilArt::Rundrohr:
        return {kreis(h / 2, h / 2, h / 2), kreis(h / 2, h / 2, h / 2 - tw)};
    }
    return {};
}

std::string ProfilMassePruefen(const ProfilMasse& m) {
    if (!(m.h > 0 && m.b > 0 && m.tw > 0 && m.tf > 0))
        return "h, b, tw und tf müssen größer als 0 sein";
    if (!(m.r >= 0 && m.r2 >= 0 && m.neigung >= 0))
        return "Radien und Neigung dürfen nicht negativ sein";
    switch (m.art) {
    case ProfilArt::IProfil:
    case ProfilArt::UProfil: {
        const double steg = m.art == ProfilArt::IProfil ? (m.b - m.tw) / 2 : m.b - m.tw;
        const double spitze = m.tf - m.neigung / 100.0 * m.b / 2;
        if (2 * m.tf + 2 * m.r >= m.h || m.r + m.r2 >= steg || spitze <= m.r2)
            return "Flansche, Steg und Ausrundungen passen nicht in h und b";
        return "";
    }
    case ProfilArt::Rechteckrohr:
        if (2 * m.tw >= std::min(m.b, m.h) || 2 * m.r > std::min(m.b, m.h) ||
            2 * m.r2 > std::min(m.b, m.h) - 2 * m.tw)
            return "Wanddicke und Eckradien passen nicht in h und b";
        return "";
    case ProfilArt::Rundrohr:
        if (m.h != m.b || 2 * m.tw >= m.h)
            return "Rundrohr: h = b = Durchmesser und 2 t < h";
        return "";
    }
    return "unbekannte Profilart";
}

ProfilWerte ProfilWerteBerechnen(const ProfilMasse& m) {
    constexpr double cm2 = 1e-2, cm3 = 1e-3, cm4 = 1e-4, cm6 = 1e-6, cm = 0.1;
    const std::vector<ProfilPolygon> teile = ProfilUmriss(m);
    const Integrale s = flaeche(teile);
    ProfilWerte w;
    const double ys = s.Sy / s.A, zs = s.Sz / s.A;
    const double iy = s.Izz - s.A * zs * zs; // about the horizontal axis: ∫(z − zs)²
    const double iz = s.Iyy - s.A * ys * ys;
    const double iyz = s.Iyz - s.A * ys * zs;
    w.A = s.A * cm2;
    w.Iy = iy * cm4;
    w.Iz = iz * cm4;
    w.Iyz = iyz * cm4;
    w.alpha = 0.5 * std::atan2(-2.0 * iyz, iy - iz);
    const double mitte = 0.5 * (iy + iz), radius = std::hypot(0.5 * (iy - iz), iyz);
    w.I1 = (mitte + radius) * cm4;
    w.I2 = (mitte - radius) * cm4;
    w.ys = ys * cm;
    w.zs = zs * cm;
    w.hoehe = m.h * cm;
    w.breite = m.b * cm;
    w.WyOben = w.Iy / w.zs;
    w.WyUnten = w.Iy / (w.hoehe - w.zs);
    w.WzLinks = w.Iz / w.ys;
    w.WzRechts = w.Iz / (w.breite - w.ys);
    w.Wply = plastischesMoment(teile, true, 0.0, m.h) * cm3;
    w.Wplz = plastischesMoment(teile, false, 0.0, m.b) * cm3;
    w.It = torsion(m) * cm4;
    const auto [iw, yM] = woelbung(m);
    w.Iw = iw * cm6;
    w.yM = yM * cm;
    return w;
}
