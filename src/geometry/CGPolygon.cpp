#include "geometry/CGPolygon.h"

#include <algorithm>
#include <cmath>

bool CGPolygon::IsClosed() const {
    return points.size() >= 2 && points.front() == points.back();
}

std::size_t CGPolygon::Corners() const {
    return IsClosed() ? points.size() - 1 : points.size();
}

double CGPolygon::SignedDoubleArea() const {
    const std::size_t n = Corners();
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const CGPoint& a = points[i];
        const CGPoint& b = points[(i + 1) % n];
        sum += a.x * b.y - b.x * a.y;
    }
    return sum;
}

double CGPolygon::DoubleArea() const {
    return std::abs(SignedDoubleArea());
}

CGPoint CGPolygon::MeanPoint() const {
    const std::size_t n = Corners();
    CGPoint mean;
    if (n == 0) {
        return mean;
    }
    for (std::size_t i = 0; i < n; ++i) {
        mean.x += points[i].x;
        mean.y += points[i].y;
    }
    mean.x /= static_cast<double>(n);
    mean.y /= static_cast<double>(n);
    return mean;
}

double CGPolygon::Perimeter() const {
    const std::size_t n = Corners();
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        sum += points[i].LengthTo(points[(i + 1) % n]);
    }
    return sum;
}

int CGPolygon::IsInside(const CGPoint& p) const {
    if (points.empty()) {
        return 0;
    }
    // A query: the closing and turning happen on a copy.
    std::vector<CGPoint> ring = points;
    if (!IsClosed()) {
        ring.push_back(ring.front());
    }
    if (IsClockwise()) {
        std::reverse(ring.begin(), ring.end());
    }
    int count = 0;
    for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
        const CGPoint& a = ring[i];
        const CGPoint& b = ring[i + 1];
        const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        // A point on an edge (vertical edges too) is inside at once.
        if (cross == 0.0 && p.x >= std::min(a.x, b.x) && p.x <= std::max(a.x, b.x) &&
            p.y >= std::min(a.y, b.y) && p.y <= std::max(a.y, b.y)) {
            return 1;
        }
        // Each edge counts over a half-open x range, so that a corner straight above
        // or below the point is counted once: +2 for an edge running in +x below the
        // point, -2 for one running in -x below it.
        if (p.x < std::min(a.x, b.x) || p.x >= std::max(a.x, b.x)) {
            continue;
        }
        const int richtung = b.x > a.x ? 1 : -1;
        if (cross * richtung > 0.0) {
            count += 2 * richtung;
        }
    }
    return count > 0 ? 1 : 0;
}
