#include "platform/HeldOutputs.h"

#include "platform/AbortCleanup.h"
#include "platform/Kernel.h"
#include "platform/SystemReason.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
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

// Locks on the folders of a pair for their lifetime, taken in the order of their names
// so that two processes never wait for each other. A folder that cannot be locked (a file
// system without locks) is passed over: its outputs are put in place all the same.
class FolderLocks {
public:
    explicit FolderLocks(std::vector<std::string> folders) {
        std::sort(folders.begin(), folders.end());
        folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
        for (const std::string& folder : folders) {
            const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (fd < 0) {
                continue;
            }
            while (flock(fd, LOCK_EX) != 0 && errno == EINTR) {
            }
            m_fds.push_back(fd);
        }
    }
    ~FolderLocks() {
        for (const int fd : m_fds) {
            close(fd);
        }
    }
    FolderLocks(const FolderLocks&) = delete;
    FolderLocks& operator=(const FolderLocks&) = delete;

private:
    std::vector<int> m_fds;
};

std::string FolderOf(const std::string& fullName) {
    return std::filesystem::path(fullName).parent_path().string();
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
    const FolderLocks locks(folders);
    const QEL_AbortDeferred deferred;
    // Whatever can fail before a name is taken is done first: a failure there leaves the
    // old files as they are.
    for (QEL_TemporaryOutput& file : files) {
        if (!file.Name()) {
            error = QEL_SystemReason(errno);
            return false;
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string target = files[i].Target();
        if (!files[i].Rename()) {
            error = QEL_SystemReason(errno);
            // The outputs put in place so far would stand beside old ones of the pair.
            for (std::size_t j = 0; j < i; ++j) {
                unlink(files[j].Target().c_str());
            }
            for (const std::string& name : names) {
                unlink(name.c_str());
            }
            return false;
        }
    }
    for (const std::string& name : names) {
        const bool renewed = std::any_of(files.begin(), files.end(),
                                         [&](const auto& file) { return file.Target() == name; });
        if (!renewed) {
            unlink(name.c_str());
        }
    }
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
