#pragma once

#include <map>
#include <string>

using HostSettings = std::map<std::string, std::string>;

// The project settings the host offers a run: the output prefix, the report
// library's version and the program's name, title and version.
HostSettings DefaultHostSettings(const std::string& outputPrefix);

// Overrides settings from a file of key=value lines (blank lines and lines starting
// with '#' are skipped). false with a reason naming the file and line on an error.
bool ReadSettingsFile(const std::string& fileName, HostSettings& settings, std::string& error);
