#include "plot/engine/TextReinigung.h"

#include "platform/TextMetrics.h"

#include <algorithm>
#include <initializer_list>

namespace {

bool OneOf(int v, std::initializer_list<int> values) {
    return std::find(values.begin(), values.end(), v) != values.end();
}

} // namespace

std::string QuerNameGereinigt(const std::string& name) {
    std::string out;
    for (const char32_t c : TextCodePoints(name)) {
        out += (c < 32 || c > 127) ? ' ' : static_cast<char>(c);
    }
    const std::size_t first = out.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return out.substr(first, out.find_last_not_of(" \t") - first + 1);
}

std::string WithoutBlanksAround(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsQuerformZulaessig(int designType, int shape) {
    if (OneOf(designType, {1, 4, 7, 11, 21})) {
        return OneOf(shape, {1, 2, 3, 4, 5, 7, 11});
    }
    if (OneOf(designType, {2, 5, 8, 12, 22})) {
        return OneOf(shape, {1, 3});
    }
    if (OneOf(designType, {3, 6, 9, 13, 23})) {
        return OneOf(shape, {1, 2});
    }
    return false;
}
