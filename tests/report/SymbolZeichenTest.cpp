#include "report/SymbolZeichen.h"

#include "ReportFixture.h"

#include <gtest/gtest.h>

namespace {

TEST(MapSymbolLetters, GreekLettersBecomeCharactersOfTheBodyFont) {
    const struct {
        const char* template_;
        const char* expected;
    } cases[] = {
        {"\\f2g\\f1", "γ"},
        {"\\f2g\\f1M = @F.F", "γM = @F.F"},
        {"\\f2S\\f1Bh,d <= Eph,d", "ΣBh,d <= Eph,d"},
        {"\\f2f\\f1| \\f2d\\f1a| \\f2e\\f1| \\f2q\\f1| \\f2a\\f1| \\f2h\\f1p",
         "φ| δa| ε| θ| α| ηp"},
        {"\\f2D\\f1t", "Δt"},
        {"\\f2 s\\f1 Rd", "σRd"},           // the blank after a control word belongs to it
        {"\\f2ab1\\f1", "αβ1"},             // several letters; a digit stays a digit
        {"\\f2g", "γ"},                     // no switch back: to the end of the text
        {"\\\\f2g\\\\f1", "\\\\f2g\\\\f1"}, // an escaped backslash starts no control word
        {"\\f20 g\\f1", "\\f20 g\\f1"},     // font 20 is not the symbol font
        {"Gel\xC3\xA4nde | \xC3\x9F"
         "G | [Grad]",
         "Gel\xC3\xA4nde | βG | [Grad]"},
        {"\xC3\x9F"
         "B",
         "βB"},
        {"Ma\xC3\x9F"
         "Gabe \xC3\x9F"
         "Gx",
         "Ma\xC3\x9F"
         "Gabe \xC3\x9F"
         "Gx"}, // only the word of its own
        {"Iy = @FFFFF.F cm4/m", "Iy = @FFFFF.F cm⁴/m"},
        {"Wy = @FFF.F cm³/m", "Wy = @FFF.F cm³/m"},
        {"kein Symbol", "kein Symbol"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MapSymbolLetters(c.template_), c.expected) << c.template_;
    }
}

// The report's own rows carry the letters as text: a PDF of it can be searched for them.
TEST(MapSymbolLetters, ReportRowsCarryTheLettersAsText) {
    ReportFixture f;
    f.rtf.ReadTemplate(ReportBlocks::kBodenschichten);
    f.rtf.WriteZeile(4);
    f.rtf.EndRow();
    f.rtf.ReadTemplate(ReportBlocks::kGelaende);
    f.rtf.WriteZeile(1, {12.5});
    f.rtf.EndRow();
    const std::string rtf = QELRTFX_OpenDocument()->Rtf();
    EXPECT_EQ(rtf.find("\\f2", rtf.find("\\sectd")), std::string::npos); // only the font table
    const std::vector<std::string> zeilen = f.Zeilen();
    EXPECT_EQ(ZeileMit(zeilen, "Schicht"),
              "Schicht | Bezeichnung | h | Kote | γ Berg | γ Tal | φ | δa | δp | c | ");
    EXPECT_EQ(ZeileMit(zeilen, "Gel\xC3\xA4nde"),
              "Gel\xC3\xA4nde | bergseitig | Neigung | βG | [Grad] | 12.50 | ");
}

} // namespace
