// The slip line of the wall as a polyline: from the wall foot through the points where
// it crosses the layer boundaries up to where it reaches the ground surface.

#include "graphics/C1ZirfGrafik.h"

#include "graphics/Zeichnen.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "plot/member/Plot_.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kKeineLaenge = 1e-9; // m: a line shorter than this is no line

} // namespace

int C1ZirfGrafik::PlotGleitlinie(double xCursor, double& xDrawnMax) const {
    const C1ZirfCalc& c = *pCalc;
    // Without soil there is no slip line.
    if (c.iErsteSchicht < 0 || !std::isfinite(xCursor)) {
        return 1;
    }
    const double tanWand = std::tan(pInput->wand_neigung / c.GradFaktor);
    std::vector<double> x{c.t * tanWand};
    std::vector<double> y{c.t};
    // The slip line's crossings are stored at the bottom of each layer above the foot
    // layer, up to the first layer with soil; every one of them belongs to the polyline.
    const int unten = std::min(c.iSchichtFuss, c.iLetzteSchicht + 1) - 1;
    for (int i = unten; i >= c.iErsteSchicht; --i) {
        x.push_back(c.Schicht[i].xGleit);
        y.push_back(c.Schicht[i].yGleit);
    }
    x.push_back(c.xGleitEnde);
    y.push_back(c.yGleitEnde);

    const bool endlich =
        std::all_of(x.begin(), x.end(), [](double v) { return std::isfinite(v); }) &&
        std::all_of(y.begin(), y.end(), [](double v) { return std::isfinite(v); });
    if (!endlich) {
        return 1;
    }
    const auto [xLo, xHi] = std::minmax_element(x.begin(), x.end());
    const auto [yLo, yHi] = std::minmax_element(y.begin(), y.end());
    if (std::max(*xHi - *xLo, *yHi - *yLo) < kKeineLaenge) {
        return 1;
    }

    const double dx = xCursor - c.xGleitEnde;
    Plot_MoveTo(zeichnen::K(x.front() + dx), zeichnen::K(y.front()));
    xDrawnMax = std::max(xDrawnMax, x.front() + dx);
    for (std::size_t k = 1; k < x.size(); ++k) {
        Plot_LineTo(zeichnen::K(x[k] + dx), zeichnen::K(y[k]));
        xDrawnMax = std::max(xDrawnMax, x[k] + dx);
    }
    return 1;
}
