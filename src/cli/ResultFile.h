#pragma once

#include "platform/QEDOM.h"

#include <string>

// Saves the document as fileName without ever leaving a half-written file there:
// it is written beside it under a temporary name and renamed when complete.
// false with a reason when it could not be saved.
bool SaveResultFile(QEDOM_HANDLE document, const std::string& fileName, std::string& error);
