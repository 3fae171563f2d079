#pragma once

#include "geometry/CGPoint.h"

#include <vector>

// A polygon of points in the x-y plane. The point array is closed when its last
// point equals its first (within 1e-4); a closing point is not counted twice.
class CGPolygon {
public:
    explicit CGPolygon(const std::vector<CGPoint>& punkte) : points(punkte) {}
    CGPolygon(const CGPolygon& other) = default;
    CGPolygon& operator=(const CGPolygon& other) = default;

    bool IsClosed() const;
    // Sum of x_i y_(i+1) - x_(i+1) y_i over all edges: twice the area, positive when
    // the points run counter-clockwise.
    double SignedDoubleArea() const;
    double DoubleArea() const;
    bool IsClockwise() const { return SignedDoubleArea() < 0.0; }
    // Averages of x and y of the points, z = 0; the origin for no points.
    CGPoint MeanPoint() const;
    // Sum of the edge lengths, the edge back to the first point included.
    double Perimeter() const;

    // 1 when the point lies inside or on an edge, else 0. Works on a closed,
    // counter-clockwise copy; the polygon itself is left as it is.
    int IsInside(const CGPoint& p) const;

    int kind = 0; // not read
    std::vector<CGPoint> points;

private:
    // Number of distinct corners: a closing point is left out.
    std::size_t Corners() const;
};
