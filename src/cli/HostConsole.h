#pragma once

#include <string>

// What the host program shows on stderr: the run's status texts, progress and end
// (unless quiet) and every message box. On a terminal the status and the progress are one
// line, drawn again in place at each step; elsewhere (a file, a pipe) each is a line of
// its own.
void ShowHostMessage(int value, int maximum, const std::string& text);
void ShowMessageBox(const std::string& text);
// Ends the line drawn in place, so that what follows starts a line of its own.
void EndProgressLine();
// Says that the call waits for an output folder that another process holds, and whom it
// waits for: "zirf: waiting for DIR, locked by zirf (process 1234)".
void ShowLockWait(const std::string& folder, int process, const std::string& program);
