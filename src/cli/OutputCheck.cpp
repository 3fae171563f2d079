#include "cli/OutputCheck.h"

#include "platform/OutputFile.h"
#include "platform/SystemReason.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Putting the report and the result in place locks their folder, which must be opened
// for it: a folder that can be written but not read (mode 0333) would leave the pair
// open to another call's.
std::string LockProblem(const std::string& fileName, const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        close(fd);
        return {};
    }
    return "cannot write " + fileName + ": the folder " + folder +
           " cannot be read, so its report and result cannot be locked while they are put in "
           "place (" +
           QEL_SystemReason(errno) + "); make it readable or choose another folder";
}

} // namespace

std::string OutputFileProblem(const std::string& fileName) {
    const QEL_OutputCheck check = QEL_CheckOutputFile(fileName);
    const std::string cannot = "cannot write " + fileName + ": ";
    switch (check.problem) {
    case QEL_OutputProblem::None:
        return LockProblem(fileName, check.folder);
    case QEL_OutputProblem::FolderMissing:
        return cannot + "the folder " + check.folder + " does not exist";
    case QEL_OutputProblem::FolderNotWritable:
        return cannot + "no file can be made in the folder " + check.folder + " (" + check.reason +
               ")";
    case QEL_OutputProblem::IsFolder:
        return cannot + "it is a folder";
    case QEL_OutputProblem::ReadOnly:
        return cannot + "it is read-only";
    }
    return {};
}
