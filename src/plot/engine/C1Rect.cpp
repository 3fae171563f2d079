#include "plot/engine/C1Rect.h"

#include "base/Numerik.h"
#include "geometry/CGPolygon.h"
#include "platform/Koordinate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>

namespace {

constexpr double kToRectUnits = 0.01;

C1Punkt Scaled(C1Punkt p) {
    return {ToKoordinate(p.x * kToRectUnits, "C1Rect"), ToKoordinate(p.y * kToRectUnits, "C1Rect")};
}

// Projections of the four corners onto the normal of the edge a -> b.
void Project(const C1Punkt* quad, C1Punkt a, C1Punkt b, std::int64_t& lo, std::int64_t& hi) {
    const std::int64_t nx = static_cast<std::int64_t>(b.y) - a.y;
    const std::int64_t ny = static_cast<std::int64_t>(a.x) - b.x;
    lo = hi = quad[0].x * nx + quad[0].y * ny;
    for (int k = 1; k < 4; ++k) {
        const std::int64_t v = quad[k].x * nx + quad[k].y * ny;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
}

// Separating axes: two convex polygons share no area exactly when the projections on
// the normal of some edge of either do not overlap (touching counts as apart).
bool Separated(const C1Punkt* a, const C1Punkt* b) {
    for (const C1Punkt* quad : {a, b}) {
        for (int k = 0; k < 4; ++k) {
            const C1Punkt from = quad[k];
            const C1Punkt to = quad[(k + 1) & 3];
            if (from == to) {
                continue;
            }
            std::int64_t aLo = 0;
            std::int64_t aHi = 0;
            std::int64_t bLo = 0;
            std::int64_t bHi = 0;
            Project(a, from, to, aLo, aHi);
            Project(b, from, to, bLo, bHi);
            if (aHi <= bLo || bHi <= aLo) {
                return true;
            }
        }
    }
    return false;
}

double DistanceToSegment(double px, double py, C1Punkt a, C1Punkt b) {
    const double dx = static_cast<double>(b.x) - a.x;
    const double dy = static_cast<double>(b.y) - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0.0 ? ((px - a.x) * dx + (py - a.y) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

} // namespace

C1Rect::C1Rect() = default;

C1Rect C1Rect::FromQuad(C1Punkt q1, C1Punkt q2, C1Punkt q3, C1Punkt q4) {
    C1Rect r;
    r.P[0] = Scaled(q1);
    r.P[1] = Scaled(q2);
    r.P[2] = Scaled(q3);
    r.P[3] = Scaled(q4);
    r.BuildEdges();
    return r;
}

C1Rect C1Rect::FromBox(int left, int top, int right, int bottom) {
    return FromQuad({left, top}, {right, top}, {right, bottom}, {left, bottom});
}

void C1Rect::BuildEdges() {
    for (int k = 0; k < 4; ++k) {
        Edge[k] = C1RectEdge(P[k], P[(k + 1) & 3]);
    }
}

void C1Rect::Reset() {
    for (C1Punkt& p : P) {
        p = {};
    }
    BuildEdges();
}

int C1Rect::IsDegenerate() const {
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 4; ++j) {
            if (P[i] == P[j]) {
                return 1;
            }
        }
    }
    return 0;
}

int C1Rect::IsSameQuad(const C1Rect& other) const {
    for (const C1Punkt& p : P) {
        const bool found =
            std::any_of(std::begin(other.P), std::end(other.P), [&](const C1Punkt& q) {
                return std::abs(p.x - q.x) < 1 && std::abs(p.y - q.y) < 1;
            });
        if (!found) {
            return 0;
        }
    }
    return 1;
}

int C1Rect::Overlaps(const C1Rect& other) const {
    if (IsDegenerate() || other.IsDegenerate()) {
        return 0;
    }
    if (IsSameQuad(other)) {
        return 1;
    }
    return Separated(P, other.P) ? 0 : 1;
}

int C1Rect::ContainsPoint(int x, int y, int includeBoundary) const {
    const double tol =
        dTol * std::fabs(MaxAbsDouble(4, static_cast<double>(P[0].x), static_cast<double>(P[1].x),
                                      static_cast<double>(P[2].x), static_cast<double>(P[3].x)));
    for (int k = 0; k < 4; ++k) {
        if (DistanceToSegment(x, y, P[k], P[(k + 1) & 3]) <= tol) {
            return includeBoundary ? 1 : 0;
        }
    }
    // Crossings of a ray to the right of the point.
    bool inside = false;
    for (int k = 0; k < 4; ++k) {
        const C1Punkt a = P[k];
        const C1Punkt b = P[(k + 1) & 3];
        if ((a.y > y) != (b.y > y)) {
            const double xCross = a.x + (static_cast<double>(y) - a.y) *
                                            (static_cast<double>(b.x) - a.x) /
                                            (static_cast<double>(b.y) - a.y);
            if (x < xCross) {
                inside = !inside;
            }
        }
    }
    return inside ? 1 : 0;
}

int C1Rect::ContainsPointPoly(int x, int y) const {
    std::vector<CGPoint> corners;
    for (const C1Punkt& p : P) {
        corners.emplace_back(p.x, p.y, 0.0);
    }
    return CGPolygon(corners).IsInside(CGPoint(x, y, 0.0));
}
