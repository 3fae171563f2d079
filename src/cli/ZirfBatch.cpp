#include "cli/ZirfBatch.h"

#include "cli/HostConsole.h"
#include "cli/HostSettings.h"
#include "host/Optionszeile.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <utility>
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

// A file as the file system knows it: device and inode, when the file is there.
struct Datei {
    fs::path path;
    std::optional<std::pair<dev_t, ino_t>> id;

    explicit Datei(fs::path p) : path(std::move(p)) {
        struct stat st {};
        if (stat(path.c_str(), &st) == 0) {
            id = std::make_pair(st.st_dev, st.st_ino);
        }
    }
};

// A file as it stands under its name: which file it is (a run writes its outputs under a
// temporary name and renames them into place) and when it was last written.
struct Stand {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    timespec modified{};

    explicit Stand(const fs::path& path) {
        struct stat st {};
        if (lstat(path.c_str(), &st) == 0) {
            exists = true;
            device = st.st_dev;
            inode = st.st_ino;
            modified = st.st_mtim;
        }
    }

    // A run wrote the file when another one, or a newer one, stands there now.
    bool WrittenSince(const Stand& before) const {
        return exists && (!before.exists || device != before.device || inode != before.inode ||
                          modified.tv_sec != before.modified.tv_sec ||
                          modified.tv_nsec != before.modified.tv_nsec);
    }
};

// One input with the files its run writes. Each file is looked up once: a call of many
// inputs compares every run's files with every input.
struct Lauf {
    std::string name;
    Datei input{fs::path()};
    fs::path outputDir;
    std::string stem;
    Datei report{fs::path()};
    Datei result{fs::path()};
    // The report and the result under the names the run writes them: absolute, a link
    // among them not followed (the run replaces it).
    std::array<fs::path, 2> outputs;
};

std::vector<Lauf> Plan(const ZirfOptions& options, const HostSettings& settings) {
    const auto prefix = settings.find("File/dpf");
    std::vector<Lauf> runs;
    for (const std::string& name : options.inputs) {
        Lauf run;
        run.name = name;
        run.input = Datei(Normal(name));
        run.outputDir =
            options.outputDir.empty() ? run.input.path.parent_path() : Normal(options.outputDir);
        run.stem = run.input.path.stem().string();
        const fs::path reportPrefix = prefix != settings.end() && !prefix->second.empty()
                                          ? fs::path(prefix->second)
                                          : fs::path(run.stem);
        run.report = Datei(Normal(run.outputDir / (reportPrefix.string() + kReportSuffix)));
        run.result = Datei(Normal(run.outputDir / (run.stem + kResultSuffix)));
        std::error_code ec;
        const fs::path input = fs::absolute(name, ec).lexically_normal();
        const fs::path folder = options.outputDir.empty()
                                    ? input.parent_path()
                                    : fs::absolute(options.outputDir, ec).lexically_normal();
        run.outputs = {(folder / (reportPrefix.string() + kReportSuffix)).lexically_normal(),
                       folder / (input.stem().string() + kResultSuffix)};
        runs.push_back(run);
    }
    return runs;
}

// The same name, or two names of one file that is there. The names are normalised, so
// that one name is one spelling.
bool SameFile(const Datei& a, const Datei& b) {
    return a.id && b.id ? *a.id == *b.id : a.path.native() == b.path.native();
}

std::string SameNames(const std::vector<Lauf>& runs) {
    for (std::size_t i = 0; i < runs.size(); ++i) {
        for (std::size_t j = i + 1; j < runs.size(); ++j) {
            // One folder may be reached by two spellings (a link): told apart by what it is.
            if (runs[i].stem == runs[j].stem &&
                SameFile(Datei(runs[i].outputDir), Datei(runs[j].outputDir))) {
                return "inputs " + runs[i].name + " and " + runs[j].name + " have one base name (" +
                       runs[i].stem + ") and would write over each other's report and results in " +
                       runs[i].outputDir.string() +
                       "; rename one or run them into other folders (-o)";
            }
        }
    }
    return std::string();
}

// No run writes its report or result over another input of the call, whether that input
// runs before it (and would be lost) or after it (and would be read as the other run left
// it). A run's own input is refused its report and result when the run starts.
std::string OtherInputClash(const std::vector<Lauf>& runs) {
    for (const Lauf& run : runs) {
        for (const Lauf& other : runs) {
            if (&other == &run || SameFile(other.input, run.input)) {
                continue;
            }
            for (const Datei* file : {&run.report, &run.result}) {
                if (SameFile(*file, other.input)) {
                    return "the run of " + run.name + " writes " + file->path.string() +
                           ", an input of this call (" + other.name +
                           "); rename that input or choose another output folder (-o)";
                }
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
        own.insert(own.end(), {run.input.path, run.report.path, run.result.path});
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

// The settings of the call; false with the reason when the settings file cannot be read.
bool CallSettings(const ZirfOptions& options, HostSettings& settings, std::string& error) {
    return options.settingsFile.empty() || ReadSettingsFile(options.settingsFile, settings, error);
}

// Of the files a run writes, those it has written since `before`: "wrote A and B", or
// "wrote no file".
std::string WrittenFiles(const Lauf& run, const std::array<Stand, 2>& before) {
    std::vector<std::string> written;
    for (std::size_t i = 0; i < run.outputs.size(); ++i) {
        if (Stand(run.outputs[i]).WrittenSince(before[i])) {
            written.push_back(run.outputs[i].string());
        }
    }
    if (written.empty()) {
        return "wrote no file";
    }
    std::string text = "wrote " + written.front();
    for (std::size_t i = 1; i < written.size(); ++i) {
        text += " and " + written[i];
    }
    return text;
}

} // namespace

std::string CheckZirfInputs(const ZirfOptions& options) {
    HostSettings settings;
    std::string error;
    if (!CallSettings(options, settings, error)) {
        return error;
    }
    if (options.inputs.size() > 1 && settings.count("File/dpf") != 0) {
        return "the settings name one report for every input (File/dpf); leave it out to run "
               "several "
               "inputs in one call";
    }
    const std::vector<Lauf> runs = Plan(options, settings);
    for (const auto& check : {SameNames, OtherInputClash}) {
        error = check(runs);
        if (!error.empty()) {
            return error;
        }
    }
    return BatchFileClash(runs, settings);
}

int RunZirfInputs(const ZirfOptions& options,
                  const std::function<int(const std::string&)>& runOne) {
    int worst = 0;
    if (options.quiet) {
        for (const std::string& input : options.inputs) {
            worst = SevererZirfStatus(worst, runOne(input));
        }
        return worst;
    }
    // Settings that cannot be read stop each run before it writes anything; it says why.
    HostSettings settings;
    std::string ignored;
    CallSettings(options, settings, ignored);
    const std::vector<Lauf> runs = Plan(options, settings);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Lauf& run = runs[i];
        const std::array<Stand, 2> before = {Stand(run.outputs[0]), Stand(run.outputs[1])};
        const int status = runOne(run.name);
        EndProgressLine();
        const std::string place =
            runs.size() > 1 ? "[" + std::to_string(i + 1) + "/" + std::to_string(runs.size()) + "] "
                            : std::string();
        std::fprintf(stderr, "zirf: %s\nzirf: %s%s: status %d, %s\n",
                     WrittenFiles(run, before).c_str(), place.c_str(), run.name.c_str(), status,
                     Describe(status));
        worst = SevererZirfStatus(worst, status);
    }
    return worst;
}

int SevererZirfStatus(int a, int b) {
    return Rank(b) > Rank(a) ? b : a;
}
