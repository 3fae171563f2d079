#pragma once

// A folder of the fuzzing process's own, made the current folder once: the runs of a
// target write their files there and nowhere else. It goes when the process ends.

#include "platform/MessageBox.h"
#include "platform/QELRTFXHost.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

class FuzzScratch {
public:
    FuzzScratch() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zirf_fuzz_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        m_folder = pattern;
        std::filesystem::current_path(m_folder);
    }
    ~FuzzScratch() {
        std::error_code ignored;
        std::filesystem::current_path(m_folder.parent_path(), ignored);
        std::filesystem::remove_all(m_folder, ignored);
    }
    FuzzScratch(const FuzzScratch&) = delete;
    FuzzScratch& operator=(const FuzzScratch&) = delete;

    const std::filesystem::path& path() const { return m_folder; }

private:
    std::filesystem::path m_folder;
};

inline const std::filesystem::path& FuzzScratchFolder() {
    static const FuzzScratch scratch;
    return scratch.path();
}

// Registers a quiet host whose output prefix lies in the scratch folder; message
// boxes are only recorded (and forgotten before every input).
inline void RegisterFuzzHost(std::map<std::string, std::string> settings) {
    settings["File/dpf"] = (FuzzScratchFolder() / "fuzz").string();
    settings.emplace("QE-Version/qelrtfx", "V2.0");
    QELRTFX_HostSetup host;
    host.settings = std::move(settings);
    QELRTFX_RegisterHost(std::move(host));
    // ZIRF_FUZZ_MESSAGES=1 shows the messages of the runs, to see why an input ends early.
    if (std::getenv("ZIRF_FUZZ_MESSAGES") != nullptr) {
        QEL_SetMessageSink(
            [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
    } else {
        QEL_SetMessageSink({});
    }
    QEL_ClearShownMessages();
}
