#include "cli/ZirfBatch.h"

#include "cli/HostSettings.h"
#include "host/Optionszeile.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* kResultSuffix = ".result.xml";
constexpr const char* kReportSuffix = ".rtf";
// What a batch entry's file becomes: its report and its text file.
constexpr std::array<const char*, 2> kBatchSuffixes = {".rtf", ".txt"};
constexpr int kBatchFiles = 31;

struct StatusText {
    int status;
    const char* text;
};
// From the least to the most severe.
constexpr std::array<StatusText, 4> kStatusOrder = {{{0, "completed"},
                                                     {3, "completed after a warning"},
                                                     {1, "ended with an error"},
                                                     {2, "not run"}}};

int Rank(int status) {
    for (std::size_t i = 0; i < kStatusOrder.size(); ++i) {
        if (kStatusOrder[i].status == status) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(kStatusOrder.size()); // unknown: the most severe
}

const char* Describe(int status) {
    const int rank = Rank(status);
    return rank < static_cast<int>(kStatusOrder.size())
               ? kStatusOrder[static_cast<std::size_t>(rank)].text
               : "failed";
}

fs::path Normal(const fs::path& p) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(p, ec);
    const fs::path canonical = fs::weakly_canonical(absolute, ec);
    return ec ? absolute.lexically_normal() : canonical;
}

// One input with the files its run writes.
struct Lauf {
    std::string name;
    fs::path input;
    fs::path outputDir;
    std::string stem;
    fs::path report;
    fs::path result;
};

std::vector<Lauf> Plan(const ZirfOptions& options, const HostSettings& settings) {
    const auto prefix = settings.find("File/dpf");
    std::vector<Lauf> runs;
    for (const std::string& name : options.inputs) {
        Lauf run;
        run.name = name;
        run.input = Normal(name);
        run.outputDir =
            options.outputDir.empty() ? run.input.parent_path() : Normal(options.outputDir);
        run.stem = run.input.stem().string();
        const fs::path reportPrefix = prefix != settings.end() && !prefix->second.empty()
                                          ? fs::path(prefix->second)
                                          : fs::path(run.stem);
        run.report = Normal(run.outputDir / (reportPrefix.string() + kReportSuffix));
        run.result = Normal(run.outputDir / (run.stem + kResultSuffix));
        runs.push_back(run);
    }
    return runs;
}

std::string SameNames(const std::vector<Lauf>& runs) {
    for (std::size_t i = 0; i < runs.size(); ++i) {
        for (std::size_t j = i + 1; j < runs.size(); ++j) {
            if (runs[i].stem == runs[j].stem && runs[i].outputDir == runs[j].outputDir) {
                return "inputs " + runs[i].name + " and " + runs[j].name + " have one base name (" +
                       runs[i].stem + ") and would write over each other's report and results in " +
                       runs[i].outputDir.string() +
                       "; rename one or run them into other folders (-o)";
            }
        }
    }
    return std::string();
}

// A file named by the batch entries must be none of the inputs, reports and results.
std::string BatchFileClash(const std::vector<Lauf>& runs, const HostSettings& settings) {
    const auto line = settings.find("Optionen");
    if (line == settings.end()) {
        return std::string();
    }
    const std::vector<SOptionEintrag> entries = ParseOptionszeile(line->second);
    std::vector<fs::path> own;
    for (const Lauf& run : runs) {
        own.insert(own.end(), {run.input, run.report, run.result});
    }
    for (int i = 1; i <= kBatchFiles; ++i) {
        const std::string key = "F" + std::to_string(i);
        const SOptionEintrag* entry = FindOptionEintrag(entries, key);
        if (entry == nullptr || entry->value.empty()) {
            continue;
        }
        for (const Lauf& run : runs) {
            for (const char* suffix : kBatchSuffixes) {
                // A run takes place in its output folder: relative names end up there.
                const fs::path file = Normal(run.outputDir / (entry->value + suffix));
                for (const fs::path& taken : own) {
                    if (file == taken) {
                        return "the batch entry " + key + "=\"" + entry->value +
                               "\" of the settings names " + file.string() +
                               ", an input, report or result of this call";
                    }
                }
            }
        }
    }
    return std::string();
}

} // namespace

std::string CheckZirfInputs(const ZirfOptions& options) {
    HostSettings settings;
    std::string error;
    if (!options.settingsFile.empty() && !ReadSettingsFile(options.settingsFile, settings, error)) {
        return error;
    }
    if (options.inputs.size() > 1 && settings.count("File/dpf") != 0) {
        return "the settings name one report for every input (File/dpf); leave it out to run "
               "several "
               "inputs in one call";
    }
    const std::vector<Lauf> runs = Plan(options, settings);
    error = SameNames(runs);
    return error.empty() ? BatchFileClash(runs, settings) : error;
}

int RunZirfInputs(const ZirfOptions& options,
                  const std::function<int(const std::string&)>& runOne) {
    const bool oneLineEach = options.inputs.size() > 1 && !options.quiet;
    int worst = 0;
    for (std::size_t i = 0; i < options.inputs.size(); ++i) {
        const std::string& input = options.inputs[i];
        const int status = runOne(input);
        if (oneLineEach) {
            std::fprintf(stderr, "zirf: [%zu/%zu] %s: status %d, %s\n", i + 1,
                         options.inputs.size(), input.c_str(), status, Describe(status));
        }
        worst = SevererZirfStatus(worst, status);
    }
    return worst;
}

int SevererZirfStatus(int a, int b) {
    return Rank(b) > Rank(a) ? b : a;
}
