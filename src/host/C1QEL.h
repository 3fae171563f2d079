#pragma once

#include "platform/Plaetze.h"
#include "platform/ProgressWnd.h"
#include "platform/QEDOM.h"

#include <array>
#include <cstdio>
#include <string>

// Host context of one run: the host's document, the module's folder, the project
// settings the host keeps, the localisation name, the progress state and the run's
// input, dump and trace files. A run builds exactly one and destroys it last; its
// construction starts the report library, its destruction tells the host that the
// run has ended.
class C1QEL {
public:
    // The batch-mode record. In a run only QuickModus is read.
    struct SQuick {
        static constexpr int kMaxDateien = 32;
        static constexpr int kMaxPar = 32;

        int iAnz = 0;
        std::array<std::string, kMaxDateien> Datei;
        std::array<std::string, kMaxDateien> ToDo;
        // The parameters of file i, made for a file that has one (most runs have none).
        C1Plaetze<std::array<std::string, kMaxPar>, kMaxDateien, 1> Par;
        int QuickModus = 0;
        int bAll = 0;
        int bNoReport = 0;
        int bClosed = 0;
        std::string DateiShortText;
        std::string Auftrag;
        std::string Position;
    };

    // An empty context without document, files or report library (used by tests).
    C1QEL() = default;
    // The context of a run under the host: checks the document, finds the module's
    // folder, starts the report library and reads the project settings. Null names
    // count as empty.
    C1QEL(const char* nameVersionsInfoDatei, const char* nameRTFResDatei, QEDOM_HANDLE doc,
          int flag, int hostProgress, int deleteResult);
    // The context of a calculation item outside the host: no document; the input is
    // read from a text file, the batch options come from the host's option line, and
    // status and progress go to the given display (not in quick mode).
    explicit C1QEL(ProgressWnd* progressWnd);
    ~C1QEL();

    C1QEL(const C1QEL&) = delete;
    C1QEL& operator=(const C1QEL&) = delete;

    // --- Settings -------------------------------------------------------------
    // The host's setting of key, trailing blanks removed.
    static std::string GetSetting(const std::string& key);
    // The host's setting of key as it is, copied into buffer (size bytes, the zero
    // included; cut on a character boundary). Returns 1.
    static int GetSetting(const std::string& key, char* buffer, int size);
    // What the report library answers for key when asked with an empty buffer of size 0.
    static int QuerySetting(const std::string& key);
    // The batch switches "Option/Quick" and "Option/All" by their values into the
    // batch-mode record; returns QuickModus. (The length of a setting, which the library
    // answers to a query of size 0, is no switch: "Option/Quick=0" is off.)
    int ReadQuickOptionen();
    void DeleteResult();

    QEDOM_HANDLE GetDoc() const { return hDoc; }
    std::string GetFiledpf() const { return Filedpf; }
    // The suite's common folder (setting "Common").
    std::string GetPfadQEL() const { return PfadQEL; }
    std::string GetLocFileName() const { return m_LocFileName; }
    std::string GetNameVersionsInfoDatei() const { return NameVersionsInfoDatei; }
    int GetQuickModus() const { return Quick.QuickModus; }
    int IsKorvel2005() const { return m_bKorvel2005; }
    std::string GetQuickDatei(int i) const { return Quick.Datei.at(static_cast<std::size_t>(i)); }
    int IsReportSuppressed() const { return Quick.bNoReport; }

    // --- Status and progress ------------------------------------------------------
    int SetStatusText(const std::string& text);
    int Progress(int value);
    // 1 when the report library reports at least the required version; else 0, or
    // the run ends when raise is not 0.
    int CheckReportLibVersion(double required, int raise);
    // 1 when QuickModus is 0, else 0; the arguments are not read.
    int IsNotQuick(int) const;
    int IsNotQuick(int, int) const;
    // Steps that do nothing: DummyStep answers 1, DummyCheck 0; the argument is not read.
    int DummyStep(int) const { return 1; }
    int DummyCheck(int) const { return 0; }

    // --- Trace and dump files -------------------------------------------------------
    static int IsDeveloper();
    FILE* OpenDumpFile(const std::string& name);
    FILE* OpenTraceFile(const std::string& name);
    FILE* GetInputFile() const { return m_pInputFile; }
    FILE* GetDumpFile() const { return m_pDumpFile; }
    FILE* GetTraceFile() const { return m_pTraceFile; }
    int CloseInputFile();
    int CloseDumpFile();
    int CloseTraceFile();
    // The temporary folder followed by '/' and the name; the folder alone for "".
    static std::string GetTempFileName(const std::string& name);

    // --- Translation ----------------------------------------------------------------
    std::string& LOC_TranslateX(std::string& out, const char* text) const;
    static std::string& LOC_TranslateSection(std::string& out, const std::string& locName,
                                             const char* text, bool bInput);
    static std::string GetLocName(const std::string& programName, const std::string& moduleName);

