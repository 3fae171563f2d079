#include "cli/OutputCheck.h"

#include "platform/OutputFile.h"

std::string OutputFileProblem(const std::string& fileName) {
    const QEL_OutputCheck check = QEL_CheckOutputFile(fileName);
    const std::string cannot = "cannot write " + fileName + ": ";
    switch (check.problem) {
    case QEL_OutputProblem::None:
        return {};
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
