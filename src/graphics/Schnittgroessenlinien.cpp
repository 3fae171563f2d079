#include "graphics/Schnittgroessenlinien.h"

#include "beam/C1Traeger.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kSegmente = 20;
// The design lines are drawn with this many points per segment of the stored lines: a
// point every half millimetre of a picture 10 cm high, so that a line shows no kinks
// however short the wall; the stored points are among them.
constexpr int kTeileJeSegment = 10;
// A step of a line (at the anchor) is drawn between two points this far apart (m); its
// values are the line's on either side of the support itself, taken this close to it.
constexpr double kStufe = 1e-4;
constexpr double kGrenze = 1e-9;
// The table of internal forces prints M,d and N,d with two decimals.
constexpr int kStellenTabelle = 2;
// The labels of a step: the value above runs up from it, the one below down.
constexpr int kNachOben = 1;
constexpr int kNachUnten = 2;
// A moment up to this magnitude (kNm/m) at the foot has no row in the table.
constexpr double kFussMomentGrenze = 0.1;
// A point of the drawing grid this close to a step of the lines (the anchor, the foot
// support) gives way to the step's own points (m).
constexpr double kAbstandStufe = 0.002;

using Punkt = Schnittgroessenlinien::Punkt;
using Huelle = C1ZirfCalc::Huelle;

// A value as the table of internal forces prints it.
std::string Tabellenwert(double wert) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", kStellenTabelle, wert);
    return text;
}

// The value of a line at x, straight between its points (its points as given, in any
// order).
double Zwischen(const std::vector<Punkt>& linie, double x) {
    std::vector<Punkt> p = linie;
    std::sort(p.begin(), p.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    for (std::size_t i = 1; i < p.size(); ++i) {
        if (x <= p[i].x) {
            const double dx = p[i].x - p[i - 1].x;
            const double s = dx > 0.0 ? (x - p[i - 1].x) / dx : 0.0;
            return p[i - 1].wert + s * (p[i].wert - p[i - 1].wert);
        }
    }
    return p.empty() ? 0.0 : p.back().wert;
}

// The line through points ordered along x, drawn with `teile` points per interval: a
// monotone cubic (its slope 0 at a point where the line turns), so that between two
// points it never goes beyond them and its extremes are points given.
std::vector<Punkt> Glatt(const std::vector<Punkt>& p, int teile) {
    const std::size_t n = p.size();
    if (n < 3) {
        return p;
    }
    std::vector<double> h(n - 1);
    std::vector<double> d(n - 1);
    for (std::size_t k = 0; k + 1 < n; ++k) {
        h[k] = p[k + 1].x - p[k].x;
        d[k] = h[k] > 0.0 ? (p[k + 1].wert - p[k].wert) / h[k] : 0.0;
    }
    std::vector<double> m(n);
    m[0] = d[0];
    m[n - 1] = d[n - 2];
    for (std::size_t k = 1; k + 1 < n; ++k) {
        if (d[k - 1] * d[k] <= 0.0) {
            m[k] = 0.0;
        } else {
            const double w1 = 2.0 * h[k] + h[k - 1];
            const double w2 = h[k] + 2.0 * h[k - 1];
            m[k] = (w1 + w2) / (w1 / d[k - 1] + w2 / d[k]);
        }
    }
    std::vector<Punkt> out;
    for (std::size_t k = 0; k + 1 < n; ++k) {
        out.push_back(p[k]);
        for (int j = 1; j < teile; ++j) {
            const double t = double(j) / teile;
            const double t2 = t * t;
            const double t3 = t2 * t;
            const double w = (2.0 * t3 - 3.0 * t2 + 1.0) * p[k].wert +
                             (t3 - 2.0 * t2 + t) * h[k] * m[k] +
                             (-2.0 * t3 + 3.0 * t2) * p[k + 1].wert + (t3 - t2) * h[k] * m[k + 1];
            out.push_back({p[k].x + t * h[k], w});
        }
    }
    out.push_back(p[n - 1]);
    return out;
}

// The two lines of an envelope.
struct Paar {
    std::vector<Punkt>& max;
    std::vector<Punkt>& min;

    void Neben(double x, const Huelle& h) {
        max.push_back({x, h.max});
        min.push_back({x, h.min});
    }
    // A value the report prints: on the line it belongs to, labelled (or not) with
    // `text` where given; the other line keeps its own value there.
    void Wert(double x, const Huelle& h, double wert, bool beschriftet = true,
              const std::string& text = {}, int richtung = 0) {
        const bool oben = std::fabs(wert - h.max) <= std::fabs(wert - h.min);
        max.push_back({x, oben ? wert : h.max, oben && beschriftet, oben ? text : "", richtung});
        min.push_back({x, oben ? h.min : wert, !oben && beschriftet, oben ? "" : text, richtung});
    }
    // The value of the larger magnitude labelled, the design value; `wieTabelle`: as the
    // table prints its values.
    void Groesser(double x, const Huelle& h, int richtung = 0, bool wieTabelle = false) {
        const double g = std::fabs(h.min) > std::fabs(h.max) ? h.min : h.max;
        Wert(x, h, g, true, wieTabelle ? Tabellenwert(g) : std::string{}, richtung);
    }
    // A second line only where the states differ.
    void Einzeln() {
        bool gleich = max.size() == min.size();
        for (std::size_t i = 0; gleich && i < max.size(); ++i) {
            gleich = max[i].wert == min[i].wert;
        }
        if (gleich) {
            min.clear();
        }
    }
};

} // namespace

