// Several inputs in one call of the host program: each is a run of its own, a failed
// one does not stop the others, and the exit status is the most severe of all.
#include "../support/Examples.h"
#include "../support/ScratchFolder.h"
#include "ZirfCall.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kExamples = {"anker_eingespannt", "anker_frei",
                                            "anker_sand",        "kragwand",
                                            "kragwand_sand",     "kragwand_sand_lasten"};

// Files in the folder (recursively), the inputs and the error file aside.
std::set<std::string> Written(const std::set<std::string>& inputs) {
    std::set<std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(".")) {
        const std::string name = fs::relative(e.path(), ".").string();
        if (e.is_regular_file() && inputs.count(name) == 0) {
            files.insert(name);
        }
    }
    return files;
}

void CopyIn(const std::string& from, const std::string& to) {
    fs::create_directories(fs::path(to).parent_path().empty() ? "." : fs::path(to).parent_path());
    fs::copy_file(fs::path(ZIRF_SOURCE_DIR) / from, to);
}

class ZirfBatch : public ::testing::Test {
protected:
    ScratchFolder m_folder{"batch"};
};

TEST_F(ZirfBatch, TheSixExamplesInOneCall) {
    std::string args;
    for (const std::string& name : kExamples) {
        CopyIn("examples/" + name + ".xml", name + ".xml");
        args += " " + name + ".xml";
    }
    const ZirfCall lauf = RunZirf("-o ." + args);
    EXPECT_EQ(lauf.status, 0) << lauf.err;
    std::set<std::string> reports;
    for (std::size_t i = 0; i < kExamples.size(); ++i) {
        const std::string& name = kExamples[i];
        const std::string report = ScratchFolder::Read(name + ".rtf");
        EXPECT_EQ(report.rfind("{\\rtf1", 0), 0u) << name;
        reports.insert(report);
        EXPECT_TRUE(Contains(ScratchFolder::Read(name + ".result.xml"), "<result")) << name;
        EXPECT_TRUE(Contains(lauf.err, "zirf: [" + std::to_string(i + 1) + "/6] " + name +
                                           ".xml: status 0, completed\n"))
            << lauf.err;
    }
    EXPECT_EQ(reports.size(), kExamples.size()) << "every run wrote a report of its own";

    // Quiet: no line at all.
    EXPECT_EQ(RunZirf("-q" + args).err, "");
}

TEST_F(ZirfBatch, OneFailedInputDoesNotStopTheOthers) {
    CopyIn("examples/kragwand.xml", "kragwand.xml");
    CopyIn("tests/host/data/ohne_input.xml", "ohne_input.xml");
    CopyIn("examples/anker_frei.xml", "anker_frei.xml");
    const ZirfCall lauf = RunZirf("kragwand.xml ohne_input.xml anker_frei.xml");
    EXPECT_EQ(lauf.status, 1) << lauf.err;
    EXPECT_TRUE(fs::exists("kragwand.result.xml"));
    EXPECT_TRUE(fs::exists("anker_frei.result.xml"));
    EXPECT_TRUE(fs::exists("anker_frei.rtf"));
    EXPECT_FALSE(fs::exists("ohne_input.result.xml"));
    EXPECT_TRUE(Contains(lauf.err, "[2/3] ohne_input.xml: status 1, ended with an error\n"))
        << lauf.err;
    EXPECT_TRUE(Contains(lauf.err, "[3/3] anker_frei.xml: status 0, completed\n")) << lauf.err;
}

TEST_F(ZirfBatch, TheMostSevereStatusWins) {
    CopyIn("examples/kragwand.xml", "gut.xml");
    CopyIn("tests/analysis/data/divergiert.xml", "warnung.xml");
    CopyIn("tests/host/data/ohne_input.xml", "fehler.xml");
    const struct {
        const char* inputs;
        int status;
    } cases[] = {
        {"gut.xml warnung.xml", 3},
        {"warnung.xml gut.xml", 3},
        {"warnung.xml fehler.xml gut.xml", 1},
        {"fehler.xml warnung.xml", 1},
        {"fehlt.xml fehler.xml warnung.xml", 2},
        {"warnung.xml fehler.xml fehlt.xml", 2},
    };
    for (const auto& c : cases) {
        const ZirfCall lauf = RunZirf(std::string("-q ") + c.inputs);
        EXPECT_EQ(lauf.status, c.status) << c.inputs << "\n" << lauf.err;
    }
}

