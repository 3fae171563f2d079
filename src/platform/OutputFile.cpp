#include "platform/OutputFile.h"

#include "platform/HeldOutputs.h"
#include "platform/Kernel.h"
#include "platform/SystemReason.h"
#include "platform/TemporaryOutput.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
#include <sys/stat.h>

namespace {

std::string FolderOf(const std::string& fileName) {
    const std::filesystem::path parent = std::filesystem::path(fileName).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// The reason the last output could not be written; empty after none.
std::string& LastFailure() {
    static std::string reason;
    return reason;
}

bool Failed(const std::string& reason, std::string& error) {
    LastFailure() = reason;
    error = reason;
    return false;
}

// The folders that took a new file since QEL_ForgetOutputFolders, by their full names
// (a relative one is taken in the current folder).
std::set<std::string>& TriedFolders() {
    static std::set<std::string> folders;
    return folders;
}

// The checks that need no file made: the folder is there, the name is no folder and no
// read-only file.
QEL_OutputCheck CheckNames(const std::string& fileName) {
    QEL_OutputCheck check;
    check.folder = FolderOf(fileName);
    struct stat folder {};
    if (stat(check.folder.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)) {
        check.problem = QEL_OutputProblem::FolderMissing;
        return check;
    }
    struct stat file {};
    if (lstat(fileName.c_str(), &file) == 0) {
        if (S_ISDIR(file.st_mode)) {
            check.problem = QEL_OutputProblem::IsFolder;
            return check;
        }
        // A link is replaced, not written through, so only a file's own mark counts.
        if (S_ISREG(file.st_mode) && (file.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            check.problem = QEL_OutputProblem::ReadOnly;
            return check;
        }
    }
    return check;
}

QEL_OutputCheck FolderNotWritable(QEL_OutputCheck check, int error) {
    check.problem = QEL_OutputProblem::FolderNotWritable;
    check.error = error;
    check.reason = std::strerror(error);
    return check;
}

} // namespace

QEL_OutputCheck QEL_CheckOutputFile(const std::string& fileName) {
    QEL_OutputCheck check = CheckNames(fileName);
    const std::string tried = QEL_FullPath(check.folder);
    if (check.problem != QEL_OutputProblem::None || TriedFolders().count(tried) > 0) {
        return check;
    }
    // The file goes in under a new name: the folder must take a new file. The trial's
    // file goes at once.
    QEL_TemporaryOutput trial;
    if (!trial.Create(fileName)) {
        return FolderNotWritable(check, errno);
    }
    TriedFolders().insert(tried);
    return check;
}

void QEL_ForgetOutputFolders() {
    TriedFolders().clear();
}

std::string QEL_OutputProblemText(const QEL_OutputCheck& check) {
    switch (check.problem) {
    case QEL_OutputProblem::None:
        return {};
    case QEL_OutputProblem::FolderMissing:
        return "der Ordner " + check.folder + " existiert nicht";
    case QEL_OutputProblem::FolderNotWritable:
        return "im Ordner " + check.folder + " kann keine Datei angelegt werden (" +
               QEL_SystemReason(check.error) + ")";
    case QEL_OutputProblem::IsFolder:
        return "unter diesem Namen steht ein Ordner";
    case QEL_OutputProblem::ReadOnly:
        return "sie ist schreibgesch\xC3\xBCtzt";
    }
    return {};
}

bool QEL_WriteOutputFile(const std::string& fileName, std::string_view bytes, std::string& error) {
    return QEL_StreamOutputFile(
        fileName, [bytes](const QEL_OutputSink& sink) { sink(bytes); }, error);
}

bool QEL_StreamOutputFile(const std::string& fileName,
                          const std::function<void(const QEL_OutputSink&)>& produce,
                          std::string& error) {
    const QEL_OutputCheck check = CheckNames(fileName);
    if (check.problem != QEL_OutputProblem::None) {
        return Failed(QEL_OutputProblemText(check), error);
    }
    // Written without a name where the file system allows, and named only when whole: a
    // stop meanwhile leaves nothing behind. A file that cannot be made whole goes.
    QEL_TemporaryOutput file;
    if (!file.Create(fileName)) {
        return Failed(QEL_OutputProblemText(FolderNotWritable(check, errno)), error);
    }
    int writeErrno = 0;
    produce([&](std::string_view bytes) {
        if (writeErrno == 0 && !file.Write(bytes)) {
            writeErrno = errno;
        }
    });
    if (writeErrno != 0) {
        return Failed(QEL_SystemReason(writeErrno), error);
    }
    if (!QEL_HoldOutput(file) && !(file.Name() && file.Rename())) {
        return Failed(QEL_SystemReason(errno), error);
    }
    error.clear();
    return true;
}

int QEL_CreateReplacingFile(const std::string& fileName) {
    QEL_TemporaryOutput file;
    if (CheckNames(fileName).problem != QEL_OutputProblem::None || !file.Create(fileName)) {
        return -1;
    }
    return file.PlaceOpen();
}

std::string QEL_LastOutputFailure() {
    return LastFailure();
}

void QEL_ClearOutputFailure() {
    LastFailure().clear();
}
