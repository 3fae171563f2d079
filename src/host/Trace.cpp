#include "host/Trace.h"

#include <cstdarg>

FILE* g_pTrace = nullptr;
FILE* g_pDump = nullptr;

void TracePrintf(const char* format, ...) {
    if (g_pTrace == nullptr) {
        return;
    }
    va_list args;
    va_start(args, format);
    std::vfprintf(g_pTrace, format, args);
    va_end(args);
}
