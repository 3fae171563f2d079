#include "host/C1QEL.h"
#include "base/Trace.h"
#include "platform/C1Exception.h"
#include "platform/Kernel.h"
#include "platform/ProgressWnd.h"
#include "platform/RunFileRecord.h"

#include "../support/EnvGuard.h"
#include "../support/ScratchFolder.h"
#include "HostFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iterator>
#include <regex>

namespace fs = std::filesystem;

namespace {

constexpr const char* kPlainDocument = "<doc><info/><input/></doc>";

// The folder of this test program, with its final '/': the module's folder here.
std::string ProgramFolder() {
    return fs::canonical("/proc/self/exe").parent_path().string() + "/";
}

class C1QELTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestHost(); }
    void TearDown() override { RegisterTestHost({}); }

    EnvGuard m_user{"QELUSER", nullptr};
};

TEST_F(C1QELTest, StartsTheReportLibraryWithModuleFolderAndDocument) {
    const struct {
        const char* qeluser;
        const char* suffix;
    } cases[] = {{nullptr, ""}, {"kestl", " /noform"}, {"KESTL", " /noform"}, {"KESTL ", ""}};
    for (const auto& c : cases) {
        EnvGuard user("QELUSER", c.qeluser);
        RegisterTestHost();
        ParsedDoc doc(kPlainDocument, "/data/proj/wand.xml");
        const C1QEL qel("", "", doc.handle, 1, 1, 1);
        ASSERT_EQ(QELRTFX_Recorded().commandLines.size(), 1u);
        EXPECT_EQ(QELRTFX_Recorded().commandLines[0],
                  "\"" + ProgramFolder() + "\" \"/data/proj/wand.xml\"" + c.suffix)
            << (c.qeluser ? c.qeluser : "(unset)");
        EXPECT_EQ(qel.m_DLLName, ProgramFolder());
        EXPECT_NE(qel.m_hDLL, nullptr);
    }
}

TEST_F(C1QELTest, ReadsTheProjectSettings) {
    RegisterTestHost({{"Projekt", "  Kaimauer  "},
                      {"Prog/dp", "/p/"},
                      {"File/fe", "wand.xml"},
                      {"File/f", "wand"},
                      {"File/dpf", "/out/wand \t"},
                      {"File/dpfe", "/out/wand.xml;  "},
                      {"QE-Name/", "ZIRF"},
                      {"QE-Titel/", "Spundwand"},
                      {"QE-Version/", "1.0"},
                      {"Common", "/qel/"},
                      {"gets/LanguageOutput", " 12x"}});
    ParsedDoc doc(kPlainDocument);
    const C1QEL qel("vers.txt", nullptr, doc.handle, 1, 1, 1);
    EXPECT_EQ(qel.Auftrag, "  Kaimauer"); // trailing blanks go, leading ones stay
    EXPECT_EQ(qel.Prog, "/p/");
    EXPECT_EQ(qel.File, "wand.xml");
    EXPECT_EQ(qel.Filef, "wand");
    EXPECT_EQ(qel.GetFiledpf(), "/out/wand");
    // "/out/wand.xml;  " trims to "/out/wand.xml;", whose last character then goes.
    EXPECT_EQ(qel.Filedpfe, "/out/wand.xml");
    EXPECT_EQ(qel.Pnam, "ZIRF");
    EXPECT_EQ(qel.Titel, "Spundwand");
    EXPECT_EQ(qel.Pver, "1.0");
    EXPECT_EQ(qel.PfadQEL, "/qel/");
    EXPECT_EQ(qel.iLanguageOutput, 12);
    EXPECT_EQ(qel.GetNameVersionsInfoDatei(), "vers.txt");
    EXPECT_EQ(qel.NameRTFResDatei, "");
    EXPECT_EQ(qel.GetDoc(), doc.handle);
    EXPECT_EQ(qel.IsKorvel2005(), 1);
}

TEST_F(C1QELTest, DerivedSettingsEdgeCases) {
    const struct {
        const char* dpfe;
        const char* filedpfe;
        const char* language;
        int iLanguageOutput;
    } cases[] = {{"", "", "", 0},
                 {"x", "", "abc", 0},
                 {"ab c", "ab", "-3", -3},
                 {"a  b", "a", "+7", 7},
                 {"/o/w.xml", "/o/w.xm", "99999999999", 0}};
    for (const auto& c : cases) {
        RegisterTestHost({{"QE-Version/qelrtfx", "V2.0"},
                          {"File/dpfe", c.dpfe},
                          {"gets/LanguageOutput", c.language}});
        ParsedDoc doc(kPlainDocument);
        const C1QEL qel("", "", doc.handle, 1, 1, 1);
        EXPECT_EQ(qel.Filedpfe, c.filedpfe) << c.dpfe;
        EXPECT_EQ(qel.iLanguageOutput, c.iLanguageOutput) << c.language;
    }
}

