#include "platform/PendingOutputs.h"

#include "platform/TemporaryOutput.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Hidden, of a fixed name: a process that locks the folder finds it without listing the
// folder. One process at a time puts outputs in place in a folder.
constexpr const char* kRecordName = ".zirf-pending";
// The record's fields end with a zero byte each (a path may hold any other byte):
// "P" temporary target for a rename, "R" target for a removal.
constexpr char kRename[] = "P";
constexpr char kRemove[] = "R";
// The names of the outputs a run puts in place.
constexpr std::string_view kReportSuffix = ".rtf";
constexpr std::string_view kResultSuffix = ".result.xml";

std::string RecordIn(const std::string& folder) {
    return (std::filesystem::path(folder) / kRecordName).string();
}

std::string Field(const std::string& text) {
    return text + '\0';
}

std::string FolderOf(const std::string& fileName) {
    return std::filesystem::path(fileName).parent_path().string();
}

// The bytes of the record in the folder when it is this user's own regular file: a record
// another user left in a shared folder is none of this run's (it could name any file).
std::optional<std::string> OwnRecord(const std::string& folder) {
    const std::string name = RecordIn(folder);
    struct stat info {};
    if (lstat(name.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid()) {
        return std::nullopt;
    }
    std::ifstream in(name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Whether a step is one a run takes: its target a report or a result, its temporary the
// hidden file of that target beside it.
bool StepOfOutputs(const QEL_PendingStep& step) {
    const std::filesystem::path target(step.target);
    const std::string name = target.filename().string();
    if (!name.ends_with(kReportSuffix) && !name.ends_with(kResultSuffix)) {
        return false;
    }
    if (step.temporary.empty()) {
        return true;
    }
    const std::filesystem::path temporary(step.temporary);
    const std::string hidden = temporary.filename().string();
    const auto ordner = [](const std::filesystem::path& p) {
        return p.has_parent_path() ? p.parent_path() : std::filesystem::path(".");
    };
    return ordner(temporary) == ordner(target) && hidden.starts_with("." + name + ".") &&
           QEL_TemporaryOutputProcess(hidden) > 0;
}

} // namespace

bool QEL_WritePendingRecord(const std::vector<std::string>& folders,
                            const std::vector<QEL_PendingStep>& steps) {
    std::string bytes;
    for (const QEL_PendingStep& step : steps) {
        bytes += step.temporary.empty() ? Field(kRemove) : Field(kRename) + Field(step.temporary);
        bytes += Field(step.target);
    }
    for (std::size_t i = 0; i < folders.size(); ++i) {
        // Whole or not at all under its name: a record cut short would name a half step.
        QEL_TemporaryOutput record;
        if (!record.Create(RecordIn(folders[i])) || !record.Write(bytes) || !record.Name() ||
            !record.Rename()) {
            const int failure = errno;
            QEL_RemovePendingRecord({folders.begin(), folders.begin() + static_cast<long>(i)});
            errno = failure;
            return false;
        }
    }
    return true;
}

void QEL_RemovePendingRecord(const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
        unlink(RecordIn(folder).c_str());
    }
}

std::vector<QEL_PendingStep> QEL_ReadPendingRecord(const std::string& folder) {
    const std::optional<std::string> text = OwnRecord(folder);
    if (!text) {
        return {};
    }
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end = text->find('\0'); end != std::string::npos;
         start = end + 1, end = text->find('\0', start)) {
        fields.push_back(text->substr(start, end - start));
    }
    std::vector<QEL_PendingStep> steps;
    for (std::size_t i = 0; i < fields.size();) {
        const bool rename = fields[i] == kRename;
        const std::size_t width = rename ? 3 : 2;
        if ((!rename && fields[i] != kRemove) || i + width > fields.size()) {
            return {};
        }
        const QEL_PendingStep step = rename ? QEL_PendingStep{fields[i + 1], fields[i + 2]}
                                            : QEL_PendingStep{std::string(), fields[i + 1]};
        if (!StepOfOutputs(step)) {
            return {};
        }
        steps.push_back(step);
        i += width;
    }
    return steps;
}

std::vector<std::string> QEL_PendingFolders(const std::vector<QEL_PendingStep>& steps) {
    std::vector<std::string> folders;
    for (const QEL_PendingStep& step : steps) {
        folders.push_back(FolderOf(step.target));
    }
    return folders;
}

void QEL_CompletePendingRecord(const std::string& folder) {
    const std::vector<QEL_PendingStep> steps = QEL_ReadPendingRecord(folder);
    std::vector<std::string> folders = QEL_PendingFolders(steps);
    // The run wrote the same record into every folder of its steps and removes them all
    // only when its steps are done: a record without its twins is of steps done (or never
    // begun) and goes without a step.
    const std::optional<std::string> text = OwnRecord(folder);
    const bool whole = !steps.empty() && std::all_of(folders.begin(), folders.end(),
                                                     [&text](const std::string& other) {
                                                         return OwnRecord(other) == text;
                                                     });
    if (whole) {
        for (const QEL_PendingStep& step : steps) {
            struct stat info {};
            if (step.temporary.empty()) {
                unlink(step.target.c_str());
            } else if (lstat(step.temporary.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
                std::rename(step.temporary.c_str(), step.target.c_str());
            }
        }
    } else {
        folders.clear();
    }
    // Only this user's records: another's is not this run's to follow or remove.
    if (text) {
        folders.push_back(folder);
    }
    QEL_RemovePendingRecord(folders);
}
