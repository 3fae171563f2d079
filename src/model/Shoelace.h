#pragma once

#include <span>

// Signed area and centroid of a closed polygon by the shoelace rule (the edge from the
// last vertex back to the first included). With area 0 the centroid is (0, 0).
struct ShoelaceErgebnis {
    double flaeche = 0.0;
    double xs = 0.0;
    double ys = 0.0;
    // Second moments about the axes through the centroid (signed like the area).
    double ixx = 0.0; // about the x axis: integral of (y - ys)²
    double iyy = 0.0; // about the y axis: integral of (x - xs)²
    double ixy = 0.0; // integral of (x - xs)·(y - ys)
};

ShoelaceErgebnis CalcShoelace(std::span<const double> x, std::span<const double> y);
