#pragma once

#include "platform/QEDOM.h"

#include <initializer_list>
#include <optional>
#include <string>

// The `result` tree that a run leaves under the root of the host's document. Each
// element on a path below `result` is looked up and added when missing, so writers
// that run one after another share their parents (`trag`, `tgf`).
class C1ErgebnisBaum {
public:
    explicit C1ErgebnisBaum(QEDOM_HANDLE hRoot) : hRoot(hRoot) {}

    // Removes a `result` left in the document and adds a new, empty one.
    QEDOM_HANDLE Neu() const;
    // The element at the path below `result` (`result` itself for an empty path).
    QEDOM_HANDLE Element(std::initializer_list<const char*> path) const;

    using Pfad = std::initializer_list<const char*>;

    // A real value at the element of the path; a value that is not a finite number is
    // a fault of the calculation and raises C1Exception naming the element and the
    // attribute, so that no host ever reads an undefined number.
    void SetWert(Pfad path, const char* name, double value) const;
    // As above, but nothing is written when there is no value (a quotient whose
    // divisor is zero).
    void SetWert(Pfad path, const char* name, std::optional<double> value) const;
    void SetInt(Pfad path, const char* name, int value) const;
    void SetText(Pfad path, const char* name, const std::string& value) const;

private:
    QEDOM_HANDLE hRoot;
};
