#pragma once

#include "platform/QEDOM.h"

#include <string>

// Host context of one run. (Minimal form: the document handle and the fatal-error
// operation; the full context is built with the run control.)
class C1QEL {
public:
    // An empty context without document, files or report library (used by tests).
    C1QEL() = default;

    // Closes the context's input, dump and trace files and raises C1Exception(text).
    [[noreturn]] void FatalError(const std::string& text);

    QEDOM_HANDLE hDoc = 0;
};
