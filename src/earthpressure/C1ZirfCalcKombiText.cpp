// Label of a load combination given as a code: permanent load cases, a bit per variable
// load case and the accidental load case in the hundreds.
#include "model/C1ZirfCalc.h"

#include "model/C1ZirfInput.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kAussergewoehnlich = 100;
// Actions below this number are permanent.
constexpr int kErsteVeraenderliche = 2;

} // namespace

int C1ZirfCalc::GetKombiText(int code) {
    const C1ZirfInput& in = *pInput;
    const int n = std::clamp(in.iLetzterLastfall + 1, 0, C1ZirfInput::kMaxLastfall);
    const auto lf = [&](int k) { return in.lastfallLf.at(static_cast<std::size_t>(k)); };
    const auto staendig = [&](int k) {
        return in.lastfallEinw.at(static_cast<std::size_t>(k)) < kErsteVeraenderliche;
    };

    kombiText = "=> EW ";
    bool erster = true;
    for (int k = 0; k < n; ++k) {
        if (staendig(k)) {
            kombiText += (erster ? "" : "+") + std::to_string(lf(k)) + "(g)";
            erster = false;
        }
    }
    // The code is reduced by 100 as long as it exceeds 100; what is left carries one bit
    // per variable load case, counted in the order of the input.
    const int bits = code > kAussergewoehnlich ? (code - 1) % kAussergewoehnlich + 1 : code;
    int j = 0;
    for (int k = 0; k < n; ++k) {
        if (!staendig(k)) {
            if (((bits >> j) & 1) != 0) {
                kombiText += "+" + std::to_string(lf(k)) + "(q)";
            }
            ++j;
        }
    }
    if (code > kAussergewoehnlich) {
        kombiText += "+" + std::to_string(code / kAussergewoehnlich) + "(a)";
    }
    return 1;
}
