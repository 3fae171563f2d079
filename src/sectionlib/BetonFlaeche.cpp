#include "sectionlib/BetonFlaeche.h"

#include "sectionlib/Beton.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace beton {

namespace {

constexpr int kKreisEcken = 72;   // polygon of a circle, of the circle's area
constexpr int kStaebeLage = 5;    // points of a layer of bars
constexpr int kStaebeSeite = 5;   // points per side of a bar rectangle
constexpr int kStaebeRing = 24;   // points of a ring of bars
constexpr double kMinMass = 1e-6; // smallest dimension taken as given (cm)

int Fehler(std::string& text, const std::string& t, int status) {
    text = t;
    return status;
}

void Rechteck(std::vector<Punkt>& e, double b, double h) {
    e = {{0.0, 0.0}, {b, 0.0}, {b, h}, {0.0, h}};
}

// The two-part section as drawn: an upper part d1 × d2, a lower part d3 × d4, a
// haunch of height d5 between them, the narrower part shifted left by d7.
int ZweiTeile(const double* d, std::vector<Punkt>& e, std::string& text) {
    const double d1 = d[1], d2 = d[2], d3 = d[3], d4 = d[4], d5 = d[5], d7 = d[7];
    // Written as negations so that a dimension that is not a number fails them too.
    if (!(d1 > kMinMass) || !(d2 > kMinMass) || !(d3 > kMinMass) || !(d4 > kMinMass) ||
        !(d5 >= 0.0) || !std::isfinite(d1 + d2 + d3 + d4 + d5 + d7)) {
        return Fehler(text, "Plattenbalken: bo, do, bu und du müssen größer als 0 sein", kEingabe);
    }
    const double breit = std::max(d1, d3);
    const double schmal = std::min(d1, d3);
    const double o = breit / 2.0 - schmal / 2.0 - d7;
    if (o < -kMinMass || o + schmal > breit + kMinMass) {
        return Fehler(text, "Plattenbalken: der schmale Teil ragt über den breiten hinaus",
                      kEingabe);
    }
    const double H = d2 + d4 + d5;
    if (d1 > d3) {
        e = {{o, 0.0}, {o + d3, 0.0}, {o + d3, d4},   {d1, d4 + d5},
             {d1, H},  {0.0, H},      {0.0, d4 + d5}, {o, d4}};
    } else {
        e = {{0.0, 0.0},  {d3, 0.0}, {d3, d4},     {o + d1, d4 + d5},
             {o + d1, H}, {o, H},    {o, d4 + d5}, {0.0, d4}};
    }
    // A haunch of zero height leaves two equal corners: drop them.
    std::vector<Punkt> ohne;
    for (const Punkt& p : e) {
        if (ohne.empty() || std::hypot(p.u - ohne.back().u, p.v - ohne.back().v) > kMinMass) {
            ohne.push_back(p);
        }
    }
    e = ohne;
    return kOk;
}

} // namespace

void Zentrieren(Umriss& q) {
    double A2 = 0.0, su = 0.0, sv = 0.0;
    const std::size_t n = q.ecken.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Punkt& p = q.ecken[i];
        const Punkt& r = q.ecken[(i + 1) % n];
        const double k = p.u * r.v - r.u * p.v;
        A2 += k;
        su += (p.u + r.u) * k;
        sv += (p.v + r.v) * k;
    }
    const double uc = su / (3.0 * A2);
    const double vc = sv / (3.0 * A2);
    double minU = 1e300, minV = 1e300;
    for (Punkt& p : q.ecken) {
        minU = std::min(minU, p.u);
        minV = std::min(minV, p.v);
    }
    q.uVorher = uc - minU;
    q.vVorher = vc - minV;
    for (Punkt& p : q.ecken) {
        p.u -= uc;
        p.v -= vc;
    }
    double iy = 0.0, iz = 0.0;
    q.oben = q.rechts = -1e300;
    q.unten = q.links = 1e300;
    for (std::size_t i = 0; i < n; ++i) {
        const Punkt& p = q.ecken[i];
        const Punkt& r = q.ecken[(i + 1) % n];
        const double k = p.u * r.v - r.u * p.v;
        iy += (p.v * p.v + p.v * r.v + r.v * r.v) * k;
        iz += (p.u * p.u + p.u * r.u + r.u * r.u) * k;
        q.oben = std::max(q.oben, p.v);
        q.unten = std::min(q.unten, p.v);
        q.rechts = std::max(q.rechts, p.u);
        q.links = std::min(q.links, p.u);
    }
    q.A = A2 / 2.0;
    q.Iy = iy / 12.0;
    q.Iz = iz / 12.0;
}

