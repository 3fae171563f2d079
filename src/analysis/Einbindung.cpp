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

double AufRundungsschritt(double tiefe, double r) {
    double n = std::trunc(tiefe / r);
    if (n * r < tiefe - kRundungsToleranz) {
        n += 1.0;
    }
    return n * r;
}

bool UebernimmtMassgebend(double wert, double bisher, bool gleichstandUebernimmt) {
    return gleichstandUebernimmt ? wert >= bisher : wert > bisher;
}

bool IstDivergiert(int versuche, double t, double He) {
    return versuche > kMaxVersuche || t > He + kMaxTiefeUnterAushub || t <= He;
}

} // namespace einbindung
