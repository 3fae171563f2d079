#include "plot/engine/PlotGeometrie.h"

#include "platform/Koordinate.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDegPerRad = 180.0 / 3.14159;

int Trunc(double v) {
    return ToKoordinate(v, "PlotGeometrie");
}

} // namespace

double LineAngle(int x1, int y1, int x2, int y2) {
    return std::atan2(static_cast<double>(y1) - y2, static_cast<double>(x2) - x1);
}

double LineAngleD(double x1, double y1, double x2, double y2) {
    return std::atan2(y1 - y2, x2 - x1);
}

double LineAngleDeg(int x1, int y1, int x2, int y2) {
    return LineAngle(x1, y1, x2, y2) * kDegPerRad;
}

double LineAngleDegD(double x1, double y1, double x2, double y2) {
    return LineAngleD(x1, y1, x2, y2) * kDegPerRad;
}

double LineLength(int x1, int y1, int x2, int y2) {
    return LineLengthD(x1, y1, x2, y2);
}

double LineLengthD(double x1, double y1, double x2, double y2) {
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

Richtung::Richtung(double angle) : cos(std::cos(angle)), sin(std::sin(angle)) {}

C1Punkt PointAtAngle(int x0, int y0, const Richtung& r, int l, int b) {
    const int x = Trunc(x0 + l * r.cos);
    const int y = Trunc(y0 - l * r.sin);
    return {Trunc(x + b * r.sin), Trunc(y + b * r.cos)};
}

C1Punkt PointAtAngle(int x0, int y0, double c, int l, int b) {
    return PointAtAngle(x0, y0, Richtung(c), l, b);
}

C1Punkt PointOnLine(int x1, int y1, int x2, int y2, int l, int b) {
    return PointAtAngle(x1, y1, LineAngle(x1, y1, x2, y2), l, b);
}

int PointsOnLine(int x1, int y1, int x2, int y2, int l, int a, int b, C1Punkt& q1, C1Punkt& q2) {
    if (b < 0) {
        return 0;
    }
    q1 = PointOnLine(x1, y1, x2, y2, l, a);
    q2 = PointOnLine(x1, y1, x2, y2, l + b, a);
    return 1;
}

C1Punkt PointBetween(int x1, int y1, int x2, int y2, double t) {
    return {Trunc(x1 + (static_cast<double>(x2) - x1) * t),
            Trunc(y1 + (static_cast<double>(y2) - y1) * t)};
}

std::optional<C1Punkt> PerpendicularFoot(int x1, int y1, int x2, int y2, int px, int py) {
    if (x1 == x2 && y1 == y2) {
        return std::nullopt;
    }
    if (x1 == x2) {
        return C1Punkt{x1, py};
    }
    if (y1 == y2) {
        return C1Punkt{px, y1};
    }
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    const double t = ((px - static_cast<double>(x1)) * dx + (py - static_cast<double>(y1)) * dy) /
                     (dx * dx + dy * dy);
    return C1Punkt{Trunc(x1 + t * dx), Trunc(y1 + t * dy)};
}

C1Punkt RotatePoint(int px, int py, double angle, int x, int y) {
    const double r = LineLength(px, py, x, y);
    const double theta =
        std::atan2(static_cast<double>(y) - py, static_cast<double>(px) - x) + angle;
    return {Trunc(px - r * std::cos(theta)), Trunc(py + r * std::sin(theta))};
}

int RotatePoints(int px, int py, double angle, C1Punkt* points, int n) {
    if (n <= 0 || points == nullptr) {
        return 0;
    }
    for (int i = 0; i < n; ++i) {
        points[i] = RotatePoint(px, py, angle, points[i].x, points[i].y);
    }
    return 1;
}

double AngleAtVertex(int x0, int y0, int x1, int y1, int x2, int y2) {
    const double ax = static_cast<double>(x1) - x0;
    const double ay = static_cast<double>(y1) - y0;
    const double bx = static_cast<double>(x2) - x0;
    const double by = static_cast<double>(y2) - y0;
    const double lengths = std::sqrt(ax * ax + ay * ay) * std::sqrt(bx * bx + by * by);
    if (lengths == 0.0) {
        return 0.0;
    }
    // Rounding can carry the cosine of a straight or a zero angle just beyond ±1.
    return std::acos(std::clamp((ax * bx + ay * by) / lengths, -1.0, 1.0));
}

C1Box FitRectToAspect(const C1Box& box, double w, double h) {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (width == 0 || height == 0 || !(w > 0.0) || !(h > 0.0)) {
        return box;
    }
    C1Box out = box;
    if (w / h >= static_cast<double>(width) / height) {
        out.top = box.bottom - Trunc(h / w * width);
    } else {
        out.right = box.left + Trunc(w / h * height);
    }
    return out;
}

int RectsIntersect(const C1Box& a, const C1Box& b) {
    const int left = std::max(std::min(a.left, a.right), std::min(b.left, b.right));
    const int right = std::min(std::max(a.left, a.right), std::max(b.left, b.right));
    const int top = std::max(std::min(a.top, a.bottom), std::min(b.top, b.bottom));
    const int bottom = std::min(std::max(a.top, a.bottom), std::max(b.top, b.bottom));
    return left < right && top < bottom ? 1 : 0;
}
