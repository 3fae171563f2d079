// Where the report may turn its page: which parts keep with the part after them.

#include "platform/QELRTFXUmbruch.h"
#include "platform/QELRTFXDocument.h"

#include "RtfStructureCheck.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// A body written as one letter per part: U heading, T text, L blank paragraph, S other
// (picture, annotation, fragment), K table head row, Z table row, B row of pictures; "/"
// between two rows
// ends one table and starts the next. The answer: "1" for a part that keeps with the
// next, "0" for one that does not.
std::string Keeps(const std::string& body) {
    std::vector<UmbruchTeil> teile;
    int tabelle = 0;
    for (const char c : body) {
        const UmbruchArt art = c == 'U'   ? UmbruchArt::Ueberschrift
                               : c == 'T' ? UmbruchArt::Text
                               : c == 'L' ? UmbruchArt::Leer
                               : c == 'K' ? UmbruchArt::Kopfzeile
                               : c == 'Z' ? UmbruchArt::Zeile
                               : c == 'B' ? UmbruchArt::Bildzeile
                                          : UmbruchArt::Sonstiges;
        if (c == '/' || (art != UmbruchArt::Kopfzeile && art != UmbruchArt::Zeile &&
                         art != UmbruchArt::Bildzeile)) {
            ++tabelle;
        }
        if (c != '/') {
            teile.push_back({art, tabelle});
        }
    }
    std::string out;
    for (const bool keep : KeepWithNext(teile)) {
        out += keep ? '1' : '0';
    }
    return out;
}

std::string Rows(char c, int n) {
    return std::string(static_cast<std::size_t>(n), c);
}

TEST(Umbruch, WhatKeepsWithTheNextPart) {
    const int kurz = kKurzeTabelle;
    const int ein = kEinleitung;
    const int fort = kFortsetzung;
    const struct {
        const char* why;
        std::string body;
        std::string keeps;
    } faelle[] = {
        {"a heading, through a blank paragraph and the caption row, to the pictures", "ULKZU",
         "11101"},
        {"the diagrams with the heading and the table of their values under them", "ULKBUKZZT",
         "111111110"},
        {"a row of pictures with a verdict under it, and before a picture", "KBT/KBS", "110100"},
        {"a long table: its head and the first row, and its last two rows",
         "UKK" + Rows('Z', kurz + 2), "111" + Rows('0', kurz) + "10"},
        {"a short table whole, its last row with the verdict under it", "U" + Rows('Z', kurz) + "T",
         "1" + Rows('1', kurz) + "0"},
        {"a table of one more row than a short one", Rows('Z', kurz + 1),
         Rows('0', kurz - 1) + "10"},
        {"a long table's last row with the verdict under it", "U" + Rows('Z', kurz + 3) + "TU",
         "1" + Rows('0', kurz + 1) + "11" + "01"},
        {"a line under a heading that introduces a table", "UTLKZZ", "111110"},
        {"the lines under a heading that introduce a table, a blank one between them", "UTTTLZZS",
         "11111100"},
        {"as many introducing lines as keep with their table", "U" + Rows('T', ein) + "ZZ",
         "1" + Rows('1', ein) + "10"},
        {"more introducing lines than keep with a table: the heading with the first",
         "U" + Rows('T', ein + 1) + "ZZ", "1" + Rows('0', ein + 1) + "10"},
        {"lines under a heading followed by a picture", "UTTLS", "10000"},
        {"lines under a heading, a subheading, then the table", "UTTUZZ", "100110"},
        {"a blank paragraph that follows no heading", "TLU", "001"},
        {"an annotation ends what a heading began", "ULSLT", "11000"},
        {"a head-style row amid a long table", Rows('Z', 3) + "K" + Rows('Z', kurz),
         "0001" + Rows('0', kurz - 2) + "10"},
        {"a table of a row or two right under a table, as its last rows", "ZZ/" + Rows('Z', fort),
         "11" + Rows('1', fort - 1) + "0"},
        {"a longer table right under a table starts where it may",
         "ZZ/" + Rows('Z', fort + 1) + "T", "10" + Rows('1', fort + 1) + "0"},
        {"a text between two tables opens no chain", "ZZTZZ", "11010"},
        {"a table's verdict with a second verdict line, a heading after them", "ZZTTU", "11101"},
        {"a table's verdict and a line of text that does not close the section", "ZZTTS", "11000"},
        {"a verdict with three lines that close the section, blanks between", "ZZTLTTLTU",
         "111111101"},
        {"more lines under a table than close a section", "ZZTTTTTU", "11000001"},
        {"the line under a row of pictures keeps with the heading after it", "UKBTLUZZ",
         "11111110"},
        {"an empty body", "", ""},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(Keeps(fall.body), fall.keeps) << fall.why << ": " << fall.body;
    }
}

