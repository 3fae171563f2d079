#include "resources/StringTable.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(StringTable, StatusTexts) {
    const struct {
        int id;
        const char* text;
    } cases[] = {{465, "Programmstart"},
                 {466, "Eingabedatei anlesen"},
                 {467, "Berechnung starten"},
                 {468, " "},
                 {469, "Grafik erzeugen"}};
    for (const auto& c : cases) {
        EXPECT_EQ(GetStringTableEntry(c.id), c.text) << c.id;
    }
}

TEST(StringTable, UnknownEntryIsEmpty) {
    EXPECT_EQ(GetStringTableEntry(0), "");
    EXPECT_EQ(GetStringTableEntry(-1), "");
    EXPECT_EQ(GetStringTableEntry(100000), "");
}

TEST(StringTable, EntriesAreUniqueAndStatusTextsShort) {
    std::set<int> seen;
    for (const auto& entry : StringTableEntries()) {
        EXPECT_TRUE(seen.insert(entry.id).second) << "entry " << entry.id << " twice";
        ASSERT_NE(entry.text, nullptr) << entry.id;
    }
    // The host shows a status text in a field of 31 characters.
    for (int id = 465; id <= 469; ++id) {
        EXPECT_LE(GetStringTableEntry(id).size(), 31u) << id;
    }
}

} // namespace
