// Partial factors of one side of the wall in the input's design situation.
#include "model/C1ZirfCalc.h"

#include "model/C1ZirfInput.h"

namespace {

// The earth-pressure modes from this one on use the pressure at rest.
constexpr int kSituationRuhedruck = 2;

} // namespace

int C1ZirfCalc::SetTeilsicherheiten(int seite) {
    using T = C1ZirfInput::Teilsicherheitsbeiwerte;
    const C1ZirfInput& in = *pInput;
    situation = seite == 0 ? in.nwstand : in.nwwand;
    // Design situations 1 and 2 as given; every other value is situation 3.
    const int k = (in.lastfall == 1 || in.lastfall == 2) ? in.lastfall : T::kAnzahlSituationen;
    const T& teil = in.teilsicherheit;
    gammaG = teil.Get(situation < kSituationRuhedruck ? T::gamma_g : T::gamma_e0g, k);
    gammaQ = teil.Get(T::gamma_q, k);
    gammaA = teil.Get(T::gamma_a, k);
    ggl = teil.Get(T::ggl, k);
    gep = teil.Get(T::gep, k);
    ggr = teil.Get(T::ggr, k);
    return 1;
}
