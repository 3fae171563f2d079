#include "platform/Koordinate.h"

#include "platform/C1Exception.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* kText = "Koordinate nicht darstellbar";

} // namespace

void RefuseKoordinate(double v, const char* operation) {
    char value[32];
    std::snprintf(value, sizeof value, "%g", v);
    throw C1Exception(std::string(kText) + " (" + value + ")",
                      operation != nullptr ? operation : "");
}

bool IsKoordinatenFehler(const C1Exception& e) {
    return e.text.rfind(kText, 0) == 0;
}
