#pragma once

#include <string>

// Why the host cannot write an output file of a run (the result document, the
// report), in the host's words; "" when it can.
std::string OutputFileProblem(const std::string& fileName);
