#pragma once

// Angles of the 3D geometry in radians.

// Snaps a coordinate below 1e-6 in magnitude to 0.
double CGSnapNull(double value);

// Angle of the direction (x, y) in [0, 2 pi), after snapping tiny coordinates to 0.
double Winkel(double x, double y);

// Counter-clockwise angle from angle b to angle a; a result within 0.001 of a full
// turn comes back as the small negative difference.
double WinkelDifferenz(double a, double b);

// A difference of at least 0.001 short of a full turn in magnitude is taken back by
// a full turn.
double CGReduziereWinkel(double d);
