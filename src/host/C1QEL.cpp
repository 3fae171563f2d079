#include "host/C1QEL.h"

#include "base/Trace.h"
#include "host/ResultElements.h"
#include "platform/C1Exception.h"
#include "platform/Kernel.h"
#include "platform/Localisation.h"
#include "platform/OutputFile.h"
#include "platform/QELRTFXHost.h"
#include "platform/RunFileRecord.h"
#include "platform/Utf8.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <locale.h>
#include <unistd.h>

namespace {

constexpr int kSettingBufferSize = 1024;
constexpr int kVersionBufferSize = 256;
constexpr int kProgressMaximum = 100;
constexpr const char* kWhiteSpace = " \t\r\n\v\f";
constexpr const char* kDumpDefaultName = "X.X";
constexpr const char* kTraceDefaultName = "x.y";
constexpr const char* kOutputSection = "QEL Ausgabe";
constexpr const char* kInputSection = "QEL Eingabe";
constexpr const char* kOutputLocFile = "Korvel_o_";
constexpr const char* kInputLocFile = "Korvel_i_";
constexpr const char* kLocType = "rtf";

// Files that other programs of the suite leave in the current folder; a run removes
// them when it ends, when it wrote them itself.
constexpr const char* kSuiteLeftovers[] = {"LKGEN_GammaPsi.txt", "LKGEN_KombRegeln.txt"};

// Any object of this module: its address tells the loader which file holds the module.
const char kModuleAnchor = 0;

std::string TrimRight(const std::string& s) {
    const auto end = s.find_last_not_of(kWhiteSpace);
    return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}

std::string Trim(const std::string& s) {
    const auto begin = s.find_first_not_of(kWhiteSpace);
    return begin == std::string::npos ? std::string() : TrimRight(s.substr(begin));
}

// A decimal number at the start of the text (leading white space skipped); 0 when
// there is none.
int LeadingInt(const std::string& text) {
    const auto begin = text.find_first_not_of(kWhiteSpace);
    if (begin == std::string::npos) {
        return 0;
    }
    const char* first = text.data() + begin;
    if (*first == '+') {
        ++first;
    }
    int value = 0;
    const auto result = std::from_chars(first, text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0;
}

// The number at the start of the text as the C runtime reads it, in the C locale
// whatever locale the host set; 0 for no number and for infinities and NaN.
double LeadingDouble(const char* text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    const double value = strtod_l(text, nullptr, cLocale);
    return std::isfinite(value) ? value : 0.0;
}

std::string NowFormatted(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, format, &local);
    return buffer;
}

// Opens a diagnostic file: the named one (or its default) for a developer, else the
// null device. Failures are swallowed and give a null handle. The file is made anew, so
// that a link of its name is replaced, never written through.
FILE* OpenDiagnosticFile(const std::string& name, const char* defaultName) {
    if (!C1QEL::IsDeveloper()) {
        return std::fopen(QEL_NullDevice(), "w");
    }
    const int fd = QEL_CreateReplacingFile(name.empty() ? defaultName : name);
    FILE* file = fd >= 0 ? fdopen(fd, "w") : nullptr;
    if (file == nullptr && fd >= 0) {
        close(fd);
    }
    return file;
}

// Closes a file of the context and forgets every handle to it, so that no trace line
// can be written through a closed handle.
int CloseStream(FILE*& handle) {
    if (handle != nullptr) {
        if (g_pTrace == handle) {
            g_pTrace = nullptr;
            g_bTraceVerworfen = false;
        }
        if (g_pDump == handle) {
            g_pDump = nullptr;
        }
        std::fclose(handle);
        handle = nullptr;
    }
    return 1;
}

} // namespace

C1QEL::C1QEL(const char* nameVersionsInfoDatei, const char* nameRTFResDatei, QEDOM_HANDLE doc,
             int flag, int hostProgress, int deleteResult) {
    if (doc == 0) {
        throw C1Exception("C1QEL::ctor()  hDoc =null", "debug");
    }
    m_bKorvel2005 = 1;
    m_bGestartet = true;
    hDoc = doc;
    NameVersionsInfoDatei = TextOf(nameVersionsInfoDatei);
    NameRTFResDatei = TextOf(nameRTFResDatei);
    bHostProgress = hostProgress;

    FindModuleFolder();
    const std::string posName = TextOf(QEDOM_GetCompleteFileName(hDoc));
    if (posName.empty()) {
        throw C1Exception("C1QEL::ctor()  PosName ist leer");
    }
    StartReportLibrary(posName);
    ReadProjectSettings();
    ReadLocalisation();

    Quick.QuickModus = 1;
    Quick.bAll = 1;
    Quick.bNoReport = flag == 0 ? 1 : 0;
    Quick.bClosed = 0;

    if (deleteResult != 0) {
        DeleteResult();
    }
}

