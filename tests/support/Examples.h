#pragma once

#include <fstream>
#include <sstream>
#include <string>

// The text of a file of the source tree, given relative to its root.
inline std::string SourceText(const std::string& relativePath) {
    std::ifstream in(std::string(ZIRF_SOURCE_DIR) + "/" + relativePath);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text of a document in examples/, for tests that need a wall the whole run can compute.
inline std::string ExampleText(const std::string& name) { return SourceText("examples/" + name); }
