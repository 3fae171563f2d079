#pragma once

// Points and boxes of the drawing engine: world units (ints of 1/10000 of the
// caller's unit, y down) or device units.

#include "platform/Koordinate.h"

struct C1Punkt {
    int x = 0;
    int y = 0;
    bool operator==(const C1Punkt&) const = default;
};

// left, top, right, bottom.
struct C1Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const C1Box&) const = default;
};

// A point in the caller's units; the same two doubles also describe a line
// y = x * slope + intercept (x the slope, y the intercept).
struct C1DPoint {
    double x = 0.0;
    double y = 0.0;

    C1Punkt ToWorld(double factor) const {
        return {ToKoordinate(x * factor, "C1DPoint"), ToKoordinate(y * factor, "C1DPoint")};
    }
    // The line's y at xv.
    double LineAt(double xv) const { return x * xv + y; }
};
