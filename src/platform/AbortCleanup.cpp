#include "platform/AbortCleanup.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/syscall.h>
#include <system_error>
#include <unistd.h>

// Everything the handler touches is a fixed buffer or a flag of sig_atomic_t, written by
// the program while the flag says the place is not in use, and everything it calls is
// async-signal-safe (open, getdents64, unlinkat, rmdir, unlink, write, _exit).

namespace {

constexpr std::size_t kPathBytes = 4096;
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};
// A run's folder holds files; a folder in it is taken down this deep.
constexpr int kMaxDepth = 8;
constexpr int kExitBase = 128;
// Outputs not in place at one time: a report waiting for its result, the result being
// written, and room to spare.
constexpr std::size_t kTemporaryOutputs = 4;

struct Place {
    volatile std::sig_atomic_t inUse = 0;
    std::array<char, kPathBytes> path{};
};

Place g_runFolder;
std::array<Place, kTemporaryOutputs> g_temporaryOutputs;

// Copies the absolute form of path into the buffer; false when it does not fit.
bool Store(const std::string& path, std::array<char, kPathBytes>& buffer) {
    std::error_code ec;
    const std::string absolute = std::filesystem::absolute(path, ec).string();
    if (ec || absolute.size() >= buffer.size()) {
        return false;
    }
    std::memcpy(buffer.data(), absolute.c_str(), absolute.size() + 1);
    return true;
}

// The record that getdents64 fills.
struct DirEntry64 {
    std::uint64_t inode;
    std::int64_t offset;
    unsigned short length;
    unsigned char type;
    char name[1];
};

bool IsDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Removes everything inside the folder open as fd, folders down to the given depth.
// Reading restarts after every pass that removed something, since removing entries
// while reading may let the reading skip some.
void EmptyFolder(int fd, int depth) {
    alignas(DirEntry64) std::array<char, kPathBytes> buffer{};
    for (bool removed = true; removed;) {
        removed = false;
        lseek(fd, 0, SEEK_SET);
        for (;;) {
            const long n = syscall(SYS_getdents64, fd, buffer.data(), buffer.size());
            if (n <= 0) {
                break;
            }
            for (long at = 0; at < n;) {
                const auto* entry = reinterpret_cast<const DirEntry64*>(buffer.data() + at);
                at += entry->length;
                if (IsDotOrDotDot(entry->name)) {
                    continue;
                }
                if (unlinkat(fd, entry->name, 0) == 0) {
                    removed = true;
                    continue;
                }
                if (errno != EISDIR || depth >= kMaxDepth) {
                    continue;
                }
                const int inner =
                    openat(fd, entry->name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                if (inner >= 0) {
                    EmptyFolder(inner, depth + 1);
                    close(inner);
                }
                removed = unlinkat(fd, entry->name, AT_REMOVEDIR) == 0 || removed;
            }
        }
    }
}

void RemoveFolder(const char* path) {
    const int fd = open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    EmptyFolder(fd, 0);
    close(fd);
    rmdir(path);
}

void WriteText(const char* text) {
    const std::size_t length = std::strlen(text);
    // Nothing can be done when stderr takes nothing.
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, text, length);
}

const char* SignalName(int signal) {
    switch (signal) {
    case SIGINT:
        return "SIGINT";
    case SIGTERM:
        return "SIGTERM";
    case SIGHUP:
        return "SIGHUP";
    default:
        return "a signal";
    }
}

extern "C" void OnStopSignal(int signal) {
    QEL_RemoveAbortPaths();
    WriteText("zirf: stopped by ");
    WriteText(SignalName(signal));
    WriteText("; the running input's temporary files and unfinished outputs are removed\n");
    _exit(kExitBase + signal);
}

sigset_t StopSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (const int s : kStopSignals) {
        sigaddset(&set, s);
    }
    return set;
}

} // namespace

bool QEL_SetAbortPath(QEL_AbortPath kind, const std::string& path) {
    Place* place = &g_runFolder;
    if (kind == QEL_AbortPath::TemporaryOutput) {
        place = nullptr;
        for (Place& p : g_temporaryOutputs) {
            if (p.inUse == 0) {
                place = &p;
                break;
            }
        }
        if (place == nullptr) {
            return false;
        }
    }
    place->inUse = 0;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    if (!Store(path, place->path)) {
        return false;
    }
    std::atomic_signal_fence(std::memory_order_seq_cst);
    place->inUse = 1;
    return true;
}

void QEL_ClearAbortPath(QEL_AbortPath kind, const std::string& path) {
    if (kind == QEL_AbortPath::RunFolder) {
        g_runFolder.inUse = 0;
    } else {
        std::error_code ec;
        const std::string absolute = std::filesystem::absolute(path, ec).string();
        for (Place& p : g_temporaryOutputs) {
            if (p.inUse != 0 && (path.empty() || absolute == p.path.data())) {
                p.inUse = 0;
            }
        }
    }
    std::atomic_signal_fence(std::memory_order_seq_cst);
}

void QEL_RemoveAbortPaths() {
    for (const Place& p : g_temporaryOutputs) {
        if (p.inUse != 0) {
            unlink(p.path.data());
        }
    }
    if (g_runFolder.inUse != 0) {
        RemoveFolder(g_runFolder.path.data());
    }
}

void QEL_InstallAbortHandlers() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    // A second signal waits while the first one's handler cleans up.
    action.sa_mask = StopSignals();
    for (const int s : kStopSignals) {
        // A signal the caller ignores (nohup, a background job of a script) stays ignored.
        struct sigaction previous {};
        if (sigaction(s, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN) {
            sigaction(s, &action, nullptr);
        }
    }
}

QEL_AbortDeferred::QEL_AbortDeferred() {
    const sigset_t stop = StopSignals();
    sigprocmask(SIG_BLOCK, &stop, &m_previous);
}

QEL_AbortDeferred::~QEL_AbortDeferred() {
    sigprocmask(SIG_SETMASK, &m_previous, nullptr);
}