TEST_F(ZirfBatch, CallsThatWouldOverwriteStopBeforeAnyRun) {
    CopyIn("examples/kragwand.xml", "a/wand.xml");
    CopyIn("examples/kragwand.xml", "b/wand.xml");
    CopyIn("examples/kragwand.xml", "eingabe.txt");
    fs::create_directory_symlink("a", "link");
    // An input named like the result of another input's run.
    CopyIn("examples/kragwand_sand.xml", "out/wand.result.xml");
    ScratchFolder::Write("dpf.settings", "File/dpf=bericht\n");
    ScratchFolder::Write("bericht.settings", "Optionen=/F1=\"wand\" /O1=\"LISTE\"\n");
    // An absolute name of the report in the output folder.
    ScratchFolder::Write("absolut.settings",
                         "Optionen=/F2=\"" + (m_folder.path() / "out/wand").string() + "\"\n");
    ScratchFolder::Write("eingabe.settings", "Optionen=/F3=\"../eingabe\"\n");
    const std::set<std::string> inputs = {
        "a/wand.xml",       "b/wand.xml",       "eingabe.txt",      "dpf.settings",
        "bericht.settings", "absolut.settings", "eingabe.settings", "out/wand.result.xml"};
    const struct {
        const char* args;
        const char* says;
    } cases[] = {
        {"-o out a/wand.xml b/wand.xml", "have one base name (wand)"},
        {"a/wand.xml a/../a/wand.xml", "have one base name (wand)"},
        {"a/wand.xml link/wand.xml", "have one base name (wand)"},
        {"--settings dpf.settings a/wand.xml eingabe.txt", "File/dpf"},
        {"--settings bericht.settings -o out a/wand.xml", "F1=\"wand\""},
        {"--settings absolut.settings -o out/ a/wand.xml", "out/wand\" of the settings"},
        {"--settings eingabe.settings -o out eingabe.txt", "F3=\"../eingabe\""},
        // One run would write its result over an input that runs before or after it.
        {"-o out a/wand.xml out/wand.result.xml", "out/wand.result.xml, an input of this call"},
        {"-o out out/wand.result.xml a/wand.xml", "out/wand.result.xml, an input of this call"},
    };
    for (const auto& c : cases) {
        const ZirfCall lauf = RunZirf(c.args);
        EXPECT_EQ(lauf.status, 2) << c.args;
        EXPECT_TRUE(ScratchFolder::Read("out/wand.result.xml") ==
                    ScratchFolder::Read(fs::path(ZIRF_SOURCE_DIR) / "examples/kragwand_sand.xml"))
            << c.args;
        EXPECT_TRUE(Contains(lauf.err, c.says)) << c.args << ": " << lauf.err;
        EXPECT_TRUE(Contains(lauf.err, "usage: zirf")) << c.args;
        EXPECT_EQ(Written(inputs), std::set<std::string>{}) << c.args;
    }
    // Inputs of one name into their own folders are fine.
    EXPECT_EQ(RunZirf("-q a/wand.xml b/wand.xml").status, 0);
    EXPECT_TRUE(fs::exists("a/wand.result.xml"));
    EXPECT_TRUE(fs::exists("b/wand.result.xml"));
}

TEST_F(ZirfBatch, TheDeveloperDumpListsTheBatchRecordOfTheSettings) {
    CopyIn("examples/kragwand.xml", "wand.xml");
    ScratchFolder::Write("batch.settings", "Option/Quick=0\n"
                                           "Optionen=/F10=\"zehn\" /F1=\"/home/Bau Leiter/Wand 1\" "
                                           "/O1=\"Liste\" /POS=\"Pos/7\"\n");
    const ZirfCall lauf = RunZirf("-q --settings batch.settings wand.xml", "QELUSER=KESTL");
    EXPECT_EQ(lauf.status, 0) << lauf.err;
    const std::string dump = ScratchFolder::Read("X.X");
    for (const char* line :
         {"Quick.iAnz           : 2 \n", "Quick.Position       : Pos/7 \n",
          "Datei, ToDo : /home/Bau Leiter/Wand 1  Liste \n", "Datei, ToDo : zehn   \n"}) {
        EXPECT_TRUE(Contains(dump, line)) << line << " not in\n" << dump;
    }
}

} // namespace
