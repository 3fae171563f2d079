#include "earthpressure/ErddruckTrace.h"

#include <cstdarg>

namespace zirf {

void Trace(const char* format, ...) {
    if (g_pTrace == nullptr) {
        return;
    }
    va_list args;
    va_start(args, format);
    std::vfprintf(g_pTrace, format, args);
    va_end(args);
}

} // namespace zirf
