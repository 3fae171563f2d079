#pragma once

#include <charconv>
#include <optional>
#include <string_view>

// The number that a text holds as a whole (blanks around it allowed), read in the C
// notation whatever the locale; nothing for any other text.
inline std::optional<double> ZahlAusText(std::string_view text) {
    const std::size_t a = text.find_first_not_of(' ');
    if (a == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(a, text.find_last_not_of(' ') - a + 1);
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}
