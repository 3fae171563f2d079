#include "host/RunTempFolder.h"

#include "platform/AbortCleanup.h"
#include "platform/FolderLocks.h"
#include "platform/Kernel.h"
#include "platform/OutputFolderTidy.h"
#include "platform/TemporaryOutput.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

// "zirf-run-<process id>-XXXXXX": the id tells a later run whether the run that made
// the folder still lives.
constexpr const char* kFolderPrefix = "zirf-run-";
constexpr const char* kUniqueSuffix = "-XXXXXX";

// The folder of the run under way; empty when there is none.
std::string& ActiveFolder() {
    static std::string folder;
    return folder;
}

std::string MakeUnique(std::string pattern, bool folder, int suffixLength = 0) {
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (folder) {
        return mkdtemp(name.data()) != nullptr ? std::string(name.data()) : std::string();
    }
    const int fd = mkstemps(name.data(), suffixLength);
    if (fd < 0) {
        return {};
    }
    close(fd);
    return name.data();
}

// The process id in a run folder's name after its prefix; 0 for any other name.
pid_t ProcessOf(const std::string& name, const std::string& prefix) {
    if (name.rfind(prefix, 0) != 0) {
        return 0;
    }
    const std::string rest = name.substr(prefix.size());
    const std::string::size_type dash = rest.find('-');
    if (dash == 0 || dash == std::string::npos ||
        rest.size() != dash + std::string(kUniqueSuffix).size() ||
        rest.find_first_not_of("0123456789") != dash) {
        return 0;
    }
    const long id = std::strtol(rest.substr(0, dash).c_str(), nullptr, 10);
    return id > 0 ? static_cast<pid_t>(id) : 0;
}

// The run folders that runs killed outright (SIGKILL, which no handler sees) left in
// the folder: named with the prefix and the id of a process that no longer exists, this
// user's, and held by none; anything else there, another user's run or one still going,
// stays.
void SweepStaleRunFolders(const std::string& where, const std::string& prefix) {
    // The names are read as the folder lists them: a temporary folder holds many
    // entries, and only one with the prefix becomes a path.
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(where.c_str()), closedir);
    if (!dir) {
        return;
    }
    while (const dirent* entry = readdir(dir.get())) {
        if (std::strncmp(entry->d_name, prefix.c_str(), prefix.size()) != 0) {
            continue;
        }
        const std::string name = entry->d_name;
        const pid_t id = ProcessOf(name, prefix);
        if (id == 0) {
            continue;
        }
        const std::filesystem::path path = std::filesystem::path(where) / name;
        if (QEL_LeftBehind(path, id, true)) {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    }
}

std::string FolderPattern(const std::string& prefix) {
    return prefix + std::to_string(getpid()) + kUniqueSuffix;
}

} // namespace

RunTempFolder::RunTempFolder() {
    const std::string hidden = std::string(".") + kFolderPrefix;
    SweepStaleRunFolders(QEL_GetTempFolder(), kFolderPrefix);
    // The current folder is the output folder: what a process killed while it put its
    // outputs in place there left is completed before anything else, and the hidden
    // files of outputs left by processes killed outright go.
    SweepStaleRunFolders(".", hidden);
    {
        QEL_FolderLocks outputFolder;
        std::error_code ec;
        std::string unlockable;
        QEL_LockOutputFolders(outputFolder, {std::filesystem::current_path(ec).string()},
                              unlockable);
    }

    // Made, held and noted for a stop at one go: a stop in between would leave it behind.
    const QEL_AbortDeferred deferred;
    std::string folder = MakeUnique(QEL_GetTempFolder() + FolderPattern(kFolderPrefix), true);
    if (folder.empty()) {
        // A temporary folder that takes no new folder (missing, read-only): the run's
        // folder lies in the current folder, hidden by its dot, and goes all the same.
        std::error_code ec;
        folder = MakeUnique(FolderPattern(hidden), true);
        folder = folder.empty() ? folder : std::filesystem::absolute(folder, ec).string();
    }
    ActiveFolder() = folder;
    if (!folder.empty()) {
        m_lock = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (m_lock >= 0) {
            flock(m_lock, LOCK_EX | LOCK_NB);
        }
        QEL_SetAbortPath(QEL_AbortPath::RunFolder, folder);
    }
    // Whatever the run makes in the temporary folder (its pictures among it) goes here.
    QEL_SetRunTempFolder(ActiveFolder());
}

RunTempFolder::~RunTempFolder() {
    QEL_SetRunTempFolder("");
    if (!ActiveFolder().empty()) {
        std::error_code ignored;
        // A stop meanwhile finishes the removal.
        std::filesystem::remove_all(ActiveFolder(), ignored);
        QEL_ClearAbortPath(QEL_AbortPath::RunFolder);
        ActiveFolder().clear();
    }
    if (m_lock >= 0) {
        close(m_lock);
    }
}

bool RunTempFolder::InRun() {
    return !ActiveFolder().empty();
}

std::string RunTempFolder::FileName(const std::string& name) {
    if (!ActiveFolder().empty()) {
        return ActiveFolder() + "/" + name;
    }
    // "stem.XXXXXX.ext": the name stays recognisable and keeps its extension.
    const std::string::size_type dot = name.find_last_of('.');
    const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
    const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
    const std::string unique = MakeUnique(QEL_GetTempFolder() + stem + ".XXXXXX" + extension, false,
                                          static_cast<int>(extension.size()));
    // Without a writable temporary folder the current folder takes the file.
    return !unique.empty() ? unique
                           : MakeUnique(stem + ".XXXXXX" + extension, false,
                                        static_cast<int>(extension.size()));
}
