// Deflection line of the wall from the characteristic moment line of its beam.

#include "model/C1ZirfCalc.h"

#include "analysis/Biegelinie.h"
#include "beam/C1Traeger.h"
#include "model/C1ZirfInput.h"

#include <algorithm>

int C1ZirfCalc::CalcDurchbiegung() {
    const double EI = biegelinie::Biegesteifigkeit(pInput->Iy);
    Durchbiegung = biegelinie::Kragwand(MChar, pTraeger->GetTL(), EI);
    return 1;
}

int C1ZirfCalc::CalcDurchbiegungAnker() {
    // The beam rests on the foot support at the depth t and on the anchor.
    const double EI = biegelinie::Biegesteifigkeit(pInput->Iy);
    const double TL = pTraeger->GetTL();
    Durchbiegung =
        biegelinie::Ankerwand(MChar, TL, TL - t, TL - std::max(pInput->tiefe_anker, 0.0), EI);
    return 1;
}
