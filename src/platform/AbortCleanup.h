#pragma once

#include <csignal>
#include <string>

// What a signal that stops the process (SIGINT, SIGTERM, SIGHUP) must not leave behind:
// the folder of the run under way and the files of outputs that are not in place yet
// (one half written, or a whole report waiting for its result). The names are held in
// fixed places, so that the signal's handler reaches them without allocating; it
// removes what they name and ends the process with 128 + the signal's number.

enum class QEL_AbortPath {
    RunFolder,       // removed with everything in it; one at a time
    TemporaryOutput, // removed; a few at a time
};

// Names the path of that kind from now on (made absolute against the current folder).
// false when it cannot be noted (too long, or every place for that kind taken).
bool QEL_SetAbortPath(QEL_AbortPath kind, const std::string& path);
// The path of that kind (for temporary outputs the one given) is no concern of a stop
// any more.
void QEL_ClearAbortPath(QEL_AbortPath kind, const std::string& path = std::string());

// Installs the handlers of SIGINT, SIGTERM and SIGHUP (a signal the process ignores stays
// ignored). The handler removes what the paths name, says on stderr which signal stopped
// the program and ends it.
void QEL_InstallAbortHandlers();

// What the handler does, for a caller that stops on its own: removes what the paths
// name. Async-signal-safe.
void QEL_RemoveAbortPaths();

// Holds the stopping signals back for its lifetime: a step that must complete once
// begun (putting a report and its result in place) is never cut in two; a signal that
// comes meanwhile stops the process right after.
class QEL_AbortDeferred {
public:
    QEL_AbortDeferred();
    ~QEL_AbortDeferred();
    QEL_AbortDeferred(const QEL_AbortDeferred&) = delete;
    QEL_AbortDeferred& operator=(const QEL_AbortDeferred&) = delete;

private:
    sigset_t m_previous;
};
