#pragma once

#include "geometry/CGKonstanten.h"
#include "geometry/CGPoint.h"

// A circle in the x-y plane about its centre (kind 5). The values a and b travel
// with the circle; no operation reads them.
class CGCircle {
public:
    CGCircle() = default;
    // The three arguments are not read: the result is the zero circle.
    CGCircle(double, double, double) {}
    CGCircle(const CGCircle& other)
        : centre(other.centre), radius(other.radius), a(other.a), b(other.b) {}
    CGCircle& operator=(const CGCircle& other) {
        centre = other.centre;
        radius = other.radius;
        a = other.a;
        b = other.b;
        kind = kCGKreis;
        return *this;
    }

    int kind = kCGKreis;
    CGPoint centre;
    double radius = 0.0;
    double a = 0.0;
    double b = 0.0;
};
