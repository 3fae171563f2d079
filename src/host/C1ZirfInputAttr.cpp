#include "host/C1ZirfInputAttr.h"

#include "host/C1Exception.h"
#include "host/Trace.h"
#include "platform/Utf8.h"

#include <cmath>
#include <limits>
#include <vector>

namespace zirf_input {

std::string ReadText(QEDOM_HANDLE element, const char* name, int capacity) {
    if (capacity < 1) {
        return std::string();
    }
    std::vector<char> buffer(static_cast<std::size_t>(capacity), '\0');
    QEDOM_GetStringP(element, name, buffer.data(), buffer.size());
    return std::string(buffer.data());
}

std::string ReadString(QEDOM_HANDLE element, const char* name) {
    return TextOf(QEDOM_GetString(element, name));
}

int ReadTruncated(QEDOM_HANDLE element, const char* elementName, const char* name,
                  const char* module) {
    const double value = std::trunc(QEDOM_GetDouble(element, name));
    if (value < static_cast<double>(std::numeric_limits<int>::min()) ||
        value > static_cast<double>(std::numeric_limits<int>::max())) {
        throw C1Exception("xml-Eingabedatei, Element '" + std::string(elementName) +
                              "': Attribut '" + name + "' ist zu gross",
                          module);
    }
    return static_cast<int>(value);
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
