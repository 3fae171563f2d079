#include "cli/ZirfOptions.h"

const char* const kZirfUsage =
    "usage: zirf [-o DIR] [--keep-temp] [--settings FILE] [-q] [--] INPUT.xml...\n";

bool ParseZirfOptions(int argc, char** argv, ZirfOptions& options, std::string& error) {
    // After "--" every argument is an input, whatever it starts with.
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnded) {
            options.inputs.push_back(arg);
            continue;
        }
        const auto takeValue = [&](std::string& target) {
            if (i + 1 >= argc) {
                error = "option " + arg + " needs a value";
                return false;
            }
            target = argv[++i];
            return true;
        };
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-o") {
            if (!takeValue(options.outputDir)) {
                return false;
            }
        } else if (arg == "--settings") {
            if (!takeValue(options.settingsFile)) {
                return false;
            }
        } else if (arg == "--keep-temp") {
            options.keepTemp = true;
        } else if (arg == "-q") {
            options.quiet = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return false;
        } else {
            options.inputs.push_back(arg);
        }
    }
    if (options.inputs.empty()) {
        error = "no input file";
        return false;
    }
    return true;
}
