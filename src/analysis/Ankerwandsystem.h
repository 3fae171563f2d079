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
System SetzeAuf(C1Traeger& tr, double tGes, double t, double A, int einspannung);

// EI times the rotation at the foot support of the span between foot and anchor under
// the beam's load cases von ... bis: the work of their moment line on a unit moment at the
// foot.
double DrehungFuss(const C1Traeger& tr, int von, int bis, const System& s);

struct Extremum {
    double x = 0.0; // beam position
    double M = 0.0;
};

// The design lines of the solved beams: the retained side as the iteration took it (the
// design beam's load case of every load) and the passive side's load cases 1 ... nPassiv,
// mobilised by faktorPassiv.
struct Bemessung {
    const C1Traeger& aktiv;
    const C1Traeger& passiv;
    int nPassiv = 0;
    double faktorPassiv = 0.0;

    double M(double x) const;
    double Q(double x) const;
    // The shear at the end of span `feld` (just below the support that ends it).
    double QEnde(int feld) const;
    double Auflagerkraft(int k) const;
    // The extreme moment between the beam positions von and bis whose sign is opposite to
    // the field moment's: the fixing moment of a fixed foot. {von, M(von)} when the
    // moment never turns.
    Extremum Einspannmoment(double von, double bis, double feldMoment) const;

private:
    // The retained side's value plus the mobilised passive side's, of one quantity of a
    // solved beam and load case.
    template <class Wert> double Summe(Wert wert) const;
};

} // namespace ankerwand
