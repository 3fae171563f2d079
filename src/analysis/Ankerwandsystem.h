#pragma once

class C1Traeger;

// The anchored wall as a beam: spans, supports and the design lines read from its
// solution.
namespace ankerwand {

// The supports of the set-up beam by number, and their beam positions.
struct System {
    int fuss = 1;             // at the theoretical foot depth t (the foot force C)
    int anker = 0;            // at the anchor (the head, when the anchor sits there)
    int kopf = 0;             // the head end
    double xFuss = 0.0;       // beam position of the foot support
    double xAnker = 0.0;      // beam position of the anchor
    bool eingespannt = false; // a fixed or partly fixed foot
};

// Sets the beam up over the whole wall, tGes long from the foot (x = 0) to the head: an
// unloaded end below the theoretical foot t, the span from t to the anchor A, simply
// supported at both, and the head above the anchor free. The loads are not touched.
System SetzeAuf(C1Traeger& tr, double tGes, double t, double A, double einspannung);

// EI times the rotation at the foot support of the span between foot and anchor under
// the beam's load cases von ... bis: the work of their moment line on a unit moment at the
// foot.
double DrehungFuss(const C1Traeger& tr, int von, int bis, const System& s);

} // namespace ankerwand
