#include "platform/HeldOutputs.h"

#include "platform/AbortCleanup.h"
#include "platform/FolderLocks.h"
#include "platform/Kernel.h"
#include "platform/OutputFolderTidy.h"
#include "platform/PendingOutputs.h"
#include "platform/SystemReason.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

struct Held {
    bool active = false;
    std::vector<QEL_TemporaryOutput> files;
};

Held& TheHeld() {
    static Held held;
    return held;
}

// A stop point of the test build: the process kills itself outright (as the kernel's
// out-of-memory killer or a crash would) after the first output took its name, when the
// environment asks for it.
void TestStopBetweenNames() {
#ifdef ZIRF_TEST_STOPS
    if (std::getenv("ZIRF_TEST_KILL_BETWEEN_NAMES") != nullptr) {
        raise(SIGKILL);
    }
#endif
}

std::string FolderOf(const std::string& fullName) {
    return std::filesystem::path(fullName).parent_path().string();
}

// Whether two full names name one file: the same name in one folder, however the
// folder is spelled.
bool SameName(const std::string& a, const std::string& b) {
    const std::filesystem::path pa(a);
    const std::filesystem::path pb(b);
    std::error_code ec;
    return a == b || (pa.filename() == pb.filename() &&
                      std::filesystem::equivalent(pa.parent_path(), pb.parent_path(), ec));
}

} // namespace

QEL_HeldOutputs::QEL_HeldOutputs() {
    TheHeld().files.clear();
    TheHeld().active = true;
}

QEL_HeldOutputs::~QEL_HeldOutputs() {
    TheHeld().active = false;
    TheHeld().files.clear();
}

bool QEL_HeldOutputs::Place(const std::vector<std::string>& pair, std::string& error) {
    std::vector<QEL_TemporaryOutput> files = std::move(TheHeld().files);
    TheHeld().files.clear();
    if (files.empty()) {
        return true;
    }
    std::vector<std::string> names;
    for (const std::string& name : pair) {
        names.push_back(QEL_FullPath(name));
    }
    std::vector<std::string> folders;
    for (const std::string& name : names) {
        folders.push_back(FolderOf(name));
    }
    for (const QEL_TemporaryOutput& file : files) {
        folders.push_back(FolderOf(file.Target()));
    }
    QEL_FolderLocks locks;
    if (!QEL_LockOutputFolders(locks, folders, error)) {
        return false;
    }
    const QEL_AbortDeferred deferred;
    // Whatever can fail before a name is taken is done first: a failure there leaves the
    // old files as they are.
    for (QEL_TemporaryOutput& file : files) {
        if (!file.Name()) {
            error = QEL_SystemReason(errno);
            return false;
        }
    }
    std::vector<QEL_PendingStep> steps;
    for (const QEL_TemporaryOutput& file : files) {
        steps.push_back({file.Temporary(), file.Target()});
    }
    for (const std::string& name : names) {
        const bool renewed = std::any_of(files.begin(), files.end(), [&](const auto& file) {
            return SameName(file.Target(), name);
        });
        if (!renewed) {
            steps.push_back({std::string(), name});
        }
    }
    // A process killed from here on leaves the record, and the next one in these folders
    // completes the steps.
    const std::vector<std::string> held = locks.Folders();
    if (!QEL_WritePendingRecord(held, steps)) {
        error = QEL_SystemReason(errno);
        return false;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!files[i].Rename()) {
            error = QEL_SystemReason(errno);
            // The outputs put in place so far would stand beside old ones of the pair.
            for (std::size_t j = 0; j < i; ++j) {
                unlink(files[j].Target().c_str());
            }
            for (const std::string& name : names) {
                unlink(name.c_str());
            }
            QEL_RemovePendingRecord(held);
            return false;
        }
        TestStopBetweenNames();
    }
    for (const QEL_PendingStep& step : steps) {
        if (step.temporary.empty()) {
            unlink(step.target.c_str());
        }
    }
    QEL_RemovePendingRecord(held);
    return true;
}

bool QEL_HoldOutput(QEL_TemporaryOutput& file) {
    Held& held = TheHeld();
    if (!held.active) {
        return false;
    }
    for (QEL_TemporaryOutput& earlier : held.files) {
        if (earlier.Target() == file.Target()) {
            earlier = std::move(file);
            return true;
        }
    }
    held.files.push_back(std::move(file));
    return true;
}
