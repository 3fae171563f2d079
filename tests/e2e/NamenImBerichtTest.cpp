// The names of soil layers and loads hold 24 characters, counted as characters: a name
// with umlauts reaches the report whole, a longer one loses what lies past its 24th
// character and never half a character.
#include "../platform/RtfStructureCheck.h"
#include "../support/Examples.h"
#include "Dokument.h"
#include "ZirfLauf.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Fall {
    const char* element;
    const char* geschrieben;
    const char* gedruckt;
};

TEST(NamenImBericht, NamesAreCutAfterTheirTwentyFourthCharacter) {
    const Fall faelle[] = {
        // 24 characters in 25 bytes.
        {"gruppe nr=\"1\"", "Auffüllung, Sand-Schluff", "Auffüllung, Sand-Schluff"},
        // 33 characters; the 23rd and 24th are umlauts, which a cut by bytes would split.
        {"gruppe nr=\"1\"", "Auffüllung mit Sand, Löß und Kies", "Auffüllung mit Sand, Löß"},
        // A load's name in its table.
        {"gruppe art=\"1\" lf=\"2\"", "Verkehr, Überfahrt Brücke 2", "Verkehr, Überfahrt Brück"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.geschrieben);
        const ZirfLauf lauf =
            RunZirf(MitAttribut(ExampleText("kragwand.xml"), f.element, "bez", f.geschrieben));
        ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
        const std::string text = rtfcheck::BodyText(lauf.bericht);
        EXPECT_NE(text.find(std::string("| ") + f.gedruckt + " |"), std::string::npos) << text;
    }
}

} // namespace
