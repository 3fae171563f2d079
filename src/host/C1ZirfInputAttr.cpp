#include "host/C1ZirfInputAttr.h"

#include "base/Trace.h"
#include "platform/C1Exception.h"
#include "platform/Utf8.h"

#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

namespace zirf_input {

namespace {

// Continuation bytes of a multi-byte character look like 10xxxxxx.
bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

// The first maxCharacters characters of a UTF-8 text, whole characters only.
std::string FirstCharacters(std::string_view text, std::size_t maxCharacters) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuationByte(text[i])) {
            if (characters == maxCharacters) {
                return std::string(text.substr(0, i));
            }
            ++characters;
        }
    }
    return std::string(text);
}

// Whether the document gives the attribute: present and not blank (a blank one reads as 0
// like a missing one).
bool IsGiven(QEDOM_HANDLE element, const char* name) {
    const char* text = QEDOM_GetString(element, name);
    return text != nullptr &&
           std::string_view(text).find_first_not_of(" \t\r\n") != std::string_view::npos;
}

} // namespace

Element::Element(QEDOM_HANDLE handle, std::string name, std::vector<C1ZirfInput::SZahl>& zahlen,
                 std::string ort)
    : m_handle(handle), m_name(std::move(name)), m_ort(std::move(ort)), m_zahlen(&zahlen) {}

void Element::Note(QEDOM_HANDLE element, const char* attribut, const std::string& schluessel,
                   double wert, bool eigenschaft) const {
    if (IsGiven(element, attribut)) {
        m_zahlen->push_back(
            {m_name, schluessel, eigenschaft ? std::string() : m_ort, eigenschaft, wert});
    }
}

int Element::Int(const char* attribut) const {
    const int value = QEDOM_GetInt(m_handle, attribut);
    Note(m_handle, attribut, attribut, QEDOM_GetDouble(m_handle, attribut), false);
    return value;
}

double Element::Double(const char* attribut) const {
    // The value read is the one noted: the attribute is read once.
    const double value = QEDOM_GetDouble(m_handle, attribut);
    Note(m_handle, attribut, attribut, value, false);
    return value;
}

double Element::Eigenschaft(QEDOM_HANDLE eigenschaft, const std::string& kurzname) const {
    const double value = QEDOM_GetDouble(eigenschaft, C1ZirfInput::kEigenschaftWert);
    Note(eigenschaft, C1ZirfInput::kEigenschaftWert, kurzname, value, true);
    return value;
}

int Element::Truncated(const char* attribut, const char* module) const {
    const double value = std::trunc(Double(attribut));
    if (value < static_cast<double>(std::numeric_limits<int>::min()) ||
        value > static_cast<double>(std::numeric_limits<int>::max())) {
        throw C1Exception("xml-Eingabedatei, Element '" + m_name + "'" + m_ort + ": Attribut '" +
                              attribut + "' ist zu gross",
                          module);
    }
    return static_cast<int>(value);
}

std::string ReadText(QEDOM_HANDLE element, const char* name, int capacity) {
    if (capacity < 1) {
        return std::string();
    }
    // The field counts characters: a name of 24 letters fits a field of 25 places whatever
    // its umlauts take in bytes.
    return FirstCharacters(ReadString(element, name), static_cast<std::size_t>(capacity - 1));
}

std::string ReadString(QEDOM_HANDLE element, const char* name) {
    return TextOf(QEDOM_GetString(element, name));
}

void CheckTableLimit(int index, int limit, const char* element, const std::string& what,
                     const char* module) {
    if (index >= limit) {
        throw C1Exception("xml-Eingabedatei, Element '" + std::string(element) + "': mehr als " +
                              std::to_string(limit) + " " + what + " sind nicht zulässig",
                          module);
    }
}

void Trace(const std::string& line) {
    TracePrintf("%s", line.c_str());
}

} // namespace zirf_input
