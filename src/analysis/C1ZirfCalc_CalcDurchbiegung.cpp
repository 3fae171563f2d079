// Deflection line of the wall from the characteristic moment line of its beam.

#include "earthpressure/C1ZirfCalc.h"

#include "analysis/Biegelinie.h"
#include "beam/C1Traeger.h"
#include "host/C1ZirfInput.h"

int C1ZirfCalc::CalcDurchbiegung() {
    const double EI = biegelinie::Biegesteifigkeit(pInput->Iy);
    Durchbiegung = biegelinie::Kragwand(MChar, pTraeger->GetTL(), t, EI);
    return 1;
}

int C1ZirfCalc::CalcDurchbiegungAnker() {
    const double EI = biegelinie::Biegesteifigkeit(pInput->Iy);
    Durchbiegung = biegelinie::Ankerwand(MChar, pTraeger->GetTL(), t, pInput->tiefe_anker, EI);
    return 1;
}
