#pragma once

#include "plot/Plot_.h"

#include <algorithm>
#include <cmath>
#include <vector>

// World coordinates (m) as the plot layer takes them. A picture of a sheet pile wall spans
// a few tens of metres; an input far beyond that (a level a thousand kilometres down)
// is drawn at the edge of a sane world instead of overflowing the drawing's integers.
namespace zeichnen {

inline constexpr double kGrenze = 1.0e4; // m

inline float K(double v) {
    return std::isfinite(v) ? static_cast<float>(std::clamp(v, -kGrenze, kGrenze)) : 0.0f;
}

inline void Linie(double x1, double y1, double x2, double y2) {
    Plot_MoveTo(K(x1), K(y1));
    Plot_LineTo(K(x2), K(y2));
}

inline void Polygon(const std::vector<double>& x, const std::vector<double>& y) {
    std::vector<float> px;
    std::vector<float> py;
    for (std::size_t k = 0; k < std::min(x.size(), y.size()); ++k) {
        px.push_back(K(x[k]));
        py.push_back(K(y[k]));
    }
    Plot_Polygon(px.data(), py.data(), static_cast<int>(px.size()));
}

} // namespace zeichnen
