#pragma once

// A call of the built host program as a process of its own, for tests that act on it
// while it runs (stop it, start another beside it) or need what it cost: started
// without a shell, limited by processor time, waited for with its resource use.

#include "../support/Prozessorzeit.h"

#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

// Starts zirf with the arguments; stdin and stdout go to /dev/null, stderr into the
// file `err`. The environment is this process's without QELUSER and TMPDIR, with the
// assignments of `env` ("NAME=value") added. The process id, -1 when it cannot start.
inline pid_t StartZirf(const std::vector<std::string>& arguments,
                       const std::vector<std::string>& env, const std::filesystem::path& err) {
    constexpr rlim_t kProzessorSekunden = 600;
    std::vector<std::string> args = {std::string(ZIRF_BINARY_DIR) + "/zirf"};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<std::string> environment;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string v = *e;
        if (v.rfind("TMPDIR=", 0) != 0 && v.rfind("QELUSER=", 0) != 0) {
            environment.push_back(v);
        }
    }
    environment.insert(environment.end(), env.begin(), env.end());
    const auto pointers = [](std::vector<std::string>& texts) {
        std::vector<char*> p;
        for (std::string& t : texts) {
            p.push_back(t.data());
        }
        p.push_back(nullptr);
        return p;
    };
    std::vector<char*> argv = pointers(args);
    std::vector<char*> envp = pointers(environment);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        return -1;
    }
    BegrenzeProzessorzeit(pid, kProzessorSekunden);
    return pid;
}

// How a started call ended.
struct ZirfEnde {
    int status = -1;         // exit status; -1 when it did not end by itself
    int signal = 0;          // the signal that ended it otherwise
    double cpuSeconds = 0.0; // processor time it spent
    long peakKiB = 0;        // its largest resident memory
};

inline ZirfEnde WaitZirf(pid_t pid) {
    int raw = 0;
    rusage usage{};
    ZirfEnde ende;
    if (wait4(pid, &raw, 0, &usage) != pid) {
        return ende;
    }
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    ende.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    ende.signal = WIFSIGNALED(raw) ? WTERMSIG(raw) : 0;
    ende.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    ende.peakKiB = usage.ru_maxrss;
    return ende;
}
