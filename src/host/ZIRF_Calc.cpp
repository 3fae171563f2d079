#include "host/ZIRF_Calc.h"

#include "host/CZirfcDllApp.h"
#include "host/ZirfRun.h"

namespace {

// Built when the library is loaded, destroyed when it is unloaded.
[[maybe_unused]] const CZirfcDllApp theApp;

} // namespace

void ZIRF_Calc(std::int32_t document, std::int32_t flag) {
    // The run reports its own errors; nothing may cross into a host that cannot
    // take exceptions, not even a failure while reporting one.
    try {
        ZirfRun(document, flag);
    } catch (...) {
    }
}
