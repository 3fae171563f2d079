#pragma once

// Whose the report and the result under a name are, and whether calls of the host
// program wait for locks, for each other or for themselves.

#include "../platform/RtfStructureCheck.h"
#include "../support/ScratchFolder.h"
#include "ZirfDokumente.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <sys/syscall.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

inline constexpr const char* kAlterBericht = "alter Bericht";
inline constexpr const char* kAltesErgebnis = "altes Ergebnis";

// Whose the report and the result under a name are: the marker of the input that wrote
// it, "alt" for the earlier pair planted by the test, "?" for anything else, "" for none.
struct Paar {
    std::string bericht;
    std::string ergebnis;
};

inline Paar PaarIn(const std::filesystem::path& folder, const std::string& name,
                   const std::vector<std::string>& markers) {
    Paar paar;
    const std::filesystem::path report = folder / (name + ".rtf");
    const std::filesystem::path result = folder / (name + ".result.xml");
    if (std::filesystem::exists(report)) {
        const std::string text = ScratchFolder::Read(report);
        paar.bericht = text == kAlterBericht ? "alt" : "?";
        for (const std::string& m : markers) {
            if (rtfcheck::StructureFault(text).empty() &&
                rtfcheck::BodyText(text).find("Projekt " + m) != std::string::npos) {
                paar.bericht = m;
            }
        }
    }
    if (std::filesystem::exists(result)) {
        const std::string text = ScratchFolder::Read(result);
        paar.ergebnis = text == kAltesErgebnis ? "alt" : "?";
        for (const std::string& m : markers) {
            if (text.find(Base64(VardefFragment(m))) != std::string::npos &&
                text.find("</result>") != std::string::npos) {
                paar.ergebnis = m;
            }
        }
    }
    return paar;
}

// Whether the process waits for a lock (a lock on a file or a folder).
inline bool WaitsForALock(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/syscall");
    long call = -1;
    in >> call;
    return call == SYS_flock || call == SYS_fcntl;
}

// Whether the started process still runs; it stays to be waited for.
inline bool StillRuns(pid_t pid) {
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == 0;
}

// Waits until the process waits for a lock or ends.
inline void UntilItWaitsOrEnds(pid_t pid) {
    while (StillRuns(pid) && !WaitsForALock(pid)) {
    }
}

// Who waits for whom, as the kernel lists the locks (/proc/locks): a holder's line, then
// the requests that wait for it, marked "->". Waiting process -> holding process.
inline std::map<long, long> LockWaits() {
    std::ifstream locks("/proc/locks");
    std::map<long, long> waitsFor;
    long holder = 0;
    std::string line;
    while (std::getline(locks, line)) {
        std::istringstream fields(line);
        std::string number;
        std::string first;
        fields >> number >> first;
        const bool waits = first == "->";
        std::string kind = waits ? std::string() : first;
        std::string advisory;
        std::string mode;
        long process = 0;
        if (waits) {
            fields >> kind;
        }
        if (!(fields >> advisory >> mode >> process)) {
            continue;
        }
        if (waits) {
            waitsFor[process] = holder;
        } else {
            holder = process;
        }
    }
    return waitsFor;
}

// Whether the process waits for a lock that the other holds.
inline bool WaitsFor(pid_t waiter, pid_t holder) {
    const std::map<long, long> waitsFor = LockWaits();
    const auto it = waitsFor.find(waiter);
    return it != waitsFor.end() && it->second == holder;
}

// Whether the processes wait for each other, or one for itself: a wait that closes a
// circle never ends.
inline bool WaitInACircle(const std::vector<pid_t>& pids) {
    const std::map<long, long> waitsFor = LockWaits();
    for (const pid_t start : pids) {
        long at = start;
        for (std::size_t step = 0; step <= waitsFor.size(); ++step) {
            const auto next = waitsFor.find(at);
            if (next == waitsFor.end()) {
                break;
            }
            at = next->second;
            if (at == start) {
                return true;
            }
        }
    }
    return false;
}

// Waits for the started calls to end; calls that wait for each other or for themselves
// are ended (SIGKILL) and marked stuck. Their exit status (-1 when they did not end by
// themselves).
struct Ausgang {
    int status = -1;
    int signal = 0;
    bool stuck = false;
};

inline std::vector<Ausgang> WaitUnlessStuck(const std::vector<pid_t>& pids) {
    constexpr useconds_t kBlick = 2000; // between two looks, no limit of time
    std::vector<Ausgang> ausgang(pids.size());
    std::vector<bool> ended(pids.size(), false);
    for (std::size_t open = pids.size(); open > 0;) {
        std::vector<pid_t> alive;
        for (std::size_t i = 0; i < pids.size(); ++i) {
            int raw = 0;
            if (!ended[i] && waitpid(pids[i], &raw, WNOHANG) == pids[i]) {
                ended[i] = true;
                --open;
                ausgang[i].status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
                ausgang[i].signal = WIFSIGNALED(raw) ? WTERMSIG(raw) : 0;
            } else if (!ended[i]) {
                alive.push_back(pids[i]);
            }
        }
        if (!alive.empty() && WaitInACircle(alive)) {
            for (std::size_t i = 0; i < pids.size(); ++i) {
                if (!ended[i]) {
                    kill(pids[i], SIGKILL);
                    waitpid(pids[i], nullptr, 0);
                    ended[i] = true;
                    ausgang[i].stuck = true;
                }
            }
            open = 0;
        }
        usleep(kBlick);
    }
    return ausgang;
}
