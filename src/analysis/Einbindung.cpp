#include "analysis/Einbindung.h"

#include <cmath>

namespace einbindung {

namespace {
const std::string kStrGeo = "STR,GEO";
// A depth within this of a multiple of the rounding step counts as that multiple.
constexpr double kRundungsToleranz = 1e-9;
} // namespace

bool IstStrGeo(const std::string& art) {
    return art.compare(0, kStrGeo.size(), kStrGeo) == 0;
}

constexpr double kMikrometerJeMeter = 1e6;

double AufRundungsschritt(double tiefe, double r) {
    double n = std::trunc(tiefe / r);
    if (n * r < tiefe - kRundungsToleranz) {
        n += 1.0;
    }
    // n·r carries the step's binary error (122·0.1 = 12.200000000000001); the depth is
    // given to the micrometre, so that the results read as the multiple of the step.
    return std::round(n * r * kMikrometerJeMeter) / kMikrometerJeMeter;
}

bool UebernimmtMassgebend(double wert, double bisher, bool gleichstandUebernimmt) {
    return gleichstandUebernimmt ? wert >= bisher : wert > bisher;
}

void Eingrenzung::Merke(double t, bool sicher) {
    versuche.emplace_back(t, sicher);
}

bool Eingrenzung::Klammer(double& oben, double& unten) const {
    bool mitSicher = false;
    for (const auto& [t, sicher] : versuche) {
        if (sicher && (!mitSicher || t < unten)) {
            unten = t;
            mitSicher = true;
        }
    }
    bool mitUnsicher = false;
    for (const auto& [t, sicher] : versuche) {
        if (mitSicher && !sicher && t < unten && (!mitUnsicher || t > oben)) {
            oben = t;
            mitUnsicher = true;
        }
    }
    return mitUnsicher;
}

bool IstDivergiert(int versuche, double t, double He) {
    return versuche > kMaxVersuche || t > He + kMaxTiefeUnterAushub || t <= He;
}

} // namespace einbindung
