#pragma once

#include <functional>
#include <string>
#include <vector>

// Message boxes never block here: every message is recorded and handed to the
// host's sink (the command-line host prints it on stderr).
using QEL_MessageSink = std::function<void(const std::string&)>;

// Shows a message with an OK button; returns 1 (the OK answer).
int QEL_MessageBox(const std::string& text);

// The host installs its sink; an empty sink only records.
void QEL_SetMessageSink(QEL_MessageSink sink);

// Messages shown since the last clear, oldest first (for the host's exit status and for tests).
const std::vector<std::string>& QEL_ShownMessages();
void QEL_ClearShownMessages();
