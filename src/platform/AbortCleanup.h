#pragma once

#include <csignal>
#include <string>

// What a signal that stops the process (SIGINT, SIGTERM, SIGHUP) must not leave behind:
// the folder of the run under way, an output file half written under its temporary
// name, and an output that the run has replaced while the input is not complete (a
// report without its result). The names are held in fixed places, so that the signal's
// handler reaches them without allocating; it removes what they name and ends the
// process with 128 + the signal's number.

enum class QEL_AbortPath {
    RunFolder,       // removed with everything in it
    TemporaryOutput, // removed
};

// Names the path of that kind from now on (made absolute against the current folder);
// one path per kind.
void QEL_SetAbortPath(QEL_AbortPath kind, const std::string& path);
// The path of that kind is no concern of a stop any more.
void QEL_ClearAbortPath(QEL_AbortPath kind);

// An output of the running input (its report) that the run replaces: a stop removes
// the file under this name when it is no longer the one that stood there now (the run
// has written it), and keeps a file that stood there before. Cleared once the input is
// complete.
void QEL_WatchReplacedOutput(const std::string& path);
void QEL_ClearReplacedOutput();

// Installs the handlers of SIGINT, SIGTERM and SIGHUP (a signal the process ignores stays
// ignored). The handler removes what the paths name, says on stderr which signal stopped
// the program and ends it.
void QEL_InstallAbortHandlers();

// What the handler does, for a caller that stops on its own: removes what the paths
// name. Async-signal-safe.
void QEL_RemoveAbortPaths();

// Holds the stopping signals back for its lifetime: a step that must complete once
// begun (saving the result and taking the input off the watch) is never cut in two; a
// signal that comes meanwhile stops the process right after.
class QEL_AbortDeferred {
public:
    QEL_AbortDeferred();
    ~QEL_AbortDeferred();
    QEL_AbortDeferred(const QEL_AbortDeferred&) = delete;
    QEL_AbortDeferred& operator=(const QEL_AbortDeferred&) = delete;

private:
    sigset_t m_previous;
};
