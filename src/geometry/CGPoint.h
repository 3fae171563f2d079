#pragma once

#include "geometry/CGKonstanten.h"
#include "geometry/CGVector.h"

// A point in three coordinates (kind 1).
class CGPoint {
public:
    CGPoint() = default;
    CGPoint(double px, double py, double pz) : x(px), y(py), z(pz) {}
    CGPoint(const CGPoint& other) : x(other.x), y(other.y), z(other.z) {}
    CGPoint& operator=(const CGPoint& other);

    // Back to the origin.
    void Reset();
    // Length from this point to another.
    double LengthTo(const CGPoint& other) const;

    // Compound forms move this point and return a copy of the result.
    CGPoint operator+=(const CGPoint& p);
    CGPoint operator+=(const CGVector& v);
    CGPoint operator-=(const CGPoint& p);
    CGPoint operator-=(const CGVector& v);

    int kind = kCGPunkt;
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// The vector from b to a.
CGVector operator-(const CGPoint& a, const CGPoint& b);
CGPoint operator-(const CGPoint& p, const CGVector& v);
CGPoint operator+(const CGPoint& a, const CGPoint& b);
CGPoint operator+(const CGPoint& p, const CGVector& v);

// Equal when every coordinate differs by less than 1e-4.
bool operator==(const CGPoint& a, const CGPoint& b);
bool operator!=(const CGPoint& a, const CGPoint& b);
