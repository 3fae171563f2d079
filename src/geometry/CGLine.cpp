#include "geometry/CGLine.h"

#include "geometry/CGCircle.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

bool InSegment(double s) {
    return s > kCGSegmentAnfang && s < kCGSegmentEnde;
}

} // namespace

CGLine& CGLine::operator=(const CGLine& other) {
    origin = other.origin;
    direction = other.direction;
    kind = kCGGerade;
    return *this;
}

CGPoint CGLine::PointAt(double s) const {
    return origin + direction * s;
}

bool CGLine::IsDegenerate() const {
    return std::abs(direction.dx) < kCGEntartet && std::abs(direction.dy) < kCGEntartet &&
           std::abs(direction.dz) < kCGEntartet;
}

double CGLine::Parameter(const CGPoint& p) const {
    if (IsDegenerate()) {
        return kCGKeineLoesung;
    }
    if (std::abs(direction.dx) >= std::abs(direction.dy)) {
        // A line along z alone has no parameter in the plane.
        if (direction.dx == 0.0) {
            return kCGKeineLoesung;
        }
        return (p.x - origin.x) / direction.dx;
    }
    return (p.y - origin.y) / direction.dy;
}

void CGLine::SlopeIntercept(double& m, double& c) const {
    if (direction.dx == 0.0) {
        m = 0.0;
        c = 0.0;
        return;
    }
    m = direction.dy / direction.dx;
    c = origin.y - origin.x * m;
}

double CGLine::IntersectParameter(const CGLine& other) const {
    const CGVector& d = direction;
    const CGVector& e = other.direction;
    const double denominator = d.dy * e.dx - d.dx * e.dy;
    if (std::abs(denominator) <= kCGParallel) {
        return kCGKeineLoesung;
    }
    return ((other.origin.y - origin.y) * e.dx - (other.origin.x - origin.x) * e.dy) / denominator;
}

int CGLine::Intersect(const CGLine& other, CGPoint& crossing) const {
    const double s = IntersectParameter(other);
    if (s == kCGKeineLoesung) {
        return 0;
    }
    crossing = PointAt(s);
    return 1;
}

int CGLine::Intersects(const CGLine& other, int anyPoint) const {
    const double s = IntersectParameter(other);
    if (s == kCGKeineLoesung) {
        return 0;
    }
    return anyPoint != 0 || InSegment(s) ? 1 : 0;
}

double CGLine::DistanceToSegment(double s) const {
    if (s >= kCGSegmentAnfang && s <= kCGSegmentEnde) {
        return 0.0;
    }
    const CGPoint p = PointAt(s);
    return std::min(p.LengthTo(PointAt(0.0)), p.LengthTo(PointAt(1.0)));
}

double CGLine::IntersectParameter(const CGCircle& circle) const {
    const double dx = direction.dx;
    const double dy = direction.dy;
    if (IsDegenerate() || (std::abs(dx) < kCGNull && std::abs(dy) < kCGNull)) {
        return kCGKeineLoesung;
    }
    const double cx = circle.centre.x;
    const double cy = circle.centre.y;
    const double r2 = circle.radius * circle.radius;

    // Both cases solve for one coordinate (y on a vertical line, else x); the
    // discriminant is the reduced one, r^2 - (x0 - cx)^2 on a vertical line.
    const bool vertical = std::abs(dx) < kCGNull;
    double mitte = 0.0; // the solution of a tangent
    double discriminant = 0.0;
    double a = 1.0;
    if (vertical) {
        const double u = origin.x - cx;
        discriminant = r2 - u * u;
        mitte = cy;
    } else {
        double m = 0.0;
        double c = 0.0;
        SlopeIntercept(m, c);
        a = 1.0 + m * m;
        const double b = m * (c - cy) - cx;
        const double k = cx * cx + (c - cy) * (c - cy) - r2;
        discriminant = b * b - a * k;
        mitte = -b / a;
    }
    if (std::abs(discriminant) < kCGTangente) {
        discriminant = 0.0;
    } else if (discriminant < 0.0) {
        return kCGKeineLoesung;
    }
    const double half = std::sqrt(discriminant) / a;
    std::vector<double> parameters;
    for (const double v : {mitte - half, mitte + half}) {
        parameters.push_back(vertical ? (v - origin.y) / dy : (v - origin.x) / dx);
    }
    std::sort(parameters.begin(), parameters.end());
    return DistanceToSegment(parameters[1]) < DistanceToSegment(parameters[0]) ? parameters[1]
                                                                               : parameters[0];
}

int CGLine::Intersect(const CGCircle& circle, CGPoint& crossing) const {
    const double s = IntersectParameter(circle);
    if (s == kCGKeineLoesung) {
        return 0;
    }
    crossing = PointAt(s);
    return 1;
}

int CGLine::Intersects(const CGCircle& circle, int anyPoint) const {
    const double s = IntersectParameter(circle);
    if (s == kCGKeineLoesung) {
        return 0;
    }
    return anyPoint != 0 || InSegment(s) ? 1 : 0;
}

double CGLine::Perpendicular(const CGPoint& p, CGPoint& foot, int unbounded) const {
    const double d2 = direction.dx * direction.dx + direction.dy * direction.dy;
    if (d2 == 0.0) {
        return kCGKeineLoesung;
    }
    // The foot is where the perpendicular through p crosses the line.
    const double s = ((p.x - origin.x) * direction.dx + (p.y - origin.y) * direction.dy) / d2;
    foot = PointAt(s);
    if (unbounded == 0 && (s < kCGSegmentAnfang || s > kCGSegmentEnde)) {
        return kCGKeineLoesung;
    }
    return foot.LengthTo(p);
}

CGVector CGLine::Offset(double length, int side) const {
    const double d = std::sqrt(direction.dx * direction.dx + direction.dy * direction.dy);
    if (d == 0.0) {
        return CGVector();
    }
    const CGVector left(-direction.dy * length / d, direction.dx * length / d, 0.0);
    return side == 1 ? left * -1.0 : left;
}

CGLine CGLine::Shifted(double length, int side) const {
    return CGLine(origin + Offset(length, side), direction);
}