TEST_F(C1QELTest, LocalisationNameOnlyWhenModularised) {
    const struct {
        const char* info;
        const char* progname;
        const char* modulename;
        const char* locName;
    } cases[] = {
        {"<info/>", "", "", ""},
        {"<info bModularisieren='0'/>", "", "", ""},
        {"<info bModularisieren='1'/>", "Baustatik", "Zirf", "BaustatikZirf"},
    };
    for (const auto& c : cases) {
        ParsedDoc doc(std::string("<doc progname='  Baustatik ' modulename='Zirf\t'>") + c.info +
                      "<input/></doc>");
        const C1QEL qel("", "", doc.handle, 1, 1, 1);
        EXPECT_EQ(qel.progname, c.progname) << c.info;
        EXPECT_EQ(qel.modulename, c.modulename) << c.info;
        EXPECT_EQ(qel.GetLocFileName(), c.locName) << c.info;
    }
    EXPECT_EQ(C1QEL::GetLocName("Baustatik", "zIRF"), "BaustatikzIRF");
}

TEST_F(C1QELTest, DeletesTheOldResultAndSetsTheBatchRecord) {
    ParsedDoc doc("<doc><input/><result a='1'/></doc>");
    {
        const C1QEL qel("", "", doc.handle, 0, 1, 1);
        EXPECT_EQ(QEDOM_FindFirstChild(doc.Root(), "result"), 0);
        EXPECT_EQ(qel.IsReportSuppressed(), 1); // flag 0
        EXPECT_EQ(qel.GetQuickModus(), 1);
        EXPECT_EQ(qel.Quick.bAll, 1);
        EXPECT_EQ(qel.Quick.bClosed, 0);
        EXPECT_EQ(qel.iProgress, 0);
    }
    ParsedDoc kept("<doc><input/><result/></doc>");
    const C1QEL qel("", "", kept.handle, 1, 1, 0);
    EXPECT_NE(QEDOM_FindFirstChild(kept.Root(), "result"), 0);
    EXPECT_EQ(qel.IsReportSuppressed(), 0);
}

TEST_F(C1QELTest, ConstructionErrors) {
    ParsedDoc unnamed(kPlainDocument, "");
    const struct {
        QEDOM_HANDLE doc;
        bool refuseStart;
        const char* message;
    } cases[] = {
        {0, false, "C1QEL::ctor()  hDoc =null\nim Modul: debug\n\n"},
        {unnamed.handle, false, "C1QEL::ctor()  PosName ist leer\n\n"},
    };
    for (const auto& c : cases) {
        try {
            C1QEL qel("", "", c.doc, 1, 1, 1);
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const C1Exception& e) {
            EXPECT_EQ(e.Message(), c.message);
            EXPECT_EQ(e.code, 1);
        }
    }

    RegisterTestHost(HostSettingsOfARun(), /*refuseStart=*/true);
    ParsedDoc doc(kPlainDocument);
    try {
        C1QEL qel("", "", doc.handle, 1, 1, 1);
        ADD_FAILURE() << "a refused start must end the run";
    } catch (const C1Exception& e) {
        EXPECT_EQ(e.Message(), "Fehler bei qe-init()\n\n");
    }
    // A context that was never built sends no end message.
    EXPECT_TRUE(SentToHost().empty());
}

TEST_F(C1QELTest, StatusTextAndProgressGoToTheHost) {
    ParsedDoc doc(kPlainDocument);
    C1QEL qel("", "", doc.handle, 1, 1, 1);
    EXPECT_EQ(qel.SetStatusText("Programmstart"), 1);
    // Counter steps by hand: three steps, raised to 100, wraps past 100 to 1, raised
    // to 50, never lowered.
    const struct {
        int value;
        int counter;
    } steps[] = {{0, 1}, {0, 2}, {-5, 3}, {100, 100}, {0, 1}, {50, 50}, {20, 50}};
    std::vector<std::string> expected = {"0/0 1 Programmstart", "0/0 2 "};
    for (const auto& s : steps) {
        EXPECT_EQ(qel.Progress(s.value), 1);
        EXPECT_EQ(qel.iProgress, s.counter) << "after Progress(" << s.value << ")";
        expected.push_back(std::to_string(s.counter) + "/100 p");
    }
    EXPECT_EQ(SentToHost(), expected);
}

