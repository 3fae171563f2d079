#include "platform/C1Exception.h"

#include "platform/MessageBox.h"

#include <algorithm>
#include <cctype>

namespace {

bool KindIsDebug(const std::string& kind) {
    std::string lower(kind);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("debug") != std::string::npos;
}

} // namespace

C1Exception::C1Exception() {
    Set("", 1, "", "");
}

C1Exception::C1Exception(const std::string& text) {
    Set(text, 1, "", "");
}

C1Exception::C1Exception(const std::string& text, const std::string& module) {
    Set(text, 1, module, "");
}

C1Exception::C1Exception(const std::string& text, const std::string& module,
                         const std::string& kind) {
    Set(text, 1, module, kind);
}

void C1Exception::Set(const std::string& newText, int baseCode, const std::string& newModule,
                      const std::string& kind) {
    text = newText;
    module = newModule;
    detail.clear();
    code = KindIsDebug(kind) ? -baseCode : baseCode;
}

std::string C1Exception::Message() const {
    if (module.empty()) {
        return text + "\n\n" + GetDetail();
    }
    return text + "\nim Modul: " + module + "\n\n" + GetDetail();
}

int C1Exception::Report() const {
    if (code == 1) {
        QEL_MessageBox(Message());
    }
    return 0;
}

void ThrowError(const std::string& text) {
    throw C1Exception(text);
}

void ThrowIfFalse(bool condition, const std::string& text, const std::string& module) {
    if (!condition) {
        throw C1Exception(text, module);
    }
}

void ThrowIfTrue(bool condition, const std::string& text, const std::string& module) {
    if (condition) {
        throw C1Exception(text, module);
    }
}
