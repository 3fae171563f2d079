// The document reader through the module's entry: any bytes as the host's input
// document, parsed and, when they parse, calculated. A run must never crash or hang,
// and must leave at most one result element in the document, never one it found there.

#include "FuzzScratch.h"
#include "host/ZIRF_Calc.h"
#include "platform/QEDOM.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

constexpr const char* kStaleMark = "fuzz_stale";

// Marks every result element the document brings along; returns how many there are
// and how many of them carry the mark.
struct Results {
    int count = 0;
    int stale = 0;
};

Results VisitResults(QEDOM_HANDLE doc, bool mark) {
    Results r;
    const QEDOM_HANDLE root = QEDOM_GetRootElement(doc);
    for (QEDOM_HANDLE e = QEDOM_FindFirstChild(root, "result"); e != 0;
         e = QEDOM_FindNextChild(e, "result")) {
        ++r.count;
        if (mark) {
            QEDOM_SetInt(e, kStaleMark, 1);
        }
        r.stale += QEDOM_GetString(e, kStaleMark) != nullptr ? 1 : 0;
    }
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RegisterFuzzHost({});
    std::string error;
    const QEDOM_HANDLE doc =
        QEDOM_ParseDocument(std::string(reinterpret_cast<const char*>(data), size),
                            (FuzzScratchFolder() / "fuzz.xml").string(), error);
    if (doc == 0) {
        if (error.empty()) {
            std::abort(); // a refused document always says why
        }
        return 0;
    }
    VisitResults(doc, true);
    ZIRF_Calc(doc, 1);
    const Results after = VisitResults(doc, false);
    if (after.count > 1 || after.stale > 0) {
        std::abort();
    }
    QEDOM_FreeDocument(doc);
    return 0;
}
