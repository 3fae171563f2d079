#include "base/Numerik.h"

#include <climits>
#include <cmath>

int IsRelGleichAbs(double a, double b, double tol) {
    return std::fabs(a - b) <= tol * std::fmax(std::fabs(a), std::fabs(b)) ? 1 : 0;
}

int IsNearInteger(double x, double tol) {
    if (!std::isfinite(x)) {
        return 0;
    }
    if (x < 0.0) {
        // Judged by the distance to the nearest whole number, as for positive values.
        return std::fabs(x - std::round(x)) <= tol ? 1 : 0;
    }
    double whole = 0.0;
    const double f = std::modf(x, &whole);
    return (f <= tol || f >= 1.0 - tol) ? 1 : 0;
}

int RoundInt(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    if (x >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (x <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    double whole = 0.0;
    const double f = std::modf(x, &whole);
    int i = static_cast<int>(whole);
    if (std::fabs(f) > 0.5) {
        i += x > 0.0 ? 1 : -1;
    }
    return i;
}

int IsQelUser() {
    return std::getenv("QELUSER") != nullptr ? 1 : 0;
}
