#pragma once

#include <string>

// True for a bare file name: not empty, no folder part ('/' or '\'), not "." or "..".
// Only such a name can be resolved inside the run's output folder.
bool IsPlainFileName(const std::string& name);

// Deletes the temporary and picture files of a completed run, relative to the
// current folder (the output folder): the files this run has written (recorded with
// QEL_RecordRunFile), and the host's two sketch files when their names are plain file
// names and the files hold a picture (an enhanced metafile, a PNG or a bitmap). A file
// the run did not write stays, whatever its name (NAME.txt, a diagram's name). The
// run's own input document is never deleted, whatever name leads to it. Missing files
// are passed over.
void DeleteRunFiles(const std::string& skizze2dDatei, const std::string& skizze3dDatei,
                    const std::string& dokument = "");
