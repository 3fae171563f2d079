#pragma once

#include <fstream>
#include <sstream>
#include <string>

// The text of a document in examples/, for tests that need a wall the whole run can compute.
inline std::string ExampleText(const std::string& name) {
    std::ifstream in(std::string(ZIRF_SOURCE_DIR) + "/examples/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
