#include "platform/IniFile.h"
#include "platform/QELRTFXHost.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

class IniFolder : public ::testing::Test {
protected:
    void SetUp() override {
        dir.Write(
            "qel.ini",
            "; colours\n[Start]\nFARBE3 = 255 0 0 1\nFarbe4=\"quoted\"\n\n[other]\nFarbe3=1 2 3\n");
        QELRTFX_RegisterHost({{{"Common", dir.File("")}}, {}, false});
    }
    void TearDown() override { QELRTFX_RegisterHost({}); }
    TempDir dir;
};

} // namespace

TEST_F(IniFolder, PlainNamesAreLookedUpInTheCommonFolderWithoutRegardToCase) {
    EXPECT_EQ(QEL_GetPrivateProfileString("start", "Farbe3", "d", "qel.ini"), "255 0 0 1");
    EXPECT_EQ(QEL_GetPrivateProfileString("START", "farbe4", "d", "qel.ini"), "quoted");
    EXPECT_EQ(QEL_GetPrivateProfileString("other", "Farbe3", "d", "qel.ini"), "1 2 3");
    // Missing key, section or file: the default.
    EXPECT_EQ(QEL_GetPrivateProfileString("start", "Farbe5", "000 000 000 0", "qel.ini"),
              "000 000 000 0");
    EXPECT_EQ(QEL_GetPrivateProfileString("none", "Farbe3", "d", "qel.ini"), "d");
    EXPECT_EQ(QEL_GetPrivateProfileString("start", "Farbe3", "d", "missing.ini"), "d");
    // A path is taken as it is; the value is cut to the buffer.
    EXPECT_EQ(QEL_GetPrivateProfileString("start", "Farbe3", "d", dir.File("qel.ini"), 4), "255");
}

TEST(IniFile, WithoutACommonFolderThePlainFileIsMissing) {
    QELRTFX_RegisterHost({});
    EXPECT_EQ(QEL_ProfileFilePath("qel.ini"), "");
    EXPECT_EQ(QEL_GetPrivateProfileString("start", "Farbe1", "def", "qel.ini"), "def");
}
