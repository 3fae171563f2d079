#include "platform/OutputFile.h"

#include "platform/AbortCleanup.h"
#include "platform/Kernel.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kNameAttempts = 100;
constexpr mode_t kFileMode = 0666; // less the process's umask, as for any new file

std::string FolderOf(const std::string& fileName) {
    const std::filesystem::path parent = std::filesystem::path(fileName).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// A hidden name beside the target that no file is likely to have.
std::string TemporaryName(const std::string& fileName) {
    static std::mt19937_64 random{std::random_device{}()};
    const std::string base = std::filesystem::path(fileName).filename().string();
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(random()));
    return (std::filesystem::path(FolderOf(fileName)) / ("." + base + "." + suffix + ".tmp"))
        .string();
}

// A new file without a name in the target's folder, where the file system makes such
// files; -1 with errno set otherwise. It vanishes with the program unless it is named.
int CreateUnnamed(const std::string& fileName) {
#ifdef O_TMPFILE
    // Such a file gets its name through its entry in /proc (NameBeside).
    static const bool benennbar = access("/proc/self/fd", X_OK) == 0;
    if (!benennbar) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return open(FolderOf(fileName).c_str(), O_WRONLY | O_TMPFILE | O_CLOEXEC, kFileMode);
#else
    errno = EOPNOTSUPP;
    return -1;
#endif
}

// Whether the failure of CreateUnnamed says only that the file system makes no files
// without a name (a folder that takes no file at all fails the same way named).
bool NoUnnamedFiles(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL || error == ENOENT;
}

// Gives the unnamed file fd a temporary name beside the target; false with errno set
// when it cannot be named. Until TemporaryGone, a signal that stops the program takes it
// away.
bool NameBeside(int fd, const std::string& fileName, std::string& temporary) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = TemporaryName(fileName);
        // Named and noted at one go: a stop in between would leave it behind.
        const QEL_AbortDeferred deferred;
        if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            QEL_SetAbortPath(QEL_AbortPath::TemporaryOutput, temporary);
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

