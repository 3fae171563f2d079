#include "platform/PendingOutputs.h"

#include "platform/TemporaryOutput.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
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

std::string RecordIn(const std::string& folder) {
    return (std::filesystem::path(folder) / kRecordName).string();
}

std::string Field(const std::string& text) {
    return text + '\0';
}

std::string FolderOf(const std::string& fileName) {
    return std::filesystem::path(fileName).parent_path().string();
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
    std::ifstream in(RecordIn(folder), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end = text.find('\0'); end != std::string::npos;
         start = end + 1, end = text.find('\0', start)) {
        fields.push_back(text.substr(start, end - start));
    }
    std::vector<QEL_PendingStep> steps;
    for (std::size_t i = 0; i < fields.size();) {
        const bool rename = fields[i] == kRename;
        const std::size_t width = rename ? 3 : 2;
        if ((!rename && fields[i] != kRemove) || i + width > fields.size()) {
            break;
        }
        steps.push_back(rename ? QEL_PendingStep{fields[i + 1], fields[i + 2]}
                               : QEL_PendingStep{std::string(), fields[i + 1]});
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
    for (const QEL_PendingStep& step : steps) {
        struct stat info {};
        if (step.temporary.empty()) {
            unlink(step.target.c_str());
        } else if (lstat(step.temporary.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            std::rename(step.temporary.c_str(), step.target.c_str());
        }
    }
    std::vector<std::string> folders = QEL_PendingFolders(steps);
    folders.push_back(folder);
    QEL_RemovePendingRecord(folders);
}
