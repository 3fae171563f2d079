// The host's option line: entries /KEY="VALUE", keys matched exactly without regard
// to case, values kept as written.
#include "host/Optionszeile.h"
#include "host/C1QEL.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Optionszeile, ValuesOfKeys) {
    // F10 before F1, a path with slashes and a blank inside its quotes, lower-case
    // names, an empty value and an unquoted one.
    const std::string line =
        "/F10=\"/data/zehn.xml\" /F1=\"/home/bau leiter/Wand 1\" /o1=\"liste\" "
        "/P1_2=\"\" /POS=12/3 /AUF=\"Kai-Nord\"";
    const struct {
        const char* key;
        const char* value;
    } cases[] = {
        {"F1", "/home/bau leiter/Wand 1"},
        {"f1", "/home/bau leiter/Wand 1"},
        {"F10", "/data/zehn.xml"},
        {"O1", "liste"},
        {"P1_2", ""},
        {"POS", "12/3"},
        {"AUF", "Kai-Nord"},
        {"F", ""},
        {"F2", ""},
        {"P1_20", ""},
        {"F1 ", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(C1QEL::GetOptionValue(line, c.key), c.value) << "key '" << c.key << "'";
    }
}

TEST(Optionszeile, OddLinesGiveWhatIsThere) {
    const struct {
        const char* line;
        std::vector<SOptionEintrag> entries;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {"-a -b", {}},
        {"/NOLOGO /F1=x", {{"NOLOGO", ""}, {"F1", "x"}}},
        {"/F1=\"a\"/O1=\"b\"", {{"F1", "a"}, {"O1", "b"}}},
        {"/F1=\"a\"zz /O1=b", {{"F1", "a"}, {"O1", "b"}}},
        {"/F1=\"offen bis zum Ende", {{"F1", "offen bis zum Ende"}}},
        {"/F1=", {{"F1", ""}}},
        {"// /=x /\"q\"", {}},
        {"\t/F1=\"a\"\r\n/F2=\"b\"", {{"F1", "a"}, {"F2", "b"}}},
    };
    for (const auto& c : cases) {
        const std::vector<SOptionEintrag> got = ParseOptionszeile(c.line);
        ASSERT_EQ(got.size(), c.entries.size()) << c.line;
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].key, c.entries[i].key) << c.line;
            EXPECT_EQ(got[i].value, c.entries[i].value) << c.line;
        }
    }
}

} // namespace
