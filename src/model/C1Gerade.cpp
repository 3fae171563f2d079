#include "model/C1Gerade.h"

#include <cmath>

namespace {

// Points closer than this in a coordinate count as equal in it.
constexpr double kPunktTol = 0.001;
// Slope that stands for "vertical" (and normal slope for "horizontal").
constexpr double kSenkrecht = 1e20;

} // namespace

int C1Gerade::SetPunkte(double xa, double ya, double xb, double yb) {
    x0 = xa;
    y0 = ya;
    x1 = xb;
    y1 = yb;
    const bool gleichesX = std::fabs(xb - xa) < kPunktTol;
    const bool gleichesY = std::fabs(yb - ya) < kPunktTol;
    if (gleichesX && gleichesY) {
        return -1;
    }
    if (gleichesX) {
        m = kSenkrecht;
        koeffA = 1.0;
        koeffB = 0.0;
        koeffC = -xb;
        mn = 0.0;
        winkel = pi * 0.5;
        winkelNormale = 0.0;
        return 1;
    }
    if (gleichesY) {
        koeffA = 0.0;
        koeffB = 1.0;
        koeffC = -yb;
        m = 0.0;
        mn = kSenkrecht;
        winkel = 0.0;
        winkelNormale = pi * 0.5;
        return 1;
    }
    m = (yb - ya) / (xb - xa);
    koeffA = m;
    koeffB = -1.0;
    koeffC = ya - m * xa;
    mn = -1.0 / m;
    winkel = std::atan(m);
    winkelNormale = std::atan(mn);
    return 1;
}

int C1Gerade::SetSteigungPunkt(double steigung, double xa, double ya) {
    koeffA = steigung;
    koeffB = -1.0;
    koeffC = ya - steigung * xa;
    m = steigung;
    // A horizontal line has a vertical normal; keep the finite stand-in for it.
    mn = steigung == 0.0 ? kSenkrecht : -1.0 / steigung;
    winkel = std::atan(steigung);
    winkelNormale = std::atan(mn);
    x0 = xa;
    y0 = ya;
    return 1;
}

double C1Gerade::GetX(double y) const {
    return (y - y0) / m + x0;
}

double C1Gerade::CalcHesse(double x, double y) {
    normHesse = std::sqrt(koeffA * koeffA + koeffB * koeffB);
    if (normHesse == 0.0) {
        // No line has been set: there is no normal to measure along.
        sHesse = nA = nB = nC = abstandHesse = 0.0;
        return 0.0;
    }
    sHesse = 1.0 / normHesse;
    if (koeffC > 0.0) {
        sHesse = -sHesse;
    }
    nA = sHesse * koeffA;
    nB = sHesse * koeffB;
    nC = -sHesse * koeffC;
    abstandHesse = nA * x + nB * y - nC;
    return abstandHesse;
}

int C1Gerade::CalcWinkel() {
    const double zaehler = m2 - m;
    const double nenner = 1.0 + m * m2;
    if (nenner == 0.0) {
        // Lines at a right angle: the tangent has no finite value.
        tanZwischen = zaehler < 0.0 ? -kSenkrecht : kSenkrecht;
        winkelZwischen = zaehler < 0.0 ? -pi * 0.5 : pi * 0.5;
    } else {
        tanZwischen = zaehler / nenner;
        winkelZwischen = std::atan(tanZwischen);
    }
    sinZwischen = std::sin(winkelZwischen);
    cosZwischen = std::cos(winkelZwischen);
    return 1;
}
