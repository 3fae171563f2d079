// The report templates of the string table, walked block by block as the report
// loads them.

#include "host/C1QEL.h"
#include "platform/MessageBox.h"
#include "platform/QELRTFXReport.h"
#include "report/C1RTFX.h"
#include "report/C1ZeilenFormat.h"
#include "report/ReportBlocks.h"
#include "resources/StringTable.h"

#include "../platform/RtfStructureCheck.h"
#include "../support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// The ids the report templates may take (the later chapters from 480 on).
constexpr int kLastTemplateId = 569;
constexpr int kMaxBlockLines = 17;

// The number of values each writer passes to a template line, as the chapters
// describe their rows (a line written without values has 0).
const std::map<int, int> kValuesPassed = {
    // head and entry
    {1, 0},
    {2, 0},
    {5, 0},
    {210, 0},
    {211, 0},
    {212, 0},
    {315, 0},
    {347, 0},
    {421, 0},
    {422, 0},
    {423, 0},
    // terrain, groundwater, soil layers
    {8, 0},
    {10, 1},
    {12, 1},
    {13, 1},
    {14, 1},
    {15, 1},
    {16, 1},
    {17, 1},
    {18, 1},
    {19, 0},
    {20, 0},
    {23, 0},
    {26, 0},
    {27, 0},
    {30, 11},
    {33, 1},
    // loads
    {48, 0},
    {49, 0},
    {50, 0},
    {51, 0},
    {52, 5},
    {54, 0},
    {55, 0},
    {56, 0},
    {57, 8},
    {60, 0},
    {61, 0},
    {62, 0},
    {63, 8},
    {68, 0},
    {69, 0},
    {70, 0},
    {71, 7},
    {408, 0},
    {409, 0},
    {410, 0},
    {411, 3},
    {412, 2},
    {413, 2},
    {375, 0},
    {377, 0},
    {378, 3},
    // embedment result
    {191, 0},
    {197, 0},
    {198, 0},
    {199, 1},
    {200, 0},
    {76, 0},
    {77, 1},
    {78, 0},
    {79, 0},
    {80, 1},
    {81, 0},
    {67, 0},
    {192, 1},
    {193, 1},
    {194, 1},
    {195, 1},
    {196, 1},
    {201, 1},
    {202, 1},
    {203, 1},
    {205, 1},
    {164, 1},
    {175, 1},
    {176, 1},
    {177, 1},
    {178, 1},
    {179, 1},
    {180, 1},
    {181, 1},
    {182, 1},
    {183, 1},
    // actions and resistances, equivalent wall
    {247, 0},
    {297, 0},
    {114, 0},
    {115, 0},
    {116, 0},
    {120, 0},
    {118, 11},
    {88, 0},
    {85, 0},
    {86, 0},
    {87, 8},
    {96, 0},
    {97, 0},
    {98, 0},
    {99, 7},
    {132, 0},
    {137, 3},
    {133, 0},
    {134, 0},
    {135, 0},
    {136, 9},
    {138, 0},
    {139, 0},
    {140, 0},
    {141, 0},
    {142, 11},
    {144, 0},
    {145, 0},
    {146, 0},
    {150, 0},
    {147, 7},
    {153, 0},
    {154, 0},
    {155, 0},
    {156, 0},
    {157, 11},
    {415, 0},
    {416, 0},
    {417, 7},
    {89, 0},
    {90, 0},
    {91, 0},
    {92, 7},
    {206, 0},
    {207, 0},
    {208, 0},
    {209, 6},
    // earth support and vertical forces
    {225, 0},
    {226, 0},
    {227, 0},
    {228, 6},
    {232, 5},
    {233, 1},
    {229, 1},
    {230, 0},
    {231, 0},
    {333, 0},
    {236, 0},
    {436, 1},
    {437, 0},
    {438, 4},
    {439, 4},
    {440, 3},
    {441, 3},
    {442, 3},
    {443, 1},
    {444, 0},
    {445, 0},
    {454, 1},
    {540, 0},
    // anchor
    {348, 0},
    {349, 1},
    {350, 1},
    {351, 1},
    {352, 2},
    {353, 1},
    {357, 0},
    {358, 1},
    {359, 1},
    {360, 1},
    {361, 1},
    {362, 2},
    {363, 2},
    {364, 2},
    {365, 2},
    {366, 2},
    {367, 2},
    {368, 2},
    {398, 0},
    {382, 0},
    {385, 1},
    {393, 1},
    {394, 1},
    {395, 1},
    {389, 1},
    {390, 1},
    {388, 1},
    {396, 1},
    {397, 1},
    {391, 1},
    {392, 1},
    {268, 0},
    {269, 0},
    {270, 0},
    {271, 0},
    {278, 1},
    {272, 1},
    {273, 1},
    {274, 1},
    {275, 1},
    {276, 1},
    {277, 1},
    {285, 1},
    {286, 1},
    {287, 1},
    {288, 1},
    {289, 1},
    {290, 1},
    {291, 1},
    {292, 1},
    {293, 1},
    {279, 1},
    {280, 1},
    {281, 1},
    {301, 0},
    {302, 1},
    {303, 1},
    {304, 1},
    {305, 1},
    {306, 1},
    {307, 1},
    {308, 1},
    {309, 1},
    {310, 1},
    {311, 1},
    // steel profile
    {213, 0},
    {214, 0},
    {215, 0},
    {222, 4},
    {223, 4},
    {216, 4},
    {217, 4},
    {218, 0},
    {219, 4},
    {220, 5},
    {221, 1},
    {224, 1},
    {472, 1},
    {473, 1},
    {474, 3},
    {476, 1},
    // the larger-of rows of the earth support, the checked depth
    {490, 0},
    {491, 6},
    {492, 6},
    {493, 5},
    {494, 0},
    {500, 1},
    {501, 0},
    {502, 1},
    {503, 1},
    {504, 0},
    {505, 0},
    {506, 0},
    {507, 0},
    {508, 0},
    {509, 0},
    {510, 0},
    {511, 0},
    {470, 0},
    {471, 0},
};

