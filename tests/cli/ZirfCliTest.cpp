// Runs the built host program as a user would and checks its output, exit status
// and files.
#include "../support/Examples.h"
#include "../support/ScratchFolder.h"
#include "ZirfCall.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

// The cantilevered example: a wall the whole run can compute.
const std::string kDocument = ExampleText("kragwand.xml");

// Names in the folder that look like a temporary result file.
int CountTemporaryResults(const fs::path& folder) {
    int n = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        n += Contains(entry.path().filename().string(), ".tmp") ? 1 : 0;
    }
    return n;
}

class ZirfCli : public ::testing::Test {
protected:
    ScratchFolder m_folder{"cli"};
};

TEST_F(ZirfCli, UsageErrorsExitWithTwo) {
    ScratchFolder::Write("wand.xml", kDocument);
    const char* cases[] = {"", "-x wand.xml", "-o", "wand.xml --settings", "wand.xml ./wand.xml"};
    for (const char* args : cases) {
        const ZirfCall r = RunZirf(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_TRUE(Contains(r.err, "usage: zirf")) << args << ": " << r.err;
    }
    EXPECT_FALSE(fs::exists("wand.result.xml"));
}

TEST_F(ZirfCli, UnreadableInputsExitWithTwo) {
    ScratchFolder::Write("wand.xml", kDocument);
    ScratchFolder::Write("bad.xml", "<doc><info>\n<input/>\n");
    ScratchFolder::Write("bad.settings", "QE-Name/=ZIRF\nno equals sign\n");
    fs::create_directories("folder.xml");
    const struct {
        const char* args;
        const char* says;
    } cases[] = {
        {"missing.xml", "missing.xml"},
        {"folder.xml", "folder.xml"},
        {"-o nowhere wand.xml", "output folder nowhere does not exist"},
        {"-o wand.xml wand.xml", "output folder wand.xml is no folder"},
        {"--settings bad.settings wand.xml", "bad.settings:2"},
        {"--settings none.settings wand.xml", "none.settings"},
        // Settings that are no file: a folder reads as nothing, an endless device never ends.
        {"--settings folder.xml wand.xml", "settings file folder.xml"},
        {"--settings /dev/zero wand.xml", "settings file /dev/zero"},
        // A malformed document: its file name and the line of the fault.
        {"bad.xml", "bad.xml', Zeile"},
    };
    for (const auto& c : cases) {
        const ZirfCall r = RunZirf(c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_TRUE(Contains(r.err, c.says)) << c.args << ": " << r.err;
    }
    EXPECT_FALSE(fs::exists("wand.result.xml"));
    EXPECT_FALSE(fs::exists("bad.result.xml"));
}

TEST_F(ZirfCli, CompleteRunSavesTheResultBesideTheInput) {
    ScratchFolder::Write("wand.xml", kDocument);
    const ZirfCall r = RunZirf("wand.xml");
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string expected = "status: Programmstart\nprogress: 1/100\n"
                                 "status: Eingabedatei anlesen\nprogress: 2/100\n"
                                 "status: Berechnung starten\nprogress: 3/100\n"
                                 "progress: 4/100\nprogress: 5/100\nstatus:  \nprogress: 6/100\n"
                                 "status: Ausgabe erzeugen\nprogress: 7/100\n"
                                 "status: Grafik erzeugen\nprogress: 8/100\nprogress: 100/100\n"
                                 "end of run\n";
    const std::string here = fs::current_path().string() + "/";
    EXPECT_EQ(r.err, expected + "zirf: wrote " + here + "wand.rtf and " + here +
                         "wand.result.xml\nzirf: wand.xml: status 0, completed\n");
    EXPECT_TRUE(Contains(ScratchFolder::Read("wand.result.xml"), "<bode"));
    EXPECT_EQ(ScratchFolder::Read("wand.xml"), kDocument) << "the input is never written";
    EXPECT_EQ(CountTemporaryResults(m_folder.path()), 0);
}

TEST_F(ZirfCli, QuietRunShowsNothing) {
    // After "--" an input may look like an option.
    const struct {
        const char* args;
        const char* name;
    } cases[] = {{"-q wand.xml", "wand"}, {"-q -- -q.xml", "-q"}, {"-q -- --.xml", "--"}};
    for (const auto& c : cases) {
        ScratchFolder::Write(std::string(c.name) + ".xml", kDocument);
        const ZirfCall r = RunZirf(c.args);
        EXPECT_EQ(r.status, 0) << c.args << ": " << r.err;
        EXPECT_EQ(r.err, "") << c.args;
        EXPECT_TRUE(fs::exists(std::string(c.name) + ".result.xml")) << c.args;
    }
}

TEST_F(ZirfCli, OutputFolderHoldsResultTraceAndDump) {
    fs::create_directories("in");
    fs::create_directories("out");
    ScratchFolder::Write("in/wand.xml", kDocument);
    const ZirfCall r = RunZirf("-q -o out in/wand.xml", "QELUSER=KESTL");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists("out/wand.result.xml"));
    EXPECT_EQ(ScratchFolder::Read("out/x.y").rfind("Parameter ", 0), 0u);
    EXPECT_EQ(ScratchFolder::Read("out/X.X").rfind("X.X-Datei    erstellt am ", 0), 0u);
    EXPECT_FALSE(fs::exists("in/wand.result.xml"));
    EXPECT_FALSE(fs::exists("in/x.y"));
    EXPECT_FALSE(fs::exists("x.y"));

    // Without the developer switch neither file is made.
    fs::remove("out/x.y");
    fs::remove("out/X.X");
    EXPECT_EQ(RunZirf("-q -o out in/wand.xml").status, 0);
    EXPECT_FALSE(fs::exists("out/x.y"));
    EXPECT_FALSE(fs::exists("out/X.X"));
}

TEST_F(ZirfCli, RunEndedByAnErrorLeavesNoResult) {
    ScratchFolder::Write("wand.xml", kDocument);
    // An old result of an earlier run stays as it was.
    ScratchFolder::Write("wand.result.xml", "old");
    ScratchFolder::Write("old.settings", "QE-Version/qelrtfx=V1.9\n");
    const ZirfCall r = RunZirf("--settings old.settings wand.xml");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.err, "qelrtfx.dll ist nicht korrekt\n")) << r.err;
    EXPECT_TRUE(Contains(r.err, "end of run")) << r.err;
    EXPECT_EQ(ScratchFolder::Read("wand.result.xml"), "old");
    EXPECT_EQ(CountTemporaryResults(m_folder.path()), 0);
}

