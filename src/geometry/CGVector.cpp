#include "geometry/CGVector.h"

#include "geometry/Winkel.h"

#include <cmath>

CGVector CGVector::operator=(const CGVector& other) {
    dx = other.dx;
    dy = other.dy;
    dz = other.dz;
    kind = kCGVektor;
    return *this;
}

double CGVector::Length() const {
    // An axis-parallel vector has its coordinate as its length exactly.
    if (dy == 0.0 && dz == 0.0) {
        return std::abs(dx);
    }
    if (dx == 0.0 && dz == 0.0) {
        return std::abs(dy);
    }
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

CGVector CGVector::operator-() const {
    return CGVector(CGSnapNull(-dx), CGSnapNull(-dy), CGSnapNull(-dz));
}

double CGVector::Angle() const {
    return Winkel(dx, dy);
}

double CGVector::AngleTo(const CGVector& v) const {
    const double from = Angle();
    const double to = v.Angle();
    return CGReduziereWinkel((from > to ? to + kCGZweiPi : to) - from);
}

int CGVector::Side(const CGVector& v) const {
    double d = v.Angle() - Angle();
    if (d < 0.0) {
        d += kCGZweiPi;
    }
    return d <= kCGHalberKreis ? 0 : 1;
}

void CGVector::Rotate(double angle) {
    const double length = std::sqrt(dx * dx + dy * dy);
    const double turned = std::atan2(dy, dx) + angle;
    dx = length * std::cos(turned);
    dy = length * std::sin(turned);
}

CGVector CGVector::Rotated(double angle) const {
    CGVector turned(dx, dy, 0.0);
    turned.Rotate(angle);
    return turned;
}

CGVector CGVector::operator+=(const CGVector& v) {
    dx += v.dx;
    dy += v.dy;
    dz += v.dz;
    return *this;
}

CGVector CGVector::operator-=(const CGVector& v) {
    dx -= v.dx;
    dy -= v.dy;
    dz -= v.dz;
    return *this;
}

CGVector CGVector::operator*=(double factor) {
    dx *= factor;
    dy *= factor;
    dz *= factor;
    return *this;
}

CGVector CGVector::operator/=(double divisor) {
    dx /= divisor;
    dy /= divisor;
    dz /= divisor;
    return *this;
}

CGVector operator+(const CGVector& a, const CGVector& b) {
    return CGVector(a.dx + b.dx, a.dy + b.dy, a.dz + b.dz);
}

CGVector operator-(const CGVector& a, const CGVector& b) {
    return CGVector(a.dx - b.dx, a.dy - b.dy, a.dz - b.dz);
}

CGVector operator*(const CGVector& v, double factor) {
    return CGVector(v.dx * factor, v.dy * factor, v.dz * factor);
}

CGVector operator/(const CGVector& v, double divisor) {
    return CGVector(v.dx / divisor, v.dy / divisor, v.dz / divisor);
}

bool operator==(const CGVector& a, const CGVector& b) {
    return std::abs(a.dx - b.dx) < kCGGleich && std::abs(a.dy - b.dy) < kCGGleich &&
           std::abs(a.dz - b.dz) < kCGGleich;
}

bool operator!=(const CGVector& a, const CGVector& b) {
    return !(a == b);
}
