#pragma once

class C1Traeger;

// A design line of the wall: its value anywhere along the beam, from the solved beams of
// its two sides.
namespace wand {

struct Extremum {
    double x = 0.0; // beam position
    double M = 0.0;
};

// One design state of the wall: the retained side as the iteration took it (load case
// `aktivLf` of the design beam: every load, or the permanent ones alone) and the passive
// side's load cases 1 ... nPassiv, mobilised by faktorPassiv.
struct Bemessung {
    const C1Traeger& aktiv;
    const C1Traeger& passiv;
    int nPassiv = 0;
    double faktorPassiv = 0.0;
    int aktivLf = 1;

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

// The two design states of the wall, all loads and the permanent loads alone (a variable
// load that relieves the wall may be absent): a value of the design line is the one of the
// state that bends the wall more there.
struct Zustaende {
    const Bemessung& alle;
    const Bemessung& staendig;

    // Of the two values, the one of larger magnitude; all loads on equal magnitudes.
    static double Groesser(double a, double g);
    double M(double x) const;
    // The greatest moment: each state's moment at its own zero of the shear (beam
    // positions xAlle, xStaendig), the larger.
    Extremum GroesstesMoment(double xAlle, double xStaendig) const;
    // The fixing moment: each state's, the larger.
    Extremum Einspannmoment(double von, double bis, double feldMoment) const;
};

} // namespace wand
