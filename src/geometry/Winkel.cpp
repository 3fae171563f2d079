#include "geometry/Winkel.h"

#include "geometry/CGKonstanten.h"

#include <cmath>

double CGSnapNull(double value) {
    return std::abs(value) < kCGNull ? 0.0 : value;
}

double Winkel(double x, double y) {
    const double angle = std::atan2(CGSnapNull(y), CGSnapNull(x));
    return angle < 0.0 ? angle + kCGZweiPi : angle;
}

double CGReduziereWinkel(double d) {
    return std::abs(d) >= kCGVollerKreis ? d - kCGZweiPi : d;
}

double WinkelDifferenz(double a, double b) {
    return CGReduziereWinkel((a < b ? a + kCGZweiPi : a) - b);
}
