#include "earthpressure/Flaechenlast.h"

double FlaechenlastIntensitaet(const C1Flaechenlasten& lasten, int n,
                               const C1FlaechenLastfaelle& lastfaelle, int k) {
    const std::size_t pos = static_cast<std::size_t>(k - 1);
    const int lf = pos < lastfaelle.size() ? lastfaelle[pos] : 0;
    double p = 0.0;
    for (int s = 0; s < n; ++s) {
        const auto& last = lasten.at(static_cast<std::size_t>(s));
        if (last.lf == lf) {
            p += last.v;
        }
    }
    return p;
}
