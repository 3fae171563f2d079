#pragma once

#include "geometry/CGKonstanten.h"

// A direction or displacement in three coordinates (kind 2).
class CGVector {
public:
    CGVector() = default;
    CGVector(double x, double y, double z) : dx(x), dy(y), dz(z) {}
    CGVector(const CGVector& other) : dx(other.dx), dy(other.dy), dz(other.dz) {}
    // The assignment hands back a copy of the new value, as the compound forms do.
    CGVector operator=(const CGVector& other);

    double Length() const;
    // The negated vector with every coordinate below 1e-6 in magnitude set to 0.
    CGVector operator-() const;

    // Angle of the vector in the x-y plane, in [0, 2 pi).
    double Angle() const;
    // Counter-clockwise angle from this vector to v; within 0.001 of a full turn it
    // comes back as the small negative difference.
    double AngleTo(const CGVector& v) const;
    // 0 when v lies at most half a turn counter-clockwise from this vector, else 1.
    int Side(const CGVector& v) const;

    // Turns the vector about the z axis; dz is kept.
    void Rotate(double angle);
    // The vector turned about the z axis, laid into the x-y plane (dz = 0).
    CGVector Rotated(double angle) const;

    // Compound forms change this vector and return a copy of the result.
    CGVector operator+=(const CGVector& v);
    CGVector operator-=(const CGVector& v);
    CGVector operator*=(double factor);
    CGVector operator/=(double divisor);

    int kind = kCGVektor;
    double dx = 0.0;
    double dy = 0.0;
    double dz = 0.0;
};

CGVector operator+(const CGVector& a, const CGVector& b);
CGVector operator-(const CGVector& a, const CGVector& b);
CGVector operator*(const CGVector& v, double factor);
CGVector operator/(const CGVector& v, double divisor);

// Equal when every coordinate differs by less than 1e-4.
bool operator==(const CGVector& a, const CGVector& b);
bool operator!=(const CGVector& a, const CGVector& b);