C1QEL::~C1QEL() {
    if (!m_bGestartet) {
        CloseFiles();
        return; // an empty context has told nobody anything
    }
    if (bHostProgress != 0) {
        QELRTFX_Notify(0, 0, "e");
    }
    CloseFiles();
    for (const char* name : kSuiteLeftovers) {
        // Only a file this run wrote: one that was there is another program's.
        if (QEL_IsRunFile(name)) {
            QEL_DeleteFile(name);
        }
    }
}

void C1QEL::FindModuleFolder() {
    // The module's file stays what it is while the module is loaded: it is looked up (a
    // search of the loader's tables) once.
    static const QEL_ModuleFile module = QEL_GetModuleFile(&kModuleAnchor);
    m_hDLL = module.handle;
    const auto slash = module.fileName.find_last_of('/');
    m_DLLName = slash == std::string::npos ? std::string() : module.fileName.substr(0, slash + 1);
    if (m_hDLL == nullptr) {
        throw C1Exception("C1QEL::ctor()  m_hDLL =null", "debug");
    }
    if (m_DLLName.empty()) {
        throw C1Exception("C1QEL::ctor()  m_DLLName =null", "debug");
    }
}

void C1QEL::StartReportLibrary(const std::string& documentFile) {
    std::string commandLine = "\"" + m_DLLName + "\" \"" + documentFile + "\"";
    if (IsDeveloper()) {
        commandLine += " /noform";
    }
    if (QELRTFX_Init(commandLine.c_str()) == 0) {
        FatalError("Fehler bei qe-init()");
    }
}

void C1QEL::ReadProjectSettings(bool withFilef) {
    Auftrag = GetSetting("Projekt");
    Prog = GetSetting("Prog/dp");
    File = GetSetting("File/fe");
    if (withFilef) {
        Filef = GetSetting("File/f");
    }
    Filedpf = GetSetting("File/dpf");
    Filedpfe = GetSetting("File/dpfe");
    if (!Filedpfe.empty()) {
        // The host's value ends in a character that is not part of the name.
        Filedpfe.back() = ' ';
        Filedpfe = TrimRight(Filedpfe);
    }
    Pnam = GetSetting("QE-Name/");
    Titel = GetSetting("QE-Titel/");
    Pver = GetSetting("QE-Version/");
    PfadQEL = GetSetting("Common");
    iLanguageOutput = LeadingInt(GetSetting("gets/LanguageOutput"));
}

void C1QEL::ReadLocalisation() {
    progname.clear();
    modulename.clear();
    const QEDOM_HANDLE root = QEDOM_GetRootElement(hDoc);
    bModularisieren = QEDOM_GetInt(QEDOM_FindFirstChild(root, "info"), "bModularisieren") != 0;
    if (bModularisieren) {
        progname = Trim(TextOf(QEDOM_GetString(root, "progname")));
        modulename = Trim(TextOf(QEDOM_GetString(root, "modulename")));
    }
    m_LocFileName = Trim(GetLocName(progname, modulename));
}

std::string C1QEL::GetSetting(const std::string& key) {
    char buffer[kSettingBufferSize] = {};
    QELRTFX_GetSetting(key.c_str(), buffer, kSettingBufferSize);
    return TrimRight(buffer);
}

int C1QEL::GetSetting(const std::string& key, char* buffer, int size) {
    QELRTFX_GetSetting(key.c_str(), buffer, size);
    return 1;
}

int C1QEL::QuerySetting(const std::string& key) {
    char empty[1] = {};
    return QELRTFX_GetSetting(key.c_str(), empty, 0);
}

int C1QEL::ReadQuickOptionen() {
    Quick.QuickModus = GetSettingInt("Option/Quick");
    Quick.bAll = GetSettingInt("Option/All");
    return Quick.QuickModus;
}

void C1QEL::DeleteResult() {
    DeleteAllResults(hDoc);
}

int C1QEL::SetStatusText(const std::string& text) {
    if (m_bKorvel2005 == 0) {
        ProgressWnd* display = OwnDisplay();
        if (display == nullptr) {
            return 0;
        }
        display->SetText(text);
        display->Repaint();
        return 1;
    }
    if (bHostProgress != 0) {
        QELRTFX_Notify(0, 0, ("1 " + text).c_str());
        QELRTFX_Notify(0, 0, "2 ");
    }
    return 1;
}

