#pragma once

#include <span>

// Signed area and centroid of a closed polygon by the shoelace rule (the edge from the
// last vertex back to the first included). With area 0 the centroid is (0, 0).
struct ShoelaceErgebnis {
    double flaeche = 0.0;
    double xs = 0.0;
    double ys = 0.0;
};

ShoelaceErgebnis CalcShoelace(std::span<const double> x, std::span<const double> y);