TEST_F(ZirfCli, AnchoredExampleRunsToTheEnd) {
    fs::copy_file(fs::path(ZIRF_SOURCE_DIR) / "examples/anker_frei.xml", "anker_frei.xml");
    const std::string input = ScratchFolder::Read("anker_frei.xml");
    const ZirfCall r = RunZirf("anker_frei.xml");
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* line : {"status: Programmstart\n", "status: Eingabedatei anlesen\n",
                             "status: Berechnung starten\n", "progress: 1/100\n",
                             "progress: 2/100\n", "progress: 3/100\n", "end of run\n"}) {
        EXPECT_TRUE(Contains(r.err, line)) << line << " missing in " << r.err;
    }
    EXPECT_TRUE(fs::exists("anker_frei.result.xml"));
    EXPECT_EQ(ScratchFolder::Read("anker_frei.xml"), input);
}

TEST_F(ZirfCli, DocumentsThatEndTheRunLeaveNoResult) {
    const struct {
        const char* file;
        const char* message;
    } cases[] = {
        {"ohne_input.xml", "In xml-Eingabedatei input-Knoten nicht vorhanden\n"},
        {"elf_schichten.xml", "mehr als 10 Bodenschichten"},
    };
    for (const auto& c : cases) {
        fs::copy_file(fs::path(ZIRF_SOURCE_DIR) / "tests/host/data" / c.file, c.file);
        const ZirfCall r = RunZirf(c.file);
        EXPECT_EQ(r.status, 1) << c.file << ": " << r.err;
        EXPECT_TRUE(Contains(r.err, c.message)) << r.err;
        const std::string result = fs::path(c.file).stem().string() + ".result.xml";
        EXPECT_FALSE(fs::exists(result)) << result;
    }
    EXPECT_EQ(CountTemporaryResults(m_folder.path()), 0);
}

TEST_F(ZirfCli, InputNamedLikeAFileOfTheRunIsNeverLost) {
    // The report NAME.rtf would overwrite an input of that name: the run does not start.
    ScratchFolder::Write("wand.rtf", kDocument);
    ScratchFolder::Write("bericht.settings", "File/dpf=eigen\n");
    ScratchFolder::Write("eigen.rtf", kDocument);
    for (const char* args : {"-q wand.rtf", "-q --settings bericht.settings eigen.rtf"}) {
        const ZirfCall r = RunZirf(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_TRUE(Contains(r.err, "overwrite its input")) << args << ": " << r.err;
    }
    EXPECT_EQ(ScratchFolder::Read("wand.rtf"), kDocument);
    EXPECT_EQ(ScratchFolder::Read("eigen.rtf"), kDocument);
    // NAME.txt and NAME.tmp.txt are temporary files of a run, deleted at its end; an input
    // of that name is the user's document and stays.
    for (const char* name : {"mauer.txt", "mauer.tmp.txt"}) {
        ScratchFolder::Write(name, kDocument);
        EXPECT_EQ(RunZirf(std::string("-q ") + name).status, 0) << name;
        EXPECT_EQ(ScratchFolder::Read(name), kDocument) << name;
    }
}

TEST_F(ZirfCli, KeepTempLeavesTheUsersFiles) {
    ScratchFolder::Write("wand.xml", kDocument);
    ScratchFolder::Write("wand.txt");
    ScratchFolder::Write("Momente.emf");
    // Files of names a run may write, that this run did not write, stay either way.
    for (const char* args : {"-q --keep-temp wand.xml", "-q wand.xml"}) {
        EXPECT_EQ(RunZirf(args).status, 0) << args;
        EXPECT_TRUE(fs::exists("wand.txt")) << args;
        EXPECT_TRUE(fs::exists("Momente.emf")) << args;
    }
    EXPECT_TRUE(fs::exists("wand.xml"));
}

} // namespace

namespace {

// A wall whose embedment iteration cannot converge: the run tells the user, still
// completes, and the host says so with status 3.
TEST_F(ZirfCli, DivergedRunCompletesWithWarningStatus) {
    ScratchFolder::Write("wand.xml", SourceText("tests/analysis/data/divergiert.xml"));
    const ZirfCall r = RunZirf("-q wand.xml");
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_EQ(r.err, "Iteration divergiert:\n Berechnung abgebrochen\n");
    EXPECT_TRUE(fs::exists("wand.result.xml"));
}

} // namespace
