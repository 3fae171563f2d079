#include "graphics/Schnittgroessenlinien.h"

#include "beam/C1Traeger.h"
#include "earthpressure/C1ZirfCalc.h"
#include "host/C1ZirfInput.h"

namespace {

constexpr int kPunkte = 21;
constexpr int kSegmente = 20;
constexpr double kNebenAnker = 0.01; // the point just above the anchor (m)
constexpr double kDarunter = 1e-9;   // a depth just below the anchor

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
    // The report's greatest moment and the foot's fixing moment, and its normal force at
    // the excavation level.
    if (c.xm > 0.0 && c.xm < TL) {
        l.moment.push_back({TL - c.xm, c.Mxm});
    }
    if (anker && c.einspannArt != 0 && c.yMF > 0.0 && c.yMF < TL) {
        l.moment.push_back({TL - c.yMF, c.MF});
    }
    if (in.wand_hw > 0.0 && in.wand_hw < TL) {
        l.normalkraft.push_back({TL - in.wand_hw, c.NormalkraftBei(in.wand_hw, true)});
    }
    if (l.ankerTiefe > 0.0) {
        // Just above the anchor and at it; the normal force steps by the anchor's
        // vertical component there.
        l.moment.push_back({TL - (A - kNebenAnker), c.MuA});
        l.moment.push_back({TL - A, c.MA});
        l.querkraft.push_back({TL - (A - kNebenAnker), c.QuA});
        l.querkraft.push_back({TL - A, c.QA});
        const double ohne = c.NormalkraftBei(A, false);
        const double anteil =
            c.NormalkraftBei(A + kDarunter, true) - c.NormalkraftBei(A + kDarunter, false);
        l.normalkraft.push_back({TL - A + kNebenAnker, ohne});
        l.normalkraft.push_back({TL - A, ohne + anteil});
    }
    return l;
}
