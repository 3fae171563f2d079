#include "graphics/Schnittgroessenlinien.h"

#include "beam/C1Traeger.h"
#include "earthpressure/C1ZirfCalc.h"
#include "host/C1ZirfInput.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kPunkte = 21;
constexpr int kSegmente = 20;
constexpr double kNebenAnker = 0.01; // the point just above the anchor (m)
constexpr double kDarunter = 1e-9;   // a depth just below the anchor

// The value of a line at x, straight between its points (its points as given, in any
// order).
double Zwischen(const std::vector<Schnittgroessenlinien::Punkt>& linie, double x) {
    std::vector<Schnittgroessenlinien::Punkt> p = linie;
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
    // Every line begins at the head: a point above it would draw a figure where there is
    // no wall (a deflection running out to zero 1 m above the head).
    for (int p = 0; p < kPunkte; ++p) {
        const auto P = std::size_t(p);
        l.moment.push_back({x(p), c.MDesign[P]});
        l.querkraft.push_back({x(p), c.QDesign[P]});
        l.normalkraft.push_back({x(p), c.NormalkraftBei(TL - x(p), true)});
        // The deflection is stored head first, at the depths of the beam's points.
        l.durchbiegung.push_back({x(kSegmente - p), c.Durchbiegung[P]});
    }
    // The report's values at their points: the greatest moment, the fixing moment of a
    // fixed foot, the values at the excavation level; each labelled.
    const auto auf = [TL](double tiefe) { return tiefe > 0.0 && tiefe < TL; };
    if (auf(c.xm)) {
        l.moment.push_back({TL - c.xm, c.Mxm, true});
    }
    if (anker && c.einspannArt != 0 && auf(c.yMF)) {
        l.moment.push_back({TL - c.yMF, c.MF, true});
    }
    const double He = in.wand_hw;
    if (auf(He)) {
        const double xHe = TL - He;
        // Shear and deflection as the drawn lines have them there.
        const Schnittgroessenlinien::Punkt q{xHe, Zwischen(l.querkraft, xHe), true};
        const Schnittgroessenlinien::Punkt w{xHe, Zwischen(l.durchbiegung, xHe), true};
        l.moment.push_back({xHe, c.MHw, true});
        l.querkraft.push_back(q);
        l.normalkraft.push_back({xHe, c.NormalkraftBei(He, true), true});
        l.durchbiegung.push_back(w);
    }
    if (l.ankerTiefe > 0.0) {
        // Just above the anchor and at it, both labelled where the line steps: the shear by
        // the anchor force, the normal force by the anchor's vertical component and a head
        // load at the anchor's level.
        const double ueber = TL - A + std::min(kNebenAnker, A / 2.0);
        l.moment.push_back({ueber, c.MuA});
        l.moment.push_back({TL - A, c.MA, true});
        l.querkraft.push_back({ueber, c.QuA, true});
        l.querkraft.push_back({TL - A, c.QA, true});
        l.normalkraft.push_back({ueber, c.NormalkraftBei(A, true), true});
        l.normalkraft.push_back({TL - A, c.NormalkraftBei(A + kDarunter, true), true});
    }
    if (anker && auf(c.t)) {
        // At the theoretical foot the foot force C: the shear steps from its value just above
        // to the unloaded wall below, the moment is 0 there.
        const double xFuss = TL - c.t;
        const double darunter = xFuss - std::min(kNebenAnker, xFuss / 2.0);
        l.moment.push_back({xFuss, 0.0});
        l.querkraft.push_back({xFuss, c.QFuss});
        l.querkraft.push_back({darunter, 0.0});
    }
    return l;
}
