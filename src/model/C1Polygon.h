#pragma once

#include <vector>

// A polygon built point by point (the soil wedge of the deep slip line check).
class C1Polygon {
public:
    // Starts a new polygon: sets the point count and drops the points held.
    void SetAnzahl(int n);
    // Appends a point. Returns 1.
    int AddPunkt(double px, double py);
    // Signed area, centroid, second moments and principal axes of the closed polygon of
    // the points added, then drops the
    // points. Returns 0 when no polygon was started or no point was added, else 1.
    int CalcFlaeche();
    double GetFlaeche() const { return flaeche; }

    int nPunkte = -1;
    std::vector<double> x;
    std::vector<double> y;
    double flaeche = 0.0;
    double xs = 0.0;
    double ys = 0.0;
    // Second moments about the centroid and the angle of the principal axes (radians).
    double ixx = 0.0;
    double iyy = 0.0;
    double ixy = 0.0;
    double hauptachsenWinkel = 0.0;
};
