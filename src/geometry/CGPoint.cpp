#include "geometry/CGPoint.h"

#include <cmath>

CGPoint& CGPoint::operator=(const CGPoint& other) {
    x = other.x;
    y = other.y;
    z = other.z;
    kind = kCGPunkt;
    return *this;
}

void CGPoint::Reset() {
    *this = CGPoint();
}

double CGPoint::LengthTo(const CGPoint& other) const {
    return (other - *this).Length();
}

CGPoint CGPoint::operator+=(const CGPoint& p) {
    x += p.x;
    y += p.y;
    z += p.z;
    return *this;
}

CGPoint CGPoint::operator+=(const CGVector& v) {
    x += v.dx;
    y += v.dy;
    z += v.dz;
    return *this;
}

CGPoint CGPoint::operator-=(const CGPoint& p) {
    x -= p.x;
    y -= p.y;
    z -= p.z;
    return *this;
}

CGPoint CGPoint::operator-=(const CGVector& v) {
    x -= v.dx;
    y -= v.dy;
    z -= v.dz;
    return *this;
}

CGVector operator-(const CGPoint& a, const CGPoint& b) {
    return CGVector(a.x - b.x, a.y - b.y, a.z - b.z);
}

CGPoint operator-(const CGPoint& p, const CGVector& v) {
    return CGPoint(p.x - v.dx, p.y - v.dy, p.z - v.dz);
}

CGPoint operator+(const CGPoint& a, const CGPoint& b) {
    return CGPoint(a.x + b.x, a.y + b.y, a.z + b.z);
}

CGPoint operator+(const CGPoint& p, const CGVector& v) {
    return CGPoint(p.x + v.dx, p.y + v.dy, p.z + v.dz);
}

bool operator==(const CGPoint& a, const CGPoint& b) {
    return std::abs(a.x - b.x) < kCGGleich && std::abs(a.y - b.y) < kCGGleich &&
           std::abs(a.z - b.z) < kCGGleich;
}

bool operator!=(const CGPoint& a, const CGPoint& b) {
    return !(a == b);
}
