#include "platform/QELRTFXTableLayout.h"
#include "platform/QELRTFXDocument.h"
#include "platform/TextBreite.h"

#include "RtfStructureCheck.h"

#include <gtest/gtest.h>

#include <numeric>
#include <regex>

namespace {

constexpr double kTol = 1e-9;
constexpr double kTextWidthCm = 16.5;

double Total(const std::vector<double>& w) {
    return std::accumulate(w.begin(), w.end(), 0.0);
}

TEST(FitTableColumns, TableThatFitsKeepsItsWidths) {
    const std::vector<QELRTFXLayoutRow> rows = {
        {{1.0, 2.0, 3.0}, {0.5, 2.0, 0.0}},
        {{3.0, -3.0}, {1.0, 2.9}}, // a negative width is a left-aligned column of that width
    };
    const auto w = FitTableColumns(rows, kTextWidthCm);
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0], (std::vector<double>{1.0, 2.0, 3.0}));
    EXPECT_EQ(w[1], (std::vector<double>{3.0, 3.0}));
}

TEST(FitTableColumns, WordWiderThanItsColumnWidensItAndTheRowsStayAligned) {
    // The head "Bezeichnung" spans the value columns 1 and 2 of the rows below it.
    const std::vector<QELRTFXLayoutRow> rows = {
        {{1.0, 2.0, 1.5}, {0.8, 3.0, 1.0}},
        {{1.0, 1.0, 1.0, 1.5}, {0.5, 0.5, 1.6, 1.0}},
    };
    const auto w = FitTableColumns(rows, kTextWidthCm);
    // Value column 2 needs 1.6: 0.6 more; then the head needs 3.0 over 1.0 + 1.6, and its
    // 0.4 more is shared in proportion to the given widths 1 : 1.
    EXPECT_NEAR(w[1][0], 1.0, kTol);
    EXPECT_NEAR(w[1][1], 1.2, kTol);
    EXPECT_NEAR(w[1][2], 1.8, kTol);
    EXPECT_NEAR(w[1][3], 1.5, kTol);
    EXPECT_NEAR(w[0][1], w[1][1] + w[1][2], kTol); // the head still spans both
    EXPECT_NEAR(w[0][2], w[1][3], kTol);
}

TEST(FitTableColumns, TooWideTableShrinksWhereCellsLeaveRoomWithinTheTextWidth) {
    // The head-load table as written: 16.8 cm, nine columns, the eighth empty in every
    // row; each cell needs a third of its width but the third column, which needs all.
    const std::vector<double> given = {0.8, 1.6, 3.2, 3.2, 1.6, 1.6, 1.6, 1.6, 1.6};
    std::vector<double> need;
    for (const double g : given) {
        need.push_back(g / 3.0);
    }
    need[2] = 3.2;
    need[7] = 0.0;
    const auto w = FitTableColumns({{given, need}, {given, need}}, kTextWidthCm);
    EXPECT_NEAR(Total(w[0]), kTextWidthCm, 1e-6);
    EXPECT_EQ(w[0], w[1]);
    for (std::size_t c = 0; c < given.size(); ++c) {
        EXPECT_GE(w[0][c], need[c] - kTol) << c;
        EXPECT_LE(w[0][c], given[c] + kTol) << c;
    }
    EXPECT_NEAR(w[0][2], 3.2, kTol); // no room to take there
}

TEST(FitTableColumns, WordsWiderThanThePageScaleDownTogether) {
    const auto w = FitTableColumns({{{8.0, 8.0}, {10.0, 12.0}}}, kTextWidthCm);
    EXPECT_NEAR(w[0][0], 7.5, kTol);
    EXPECT_NEAR(w[0][1], 9.0, kTol);
}

