#include "plot/curve/KurvenHilfen.h"

#include <cmath>
#include <cstdlib>
#include <limits>

int AbsInt(int v) {
    if (v == std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::max();
    }
    return std::abs(v);
}

double AbsDouble(double v) {
    return std::fabs(v);
}

bool IsPunktNahe(C1Punkt a, C1Punkt b, int tolerance) {
    // Differences in 64 bits: points far apart at both ends of the int range.
    const auto apart = [](int u, int v) {
        return std::llabs(static_cast<long long>(u) - static_cast<long long>(v));
    };
    return apart(a.x, b.x) <= tolerance && apart(a.y, b.y) <= tolerance;
}

double MaxBetrag(double a, double b) {
    return std::fabs(a) > std::fabs(b) ? a : b;
}

int DoNothing() {
    return 0;
}

void SetRechteck(C1Box& box, int left, int top, int right, int bottom) {
    box = {left, top, right, bottom};
}

std::size_t CountUntilAny(const std::string& text, const std::string& stops) {
    const std::size_t at = text.find_first_of(stops);
    return at == std::string::npos ? text.size() : at;
}