// Rows whose template defines more columns than it has cells: the last cell goes to
// the last column and the one before stays empty.
// The head-load table: nine columns for eight cells, the eighth stays empty, so that
// the moment, its head and its unit stand in the ninth.
const std::set<int> kFewerCellsThanColumns = {69, 70, 71};

int RowTag(const std::string& line) {
    const std::size_t z = line.find("#Z");
    return z == std::string::npos ? -1 : std::stoi(line.substr(z + 2, 2));
}

// Cells of a loaded line as WriteRow's separators see them (a run of characters
// between separators, none empty).
int CellCount(const std::string& slot) {
    const std::string cells = slot.substr(0, slot.find("#Z"));
    int count = 0;
    std::size_t pos = 0;
    while (pos <= cells.size()) {
        std::size_t bar = cells.find('|', pos);
        if (bar == std::string::npos) {
            bar = cells.size();
        }
        count += bar > pos ? 1 : 0;
        pos = bar + 1;
    }
    return count;
}

// A value of the kind each conversion of the line takes.
std::vector<C1Wert> SampleValues(const std::string& slot) {
    std::vector<C1Wert> values;
    for (std::size_t p = slot.find('%'); p != std::string::npos; p = slot.find('%', p + 1)) {
        std::size_t q = p + 1;
        while (q < slot.size() &&
               (std::isdigit(static_cast<unsigned char>(slot[q])) || slot[q] == '.')) {
            ++q;
        }
        if (q >= slot.size()) {
            break;
        }
        if (slot[q] == 'd') {
            values.emplace_back(7);
        } else if (slot[q] == 'f') {
            values.emplace_back(-12.5);
        } else if (slot[q] == 's' && q == p + 1) {
            values.emplace_back("Text");
        }
        p = q;
    }
    return values;
}

class Catalogue : public ::testing::Test {
protected:
    C1QEL context;
};

TEST_F(Catalogue, BlocksLieInTheTableAndNumberTheirLines) {
    for (const C1TemplateBlock& block : ReportBlocks::kAlle) {
        SCOPED_TRACE("block " + std::to_string(block.iAnf) + "/" + std::to_string(block.nZeilen));
        EXPECT_GE(block.iAnf, 1);
        EXPECT_LE(block.iAnf + block.nZeilen - 1, kLastTemplateId);
        EXPECT_LE(block.nZeilen, kMaxBlockLines);
        for (int k = 1; k <= block.nZeilen; ++k) {
            const std::string entry = GetStringTableEntry(block.iAnf + k - 1);
            if (!entry.empty()) {
                EXPECT_EQ(RowTag(entry), k) << entry;
            }
        }
    }
}

