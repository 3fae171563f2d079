#pragma once

// Runs of the host program that the tests start themselves are limited by the processor
// time they spend, never by the clock: a busy machine slows a sound run down but adds
// nothing to its processor time, while a run that hangs in a loop spends it.

#include <sys/resource.h>
#include <sys/types.h>

// Limits a started process to `seconds` of processor time (the kernel ends it with
// SIGXCPU, a few seconds later with SIGKILL) and to no core file. A process that has
// ended already needs no limit.
inline void BegrenzeProzessorzeit(pid_t pid, rlim_t seconds) {
    constexpr rlim_t kNachfrist = 5;
    const rlimit zeit{seconds, seconds + kNachfrist};
    const rlimit kernDatei{0, 0};
    prlimit(pid, RLIMIT_CPU, &zeit, nullptr);
    prlimit(pid, RLIMIT_CORE, &kernDatei, nullptr);
}
