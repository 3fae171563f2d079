#include "model/C1Polygon.h"

#include "model/Shoelace.h"

#include <cmath>

void C1Polygon::SetAnzahl(int n) {
    nPunkte = n;
    x.clear();
    y.clear();
}

int C1Polygon::AddPunkt(double px, double py) {
    ++nPunkte;
    x.push_back(px);
    y.push_back(py);
    return 1;
}

int C1Polygon::CalcFlaeche() {
    if (nPunkte < 0 || x.empty()) {
        flaeche = xs = ys = ixx = iyy = ixy = hauptachsenWinkel = 0.0;
        return 0;
    }
    const ShoelaceErgebnis s = CalcShoelace(x, y);
    flaeche = s.flaeche;
    xs = s.xs;
    ys = s.ys;
    ixx = s.ixx;
    iyy = s.iyy;
    ixy = s.ixy;
    // The principal axes turn by half the angle whose tangent is 2·Ixy / (Iyy − Ixx).
    hauptachsenWinkel = 0.5 * std::atan2(2.0 * ixy, iyy - ixx);
    x.clear();
    y.clear();
    return 1;
}
