// The host context outside the host: the text-input constructor, the batch record read
// from the host's option line and the reports and text files of a batch.

#include "host/C1QEL.h"

#include "host/Optionszeile.h"
#include "platform/C1Exception.h"
#include "platform/Kernel.h"
#include "platform/QELRTFXHost.h"
#include "platform/QELRTFXReport.h"
#include "platform/Utf8.h"

#include <charconv>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kErsteDatei = 1;
constexpr int kLetzteDatei = C1QEL::SQuick::kMaxDateien - 1;
constexpr int kLetzterPar = C1QEL::SQuick::kMaxPar - 1;
constexpr const char* kWhiteSpace = " \t\r\n\v\f";
constexpr const char* kTextInputSuffix = ".qe1";
// Options of a batch report, each closed by a zero byte, the list by a second one.
constexpr char kQuickReportOptionen[] = "nologo\0nohead\0";

std::string Trim(const std::string& s) {
    const auto begin = s.find_first_not_of(kWhiteSpace);
    if (begin == std::string::npos) {
        return std::string();
    }
    return s.substr(begin, s.find_last_not_of(kWhiteSpace) - begin + 1);
}

std::string Wert(const std::vector<SOptionEintrag>& entries, const std::string& key) {
    const SOptionEintrag* entry = FindOptionEintrag(entries, key);
    return entry == nullptr ? std::string() : entry->value;
}

std::string Nummer(int i) {
    return std::to_string(i);
}

bool IsFileIndex(int i) {
    return i >= kErsteDatei && i <= kLetzteDatei;
}

// Both names lead to one file (or would, once it is written).
bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) {
        return false;
    }
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) {
        return true;
    }
    const fs::path pa = fs::weakly_canonical(fs::absolute(a, ec), ec);
    if (ec) {
        return false;
    }
    const fs::path pb = fs::weakly_canonical(fs::absolute(b, ec), ec);
    return !ec && pa == pb;
}

} // namespace

C1QEL::C1QEL(ProgressWnd* progressWnd) {
    m_bKorvel2005 = 0;
    pProgressWnd = progressWnd;
    bHostProgress = 0;
    iProgress = 0;
    if (QELRTFX_InitFile() == 0) {
        FatalError("Fehler bei qe-init(),  Eingabedatei ?");
    }
    m_bGestartet = true;
    ReadProjectSettings(false);
    if (ReadIn() != 0) {
        File = Quick.Position + kTextInputSuffix;
    }
    if (Quick.QuickModus == 0 && pProgressWnd != nullptr) {
        pProgressWnd->SetTitle(Pnam + " - " + File);
    }
}

std::string C1QEL::GetWholeSetting(const std::string& key) {
    const int length = QuerySetting(key);
    if (length <= 0) {
        return std::string();
    }
    std::string value(static_cast<std::size_t>(length) + 1, '\0');
    QELRTFX_GetSetting(key.c_str(), value.data(), length + 1);
    value.resize(value.find('\0'));
    const auto end = value.find_last_not_of(kWhiteSpace);
    return end == std::string::npos ? std::string() : value.substr(0, end + 1);
}

int C1QEL::GetSettingInt(const std::string& key) {
    const std::string text = Trim(GetWholeSetting(key));
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') {
        ++first;
    }
    int value = 0;
    const auto result = std::from_chars(first, last, value);
    return result.ec == std::errc() && result.ptr == last ? value : 0;
}

int C1QEL::ReadIn() {
    if (m_bKorvel2005 != 0) {
        throw C1Exception("C1QEL::ReadIn()  m_bKorvel2005=true", "debug");
    }
    if (ReadQuickOptionen() == 0) {
        return 0;
    }
    Quick.bNoReport = 1;
    Quick.bClosed = 1;
    ReadBatchEntries();
    return Quick.QuickModus;
}

int C1QEL::ReadBatchEntries() {
    const std::vector<SOptionEintrag> entries = ParseOptionszeile(GetWholeSetting("Optionen"));
    Quick.iAnz = 0;
    for (int i = kErsteDatei; i <= kLetzteDatei; ++i) {
        const auto at = static_cast<std::size_t>(i);
        Quick.Datei.at(at) = Wert(entries, "F" + Nummer(i));
        Quick.ToDo.at(at) = Wert(entries, "O" + Nummer(i));
        if (!Quick.Datei.at(at).empty()) {
            ++Quick.iAnz;
        }
        for (int j = 1; j <= kLetzterPar; ++j) {
            std::string wert =
                entries.empty() ? std::string() : Wert(entries, "P" + Nummer(i) + "_" + Nummer(j));
            // An empty parameter of a file without parameters is there already.
            if (!wert.empty() || Quick.Par.Gemacht(at)) {
                Quick.Par[at].at(static_cast<std::size_t>(j)) = std::move(wert);
            }
        }
    }
    Quick.DateiShortText = Wert(entries, "SHORTTXT");
    Quick.Auftrag = Wert(entries, "AUF");
    Quick.Position = Wert(entries, "POS");
    return Quick.iAnz;
}