// A new file of a name no one else has, beside the target; -1 with errno set when
// none can be made. Until TemporaryGone, a signal that stops the program takes it away.
int CreateBeside(const std::string& fileName, std::string& temporary) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = TemporaryName(fileName);
        // Made and noted at one go: a stop in between would leave it behind.
        const QEL_AbortDeferred deferred;
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kFileMode);
        if (fd >= 0) {
            QEL_SetAbortPath(QEL_AbortPath::TemporaryOutput, temporary);
            return fd;
        }
        if (errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// The temporary file is renamed or removed: no concern of a stop any more.
void TemporaryGone() {
    QEL_ClearAbortPath(QEL_AbortPath::TemporaryOutput);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The folders that took a new file since QEL_ForgetOutputFolders, by their full names
// (a relative one is taken in the current folder).
std::set<std::string>& TriedFolders() {
    static std::set<std::string> folders;
    return folders;
}

// The checks that need no file made: the folder is there, the name is no folder and no
// read-only file.
QEL_OutputCheck CheckNames(const std::string& fileName) {
    QEL_OutputCheck check;
    check.folder = FolderOf(fileName);
    struct stat folder {};
    if (stat(check.folder.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)) {
        check.problem = QEL_OutputProblem::FolderMissing;
        return check;
    }
    struct stat file {};
    if (lstat(fileName.c_str(), &file) == 0) {
        if (S_ISDIR(file.st_mode)) {
            check.problem = QEL_OutputProblem::IsFolder;
            return check;
        }
        // A link is replaced, not written through, so only a file's own mark counts.
        if (S_ISREG(file.st_mode) && (file.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            check.problem = QEL_OutputProblem::ReadOnly;
            return check;
        }
    }
    return check;
}

QEL_OutputCheck FolderNotWritable(QEL_OutputCheck check, int error) {
    check.problem = QEL_OutputProblem::FolderNotWritable;
    check.reason = std::strerror(error);
    return check;
}

} // namespace

QEL_OutputCheck QEL_CheckOutputFile(const std::string& fileName) {
    QEL_OutputCheck check = CheckNames(fileName);
    const std::string tried = QEL_FullPath(check.folder);
    if (check.problem != QEL_OutputProblem::None || TriedFolders().count(tried) > 0) {
        return check;
    }
    // The file goes in under a new name: the folder must take a new file. One without a
    // name is tried first: making it costs the file system less, and nothing is left to
    // remove.
    int fd = CreateUnnamed(fileName);
    if (fd < 0 && NoUnnamedFiles(errno)) {
        std::string probe;
        fd = CreateBeside(fileName, probe);
        if (fd >= 0) {
            unlink(probe.c_str());
            TemporaryGone();
        }
    }
    if (fd < 0) {
        return FolderNotWritable(check, errno);
    }
    close(fd);
    TriedFolders().insert(tried);
    return check;
}

void QEL_ForgetOutputFolders() {
    TriedFolders().clear();
}

std::string QEL_OutputProblemText(const QEL_OutputCheck& check) {
    switch (check.problem) {
    case QEL_OutputProblem::None:
        return {};
    case QEL_OutputProblem::FolderMissing:
        return "der Ordner " + check.folder + " existiert nicht";
    case QEL_OutputProblem::FolderNotWritable:
        return "im Ordner " + check.folder + " kann keine Datei angelegt werden (" + check.reason +
               ")";
    case QEL_OutputProblem::IsFolder:
        return "unter diesem Namen steht ein Ordner";
    case QEL_OutputProblem::ReadOnly:
        return "sie ist schreibgesch\xC3\xBCtzt";
    }
    return {};
}

bool QEL_WriteOutputFile(const std::string& fileName, std::string_view bytes, std::string& error) {
    return QEL_StreamOutputFile(
        fileName, [bytes](const QEL_OutputSink& sink) { sink(bytes); }, error);
}

bool QEL_StreamOutputFile(const std::string& fileName,
                          const std::function<void(const QEL_OutputSink&)>& produce,
                          std::string& error) {
    const QEL_OutputCheck check = CheckNames(fileName);
    if (check.problem != QEL_OutputProblem::None) {
        error = QEL_OutputProblemText(check);
        return false;
    }
    // Written without a name where the file system allows, and named only when whole: a
    // stop meanwhile leaves nothing behind. Else written under its temporary name.
    std::string temporary;
    int fd = CreateUnnamed(fileName);
    const bool unnamed = fd >= 0;
    if (!unnamed && NoUnnamedFiles(errno)) {
        fd = CreateBeside(fileName, temporary);
    }
    if (fd < 0) {
        error = QEL_OutputProblemText(FolderNotWritable(check, errno));
        return false;
    }
    // A failure after the file has its name takes the name away again.
    const auto fail = [&](int failure) {
        error = std::strerror(failure);
        if (!temporary.empty()) {
            unlink(temporary.c_str());
            TemporaryGone();
        }
        return false;
    };
    bool written = true;
    int writeErrno = 0;
    try {
        produce([&](std::string_view bytes) {
            if (written && !WriteAll(fd, bytes)) {
                written = false;
                writeErrno = errno;
            }
        });
    } catch (...) {
        // What could not be made whole leaves nothing behind.
        close(fd);
        fail(0);
        throw;
    }
    if (!written) {
        close(fd);
        return fail(writeErrno);
    }
    if (unnamed && !NameBeside(fd, fileName, temporary)) {
        const int failure = errno;
        close(fd);
        temporary.clear();
        return fail(failure);
    }
    if (close(fd) != 0) {
        return fail(errno);
    }
    if (rename(temporary.c_str(), fileName.c_str()) != 0) {
        return fail(errno);
    }
    TemporaryGone();
    error.clear();
    return true;
}
