#include "report/C1ZeilenFormat.h"

#include "platform/C1Exception.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>

namespace {

struct Conversion {
    std::size_t begin = 0;
    std::size_t end = 0; // one past the conversion letter
    int width = 0;
    std::optional<int> precision;
    char letter = '%'; // 'd', 'f', 's'; '%' for "%%"
};

// Reads digits at pos; nothing when there are none.
std::optional<int> ReadNumber(std::string_view s, std::size_t& pos) {
    const std::size_t start = pos;
    int value = 0;
    while (pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos])) && value < 1000) {
        value = value * 10 + (s[pos] - '0');
        ++pos;
    }
    if (pos == start) {
        return std::nullopt;
    }
    return value;
}

// The conversion that starts at pos ("%" there), if it is one the formatter honours.
std::optional<Conversion> ReadConversion(std::string_view s, std::size_t pos) {
    Conversion c;
    c.begin = pos;
    std::size_t p = pos + 1;
    if (p < s.size() && s[p] == '%') {
        c.end = p + 1;
        return c;
    }
    c.width = ReadNumber(s, p).value_or(0);
    if (p < s.size() && s[p] == '.') {
        ++p;
        c.precision = ReadNumber(s, p).value_or(0);
    }
    if (p >= s.size()) {
        return std::nullopt;
    }
    c.letter = s[p];
    c.end = p + 1;
    const bool plainText = c.letter == 's' && c.width == 0 && !c.precision;
    const bool number = (c.letter == 'd' && !c.precision) || c.letter == 'f';
    if (plainText || number) {
        return c;
    }
    return std::nullopt;
}

std::string Pad(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

std::string Fixed(double v, int precision) {
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                      std::chars_format::fixed, precision);
    if (result.ec != std::errc()) {
        // Only a value beyond every wall lands here; the exponent form keeps it short.
        const auto sci = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v);
        return std::string(buffer.data(), sci.ptr);
    }
    return std::string(buffer.data(), result.ptr);
}

// A small negative value that rounds to zero keeps its sign in the digits ("-0.00");
// a zero is printed without one.
std::string OhneNegativeNull(std::string text) {
    if (!text.empty() && text[0] == '-' && text.find_first_not_of("0.", 1) == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

[[noreturn]] void WrongKind(const Conversion& c) {
    throw C1Exception("Wert passt nicht zur Umwandlung %" + std::string(1, c.letter),
                      "FormatZeile");
}

std::string Render(const Conversion& c, const C1Wert& wert) {
    constexpr int kDefaultPrecision = 6;
    if (c.letter == 's') {
        const auto* text = std::get_if<std::string>(&wert.value);
        if (text == nullptr) {
            WrongKind(c);
        }
        return *text;
    }
    if (c.letter == 'd') {
        const auto* whole = std::get_if<int>(&wert.value);
        if (whole == nullptr) {
            WrongKind(c);
        }
        return Pad(std::to_string(*whole), c.width);
    }
    double v = 0.0;
    if (const auto* real = std::get_if<double>(&wert.value)) {
        v = *real;
    } else if (const auto* whole = std::get_if<int>(&wert.value)) {
        v = *whole;
    } else {
        WrongKind(c);
    }
    // A real that is no number has no digits to show: its field stays empty, as that of
    // a missing value does, so that no report prints "inf" or "nan".
    if (!std::isfinite(v)) {
        return {};
    }
    return Pad(OhneNegativeNull(Fixed(v, c.precision.value_or(kDefaultPrecision))), c.width);
}

} // namespace

std::string FormatZeile(std::string_view format, std::span<const C1Wert> values) {
    std::string out;
    out.reserve(format.size() + 16);
    std::size_t next = 0;
    std::size_t pos = 0;
    while (pos < format.size()) {
        const std::size_t percent = format.find('%', pos);
        if (percent == std::string_view::npos) {
            out += format.substr(pos);
            break;
        }
        out += format.substr(pos, percent - pos);
        const std::optional<Conversion> c = ReadConversion(format, percent);
        if (!c) {
            out += '%';
            pos = percent + 1;
            continue;
        }
        if (c->letter == '%') {
            out += '%';
        } else if (next < values.size()) {
            out += Render(*c, values[next++]);
        }
        pos = c->end;
    }
    return out;
}

int CountConversions(std::string_view format) {
    int count = 0;
    std::size_t pos = 0;
    while ((pos = format.find('%', pos)) != std::string_view::npos) {
        const std::optional<Conversion> c = ReadConversion(format, pos);
        if (c && c->letter != '%') {
            ++count;
        }
        pos = c ? c->end : pos + 1;
    }
    return count;
}

std::string_view CutTemplate(std::string_view format, std::size_t limit) {
    if (format.size() <= limit) {
        return format;
    }
    std::size_t cut = limit;
    std::size_t pos = 0;
    while ((pos = format.find('%', pos)) != std::string_view::npos && pos < cut) {
        const std::optional<Conversion> c = ReadConversion(format, pos);
        const std::size_t end = c ? c->end : pos + 1;
        if (end > cut) {
            cut = end;
        }
        pos = end;
    }
    while (cut < format.size() && (static_cast<unsigned char>(format[cut]) & 0xC0) == 0x80) {
        ++cut;
    }
    return format.substr(0, cut);
}