int C1QEL::Progress(int value) {
    if (m_bKorvel2005 == 0) {
        return ProgressOwnDisplay(value);
    }
    if (value <= 0) {
        ++iProgress;
    } else if (value > iProgress) {
        iProgress = value;
    }
    if (iProgress > kProgressMaximum) {
        iProgress = 1;
    }
    if (bHostProgress != 0) {
        QELRTFX_Notify(iProgress, kProgressMaximum, "p");
    }
    return 1;
}

ProgressWnd* C1QEL::OwnDisplay() const {
    // Outside the host only the module's own display shows anything, and not in quick mode.
    return Quick.QuickModus == 0 ? pProgressWnd : nullptr;
}

int C1QEL::ProgressOwnDisplay(int value) {
    ProgressWnd* display = OwnDisplay();
    if (display == nullptr) {
        return 0;
    }
    int lower = 0;
    int upper = 0;
    display->GetRange(lower, upper);
    if (display->GetPos() < upper) {
        if (value > 0) {
            display->SetPos(value);
        } else {
            display->StepIt();
        }
        display->Repaint();
    }
    return 1;
}

int C1QEL::IsNotQuick(int) const {
    return Quick.QuickModus == 0 ? 1 : 0;
}

int C1QEL::IsNotQuick(int, int) const {
    return IsNotQuick(0);
}

int C1QEL::CheckReportLibVersion(double required, int raise) {
    char buffer[kVersionBufferSize] = {};
    QELRTFX_GetSetting("QE-Version/qelrtfx", buffer, kVersionBufferSize);
    const std::string text(buffer);
    QEL_OutputDebugString("Inf=" + text);
    // The first character is a letter of the library's own (such as "V").
    const double version = text.size() < 2 ? 0.0 : LeadingDouble(text.c_str() + 1);
    char line[64];
    std::snprintf(line, sizeof line, "V=%lf", version);
    QEL_OutputDebugString(line);
    if (required > version) {
        if (raise != 0) {
            FatalError("qelrtfx.dll ist nicht korrekt");
        }
        return 0;
    }
    return 1;
}

int C1QEL::IsDeveloper() {
    return QEL_IsDeveloperSwitchOn() ? 1 : 0;
}

FILE* C1QEL::OpenDumpFile(const std::string& name) {
    CloseStream(m_pDumpFile);
    m_pDumpFile = OpenDiagnosticFile(name, kDumpDefaultName);
    if (m_pDumpFile != nullptr) {
        std::fprintf(m_pDumpFile, "X.X-Datei    erstellt am %s um %s \n \n",
                     NowFormatted("%m/%d/%y").c_str(), NowFormatted("%H:%M:%S").c_str());
    }
    return m_pDumpFile;
}

FILE* C1QEL::OpenTraceFile(const std::string& name) {
    CloseStream(m_pTraceFile);
    m_pTraceFile = OpenDiagnosticFile(name, kTraceDefaultName);
    g_bTraceVerworfen = !IsDeveloper();
    return m_pTraceFile;
}

int C1QEL::CloseInputFile() {
    return CloseStream(m_pInputFile);
}

int C1QEL::CloseDumpFile() {
    return CloseStream(m_pDumpFile);
}

int C1QEL::CloseTraceFile() {
    return CloseStream(m_pTraceFile);
}

void C1QEL::CloseFiles() {
    CloseInputFile();
    CloseDumpFile();
    CloseTraceFile();
}

std::string C1QEL::GetTempFileName(const std::string& name) {
    const std::string folder = QEL_GetTempFolder();
    return name.empty() ? folder : folder + "/" + name;
}

std::string& C1QEL::LOC_TranslateX(std::string& out, const char* text) const {
    const std::string file = kOutputLocFile + m_LocFileName;
    out = TextOf(LOC_Translate(kOutputSection, file.c_str(), kLocType, text));
    QEL_OutputDebugString("C1QEL::LOC_TranslateX  string=" + TextOf(text) +
                          ", m_LocFileName=" + m_LocFileName + ", resultstring=" + out);
    return out;
}

std::string& C1QEL::LOC_TranslateSection(std::string& out, const std::string& locName,
                                         const char* text, bool bInput) {
    const std::string file = (bInput ? kInputLocFile : kOutputLocFile) + locName;
    out = TextOf(
        LOC_Translate(bInput ? kInputSection : kOutputSection, file.c_str(), kLocType, text));
    return out;
}

std::string C1QEL::GetLocName(const std::string& programName, const std::string& moduleName) {
    // The suite's table of program and module codes with localisation names of their
    // own is not deployed with this module, so every name is the plain concatenation.
    return programName + moduleName;
}

void C1QEL::FatalError(const std::string& text) {
    CloseFiles();
    throw C1Exception(text);
}

int SleepMs(int milliseconds) {
    return QEL_WaitOnOwnProcess(milliseconds);
}