TEST(TextBreite, VisibleTextOfACell) {
    const struct {
        const char* rtf;
        const char* visible;
        bool bold;
    } cases[] = {
        {"\\ql Sand", "Sand", false},
        {"\\b ma\\u223?gebend",
         "ma\xC3\x9F"
         "gebend",
         true},
        {"a\\\\b\\{c\\}", "a\\b{c}", false},
        {"Bau\\'7cfeld", "Bau?feld", false},
        {"x{\\ftnbj\\cs16\\super\\chftn{\\footnote{\\cs16\\super\\chftn}\\fs20 Fu}}", "x", false},
        {"zwei\\line Zeilen", "zwei Zeilen", false},
        {"\\b0 normal", "normal", false},
    };
    for (const auto& c : cases) {
        bool bold = false;
        EXPECT_EQ(VisibleCellText(c.rtf, bold), c.visible) << c.rtf;
        EXPECT_EQ(bold, c.bold) << c.rtf;
    }
    // Arial's digits are 0.556 em wide: "10.00" at 8 pt is 2.502 em = 7.06 mm.
    EXPECT_NEAR(TextWidthMm("10.00", 8.0, false), (4 * 0.556 + 0.278) * 8.0 * 25.4 / 72.0, 1e-9);
    EXPECT_NEAR(WidestWordMm("talseitig horizontal", 8.0, false),
                TextWidthMm("horizontal", 8.0, false), 1e-9);
    EXPECT_GT(TextWidthMm("horizontal", 8.0, true), TextWidthMm("horizontal", 8.0, false));
}

// Boundaries of the rows in twips, as the document writes them.
std::vector<std::vector<long>> Boundaries(const std::string& rtf) {
    std::vector<std::vector<long>> rows;
    static const std::regex kCellx("\\\\cellx(\\d+)");
    std::size_t pos = 0;
    while ((pos = rtf.find("\\trowd", pos)) != std::string::npos) {
        const std::size_t end = rtf.find('\n', pos);
        const std::string head = rtf.substr(pos, end - pos);
        std::vector<long> b;
        for (std::sregex_iterator it(head.begin(), head.end(), kCellx), last; it != last; ++it) {
            b.push_back(std::stol((*it)[1]));
        }
        rows.push_back(b);
        pos = end;
    }
    return rows;
}

TEST(QELRTFXDocument, TableHeadRowsRepeatAndNarrowColumnsWiden) {
    QELRTFXDocument doc("x.rtf", 1, QELRTFXDocument::ParseHeader(nullptr));
    doc.TableColumns({1.6, 1.0});
    doc.RowStart(1);
    doc.CellText("Schicht");
    doc.CellText("Bezeichnung"); // does not fit 1 cm at 8 pt bold
    doc.RowStart(1);
    doc.CellText("Nr.");
    doc.CellText(" ");
    doc.RowStart(0);
    doc.CellText("1");
    doc.CellText("Geschiebemergel");
    doc.RowStart(1); // a head-style row below a body row is no head of the table
    doc.CellText("Summe");
    doc.CellText(" ");
    doc.RowEnd();
    doc.TableColumns({1.6, 1.0});
    doc.RowStart(1); // a new table has a head of its own
    doc.CellText("Schicht");
    doc.CellText("h");
    const std::string rtf = doc.Rtf();
    EXPECT_EQ(rtfcheck::StructureFault(rtf), "");

    std::vector<bool> head;
    for (std::size_t pos = 0; (pos = rtf.find("\\trowd", pos)) != std::string::npos; ++pos) {
        head.push_back(rtf.substr(pos, rtf.find('\n', pos) - pos).find("\\trhdr") !=
                       std::string::npos);
    }
    EXPECT_EQ(head, (std::vector<bool>{true, true, false, false, true}));

    const auto b = Boundaries(rtf);
    ASSERT_EQ(b.size(), 5u);
    // The second column of the first table fits "Geschiebemergel", the widest word of it;
    // all its rows share the boundaries. The second table keeps its widths.
    const double geschiebemergelTwips = TextWidthMm("Geschiebemergel", 8.0, false) / 25.4 * 1440;
    EXPECT_GT(b[0][1] - b[0][0], geschiebemergelTwips);
    EXPECT_LT(b[0][1] - b[0][0], geschiebemergelTwips + 200);
    for (std::size_t r = 1; r < 4; ++r) {
        EXPECT_EQ(b[r], b[0]) << r;
    }
    EXPECT_EQ(b[4], (std::vector<long>{907, 1474}));
}

} // namespace
