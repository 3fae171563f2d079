#pragma once

#include "model/C1ZirfInput.h"

#include <array>

using C1Flaechenlasten = std::array<C1ZirfInput::SFlaechenlast, C1ZirfInput::kMaxFlaechenlast>;
using C1FlaechenLastfaelle = std::array<int, C1ZirfInput::kMaxLfFlaeche>;

// Surcharge intensity of earth-pressure load case k >= 1 on one side of the wall: the sum
// of the first n surcharges that belong to the k-th distinct surcharge load case of that
// side (0 past the filled part of the list).
double FlaechenlastIntensitaet(const C1Flaechenlasten& lasten, int n,
                               const C1FlaechenLastfaelle& lastfaelle, int k);
