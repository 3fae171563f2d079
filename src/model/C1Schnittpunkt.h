#pragma once

// Intersection of two lines a1·x + b1·y + c1 = 0 and a2·x + b2·y + c2 = 0.
class C1Schnittpunkt {
public:
    // Returns 1 with the point in x, y; when the lines do not cross: -1 for one and the
    // same line, 0 for parallel lines (x and y then keep their previous values).
    int Calc(double a1, double b1, double c1, double a2, double b2, double c2);

    double GetX() const { return x; }
    double GetY() const { return y; }

    double det = 0.0;
    double zaehlerX = 0.0;
    double zaehlerY = 0.0;
    double x = 0.0;
    double y = 0.0;
};
