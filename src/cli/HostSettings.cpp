#include "cli/HostSettings.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

constexpr const char* kReportLibVersion = "V2.0";
constexpr const char* kProgramName = "ZIRF";
constexpr const char* kProgramTitle = "Spundwandberechnung";
constexpr const char* kProgramVersion = "1.0";

} // namespace

HostSettings DefaultHostSettings(const std::string& outputPrefix) {
    return {{"File/dpf", outputPrefix},
            {"QE-Version/qelrtfx", kReportLibVersion},
            {"QE-Name/", kProgramName},
            {"QE-Titel/", kProgramTitle},
            {"QE-Version/", kProgramVersion}};
}

bool ReadSettingsFile(const std::string& fileName, HostSettings& settings, std::string& error) {
    // Only a file has an end: a folder would read as no settings at all, a device or a
    // pipe may never end.
    std::error_code ec;
    if (std::filesystem::exists(fileName, ec) && !std::filesystem::is_regular_file(fileName, ec)) {
        error = "cannot read settings file " + fileName + ": it is no regular file";
        return false;
    }
    std::ifstream in(fileName);
    if (!in) {
        error = "cannot read settings file " + fileName;
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos || equals == 0) {
            error = fileName + ":" + std::to_string(number) + ": expected key=value";
            return false;
        }
        settings[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return true;
}
