#include "host/RunTempFolder.h"

#include "platform/Kernel.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kFolderPattern = "zirf-run-XXXXXX";

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

} // namespace

RunTempFolder::RunTempFolder() {
    std::string folder = MakeUnique(QEL_GetTempFolder() + kFolderPattern, true);
    if (folder.empty()) {
        // A temporary folder that takes no new folder (missing, read-only): the run's
        // folder lies in the current folder, hidden by its dot, and goes all the same.
        std::error_code ec;
        folder = MakeUnique(std::string(".") + kFolderPattern, true);
        folder = folder.empty() ? folder : std::filesystem::absolute(folder, ec).string();
    }
    ActiveFolder() = folder;
    // Whatever the run makes in the temporary folder (its pictures among it) goes here.
    QEL_SetRunTempFolder(ActiveFolder());
}

RunTempFolder::~RunTempFolder() {
    QEL_SetRunTempFolder("");
    if (!ActiveFolder().empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(ActiveFolder(), ignored);
        ActiveFolder().clear();
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
