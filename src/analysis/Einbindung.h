#pragma once

#include <string>
#include <utility>
#include <vector>

// Rules shared by the embedment iterations of both walls.
namespace einbindung {

// Passes over all load combinations; a load combination's own index selects it alone.
inline constexpr int kAlleKombinationen = -1;
// Width of the first step of every combination's iteration (m).
inline constexpr double kErsterSchritt = 1.0;
// A combination whose trial depths exceed this count, or go deeper than this below the
// excavation level, has diverged.
inline constexpr int kMaxVersuche = 500;
inline constexpr double kMaxTiefeUnterAushub = 100.0;
// The extra depth of a fixed foot: 20 % of the embedment; the given depth of check mode
// is the calculated depth plus that share (1 + 0.2).
inline constexpr double kZuschlag = 0.2;
inline constexpr double kZuschlagGesamt = 1.2;

// The trial depths of one iteration with the side of the balance each lies on, to find the
// pair that brackets the balance most closely.
class Eingrenzung {
public:
    void Merke(double t, bool sicher);
    // The shallowest safe depth and the deepest depth above it that is not safe; false
    // when the trial depths do not bracket the balance.
    bool Klammer(double& oben, double& unten) const;

private:
    std::vector<std::pair<double, bool>> versuche;
};

// The designed depth is closed to this on the safe side of the balance (m).
inline constexpr double kGenauigkeit = 1e-4;

// Whether a combination belongs to the design situation the iterations check: its action
// kind begins with exactly "STR,GEO".
bool IstStrGeo(const std::string& art);

// The total depth rounded up to a multiple of the rounding step r (m); a depth that is
// already a multiple stays.
double AufRundungsschritt(double tiefe, double r);

// Whether a combination with the governing value `wert` takes over from the governing one
// so far (`bisher`); `gleichstandUebernimmt` decides a tie.
bool UebernimmtMassgebend(double wert, double bisher, bool gleichstandUebernimmt);

// Whether the trial depth t has left the range in which an iteration can still converge:
// too many trial depths, too deep below the excavation level He, or not below it at all.
bool IstDivergiert(int versuche, double t, double He);

} // namespace einbindung
