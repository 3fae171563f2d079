// Design normal force of the wall at a depth: everything vertical that acts on the wall
// above that depth. One operation serves both walls and every point the report prints
// (excavation level, greatest moment, anchor, foot), so that a point never counts the
// wall weight or the earth pressure of the wall below it.

#include "earthpressure/C1ZirfCalc.h"

#include "host/C1ZirfInput.h"

#include <algorithm>
#include <cmath>

namespace {

// The wall's weight g is given in kg/m² of wall; per metre of depth it is g/100 kN/m.
constexpr double kKgJeKn = 100.0;

// Share of a figure over [oben, unten] that lies above the depth y, taken in proportion
// to the depth.
double AnteilOberhalb(double oben, double unten, double y) {
    if (unten <= oben) {
        return y >= unten ? 1.0 : 0.0;
    }
    return std::clamp((y - oben) / (unten - oben), 0.0, 1.0);
}

} // namespace

double C1ZirfCalc::Wandgewicht(double h) const {
    return pInput->g * h / kKgJeKn;
}

double C1ZirfCalc::NormalkraftBei(double y, bool mitAnkerkraft) const {
    const C1ZirfInput& in = *pInput;
    const int k = iSchichtFuss;
    const int nSchichten = iLetzteSchicht + 1;
    const double yAnkerTiefe = in.mitanker != 0 ? in.tiefe_anker : 0.0;

    double N = gammaG * Wandgewicht(std::clamp(y, 0.0, t));
    for (int n = 0; n < in.nKopflast; ++n) {
        const C1ZirfInput::SKopflast& last = in.kopflast.at(static_cast<std::size_t>(n));
        // A head load acts at the wall top, or at the anchor's level.
        const double ys = last.stelle == 0 ? 0.0 : yAnkerTiefe;
        if (ys <= 0.0 || y > ys) {
            N += FaktorVertikal(last.lf) * last.v;
        }
    }
    for (int lc = 0; lc < nLastfaelle; ++lc) {
        const double fv = FaktorVertikal(lc);
        for (int i = 0; i < k; ++i) {
            const double oben = i > 0 ? Schicht[i - 1].yu : 0.0;
            N += fv * ErgAktiv[lc * nSchichten + i].Ev * AnteilOberhalb(oben, Schicht[i].yu, y);
        }
        // The foot layer's figure ends at the foot.
        const double obenFuss = k > 0 ? Schicht[k - 1].yu : 0.0;
        N += fv * ErgLastfall[lc].Ev * AnteilOberhalb(obenFuss, t, y);
    }
    if (mitAnkerkraft && in.mitanker != 0 && y > yAnkerTiefe) {
        // The vertical component of the anchor force enters below the anchor.
        N += std::tan(in.ankerneigung / GradFaktor) * AK;
    }
    const double einbindung = t - in.wand_hw;
    if (einbindung > 0.0 && y > in.wand_hw) {
        // The passive side's vertical force grows with the square of the depth below
        // the excavation level.
        const double anteil = (std::min(y, t) - in.wand_hw) / einbindung;
        N += epvd * anteil * anteil;
    }
    return N;
}
