#include "report/ReportOutput.h"

#include "platform/C1Exception.h"
#include "platform/OutputFile.h"

namespace {

constexpr const char* kReportSuffix = ".rtf";

} // namespace

std::string ReportNotWritableText(const std::string& fileName, const std::string& reason) {
    return "Die RTF-Ausgabedatei " + fileName + " kann nicht geschrieben werden: " + reason + ".";
}

std::string ReportNotWrittenText(const std::string& fileName) {
    const std::string reason = QEL_LastOutputFailure();
    return "Die RTF-Ausgabedatei " + fileName + " konnte nicht geschrieben werden" +
           (reason.empty() ? std::string() : ": " + reason) + ".";
}

void CheckReportWritable(const std::string& filedpf) {
    if (filedpf.empty()) {
        return;
    }
    const std::string fileName = filedpf + kReportSuffix;
    const QEL_OutputCheck check = QEL_CheckOutputFile(fileName);
    if (check.problem != QEL_OutputProblem::None) {
        throw C1Exception(ReportNotWritableText(fileName, QEL_OutputProblemText(check)));
    }
}
