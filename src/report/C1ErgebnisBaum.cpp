#include "report/C1ErgebnisBaum.h"

#include "platform/C1Exception.h"

#include <cmath>

namespace {

constexpr const char* kResult = "result";

QEDOM_HANDLE FindOrAdd(QEDOM_HANDLE parent, const char* name) {
    const QEDOM_HANDLE found = QEDOM_FindFirstChild(parent, name);
    return found != 0 ? found : QEDOM_AddChildElement(parent, name);
}

std::string PathText(std::initializer_list<const char*> path) {
    std::string text = kResult;
    for (const char* name : path) {
        text += std::string("/") + name;
    }
    return text;
}

} // namespace

QEDOM_HANDLE C1ErgebnisBaum::Neu() const {
    QEDOM_DeleteElement(QEDOM_FindFirstChild(hRoot, kResult));
    return QEDOM_AddChildElement(hRoot, kResult);
}

QEDOM_HANDLE C1ErgebnisBaum::Element(std::initializer_list<const char*> path) const {
    QEDOM_HANDLE element = FindOrAdd(hRoot, kResult);
    for (const char* name : path) {
        element = FindOrAdd(element, name);
    }
    return element;
}

void C1ErgebnisBaum::SetWert(Pfad path, const char* name, double value) const {
    if (!std::isfinite(value)) {
        throw C1Exception("Ergebnis " + PathText(path) + ", " + name + " ist keine endliche Zahl",
                          "C1ErgebnisBaum::SetWert");
    }
    QEDOM_SetDouble(Element(path), name, value);
}

void C1ErgebnisBaum::SetWert(Pfad path, const char* name, std::optional<double> value) const {
    if (value) {
        SetWert(path, name, *value);
    }
}

void C1ErgebnisBaum::SetInt(Pfad path, const char* name, int value) const {
    QEDOM_SetInt(Element(path), name, value);
}

void C1ErgebnisBaum::SetText(Pfad path, const char* name, const std::string& value) const {
    QEDOM_SetString(Element(path), name, value.c_str());
}
