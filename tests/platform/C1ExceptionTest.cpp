#include "platform/C1Exception.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

namespace {

TEST(C1Exception, KindContainingDebugIsSilent) {
    const struct {
        const char* kind;
        int code;
    } cases[] = {{"debug", -1},   {"Debug", -1}, {"DEBUG", -1},
                 {"xDEBUGx", -1}, {"", 1},       {"info", 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(C1Exception("t", "m", c.kind).code, c.code) << c.kind;
    }
    EXPECT_EQ(C1Exception("t", "debug").code, 1);
    EXPECT_EQ(C1Exception("t").code, 1);
    EXPECT_EQ(C1Exception().code, 1);
}

TEST(C1Exception, MessageFormat) {
    EXPECT_EQ(C1Exception("C1Feld::GetMB, FeldLänge <= 0").Message(),
              "C1Feld::GetMB, FeldLänge <= 0\n\n");
    EXPECT_EQ(C1Exception("C1QEL::ctor()  hDoc =null", "debug").Message(),
              "C1QEL::ctor()  hDoc =null\nim Modul: debug\n\n");
    EXPECT_EQ(C1Exception("x", " ").Message(), "x\nim Modul:  \n\n");
    EXPECT_TRUE(C1Exception("x", "m").detail.empty());
}

TEST(C1Exception, ReportShowsOnlyCodeOne) {
    QEL_ClearShownMessages();
    EXPECT_EQ(C1Exception("silent", "C1Plot::SelectPen", "debug").Report(), 0);
    EXPECT_TRUE(QEL_ShownMessages().empty());
    EXPECT_EQ(C1Exception("shown").Report(), 0);
    ASSERT_EQ(QEL_ShownMessages().size(), 1u);
    EXPECT_EQ(QEL_ShownMessages()[0], "shown\n\n");
    QEL_ClearShownMessages();
}

TEST(C1Exception, RaisingHelpers) {
    EXPECT_THROW(ThrowError("e"), C1Exception);
    EXPECT_NO_THROW(ThrowIfFalse(true, "t", "m"));
    EXPECT_NO_THROW(ThrowIfTrue(false, "t", "m"));
    try {
        ThrowIfFalse(false, "text", "mod");
        FAIL();
    } catch (const C1Exception& e) {
        EXPECT_EQ(e.text, "text");
        EXPECT_EQ(e.module, "mod");
        EXPECT_EQ(e.code, 1);
    }
    EXPECT_THROW(ThrowIfTrue(true, "t", "m"), C1Exception);
}

} // namespace
