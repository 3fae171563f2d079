#include "platform/QEDOMPrescan.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kMaxNameShown = 64;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Reads start tags in one pass. Comments, processing instructions, CDATA sections,
// declarations and end tags are passed over; attribute values may hold '>' and '<'.
class Scanner {
public:
    explicit Scanner(std::string_view text) : m_text(text) {}

    QEDOMPrescanFinding Find(const QEDOMPrescanLimits& limits) {
        std::size_t elements = 0;
        std::size_t attributes = 0;
        std::size_t depth = 0;
        QEDOMPrescanFinding found;
        while (SkipTo('<')) {
            const std::size_t tag = m_pos;
            ++m_pos;
            std::string name;
            std::size_t count = 0;
            bool node = true;
            if (StartsWith("!--")) {
                Past("-->");
            } else if (StartsWith("![CDATA[")) {
                Past("]]>");
            } else if (StartsWith("?")) {
                Past("?>");
            } else if (StartsWith("!")) {
                PastDeclaration();
                node = false;
            } else if (StartsWith("/")) {
                Past(">");
                node = false;
                depth -= depth > 0 ? 1 : 0;
            } else {
                count = CountAttributes(name);
                // An empty element (<a/>) opens no level.
                depth += StartsWith("/") ? 0 : 1;
            }
            elements += node ? 1 : 0;
            attributes += count;
            if (count > limits.attributesOfElement) {
                found.over = QEDOMOverLimit::AttributesOfElement;
            } else if (elements > limits.elements) {
                found.over = QEDOMOverLimit::Elements;
            } else if (attributes > limits.attributes) {
                found.over = QEDOMOverLimit::Attributes;
            } else if (depth > limits.depth) {
                found.over = QEDOMOverLimit::Depth;
            } else {
                continue;
            }
            found.name = name.substr(0, kMaxNameShown);
            found.line = LineOf(tag);
            return found;
        }
        return found;
    }

private:
    bool AtEnd() const { return m_pos >= m_text.size(); }

    bool StartsWith(std::string_view s) const { return m_text.substr(m_pos, s.size()) == s; }

    bool SkipTo(char c) {
        const void* hit =
            AtEnd() ? nullptr : std::memchr(m_text.data() + m_pos, c, m_text.size() - m_pos);
        if (hit == nullptr) {
            m_pos = m_text.size();
            return false;
        }
        m_pos = static_cast<std::size_t>(static_cast<const char*>(hit) - m_text.data());
        return true;
    }

    void Past(std::string_view end) {
        const std::size_t at = m_text.find(end, m_pos);
        m_pos = at == std::string_view::npos ? m_text.size() : at + end.size();
    }

    // <!DOCTYPE ... [ ... ]> and its kin: quotes and the internal subset may hold '>'.
    void PastDeclaration() {
        int brackets = 0;
        while (!AtEnd()) {
            const char c = m_text[m_pos++];
            if (c == '"' || c == '\'') {
                if (SkipTo(c)) {
                    ++m_pos;
                }
            } else if (c == '[') {
                ++brackets;
            } else if (c == ']') {
                brackets = std::max(0, brackets - 1);
            } else if (c == '>' && brackets == 0) {
                return;
            }
        }
    }

    void SkipBlanks() {
        while (!AtEnd() && IsBlank(m_text[m_pos])) {
            ++m_pos;
        }
    }

    // Number of attributes of the start tag whose '<' was just passed; the scan ends
    // after the tag (or where the tag stops making sense).
    std::size_t CountAttributes(std::string& name) {
        const std::size_t begin = m_pos;
        while (!AtEnd() && !IsBlank(m_text[m_pos]) && m_text[m_pos] != '>' &&
               m_text[m_pos] != '/') {
            ++m_pos;
        }
        name.assign(m_text.substr(begin, m_pos - begin));
        std::size_t count = 0;
        while (true) {
            SkipBlanks();
            if (AtEnd() || m_text[m_pos] == '>' || m_text[m_pos] == '/' || m_text[m_pos] == '<') {
                return count;
            }
            // name = "value" (or 'value')
            while (!AtEnd() && !IsBlank(m_text[m_pos]) && m_text[m_pos] != '=' &&
                   m_text[m_pos] != '>' && m_text[m_pos] != '<') {
                ++m_pos;
            }
            SkipBlanks();
            if (AtEnd() || m_text[m_pos] != '=') {
                return count;
            }
            ++m_pos;
            SkipBlanks();
            if (AtEnd() || (m_text[m_pos] != '"' && m_text[m_pos] != '\'')) {
                return count;
            }
            const char quote = m_text[m_pos++];
            if (!SkipTo(quote)) {
                return count;
            }
            ++m_pos;
            ++count;
        }
    }

    int LineOf(std::size_t pos) const {
        return 1 + static_cast<int>(std::count(
                       m_text.begin(), m_text.begin() + static_cast<std::ptrdiff_t>(pos), '\n'));
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace

QEDOMPrescanFinding QEDOM_Prescan(std::string_view text, const QEDOMPrescanLimits& limits) {
    return Scanner(text).Find(limits);
}

bool QEDOM_FindCrowdedElement(std::string_view text, std::size_t maxAttributes,
                              QEDOMCrowdedElement& found) {
    constexpr std::size_t kNoLimit = static_cast<std::size_t>(-1);
    const QEDOMPrescanFinding finding =
        QEDOM_Prescan(text, {maxAttributes, kNoLimit, kNoLimit, kNoLimit});
    found.name = finding.name;
    found.line = finding.line;
    return finding.over == QEDOMOverLimit::AttributesOfElement;
}
