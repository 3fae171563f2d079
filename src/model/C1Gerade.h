#pragma once

// A straight line a·x + b·y + c = 0 in the x-depth plane of the earth-pressure model
// (x horizontal, y depth positive downwards).
class C1Gerade {
public:
    // Line through two points. Returns -1 (coefficients unchanged) when the points lie
    // closer than 0.001 in both x and y, else 1.
    int SetPunkte(double xa, double ya, double xb, double yb);
    // Line with slope dy/dx = steigung through a point. Returns 1.
    int SetSteigungPunkt(double steigung, double xa, double ya);

    double GetA() const { return koeffA; }
    double GetB() const { return koeffB; }
    double GetC() const { return koeffC; }
    // x of the line at depth y (for a line given by a finite, non-zero slope).
    double GetX(double y) const;
    // Signed distance of a point from the line (Hesse normal form).
    double CalcHesse(double x, double y);
    // The angle between this line and a second line of slope m2: its tangent
    // (m2 − m)/(1 + m·m2), the angle (radians) with its sine and cosine. For lines at a
    // right angle the tangent is the finite stand-in 1e20 (with the sign of m2 − m) and
    // the angle ±pi/2. Returns 1.
    int CalcWinkel();

    double pi = 3.1415926535898;
    double koeffA = 0.0;
    double koeffB = 0.0;
    double koeffC = 0.0;
    double m = 0.0;
    double mn = 0.0;
    double nA = 0.0;
    double nB = 0.0;
    double nC = 0.0;
    double sHesse = 0.0;       // reciprocal norm, negated for c > 0
    double normHesse = 0.0;    // sqrt(a² + b²)
    double abstandHesse = 0.0; // signed distance of the last point
    double winkel = 0.0;
    double winkelNormale = 0.0;
    double m2 = 0.0; // slope of the second line of CalcWinkel
    double tanZwischen = 0.0;
    double winkelZwischen = 0.0;
    double sinZwischen = 0.0;
    double cosZwischen = 0.0;
    double x0 = 0.0;
    double y0 = 0.0;
    double x1 = 0.0;
    double y1 = 0.0;
};
