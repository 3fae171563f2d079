#include "platform/QELRTFXHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

class QELRTFXHostTest : public ::testing::Test {
protected:
    void TearDown() override { QELRTFX_RegisterHost({}); }
};

TEST_F(QELRTFXHostTest, SettingsAreBoundedCopiesOfTheHostsTable) {
    QELRTFX_HostSetup setup;
    setup.settings = {{"File/dpf", "/out/wand"}, {"Projekt", "Kaimauer S\xC3\xBC"}};
    QELRTFX_RegisterHost(setup);

    char buffer[32];
    EXPECT_EQ(QELRTFX_GetSetting("File/dpf", buffer, sizeof buffer), 9);
    EXPECT_STREQ(buffer, "/out/wand");

    // "Kaimauer Sü" is 12 bytes; a buffer of 12 holds 11 and must not split "ü".
    char small[12];
    EXPECT_EQ(QELRTFX_GetSetting("Projekt", small, sizeof small), 12);
    EXPECT_STREQ(small, "Kaimauer S");

    std::memset(buffer, 'X', sizeof buffer);
    EXPECT_EQ(QELRTFX_GetSetting("Unbekannt", buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(QELRTFX_GetSetting(nullptr, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");

    // A query with size 0 writes nothing and tells the length.
    buffer[0] = 'X';
    EXPECT_EQ(QELRTFX_GetSetting("File/dpf", buffer, 0), 9);
    EXPECT_EQ(buffer[0], 'X');
}

TEST_F(QELRTFXHostTest, MessagesReachTheHostAndAreRecorded) {
    std::vector<std::string> received;
    QELRTFX_HostSetup setup;
    setup.notify = [&](int value, int maximum, const std::string& text) {
        received.push_back(std::to_string(value) + "/" + std::to_string(maximum) + " " + text);
    };
    QELRTFX_RegisterHost(setup);

    EXPECT_EQ(QELRTFX_Notify(0, 0, "1 Programmstart"), 1);
    EXPECT_EQ(QELRTFX_Notify(7, 100, "p"), 1);
    EXPECT_EQ(QELRTFX_Notify(0, 0, nullptr), 1);
    EXPECT_EQ(received, (std::vector<std::string>{"0/0 1 Programmstart", "7/100 p", "0/0 "}));
    ASSERT_EQ(QELRTFX_Recorded().notifications.size(), 3u);
    EXPECT_EQ(QELRTFX_Recorded().notifications[1].value, 7);

    // Without a receiver the messages are still recorded.
    QELRTFX_RegisterHost({});
    EXPECT_TRUE(QELRTFX_Recorded().notifications.empty());
    QELRTFX_Notify(0, 0, "e");
    EXPECT_EQ(QELRTFX_Recorded().notifications.size(), 1u);
}

TEST_F(QELRTFXHostTest, StartIsRecorded) {
    EXPECT_EQ(QELRTFX_Init("\"/lib/\" \"/data/a.xml\""), 1);
    ASSERT_EQ(QELRTFX_Recorded().commandLines.size(), 1u);
    EXPECT_EQ(QELRTFX_Recorded().commandLines[0], "\"/lib/\" \"/data/a.xml\"");

    QELRTFX_HostSetup refusing;
    refusing.refuseStart = true;
    QELRTFX_RegisterHost(refusing);
    EXPECT_EQ(QELRTFX_Init("x"), 0);
}

} // namespace