// Per paragraph and row of the document's RTF: "P" or "R" followed by "+" when it keeps
// with the next part ("\keepn"; a row also "\trkeepfollow" and "\keepn" in every cell).
// A row that is marked in only some of these places shows "?".
std::string KeepMarks(const std::string& rtf) {
    std::istringstream lines(rtf.substr(rtf.find("\\sectd")));
    std::string out;
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("\\trowd", 0) == 0) {
            EXPECT_NE(line.find("\\trkeep"), std::string::npos) << "a row that may split";
            const bool follow = line.find("\\trkeepfollow") != std::string::npos;
            bool cells = true;
            bool none = true;
            while (std::getline(lines, line) && line != "\\row") {
                const bool keep = line.find("\\keepn") != std::string::npos;
                cells = cells && keep;
                none = none && !keep;
            }
            out += std::string(" R") + (follow && cells ? "+" : !follow && none ? "" : "?");
        } else if (line.rfind("\\pard\\plain\\s", 0) == 0) {
            out += std::string(" P") + (line.find("\\keepn") != std::string::npos ? "+" : "");
        }
    }
    return out;
}

TEST(Umbruch, DocumentMarksParagraphsAndRows) {
    QELRTFXDocument doc("x.rtf", 1, QELRTFXDocument::ParseHeader(nullptr));
    const auto row = [&doc](int style, std::initializer_list<const char*> cells) {
        doc.RowStart(style);
        for (const char* c : cells) {
            doc.CellText(c);
        }
    };
    // A heading, a blank paragraph and a row of captions over a row of pictures.
    doc.Paragraph(3, "Schnittgr\xC3\xB6\xC3\x9F"
                     "en");
    doc.Paragraph(0, "");
    doc.TableColumns({4.0, 4.0});
    row(1, {"Momente", "Querkr\xC3\xA4"
                       "fte"});
    row(0, {"Bild 1", "Bild 2"});
    doc.RowEnd();
    // A long table with its verdict.
    doc.Paragraph(4, "Tabelle");
    doc.TableColumns({3.0, 2.0});
    row(1, {"Stelle", "M"});
    for (int i = 0; i < kKurzeTabelle; ++i) {
        row(0, {"Zeile", "1.0"});
    }
    doc.RowEnd();
    doc.Paragraph(0, "Nachweis eingehalten");
    // Body text and an annotation keep with nothing.
    doc.Paragraph(0, "Text");
    doc.Paragraph(5, "Anmerkung");
    doc.Paragraph(0, " ");
    const std::string rtf = doc.Rtf();
    EXPECT_EQ(rtfcheck::StructureFault(rtf), "");
    std::string middle;
    for (int i = 0; i < kKurzeTabelle - 2; ++i) {
        middle += " R";
    }
    // heading, blank, captions, pictures; heading, table head, rows, the last two with
    // the verdict; verdict, text, annotation, blank
    EXPECT_EQ(KeepMarks(rtf), " P+ P+ R+ R P+ R+" + middle + " R+ R+ P P P P");
}

// A heading under a table's verdict has its space above as a blank paragraph of that
// height of its own (LibreOffice would leave it alone at a page's foot); a heading under
// other text keeps its space in its own format.
TEST(Umbruch, HeadingUnderAVerdictStandsBelowASpaceOfItsOwn) {
    QELRTFXDocument doc("x.rtf", 1, QELRTFXDocument::ParseHeader(nullptr));
    doc.TableColumns({3.0, 2.0});
    doc.RowStart(0);
    doc.CellText("Summe");
    doc.CellText("1.0");
    doc.RowEnd();
    doc.Paragraph(0, "Nachweis eingehalten");
    doc.Paragraph(3, "Vertikalkomponente");
    doc.Paragraph(0, "Text");
    doc.Paragraph(3, "Nachweis");
    const std::string rtf = doc.Rtf();
    EXPECT_EQ(rtfcheck::StructureFault(rtf), "");
    EXPECT_NE(
        rtf.find("Nachweis eingehalten\\par\n"
                 "\\pard\\plain\\s0\\sa0\\sl-200\\slmult0\\keepn\\f1\\fs2 \\par\n"
                 "\\pard\\plain\\s3\\sb200\\sa100\\f1\\fs24\\b\\keepn\\sb0 Vertikalkomponente"),
        std::string::npos)
        << rtf;
    EXPECT_NE(rtf.find("Text\\par\n\\pard\\plain\\s3\\sb200\\sa100\\f1\\fs24\\b\\keepn Nachweis"),
              std::string::npos)
        << rtf;
}

} // namespace
