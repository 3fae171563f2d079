#include "earthpressure/Resultante.h"

#include <cmath>

void SetzeNeigung(C1SchichtErgebnis& e, double tanA) {
    e.Ev = e.Eh * tanA;
    e.Eges = std::sqrt(e.Eh * e.Eh + e.Ev * e.Ev);
}

ResultanteHorizontal ResultanteMitVorzeichen(const C1Trapez& trapez, double yo, double eo,
                                             double yu, double eu) {
    if (eo >= 0.0 && eu >= 0.0) {
        return {trapez.GetFlaeche(), trapez.GetSchwerpunktY()};
    }
    if (eo <= 0.0 && eu <= 0.0) {
        return {-trapez.GetFlaeche(), trapez.GetSchwerpunktY()};
    }
    C1Trapez mitVorzeichen;
    mitVorzeichen.CalcTrapez(yo, yu, eo, eu);
    return {mitVorzeichen.GetE(), mitVorzeichen.GetYE()};
}

void SetzeTrapezResultante(C1Trapez& trapez, C1SchichtErgebnis& e, double von, double bis,
                           double eo, double eu, double tanA) {
    trapez.CalcTrapez(von, bis, eo, eu);
    e.Eh = trapez.GetE();
    e.yE = trapez.GetYE();
    SetzeNeigung(e, tanA);
}
