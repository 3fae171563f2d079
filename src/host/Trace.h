#pragma once

#include <cstdio>

// The trace and dump files of the current run; null while no run has them open.
// The host context sets them back to null when it closes the files.
extern FILE* g_pTrace;
extern FILE* g_pDump;

// Writes one formatted trace entry to g_pTrace; does nothing while it is null.
void TracePrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
