#include "platform/FolderLocks.h"

#include "platform/SystemReason.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <tuple>
#include <unistd.h>
#include <utility>

namespace {

QEL_LockWaitNotice& TheNotice() {
    static QEL_LockWaitNotice notice;
    return notice;
}

// The holder of the lock on the folder, as the kernel lists it (/proc/locks: "1: FLOCK
// ADVISORY WRITE <pid> <major>:<minor>:<inode> 0 EOF"; a request that waits is marked
// "->" and passed over).
QEL_LockHolder HolderOf(dev_t device, ino_t inode) {
    QEL_LockHolder holder;
    std::ifstream locks("/proc/locks");
    std::string line;
    while (std::getline(locks, line)) {
        std::istringstream fields(line);
        std::string number;
        std::string kind;
        std::string advisory;
        std::string mode;
        long process = 0;
        std::string where;
        if (!(fields >> number >> kind) || kind != "FLOCK" ||
            !(fields >> advisory >> mode >> process >> where)) {
            continue;
        }
        unsigned int major = 0;
        unsigned int minor = 0;
        unsigned long long node = 0;
        if (std::sscanf(where.c_str(), "%x:%x:%llu", &major, &minor, &node) != 3 ||
            makedev(major, minor) != device || node != inode || process <= 0) {
            continue;
        }
        holder.process = static_cast<pid_t>(process);
        std::ifstream comm("/proc/" + std::to_string(process) + "/comm");
        std::getline(comm, holder.program);
        break;
    }
    return holder;
}

// Takes the lock, waiting for a process that holds it; told to the host first.
void LockWaiting(int fd, const std::string& path, dev_t device, ino_t inode) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK) {
        // Taken, or a file system without locks: nothing to wait for.
        return;
    }
    if (TheNotice()) {
        TheNotice()(path, HolderOf(device, inode));
    }
    while (flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

} // namespace

QEL_FolderLocks::~QEL_FolderLocks() {
    Unlock();
}

bool QEL_FolderLocks::Lock(const std::vector<std::string>& folders, std::string& error) {
    std::vector<std::string> paths = Folders();
    paths.insert(paths.end(), folders.begin(), folders.end());
    Unlock();
    for (const std::string& path : paths) {
        Folder folder;
        folder.path = path;
        folder.fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        struct stat info {};
        if (folder.fd < 0 || fstat(folder.fd, &info) != 0) {
            error =
                "der Ordner " + path + " kann nicht gesperrt werden: " + QEL_SystemReason(errno);
            if (folder.fd >= 0) {
                close(folder.fd);
            }
            Unlock();
            return false;
        }
        folder.device = info.st_dev;
        folder.inode = info.st_ino;
        const bool known = std::any_of(m_folders.begin(), m_folders.end(), [&](const Folder& f) {
            return f.device == folder.device && f.inode == folder.inode;
        });
        if (known) {
            close(folder.fd);
        } else {
            m_folders.push_back(std::move(folder));
        }
    }
    std::sort(m_folders.begin(), m_folders.end(), [](const Folder& a, const Folder& b) {
        return std::tie(a.device, a.inode) < std::tie(b.device, b.inode);
    });
    for (const Folder& folder : m_folders) {
        LockWaiting(folder.fd, folder.path, folder.device, folder.inode);
    }
    return true;
}

void QEL_FolderLocks::Unlock() {
    for (const Folder& folder : m_folders) {
        close(folder.fd);
    }
    m_folders.clear();
}

std::vector<std::string> QEL_FolderLocks::Folders() const {
    std::vector<std::string> paths;
    for (const Folder& folder : m_folders) {
        paths.push_back(folder.path);
    }
    return paths;
}

bool QEL_FolderLocks::Holds(const std::string& path) const {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return false;
    }
    return std::any_of(m_folders.begin(), m_folders.end(), [&](const Folder& f) {
        return f.device == info.st_dev && f.inode == info.st_ino;
    });
}

void QEL_SetLockWaitNotice(QEL_LockWaitNotice notice) {
    TheNotice() = std::move(notice);
}
