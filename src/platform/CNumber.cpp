#include "platform/CNumber.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

std::string_view Trim(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Trimmed text without a leading '+' (from_chars takes only '-'); empty when there is
// no digit left to read.
std::string_view NumberBody(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
            return std::string_view();
        }
    }
    return text;
}

} // namespace

std::optional<double> CNumber_ParseDouble(std::string_view text) {
    const std::string_view body = NumberBody(text);
    if (body.empty()) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto [end, ec] =
        std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::general);
    if (ec != std::errc() || end != body.data() + body.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> CNumber_ParseInt(std::string_view text) {
    const std::string_view body = NumberBody(text);
    if (body.empty()) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (ec == std::errc() && end == body.data() + body.size()) {
        return value;
    }
    const std::optional<double> d = CNumber_ParseDouble(body);
    if (!d || std::trunc(*d) != *d || *d < std::numeric_limits<int>::min() ||
        *d > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(*d);
}

std::string CNumber_FormatDouble(double value) {
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (ec != std::errc()) {
        return std::string();
    }
    return std::string(buffer.data(), end);
}
