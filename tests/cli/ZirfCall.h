#pragma once

// One call of the built host program in the current folder, as a user makes it.

#include "../support/ScratchFolder.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

struct ZirfCall {
    int status = -1; // exit status; -1 when zirf did not end by itself
    std::string err; // what it wrote to stderr
};

// The program's path.
inline std::string ZirfProgram() {
    return std::string(ZIRF_BINARY_DIR) + "/zirf";
}

// Runs zirf with the given arguments (and environment assignments in front); stdout is
// dropped, stderr kept. A call that hangs is ended after two minutes (status 124).
inline ZirfCall RunZirf(const std::string& args, const std::string& env = "QELUSER=") {
    const std::string command =
        "env " + env + " timeout 120 " + ZirfProgram() + " " + args + " 2>zirf.err >/dev/null";
    const int raw = std::system(command.c_str());
    ZirfCall call;
    call.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    call.err = ScratchFolder::Read("zirf.err");
    std::filesystem::remove("zirf.err");
    return call;
}

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
