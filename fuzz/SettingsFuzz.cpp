// The host's settings file: any bytes as its text. When it is read, a run of an
// example takes its settings (the output prefix kept in the scratch folder).

#include "FuzzScratch.h"
#include "cli/HostSettings.h"
#include "host/ZIRF_Calc.h"
#include "platform/QEDOM.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const std::string& ExampleDocument() {
    static const std::string text = [] {
        std::ifstream in(std::string(ZIRF_SOURCE_DIR) + "/examples/kragwand.xml");
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }();
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = (FuzzScratchFolder() / "fuzz.settings").string();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    HostSettings settings;
    std::string error;
    if (!ReadSettingsFile(file, settings, error)) {
        if (error.empty()) {
            std::abort();
        }
        return 0;
    }
    for (const auto& [key, value] : settings) {
        if (key.empty() || key.find('\n') != std::string::npos) {
            std::abort();
        }
    }
    RegisterFuzzHost(std::move(settings));
    const QEDOM_HANDLE doc =
        QEDOM_ParseDocument(ExampleDocument(), (FuzzScratchFolder() / "fuzz.xml").string(), error);
    if (doc == 0) {
        std::abort();
    }
    ZIRF_Calc(doc, 1);
    QEDOM_FreeDocument(doc);
    return 0;
}
