#pragma once

#include <string>
#include <vector>

// The record of outputs on their way in place: written into each folder of a report and
// its result (held locked, FolderLocks.h) once their files are whole under hidden names
// and before the first takes its name, removed when the last step is done. A process
// killed between the steps (SIGKILL, which no handler sees) leaves it behind, and the
// next process that locks one of these folders completes the steps before it does
// anything else there: a report never stands beside the result of another run.

// One step: the hidden file renamed to its target, or, without a hidden file, the target
// removed (the old result beside a new report of a run that has none).
struct QEL_PendingStep {
    std::string temporary;
    std::string target;
};

// Writes the record into each of the folders; false with errno set (then none is left).
bool QEL_WritePendingRecord(const std::vector<std::string>& folders,
                            const std::vector<QEL_PendingStep>& steps);
// Removes the record from each of the folders.
void QEL_RemovePendingRecord(const std::vector<std::string>& folders);

// The steps of the record left in the folder; empty when there is none.
std::vector<QEL_PendingStep> QEL_ReadPendingRecord(const std::string& folder);
// The folders of the steps: those that must be held to complete them.
std::vector<std::string> QEL_PendingFolders(const std::vector<QEL_PendingStep>& steps);
// Completes the steps of the record left in the folder, whose folders are held: each
// hidden file still there takes its name (those gone took theirs before), each target
// to remove goes, and so does the record, in every folder.
void QEL_CompletePendingRecord(const std::string& folder);
