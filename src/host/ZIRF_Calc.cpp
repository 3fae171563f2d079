// The module's only export: one calculation on the host's document.
#include "host/ZirfRun.h"

#include <cstdint>

extern "C" __attribute__((visibility("default"))) void ZIRF_Calc(std::int32_t document,
                                                                 std::int32_t flag) {
    // The run reports its own errors; nothing may cross into a host that cannot
    // take exceptions, not even a failure while reporting one.
    try {
        ZirfRun(document, flag);
    } catch (...) {
    }
}
