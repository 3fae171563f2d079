#pragma once

// The report reads the input and the calculation through these functions only: where
// a chapter's name for a value differs from the member that holds it, the translation
// is written here once. (The calculation object's side joins when the report chapters
// that read it are built.)

#include "host/C1ZirfInput.h"

namespace ReportSicht {

// The design-code selector of the report head: 1 DIN 1054 / DIN 18800, 2 DIN EN 1997 /
// DIN EN 1993, 3 the same with the German national annex; other values have no line.
inline int Norm(const C1ZirfInput& in) {
    return in.normKind;
}
// Uniform surcharges on the retained side and their count.
inline int NAuflast(const C1ZirfInput& in) {
    return in.nFlaechenlast;
}
// Uniform surcharges on the excavation side (the input never fills them).
inline int NAuflastVorne(const C1ZirfInput& in) {
    return in.nFlaechenlastVorn;
}

} // namespace ReportSicht