Schnittgroessenlinien SchnittgroessenlinienVon(const C1ZirfCalc& c, const C1ZirfInput& in) {
    Schnittgroessenlinien l;
    const bool anker = in.mitanker != 0;
    // The design beam's length: the whole wall of an anchored wall, t without anchor.
    l.TL = c.pTraeger != nullptr && c.pTraeger->GetTL() > 0.0 ? c.pTraeger->GetTL()
                                                              : (anker ? c.tGes : c.t);
    const double TL = l.TL;
    const double A = in.tiefe_anker;
    if (anker && A > 0.0) {
        l.ankerTiefe = A;
    }
    const auto x = [&](int p) { return p * TL / kSegmente; };
    const auto auf = [TL](double tiefe) { return tiefe > 0.0 && tiefe < TL; };
    const double xAnker = TL - A;
    const double xFuss = TL - c.t;
    const bool fussStufe = anker && auf(c.t);
    const auto anStufe = [&](double xp) {
        return (l.ankerTiefe > 0.0 && std::fabs(xp - xAnker) < kAbstandStufe) ||
               (fussStufe && std::fabs(xp - xFuss) < kAbstandStufe);
    };
    Paar moment{l.moment, l.momentMin};
    Paar querkraft{l.querkraft, l.querkraftMin};
    Paar normalkraft{l.normalkraft, l.normalkraftMin};
    const auto grenzenN = [&c](double tiefe, bool mitAnker) {
        return c.NormalkraftGrenzen(tiefe, mitAnker);
    };
    // The wall without anchor ends at its calculated foot, where the substitute force C
    // adds its vertical force: the normal force steps there.
    const bool fussStufeN = !anker && std::fabs(TL - c.t) < kGrenze;
    const bool huelle = !c.bemessungsSchar.Leer();
    // Every line begins at the head: a point above it would draw a figure where there is
    // no wall (a deflection running out to zero 1 m above the head).
    for (int k = 0; k <= kSegmente * kTeileJeSegment; ++k) {
        const double xp = k * TL / (kSegmente * kTeileJeSegment);
        const bool gespeichert = k % kTeileJeSegment == 0;
        if (anStufe(xp) && !(xp == 0.0 || xp == TL)) {
            continue;
        }
        if (huelle) {
            const auto [m, q] = c.MQHuelle(xp);
            moment.Neben(xp, m);
            querkraft.Neben(xp, q);
        } else if (gespeichert) {
            // Without the states' lines (a calculation set up by hand): the stored line.
            const auto P = std::size_t(k / kTeileJeSegment);
            moment.Neben(xp, {c.MDesign[P], c.MDesign[P]});
            querkraft.Neben(xp, {c.QDesign[P], c.QDesign[P]});
        }
        // The normal force steps at the anchor, also at one at the head, and at the foot
        // of the wall without anchor.
        if ((huelle || gespeichert) &&
            !(anker && std::fabs(xp - std::min(xAnker, TL)) < kAbstandStufe) &&
            !(fussStufeN && xp < kAbstandStufe)) {
            normalkraft.Neben(xp, grenzenN(TL - xp, true));
        }
    }
    // The deflection is stored head first, at the depths of the beam's points; only
    // there is it computed. Between them it is drawn smooth, never beyond its neighbours.
    std::vector<Punkt> gespeichert;
    for (int p = kSegmente; p >= 0; --p) {
        gespeichert.push_back({x(kSegmente - p), c.Durchbiegung[std::size_t(p)]});
    }
    l.durchbiegung = Glatt(gespeichert, kTeileJeSegment);
    const auto huelleM = [&](double xp) {
        return huelle ? c.MHuelle(xp) : Huelle{Zwischen(l.moment, xp), Zwischen(l.moment, xp)};
    };
    const auto huelleQ = [&](double xp) {
        return huelle ? c.QHuelle(xp)
                      : Huelle{Zwischen(l.querkraft, xp), Zwischen(l.querkraft, xp)};
    };
    // A normal force the table prints at depth y: at its point, labelled as printed.
    const auto normal = [&](double y, double wert) {
        if (y >= 0.0 && y <= TL) {
            normalkraft.Wert(TL - y, grenzenN(y, true), wert, true, Tabellenwert(wert));
        }
    };
    // The table's rows at their points, each labelled as the table prints it: the
    // greatest moment, the fixing moment, the values at the excavation level.
    if (auf(c.xm)) {
        moment.Wert(TL - c.xm, huelleM(TL - c.xm), c.Mxm, true, Tabellenwert(c.Mxm));
        normal(c.xm, c.NXm);
    }
    if (std::fabs(c.MF) > kFussMomentGrenze && c.yMF > 0.0 && c.yMF <= TL) {
        const double xF = TL - c.yMF;
        if (auf(c.yMF) || xF == 0.0) {
            moment.Wert(xF, huelleM(xF), c.MF, true, Tabellenwert(c.MF));
        }
        // At the foot of the wall without anchor the step below labels it.
        if (!(fussStufeN && xF == 0.0)) {
            normal(c.yMF, c.NMF);
        }
    }
    const double He = in.wand_hw;
    if (auf(He)) {
        const double xHe = TL - He;
        // The shear and the deflection as the drawn lines have them there.
        const Punkt w{xHe, Zwischen(l.durchbiegung, xHe), true};
        moment.Wert(xHe, huelleM(xHe), c.MHw, true, Tabellenwert(c.MHw));
        querkraft.Groesser(xHe, huelleQ(xHe));
        normal(He, c.NHw);
        l.durchbiegung.push_back(w);
    }
    if (anker) {
        // The anchor's two sides, both labelled: the shear steps by the anchor force, the
        // normal force by the anchor's vertical component and a head load at its level.
        // Above it the table's value first, then the value below; each is the line's
        // value at the anchor itself.
        const double ueber = std::min(xAnker + kStufe, TL);
        const double unter = ueber == TL ? TL - kStufe : xAnker;
        if (l.ankerTiefe > 0.0) {
            moment.Wert(xAnker, huelleM(xAnker), c.MA, true, Tabellenwert(c.MA));
            const Huelle oben = huelleQ(xAnker + kGrenze);
            querkraft.Wert(ueber, oben,
                           std::fabs(oben.min) > std::fabs(oben.max) ? oben.min : oben.max, true,
                           {}, kNachOben);
            const Huelle darunter =
                huelle ? c.QEndeHuelle(c.auflagerAnker - 1) : Huelle{c.QA, c.QA};
            querkraft.Wert(unter, darunter, c.QA, true, {}, kNachUnten);
        }
        normalkraft.Wert(ueber, grenzenN(A, false), c.NAnker, true, Tabellenwert(c.NAnker),
                         kNachOben);
        normalkraft.Groesser(unter, grenzenN(std::max(A, 0.0) + kGrenze, true), kNachUnten);
    }
    if (fussStufeN) {
        // Just above the foot and at it, with C's vertical force: both sides of the step
        // labelled, above it the design value, at the foot the least line's value, the sum
        // of the governing state's check of the vertical forces.
        // Without a step to read (C without a vertical part) one label says it.
        const Huelle oben = grenzenN(c.t - kGrenze, true);
        const Huelle fuss = grenzenN(c.t, true);
        const double groesser = std::fabs(oben.min) > std::fabs(oben.max) ? oben.min : oben.max;
        if (Tabellenwert(groesser) == Tabellenwert(fuss.min)) {
            normalkraft.Neben(kStufe, oben);
        } else {
            normalkraft.Groesser(kStufe, oben, kNachOben, true);
        }
        normalkraft.Wert(0.0, fuss, fuss.min, true, Tabellenwert(fuss.min), kNachUnten);
    }
    if (fussStufe) {
        // At the theoretical foot the foot force C: the shear steps from its value just above
        // to the unloaded wall below, the moment is 0 there.
        const double darunter = xFuss - std::min(kStufe, xFuss / 2.0);
        moment.Neben(xFuss, {0.0, 0.0});
        querkraft.Wert(xFuss, huelle ? c.QHuelle(xFuss) : Huelle{c.QFuss, c.QFuss}, c.QFuss, false);
        querkraft.Neben(darunter, {0.0, 0.0});
    }
    moment.Einzeln();
    querkraft.Einzeln();
    normalkraft.Einzeln();
    return l;
}
