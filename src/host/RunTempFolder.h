#pragma once

#include <string>

// The folder of one run's temporary files: made fresh under the temporary folder (or,
// when that takes no new folder, in the current folder) when the run starts, private
// to the run, and removed with everything in it when the run ends, however it ends: a
// signal that stops the program takes it too (AbortCleanup.h), and the folders of runs
// killed outright (SIGKILL) go when a later run starts, with the hidden files of their
// outputs not yet in place that they left in the output folder (the current folder).
// Its name carries the process id ("zirf-run-<id>-XXXXXX") and the run holds a lock on
// it, so that the folder of a run still going is never taken. Any number of runs can
// share an output folder, since no temporary file of a run lies there but its outputs
// on their way in place.
class RunTempFolder {
public:
    RunTempFolder();
    ~RunTempFolder();
    RunTempFolder(const RunTempFolder&) = delete;
    RunTempFolder& operator=(const RunTempFolder&) = delete;

    // A file name for a temporary file of the current run: in the run's folder, or, when
    // no run has one, a fresh file of a name no one else has in the temporary folder.
    static std::string FileName(const std::string& name);
    // True while a run has its folder.
    static bool InRun();

private:
    int m_lock = -1; // the folder, open and locked while the run lasts
};
