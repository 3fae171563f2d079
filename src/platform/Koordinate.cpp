#include "platform/Koordinate.h"

#include "platform/C1Exception.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr const char* kText = "Koordinate nicht darstellbar";

} // namespace

bool IsKoordinate(double v, double grenze) {
    return std::isfinite(v) && std::fabs(v) <= grenze;
}

void CheckKoordinate(double v, const char* operation, double grenze) {
    if (IsKoordinate(v, grenze)) {
        return;
    }
    char value[32];
    std::snprintf(value, sizeof value, "%g", v);
    throw C1Exception(std::string(kText) + " (" + value + ")",
                      operation != nullptr ? operation : "");
}

int ToKoordinate(double v, const char* operation, double grenze) {
    CheckKoordinate(v, operation, grenze);
    return static_cast<int>(v);
}

bool IsKoordinatenFehler(const C1Exception& e) {
    return e.text.rfind(kText, 0) == 0;
}
