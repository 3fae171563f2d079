#pragma once

// The support at one end of a span. Art 0: no support (a free end at the beam's ends).
// Wert is carried along for the callers; the beam computations do not use it.
struct C1Auflager {
    double Wert = 24.0;
    int Art = 1;
};
