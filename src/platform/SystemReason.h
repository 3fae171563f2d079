#pragma once

#include <string>

// Why the system refused a file operation, in the module's words: the errors an output
// file meets (a full disk, a quota, a file system mounted read-only, no permission, ...)
// in German, e.g. "kein Platz auf dem Gerät"; any other in the system's own words.
std::string QEL_SystemReason(int error);
