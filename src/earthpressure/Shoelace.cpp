#include "earthpressure/Shoelace.h"

#include <algorithm>

ShoelaceErgebnis CalcShoelace(std::span<const double> x, std::span<const double> y) {
    const std::size_t n = std::min(x.size(), y.size());
    double s = 0.0;
    double sx = 0.0;
    double sy = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        const double c = x[i] * y[j] - x[j] * y[i];
        s += c;
        sx += c * (x[i] + x[j]);
        sy += c * (y[i] + y[j]);
    }
    ShoelaceErgebnis e;
    e.flaeche = s / 2.0;
    if (s != 0.0) {
        e.xs = sx / (3.0 * s);
        e.ys = sy / (3.0 * s);
    }
    return e;
}
