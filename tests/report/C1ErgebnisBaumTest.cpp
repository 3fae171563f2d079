#include "report/C1ErgebnisBaum.h"
#include "platform/C1Exception.h"
#include "platform/QEDOM.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

class ErgebnisBaum : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        doc = QEDOM_ParseDocument("<zirf><input/><result><alt wert=\"1\"/></result></zirf>",
                                  "doc.xml", error);
        ASSERT_NE(doc, 0) << error;
        root = QEDOM_GetRootElement(doc);
    }
    void TearDown() override { QEDOM_FreeDocument(doc); }

    int Count(QEDOM_HANDLE parent, const char* name) const {
        int n = 0;
        for (QEDOM_HANDLE e = QEDOM_FindFirstChild(parent, name); e > 0;
             e = QEDOM_FindNextChild(e, name)) {
            ++n;
        }
        return n;
    }

    QEDOM_HANDLE doc = 0;
    QEDOM_HANDLE root = 0;
};

TEST_F(ErgebnisBaum, NewResultReplacesTheOldOne) {
    const C1ErgebnisBaum baum(root);
    const QEDOM_HANDLE result = baum.Neu();
    EXPECT_EQ(Count(root, "result"), 1);
    EXPECT_EQ(QEDOM_FindFirstChild(root, "result"), result);
    EXPECT_EQ(QEDOM_FindFirstChild(result, "alt"), 0);
    EXPECT_EQ(baum.Element({}), result);
}

TEST_F(ErgebnisBaum, WritersShareTheirParents) {
    const C1ErgebnisBaum baum(root);
    baum.Neu();
    baum.SetWert({"geometrie"}, "t_cal", 5.25);
    baum.SetInt({"geometrie"}, "massgebende_LK", 1);
    baum.SetWert({"tgf", "materialversagen"}, "ed", 250.0);
    baum.SetWert({"tgf", "herausziehen"}, "ad", 120.0);
    baum.SetText({"profil"}, "name", "AZ 18");
    const QEDOM_HANDLE result = baum.Element({});
    EXPECT_EQ(Count(result, "tgf"), 1);
    const QEDOM_HANDLE tgf = QEDOM_FindFirstChild(result, "tgf");
    EXPECT_DOUBLE_EQ(QEDOM_GetDouble(QEDOM_FindFirstChild(tgf, "materialversagen"), "ed"), 250.0);
    EXPECT_DOUBLE_EQ(QEDOM_GetDouble(QEDOM_FindFirstChild(tgf, "herausziehen"), "ad"), 120.0);
    const QEDOM_HANDLE geometrie = QEDOM_FindFirstChild(result, "geometrie");
    EXPECT_DOUBLE_EQ(QEDOM_GetDouble(geometrie, "t_cal"), 5.25);
    EXPECT_EQ(QEDOM_GetInt(geometrie, "massgebende_LK"), 1);
    EXPECT_STREQ(QEDOM_GetString(QEDOM_FindFirstChild(result, "profil"), "name"), "AZ 18");
}

TEST_F(ErgebnisBaum, MissingQuotientIsLeftOutAndUndefinedNumbersRefused) {
    const C1ErgebnisBaum baum(root);
    baum.Neu();
    baum.SetWert({"trag", "horizontal"}, "ausnutzung", std::optional<double>());
    const QEDOM_HANDLE horizontal = baum.Element({"trag", "horizontal"});
    EXPECT_EQ(QEDOM_GetString(horizontal, "ausnutzung"), nullptr);
    for (const double bad :
         {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        try {
            baum.SetWert({"trag", "horizontal"}, "ausnutzung", bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const C1Exception& e) {
            EXPECT_EQ(e.text,
                      "Ergebnis result/trag/horizontal, ausnutzung ist keine endliche Zahl");
        }
    }
    EXPECT_EQ(QEDOM_GetString(horizontal, "ausnutzung"), nullptr);
}

} // namespace