int UmrissBauen(int form, const double* d, Umriss& q, std::string& text) {
    q = Umriss{};
    switch (form) {
    case 1:
        if (!(d[1] > kMinMass) || !(d[2] > kMinMass) || !std::isfinite(d[1] + d[2])) {
            return Fehler(text,
                          "Rechteck: Breite " + Zahl(d[1]) + " und Höhe " + Zahl(d[2]) +
                              " müssen größer als 0 sein",
                          kEingabe);
        }
        Rechteck(q.ecken, d[1], d[2]);
        break;
    case 2: {
        const int st = ZweiTeile(d, q.ecken, text);
        if (st != kOk) {
            return st;
        }
        break;
    }
    case 6: {
        const double s = d[1];
        if (!(s > kMinMass) || !std::isfinite(s)) {
            return Fehler(text, "6-Eck: die Seitenlänge d1 muss größer als 0 sein", kEingabe);
        }
        const double h = s * std::numbers::sqrt3 / 2.0;
        q.ecken = {{s, 0.0}, {s / 2.0, h}, {-s / 2.0, h}, {-s, 0.0}, {-s / 2.0, -h}, {s / 2.0, -h}};
        break;
    }
    case 7: {
        const double R = d[1] / 2.0;
        if (!(R > kMinMass) || !std::isfinite(R)) {
            return Fehler(text, "Kreis: der Durchmesser d1 muss größer als 0 sein", kEingabe);
        }
        const double phi = 2.0 * std::numbers::pi / kKreisEcken;
        const double rho = R * std::sqrt(2.0 * std::numbers::pi / (kKreisEcken * std::sin(phi)));
        for (int i = 0; i < kKreisEcken; ++i) {
            q.ecken.push_back({rho * std::cos(i * phi), rho * std::sin(i * phi)});
        }
        break;
    }
    default:
        return Fehler(text,
                      "Querschnittsform iQuer = " + std::to_string(form) +
                          " wird nicht unterstützt (nur Rechteck 1, Plattenbalken 2, 6-Eck 6, "
                          "Kreis 7)",
                      kFormNicht);
    }
    Zentrieren(q);
    return kOk;
}

