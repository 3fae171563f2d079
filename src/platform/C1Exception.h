#pragma once

#include <string>

// The module's one error type. Raised and caught by value. code 1: the message is
// shown to the user; code -1 (raised with a kind containing "debug"): silent.
// Exported: the suite's libraries raise it and the module catches it.
class __attribute__((visibility("default"))) C1Exception {
public:
    C1Exception();
    explicit C1Exception(const std::string& text);
    C1Exception(const std::string& text, const std::string& module);
    C1Exception(const std::string& text, const std::string& module, const std::string& kind);

    void Set(const std::string& text, int baseCode, const std::string& module,
             const std::string& kind);
    std::string GetDetail() const { return std::string(); }

    // The text shown to the user: text, "im Modul: " and the module when there is one.
    std::string Message() const;
    // Shows the message when the code is 1; returns 0.
    int Report() const;

    std::string text;
    std::string module;
    std::string detail;
    int code = 1;
};

[[noreturn]] void ThrowError(const std::string& text);
void ThrowIfFalse(bool condition, const std::string& text, const std::string& module);
void ThrowIfTrue(bool condition, const std::string& text, const std::string& module);
