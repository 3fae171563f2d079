#include "host/Optionszeile.h"

#include <algorithm>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// A key ends at its equals sign, at a blank, at the next entry's slash or at a quote.
bool EndsKey(char c) {
    return c == '=' || c == '/' || c == '"' || IsBlank(c);
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

class Leser {
public:
    explicit Leser(std::string_view line) : m_line(line) {}

    bool AtEnd() const { return m_pos >= m_line.size(); }
    char Peek() const { return m_line[m_pos]; }
    void Skip() { ++m_pos; }
    void SkipBlanks() {
        while (!AtEnd() && IsBlank(Peek())) {
            ++m_pos;
        }
    }
    void SkipWord() {
        while (!AtEnd() && !IsBlank(Peek())) {
            ++m_pos;
        }
    }
    // The text up to (not including) the first character for which stop is true.
    template <typename Stop> std::string_view TakeUntil(Stop stop) {
        const std::size_t begin = m_pos;
        while (!AtEnd() && !stop(Peek())) {
            ++m_pos;
        }
        return m_line.substr(begin, m_pos - begin);
    }

private:
    std::string_view m_line;
    std::size_t m_pos = 0;
};

std::string_view ReadValue(Leser& in) {
    if (in.AtEnd() || in.Peek() != '"') {
        return in.TakeUntil(IsBlank);
    }
    in.Skip();
    // An unclosed quote runs to the end of the line.
    const std::string_view value = in.TakeUntil([](char c) { return c == '"'; });
    if (!in.AtEnd()) {
        in.Skip();
    }
    return value;
}

} // namespace

std::vector<SOptionEintrag> ParseOptionszeile(std::string_view line) {
    std::vector<SOptionEintrag> entries;
    Leser in(line);
    for (in.SkipBlanks(); !in.AtEnd(); in.SkipBlanks()) {
        if (in.Peek() != '/') {
            in.SkipWord();
            continue;
        }
        in.Skip();
        const std::string_view key = in.TakeUntil(EndsKey);
        std::string_view value;
        if (!in.AtEnd() && in.Peek() == '=') {
            in.Skip();
            value = ReadValue(in);
        }
        if (!key.empty()) {
            entries.push_back({std::string(key), std::string(value)});
        }
        // Whatever sticks to the entry up to the next blank is not part of it; a slash
        // there starts the next entry.
        in.TakeUntil([](char c) { return c == '/' || IsBlank(c); });
    }
    return entries;
}

bool IsSameOptionKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Upper(x) == Upper(y); });
}

const SOptionEintrag* FindOptionEintrag(const std::vector<SOptionEintrag>& entries,
                                        std::string_view key) {
    const auto found = std::find_if(entries.begin(), entries.end(), [key](const SOptionEintrag& e) {
        return IsSameOptionKey(e.key, key);
    });
    return found == entries.end() ? nullptr : &*found;
}
