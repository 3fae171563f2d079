#include "platform/TemporaryOutput.h"

#include "platform/AbortCleanup.h"
#include "platform/Kernel.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kNameAttempts = 100;
constexpr mode_t kFileMode = 0666; // less the process's umask, as for any new file
constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kRandomDigits = 16;

std::string FolderOf(const std::string& fileName) {
    const std::filesystem::path parent = std::filesystem::path(fileName).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// A hidden name beside the target that no file is likely to have, with the process's id.
std::string TemporaryName(const std::string& fileName) {
    static std::mt19937_64 random{std::random_device{}()};
    const std::string base = std::filesystem::path(fileName).filename().string();
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, ".%ld-%016llx", static_cast<long>(getpid()),
                  static_cast<unsigned long long>(random()));
    return (std::filesystem::path(FolderOf(fileName)) / ("." + base + suffix + ".tmp")).string();
}

// A new file without a name in the target's folder, where the file system makes such
// files; -1 with errno set otherwise.
int CreateUnnamed(const std::string& fileName) {
#ifdef O_TMPFILE
    // Such a file gets its name through its entry in /proc (Name).
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

// A new file of a name no one else has, beside the target; -1 with errno set when none
// can be made. Made and noted for a stop at one go: a stop in between would leave it.
int CreateBeside(const std::string& fileName, std::string& temporary) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = TemporaryName(fileName);
        const QEL_AbortDeferred deferred;
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kFileMode);
        if (fd >= 0) {
            QEL_SetAbortPath(QEL_AbortPath::TemporaryOutput, temporary);
            return fd;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    temporary.clear();
    return -1;
}

bool AllDigits(std::string_view text, int base) {
    if (text.empty()) {
        return false;
    }
    for (const char c : text) {
        const bool digit = (c >= '0' && c <= '9') ||
                           (base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
        if (!digit) {
            return false;
        }
    }
    return true;
}

} // namespace

QEL_TemporaryOutput::~QEL_TemporaryOutput() {
    Discard();
}

QEL_TemporaryOutput::QEL_TemporaryOutput(QEL_TemporaryOutput&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_target(std::move(other.m_target)),
      m_temporary(std::exchange(other.m_temporary, std::string())) {}

QEL_TemporaryOutput& QEL_TemporaryOutput::operator=(QEL_TemporaryOutput&& other) noexcept {
    if (this != &other) {
        Discard();
        m_fd = std::exchange(other.m_fd, -1);
        m_target = std::move(other.m_target);
        m_temporary = std::exchange(other.m_temporary, std::string());
    }
    return *this;
}

bool QEL_TemporaryOutput::Create(const std::string& target) {
    Discard();
    m_target = QEL_FullPath(target);
    // Without a name where the file system allows: making it costs the file system less,
    // and a stop or a kill leaves nothing behind.
    m_fd = CreateUnnamed(m_target);
    if (m_fd < 0 && NoUnnamedFiles(errno)) {
        m_fd = CreateBeside(m_target, m_temporary);
    }
    if (m_fd < 0) {
        return false;
    }
    // Held while the process has it: a later run leaves it alone.
    flock(m_fd, LOCK_EX | LOCK_NB);
    return true;
}

bool QEL_TemporaryOutput::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(m_fd, bytes.data(), bytes.size());
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

bool QEL_TemporaryOutput::Name() {
    if (!m_temporary.empty()) {
        return true;
    }
    const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = TemporaryName(m_target);
        // Named and noted at one go: a stop in between would leave it behind.
        const QEL_AbortDeferred deferred;
        if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            QEL_SetAbortPath(QEL_AbortPath::TemporaryOutput, name);
            m_temporary = name;
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

bool QEL_TemporaryOutput::Rename() {
    // A file system that reports a failed write only when the file is closed is heard
    // before the file takes the target's place.
    if (close(std::exchange(m_fd, -1)) != 0 || rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        const int failure = errno;
        Discard();
        errno = failure;
        return false;
    }
    QEL_ClearAbortPath(QEL_AbortPath::TemporaryOutput, m_temporary);
    m_temporary.clear();
    return true;
}

int QEL_TemporaryOutput::PlaceOpen() {
    if (!Name() || rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        const int failure = errno;
        Discard();
        errno = failure;
        return -1;
    }
    QEL_ClearAbortPath(QEL_AbortPath::TemporaryOutput, m_temporary);
    m_temporary.clear();
    return std::exchange(m_fd, -1);
}

void QEL_TemporaryOutput::Discard() {
    if (!m_temporary.empty()) {
        unlink(m_temporary.c_str());
        QEL_ClearAbortPath(QEL_AbortPath::TemporaryOutput, m_temporary);
        m_temporary.clear();
    }
    if (m_fd >= 0) {
        close(std::exchange(m_fd, -1));
    }
}

pid_t QEL_TemporaryOutputProcess(const std::string& fileName) {
    // "." NAME "." PID "-" 16 hex digits ".tmp"
    std::string_view name = fileName;
    if (name.size() < 2 || name.front() != '.' || !name.ends_with(kSuffix)) {
        return 0;
    }
    name.remove_suffix(kSuffix.size());
    if (name.size() < kRandomDigits + 1 ||
        !AllDigits(name.substr(name.size() - kRandomDigits), 16)) {
        return 0;
    }
    name.remove_suffix(kRandomDigits);
    if (name.back() != '-') {
        return 0;
    }
    name.remove_suffix(1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot < 2 || !AllDigits(name.substr(dot + 1), 10) ||
        name.size() - dot - 1 > 9) {
        return 0;
    }
    const long id = std::strtol(std::string(name.substr(dot + 1)).c_str(), nullptr, 10);
    return id > 0 ? static_cast<pid_t>(id) : 0;
}
