#pragma once

#include "geometry/CGKonstanten.h"
#include "geometry/CGPoint.h"
#include "geometry/CGVector.h"

class CGCircle;

// A straight line (kind 4): the point at parameter s is origin + s * direction, so
// s = 0 and s = 1 are the ends of its segment. Intersections, slopes and
// perpendiculars work in the x-y plane. A result of 1e10 means there is no solution.
class CGLine {
public:
    CGLine() = default;
    // The line from one point to another (direction = to - from).
    CGLine(const CGPoint& from, const CGPoint& to) : origin(from), direction(to - from) {}
    CGLine(const CGPoint& start, const CGVector& dir) : origin(start), direction(dir) {}
    CGLine(const CGLine& other) : origin(other.origin), direction(other.direction) {}
    CGLine& operator=(const CGLine& other);

    CGPoint PointAt(double s) const;
    // The direction is within 1e-4 of (0, 0, 0) in every coordinate.
    bool IsDegenerate() const;
    // Parameter of a point on the line, taken from the larger of the x and y
    // components of the direction; 1e10 for a degenerate direction.
    double Parameter(const CGPoint& p) const;
    // y = m x + c; both 0 for a vertical line (dx = 0).
    void SlopeIntercept(double& m, double& c) const;

    // Parameter on this line where the other one crosses it; 1e10 when the two are
    // parallel (coincident lines included).
    double IntersectParameter(const CGLine& other) const;
    // 0 when parallel, else 1 with the crossing point.
    int Intersect(const CGLine& other, CGPoint& crossing) const;
    // With anyPoint set, whether the lines cross at all; else whether they cross
    // within this line's segment (parameter in (-0.001, 1.001)).
    int Intersects(const CGLine& other, int anyPoint) const;

    // Parameter of the point where the line meets the circle, 1e10 when it misses.
    // Of two points the one nearer to the segment is taken (the first along the line
    // when both lie on it); a discriminant within 0.001 of 0 is a tangent.
    double IntersectParameter(const CGCircle& circle) const;
    int Intersect(const CGCircle& circle, CGPoint& crossing) const;
    int Intersects(const CGCircle& circle, int anyPoint) const;

    // Length from p to the foot of its perpendicular on the line, foot returned.
    // Unless unbounded is set, a foot outside the segment (parameter outside
    // [-0.001, 1.001]) gives 1e10; so does a line without x-y direction.
    double Perpendicular(const CGPoint& p, CGPoint& foot, int unbounded) const;
    // The offset of the given length square to the line in the x-y plane: to the
    // left of the direction for side 0, to the right for side 1.
    CGVector Offset(double length, int side) const;
    // The line moved by that offset; its direction is kept.
    CGLine Shifted(double length, int side) const;

    int kind = kCGGerade;
    CGPoint origin;
    CGVector direction;

private:
    // Distance of the point at parameter s from the segment [0, 1].
    double DistanceToSegment(double s) const;
};
