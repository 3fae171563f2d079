#include "earthpressure/Resultante.h"

#include <cmath>

void SetzeNeigung(C1SchichtErgebnis& e, double tanA) {
    e.Ev = e.Eh * tanA;
    e.Eges = std::sqrt(e.Eh * e.Eh + e.Ev * e.Ev);
}

double ResultanteMitVorzeichen(double flaeche, double eo, double eu) {
    return eo <= 0.0 && eu <= 0.0 ? -flaeche : flaeche;
}

void SetzeTrapezResultante(C1Trapez& trapez, C1SchichtErgebnis& e, double von, double bis,
                           double eo, double eu, double tanA) {
    trapez.CalcTrapez(von, bis, eo, eu);
    e.Eh = trapez.GetE();
    e.yE = trapez.GetYE();
    SetzeNeigung(e, tanA);
}
