#pragma once

#include <string>

// What the host program shows on stderr: the run's status texts, progress and
// end (unless quiet) and every message box.
void ShowHostMessage(int value, int maximum, const std::string& text);
void ShowMessageBox(const std::string& text);
