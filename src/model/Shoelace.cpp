#include "model/Shoelace.h"

#include <algorithm>

ShoelaceErgebnis CalcShoelace(std::span<const double> x, std::span<const double> y) {
    const std::size_t n = std::min(x.size(), y.size());
    double s = 0.0;
    double sx = 0.0;
    double sy = 0.0;
    double sxx = 0.0;
    double syy = 0.0;
    double sxy = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        const double c = x[i] * y[j] - x[j] * y[i];
        s += c;
        sx += c * (x[i] + x[j]);
        sy += c * (y[i] + y[j]);
        sxx += c * (y[i] * y[i] + y[i] * y[j] + y[j] * y[j]);
        syy += c * (x[i] * x[i] + x[i] * x[j] + x[j] * x[j]);
        sxy += c * (x[i] * y[j] + 2.0 * x[i] * y[i] + 2.0 * x[j] * y[j] + x[j] * y[i]);
    }
    ShoelaceErgebnis e;
    e.flaeche = s / 2.0;
    if (s != 0.0) {
        e.xs = sx / (3.0 * s);
        e.ys = sy / (3.0 * s);
        // Moments about the origin, moved to the centroid (parallel axes).
        e.ixx = sxx / 12.0 - e.flaeche * e.ys * e.ys;
        e.iyy = syy / 12.0 - e.flaeche * e.xs * e.xs;
        e.ixy = sxy / 24.0 - e.flaeche * e.xs * e.ys;
    }
    return e;
}
