#include "base/Trace.h"

#include <cstdarg>

FILE* g_pTrace = nullptr;
FILE* g_pDump = nullptr;
bool g_bTraceVerworfen = false;

void TracePrintf(const char* format, ...) {
    if (g_pTrace == nullptr || g_bTraceVerworfen) {
        return;
    }
    va_list args;
    va_start(args, format);
    std::vfprintf(g_pTrace, format, args);
    va_end(args);
}
