#pragma once

#include <cstdio>

// The run's trace file; null while no trace file is open.
extern FILE* g_pTrace;
