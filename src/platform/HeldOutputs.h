#pragma once

#include "platform/TemporaryOutput.h"

#include <string>
#include <vector>

// A run's report and its result belong together: a host that puts them in place only
// together holds the outputs while the run writes them. While an object of this class
// lives, every output file written (QEL_StreamOutputFile, QEL_WriteOutputFile) stays
// whole without its name; Place puts them all under their names at one go. What is not
// in place when the object goes is dropped: the files of those names stay as they were.
class QEL_HeldOutputs {
public:
    QEL_HeldOutputs();
    ~QEL_HeldOutputs();
    QEL_HeldOutputs(const QEL_HeldOutputs&) = delete;
    QEL_HeldOutputs& operator=(const QEL_HeldOutputs&) = delete;

    // Puts every held output in place, and takes away the files of the names in `pair`
    // that get no new one when another name does (the old result beside a new report of
    // a run that has none). Other processes that put outputs in place in these folders
    // wait for it (a lock on each folder, FolderLocks.h), a stop waits until it is done,
    // and a kill between two names leaves a record from which the next process in these
    // folders completes them (PendingOutputs.h). true when nothing is held. false with the
    // system's reason when the outputs could not all be put in place: then the old files
    // stand (nothing was put in place), or, should the system fail between two names, no
    // file of the pair stands.
    bool Place(const std::vector<std::string>& pair, std::string& error);
};

// Takes a whole output's file while outputs are held (an earlier one for the same target
// goes); false, leaving the file to the caller, while they are not.
bool QEL_HoldOutput(QEL_TemporaryOutput& file);
