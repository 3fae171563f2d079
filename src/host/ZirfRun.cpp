#include "host/ZirfRun.h"

#include "host/C1Exception.h"
#include "host/C1QEL.h"
#include "host/RunFiles.h"
#include "host/Trace.h"
#include "platform/MessageBox.h"
#include "platform/QELRTFXHost.h"
#include "resources/StringTable.h"

#include <string>

int g_iStatus = 0;
int g_bHostProgress = 1;

namespace {

constexpr double kRequiredReportLibVersion = 2.0;
constexpr int kOptionsBufferSize = 256;

enum StatusText {
    kProgrammstart = 465,
    kEingabedateiAnlesen = 466,
    kBerechnungStarten = 467,
};

void AnnounceStatus(C1QEL& qel, int entry) {
    qel.SetStatusText(GetStringTableEntry(entry));
    qel.Progress(0);
}

void TraceHostOptions() {
    char options[kOptionsBufferSize] = {};
    QELRTFX_GetSetting("Optionen", options, kOptionsBufferSize);
    TracePrintf("Parameter %s", options);
}

// Every object of the run lives in this scope, so an error destroys them all, the
// context last, before it is reported.
void RunSteps(QEDOM_HANDLE hDoc, int flag) {
    C1QEL qel("", "", hDoc, flag, g_bHostProgress, 1);
    qel.CheckReportLibVersion(kRequiredReportLibVersion, 1);
    AnnounceStatus(qel, kProgrammstart);

    g_pDump = qel.OpenDumpFile("");
    g_pTrace = qel.OpenTraceFile("");
    TraceHostOptions();

    AnnounceStatus(qel, kEingabedateiAnlesen);
    AnnounceStatus(qel, kBerechnungStarten);

    if (flag != 0) {
        DeleteRunFiles(qel.GetFiledpf(), std::string(), std::string());
    }
}

} // namespace

ZirfRunOutcome ZirfRun(QEDOM_HANDLE hDoc, int flag) {
    try {
        RunSteps(hDoc, flag);
        return ZirfRunOutcome::Completed;
    } catch (const C1Exception& e) {
        e.Report();
    } catch (...) {
        QEL_MessageBox("Calculation aborted");
    }
    return ZirfRunOutcome::Failed;
}
