// The context outside the host: the text-input constructor, the batch record from the
// host's option line, and the reports and text files of a batch.
#include "base/Trace.h"
#include "host/C1QEL.h"
#include "platform/C1Exception.h"
#include "platform/ProgressWnd.h"
#include "platform/QELRTFXReport.h"

#include "../support/EnvGuard.h"
#include "../support/ScratchFolder.h"
#include "HostFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {

using Settings = std::map<std::string, std::string>;

class C1QELBatchTest : public ::testing::Test {
protected:
    void TearDown() override { RegisterTestHost({}); }

    EnvGuard m_user{"QELUSER", nullptr};
};

Settings QuickSettings(const std::string& optionen) {
    return {
        {"Option/Quick", "1"}, {"Option/All", "1"}, {"Optionen", optionen}, {"File/dpf", "lauf"}};
}

std::string C1ExceptionText(const std::function<void()>& action) {
    try {
        action();
    } catch (const C1Exception& e) {
        return e.Message();
    }
    return "(nothing raised)";
}

TEST_F(C1QELBatchTest, TextInputContextReadsSettingsButNoDocument) {
    RegisterTestHost({{"Projekt", "Kai"},
                      {"File/fe", "wand.qe1"},
                      {"File/f", "wand"},
                      {"File/dpfe", "/out/wand.qe1;"},
                      {"QE-Name/", "ZIRF"},
                      {"Common", "/qel/"}});
    ProgressWnd display;
    const C1QEL qel(&display);
    EXPECT_EQ(qel.IsKorvel2005(), 0);
    EXPECT_EQ(qel.GetDoc(), 0);
    EXPECT_EQ(QELRTFX_Recorded().fileStarts, 1);
    EXPECT_TRUE(QELRTFX_Recorded().commandLines.empty());
    EXPECT_EQ(qel.Auftrag, "Kai");
    EXPECT_EQ(qel.File, "wand.qe1");
    EXPECT_EQ(qel.Filef, "") << "File/f is not read outside the host";
    EXPECT_EQ(qel.Filedpfe, "/out/wand.qe1");
    EXPECT_EQ(qel.GetQuickModus(), 0);
    EXPECT_EQ(display.GetTitle(), "ZIRF - wand.qe1");
    EXPECT_EQ(qel.bHostProgress, 0);
    EXPECT_EQ(qel.iProgress, 0);
    EXPECT_EQ(qel.m_DLLName, "");
}

TEST_F(C1QELBatchTest, RefusedStartAndHostOnlyOperations) {
    RegisterTestHost({}, true);
    EXPECT_EQ(C1ExceptionText([] { const C1QEL qel(nullptr); }),
              "Fehler bei qe-init(),  Eingabedatei ?\n\n");

    RegisterTestHost();
    ParsedDoc doc("<doc><info/><input/></doc>");
    C1QEL host("", "", doc.handle, 1, 1, 1);
    std::string line;
    EXPECT_EQ(C1ExceptionText([&] { host.ReadIn(); }),
              "C1QEL::ReadIn()  m_bKorvel2005=true\nim Modul: debug\n\n");
    EXPECT_EQ(C1ExceptionText([&] { host.ReadIn(line); }),
              "C1QEL::ReadIn()  m_bKorvel2005=true\nim Modul: debug\n\n");
    EXPECT_EQ(C1ExceptionText([&] { host.OpenIn("x"); }),
              "C1QEL::OpenIn()  m_bKorvel2005=true\nim Modul: debug\n\n");
}

TEST_F(C1QELBatchTest, QuickModeIsTheSettingsNumber) {
    const struct {
        const char* value; // null: no such setting
        int quick;
    } cases[] = {{nullptr, 0}, {"0", 0},   {"1", 1},  {"2", 2}, {" 3 ", 3},        {"+1", 1},
                 {"-1", -1},   {"abc", 0}, {"1x", 0}, {"", 0},  {"99999999999", 0}};
    for (const auto& c : cases) {
        Settings settings = {{"Optionen", "/F1=\"a\" /POS=\"P7\""}, {"Option/All", "4"}};
        if (c.value != nullptr) {
            settings["Option/Quick"] = c.value;
        }
        RegisterTestHost(settings);
        ProgressWnd display;
        const C1QEL qel(&display);
        const std::string shown = c.value ? c.value : "(none)";
        EXPECT_EQ(qel.GetQuickModus(), c.quick) << shown;
        EXPECT_EQ(qel.Quick.bAll, 4) << shown;
        EXPECT_EQ(qel.Quick.iAnz, c.quick != 0 ? 1 : 0) << shown;
        EXPECT_EQ(qel.IsReportSuppressed(), c.quick != 0 ? 1 : 0) << shown;
        // In quick mode the position names the input; the display shows nothing.
        EXPECT_EQ(qel.File, c.quick != 0 ? "P7.qe1" : "") << shown;
        EXPECT_EQ(display.GetTitle(), c.quick != 0 ? "" : " - ") << shown;
    }
}

