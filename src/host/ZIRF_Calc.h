#pragma once

#include <cstdint>

// The module's only export: one calculation on the host's document. With flag other
// than 0 a completed run deletes its temporary and picture files. Errors are shown to
// the user and never reach the host; a completed run leaves its `result` element in
// the document, a failed one none.
extern "C" __attribute__((visibility("default"))) void ZIRF_Calc(std::int32_t document,
                                                                 std::int32_t flag);
