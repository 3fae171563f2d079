#include "cli/HostConsole.h"

#include <cstdio>
#include <unistd.h>

namespace {

// The status and progress of the running input, as the terminal shows them.
struct ProgressLine {
    bool terminal = isatty(STDERR_FILENO) != 0;
    bool open = false; // drawn, and no newline after it yet
    std::string status;
    int value = 0;
    int maximum = 0;
};

ProgressLine& Line() {
    static ProgressLine line;
    return line;
}

// Back to the start of the line, and the rest of a longer text before cleared.
void Draw(ProgressLine& line) {
    std::fputs("\r\033[K", stderr);
    if (line.maximum > 0) {
        std::fprintf(stderr, "[%3d/%d] ", line.value, line.maximum);
    }
    std::fputs(line.status.c_str(), stderr);
    line.open = true;
}

void ShowOnTerminal(ProgressLine& line, int value, int maximum, const std::string& text) {
    // The run clears its status text ("2 ") right after each one; the line keeps it, so
    // that it names the step under way.
    if (text.rfind("1 ", 0) == 0) {
        line.status = text.substr(2);
    } else if (text == "p") {
        line.value = value;
        line.maximum = maximum;
    } else if (text == "e") {
        EndProgressLine();
        std::fputs("end of run\n", stderr);
        line.status.clear();
        line.value = line.maximum = 0;
        return;
    } else {
        return;
    }
    Draw(line);
}

} // namespace

void ShowHostMessage(int value, int maximum, const std::string& text) {
    ProgressLine& line = Line();
    if (line.terminal) {
        ShowOnTerminal(line, value, maximum, text);
    } else if (text.rfind("1 ", 0) == 0) {
        std::fprintf(stderr, "status: %s\n", text.c_str() + 2);
    } else if (text == "p") {
        std::fprintf(stderr, "progress: %d/%d\n", value, maximum);
    } else if (text == "e") {
        std::fprintf(stderr, "end of run\n");
    }
    // "2 " only clears the status text: nothing to show.
}

void ShowMessageBox(const std::string& text) {
    EndProgressLine();
    const auto end = text.find_last_not_of('\n');
    std::fprintf(stderr, "%s\n", end == std::string::npos ? "" : text.substr(0, end + 1).c_str());
}

void EndProgressLine() {
    ProgressLine& line = Line();
    if (line.open) {
        std::fputc('\n', stderr);
        line.open = false;
    }
}

void ShowLockWait(const std::string& folder, int process, const std::string& program) {
    EndProgressLine();
    const std::string holder =
        process <= 0 ? std::string("another process")
                     : (program.empty() ? std::string("process ") + std::to_string(process)
                                        : program + " (process " + std::to_string(process) + ")");
    std::fprintf(stderr, "zirf: waiting for %s, locked by %s\n", folder.c_str(), holder.c_str());
}
