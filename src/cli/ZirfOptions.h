#pragma once

#include <string>
#include <vector>

// The command line of the host program:
//   zirf [-o DIR] [--keep-temp] [--settings FILE] [-q] [--] INPUT.xml...
// ("--" ends the options: every argument after it is an input)
struct ZirfOptions {
    std::vector<std::string> inputs; // each one run, in the order given
    std::string outputDir;           // empty: the input's folder
    std::string settingsFile;
    bool keepTemp = false;
    bool quiet = false;
};

extern const char* const kZirfUsage;

// Fills options from argv; false with a reason on a usage error.
bool ParseZirfOptions(int argc, char** argv, ZirfOptions& options, std::string& error);
