#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers in documents are read and written in the C locale ('.' as the decimal
// point), whatever the process locale says. Surrounding blanks are allowed; a leading
// '+' too. Anything else left over makes the text no number.

std::optional<double> CNumber_ParseDouble(std::string_view text);
// Whole numbers in int range; an integral decimal form such as "2.0" or "1e2" counts.
std::optional<int> CNumber_ParseInt(std::string_view text);
// Shortest text that reads back as the same double.
std::string CNumber_FormatDouble(double value);