TEST_F(C1QELBatchTest, BatchRecordFromTheOptionLine) {
    std::string line =
        "/F10=\"/data/Zehn\" /F1=\"/home/bau leiter/wand\" /O1=\"Liste\" /P1_2=\"x/y\" "
        "/F3=\"\" /F31=\"letzte\" /O31=\"ende\" /P31_31=\"pp\" /F32=\"zuviel\" /F0=\"null\" "
        "/P1_32=\"zuviel\" /f01=\"null\" /SHORTTXT=\"Kurz\" /AUF=\"A-1\" /POS=\"Pos 4\"";
    // A line longer than a setting buffer is read whole.
    for (int i = 0; i < 80; ++i) {
        line += " /P2_" + std::to_string(i) + "=\"Parameter mit Text\"";
    }
    line += " /O10=\"zehn\"";
    ASSERT_GT(line.size(), 2000u);
    RegisterTestHost(QuickSettings(line));
    const C1QEL qel(nullptr);
    EXPECT_EQ(qel.Quick.Datei[1], "/home/bau leiter/wand");
    EXPECT_EQ(qel.Quick.ToDo[1], "Liste");
    EXPECT_EQ(qel.Quick.Par[1][2], "x/y");
    EXPECT_EQ(qel.Quick.Par[2][31], "Parameter mit Text");
    EXPECT_EQ(qel.Quick.Datei[10], "/data/Zehn");
    EXPECT_EQ(qel.Quick.ToDo[10], "zehn");
    EXPECT_EQ(qel.Quick.Datei[31], "letzte");
    EXPECT_EQ(qel.Quick.Par[31][31], "pp");
    EXPECT_EQ(qel.Quick.Datei[0], "") << "index 0 stays empty";
    EXPECT_EQ(qel.Quick.Par[1][0], "");
    EXPECT_EQ(qel.Quick.iAnz, 3) << "F1, F10 and F31 name files";
    EXPECT_EQ(qel.Quick.DateiShortText, "Kurz");
    EXPECT_EQ(qel.Quick.Auftrag, "A-1");
    EXPECT_EQ(qel.Quick.Position, "Pos 4");
    EXPECT_EQ(qel.File, "Pos 4.qe1");

    EXPECT_EQ(qel.FindQuickToDo("LISTE"), 1);
    EXPECT_EQ(qel.FindQuickToDo("liste"), 1);
    EXPECT_EQ(qel.FindQuickToDo("Zehn"), 10);
    EXPECT_EQ(qel.FindQuickToDo("List"), 0);
    EXPECT_EQ(qel.FindQuickToDo(""), 0);
    EXPECT_EQ(qel.GetQuickDateiByToDo("ENDE"), "letzte");
    EXPECT_EQ(qel.GetQuickDateiByToDo("keins"), "");

    std::string value = "alt";
    EXPECT_EQ(C1QEL::GetOption("pos", value), 1);
    EXPECT_EQ(value, "Pos 4");
    EXPECT_EQ(C1QEL::GetOption("P1", value), 0) << "P1 is not P1_2";
    EXPECT_EQ(value, "Pos 4");
}

TEST_F(C1QELBatchTest, GetOptionTakesTheLastEntryOfItsKey) {
    RegisterTestHost({{"Optionen", "/LIST=\"eins\" /x=1 /list=\"zwei\" /NOLOGO"}});
    std::string value;
    EXPECT_EQ(C1QEL::GetOption("List", value), 1);
    EXPECT_EQ(value, "zwei");
    EXPECT_EQ(C1QEL::GetOption("NOLOGO", value), 1);
    EXPECT_EQ(value, "");
}