TEST_F(Catalogue, EveryTemplateLineBelongsToABlock) {
    for (const StringTableEntry& entry : StringTableEntries()) {
        if (std::string(entry.text).find("#Z") == std::string::npos) {
            continue;
        }
        bool found = false;
        for (const C1TemplateBlock& block : ReportBlocks::kAlle) {
            found |= entry.id >= block.iAnf && entry.id < block.iAnf + block.nZeilen;
        }
        EXPECT_TRUE(found) << entry.id << " " << entry.text;
        EXPECT_LE(entry.id, kLastTemplateId);
    }
}

TEST_F(Catalogue, RowsHaveKindStyleAndColumns) {
    C1RTFX rtf(&context);
    for (const C1TemplateBlock& block : ReportBlocks::kAlle) {
        rtf.ReadTemplate(block);
        for (int k = 1; k <= block.nZeilen; ++k) {
            const int id = block.iAnf + k - 1;
            const C1RTFX::SZeilen& row = rtf.m_Zeilen.at(static_cast<std::size_t>(k));
            if (GetStringTableEntry(id).empty()) {
                continue;
            }
            SCOPED_TRACE("entry " + std::to_string(id));
            EXPECT_EQ(row.bOhneV, 0);
            EXPECT_TRUE(row.iTyp == 1 || row.iTyp == 11 || row.iTyp == 13) << row.iTyp;
            EXPECT_GE(row.iStyle, 0);
            EXPECT_LE(row.iStyle, 5);
            if (row.iTyp == 1) {
                EXPECT_EQ(CellCount(rtf.m_Wert[k]), 1) << rtf.m_Wert[k];
                continue;
            }
            // A continuation row finds the columns of an earlier row of its block.
            ASSERT_FALSE(row.Spalten.empty());
            const int cells = CellCount(rtf.m_Wert[k]);
            const int columns = static_cast<int>(row.Spalten.size());
            if (kFewerCellsThanColumns.count(id) != 0) {
                EXPECT_EQ(cells, columns - 1);
            } else {
                EXPECT_EQ(cells, columns) << rtf.m_Wert[k];
            }
        }
    }
}

TEST_F(Catalogue, FieldsMatchTheValuesTheWritersPass) {
    C1RTFX rtf(&context);
    for (const auto& [id, expected] : kValuesPassed) {
        bool loaded = false;
        for (const C1TemplateBlock& block : ReportBlocks::kAlle) {
            if (id >= block.iAnf && id < block.iAnf + block.nZeilen) {
                rtf.ReadTemplate(block);
                loaded = true;
                break;
            }
        }
        ASSERT_TRUE(loaded) << id;
        const std::string& slot = rtf.m_Wert.at(static_cast<std::size_t>(id - rtf.iAnf + 1));
        ASSERT_FALSE(slot.empty()) << "entry " << id << " missing";
        EXPECT_EQ(CountConversions(slot), expected) << "entry " << id << ": " << slot;
    }
}

TEST_F(Catalogue, EveryLineWritesASoundReport) {
    ScratchFolder folder("catalogue");
    QEL_ClearShownMessages();
    ASSERT_EQ(QELRTFX_Open("catalogue.rtf", 0, 1, 1, "Name=QE-T\0\0"), 1);
    C1RTFX rtf(&context);
    for (const C1TemplateBlock& block : ReportBlocks::kAlle) {
        rtf.ReadTemplate(block);
        for (int k = 1; k <= block.nZeilen; ++k) {
            const std::vector<C1Wert> values = SampleValues(rtf.m_Wert[k]);
            rtf.m_Zeile = FormatZeile(rtf.m_Wert[k], values);
            rtf.WriteRow(1);
        }
        rtf.EndRow();
    }
    const std::string text = QELRTFX_OpenDocument()->Rtf();
    ASSERT_EQ(QELRTFX_Close(0), 1);
    EXPECT_EQ(rtfcheck::StructureFault(text), "");
    EXPECT_TRUE(QEL_ShownMessages().empty()) << QEL_ShownMessages().front();
    const std::string body = rtfcheck::BodyText(text);
    EXPECT_NE(body.find("Berechnung nach DIN EN 1997 / DIN EN 1993 /NA (Deutschland)\n"),
              std::string::npos);
    EXPECT_NE(body.find("rechnerische Einbindetiefe | t_cal | -12.50 | [m] | \n"),
              std::string::npos);
}

} // namespace
