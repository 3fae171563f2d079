#include "platform/Kernel.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <link.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr const char* kTempFallback = "/tmp";

std::string ReadLink(const char* path) {
    char buffer[PATH_MAX];
    const ssize_t n = readlink(path, buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

std::string Canonical(const std::string& path) {
    char buffer[PATH_MAX];
    return realpath(path.c_str(), buffer) != nullptr ? std::string(buffer) : path;
}

std::string& RunFolder() {
    static std::string folder;
    return folder;
}

} // namespace

QEL_ModuleFile QEL_GetModuleFile(const void* addressInModule) {
    // The loaded object whose segments hold the address: the loader's list of objects is
    // walked, not its symbol tables searched (a program with the C++ runtime in itself
    // has many thousands of symbols).
    struct Suche {
        std::uintptr_t adresse = 0;
        const void* basis = nullptr;
        std::string name;
        bool gefunden = false;
    } suche;
    suche.adresse = reinterpret_cast<std::uintptr_t>(addressInModule);
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            auto& s = *static_cast<Suche*>(data);
            std::uintptr_t erstes = UINTPTR_MAX;
            bool darin = false;
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const ElfW(Phdr)& ph = info->dlpi_phdr[i];
                if (ph.p_type != PT_LOAD) {
                    continue;
                }
                const std::uintptr_t von = info->dlpi_addr + ph.p_vaddr;
                erstes = std::min(erstes, von - ph.p_vaddr % std::max<ElfW(Xword)>(ph.p_align, 1));
                darin = darin || (s.adresse >= von && s.adresse < von + ph.p_memsz);
            }
            if (!darin) {
                return 0;
            }
            s.basis = reinterpret_cast<const void*>(erstes);
            s.name = info->dlpi_name != nullptr ? info->dlpi_name : "";
            s.gefunden = true;
            return 1;
        },
        &suche);
    QEL_ModuleFile module;
    if (!suche.gefunden) {
        return module;
    }
    module.handle = suche.basis;
    // The main program has no name of its own in the loader's list.
    const std::string path = suche.name.empty() ? ReadLink("/proc/self/exe") : suche.name;
    module.fileName = path.empty() ? path : Canonical(path);
    return module;
}

std::string QEL_GetTempFolder() {
    const char* tmpdir = std::getenv("TMPDIR");
    std::string folder = !RunFolder().empty()                       ? RunFolder()
                         : (tmpdir != nullptr && tmpdir[0] != '\0') ? tmpdir
                                                                    : kTempFallback;
    if (folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

void QEL_SetRunTempFolder(const std::string& folder) {
    RunFolder() = folder;
}

std::string QEL_FullPath(const std::string& name) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(name, ec);
    return ec ? name : full.lexically_normal().string();
}

bool QEL_IsRunTempFile(const std::string& fileName) {
    const std::string& folder = RunFolder();
    return !folder.empty() && fileName.size() > folder.size() &&
           fileName.compare(0, folder.size(), folder) == 0 &&
           (folder.back() == '/' || fileName[folder.size()] == '/');
}

int QEL_DeleteFile(const std::string& fileName) {
    // unlink, not remove: a name that happens to be a folder is never taken away.
    return unlink(fileName.c_str()) == 0 ? 1 : 0;
}

const char* QEL_NullDevice() {
    return "/dev/null";
}

bool QEL_IsDeveloperSwitchOn() {
    const char* user = std::getenv("QELUSER");
    if (user == nullptr) {
        return false;
    }
    const std::string value(user);
    return value == "KESTL" || value == "kestl";
}

void QEL_OutputDebugString(const std::string& text) {
    if (QEL_IsDeveloperSwitchOn()) {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

int QEL_WaitOnOwnProcess(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds > 0 ? milliseconds : 0));
    return QEL_WAIT_TIMEOUT;
}
