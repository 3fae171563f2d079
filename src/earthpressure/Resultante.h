#pragma once

#include "model/C1SchichtErgebnis.h"
#include "model/C1Trapez.h"

// The inclined resultant of a figure whose horizontal resultant Eh is known: the vertical
// resultant Ev = Eh·tanA and the total Eges.
void SetzeNeigung(C1SchichtErgebnis& e, double tanA);

// The horizontal resultant Eh and its depth yE of the linear figure from ordinate eo at
// depth yo to eu at yu that `trapez` has just taken as a quadrilateral, whose area is
// without sign: negative when no ordinate presses towards the excavation (the figure of a
// negative surcharge), and with ordinates of both signs the difference of the two parts,
// so that a figure that relieves the wall relieves it in every sum, as it does on the
// beam.
struct ResultanteHorizontal {
    double Eh = 0.0;
    double yE = 0.0;
};
ResultanteHorizontal ResultanteMitVorzeichen(const C1Trapez& trapez, double yo, double eo,
                                             double yu, double eu);

// Resultant of the linear figure between the depths von and bis with the ordinates eo at
// the top and eu at the bottom: Eh, the depth yE of its point of action, Ev and Eges.
// The record's depth range, ordinates and xE are the caller's.
void SetzeTrapezResultante(C1Trapez& trapez, C1SchichtErgebnis& e, double von, double bis,
                           double eo, double eu, double tanA);
