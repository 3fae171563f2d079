#pragma once

#include "host/Trace.h"

namespace zirf {

// Writes one formatted trace line to g_pTrace when it is open.
void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace zirf
