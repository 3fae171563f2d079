#include "plot/engine/C1RectEdge.h"

#include "base/Numerik.h"
#include "platform/Koordinate.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kSteepDeg = 89.0;
constexpr double kDegPerRad = 180.0 / 3.14159;
constexpr double kParallelTolerance = 0.001;

int Trunc(double v) {
    return ToKoordinate(v, "C1RectEdge");
}
} // namespace

C1RectEdge::C1RectEdge(C1Punkt a, C1Punkt b) : iX1(a.x), iY1(a.y), iX2(b.x), iY2(b.y) {
    if (a.x == b.x) {
        bVertical = 1;
        iXVertical = a.x;
        dSlope = kVerticalSlope;
        return;
    }
    dSlope = (static_cast<double>(b.y) - a.y) / (static_cast<double>(b.x) - a.x);
    dIntercept = a.y - a.x * dSlope;
}

C1RectEdge C1RectEdge::FromSlope(C1Punkt p, double slope) {
    C1RectEdge e;
    e.iX1 = e.iX2 = p.x;
    e.iY1 = e.iY2 = p.y;
    if (std::fabs(std::atan(slope)) * kDegPerRad > kSteepDeg) {
        e.bVertical = 1;
        e.iXVertical = p.x;
        e.dSlope = kVerticalSlope;
        return e;
    }
    e.dSlope = slope;
    e.dIntercept = p.y - p.x * slope;
    return e;
}

C1RectEdge C1RectEdge::FromIntercept(C1Punkt p, double intercept) {
    C1RectEdge e;
    e.iX1 = e.iX2 = p.x;
    e.iY1 = e.iY2 = p.y;
    e.dIntercept = intercept;
    if (p.x == 0) {
        e.bVertical = 1;
        e.dSlope = kVerticalSlope;
        return e;
    }
    e.dSlope = (p.y - intercept) / p.x;
    return e;
}

int C1RectEdge::HasSameSlope(const C1RectEdge& other) const {
    return IsGleich(dSlope, other.dSlope);
}

C1Punkt C1RectEdge::Intersection(const C1RectEdge& other) const {
    if (bVertical && other.bVertical) {
        return {};
    }
    if (bVertical) {
        return {iXVertical, Trunc(other.dSlope * iXVertical + other.dIntercept)};
    }
    if (other.bVertical) {
        return {other.iXVertical, Trunc(dSlope * other.iXVertical + dIntercept)};
    }
    if (std::fabs(dSlope - other.dSlope) <= kParallelTolerance) {
        return {};
    }
    const double x = (other.dIntercept - dIntercept) / (dSlope - other.dSlope);
    return {Trunc(x), Trunc(dSlope * x + dIntercept)};
}

int C1RectEdge::InRange(C1Punkt p, int includeEnds) const {
    const int v = bVertical ? p.y : p.x;
    const int lo = bVertical ? std::min(iY1, iY2) : std::min(iX1, iX2);
    const int hi = bVertical ? std::max(iY1, iY2) : std::max(iX1, iX2);
    return includeEnds ? (v >= lo && v <= hi) : (v > lo && v < hi);
}
