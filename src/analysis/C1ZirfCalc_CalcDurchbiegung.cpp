// Deflection line of the wall from the characteristic moment line of its beam.

#include "earthpressure/C1ZirfCalc.h"

#include "analysis/Biegelinie.h"
#include "beam/C1Traeger.h"
#include "host/C1ZirfInput.h"

namespace {

template <class Tabelle> biegelinie::Linie AlsLinie(const Tabelle& tabelle) {
    biegelinie::Linie l{};
    for (int p = 0; p < biegelinie::kPunkte; ++p) {
        l[static_cast<std::size_t>(p)] = tabelle[static_cast<std::size_t>(p)];
    }
    return l;
}

template <class Tabelle> void Setze(Tabelle& tabelle, const biegelinie::Linie& l) {
    for (int p = 0; p < biegelinie::kPunkte; ++p) {
        tabelle[static_cast<std::size_t>(p)] = l[static_cast<std::size_t>(p)];
    }
}

} // namespace

int C1ZirfCalc::CalcDurchbiegung() {
    const double EI = biegelinie::Biegesteifigkeit(pInput->Iy);
    Setze(Durchbiegung, biegelinie::Kragwand(AlsLinie(MChar), pTraeger->GetTL(), t, EI));
    return 1;
}

int C1ZirfCalc::CalcDurchbiegungAnker() {
    const double EI = biegelinie::Biegesteifigkeit(pInput->Iy);
    Setze(Durchbiegung,
          biegelinie::Ankerwand(AlsLinie(MChar), pTraeger->GetTL(), t, pInput->tiefe_anker, EI));
    return 1;
}
