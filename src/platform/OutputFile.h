#pragma once

#include <functional>
#include <string>
#include <string_view>

// Output files of a run (the report, the result document): checked before a run
// starts, and written whole beside the target and renamed into place (TemporaryOutput.h),
// so that no half-written file is ever left under the real name and a symbolic link of
// that name is replaced, never written through. A host may hold them until the run's
// outputs can go in place together (HeldOutputs.h).

enum class QEL_OutputProblem {
    None,
    FolderMissing,     // the file's folder does not exist (or is no folder)
    FolderNotWritable, // no file can be made in the folder
    IsFolder,          // the name is taken by a folder
    ReadOnly,          // the file is there and marked read-only
};

struct QEL_OutputCheck {
    QEL_OutputProblem problem = QEL_OutputProblem::None;
    std::string folder; // the file's folder
    int error = 0;      // for a folder that cannot be written: the system's error
    std::string reason; // and its words
};

// Whether the file can be written (made anew or replaced). Whether its folder takes a
// new file is tried with a file made and removed at once, once for each folder until
// QEL_ForgetOutputFolders: the checks before and during a run ask it of one folder
// several times within moments.
QEL_OutputCheck QEL_CheckOutputFile(const std::string& fileName);
// The folders tried are tried again when next asked (the host's checks before a run
// and the run's own share one trial; every run forgets it when it ends).
void QEL_ForgetOutputFolders();

// The problem in the module's words ("" for none), e.g. "sie ist schreibgeschützt".
std::string QEL_OutputProblemText(const QEL_OutputCheck& check);

// Writes the bytes as the file: beside it in its folder, then renamed over it (or held,
// see HeldOutputs.h). false with a reason in the module's words when it could not be
// written ("kein Platz auf dem Gerät"); nothing is left behind. The new file is the
// folder's trial: the folder is not tried beforehand.
bool QEL_WriteOutputFile(const std::string& fileName, std::string_view bytes, std::string& error);

// Takes the bytes of an output file, piece by piece.
using QEL_OutputSink = std::function<void(std::string_view)>;
// QEL_WriteOutputFile with the bytes that produce hands to its sink piece by piece, so
// that a large file is never held whole in memory.
bool QEL_StreamOutputFile(const std::string& fileName,
                          const std::function<void(const QEL_OutputSink&)>& produce,
                          std::string& error);

// Why the last output that could not be written failed, in the module's words; "" when
// none failed since QEL_ClearOutputFailure.
std::string QEL_LastOutputFailure();
void QEL_ClearOutputFailure();

// A new file under the name, open for writing while the caller writes it piece by piece
// (the developer's trace and dump): made beside it and renamed over whatever stood there
// at once, so that a link of that name is replaced, never written through. -1 when the
// name is taken by a folder or a read-only file, or no file can be made.
int QEL_CreateReplacingFile(const std::string& fileName);