TEST_F(C1QELBatchTest, QuickReportsAndTextsOfTheBatchFiles) {
    const ScratchFolder scratch("qel_quick");
    fs::create_directories("sub dir");
    RegisterTestHost(
        QuickSettings("/F1=\"sub dir/Liste A\" /O1=\"liste\" /F2=\"lauf\" /O2=\"eigen\" "
                      "/O3=\"leer\" /F4=\"eingabe\" /O4=\"eingabe\""));
    C1QEL qel(nullptr);
    EXPECT_EQ(qel.OpenQuickReport("LISTE"), 1);
    EXPECT_EQ(qel.IsReportSuppressed(), 0);
    ASSERT_NE(QELRTFX_OpenDocument(), nullptr);
    EXPECT_TRUE(QELRTFX_OpenDocument()->Header().noHead);
    EXPECT_TRUE(QELRTFX_OpenDocument()->Header().noLogo);
    QELRTFX_Paragraph(0, "Liste der Wände");
    EXPECT_EQ(qel.CloseQuickReport(), 1);
    EXPECT_EQ(qel.IsReportSuppressed(), 1);
    const std::string rtf = ScratchFolder::Read("sub dir/Liste A.rtf");
    EXPECT_NE(rtf.find("Liste der W"), std::string::npos);
    EXPECT_EQ(rtf.find("{\\header"), std::string::npos) << "a batch report has no page head";

    FILE* text = qel.OpenQuickText("Liste");
    ASSERT_NE(text, nullptr);
    std::fputs("Zeile\n", text);
    std::fclose(text);
    EXPECT_EQ(ScratchFolder::Read("sub dir/Liste A.txt"), "Zeile\n");

    // Never the run's own report (File/dpf "lauf") nor the text input being read.
    ScratchFolder::Write("lauf.rtf", "eigener Bericht");
    ScratchFolder::Write("eingabe.txt", "EINGABE\n");
    qel.OpenIn("eingabe.txt");
    EXPECT_EQ(qel.OpenQuickReport("eigen"), 0);
    EXPECT_EQ(qel.OpenQuickText("eingabe"), nullptr);
    EXPECT_EQ(ScratchFolder::Read("lauf.rtf"), "eigener Bericht");
    EXPECT_EQ(ScratchFolder::Read("eingabe.txt"), "EINGABE\n");
    // A to-do without a file, an unknown one, indices outside 1 to 31.
    EXPECT_EQ(qel.OpenQuickReport("leer"), 0);
    EXPECT_EQ(qel.OpenQuickText("leer"), nullptr);
    EXPECT_EQ(qel.OpenQuickReport("unbekannt"), 0);
    EXPECT_EQ(qel.OpenQuickReport2(0), 0);
    EXPECT_EQ(qel.OpenQuickReport2(32), 0);
    EXPECT_FALSE(fs::exists(".rtf"));
    EXPECT_FALSE(fs::exists(".txt"));

    // Outside quick mode there are no batch files.
    qel.Quick.QuickModus = 0;
    EXPECT_EQ(qel.OpenQuickReport("LISTE"), 0);
    EXPECT_EQ(qel.OpenQuickText("LISTE"), nullptr);
    EXPECT_EQ(qel.CloseQuickReport(), 0);
}

TEST_F(C1QELBatchTest, CompanionTablesLieInTheCommonFolder) {
    const struct {
        const char* common;
        const char* material;
        const char* bst;
    } cases[] = {{"", "", ""},
                 {"/", "", ""},
                 {"/qel/", "/qel/Material.qel", "/qel/BSt.qel"},
                 {"/qel", "/qel/Material.qel", "/qel/BSt.qel"}};
    for (const auto& c : cases) {
        C1QEL qel;
        qel.PfadQEL = c.common;
        EXPECT_EQ(qel.GetMaterialFile(), c.material) << c.common;
        EXPECT_EQ(qel.GetBStFile(), c.bst) << c.common;
    }
}

TEST_F(C1QELBatchTest, DumpListsTheContextAndTheBatchRecord) {
    const ScratchFolder scratch("qel_dump");
    EnvGuard user("QELUSER", "KESTL");
    RegisterTestHost(QuickSettings("/F1=\"/home/a b/wand\" /O1=\"Liste\" /F31=\"z\" /POS=\"P\""));
    {
        C1QEL qel(nullptr);
        qel.OpenDumpFile("");
        EXPECT_EQ(qel.Dump("Titel"), 1);
    }
    const std::string dump = ScratchFolder::Read("X.X");
    const std::string dashes = "--------------------------------------------------- \n";
    for (const std::string& line :
         {"\n" + dashes + "C1QEL - Dump \nTitel \nAuftrag:                \n",
          std::string("Filedpf:               lauf \n"),
          std::string("Parameter            : /F1=\"/home/a b/wand\" /O1=\"Liste\" /F31=\"z\" "
                      "/POS=\"P\" \n\n"),
          std::string(
              "QuickModus           : 1 \nQuick.iAnz           : 2 \nQuick.Position       : P \n"),
          std::string("Datei, ToDo : /home/a b/wand  Liste \nDatei, ToDo :    \n"),
          "Datei, ToDo : z   \n" + dashes}) {
        EXPECT_NE(dump.find(line), std::string::npos) << line << "\nin\n" << dump;
    }
    // Without a dump file nothing is written.
    C1QEL empty;
    EXPECT_EQ(empty.Dump("x"), 1);
}

} // namespace
