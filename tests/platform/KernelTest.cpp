#include "platform/Kernel.h"
#include "platform/Localisation.h"

#include "../support/EnvGuard.h"
#include "../support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

TEST(Kernel, TempFolderEndsInSlash) {
    const struct {
        const char* tmpdir;
        const char* expected;
    } cases[] = {{nullptr, "/tmp/"}, {"", "/tmp/"}, {"/var/t", "/var/t/"}, {"/var/t/", "/var/t/"}};
    for (const auto& c : cases) {
        EnvGuard tmp("TMPDIR", c.tmpdir);
        EXPECT_EQ(QEL_GetTempFolder(), c.expected) << (c.tmpdir ? c.tmpdir : "(unset)");
    }
}

TEST(Kernel, DeleteFileRemovesOnlyFiles) {
    const ScratchFolder scratch("kernel");
    fs::create_directories("folder");
    const fs::path file = scratch.path() / "a.txt";
    ScratchFolder::Write(file);

    EXPECT_EQ(QEL_DeleteFile(file.string()), 1);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(QEL_DeleteFile(file.string()), 0); // already gone: no error, just 0
    EXPECT_EQ(QEL_DeleteFile("folder"), 0);
    EXPECT_TRUE(fs::is_directory("folder"));
}

TEST(Kernel, NullDeviceSwallowsWrites) {
    std::FILE* f = std::fopen(QEL_NullDevice(), "w");
    ASSERT_NE(f, nullptr);
    EXPECT_GT(std::fprintf(f, "Parameter x"), 0);
    std::fclose(f);
}

TEST(Kernel, ModuleFileIsTheLoadedBinary) {
    // This code is linked into the test program, so the module is the program itself.
    static const int anchor = 0;
    const QEL_ModuleFile module = QEL_GetModuleFile(&anchor);
    EXPECT_NE(module.handle, nullptr);
    EXPECT_EQ(fs::path(module.fileName), fs::canonical("/proc/self/exe"));
}

TEST(Kernel, DeveloperSwitchNeedsTheExactValue) {
    const struct {
        const char* value;
        bool on;
    } cases[] = {{nullptr, false}, {"", false},       {"KESTL", true},  {"kestl", true},
                 {"Kestl", false}, {"KESTL ", false}, {" kestl", false}};
    for (const auto& c : cases) {
        EnvGuard user("QELUSER", c.value);
        EXPECT_EQ(QEL_IsDeveloperSwitchOn(), c.on) << (c.value ? c.value : "(unset)");
    }
}

TEST(Kernel, DebugOutputOnlyForDevelopers) {
    {
        EnvGuard user("QELUSER", "someone");
        ::testing::internal::CaptureStderr();
        QEL_OutputDebugString("V=2.000000");
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    }
    EnvGuard user("QELUSER", "KESTL");
    ::testing::internal::CaptureStderr();
    QEL_OutputDebugString("V=2.000000");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "V=2.000000\n");
}

TEST(Localisation, ReturnsTheTextUnchanged) {
    const char* text = "Iteration divergiert:\n Berechnung abgebrochen";
    EXPECT_STREQ(LOC_Translate("QEL Ausgabe", "Korvel_o_", "rtf", text), text);
}

} // namespace
