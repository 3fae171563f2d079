#pragma once

#include <cstdio>

// The run's trace file (null device unless the developer switch is on); owned and set
// by the host. While it is null nothing is written.
extern FILE* g_pTrace;

namespace zirf {

// Writes one formatted trace line to g_pTrace when it is open.
void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace zirf