int StaebeBauen(int form, int anordnung, const Umriss& q, double oben, double unten, double links,
                double rechts, std::vector<Stab>& staebe, std::string& text) {
    staebe.clear();
    const double hoehe = q.oben - q.unten;
    if (form == 6 || form == 7) {
        // A ring of bars at the distance "oben" inside the inscribed circle.
        const double R = form == 7 ? std::sqrt(q.A / std::numbers::pi) : hoehe / 2.0;
        if (!(oben > 0.0) || !(oben < R)) {
            return Fehler(text,
                          "Randabstand der Bewehrung " + Zahl(oben) +
                              " liegt nicht zwischen 0 und " + Zahl(R),
                          kEingabe);
        }
        const double r = R - oben;
        for (int i = 0; i < kStaebeRing; ++i) {
            const double phi = 2.0 * std::numbers::pi * (i + 0.5) / kStaebeRing;
            staebe.push_back({r * std::cos(phi), r * std::sin(phi), 1.0 / kStaebeRing});
        }
        return kOk;
    }
    if (!(oben > 0.0) || !(unten > 0.0) || !(oben + unten < hoehe) ||
        !std::isfinite(links + rechts)) {
        return Fehler(text,
                      "Randabstände der Bewehrung oben " + Zahl(oben) + " / unten " + Zahl(unten) +
                          " passen nicht in den Querschnitt",
                      kEingabe);
    }
    // Side distances default to the distances of the layers.
    const double l = links > 0.0 ? links : oben;
    const double r = rechts > 0.0 ? rechts : unten;
    const double vo = q.oben - oben;
    const double vu = q.unten + unten;
    // Extent of a layer: the outline's edge at its own level.
    auto kante = [&](double v, double& u0, double& u1) {
        u0 = 1e300;
        u1 = -1e300;
        for (const Punkt& p : q.ecken) {
            if (std::fabs(p.v - v) < 1e-9) {
                u0 = std::min(u0, p.u);
                u1 = std::max(u1, p.u);
            }
        }
    };
    double ou0, ou1, uu0, uu1;
    kante(q.oben, ou0, ou1);
    kante(q.unten, uu0, uu1);
    auto lage = [&](double v, double u0, double u1, double anteil) {
        for (int i = 0; i < kStaebeLage; ++i) {
            const double u = u0 + (u1 - u0) * i / (kStaebeLage - 1);
            staebe.push_back({u, v, anteil / kStaebeLage});
        }
    };
    if (ou1 - ou0 - l - r <= 0.0 || uu1 - uu0 - l - r <= 0.0) {
        return Fehler(text, "Seitliche Randabstände der Bewehrung passen nicht in den Querschnitt",
                      kEingabe);
    }
    if (anordnung == 0 || anordnung == 1) {
        lage(vo, ou0 + l, ou1 - r, 0.5);
        lage(vu, uu0 + l, uu1 - r, 0.5);
        return kOk;
    }
    if (form != 1 || (anordnung != 2 && anordnung != 3)) {
        return Fehler(text,
                      "Bewehrungsanordnung " + std::to_string(anordnung) +
                          " wird für Querschnittsform " + std::to_string(form) +
                          " nicht unterstützt",
                      kAnordnungNicht);
    }
    const Punkt ecken[4] = {
        {q.links + l, vu}, {q.rechts - r, vu}, {q.rechts - r, vo}, {q.links + l, vo}};
    if (anordnung == 3) {
        for (const Punkt& p : ecken) {
            staebe.push_back({p.u, p.v, 0.25});
        }
        return kOk;
    }
    // All four sides alike: a quarter of the area on each.
    for (int k = 0; k < 4; ++k) {
        const Punkt& a = ecken[k];
        const Punkt& b = ecken[(k + 1) % 4];
        for (int i = 0; i < kStaebeSeite; ++i) {
            const double f = static_cast<double>(i) / kStaebeSeite;
            staebe.push_back({a.u + (b.u - a.u) * f, a.v + (b.v - a.v) * f, 0.25 / kStaebeSeite});
        }
    }
    return kOk;
}

double BetonSpannung(const BetonLinie& l, double eps) {
    if (eps >= 0.0) {
        return 0.0;
    }
    const double e = -eps;
    if (e >= l.epsC2) {
        return -l.fcd;
    }
    return -l.fcd * (1.0 - std::pow(1.0 - e / l.epsC2, l.n));
}

double StahlSpannung(const StahlLinie& l, double eps) {
    const double s = l.fyd * eps / l.epsYd;
    return std::clamp(s, -l.fyd, l.fyd);
}

void HochfestLinie(double epsCu, double& epsC2, double& n) {
    const double e = std::fabs(epsCu);
    if (e >= 3.5 - 1e-6 || e <= 2.6) {
        epsC2 = 2.0;
        n = 2.0;
        return;
    }
    // εcu2 = 2.6 + 35 ((90 − fck) / 100)⁴ solved for fck.
    const double fck = 90.0 - 100.0 * std::pow((e - 2.6) / 35.0, 0.25);
    epsC2 = 2.0 + 0.085 * std::pow(std::max(fck - 50.0, 0.0), 0.53);
    n = 1.4 + 23.4 * std::pow((90.0 - fck) / 100.0, 4.0);
}

