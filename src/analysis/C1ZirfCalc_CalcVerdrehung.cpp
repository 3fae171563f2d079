// Rotation integral of one load on the anchored wall, at the current foot depth t.

#include "model/C1ZirfCalc.h"

#include "analysis/Verdrehung.h"
#include "model/C1ZirfInput.h"

double C1ZirfCalc::CalcVerdrehung(int type, double a, double b, double c, double d) {
    const double A = pInput->tiefe_anker;
    switch (type) {
    case verdrehung::kUnterAnker:
        return verdrehung::UnterAnker(A, t, a, b, c, d);
    case verdrehung::kUeberAnker:
        return verdrehung::UeberAnker(A, t, a, b, c, d);
    case verdrehung::kPunktlast:
        return verdrehung::Punktlast(A, t, a, c);
    default:
        return 0.0;
    }
}
