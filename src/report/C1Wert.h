#pragma once

#include <string>
#include <variant>

// One value of a report line: a whole number, a real number or a text. The line's
// conversions take the values in order ("%Nd" a whole number, "%N.Mf" a real or whole
// number, "%s" a text).
class C1Wert {
public:
    C1Wert(int v) : value(v) {}
    C1Wert(double v) : value(v) {}
    C1Wert(std::string v) : value(std::move(v)) {}
    C1Wert(const char* v) : value(std::string(v != nullptr ? v : "")) {}

    std::variant<int, double, std::string> value;
};
