#include "earthpressure/C1Polygon.h"

#include "earthpressure/Shoelace.h"

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
        flaeche = xs = ys = 0.0;
        return 0;
    }
    const ShoelaceErgebnis s = CalcShoelace(x, y);
    flaeche = s.flaeche;
    xs = s.xs;
    ys = s.ys;
    x.clear();
    y.clear();
    return 1;
}
