#pragma once

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

// Locks on output folders while a process puts outputs in place there (HeldOutputs.h)
// or tidies what an earlier process left (OutputFolderTidy.h). A folder is told apart by
// what it is (its device and inode), not by the path that names it: a folder reached by
// two spellings (a link, "dir/.") is locked once, and the folders of every process are
// locked in one order, that of their identity, so that no two processes wait for each
// other and none waits for itself.
class QEL_FolderLocks {
public:
    QEL_FolderLocks() = default;
    ~QEL_FolderLocks();
    QEL_FolderLocks(const QEL_FolderLocks&) = delete;
    QEL_FolderLocks& operator=(const QEL_FolderLocks&) = delete;

    // Locks the folders (and those held already: all are taken anew in their order),
    // waiting for other processes that hold one. false with the system's reason in the
    // module's words when a folder cannot be opened to be locked (a folder that cannot be
    // read): then none is held. A file system that keeps no locks has its folders passed
    // over.
    bool Lock(const std::vector<std::string>& folders, std::string& error);
    void Unlock();

    // One path for each folder held, in the order they were locked.
    std::vector<std::string> Folders() const;
    // Whether the folder (by what it is) is one of those held.
    bool Holds(const std::string& folder) const;

private:
    struct Folder {
        std::string path;
        dev_t device = 0;
        ino_t inode = 0;
        int fd = -1;
    };
    std::vector<Folder> m_folders;
};

// Who holds a folder another process waits for: its process id (0 when unknown) and
// its program's name ("" when unknown).
struct QEL_LockHolder {
    pid_t process = 0;
    std::string program;
};

// Told when a process has to wait for a folder another holds, before it waits: the host
// says whom it waits for. None by default.
using QEL_LockWaitNotice = std::function<void(const std::string& folder, const QEL_LockHolder&)>;
void QEL_SetLockWaitNotice(QEL_LockWaitNotice notice);
