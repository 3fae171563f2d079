#include "cli/HostConsole.h"

#include <cstdio>

void ShowHostMessage(int value, int maximum, const std::string& text) {
    if (text.rfind("1 ", 0) == 0) {
        std::fprintf(stderr, "status: %s\n", text.c_str() + 2);
    } else if (text == "p") {
        std::fprintf(stderr, "progress: %d/%d\n", value, maximum);
    } else if (text == "e") {
        std::fprintf(stderr, "end of run\n");
    }
    // "2 " only clears the status text: nothing to show on a console.
}

void ShowMessageBox(const std::string& text) {
    const auto end = text.find_last_not_of('\n');
    std::fprintf(stderr, "%s\n", end == std::string::npos ? "" : text.substr(0, end + 1).c_str());
}