TEST_F(C1QELTest, WithoutHostProgressNothingIsSentButTheCounterMoves) {
    ParsedDoc doc(kPlainDocument);
    {
        C1QEL qel("", "", doc.handle, 1, 0, 1);
        EXPECT_EQ(qel.SetStatusText("x"), 1);
        EXPECT_EQ(qel.Progress(0), 1);
        EXPECT_EQ(qel.Progress(0), 1);
        EXPECT_EQ(qel.iProgress, 2);
    }
    EXPECT_TRUE(SentToHost().empty()) << "not even the end message";

    C1QEL empty; // not run by the host: no display at all
    EXPECT_EQ(empty.SetStatusText("x"), 0);
    EXPECT_EQ(empty.Progress(0), 0);
}

TEST_F(C1QELTest, EndsWithEndMessageAndRemovesOnlySuiteFilesOfTheRun) {
    // The suite's two files go at the end of a run only when the run wrote them; files of
    // those names that were there before belong to other programs and stay.
    for (const bool writtenByTheRun : {false, true}) {
        const ScratchFolder scratch("qel_end");
        ScratchFolder::Write("LKGEN_GammaPsi.txt");
        ScratchFolder::Write("LKGEN_KombRegeln.txt");
        ScratchFolder::Write("other.txt");
        QEL_ClearRunFiles();
        RegisterTestHost();
        {
            ParsedDoc doc(kPlainDocument);
            const C1QEL qel("", "", doc.handle, 0, 1, 1);
            if (writtenByTheRun) {
                QEL_RecordRunFile("LKGEN_GammaPsi.txt");
            }
            EXPECT_TRUE(SentToHost().empty());
        }
        EXPECT_EQ(SentToHost(), std::vector<std::string>{"0/0 e"});
        EXPECT_EQ(fs::exists("LKGEN_GammaPsi.txt"), !writtenByTheRun);
        EXPECT_TRUE(fs::exists("LKGEN_KombRegeln.txt"));
        EXPECT_TRUE(fs::exists("other.txt"));
        QEL_ClearRunFiles();
    }
}

TEST_F(C1QELTest, ReportLibraryVersionCheck) {
    // The first character is skipped and the rest read as a number: "2.5" gives .5.
    const struct {
        const char* setting;
        int passes;
    } cases[] = {{"V2.0", 1}, {"V 2.0", 1}, {"V2.15", 1}, {"X3", 1},   {"V1.9", 0},
                 {"2.5", 0},  {"", 0},      {"V", 0},     {"Vabc", 0}, {"Vnan", 0}};
    for (const auto& c : cases) {
        RegisterTestHost({{"QE-Version/qelrtfx", c.setting}});
        ParsedDoc doc(kPlainDocument);
        C1QEL qel("", "", doc.handle, 1, 1, 1);
        EXPECT_EQ(qel.CheckReportLibVersion(2.0, 0), c.passes) << c.setting;
        if (c.passes == 0) {
            try {
                qel.CheckReportLibVersion(2.0, 1);
                ADD_FAILURE() << c.setting;
            } catch (const C1Exception& e) {
                EXPECT_EQ(e.text, "qelrtfx.dll ist nicht korrekt");
            }
        }
    }
}

TEST_F(C1QELTest, DeveloperGetsTraceAndDumpFiles) {
    const ScratchFolder scratch("qel_dev");
    EnvGuard user("QELUSER", "kestl");
    ParsedDoc doc(kPlainDocument);
    {
        C1QEL qel("", "", doc.handle, 1, 1, 1);
        FILE* dump = qel.OpenDumpFile("");
        FILE* trace = qel.OpenTraceFile("");
        ASSERT_NE(trace, nullptr);
        EXPECT_EQ(qel.GetDumpFile(), dump);
        EXPECT_EQ(qel.GetTraceFile(), trace);
        std::fputs("\niter   1 ------------", qel.GetTraceFile());
    }
    EXPECT_EQ(ScratchFolder::Read("x.y"), "\niter   1 ------------");
    const std::regex header("X\\.X-Datei    erstellt am \\d\\d/\\d\\d/\\d\\d um "
                            "\\d\\d:\\d\\d:\\d\\d \n \n");
    EXPECT_TRUE(std::regex_match(ScratchFolder::Read("X.X"), header)) << ScratchFolder::Read("X.X");
}

