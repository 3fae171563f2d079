#pragma once

#include <cstdio>

// The trace and dump files of the current run; null while no run has them open.
// The host context sets them back to null when it closes the files.
extern FILE* g_pTrace;
extern FILE* g_pDump;

// True while the trace goes to the null device (no developer run): entries are then
// not even formatted, which saves a run a good share of its time.
extern bool g_bTraceVerworfen;

// Writes one formatted trace entry to g_pTrace; does nothing while it is null or
// discarded.
void TracePrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
