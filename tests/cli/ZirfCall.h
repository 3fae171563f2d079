#pragma once

// One call of the built host program in the current folder, as a user makes it.

#include "../support/ScratchFolder.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

struct ZirfCall {
    int status = -1;         // exit status; -1 when zirf did not end by itself
    std::string err;         // what it wrote to stderr
    double cpuSeconds = 0.0; // the processor time it spent
};

// The program's path.
inline std::string ZirfProgram() {
    return std::string(ZIRF_BINARY_DIR) + "/zirf";
}

// Processor time that the calls of this process have spent so far, in seconds.
inline double ChildrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs zirf with the given arguments (and environment assignments in front); stdin is
// empty, stdout dropped, stderr kept. A call that hangs is ended when it has spent two
// minutes of processor time (status -1); the clock is no measure on a busy machine.
inline ZirfCall RunZirf(const std::string& args, const std::string& env = "QELUSER=") {
    const std::string command = "ulimit -c 0; ulimit -t 120; exec env " + env + " " +
                                ZirfProgram() + " " + args + " 2>zirf.err >/dev/null </dev/null";
    const double before = ChildrenCpuSeconds();
    const int raw = std::system(command.c_str());
    ZirfCall call;
    call.cpuSeconds = ChildrenCpuSeconds() - before;
    call.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    call.err = ScratchFolder::Read("zirf.err");
    std::filesystem::remove("zirf.err");
    return call;
}

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The hidden files and folders in the folder: a run leaves none of its own behind.
inline std::vector<std::string> HiddenNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        if (name.front() == '.') {
            names.push_back(name);
        }
    }
    return names;
}