TEST_F(C1QELTest, WithoutTheSwitchTheFilesGoToTheNullDevice) {
    const ScratchFolder scratch("qel_nul");
    EnvGuard user("QELUSER", "Kestl");
    ParsedDoc doc(kPlainDocument);
    C1QEL qel("", "", doc.handle, 1, 1, 1);
    EXPECT_NE(qel.OpenDumpFile("mydump"), nullptr);
    EXPECT_NE(qel.OpenTraceFile(""), nullptr);
    EXPECT_TRUE(fs::is_empty(scratch.path()));
}

TEST_F(C1QELTest, FatalErrorClosesTheFilesOnceAndForgetsTheGlobals) {
    const ScratchFolder scratch("qel_fatal");
    EnvGuard user("QELUSER", "KESTL");
    ParsedDoc doc(kPlainDocument);
    {
        C1QEL qel("", "", doc.handle, 1, 1, 1);
        g_pDump = qel.OpenDumpFile("");
        g_pTrace = qel.OpenTraceFile("");
        try {
            qel.FatalError("In xml-Eingabedatei input-Knoten nicht vorhanden");
        } catch (const C1Exception& e) {
            EXPECT_EQ(e.Message(), "In xml-Eingabedatei input-Knoten nicht vorhanden\n\n");
        }
        EXPECT_EQ(qel.GetDumpFile(), nullptr);
        EXPECT_EQ(qel.GetTraceFile(), nullptr);
        EXPECT_EQ(g_pTrace, nullptr);
        EXPECT_EQ(g_pDump, nullptr);
        TracePrintf("\nnothing %d", 1); // must not write through a closed handle
    } // the destructor must not close them again (the sanitizers would see it)
    EXPECT_EQ(ScratchFolder::Read("x.y"), "");
}

TEST_F(C1QELTest, ClosingForgetsTheGlobalHandles) {
    const ScratchFolder scratch("qel_close");
    ParsedDoc doc(kPlainDocument);
    C1QEL qel("", "", doc.handle, 1, 1, 1);
    g_pDump = qel.OpenDumpFile("");
    g_pTrace = qel.OpenTraceFile("");
    EXPECT_EQ(qel.CloseTraceFile(), 1);
    EXPECT_EQ(g_pTrace, nullptr);
    EXPECT_NE(g_pDump, nullptr);
    EXPECT_EQ(qel.CloseDumpFile(), 1);
    EXPECT_EQ(g_pDump, nullptr);
    EXPECT_EQ(qel.CloseDumpFile(), 1); // closing a closed file is harmless
    EXPECT_EQ(qel.CloseInputFile(), 1);
}

TEST_F(C1QELTest, TempFileName) {
    EnvGuard tmp("TMPDIR", "/var/t");
    EXPECT_EQ(C1QEL::GetTempFileName("a"), "/var/t//a");
    EXPECT_EQ(C1QEL::GetTempFileName(""), "/var/t/");
}

TEST_F(C1QELTest, TranslationReturnsTheText) {
    C1QEL qel;
    std::string out = "old";
    EXPECT_EQ(qel.LOC_TranslateX(out, "Iteration divergiert:\n Berechnung abgebrochen"),
              "Iteration divergiert:\n Berechnung abgebrochen");
    EXPECT_EQ(out, "Iteration divergiert:\n Berechnung abgebrochen");
    EXPECT_EQ(C1QEL::LOC_TranslateSection(out, "X", "Bitte schließen", true), "Bitte schließen");
    EXPECT_EQ(C1QEL::LOC_TranslateSection(out, "X", nullptr, false), "");
}

TEST_F(C1QELTest, GetSettingTrimsTrailingBlanksOnly) {
    RegisterTestHost({{"Projekt", " a b  \t"}});
    EXPECT_EQ(C1QEL::GetSetting("Projekt"), " a b");
    EXPECT_EQ(C1QEL::GetSetting("unbekannt"), "");
}

