// Excess water pressure: the difference of the hydrostatic pressures behind and in front
// of the wall, per layer and down to a trial foot depth.
#include "model/C1ZirfCalc.h"

#include "base/Trace.h"

#include <algorithm>
#include <cmath>

namespace {

// Water levels closer than this give no excess water pressure.
constexpr double kWasserTol = 0.01;

} // namespace

int C1ZirfCalc::CalcWasserdruck() {
    for (int i = 0; i <= iLetzteSchicht; ++i) {
        Schicht[i].wo = 0.0;
        Schicht[i].wu = 0.0;
    }
    if (std::fabs(tgv - tgh) < kWasserTol) {
        return 0;
    }
    const double t1 = std::min(tgh, tgv);
    const double t2 = std::max(tgh, tgv);
    // Positive towards the excavation: the water behind the wall stands higher.
    const double vorzeichen = tgh <= tgv ? 1.0 : -1.0;
    // The ordinate at depth y: 0 above the shallower level, growing down to the deeper one,
    // constant below it.
    const auto ordinate = [&](double y) {
        return vorzeichen * std::clamp(y - t1, 0.0, t2 - t1) * GammaWasser;
    };
    for (int i = 0; i <= iLetzteSchicht; ++i) {
        C1Schicht& s = Schicht[i];
        // A level within the merge tolerance below a layer boundary (or just below the
        // head) is no boundary of its own: the layer above it still reaches below it.
        if (s.yu > t1) {
            s.wo = ordinate(s.yo);
            s.wu = ordinate(s.yu);
            TracePrintf("\n i %2d   wo %5.1f   wu %5.1f", i, s.wo, s.wu);
        }
    }
    return 1;
}

int C1ZirfCalc::CalcWasserdruckFuss(int) {
    wasserDreieck = yWasserDreieck = 0.0;
    wasserRechteck = yWasserRechteck = 0.0;
    wasserSumme = wasserMomentFuss = 0.0;
    const double t1 = std::min(tgh, tgv);
    const double t2 = std::max(tgh, tgv);
    if (!(t1 < t) || std::fabs(tgv - tgh) < kWasserTol) {
        return 0;
    }
    // Triangle from the shallower level down to the deeper one or to t.
    const double unten = std::min(t2, t);
    const double hDreieck = unten - t1;
    wasserDreieck = GammaWasser * hDreieck * hDreieck / 2.0;
    yWasserDreieck = unten - hDreieck / 3.0;
    // Uniform part from the deeper level down to t.
    if (t2 < t) {
        wasserRechteck = GammaWasser * (t2 - t1) * (t - t2);
        yWasserRechteck = (t2 + t) / 2.0;
    }
    wasserSumme = wasserDreieck + wasserRechteck;
    wasserMomentFuss =
        wasserDreieck * (t - yWasserDreieck) + wasserRechteck * (t - yWasserRechteck);
    return 0;
}
