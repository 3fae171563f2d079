#pragma once

// A whole run in the benchmark's process, as a host makes it: the document loaded,
// calculated, reported and freed, in a folder of the benchmark's own.

#include "host/ZirfRun.h"
#include "platform/MessageBox.h"
#include "platform/QEDOM.h"
#include "platform/QELRTFXHost.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>

// The runs write their reports into a folder of their own, removed afterwards.
class BenchFolder {
public:
    BenchFolder()
        : m_previous(std::filesystem::current_path()),
          m_path(std::filesystem::temp_directory_path() /
                 ("zirf_bench_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(m_path);
        std::filesystem::current_path(m_path);
    }
    ~BenchFolder() {
        std::filesystem::current_path(m_previous);
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
};

// Runs the document file in the current folder; with `save`, the document with its
// results is saved beside the report as the host saves it.
inline void BenchRun(const std::filesystem::path& file, bool save = false) {
    QELRTFX_HostSetup host;
    host.settings = {{"File/dpf", file.stem().string()}, {"QE-Version/qelrtfx", "V2.0"}};
    QELRTFX_RegisterHost(std::move(host));
    QEL_ClearShownMessages();
    std::string error;
    const QEDOM_HANDLE doc = QEDOM_LoadDocument(file.string(), error);
    if (doc == 0) {
        throw std::runtime_error(error);
    }
    const ZirfRunOutcome outcome = ZirfRun(doc, 1);
    const bool saved = !save || outcome != ZirfRunOutcome::Completed ||
                       QEDOM_SaveDocument(doc, file.stem().string() + ".result.xml", error) != 0;
    QEDOM_FreeDocument(doc);
    if (outcome != ZirfRunOutcome::Completed) {
        throw std::runtime_error(file.string() + ": the run did not complete");
    }
    if (!saved) {
        throw std::runtime_error(error);
    }
}
