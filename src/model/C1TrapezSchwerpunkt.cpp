// Area and centroid of a trapezoid with horizontal parallel sides, and of a pentagon.
#include "model/C1Trapez.h"

int C1Trapez::CalcTrapezSchwerpunkt(double a, double b, double c, double h) {
    const double summe = a + b;
    if (summe == 0.0) {
        SetFigur(0.0, 0.0, 0.0);
        return 0;
    }
    SetFigur(summe * h / 2.0, (a + b + c - (a - c) * b / summe) / 3.0,
             h - (2.0 * b + a) * h / (3.0 * summe));
    return 1;
}

int C1Trapez::CalcTrapezSchwerpunkt2(double xo1, double xo2, double yo, double xu1, double xu2,
                                     double yu) {
    const int status = CalcTrapezSchwerpunkt(xu2 - xu1, xo2 - xo1, xo1 - xu1, yu - yo);
    if (status != 0) {
        SetFigur(flaeche, xu1 + xs, yo + ys);
    }
    return status;
}

int C1Trapez::CalcFuenfeck(double xp1, double yp1, double xp2, double yp2, double xp3, double yp3,
                           double xp4, double yp4, double xp5, double yp5) {
    const double x[] = {xp1, xp2, xp3, xp4, xp5};
    const double y[] = {yp1, yp2, yp3, yp4, yp5};
    return SetPolygon(x, y, 5);
}
