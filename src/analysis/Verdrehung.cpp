#include "analysis/Verdrehung.h"

namespace verdrehung {

namespace {
// Divisors of the closed-form integrals.
constexpr double kNennerUnten = 360.0;
constexpr double kNennerOben = 36.0;
constexpr double kNennerPunkt = 6.0;
} // namespace

// The end rotation at the foot of the simply supported span of length l = t - A under a
// point force P at the distance x below the anchor is P·x·(l² - x²)/(6·l·EI); this is its
// integral over a load that varies linearly from c at a' = a - A to d at b' = b - A. It
// depends on the span alone: a weighting by the excavation depth would make the rotation
// of the same span change with where the excavation lies.
double UnterAnker(double A, double t, double a, double b, double c, double d) {
    const double L = A - t;
    if (L == 0.0) {
        return 0.0;
    }
    const double as = a - A;
    const double bs = b - A;
    const double ll = L * L;
    const double kubischC =
        4.0 * as * as * as + 3.0 * as * as * bs + 2.0 * as * bs * bs + bs * bs * bs;
    const double kubischD =
        4.0 * bs * bs * bs + 3.0 * as * bs * bs + 2.0 * as * as * bs + as * as * as;
    const double summe = c * (20.0 * ll * as + 10.0 * ll * bs - 3.0 * kubischC) +
                         d * (20.0 * ll * bs + 10.0 * ll * as - 3.0 * kubischD);
    return (as - bs) / (kNennerUnten * L) * summe;
}

double UeberAnker(double A, double t, double a, double b, double c, double d) {
    const double L = A - t;
    return (b - a) * L * ((3.0 * A - 2.0 * a - b) * c + (3.0 * A - a - 2.0 * b) * d) / kNennerOben;
}

double Punktlast(double A, double t, double a, double P) {
    return P * (A - a) * (A - t) / kNennerPunkt;
}

double Moment(double A, double t, double m) {
    return m * (A - t) / kNennerPunkt;
}

} // namespace verdrehung
