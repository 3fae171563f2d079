#include "host/RunFiles.h"
#include "platform/RunFileRecord.h"

#include "../support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kFixedFiles = {
    "LKGEN_KombRegeln.txt", "LKGEN_GammaPsi.txt", "rtffile.temp.rtf", "vardef.temp.rtf",
    "Querkraefte.emf",      "Normalkraefte.emf",  "Momente.emf",      "Durchbiegung.emf"};
const std::vector<std::string> kPrefixFiles = {"wand3d.bmp", "wand2d.emf", "wand.txt",
                                               "wand.tmp.txt"};

void WriteAll(const std::vector<std::string>& names) {
    for (const auto& name : names) {
        ScratchFolder::Write(name);
    }
}

// The head of a 1 x 1 PNG: signature and IHDR chunk with width and height, as much as a
// picture needs to be recognised.
const std::string kPngKopf("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x01\0\0\0\x01", 24);

void WriteSketches(const std::vector<std::string>& names) {
    for (const auto& name : names) {
        ScratchFolder::Write(name, kPngKopf);
    }
}

TEST(RunFiles, PlainFileNames) {
    const struct {
        const char* name;
        bool plain;
    } cases[] = {{"skizze.png", true}, {"..skizze", true},   {"", false},
                 {".", false},         {"..", false},        {"/tmp/x.png", false},
                 {"../x.png", false},  {"sub/x.png", false}, {"C:\\x.png", false},
                 {"a\\..\\b", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(IsPlainFileName(c.name), c.plain) << c.name;
    }
}

std::vector<std::string> FilesLeft(const fs::path& folder) {
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder)) {
        left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    return left;
}

TEST(RunFiles, DeletesWhatTheRunWroteAndTheSketches) {
    const ScratchFolder scratch("runfiles_all");
    QEL_ClearRunFiles();
    WriteAll(kFixedFiles);
    WriteAll(kPrefixFiles);
    WriteSketches({"s2d.png", "s3d.png"});
    WriteAll({"wand.xml", "wand.result.xml", "x.y", "bild.emf"});
    // The run wrote two of the listed names and one picture of another name.
    for (const char* name : {"Momente.emf", "wand.tmp.txt", "bild.emf"}) {
        QEL_RecordRunFile(name);
    }
    DeleteRunFiles("s2d.png", "s3d.png");
    // Every other file of a listed name was there before the run: the user's, it stays.
    std::vector<std::string> expected = kFixedFiles;
    expected.insert(expected.end(), kPrefixFiles.begin(), kPrefixFiles.end());
    expected.insert(expected.end(), {"wand.xml", "wand.result.xml", "x.y"});
    std::erase(expected, "Momente.emf");
    std::erase(expected, "wand.tmp.txt");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FilesLeft(scratch.path()), expected);
    // The record is spent: a file of the same name written later is not the run's.
    WriteAll({"Momente.emf"});
    DeleteRunFiles("", "");
    EXPECT_TRUE(fs::exists("Momente.emf"));
}

TEST(RunFiles, TheInputDocumentStaysWhateverLeadsToIt) {
    // The document is named as the run's file or as a sketch, directly or through a link.
    const struct {
        const char* recorded;
        const char* sketch;
    } cases[] = {{"wand.png", ""}, {"link.png", ""}, {"", "wand.png"}, {"", "link.png"}};
    for (const auto& c : cases) {
        const ScratchFolder scratch("runfiles_document");
        QEL_ClearRunFiles();
        WriteSketches({"wand.png"});
        fs::create_symlink("wand.png", "link.png");
        QEL_RecordRunFile(c.recorded);
        DeleteRunFiles(c.sketch, "", "wand.png");
        EXPECT_TRUE(fs::exists("wand.png")) << c.recorded << c.sketch;
    }
}

TEST(RunFiles, FilesNamedLikeBareSuffixesStay) {
    const ScratchFolder scratch("runfiles_noprefix");
    // What the output prefix's files would be called without a prefix.
    WriteAll({"3d.bmp", "2d.emf", ".txt", ".tmp.txt"});
    DeleteRunFiles("", "");
    for (const char* name : {"3d.bmp", "2d.emf", ".txt", ".tmp.txt"}) {
        EXPECT_TRUE(fs::exists(name)) << name;
    }
}

TEST(RunFiles, SketchNamesNeverReachOutsideTheOutputFolder) {
    const ScratchFolder scratch("runfiles_sketch");
    fs::create_directories("out/sub");
    WriteAll({"victim.txt", "out/sub/inner.png"});
    const fs::path absolute = scratch.path() / "victim.txt";
    fs::current_path("out");
    DeleteRunFiles(absolute.string(), "../victim.txt");
    DeleteRunFiles("sub/inner.png", "sub");
    fs::current_path(scratch.path());
    EXPECT_TRUE(fs::exists("victim.txt"));
    EXPECT_TRUE(fs::exists("out/sub/inner.png"));
}

TEST(RunFiles, SketchNamesThatAreNoPictureKeepTheUsersFile) {
    // A document may name any file of the output folder as its sketch; only a picture can
    // be the host's sketch, every other file is the user's own.
    const struct {
        const char* name;
        const char* inhalt;
    } cases[] = {{"wand.xml", "<zirf><input/></zirf>"},
                 {"notiz.txt", "eigene Notizen"},
                 {"leer.png", ""},
                 {"kopf.png", "\x89PNG\r\n"}}; // cut short: no size, no picture
    for (const auto& c : cases) {
        const ScratchFolder scratch("runfiles_nopicture");
        ScratchFolder::Write(c.name, c.inhalt);
        DeleteRunFiles(c.name, "");
        DeleteRunFiles("", c.name);
        EXPECT_TRUE(fs::exists(c.name)) << c.name;
        EXPECT_EQ(ScratchFolder::Read(c.name), c.inhalt) << c.name;
    }
}

} // namespace