TEST_F(C1QELTest, SettingIntoTheCallersBufferKeepsItsBlanksAndFitsTheBuffer) {
    RegisterTestHost({{"Projekt", "Kaimauer  "}, {"Titel", "Prüfung"}});
    const struct {
        const char* key;
        int size;
        const char* expected;
    } cases[] = {
        {"Projekt", 64, "Kaimauer  "}, // nothing trimmed
        {"Projekt", 5, "Kaim"},        // four bytes and the zero
        {"Titel", 4, "Pr"},            // "ü" takes two bytes and does not fit after "Pr"
        {"unbekannt", 64, ""},
    };
    for (const auto& c : cases) {
        char buffer[64];
        std::fill(std::begin(buffer), std::end(buffer), 'x');
        EXPECT_EQ(C1QEL::GetSetting(c.key, buffer, c.size), 1);
        EXPECT_STREQ(buffer, c.expected) << c.key << " in " << c.size;
        if (c.size < 64) {
            EXPECT_EQ(buffer[c.size], 'x') << "nothing written past the buffer";
        }
    }
    // Asked with an empty buffer of size 0 the library answers the setting's length.
    EXPECT_EQ(C1QEL::QuerySetting("Projekt"), 10);
    EXPECT_EQ(C1QEL::QuerySetting("unbekannt"), 0);
}

// The batch switches are read by their values: the length that a query of size 0
// answers would turn "Option/Quick=0" on.
TEST_F(C1QELTest, BatchSwitchesAreReadByTheirValue) {
    const struct {
        const char* value; // null: the host has no such setting
        int expected;
    } cases[] = {
        {nullptr, 0}, {"", 0},   {"0", 0},  {"1", 1},   {" 2 ", 2},         {"+3", 3},
        {"-1", -1},   {"ja", 0}, {"1x", 0}, {"1.5", 0}, {"99999999999", 0},
    };
    for (const auto& c : cases) {
        std::map<std::string, std::string> settings;
        if (c.value != nullptr) {
            settings["Option/Quick"] = c.value;
            settings["Option/All"] = c.value;
        }
        RegisterTestHost(settings);
        C1QEL qel;
        qel.Quick.QuickModus = 7;
        EXPECT_EQ(qel.ReadQuickOptionen(), c.expected) << (c.value ? c.value : "(none)");
        EXPECT_EQ(qel.Quick.QuickModus, c.expected);
        EXPECT_EQ(qel.Quick.bAll, c.expected);
    }
}

TEST_F(C1QELTest, QuickQueriesAndDummySteps) {
    for (const int quickModus : {0, 1, 2}) {
        C1QEL qel;
        qel.Quick.QuickModus = quickModus;
        const int expected = quickModus == 0 ? 1 : 0;
        EXPECT_EQ(qel.IsNotQuick(7), expected) << quickModus;
        EXPECT_EQ(qel.IsNotQuick(-1, 9), expected) << quickModus;
        EXPECT_EQ(qel.DummyStep(quickModus), 1);
        EXPECT_EQ(qel.DummyCheck(quickModus), 0);
    }
}

TEST_F(C1QELTest, OutsideTheHostStatusAndProgressGoToTheOwnDisplay) {
    ProgressWnd display;
    display.SetRange(0, 100);
    display.SetStep(10);
    C1QEL qel; // a context not run by the host, not in quick mode
    qel.pProgressWnd = &display;

    EXPECT_EQ(qel.SetStatusText("Berechnung starten"), 1);
    EXPECT_EQ(display.GetText(), "Berechnung starten");
    // value > 0 sets the bar, value <= 0 advances it by its step; at the upper end of the
    // range the bar stays where it is, and the call still reports that it was handled.
    const struct {
        int value;
        int pos;
    } steps[] = {{0, 10}, {35, 35}, {-2, 45}, {100, 100}, {0, 100}, {20, 100}};
    for (const auto& s : steps) {
        EXPECT_EQ(qel.Progress(s.value), 1);
        EXPECT_EQ(display.GetPos(), s.pos) << "after Progress(" << s.value << ")";
    }
    EXPECT_EQ(display.GetRepaints(), 5) << "the status text and four moves of the bar";
    EXPECT_EQ(qel.iProgress, 0) << "the host's counter is not touched";

    qel.Quick.QuickModus = 1; // in quick mode nothing is shown
    EXPECT_EQ(qel.SetStatusText("Ausgabe erzeugen"), 0);
    EXPECT_EQ(qel.Progress(0), 0);
    EXPECT_EQ(display.GetText(), "Berechnung starten");
    EXPECT_EQ(display.GetRepaints(), 5);
    EXPECT_TRUE(SentToHost().empty());
}

TEST_F(C1QELTest, SleepWaitsAndEndsByItsTimeOut) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(SleepMs(20), QEL_WAIT_TIMEOUT);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
    EXPECT_EQ(SleepMs(0), QEL_WAIT_TIMEOUT);
    EXPECT_EQ(SleepMs(-1), QEL_WAIT_TIMEOUT) << "a negative time does not wait for ever";
}

} // namespace