std::string C1QEL::GetOptionValue(const std::string& line, const std::string& key) {
    return Wert(ParseOptionszeile(line), key);
}

int C1QEL::GetOption(const std::string& key, std::string& value) {
    int found = 0;
    for (const SOptionEintrag& entry : ParseOptionszeile(GetWholeSetting("Optionen"))) {
        if (IsSameOptionKey(entry.key, key)) {
            value = entry.value; // the last entry of the key wins
            found = 1;
        }
    }
    return found;
}

int C1QEL::FindQuickToDo(const std::string& name) const {
    if (name.empty()) {
        return 0;
    }
    for (int i = kErsteDatei; i <= kLetzteDatei; ++i) {
        if (IsSameOptionKey(Quick.ToDo.at(static_cast<std::size_t>(i)), name)) {
            return i;
        }
    }
    return 0;
}

std::string C1QEL::GetQuickDateiByToDo(const std::string& name) const {
    const int i = FindQuickToDo(name);
    return i == 0 ? std::string() : Quick.Datei.at(static_cast<std::size_t>(i));
}

bool C1QEL::IsOwnFile(const std::string& file) const {
    std::vector<std::string> own = {File, m_InputName};
    if (!Filedpf.empty()) {
        own.push_back(Filedpf + ".rtf");
        own.push_back(Filedpf + ".result.xml");
    }
    if (hDoc != 0) {
        own.push_back(TextOf(QEDOM_GetCompleteFileName(hDoc)));
    }
    for (const std::string& name : own) {
        if (SameFile(file, name)) {
            return true;
        }
    }
    return false;
}

int C1QEL::OpenQuickReport(const std::string& toDo) {
    if (toDo.empty()) {
        return 0;
    }
    return OpenQuickReport2(FindQuickToDo(toDo));
}

int C1QEL::OpenQuickReport2(int i) {
    if (Quick.QuickModus < 1 || !IsFileIndex(i) ||
        Quick.Datei.at(static_cast<std::size_t>(i)).empty()) {
        return 0;
    }
    const std::string file = Quick.Datei.at(static_cast<std::size_t>(i)) + ".rtf";
    if (IsOwnFile(file) || QELRTFX_Open(file.c_str(), 0, 1, 0, kQuickReportOptionen) == 0) {
        return 0;
    }
    Quick.bNoReport = 0;
    return i;
}

int C1QEL::CloseQuickReport() {
    if (Quick.QuickModus < 1) {
        return 0;
    }
    QELRTFX_Close(0);
    Quick.bNoReport = 1;
    return 1;
}

FILE* C1QEL::OpenQuickText(const std::string& toDo) {
    const int i = FindQuickToDo(toDo);
    if (Quick.QuickModus < 1 || !IsFileIndex(i) ||
        Quick.Datei.at(static_cast<std::size_t>(i)).empty()) {
        return nullptr;
    }
    const std::string file = Quick.Datei.at(static_cast<std::size_t>(i)) + ".txt";
    return IsOwnFile(file) ? nullptr : std::fopen(file.c_str(), "w");
}

int C1QEL::Dump(const std::string& title) {
    QEL_OutputDebugString("Dump_Start");
    FILE* out = m_pDumpFile;
    if (out == nullptr) {
        return 1;
    }
    const char* dashes = "--------------------------------------------------- \n";
    std::fprintf(out, "\n%sC1QEL - Dump \n%s \n", dashes, title.c_str());
    const struct {
        const char* format;
        const std::string& value;
    } members[] = {{"Auftrag:               %s \n", Auftrag},
                   {"Prog:                  %s \n", Prog},
                   {"PfadQEL:               %s \n", PfadQEL},
                   {"File:                  %s \n", File},
                   {"Filedpf:               %s \n", Filedpf},
                   {"Filedpfe:              %s \n", Filedpfe},
                   {"Pver:                  %s \n", Pver},
                   {"Pnam:                  %s \n", Pnam},
                   {"NameRTFResDatei      : %s \n", NameRTFResDatei},
                   {"NameVersionsInfoDatei: %s \n", NameVersionsInfoDatei}};
    for (const auto& m : members) {
        std::fprintf(out, m.format, m.value.c_str());
    }
    std::fprintf(out, "Parameter            : %s \n", GetWholeSetting("Optionen").c_str());
    std::fprintf(out, "\n");
    std::fprintf(out, "QuickModus           : %d \n", Quick.QuickModus);
    std::fprintf(out, "Quick.iAnz           : %d \n", Quick.iAnz);
    std::fprintf(out, "Quick.Position       : %s \n", Quick.Position.c_str());
    std::fprintf(out, "Quick.Auftrag        : %s \n", Quick.Auftrag.c_str());
    std::fprintf(out, "Quick.DateiShortText : %s \n", Quick.DateiShortText.c_str());
    for (int i = kErsteDatei; i <= kLetzteDatei; ++i) {
        const auto at = static_cast<std::size_t>(i);
        std::fprintf(out, "Datei, ToDo : %s  %s \n", Quick.Datei.at(at).c_str(),
                     Quick.ToDo.at(at).c_str());
    }
    std::fprintf(out, "%s", dashes);
    return 1;
}
