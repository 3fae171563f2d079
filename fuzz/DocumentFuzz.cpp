// The document reader through the module's entry: any bytes as the host's input
// document, parsed and, when they parse, calculated. A run must never crash or hang,
// must leave at most one result element in the document, never one it found there, and
// every picture of its report must be readable: well formed, its coordinates near the
// picture, shown at least 2 cm on each side and at most 20:1.

#include "../tests/support/BildPruefung.h"
#include "FuzzScratch.h"
#include "host/ZIRF_Calc.h"
#include "platform/QEDOM.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

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

// The report of the run, as the host's output prefix names it.
std::filesystem::path Report() {
    return FuzzScratchFolder() / "fuzz.rtf";
}

void CheckPictures() {
    std::ifstream in(Report(), std::ios::binary);
    if (!in) {
        return; // a run that ended before its report
    }
    const std::string rtf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::vector<std::string> faults = bildpruefung::Fehler(rtf);
    for (const std::string& f : faults) {
        std::fprintf(stderr, "%s\n", f.c_str());
    }
    if (!faults.empty()) {
        std::abort();
    }
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
    std::error_code ignored;
    std::filesystem::remove(Report(), ignored);
    ZIRF_Calc(doc, 1);
    CheckPictures();
    const Results after = VisitResults(doc, false);
    if (after.count > 1 || after.stale > 0) {
        std::abort();
    }
    QEDOM_FreeDocument(doc);
    return 0;
}
