#pragma once

#include <string>

// The text without the blanks before and after it (labels as they are drawn).
std::string WithoutBlanksAround(const std::string& text);
