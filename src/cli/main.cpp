// zirf: the command-line host. It plays the part of the suite's host program: for
// each input it loads the document, offers the project settings, runs one calculation
// with the output folder as the current folder and saves the document with its results.

#include "cli/HostConsole.h"
#include "cli/HostSettings.h"
#include "cli/OutputCheck.h"
#include "cli/ResultFile.h"
#include "cli/ZirfBatch.h"
#include "cli/ZirfOptions.h"
#include "host/ZIRF_Calc.h"
#include "platform/AbortCleanup.h"
#include "platform/FolderLocks.h"
#include "platform/HeldOutputs.h"
#include "platform/MessageBox.h"
#include "platform/OutputFile.h"
#include "platform/QEDOM.h"
#include "platform/QELRTFXHost.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

enum ExitStatus {
    kCompleted = 0,
    kRunError = 1,
    kUsageOrInputError = 2,
    kCompletedWithWarning = 3,
};

constexpr const char* kResultSuffix = ".result.xml";
constexpr const char* kResultElement = "result";

int Fail(int status, const std::string& reason) {
    std::fprintf(stderr, "zirf: %s\n", reason.c_str());
    return status;
}

// Changes the current folder for the lifetime of the object.
class CurrentFolder {
public:
    explicit CurrentFolder(const fs::path& folder) : m_previous(fs::current_path()) {
        fs::current_path(folder);
    }
    ~CurrentFolder() {
        std::error_code ignored;
        fs::current_path(m_previous, ignored);
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    fs::path m_previous;
};

// The document lives in the DOM library until the host is done with it.
class LoadedDocument {
public:
    explicit LoadedDocument(QEDOM_HANDLE handle) : m_handle(handle) {}
    ~LoadedDocument() { QEDOM_FreeDocument(m_handle); }
    LoadedDocument(const LoadedDocument&) = delete;
    LoadedDocument& operator=(const LoadedDocument&) = delete;
    QEDOM_HANDLE get() const { return m_handle; }

private:
    QEDOM_HANDLE m_handle;
};

// The report of a run: the output prefix followed by ".rtf", relative to the output
// folder where the run takes place; empty without a prefix.
fs::path ReportFile(const fs::path& outputDir, const HostSettings& settings) {
    const auto prefix = settings.find("File/dpf");
    if (prefix == settings.end() || prefix->second.empty()) {
        return {};
    }
    const fs::path report = prefix->second + ".rtf";
    return report.is_absolute() ? report : outputDir / report;
}

// The files a run writes over: the report and the saved result. The user's input must be
// none of them.
std::string OverwrittenInput(const fs::path& input, const fs::path& report,
                             const fs::path& result) {
    std::vector<fs::path> written = {result};
    if (!report.empty()) {
        written.push_back(report);
    }
    for (const fs::path& file : written) {
        std::error_code ec;
        if (fs::equivalent(input, file, ec)) {
            return "the run would overwrite its input file " + input.string() +
                   " with its report or results; rename the input or choose another output "
                   "folder (-o)";
        }
    }
    return std::string();
}

// Saves the document of a run as its result file (held until the run's outputs go in
// place); the exit status of the input.
int SaveResult(QEDOM_HANDLE document, const fs::path& result) {
    // The module removes an old result when it starts and writes a new one only in a
    // run that reaches its end.
    if (QEDOM_FindFirstChild(QEDOM_GetRootElement(document), kResultElement) == 0) {
        return kRunError;
    }
    std::string error;
    if (!SaveResultFile(document, result.string(), error)) {
        return Fail(kUsageOrInputError, error);
    }
    // A completed run that still showed a message went on after a warning.
    return QEL_ShownMessages().empty() ? kCompleted : kCompletedWithWarning;
}

// Puts the run's report and result in place together; the exit status of the input.
// A report that could not be written, or a result that could not be saved, leaves the
// files of an earlier run as they were.
int PlaceOutputs(QEL_HeldOutputs& held, int status, const fs::path& report,
                 const fs::path& result) {
    if (!QEL_LastOutputFailure().empty()) {
        // The run told which output and why.
        return kUsageOrInputError;
    }
    std::vector<std::string> pair = {result.string()};
    if (!report.empty()) {
        pair.push_back(report.string());
    }
    std::string error;
    if (!held.Place(pair, error)) {
        return Fail(kUsageOrInputError,
                    "cannot put the report and the result of the run in place: " + error);
    }
    return status;
}

int RunHost(const ZirfOptions& options, const std::string& inputName) {
    std::error_code ec;
    const fs::path input = fs::absolute(inputName, ec).lexically_normal();
    if (ec || !fs::is_regular_file(input) || access(input.c_str(), R_OK) != 0) {
        return Fail(kUsageOrInputError, "cannot read input file " + inputName);
    }
    const fs::path outputDir = options.outputDir.empty()
                                   ? input.parent_path()
                                   : fs::absolute(options.outputDir, ec).lexically_normal();
    if (ec || !fs::is_directory(outputDir)) {
        return Fail(kUsageOrInputError,
                    "output folder " + options.outputDir +
                        (fs::exists(outputDir) ? " is no folder" : " does not exist"));
    }
    const std::string name = input.stem().string();

    HostSettings settings = DefaultHostSettings((outputDir / name).string());
    std::string error;
    if (!options.settingsFile.empty() && !ReadSettingsFile(options.settingsFile, settings, error)) {
        return Fail(kUsageOrInputError, error);
    }

    const fs::path result = outputDir / (name + kResultSuffix);
    const fs::path report = ReportFile(outputDir, settings);
    error = OverwrittenInput(input, report, result);
    if (!error.empty()) {
        return Fail(kUsageOrInputError, error);
    }
    // Both outputs must be writable before the calculation starts: a run that could not
    // save its result would leave a report without one.
    QEL_ForgetOutputFolders();
    for (const fs::path& output : {result, report}) {
        error = output.empty() ? std::string() : OutputFileProblem(output.string());
        if (!error.empty()) {
            return Fail(kUsageOrInputError, error);
        }
    }

    const LoadedDocument document(QEDOM_LoadDocument(input.string(), error));
    if (document.get() == 0) {
        return Fail(kUsageOrInputError, error);
    }

    QELRTFX_HostSetup host;
    host.settings = std::move(settings);
    if (!options.quiet) {
        host.notify = ShowHostMessage;
        QEL_SetLockWaitNotice([](const std::string& folder, const QEL_LockHolder& holder) {
            ShowLockWait(folder, holder.process, holder.program);
        });
    }
    QELRTFX_RegisterHost(std::move(host));
    QEL_SetMessageSink(ShowMessageBox);
    QEL_ClearShownMessages();

    // The report and the result go in place together, when the run is over: another call
    // that writes outputs of the same names meanwhile, or a stop, never leaves one of
    // them beside the other's of another run.
    QEL_HeldOutputs held;
    {
        const CurrentFolder inOutputFolder(outputDir);
        ZIRF_Calc(document.get(), options.keepTemp ? 0 : 1);
    }
    const int status = SaveResult(document.get(), result);
    return status == kUsageOrInputError ? status : PlaceOutputs(held, status, report, result);
}

// A stop by SIGINT, SIGTERM or SIGHUP ends the program with 128 + the signal's number
// and leaves neither the running input's temporary folder nor an unfinished output. The
// handlers are set first thing, before the program's own objects are built (the highest
// priority an initialiser of the program may have): a stop during the start is told too.
__attribute__((constructor(101))) void InstallHandlersFirst() {
    QEL_InstallAbortHandlers();
}

} // namespace

int main(int argc, char** argv) {
    ZirfOptions options;
    std::string error;
    if (!ParseZirfOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "zirf: %s\n%s", error.c_str(), kZirfUsage);
        return kUsageOrInputError;
    }
    error = CheckZirfInputs(options);
    if (!error.empty()) {
        std::fprintf(stderr, "zirf: %s\n%s", error.c_str(), kZirfUsage);
        return kUsageOrInputError;
    }
    return RunZirfInputs(options, [&options](const std::string& input) {
        try {
            return RunHost(options, input);
        } catch (const std::exception& e) {
            return Fail(kRunError, e.what());
        }
    });
}
