#pragma once

#include "platform/QELRTFXPicture.h"
#include "platform/QELRTFXTables.h"
#include "platform/QELRTFXUmbruch.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The report as an RTF document held in memory: paragraphs in the report's styles,
// tables row by row, pictures and inserted RTF fragments. Texts are UTF-8 and may
// carry RTF control words; characters outside ASCII are written as RTF escapes.
//
// Styles: 0 body, 1 table head, 2 to 4 heading levels, 5 annotation; any other
// number is written as body.
//
// The document holds its parts until it is written, so that each part can say whether
// it keeps with the one after it (platform/QELRTFXUmbruch.h). Word and LibreOffice
// both read a paragraph's "\keepn", in a table cell too, where it keeps the row with
// the next one; rows carry "\trkeep" (never split) and, where they keep with the next
// row, "\trkeepfollow" for readers that look at the row.
class QELRTFXDocument {
public:
    // The header fields of the page head, as handed over at opening: "key=value" texts,
    // each closed by a zero byte, the whole closed by a second zero byte. Two texts
    // without a value are options of the report: "nohead" (no page head) and "nologo"
    // (no logo; these reports have none anyway).
    struct HeaderFields {
        std::string name;    // "Name"
        std::string version; // "Version"
        std::string title;   // "Titel"
        std::string note;    // "@T", the title of the position
        bool noHead = false; // "nohead"
        bool noLogo = false; // "nologo"
        std::string bytes;   // the fields exactly as handed over, both zero bytes included
    };
    // Reads the fields up to the closing double zero byte; a null text gives none.
    static HeaderFields ParseHeader(const char* text);

    QELRTFXDocument(std::string fileName, int firstPage, HeaderFields header);

    void Paragraph(int style, std::string_view text);
    // Column widths in cm of the rows that follow.
    void TableColumns(std::vector<double> widthsCm);
    // Starts a row with the current columns; a row still open is ended first.
    void RowStart(int style);
    // Fills the next cell of the open row; false when no row is open.
    bool CellText(std::string_view text);
    // Ends the open row and with it the table.
    void RowEnd();
    // Inserts an RTF document under a heading in the given style (no heading when it
    // is empty); false when the text is not RTF.
    bool InsertRtf(std::string_view rtf, std::string_view heading, int headingStyle);
    // A picture in the next cell of an open row, else as a paragraph of its own.
    void InsertPicture(const QELRTFXPicture& picture, double widthCm, double heightCm);

    // The complete document; a row still open is ended in the text, not in the document.
    std::string Rtf() const;
    // The same handed to write piece by piece, a few ten thousand bytes at a time.
    void WriteRtf(const std::function<void(std::string_view)>& write) const;
    const std::string& FileName() const { return fileName; }
    const HeaderFields& Header() const { return header; }
    int FirstPage() const { return firstPage; }

private:
    struct Row {
        int style = 0;
        std::vector<double> widthsCm;
        std::vector<std::string> cells; // RTF-ready
        std::vector<double> needCm;     // per cell, the width its widest word needs
        bool picture = false;           // a picture in a cell keeps the widths as given
    };

    // The style of a part that is an inserted fragment.
    static constexpr int kFragment = -1;
    // One part of the body: a table (its rows), an inserted fragment (style kFragment,
    // its RTF) or a paragraph (its style and text).
    struct Teil {
        UmbruchArt art = UmbruchArt::Sonstiges; // of a paragraph or a fragment
        int style = kFragment;
        std::string rtf;
        std::vector<Row> rows;
    };

    // Rows with as many cells as columns (surplus cells go into the last one).
    static Row Normalised(Row row);
    // The rows of one table that show anything, with the widths their cells need.
    static std::vector<Row> LaidOut(std::vector<Row> rows);
    // The parts in RTF appended to out, each paragraph and row keeping with the next
    // where it should; a table's first rows in the table head style repeat on every page
    // it runs over.
    // After each part and each cell, spill may take what out holds so far; a text too
    // large to be copied into out (a picture) is handed to it as `gross`, to go after
    // what out holds.
    using Spill = std::function<void(std::string& out, std::string_view gross)>;
    static void AppendBodyRtf(std::string& out, const std::vector<const Teil*>& parts,
                              const Spill& spill);
    static void AppendRowRtf(std::string& out, const Row& row, bool headRow, bool keep,
                             const Spill& spill);
    // text appended to out, or handed to spill where it is large.
    static void AppendText(std::string& out, std::string_view text, const Spill& spill);
    void AddParagraph(UmbruchArt art, int style, std::string rtf);
    void FinishRow();
    // Adds the table collected so far to the parts.
    void FinishTable();

    std::string fileName;
    int firstPage = 1;
    HeaderFields header;
    QELRTFXTables tables;
    std::vector<Teil> parts;
    std::vector<double> columns;
    std::vector<Row> table; // rows of the table not yet written
    std::optional<Row> row;
};
