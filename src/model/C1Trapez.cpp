#include "model/C1Trapez.h"

#include "model/Shoelace.h"

#include <cmath>
#include <span>

int C1Trapez::CalcTrapez(double ya, double yb, double ea, double eb) {
    hoehe = yb - ya;
    differenz = eb - ea;
    rechteck = hoehe * ea;
    dreieck = differenz * hoehe * 0.5;
    momentRechteck = rechteck * (ya + hoehe / 2.0);
    momentDreieck = dreieck * (ya + 2.0 * hoehe / 3.0);
    E = rechteck + dreieck;
    yE = E != 0.0 ? (momentRechteck + momentDreieck) / E : 0.0;
    return 1;
}

int C1Trapez::CalcViereck(double xa, double ya, double ea, double yea, double xb, double yb,
                          double eb, double yeb) {
    const double xo = xa + ea;
    const double xu = xb + eb;
    const bool obenNegativ = ea < 0.0;
    const bool untenNegativ = eb < 0.0;
    if (obenNegativ == untenNegativ) {
        const double x[] = {xa, xb, xu, xo};
        const double y[] = {ya, yb, yeb, yea};
        return SetPolygon(x, y, 4);
    }
    // The ordinate line crosses zero between the two ends; Z is the wall point at that
    // depth. In the bow-tie order both triangles run the same way round, so the shoelace
    // sum adds their magnitudes.
    const double yz = yea + (yeb - yea) * std::fabs(ea) / (std::fabs(ea) + std::fabs(eb));
    const double xz = yb != ya ? xa + (xb - xa) * (yz - ya) / (yb - ya) : xa;
    const double x[] = {xa, xz, xu, xb, xz, xo};
    const double y[] = {ya, yz, yeb, yb, yz, yea};
    return SetPolygon(x, y, 6);
}

int C1Trapez::CalcViereckPunkte(double xp1, double yp1, double xp2, double yp2, double xp3,
                                double yp3, double xp4, double yp4) {
    const double x[] = {xp1, xp3, xp4, xp2};
    const double y[] = {yp1, yp3, yp4, yp2};
    return SetPolygon(x, y, 4);
}

int C1Trapez::SetPolygon(const double* x, const double* y, int n) {
    const auto n2 = static_cast<std::size_t>(n);
    const ShoelaceErgebnis s = CalcShoelace(std::span(x, n2), std::span(y, n2));
    SetFigur(s.flaeche, s.xs, s.ys);
    return s.flaeche == 0.0 ? 0 : 1;
}

void C1Trapez::SetFigur(double area, double xLokal, double yLokal) {
    if (area == 0.0) {
        xLokal = yLokal = 0.0;
    }
    flaeche = std::fabs(area);
    xs = xLokal;
    ys = yLokal;
    xsGlobal = x0 + xs;
    ysGlobal = y0 + ys;
}
