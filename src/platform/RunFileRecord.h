#pragma once

#include <string>

// The temporary and picture files that the current run has written outside its own
// temporary folder. The end of a run deletes these and nothing else: a file of the
// same name that the run did not write is the user's (or another program's) and stays.

// Notes that the current run has written the file (a name relative to the current
// folder is taken as it stands there now).
void QEL_RecordRunFile(const std::string& fileName);
// Whether the current run has written the file.
bool QEL_IsRunFile(const std::string& fileName);
// Deletes the files the current run has written, all but the one that is the same file
// as keep (when given), and forgets them. Returns how many went.
int QEL_DeleteRunFiles(const std::string& keep = "");
// Starts a new record (a run begins).
void QEL_ClearRunFiles();
