#pragma once

#include "platform/QELRTFXPicture.h"
#include "platform/QELRTFXTables.h"

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

    // Rows with as many cells as columns (surplus cells go into the last one).
    static Row Normalised(Row row);
    // The rows of one table with the widths their cells need; the table's first rows
    // in the table head style repeat on every page the table runs over.
    static std::string TableRtf(std::vector<Row> rows);
    static std::string RowRtf(const Row& row, bool headRow);
    void FinishRow();
    // Writes the table collected so far.
    void FinishTable();

    std::string fileName;
    int firstPage = 1;
    HeaderFields header;
    QELRTFXTables tables;
    std::string body;
    std::vector<double> columns;
    std::vector<Row> table; // rows of the table not yet written
    std::optional<Row> row;
};
