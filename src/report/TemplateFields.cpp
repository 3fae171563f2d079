#include "report/TemplateFields.h"

#include <cctype>

namespace {

constexpr std::size_t kWidthGroup = 3;

} // namespace

std::size_t FindFieldEnd(std::string_view text) {
    const std::size_t at = text.find('@');
    if (at == std::string_view::npos) {
        return at;
    }
    std::size_t end = at + 1;
    if (end >= text.size()) {
        return end;
    }
    const char letter = text[end];
    if (letter != 'I' && letter != 'F' && letter != 'A') {
        return end;
    }
    bool point = false;
    while (end < text.size()) {
        if (text[end] == letter) {
            ++end;
        } else if (letter == 'F' && text[end] == '.' && !point && end + 1 < text.size() &&
                   text[end + 1] == 'F') {
            point = true;
            ++end;
        } else {
            break;
        }
    }
    return end;
}

std::string ParseField(std::string_view field, int& kind) {
    if (field.empty() || field[0] != '@') {
        kind = -1;
        return std::string(field);
    }
    const int width = static_cast<int>(field.size());
    const char letter = field.size() > 1 ? field[1] : '\0';
    if (letter == 'I') {
        kind = 0;
        return "%" + std::to_string(width) + "d";
    }
    if (letter == 'F') {
        kind = 1;
        const std::size_t point = field.find('.');
        const int decimals =
            point == std::string_view::npos ? 0 : width - static_cast<int>(point) - 1;
        return "%" + std::to_string(width) + "." + std::to_string(decimals) + "f";
    }
    kind = 2;
    return "%s";
}

std::string ConvertFields(std::string cells) {
    std::size_t from = 0;
    while (true) {
        const std::size_t at = cells.find('@', from);
        if (at == std::string::npos) {
            return cells;
        }
        const std::size_t end = at + FindFieldEnd(std::string_view(cells).substr(at));
        int kind = -1;
        const std::string format = ParseField(std::string_view(cells).substr(at, end - at), kind);
        cells.replace(at, end - at, format);
        from = at + format.size();
    }
}

std::vector<int> ReadColumnWidths(std::string_view text) {
    std::vector<int> widths;
    for (std::size_t g = 0; g + kWidthGroup <= text.size(); g += kWidthGroup) {
        const std::string_view group = text.substr(g, kWidthGroup);
        bool negative = false;
        bool digits = false;
        int value = 0;
        for (const char c : group) {
            if (c == '-') {
                negative = true;
            } else if (std::isdigit(static_cast<unsigned char>(c))) {
                digits = true;
                value = value * 10 + (c - '0');
            }
        }
        if (digits && value != 0) {
            widths.push_back(negative ? -value : value);
        }
    }
    return widths;
}
