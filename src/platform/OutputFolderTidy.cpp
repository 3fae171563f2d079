#include "platform/OutputFolderTidy.h"

#include "platform/PendingOutputs.h"
#include "platform/TemporaryOutput.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

bool ProcessLives(pid_t id) {
    return id == getpid() || kill(id, 0) == 0 || errno != ESRCH;
}

bool Unheld(const std::filesystem::path& path, bool folder) {
    const int flags = folder ? O_RDONLY | O_DIRECTORY : O_RDONLY | O_NONBLOCK;
    const int fd = open(path.c_str(), flags | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool free = flock(fd, LOCK_EX | LOCK_NB) == 0;
    close(fd);
    return free;
}

// The folders named by the records left in the held folders that are not held yet (and
// still there).
std::vector<std::string> FoldersOfRecords(const QEL_FolderLocks& locks) {
    std::vector<std::string> missing;
    for (const std::string& folder : locks.Folders()) {
        for (const std::string& other : QEL_PendingFolders(QEL_ReadPendingRecord(folder))) {
            std::error_code ec;
            if (std::filesystem::is_directory(other, ec) && !locks.Holds(other)) {
                missing.push_back(other);
            }
        }
    }
    return missing;
}

// The hidden files of outputs in the folder whose processes ended without them.
void SweepStaleOutputs(const std::string& folder) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::filesystem::path path = it->path();
        const pid_t id = QEL_TemporaryOutputProcess(path.filename().string());
        if (id != 0 && QEL_LeftBehind(path, id, false)) {
            std::error_code ignored;
            std::filesystem::remove(path, ignored);
        }
    }
}

} // namespace

bool QEL_LockOutputFolders(QEL_FolderLocks& locks, const std::vector<std::string>& folders,
                           std::string& error) {
    if (!locks.Lock(folders, error)) {
        return false;
    }
    // Each round locks at least one folder more; all of them are taken anew in their
    // order, so that the process never waits while it holds a folder out of order.
    for (std::vector<std::string> missing = FoldersOfRecords(locks); !missing.empty();
         missing = FoldersOfRecords(locks)) {
        std::string ignored;
        if (!locks.Lock(missing, ignored)) {
            // A folder of the record that cannot be locked: its steps are completed as
            // far as the folders held allow.
            if (!locks.Lock(folders, error)) {
                return false;
            }
            break;
        }
    }
    for (const std::string& folder : locks.Folders()) {
        QEL_CompletePendingRecord(folder);
    }
    for (const std::string& folder : locks.Folders()) {
        SweepStaleOutputs(folder);
    }
    return true;
}

bool QEL_LeftBehind(const std::filesystem::path& path, pid_t process, bool folder) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 &&
           (folder ? S_ISDIR(info.st_mode) : S_ISREG(info.st_mode)) && info.st_uid == geteuid() &&
           !ProcessLives(process) && Unheld(path, folder);
}
