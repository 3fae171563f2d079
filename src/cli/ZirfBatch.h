#pragma once

#include "cli/ZirfOptions.h"

#include <functional>
#include <string>

// Several inputs in one call of the host: each input is one independent run; a failed
// input does not stop the others.

// What must hold before any input runs, so that no run writes over a file of another
// or over an input: no two inputs of one base name into one output folder, no fixed
// report name (File/dpf) in the settings for several inputs, no input that another
// input's run writes (its report or result), and no file named by the settings' batch
// entries that is an input, a report or a result of the call. "" when the inputs may
// run, else the reason (a usage error).
std::string CheckZirfInputs(const ZirfOptions& options);

// Runs runOne on every input in order and returns the most severe of their exit
// statuses: 2 over 1 over 3 over 0. Unless quiet, each input's lines on stderr end with
// the files its run wrote (its report, its result), or that it wrote none, and its exit
// status in words.
int RunZirfInputs(const ZirfOptions& options, const std::function<int(const std::string&)>& runOne);

// The more severe of two exit statuses of the host.
int SevererZirfStatus(int a, int b);
