#pragma once

// Area, resultant and centroid of the linear pressure figures of the earth-pressure
// model. Ordinates are drawn horizontally from the wall line; depths grow downwards.
class C1Trapez {
public:
    // Figure between depths ya and yb with ordinates ea and eb: resultant E and the
    // depth yE of its point of action (0 when E is 0). Returns 1.
    int CalcTrapez(double ya, double yb, double ea, double eb);
    // Figure between the wall points (xa, ya) and (xb, yb) with the ordinate ea drawn at
    // depth yea and eb at depth yeb. Ordinates of opposite sign split the figure at
    // their zero crossing; the area is then the sum of the magnitudes of both parts.
    // Returns 0 when the area is 0, else 1.
    int CalcViereck(double xa, double ya, double ea, double yea, double xb, double yb, double eb,
                    double yeb);
    // Quadrilateral of the vertices 1, 3, 4, 2 (top wall point, top ordinate end, bottom
    // wall point, bottom ordinate end as passed). Returns 0 when the area is 0, else 1.
    int CalcViereckPunkte(double xp1, double yp1, double xp2, double yp2, double xp3, double yp3,
                          double xp4, double yp4);

    // Trapezoid with the parallel sides b (top, at depth 0, beginning c to the right of the
    // bottom side's left end) and a (bottom, at depth h): area (a + b)·h/2 and centroid,
    // xs from the left end of side a, ys below side b. Returns 0 (area and centroid 0) for
    // a + b = 0, else 1.
    int CalcTrapezSchwerpunkt(double a, double b, double c, double h);
    // The same trapezoid given by its top side (xo1 to xo2 at depth yo) and its bottom
    // side (xu1 to xu2 at depth yu); the centroid comes in these coordinates.
    int CalcTrapezSchwerpunkt2(double xo1, double xo2, double yo, double xu1, double xu2,
                               double yu);
    // Pentagon of the five points in the order given. Returns 0 when the area is 0, else 1.
    int CalcFuenfeck(double xp1, double yp1, double xp2, double yp2, double xp3, double yp3,
                     double xp4, double yp4, double xp5, double yp5);

    double GetE() const { return E; }
    double GetYE() const { return yE; }
    double GetFlaeche() const { return flaeche; }
    double GetSchwerpunktY() const { return ys; }

    double x0 = 0.0;
    double y0 = 0.0;
    // Working values of the last CalcTrapez: height, ordinate difference, the rectangle's
    // and the triangle's areas and their moments about depth 0.
    double hoehe = 0.0;
    double differenz = 0.0;
    double rechteck = 0.0;
    double dreieck = 0.0;
    double momentRechteck = 0.0;
    double momentDreieck = 0.0;
    double flaeche = 0.0;
    double E = 0.0;
    double yE = 0.0;
    double xs = 0.0;
    double ys = 0.0;
    double xsGlobal = 0.0;
    double ysGlobal = 0.0;

private:
    int SetPolygon(const double* x, const double* y, int n);
    // Stores the area and the local centroid of the last figure, and its global centroid.
    void SetFigur(double area, double xLokal, double yLokal);
};
