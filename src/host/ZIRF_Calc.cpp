// Exported entry of the module; the run itself is built with the host context.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) void ZIRF_Calc(std::int32_t document,
                                                                 std::int32_t flag) {
    (void)document;
    (void)flag;
}
