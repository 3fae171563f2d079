#pragma once

#include <cstddef>

// Limits of the calculation model.
namespace zirf {

// Calculation layers, the extension layer below the model bottom included.
inline constexpr std::size_t kMaxSchichten = 20;
// Earth-pressure load cases: 0 (soil weight) up to the input's 20 load cases.
inline constexpr std::size_t kMaxLastfaelle = 21;
// Block loads and line loads each (the input model's limit).
inline constexpr std::size_t kMaxLasten = 10;
// Per-load working records of the bounded loads.
inline constexpr std::size_t kMaxLastRecords = 50;
// Extra layer boundaries: excavation, half of it, model bottom, two water levels and the
// middle of the retained soil when the ground lies below the wall head.
inline constexpr std::size_t kMaxZusatzGrenzen = 6;

} // namespace zirf
