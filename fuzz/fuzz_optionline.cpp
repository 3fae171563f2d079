// The host's option line, through the parser and through the batch record of a context
// outside the host. Any value found must stand in the line exactly as written, and the
// record must agree with the parser.

#include "host/C1QEL.h"
#include "host/Optionszeile.h"
#include "platform/QELRTFXHost.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool Within(const std::string& line, const std::string& part) {
    return line.find(part) != std::string::npos;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Somewhere in the line text is followed by a character for which ends is true, or by
// the end of the line.
template <typename Ends>
bool WithinEndingIn(const std::string& line, const std::string& text, Ends ends) {
    for (auto at = line.find(text); at != std::string::npos; at = line.find(text, at + 1)) {
        const std::size_t after = at + text.size();
        if (after == line.size() || ends(line[after])) {
            return true;
        }
    }
    return false;
}

// The entry stands in the line as written: /KEY="VALUE" (the quote may be left open at
// the end of the line), /KEY=VALUE before a blank, or /KEY alone with an empty value.
bool Attached(const std::string& line, const SOptionEintrag& entry) {
    const std::string head = "/" + entry.key;
    const auto any = [](char) { return true; };
    const auto blank = [](char c) { return IsBlank(c); };
    const auto keyEnd = [](char c) { return c == '/' || c == '"' || IsBlank(c); };
    const auto nothing = [](char) { return false; };
    return WithinEndingIn(line, head + "=\"" + entry.value + "\"", any) ||
           WithinEndingIn(line, head + "=\"" + entry.value, nothing) ||
           WithinEndingIn(line, head + "=" + entry.value, blank) ||
           (entry.value.empty() && WithinEndingIn(line, head, keyEnd));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const auto entries = ParseOptionszeile(line);
    for (const SOptionEintrag& entry : entries) {
        Require(!entry.key.empty());
        Require(Attached(line, entry));
        Require(C1QEL::GetOptionValue(line, entry.key) ==
                FindOptionEintrag(entries, entry.key)->value);
    }

    // The host hands the line over as a text: it ends at a zero byte.
    const std::string setting = line.substr(0, line.find('\0'));
    QELRTFX_HostSetup host;
    host.settings = {{"Option/Quick", "1"}, {"Optionen", setting}};
    QELRTFX_RegisterHost(std::move(host));
    const C1QEL qel(nullptr);
    Require(qel.GetQuickModus() == 1);
    // The context reads the setting without its trailing white space.
    const std::string read = C1QEL::GetWholeSetting("Optionen");
    Require(setting.compare(0, read.size(), read) == 0);
    Require(setting.find_first_not_of(" \t\r\n\v\f", read.size()) == std::string::npos);
    int named = 0;
    for (int i = 1; i < C1QEL::SQuick::kMaxDateien; ++i) {
        const std::string& datei = qel.Quick.Datei.at(static_cast<std::size_t>(i));
        Require(datei == C1QEL::GetOptionValue(read, "F" + std::to_string(i)));
        Require(Within(read, datei));
        named += datei.empty() ? 0 : 1;
    }
    Require(qel.Quick.iAnz == named);
    Require(qel.Quick.Datei.at(0).empty());
    Require(Within(read, qel.Quick.Position));
    std::string value;
    if (C1QEL::GetOption("POS", value) == 1) {
        Require(Within(read, value));
    }
    return 0;
}
