#pragma once

#include "plot/member/Plot_.h"

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

// Wall and anchor are drawn as bars of this thickness (m).
inline constexpr double kStabDicke = 0.1;

// The wall from its head (0, 0) down to yFuss, leaning by tanWand, its thickness on the
// excavation side.
inline void Wand(double tanWand, double yFuss) {
    const double xFuss = yFuss * tanWand;
    Polygon({0.0, xFuss, xFuss - kStabDicke, -kStabDicke}, {0.0, yFuss, yFuss, 0.0});
}

// An anchor from the wall (x, y) to its end (xe, ye), its thickness below the axis.
inline void Anker(double x, double y, double xe, double ye) {
    Polygon({x, xe, xe, x}, {y, ye, ye + kStabDicke, y + kStabDicke});
}

} // namespace zeichnen
