#include "platform/OutputFile.h"

#include "../support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace {

std::size_t Dateien() {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(".")) {
        ++n;
    }
    return n;
}

TEST(OutputFile, PiecesMakeTheWholeFileAndReplaceTheOldOne) {
    const ScratchFolder folder("ausgabe_stuecke");
    ScratchFolder::Write("bericht.rtf", "alt");
    std::string error;
    ASSERT_TRUE(QEL_StreamOutputFile(
        "bericht.rtf",
        [](const QEL_OutputSink& sink) {
            sink("{\\rtf1 ");
            sink(std::string(100000, 'x'));
            sink("}");
        },
        error))
        << error;
    EXPECT_EQ(ScratchFolder::Read("bericht.rtf"), "{\\rtf1 " + std::string(100000, 'x') + "}");
    EXPECT_EQ(Dateien(), 1u) << "no temporary file is left";
}

TEST(OutputFile, AFailureWhileTheBytesAreMadeLeavesTheOldFileAndNothingElse) {
    const ScratchFolder folder("ausgabe_abbruch");
    ScratchFolder::Write("bericht.rtf", "alt");
    std::string error;
    EXPECT_THROW(QEL_StreamOutputFile(
                     "bericht.rtf",
                     [](const QEL_OutputSink& sink) {
                         sink("halb");
                         throw std::runtime_error("kein Speicher");
                     },
                     error),
                 std::runtime_error);
    EXPECT_EQ(ScratchFolder::Read("bericht.rtf"), "alt");
    EXPECT_EQ(Dateien(), 1u);
}

TEST(OutputFile, AFolderTriedBeforeIsStillCheckedForWhatElseCanBeWrong) {
    const ScratchFolder folder("ausgabe_versuch");
    fs::create_directories("aus");
    QEL_ForgetOutputFolders();
    EXPECT_EQ(QEL_CheckOutputFile("aus/a.rtf").problem, QEL_OutputProblem::None);
    // A folder gone since is still found missing: only the trial with a file is spared.
    fs::remove("aus");
    EXPECT_EQ(QEL_CheckOutputFile("aus/a.rtf").problem, QEL_OutputProblem::FolderMissing);
    fs::create_directories("aus");
    EXPECT_EQ(QEL_CheckOutputFile("aus/b.rtf").problem, QEL_OutputProblem::None);
    EXPECT_TRUE(fs::is_empty("aus")) << "the trial leaves no file";
    QEL_ForgetOutputFolders();
}

} // namespace