Profil::Profil(const Umriss& q, double nu, double nv) : nu_(nu), nv_(nv) {
    std::vector<Punkt> st; // (s, t) of the corners
    std::vector<double> ebenen;
    for (const Punkt& p : q.ecken) {
        st.push_back({S(p.u, p.v), T(p.u, p.v)});
        ebenen.push_back(st.back().u);
    }
    std::sort(ebenen.begin(), ebenen.end());
    sMin_ = ebenen.front();
    sMax_ = ebenen.back();
    for (std::size_t i = 0; i + 1 < ebenen.size(); ++i) {
        const double s0 = ebenen[i];
        const double s1 = ebenen[i + 1];
        if (s1 - s0 < 1e-9) {
            continue;
        }
        const double h = (s1 - s0) / 4.0;
        const double m = (s0 + s1) / 2.0;
        double wa, ta, wb, tb, wc, tc;
        Sehne(st, m - h, wa, ta);
        Sehne(st, m, wb, tb);
        Sehne(st, m + h, wc, tc);
        Stueck k{};
        k.s0 = s0;
        k.s1 = s1;
        k.mitte = m;
        k.w0 = wb;
        k.w1 = (wc - wa) / (2.0 * h);
        k.t0 = tb;
        k.t1 = (tc - ta) / (2.0 * h);
        k.t2 = (ta - 2.0 * tb + tc) / (2.0 * h * h);
        stuecke_.push_back(k);
    }
}

void Profil::Sehne(const std::vector<Punkt>& st, double s, double& w, double& tm) const {
    std::vector<double> alle;
    const std::size_t m = st.size();
    for (std::size_t i = 0; i < m; ++i) {
        const Punkt& p = st[i];
        const Punkt& r = st[(i + 1) % m];
        if ((p.u <= s && s < r.u) || (r.u <= s && s < p.u)) {
            alle.push_back(p.v + (s - p.u) * (r.v - p.v) / (r.u - p.u));
        }
    }
    std::sort(alle.begin(), alle.end());
    w = 0.0;
    tm = 0.0;
    for (std::size_t i = 0; i + 1 < alle.size(); i += 2) {
        w += alle[i + 1] - alle[i];
        tm += (alle[i + 1] * alle[i + 1] - alle[i] * alle[i]) / 2.0;
    }
}

Resultante Profil::Integrieren(const BetonLinie& l, double a, double b) const {
    // Five-point Gauss-Legendre: exact for the parabola of exponent 2 times the
    // linear width and the level (degree 4) on each piece.
    static const double xg[5] = {0.0, -0.5384693101056831, 0.5384693101056831, -0.9061798459386640,
                                 0.9061798459386640};
    static const double wg[5] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665,
                                 0.2369268850561891, 0.2369268850561891};
    Resultante r;
    for (const Stueck& k : stuecke_) {
        double grenzen[4] = {k.s0, k.s1, k.s1, k.s1};
        int n = 2;
        if (std::fabs(b) > 1e-15) {
            for (double eps : {0.0, -l.epsC2}) {
                const double s = (eps - a) / b;
                if (s > k.s0 && s < k.s1) {
                    grenzen[n++] = s;
                }
            }
        }
        // At most four limits: an insertion sort.
        for (int i = 1; i < n; ++i) {
            for (int j = i; j > 0 && grenzen[j] < grenzen[j - 1]; --j) {
                std::swap(grenzen[j], grenzen[j - 1]);
            }
        }
        for (int j = 0; j + 1 < n; ++j) {
            const double s0 = grenzen[j];
            const double s1 = grenzen[j + 1];
            const double mitte = (s0 + s1) / 2.0;
            if (s1 - s0 <= 0.0 || a + b * mitte >= 0.0) {
                continue;
            }
            const double halb = (s1 - s0) / 2.0;
            for (int g = 0; g < 5; ++g) {
                const double s = mitte + halb * xg[g];
                const double sig = BetonSpannung(l, a + b * s);
                const double x = s - k.mitte;
                const double w = k.w0 + k.w1 * x;
                const double tm = k.t0 + k.t1 * x + k.t2 * x * x;
                const double f = wg[g] * halb * sig;
                r.N += f * w;
                r.Ss += f * w * s;
                r.St += f * tm;
            }
        }
    }
    return r;
}

} // namespace beton
