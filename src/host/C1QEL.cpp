#include "host/C1QEL.h"

#include "host/C1Exception.h"

void C1QEL::FatalError(const std::string& text) {
    throw C1Exception(text);
}
