#pragma once

#include "report/C1Wert.h"
#include "report/ReportBlocks.h"

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class C1QEL;

// The writer of the calculation report. It opens the project's report with its page
// head, writes annotations, blank paragraphs and cells, and writes the rows of one
// block of report templates at a time: ReadTemplate loads the block, a caller formats
// line k (value slot k) with the row's values into m_Zeile and WriteRow writes it.
class C1RTFX {
public:
    // One column of a template row.
    struct SSpalten {
        std::string sText;
        int iBreite = 0; // signed width in mm; -6 or less also left-aligns the cell
        int iStyle = 0;
        int iFormat = 0; // above 0: the next text of the column is bold
        std::string sFussnote;
        bool bSichtbar = true;

        void Reset() { *this = SSpalten(); }
    };

    // One template row of the loaded block.
    struct SZeilen {
        int iTyp =
            0; // 1 paragraph, 11 table row with its columns, 13 table row with earlier columns
        int iStyle = 0;
        int bOhneV = 0;
        std::vector<SSpalten> Spalten;

        void Reset() { *this = SZeilen(); }
    };

    // Value slots 1 to 49; slot 0 is never used.
    static constexpr int kMaxZeilen = 49;
    // A caller formats a line from at most this much of its value slot.
    static constexpr std::size_t kFormatLaenge = 200;
    // Characters that the report head holds of the document root's `progname` and
    // `modulename` and of the translated `info` `progDesc` (trailing blanks not counted).
    static constexpr std::size_t kMaxNameZeichen = 31;
    static constexpr std::size_t kMaxTitelZeichen = 63;
    static constexpr const char* kWoProgname = "Wurzelelement: Attribut 'progname'";
    static constexpr const char* kWoModulename = "Wurzelelement: Attribut 'modulename'";
    // The input error for a head field whose text (`wo` names its element and attribute)
    // holds more than `grenze` characters after its trailing blanks; "" when it fits.
    static std::string KopfFeldZuLang(const std::string& text, const std::string& wo,
                                      std::size_t grenze);

    explicit C1RTFX(C1QEL* pQEL);
    ~C1RTFX();
    C1RTFX(const C1RTFX&) = delete;
    C1RTFX& operator=(const C1RTFX&) = delete;

    // Opens the run's report with the page head and the host's definitions; 0 when a
    // report is already open through this writer.
    int rtf_open(int nPage, const std::string& title);
    // The plain opening of the project's report without page head fields.
    int Open(int nPage);
    // Writes and closes the open report; 0 when none is open. A report file that
    // cannot be written raises C1Exception naming it.
    int Close(int mode);
    // Makes sure the report file can be written; asks the user to close it otherwise.
    int CheckFileNotOpen(const std::string& fileName);
    // The user's annotation under key, between blank paragraphs; 0 when there is none.
    int WriteAnnotation(const std::string& key, int nBefore, int nAfter);
    int WriteBlankParagraphs(int n);
    int WriteBlankCells(int n);
    int EndRow();

    // Loads string-table entries firstId to firstId + count - 1 as lines 1 to count.
    // More lines than value slots are refused with C1Exception.
    int ReadTemplate(int firstId, int count);
    int ReadTemplate(const C1TemplateBlock& block) {
        return ReadTemplate(block.iAnf, block.nZeilen);
    }
    // Writes m_Zeile as a paragraph or table row of the loaded block.
    int WriteRow(int);

    // Formats line k of the loaded block (the first kFormatLaenge bytes of its value
    // slot, never cut inside a conversion) with the values into m_Zeile. Text values
    // are written literally (RTF specials, "|" and "#" escaped).
    void FormatZeile(int k, std::initializer_list<C1Wert> values = {});
    // FormatZeile and WriteRow in one.
    int WriteZeile(int k, std::initializer_list<C1Wert> values = {});
    // FormatZeile and WriteRow with the row record of line k itself. A line's "#Z" tag
    // counts its place in the block it was written for; in a block that starts at
    // another line the tag names a different row, whose columns and kind would not fit.
    int WriteEigeneZeile(int k, std::initializer_list<C1Wert> values = {});
    // The same for the line that holds string-table entry id; an id outside the loaded
    // block is a programming error and raises C1Exception.
    int WriteEintrag(int id, std::initializer_list<C1Wert> values = {});

    // A template line with every cell translated for the report, the tail kept.
    std::string TranslateLine(const std::string& line) const;
    // The same with the localisation's section, file and type given by the caller.
    static std::string TranslateTemplateLine(const std::string& section, const std::string& file,
                                             const std::string& type, const std::string& line);
    // TranslateTemplateLine into the caller's buffer of size bytes (the closing zero
    // included, never cut inside a character); returns the length copied, 0 for an
    // empty text or a buffer without room.
    static int TranslateTemplateLine(const std::string& section, const std::string& file,
                                     const std::string& type, const std::string& line, char* buffer,
                                     int size);
    // One cell's translation; untranslated when QELUSER is set.
    std::string TranslateOutputText(const std::string& text) const;
    static std::string TranslateOutputText(const std::string& section, const std::string& file,
                                           const std::string& type, const std::string& text);

    // Column decorations; a row or column outside the loaded block is ignored.
    void SetColumnFormat(int row, int column, int value);
    // Bold (2) and the further emphasis (6) of the column's next text.
    void SetColumnFormat2(int row, int column) { SetColumnFormat(row, column, 2); }
    void SetColumnFormat6(int row, int column) { SetColumnFormat(row, column, 6); }
    // The first kValueTextLaenge characters of value slot k without leading blanks,
    // followed by a line feed; a slot outside 1 to kMaxZeilen gives only the line feed.
    std::string GetValueText(int k) const;
    static constexpr std::size_t kValueTextLaenge = 100;
    int SetCellText(int row, int column, const std::string& text);
    void SetColumnFlagAll(int column, bool visible);

    std::vector<std::string> m_Wert;
    std::string m_Zeile;
    C1QEL* pQEL = nullptr;
    int m_nOpen = 0;
    int iAnf = 0;
    std::vector<SZeilen> m_Zeilen;
    int m_bMinBreite = 0;

private:
    // A template line as every block reads it: its value slot and its row record with
    // the columns it defines itself.
    struct SVorlage {
        std::string wert;
        int iTyp = 0;
        int iStyle = 0;
        int bOhneV = 0;
        std::vector<int> breiten; // the widths the line defines itself, in mm
    };
    // The lines kept for the localisation of the run: translated (the text for a missing
    // entry is empty) and read.
    struct SVorlagen {
        std::map<int, std::string> uebersetzt;
        std::map<int, std::optional<SVorlage>> gelesen;
        std::string datei; // the localisation file
        bool qelUser = false;
    };
    SVorlagen& Vorlagen() const;
    const std::string& Uebersetzt(SVorlagen& vorlagen, int id) const;
    // The line of string-table entry id; nullptr for an entry that is empty or missing.
    const SVorlage* Vorlage(SVorlagen& vorlagen, int id) const;
    static std::string TranslateTemplateLine(bool qelUser, const std::string& section,
                                             const std::string& file, const std::string& type,
                                             const std::string& line);
    static std::string TranslateCell(bool qelUser, const std::string& section,
                                     const std::string& file, const std::string& type,
                                     const std::string& text);
    static SVorlage PrepareVorlage(const std::string& translated);
    // Appends a cell's text to out: bold where its column is marked so, with the footnote
    // the column holds (each once).
    void ZelleMitFussnote(std::string& out, std::string_view text, int row, int column);
    std::string ReportFileName() const;
};
