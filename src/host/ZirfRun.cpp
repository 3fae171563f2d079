#include "host/ZirfRun.h"

#include "base/Trace.h"
#include "beam/C1Traeger.h"
#include "host/C1QEL.h"
#include "host/ResultElements.h"
#include "host/RunFiles.h"
#include "host/RunTempFolder.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "platform/C1Exception.h"
#include "platform/MessageBox.h"
#include "platform/OutputFile.h"
#include "platform/QEDOM.h"
#include "platform/QELRTFXHost.h"
#include "platform/RunFileRecord.h"
#include "report/ReportOutput.h"
#include "report/ZirfAusgabe.h"
#include "resources/StringTable.h"

#include <memory>
#include <new>
#include <string>

int g_iStatus = 0;
int g_bHostProgress = 1;

namespace {

constexpr double kRequiredReportLibVersion = 2.0;
constexpr int kOptionsBufferSize = 256;
// Result of the embedment passes when the iteration diverged.
constexpr int kIterationDivergiert = 2;

enum StatusText {
    kProgrammstart = 465,
    kEingabedateiAnlesen = 466,
    kBerechnungStarten = 467,
};

// The run goes on with the output after the user has been told.
void ShowDivergence(const C1QEL& qel) {
    std::string text;
    QEL_MessageBox(qel.LOC_TranslateX(text, "Iteration divergiert:\n Berechnung abgebrochen"));
}

// A load state the wall cannot stand in is left out of every value: the user is told.
void ShowStatesThatCannotStand(const C1QEL& qel, const C1ZirfCalc& calc) {
    for (const std::string& zustand : calc.UngueltigeZustaende()) {
        std::string grund;
        std::string text;
        QEL_MessageBox(qel.LOC_TranslateX(grund, zustand.c_str()) +
                       qel.LOC_TranslateX(text, ";\n seine Werte sind in keinem Ergebnis "
                                                "berücksichtigt"));
    }
}

void AnnounceStatus(C1QEL& qel, int entry) {
    qel.SetStatusText(GetStringTableEntry(entry));
    qel.Progress(0);
}

void TraceHostOptions() {
    char options[kOptionsBufferSize] = {};
    QELRTFX_GetSetting("Optionen", options, kOptionsBufferSize);
    TracePrintf("Parameter %s", options);
}

// The run's steps after its trace is open.
void RunCalculationAndOutput(C1QEL& qel, QEDOM_HANDLE hDoc, int flag) {
    AnnounceStatus(qel, kEingabedateiAnlesen);
    C1ZirfInput input(&qel);
    C1Traeger traeger;
    // The calculation object is large: it lives on the heap for the run.
    const auto calc = std::make_unique<C1ZirfCalc>(&input, &traeger);
    g_iStatus = input.ReadAll();

    AnnounceStatus(qel, kBerechnungStarten);
    g_iStatus = calc->CalcBodenmodell();
    calc->fortschrittMelden = [&qel] { qel.Progress(0); };
    g_iStatus = calc->CalcWand();
    if (g_iStatus == kIterationDivergiert) {
        ShowDivergence(qel);
    } else {
        ShowStatesThatCannotStand(qel, *calc);
    }
    if (g_iStatus != kIterationDivergiert && input.mitanker != 0 && input.anker == 1) {
        // The anchor's deep slip line, for the wall the passes have found.
        g_iStatus = calc->CalcTiefeGleitfuge();
    }
    g_iStatus = ZirfAusgabe(qel, input, *calc);

    if (flag != 0) {
        const char* dokument = QEDOM_GetCompleteFileName(hDoc);
        DeleteRunFiles(input.skizze2d_datei, input.skizze3d_datei,
                       dokument != nullptr ? dokument : "");
    }
}

// Every object of the run lives in this scope, so an error destroys them all, the
// context last, before it is reported.
void RunSteps(QEDOM_HANDLE hDoc, int flag) {
    C1QEL qel("", "", hDoc, flag, g_bHostProgress, 1);
    qel.CheckReportLibVersion(kRequiredReportLibVersion, 1);
    // A report that cannot be written is told before the calculation, not after it.
    CheckReportWritable(qel.GetFiledpf());
    AnnounceStatus(qel, kProgrammstart);

    g_pDump = qel.OpenDumpFile("");
    g_pTrace = qel.OpenTraceFile("");
    TraceHostOptions();
    // The batch record that the host's options name, listed for the developer; a run
    // under the host acts on none of it.
    qel.ReadBatchEntries();
    qel.Dump("ZIRF_Calc");
    try {
        RunCalculationAndOutput(qel, hDoc, flag);
    } catch (const C1Exception& e) {
        // An error that shows no message still ends the run: the trace says why.
        if (e.code != 1) {
            TracePrintf("\nAbbruch ohne Meldung: %s (%s)", e.text.c_str(), e.module.c_str());
        }
        throw;
    }
}

// Forgets the output folders tried when the run ends, however it ends.
struct OutputFoldersForgotten {
    OutputFoldersForgotten() = default;
    OutputFoldersForgotten(const OutputFoldersForgotten&) = delete;
    OutputFoldersForgotten& operator=(const OutputFoldersForgotten&) = delete;
    ~OutputFoldersForgotten() { QEL_ForgetOutputFolders(); }
};

// A run that did not reach its end leaves no result element (the host must not take
// results that the output had written before the error for those of a complete run)
// and, unless its files are kept, none of the files it had written.
void EndFailedRun(QEDOM_HANDLE hDoc, int flag) {
    DeleteAllResults(hDoc);
    if (flag != 0) {
        const char* dokument = QEDOM_GetCompleteFileName(hDoc);
        QEL_DeleteRunFiles(dokument != nullptr ? dokument : "");
    }
}

} // namespace

ZirfRunOutcome ZirfRun(QEDOM_HANDLE hDoc, int flag) {
    // A report that cannot be written is told with the reason of this run's failure.
    QEL_ClearOutputFailure();
    // The run's temporary files live in a folder of its own, gone when the run ends.
    QEL_ClearRunFiles();
    // The output folder tried by the host's checks right before the run counts for the
    // run; the next run's checks try it again.
    const OutputFoldersForgotten forgotten;
    const RunTempFolder tempFolder;
    try {
        RunSteps(hDoc, flag);
        return ZirfRunOutcome::Completed;
    } catch (const C1Exception& e) {
        EndFailedRun(hDoc, flag);
        e.Report();
    } catch (const std::bad_alloc&) {
        EndFailedRun(hDoc, flag);
        QEL_MessageBox("Calculation aborted: not enough memory");
    } catch (...) {
        EndFailedRun(hDoc, flag);
        QEL_MessageBox("Calculation aborted");
    }
    return ZirfRunOutcome::Failed;
}
