#include "report/C1RTFX.h"

#include "base/Numerik.h"
#include "host/C1QEL.h"
#include "platform/C1Exception.h"
#include "platform/Localisation.h"
#include "platform/MessageBox.h"
#include "platform/OutputFile.h"
#include "platform/QEDOM.h"
#include "platform/QELRTFXReport.h"
#include "platform/RtfText.h"
#include "report/C1ZeilenFormat.h"
#include "report/ReportFragment.h"
#include "report/ReportOutput.h"
#include "report/SymbolZeichen.h"
#include "report/TemplateFields.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <utility>

namespace {

constexpr int kKindParagraph = 1;
constexpr int kKindColumns = 11;
constexpr int kKindSameColumns = 13;
constexpr int kMinWidthMm = 4;
constexpr int kLeftAlignWidthMm = -6;
constexpr std::size_t kTailBlanks = 17;
constexpr std::size_t kLineBlanks = 9;
constexpr int kLastTableId = 65509;
constexpr int kReservedFirst = 61440;
constexpr int kReservedLast = 61888;
// Where the localisation library finds the report's texts.
constexpr const char* kSection = "QEL Ausgabe";
constexpr const char* kType = "rtf";

std::string RTrim(std::string s) {
    // The lines end in many blanks: each is looked at once, not searched for in a set.
    std::size_t end = s.size();
    while (end > 0 &&
           (s[end - 1] == ' ' || s[end - 1] == '\t' || s[end - 1] == '\r' || s[end - 1] == '\n')) {
        --end;
    }
    s.erase(end);
    return s;
}

std::string_view TrimBlanks(std::string_view s) {
    std::size_t begin = 0;
    std::size_t end = s.size();
    while (begin < end && s[begin] == ' ') {
        ++begin;
    }
    while (end > begin && s[end - 1] == ' ') {
        --end;
    }
    return s.substr(begin, end - begin);
}

std::string Trim(std::string_view s) {
    return std::string(TrimBlanks(s));
}

// An integer from the characters [pos, pos + length) as atoi reads it.
int ReadInt(const std::string& s, std::size_t pos, std::size_t length) {
    if (pos >= s.size()) {
        return 0;
    }
    const std::string part = s.substr(pos, length);
    std::size_t i = part.find_first_not_of(' ');
    if (i == std::string::npos) {
        return 0;
    }
    bool negative = false;
    if (part[i] == '-' || part[i] == '+') {
        negative = part[i] == '-';
        ++i;
    }
    int value = 0;
    for (; i < part.size() && part[i] >= '0' && part[i] <= '9'; ++i) {
        value = value * 10 + (part[i] - '0');
    }
    return negative ? -value : value;
}

std::size_t CharacterCount(const std::string& utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

std::string Attribute(QEDOM_HANDLE element, const char* name) {
    const char* text = QEDOM_GetString(element, name);
    return text != nullptr ? std::string(text) : std::string();
}

} // namespace

C1RTFX::C1RTFX(C1QEL* context) : m_Wert(kMaxZeilen + 1), pQEL(context) {
    if (pQEL == nullptr) {
        throw C1Exception("C1RTFX::ctor, pQEL=null", "debug");
    }
    m_Zeile.reserve(1024);
}

C1RTFX::~C1RTFX() {
    if (m_nOpen >= 1) {
        // The run is ending on an error; the report goes out as far as it got.
        const QELRTFXDocument* document = QELRTFX_OpenDocument();
        const std::string name = document != nullptr ? document->FileName() : std::string();
        if (QELRTFX_Close(0) == 0 && !name.empty()) {
            QEL_MessageBox(ReportNotWrittenText(name));
        }
        --m_nOpen;
    }
}

std::string C1RTFX::ReportFileName() const {
    const std::string prefix = pQEL->GetFiledpf();
    if (prefix.empty()) {
        throw C1Exception("rtf_open: kein Name der RTF-Ausgabedatei (File/dpf ist leer)",
                          "C1RTFX::rtf_open");
    }
    return prefix + ".rtf";
}

std::string C1RTFX::KopfFeldZuLang(const std::string& text, const std::string& wo,
                                   std::size_t grenze) {
    const std::size_t zeichen = CharacterCount(RTrim(text));
    if (zeichen <= grenze) {
        return {};
    }
    return "xml-Eingabedatei, " + wo + " hat " + std::to_string(zeichen) +
           " Zeichen; der Kopf des Berichts fasst höchstens " + std::to_string(grenze);
}

int C1RTFX::rtf_open(int nPage, const std::string& title) {
    if (m_nOpen > 0) {
        return 0;
    }
    const QEDOM_HANDLE root = QEDOM_GetRootElement(pQEL->hDoc);
    CheckFileNotOpen(ReportFileName());

    const std::string name = RTrim(Attribute(root, "progname"));
    const std::string module = RTrim(Attribute(root, "modulename"));
    const std::string version = RTrim(Attribute(root, "version"));
    std::string description;
    pQEL->LOC_TranslateX(description,
                         Attribute(QEDOM_FindFirstChild(root, "info"), "progDesc").c_str());
    description = RTrim(description);
    // The host refuses long names before the calculation (C1ZirfInput::ReadInfo); the
    // translated description is known only here.
    for (const std::string& fehler :
         {KopfFeldZuLang(name, kWoProgname, kMaxNameZeichen),
          KopfFeldZuLang(module, kWoModulename, kMaxNameZeichen),
          KopfFeldZuLang(description, "Element 'info': Attribut 'progDesc'", kMaxTitelZeichen)}) {
        if (!fehler.empty()) {
            pQEL->FatalError(fehler);
        }
    }

    std::string header;
    for (const std::string& field :
         {"Name=QE-" + name, "Version=V " + version, "Titel= " + description, "@T=" + title}) {
        header += field;
        header += '\0';
    }
    header += '\0';
    if (QELRTFX_Open("", 0, 1, nPage, header.c_str()) == 0) {
        throw C1Exception("rtf_open: RTF-Ausgabedatei kann nicht angelegt werden",
                          "C1RTFX::rtf_open");
    }
    ++m_nOpen;
    // The host's definitions come first in the report.
    if (pQEL->IsKorvel2005()) {
        InsertRtfFragment(pQEL->hDoc, "vardef", "", 0);
    }
    // Every text of the table is presented to the localisation library once, so that
    // it knows the module's texts; the blocks of the report take their lines from what
    // this gives (once in a process for each localisation).
    SVorlagen& vorlagen = Vorlagen();
    for (const StringTableEntry& entry : StringTableEntries()) {
        const bool reserved = entry.id >= kReservedFirst && entry.id <= kReservedLast;
        if (entry.id >= 0 && entry.id <= kLastTableId && !reserved && *entry.text != '\0') {
            Uebersetzt(vorlagen, entry.id);
        }
    }
    return 1;
}

int C1RTFX::Open(int nPage) {
    if (pQEL->IsReportSuppressed()) {
        return 0;
    }
    Close(0);
    if (QELRTFX_Open(ReportFileName().c_str(), 1, 1, nPage, "") == 0) {
        return 0;
    }
    ++m_nOpen;
    return 1;
}

int C1RTFX::Close(int mode) {
    if (m_nOpen < 1) {
        return 0;
    }
    const QELRTFXDocument* document = QELRTFX_OpenDocument();
    const std::string name = document != nullptr ? document->FileName() : std::string();
    const int written = QELRTFX_Close(mode);
    --m_nOpen;
    if (written == 0) {
        throw C1Exception(ReportNotWrittenText(name), "C1RTFX::Close");
    }
    return 1;
}

int C1RTFX::CheckFileNotOpen(const std::string& fileName) {
    // Says what keeps the report from being written; the file itself is left alone.
    const QEL_OutputCheck check = QEL_CheckOutputFile(fileName);
    if (check.problem != QEL_OutputProblem::None) {
        QEL_MessageBox(ReportNotWritableText(fileName, QEL_OutputProblemText(check)));
    }
    return 1;
}

int C1RTFX::WriteAnnotation(const std::string& key, int nBefore, int nAfter) {
    const QEDOM_HANDLE root = QEDOM_GetRootElement(pQEL->hDoc);
    const QEDOM_HANDLE annotations =
        QEDOM_FindFirstChild(QEDOM_FindFirstChild(root, "input"), "annotations");
    const std::string text = Attribute(annotations, key.c_str());
    if (text.empty()) {
        return 0;
    }
    WriteBlankParagraphs(nBefore);
    QELRTFX_Paragraph(5, RtfEscapeUserText(text).c_str());
    WriteBlankParagraphs(nAfter);
    return 1;
}

int C1RTFX::WriteBlankParagraphs(int n) {
    for (int i = 0; i < n; ++i) {
        QELRTFX_Paragraph(0, " ");
    }
    return 1;
}

int C1RTFX::WriteBlankCells(int n) {
    for (int i = 0; i < n; ++i) {
        QELRTFX_CellText(" ");
        QELRTFX_CellEnd();
    }
    return 1;
}

int C1RTFX::EndRow() {
    QELRTFX_RowEnd();
    return 1;
}

std::string C1RTFX::TranslateOutputText(const std::string& section, const std::string& file,
                                        const std::string& type, const std::string& text) {
    return TranslateCell(IsQelUser() != 0, section, file, type, text);
}

std::string C1RTFX::TranslateCell(bool qelUser, const std::string& section, const std::string& file,
                                  const std::string& type, const std::string& text) {
    if (qelUser) {
        return text;
    }
    if (text.empty()) {
        return {};
    }
    const char* translated =
        LOC_Translate(section.c_str(), file.c_str(), type.c_str(), text.c_str());
    return translated != nullptr ? std::string(translated) : std::string();
}

std::string C1RTFX::TranslateOutputText(const std::string& text) const {
    return TranslateOutputText(kSection, "Korvel_o_" + pQEL->GetLocFileName(), kType, text);
}

std::string C1RTFX::TranslateLine(const std::string& line) const {
    return TranslateTemplateLine(kSection, "Korvel_o_" + pQEL->GetLocFileName(), kType, line);
}

std::string C1RTFX::TranslateTemplateLine(const std::string& section, const std::string& file,
                                          const std::string& type, const std::string& line) {
    // The switch is asked once for the line, not for each of its cells.
    return TranslateTemplateLine(IsQelUser() != 0, section, file, type, line);
}

std::string C1RTFX::TranslateTemplateLine(bool qelUser, const std::string& section,
                                          const std::string& file, const std::string& type,
                                          const std::string& line) {
    // No cell may be empty, or the cells would shift: "||" becomes "|  |".
    std::string s;
    s.reserve(line.size() + 8);
    std::size_t from = 0;
    for (std::size_t bar = line.find("||"); bar != std::string::npos; bar = line.find("||", from)) {
        s.append(line, from, bar + 1 - from).append("  ");
        from = bar + 1;
    }
    s.append(line, from, std::string::npos);
    const std::size_t z = s.find("#Z");
    const std::string_view cellPart = std::string_view(s).substr(0, z);
    std::string out;
    out.reserve(s.size() + kTailBlanks + 16);
    bool first = true;
    std::size_t pos = 0;
    while (pos <= cellPart.size()) {
        std::size_t bar = cellPart.find('|', pos);
        if (bar == std::string_view::npos) {
            bar = cellPart.size();
        }
        if (bar > pos) {
            const std::string translated =
                TranslateCell(qelUser, section, file, type,
                              std::string(TrimBlanks(cellPart.substr(pos, bar - pos))));
            if (!first) {
                out += " | ";
            }
            if (translated.empty()) {
                out.append(4, ' ');
            } else {
                out += translated;
            }
            first = false;
        }
        pos = bar + 1;
    }
    out.append(kTailBlanks, ' ');
    if (z != std::string::npos) {
        out.append(s, z, std::string::npos);
    }
    return out;
}

int C1RTFX::TranslateTemplateLine(const std::string& section, const std::string& file,
                                  const std::string& type, const std::string& line, char* buffer,
                                  int size) {
    if (buffer == nullptr || size < 1) {
        return 0;
    }
    buffer[0] = '\0';
    if (line.empty()) {
        return 0;
    }
    const std::string translated = TranslateTemplateLine(section, file, type, line);
    std::size_t length = std::min(translated.size(), static_cast<std::size_t>(size) - 1);
    while (length > 0 && length < translated.size() &&
           (static_cast<unsigned char>(translated[length]) & 0xC0) == 0x80) {
        --length; // a character that does not fit is left out whole
    }
    translated.copy(buffer, length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

C1RTFX::SVorlagen& C1RTFX::Vorlagen() const {
    // A line's translation depends on nothing but its text, the localisation file and
    // whether QELUSER is set; the table's texts never change. So each line is translated
    // and read once, however many runs and blocks use it, and kept while runs have the
    // same localisation (a batch over documents of many keeps one set, not one each).
    static std::pair<std::string, bool> schluessel;
    static SVorlagen vorlagen;
    std::pair<std::string, bool> jetzt("Korvel_o_" + pQEL->GetLocFileName(), IsQelUser() != 0);
    if (jetzt != schluessel) {
        schluessel = std::move(jetzt);
        vorlagen = SVorlagen();
        vorlagen.datei = schluessel.first;
        vorlagen.qelUser = schluessel.second;
    }
    return vorlagen;
}

const std::string& C1RTFX::Uebersetzt(SVorlagen& vorlagen, int id) const {
    auto found = vorlagen.uebersetzt.find(id);
    if (found == vorlagen.uebersetzt.end()) {
        const std::string entry = GetStringTableEntry(id);
        // The localisation of the set: its file and switch are known, not asked per line.
        static const std::string abschnitt = kSection;
        static const std::string art = kType;
        found = vorlagen.uebersetzt
                    .emplace(id, entry.empty() ? entry
                                               : TranslateTemplateLine(vorlagen.qelUser, abschnitt,
                                                                       vorlagen.datei, art, entry))
                    .first;
    }
    return found->second;
}

const C1RTFX::SVorlage* C1RTFX::Vorlage(SVorlagen& vorlagen, int id) const {
    auto found = vorlagen.gelesen.find(id);
    if (found == vorlagen.gelesen.end()) {
        const std::string& translated = Uebersetzt(vorlagen, id);
        std::optional<SVorlage> vorlage;
        if (!translated.empty()) {
            vorlage = PrepareVorlage(translated);
        }
        found = vorlagen.gelesen.emplace(id, std::move(vorlage)).first;
    }
    return found->second ? &*found->second : nullptr;
}

C1RTFX::SVorlage C1RTFX::PrepareVorlage(const std::string& translated) {
    SVorlage vorlage;
    std::string line = RTrim(MapSymbolLetters(translated)) + std::string(kLineBlanks, ' ');
    const std::size_t z = line.find("#Z");
    const std::size_t v = line.find("#V");
    if (v == std::string::npos) {
        // A blank line of the table: its row writes nothing.
        vorlage.bOhneV = 1;
        vorlage.wert = Trim(line.substr(0, z));
        return vorlage;
    }
    vorlage.iTyp = ReadInt(line, v + 2, 3);
    vorlage.iStyle = ReadInt(line, v + 5, 3);
    const std::string widths = v + 8 < line.size() ? line.substr(v + 8) : std::string();
    const std::size_t cellEnd = z != std::string::npos && z < v ? z : (v >= 6 ? v - 6 : 0);
    const std::string tail = z != std::string::npos ? line.substr(z) : std::string();
    if (vorlage.iTyp == kKindColumns) {
        vorlage.breiten = ReadColumnWidths(widths);
    }
    vorlage.wert = ConvertFields(line.substr(0, cellEnd)) + tail;
    return vorlage;
}

int C1RTFX::ReadTemplate(int firstId, int count) {
    if (count < 0 || count > kMaxZeilen) {
        throw C1Exception("C1RTFX::ReadTemplate, Anzahl der Zeilen " + std::to_string(count) +
                              " nicht in 0 bis " + std::to_string(kMaxZeilen),
                          "C1RTFX::ReadTemplate");
    }
    iAnf = firstId;
    m_Zeilen.assign(static_cast<std::size_t>(count) + 1, SZeilen());
    m_Wert.assign(kMaxZeilen + 1, std::string());
    SVorlagen& vorlagen = Vorlagen();
    for (int k = 1; k <= count; ++k) {
        const SVorlage* vorlage = Vorlage(vorlagen, firstId + k - 1);
        if (vorlage == nullptr) {
            continue;
        }
        SZeilen row;
        row.iTyp = vorlage->iTyp;
        row.iStyle = vorlage->iStyle;
        row.bOhneV = vorlage->bOhneV;
        for (int width : vorlage->breiten) {
            if (m_bMinBreite == 1 && width > 0 && width < kMinWidthMm) {
                width = kMinWidthMm;
            } else if (m_bMinBreite == 1 && width < 0 && width > -kMinWidthMm) {
                width = -kMinWidthMm;
            }
            SSpalten column;
            column.iBreite = width;
            column.iStyle = row.iStyle;
            row.Spalten.push_back(column);
        }
        if ((row.iTyp == kKindColumns || row.iTyp == kKindSameColumns) && row.Spalten.empty()) {
            // A row without widths of its own takes those of the nearest row before it.
            for (int j = k - 1; j >= 1; --j) {
                const SZeilen& earlier = m_Zeilen.at(static_cast<std::size_t>(j));
                if (earlier.iTyp == kKindColumns && !earlier.Spalten.empty()) {
                    row.Spalten = earlier.Spalten;
                    break;
                }
            }
        }
        m_Zeilen[static_cast<std::size_t>(k)] = std::move(row);
        m_Wert[static_cast<std::size_t>(k)] = vorlage->wert;
    }
    return 1;
}

void C1RTFX::FormatZeile(int k, std::initializer_list<C1Wert> values) {
    if (k < 1 || k >= static_cast<int>(m_Zeilen.size())) {
        throw C1Exception("C1RTFX::FormatZeile, Zeile " + std::to_string(k) +
                              " nicht im Block ab " + std::to_string(iAnf),
                          "C1RTFX::FormatZeile");
    }
    // Texts come from the input; none of them may act as RTF or split the row.
    std::vector<C1Wert> escaped(values);
    for (C1Wert& wert : escaped) {
        if (auto* text = std::get_if<std::string>(&wert.value)) {
            *text = RtfEscapeUserText(*text);
        }
    }
    m_Zeile =
        ::FormatZeile(CutTemplate(m_Wert.at(static_cast<std::size_t>(k)), kFormatLaenge), escaped);
}

int C1RTFX::WriteZeile(int k, std::initializer_list<C1Wert> values) {
    FormatZeile(k, values);
    return WriteRow(1);
}

int C1RTFX::WriteEigeneZeile(int k, std::initializer_list<C1Wert> values) {
    FormatZeile(k, values);
    const std::size_t z = m_Zeile.find("#Z");
    if (z != std::string::npos) {
        std::string tag = std::to_string(k);
        tag.insert(0, tag.size() < 2 ? 2 - tag.size() : 0, ' ');
        m_Zeile.replace(z + 2, std::min<std::size_t>(2, m_Zeile.size() - z - 2), tag);
    }
    return WriteRow(1);
}

int C1RTFX::WriteEintrag(int id, std::initializer_list<C1Wert> values) {
    return WriteZeile(id - iAnf + 1, values);
}

int C1RTFX::WriteRow(int) {
    std::string line = RTrim(std::move(m_Zeile));
    m_Zeile.clear();
    if (line.empty()) {
        return 0;
    }
    const std::size_t z = line.find("#Z");
    const int rowNo = z == std::string::npos ? -1 : ReadInt(line, z + 2, 3);
    const int count = static_cast<int>(m_Zeilen.size()) - 1;
    if (rowNo < 0 || rowNo > count) {
        return 1;
    }
    line.resize(z);
    line = RTrim(std::move(line));
    SZeilen& row = m_Zeilen.at(static_cast<std::size_t>(rowNo));
    if (row.iTyp == kKindParagraph) {
        QELRTFX_Paragraph(row.iStyle, line.c_str());
        return 1;
    }
    if (row.iTyp != kKindColumns && row.iTyp != kKindSameColumns) {
        return 1;
    }
    std::vector<double> widths;
    for (const SSpalten& column : row.Spalten) {
        if (column.bSichtbar) {
            widths.push_back(std::abs(column.iBreite) * 0.1);
        }
    }
    QELRTFX_TableColumns(static_cast<int>(widths.size()), widths.data());
    QELRTFX_RowStart(row.iStyle);
    const std::size_t n = row.Spalten.size();
    if (n >= 2 && line.find('|') == std::string::npos) {
        QEL_MessageBox("Liesformat: iAnf=" + std::to_string(iAnf) + ", iZeile=" +
                       std::to_string(rowNo) + " : zuwenig Tabellenspaltenl\xC3\xA4ngen definiert");
        return 0;
    }
    const std::string_view zeile = line;
    std::size_t pos = 0;
    std::string text;
    for (std::size_t c = 0; c < n; ++c) {
        std::string_view zelle;
        if (c + 1 < n) {
            const std::size_t bar = zeile.find('|', pos);
            if (bar != std::string_view::npos) {
                zelle = zeile.substr(pos, bar - pos);
                pos = bar + 1;
            }
        } else {
            zelle = zeile.substr(pos);
        }
        // The cell's text is put together in one string kept from cell to cell.
        const bool links = row.Spalten[c].iBreite <= kLeftAlignWidthMm;
        text.assign(links ? "\\ql " : "");
        ZelleMitFussnote(text, TrimBlanks(zelle), rowNo, static_cast<int>(c));
        if (row.Spalten[c].bSichtbar) {
            QELRTFX_CellText(text.c_str());
        }
    }
    return 1;
}

void C1RTFX::ZelleMitFussnote(std::string& out, std::string_view text, int row, int column) {
    SSpalten* col = nullptr;
    if (row >= 1 && row < static_cast<int>(m_Zeilen.size())) {
        auto& columns = m_Zeilen[static_cast<std::size_t>(row)].Spalten;
        if (column >= 0 && column < static_cast<int>(columns.size())) {
            col = &columns[static_cast<std::size_t>(column)];
        }
    }
    if (col != nullptr && col->iFormat > 0) {
        out += "\\b ";
        col->iFormat = 0;
    }
    out += text;
    if (col != nullptr && !col->sFussnote.empty()) {
        out += "{\\ftnbj\\cs16\\super\\chftn{\\footnote{\\cs16\\super\\chftn}\\fs20\r\n ";
        out += RtfEscapeUserText(col->sFussnote);
        out += "}}\r\n";
        col->sFussnote.clear();
    }
}

std::string C1RTFX::GetValueText(int k) const {
    if (k < 1 || k > kMaxZeilen) {
        return "\n";
    }
    const std::string& slot = m_Wert.at(static_cast<std::size_t>(k));
    const std::size_t begin = std::min(slot.find_first_not_of(' '), slot.size());
    std::size_t end = begin;
    for (std::size_t n = 0; end < slot.size() && n < kValueTextLaenge; ++n) {
        ++end;
        while (end < slot.size() && (static_cast<unsigned char>(slot[end]) & 0xC0) == 0x80) {
            ++end; // the rest of a character of several bytes
        }
    }
    return slot.substr(begin, end - begin) + "\n";
}

void C1RTFX::SetColumnFormat(int row, int column, int value) {
    if (row < 0 || row >= static_cast<int>(m_Zeilen.size())) {
        return;
    }
    auto& columns = m_Zeilen[static_cast<std::size_t>(row)].Spalten;
    if (column >= 1 && column <= static_cast<int>(columns.size())) {
        columns[static_cast<std::size_t>(column) - 1].iFormat = value;
    }
}

int C1RTFX::SetCellText(int row, int column, const std::string& text) {
    if (text.empty() || text == " " || row < 0 || row >= static_cast<int>(m_Zeilen.size())) {
        return 0;
    }
    auto& columns = m_Zeilen[static_cast<std::size_t>(row)].Spalten;
    if (column < 1 || column > static_cast<int>(columns.size())) {
        return 0;
    }
    columns[static_cast<std::size_t>(column) - 1].sFussnote = text;
    return 1;
}

void C1RTFX::SetColumnFlagAll(int column, bool visible) {
    for (SZeilen& row : m_Zeilen) {
        if (column >= 0 && column < static_cast<int>(row.Spalten.size())) {
            row.Spalten[static_cast<std::size_t>(column)].bSichtbar = visible;
        }
    }
}