    // Closes the context's input, dump and trace files and raises C1Exception(text).
    [[noreturn]] void FatalError(const std::string& text);

    // --- Batch mode (quick mode) ------------------------------------------------------
    // Reads the batch switches "Option/Quick" and "Option/All" and, in quick mode, the
    // entries of the option line; returns QuickModus. Only outside the host.
    int ReadIn();
    // Fills the batch entries (files, what to do with them, their parameters, short
    // text, order and position) from the host's option line "Optionen"; returns iAnz,
    // the number of files named.
    int ReadBatchEntries();
    // The value of the first entry of key in the option line; "" when there is none.
    static std::string GetOptionValue(const std::string& line, const std::string& key);
    // 1 when the host's option line has an entry of key (its last one's value in
    // value), else 0.
    static int GetOption(const std::string& key, std::string& value);
    // The host's setting of key read as a whole decimal number; 0 when absent or not one.
    static int GetSettingInt(const std::string& key);
    // The whole host setting of key, however long, trailing white space removed.
    static std::string GetWholeSetting(const std::string& key);
    // Index 1 to 31 of the batch file whose to-do name is name (case ignored); 0 for none.
    int FindQuickToDo(const std::string& name) const;
    std::string GetQuickDateiByToDo(const std::string& name) const;
    // Opens the report of batch file i (its name + ".rtf", without logo and page head);
    // returns i, or 0 when not in quick mode, i names no file, or the file is one of
    // this context's own (input, report, result).
    int OpenQuickReport(const std::string& toDo);
    int OpenQuickReport2(int i);
    int CloseQuickReport();
    // The text file of the batch file of that to-do (its name + ".txt"), opened for
    // writing; null under the same conditions as OpenQuickReport. The caller closes it.
    FILE* OpenQuickText(const std::string& toDo);

    // --- Text input ---------------------------------------------------------------
    static constexpr int kZeileSchluessel = -1;
    static constexpr int kZeileDaten = 1;
    static constexpr int kZeileEnde = 0;
    // Opens the text input (File when name is empty) as the context's input file.
    FILE* OpenIn(const std::string& name);
    // The next line that is no comment, with its line end: kZeileSchluessel for a
    // keyword line, kZeileDaten for a data line, kZeileEnde (line empty) at the end.
    int ReadIn(std::string& line);
    // Starts the input file again from its first line.
    void RewindIn();
    // An error in the text input, naming its chapter and line: raised, never an exit.
    [[noreturn]] void InputFileError(const std::string& chapter, const std::string& line);
    // FatalError under the name of the older callers; the first argument is not read.
    [[noreturn]] void FatalErrorStatic(int, const std::string& text);
    // The suite's material and reinforcing-steel tables in the common folder; "" when
    // that folder is not known.
    std::string GetMaterialFile() const;
    std::string GetBStFile() const;
    // Lists the context and the batch record in the dump file. Returns 1.
    int Dump(const std::string& title);

    int m_bKorvel2005 = 0;
    QEDOM_HANDLE hDoc = 0;
    const void* m_hDLL = nullptr;
    std::string m_DLLName;
    std::string Auftrag;
    std::string Prog;
    std::string PfadQEL;
    std::string File;
    std::string Filef;
    std::string Filedpf;
    std::string Filedpfe;
    std::string Pver;
    std::string Pnam;
    std::string Titel;
    std::string NameRTFResDatei;
    std::string NameVersionsInfoDatei;
    // The progress display of a context not run by the host; null under the host.
    ProgressWnd* pProgressWnd = nullptr;
    SQuick Quick;
    int iLanguageOutput = 0;
    int bHostProgress = 0;
    int iProgress = 0;
    bool bModularisieren = false;
    std::string progname;
    std::string modulename;
    std::string m_LocFileName;

private:
    void FindModuleFolder();
    void StartReportLibrary(const std::string& documentFile);
    void ReadProjectSettings(bool withFilef = true);
    void ReadLocalisation();
    void CloseFiles();
    // The module's own display when it shows anything (not in quick mode), else null.
    ProgressWnd* OwnDisplay() const;
    // Progress on the module's own display (a context not run by the host).
    int ProgressOwnDisplay(int value);

    // True when a file named by the batch entries is one of this context's own.
    bool IsOwnFile(const std::string& file) const;
    std::string CompanionFile(const char* name) const;

    bool m_bGestartet = false; // built by a constructor that starts the report library
    std::string m_InputName;   // the text input that OpenIn opened
    int m_iInputZeile = 0;     // lines read from it so far
    FILE* m_pInputFile = nullptr;
    FILE* m_pDumpFile = nullptr;
    FILE* m_pTraceFile = nullptr;
};

// Waits the given time on the process's own handle; returns the result of that wait
// (its time-out, QEL_WAIT_TIMEOUT).
int SleepMs(int milliseconds);
