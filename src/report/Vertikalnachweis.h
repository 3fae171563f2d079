#pragma once

// The check of the vertical forces of a wall in one load state: everything vertical that
// acts on the wall down to its calculated foot, each with the state's own factor, so
// that the sum is the state's design normal force at the foot. It must not be negative:
// the wall would have to be held down against the wall friction of its support.

#include <cstddef>
#include <string>
#include <vector>

class C1ZirfCalc;
class C1ZirfInput;

namespace vertikalnachweis {

// One row: V,d = faktor · wert (downward positive).
struct Zeile {
    enum class Art { Eigengewicht, Erddruck, Anker, Ersatzkraft, Erdwiderlager };
    Art art = Art::Erddruck;
    int lf = 0;          // the load case (Eigengewicht, Erddruck)
    double faktor = 0.0; // the state's factor, tan of the anchor, C's or the passive share
    double wert = 0.0;   // Gk, Ev,k, Ad, Ch,d or Epv,k
    double d = 0.0;      // V,d
};

struct Nachweis {
    std::size_t zustand = 0; // the load state (index into the run's states)
    std::vector<Zeile> zeilen;
    double summe = 0.0; // the normal force at the foot
    double unten = 0.0; // the sum of the rows but the support's
    double oben = 0.0;  // the support's wall friction, upward positive
};

// The check in the state k of the calculation's vertical states.
Nachweis ImZustand(const C1ZirfCalc& calc, const C1ZirfInput& in, std::size_t k);
// The check in the state of the least sum: the one the report prints.
Nachweis Massgebend(const C1ZirfCalc& calc, const C1ZirfInput& in);

} // namespace vertikalnachweis
