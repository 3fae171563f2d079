#include "host/ZirfRun.h"
#include "base/Trace.h"
#include "platform/EmfHandles.h"
#include "platform/RunFileRecord.h"
#include "plot/member/Plot_.h"

#include "../support/EnvGuard.h"
#include "../support/Examples.h"
#include "../support/ScratchFolder.h"
#include "HostFixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <dlfcn.h>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <utility>

namespace fs = std::filesystem;

namespace {

// The cantilevered example: a wall the whole run can compute.
const std::string kDocument = ExampleText("kragwand.xml");

class ZirfRunTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestHost(); }
    void TearDown() override { RegisterTestHost({}); }

    EnvGuard m_user{"QELUSER", nullptr};
    ScratchFolder m_folder{"zirfrun"};
};

TEST_F(ZirfRunTest, CompleteRunSendsStatusProgressAndEnd) {
    ParsedDoc doc(kDocument);
    EXPECT_EQ(ZirfRun(doc.handle, 1), ZirfRunOutcome::Completed);
    EXPECT_EQ(SentToHost(), (std::vector<std::string>{"0/0 1 Programmstart",
                                                      "0/0 2 ",
                                                      "1/100 p",
                                                      "0/0 1 Eingabedatei anlesen",
                                                      "0/0 2 ",
                                                      "2/100 p",
                                                      "0/0 1 Berechnung starten",
                                                      "0/0 2 ",
                                                      "3/100 p",
                                                      "4/100 p",
                                                      "5/100 p",
                                                      "0/0 1  ",
                                                      "0/0 2 ",
                                                      "6/100 p",
                                                      "0/0 1 Ausgabe erzeugen",
                                                      "0/0 2 ",
                                                      "7/100 p",
                                                      "0/0 1 Grafik erzeugen",
                                                      "0/0 2 ",
                                                      "8/100 p",
                                                      "100/100 p",
                                                      "0/0 e"}));
    EXPECT_TRUE(QEL_ShownMessages().empty());
    EXPECT_EQ(g_pTrace, nullptr);
    EXPECT_EQ(g_pDump, nullptr);
}

TEST_F(ZirfRunTest, ErrorsAreShownAndEndTheRun) {
    ParsedDoc doc(kDocument);
    const struct {
        const char* version;
        QEDOM_HANDLE document;
        const char* message;
        std::vector<std::string> sent;
    } cases[] = {
        // The context was never built: no end message.
        {"V2.0", 0, "C1QEL::ctor()  hDoc =null\nim Modul: debug\n\n", {}},
        // The context was built: its destruction still tells the host.
        {"V1.9", doc.handle, "qelrtfx.dll ist nicht korrekt\n\n", {"0/0 e"}},
    };
    for (const auto& c : cases) {
        RegisterTestHost({{"QE-Version/qelrtfx", c.version}});
        EXPECT_EQ(ZirfRun(c.document, 1), ZirfRunOutcome::Failed);
        EXPECT_EQ(QEL_ShownMessages(), std::vector<std::string>{c.message});
        EXPECT_EQ(SentToHost(), c.sent);
    }
}

TEST_F(ZirfRunTest, InputErrorsEndTheRunBeforeAnyFileIsDeleted) {
    EnvGuard user("QELUSER", "KESTL");
    const struct {
        const char* xml;
        const char* message;
    } cases[] = {
        {"<doc><info/></doc>", "In xml-Eingabedatei input-Knoten nicht vorhanden\n\n"},
        {"<doc><input><steu lastfall='3'/></input></doc>", "lastfall"},
    };
    for (const auto& c : cases) {
        ScratchFolder::Write("wand.txt");
        ScratchFolder::Write("LKGEN_KombRegeln.txt");
        ParsedDoc doc(c.xml);
        RegisterTestHost();
        EXPECT_EQ(ZirfRun(doc.handle, 1), ZirfRunOutcome::Failed) << c.xml;
        ASSERT_EQ(QEL_ShownMessages().size(), 1u) << c.xml;
        EXPECT_NE(QEL_ShownMessages()[0].find(c.message), std::string::npos)
            << QEL_ShownMessages()[0];
        // Reading stopped the run: status 467 never came, the end message did.
        EXPECT_EQ(SentToHost().back(), "0/0 e");
        EXPECT_EQ(SentToHost().at(SentToHost().size() - 2), "2/100 p");
        // The trace was opened, closed once and forgotten; files the run did not write
        // stay, the suite's among them.
        EXPECT_EQ(ScratchFolder::Read("x.y"), "Parameter -a -b");
        EXPECT_EQ(g_pTrace, nullptr);
        EXPECT_EQ(g_pDump, nullptr);
        EXPECT_TRUE(fs::exists("wand.txt"));
        EXPECT_TRUE(fs::exists("LKGEN_KombRegeln.txt"));
    }
}

TEST_F(ZirfRunTest, SketchesNamedByTheDocumentGoOnlyInsideTheOutputFolder) {
    fs::create_directories("out");
    // Sketches are pictures: the head of a 1 x 1 PNG is enough to be recognised.
    const std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x01\0\0\0\x01", 24);
    ScratchFolder::Write("outside.png", png);
    ScratchFolder::Write("out/s2d.png", png);
    ParsedDoc doc(kDocument);
    const QEDOM_HANDLE steu =
        QEDOM_FindFirstChild(QEDOM_FindFirstChild(doc.Root(), "input"), "steu");
    QEDOM_SetString(steu, "skizze2d_datei", "s2d.png");
    QEDOM_SetString(steu, "skizze3d_datei", "../outside.png");
    fs::current_path("out");
    const ZirfRunOutcome outcome = ZirfRun(doc.handle, 1);
    fs::current_path(m_folder.path());
    EXPECT_EQ(outcome, ZirfRunOutcome::Completed);
    EXPECT_FALSE(fs::exists("out/s2d.png"));
    EXPECT_TRUE(fs::exists("outside.png"));
}

// Result elements of the document as the run leaves them: how many, and how many of
// them it found there (marked before the run).
std::pair<int, int> ResultsAfterRun(const ParsedDoc& doc, int flag = 1) {
    for (QEDOM_HANDLE e = QEDOM_FindFirstChild(doc.Root(), "result"); e != 0;
         e = QEDOM_FindNextChild(e, "result")) {
        QEDOM_SetInt(e, "alt", 1);
    }
    ZirfRun(doc.handle, flag);
    int count = 0;
    int old = 0;
    for (QEDOM_HANDLE e = QEDOM_FindFirstChild(doc.Root(), "result"); e != 0;
         e = QEDOM_FindNextChild(e, "result")) {
        ++count;
        old += QEDOM_GetString(e, "alt") != nullptr ? 1 : 0;
    }
    return {count, old};
}

TEST_F(ZirfRunTest, EveryOldResultGoesAndAFailedRunLeavesNone) {
    const std::string stale = "<result/><result/><result/></zirf>";
    std::string document = kDocument;
    document.replace(document.find("</zirf>"), 7, stale);
    const struct {
        const char* what;
        std::string xml;
        std::map<std::string, std::string> settings;
        std::pair<int, int> results; // count, of them old
    } cases[] = {
        {"complete run", document, HostSettingsOfARun(), {1, 0}},
        {"no input element", "<zirf>" + stale, HostSettingsOfARun(), {0, 0}},
        // The report cannot be written into a folder that does not exist.
        {"report not writable",
         document,
         {{"QE-Version/qelrtfx", "V2.0"}, {"File/dpf", "fehlt/wand"}},
         {0, 0}},
    };
    for (const auto& c : cases) {
        ParsedDoc doc(c.xml);
        RegisterTestHost(c.settings);
        EXPECT_EQ(ResultsAfterRun(doc), c.results) << c.what;
    }
}

TEST_F(ZirfRunTest, ReportThatCannotBeWrittenEndsTheRunBeforeTheCalculation) {
    fs::create_directories("ordner.rtf");
    ScratchFolder::Write("fest.rtf", "alter Bericht");
    fs::permissions("fest.rtf", fs::perms::owner_read);
    const struct {
        const char* prefix;
        std::string says;
    } cases[] = {
        {"fehlt/wand", "der Ordner fehlt existiert nicht"},
        {"ordner", "unter diesem Namen steht ein Ordner"},
        {"fest", "sie ist schreibgesch\xC3\xBCtzt"},
    };
    for (const auto& c : cases) {
        ParsedDoc doc(kDocument);
        RegisterTestHost({{"QE-Version/qelrtfx", "V2.0"}, {"File/dpf", c.prefix}});
        EXPECT_EQ(ZirfRun(doc.handle, 1), ZirfRunOutcome::Failed) << c.prefix;
        ASSERT_EQ(QEL_ShownMessages().size(), 1u) << c.prefix;
        EXPECT_EQ(QEL_ShownMessages()[0], "Die RTF-Ausgabedatei " + std::string(c.prefix) +
                                              ".rtf kann nicht geschrieben werden: " + c.says +
                                              ".\n\n");
        // Told before the input was read: no status past the first.
        EXPECT_EQ(SentToHost().back(), "0/0 e");
        EXPECT_EQ(SentToHost().size(), 1u) << c.prefix;
    }
    EXPECT_EQ(ScratchFolder::Read("fest.rtf"), "alter Bericht");
}

TEST_F(ZirfRunTest, AnyOtherErrorEndsWithCalculationAborted) {
    ParsedDoc doc(kDocument);
    // An index out of range in the middle of a run (here thrown where the host takes
    // the first progress message) must reach the catch-all, after the context is gone.
    QELRTFX_HostSetup setup;
    setup.settings = HostSettingsOfARun();
    bool thrown = false;
    setup.notify = [&thrown](int, int, const std::string& text) {
        if (text == "p" && !thrown) {
            thrown = true;
            throw std::out_of_range("vector::at");
        }
    };
    QELRTFX_RegisterHost(setup);
    QEL_ClearShownMessages();
    EXPECT_EQ(ZirfRun(doc.handle, 1), ZirfRunOutcome::Failed);
    EXPECT_EQ(QEL_ShownMessages(), std::vector<std::string>{"Calculation aborted"});
    EXPECT_EQ(SentToHost().back(), "0/0 e");
    EXPECT_EQ(g_pTrace, nullptr);
}

TEST_F(ZirfRunTest, AFailedRunTakesThePicturesItWroteAlong) {
    ParsedDoc doc(kDocument);
    for (int flag : {0, 1}) {
        ScratchFolder::Write("Querkraefte.emf", "eigen");
        QELRTFX_HostSetup setup;
        setup.settings = HostSettingsOfARun();
        setup.notify = [](int, int, const std::string& text) {
            if (text == "1 Grafik erzeugen") {
                const EmfWriter writer;
                QEL_DeleteEnhMetaFile(QEL_CloseEnhMetaFile(writer, "Momente.emf"));
                throw std::out_of_range("vector::at");
            }
        };
        QELRTFX_RegisterHost(setup);
        EXPECT_EQ(ZirfRun(doc.handle, flag), ZirfRunOutcome::Failed) << flag;
        EXPECT_EQ(fs::exists("Momente.emf"), flag == 0) << flag;
        EXPECT_EQ(ScratchFolder::Read("Querkraefte.emf"), "eigen") << flag;
        fs::remove("Momente.emf");
    }
}

TEST_F(ZirfRunTest, DeveloperRunLeavesTraceAndDump) {
    EnvGuard user("QELUSER", "kestl");
    ParsedDoc doc(kDocument);
    ASSERT_EQ(ZirfRun(doc.handle, 1), ZirfRunOutcome::Completed);
    EXPECT_EQ(ScratchFolder::Read("x.y").rfind("Parameter -a -b", 0), 0u)
        << ScratchFolder::Read("x.y");
    EXPECT_EQ(ScratchFolder::Read("X.X").rfind("X.X-Datei    erstellt am ", 0), 0u);

    // A second run replaces the files of the first.
    fs::resize_file("x.y", 0);
    RegisterTestHost({{"QE-Version/qelrtfx", "V2.0"}, {"File/dpf", "wand"}, {"Optionen", "zwei"}});
    ASSERT_EQ(ZirfRun(doc.handle, 1), ZirfRunOutcome::Completed) << QEL_ShownMessages().at(0);
    EXPECT_EQ(ScratchFolder::Read("x.y").rfind("Parameter zwei", 0), 0u);
}

TEST_F(ZirfRunTest, OrdinaryRunLeavesNoTraceOrDump) {
    EnvGuard user("QELUSER", "someone");
    ParsedDoc doc(kDocument);
    ASSERT_EQ(ZirfRun(doc.handle, 1), ZirfRunOutcome::Completed);
    EXPECT_FALSE(fs::exists("x.y"));
    EXPECT_FALSE(fs::exists("X.X"));
}

TEST_F(ZirfRunTest, FlagDecidesWhetherTheRunFilesGoAndUserFilesStay) {
    ParsedDoc doc(kDocument);
    for (int flag : {0, 1}) {
        // Files of the names a run may write, there before the run: the user's.
        for (const char* name : {"wand.txt", "wand.tmp.txt", "wand2d.emf", "Momente.emf",
                                 "LKGEN_GammaPsi.txt", "LKGEN_KombRegeln.txt"}) {
            ScratchFolder::Write(name, "eigen");
        }
        // A picture the run writes itself during the run.
        QELRTFX_HostSetup setup;
        setup.settings = HostSettingsOfARun();
        setup.notify = [](int, int, const std::string& text) {
            if (text == "1 Grafik erzeugen") {
                ScratchFolder::Write("Querkraefte.emf");
                QEL_RecordRunFile("Querkraefte.emf");
            }
        };
        QELRTFX_RegisterHost(setup);
        ASSERT_EQ(ZirfRun(doc.handle, flag), ZirfRunOutcome::Completed) << flag;
        EXPECT_EQ(fs::exists("Querkraefte.emf"), flag == 0) << flag;
        for (const char* name : {"wand.txt", "wand.tmp.txt", "wand2d.emf", "Momente.emf",
                                 "LKGEN_GammaPsi.txt", "LKGEN_KombRegeln.txt"}) {
            EXPECT_EQ(ScratchFolder::Read(name), "eigen") << flag << " " << name;
        }
        EXPECT_TRUE(fs::exists("wand.rtf"));
        fs::remove("Querkraefte.emf");
    }
}

// The pictures of a run: one in the temporary folder through the plot layer and one of
// a fixed name in the output folder through the metafile writer. Runs at the same time
// share the temporary folder and may share the output folder. A temporary folder that
// takes no new folder must not cost the run its pictures.
TEST_F(ZirfRunTest, PicturesOfARunAreItsOwnAndGoWithIt) {
    fs::create_directories("tmp");
    const fs::path shared = m_folder.path() / "tmp";
    ParsedDoc doc(kDocument);
    for (const fs::path& tmpdir : {shared, m_folder.path() / "missing"}) {
        const EnvGuard temp("TMPDIR", tmpdir.c_str());
        for (int flag : {0, 1}) {
            std::string plotPicture;
            bool drawn = false;
            QELRTFX_HostSetup setup;
            setup.settings = HostSettingsOfARun();
            setup.notify = [&](int, int, const std::string& text) {
                if (text != "1 Grafik erzeugen") {
                    return;
                }
                ASSERT_EQ(
                    Plot_Init(0, 4.0f, 1.0f, " ", 10.0f, 10.0f, 160.0f, 100.0f, 0, 1, 0, "System"),
                    1);
                plotPicture = Plot_FileName();
                // Drawn, and kept in memory: its file would lie in the run's own folder.
                drawn = Plot_Close(0) == 1 && !fs::exists(plotPicture);
                const EmfWriter writer;
                QEL_DeleteEnhMetaFile(QEL_CloseEnhMetaFile(writer, "Momente.emf"));
            };
            QELRTFX_RegisterHost(setup);
            ASSERT_EQ(ZirfRun(doc.handle, flag), ZirfRunOutcome::Completed) << flag;
            // The temporary picture was named in a folder of this run's own, gone with the run.
            EXPECT_TRUE(drawn) << tmpdir << " " << plotPicture;
            EXPECT_NE(fs::path(plotPicture).parent_path(), tmpdir) << plotPicture;
            EXPECT_FALSE(fs::exists(plotPicture)) << plotPicture;
            EXPECT_TRUE(fs::is_empty(shared)) << flag;
            // The picture in the output folder was the run's: it goes unless kept.
            EXPECT_EQ(fs::exists("Momente.emf"), flag == 0) << flag;
            fs::remove("Momente.emf");
            // Nothing else of the run is left in the output folder.
            for (const auto& entry : fs::directory_iterator(".")) {
                EXPECT_EQ(entry.path().filename().string().rfind(".zirf", 0), std::string::npos)
                    << entry.path();
            }
        }
    }
}

TEST_F(ZirfRunTest, AnchoredWallsRunTheDeepSlipLineCheck) {
    EnvGuard user("QELUSER", "KESTL");
    for (const char* beispiel : {"anker_frei.xml", "anker_eingespannt.xml"}) {
        ParsedDoc doc(ExampleText(beispiel));
        ASSERT_EQ(ZirfRun(doc.handle, 1), ZirfRunOutcome::Completed) << beispiel;
        EXPECT_TRUE(QEL_ShownMessages().empty()) << beispiel;
        // The developer trace follows the slip line's geometry and the segment forces.
        const std::string trace = ScratchFolder::Read("x.y");
        for (const char* zeile : {"\nTGF: Fuss x ", "\nTGF: Abschnitt 1 ", "\nTGF: Abschnitt 2 ",
                                  "\nA ", "\nTGF: AvorhG ", "\nTGF: Ad "}) {
            EXPECT_NE(trace.find(zeile), std::string::npos) << beispiel << ": " << zeile;
        }
    }
}

TEST_F(ZirfRunTest, ModuleExportsTheEntryUnderItsPlainName) {
    const std::string library = std::string(ZIRF_BINARY_DIR) + "/libzirfc.so";
    void* module = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    using Entry = void (*)(std::int32_t, std::int32_t);
    const auto entry = reinterpret_cast<Entry>(dlsym(module, "ZIRF_Calc"));
    ASSERT_NE(entry, nullptr);
    entry(0, 1); // no document: the module shows its error itself and returns
    EXPECT_EQ(dlsym(module, "ZirfRun"), nullptr) << "only the entry is exported";
    dlclose(module);
}

// Loading and unloading the module builds and destroys its load-time objects and does
// nothing else: no file, no message, no word to the host; and it loads again.
TEST_F(ZirfRunTest, LoadingAndUnloadingTheModuleDoesNothingElse) {
    const std::string library = std::string(ZIRF_BINARY_DIR) + "/libzirfc.so";
    QELRTFX_RegisterHost({});
    const auto before = std::distance(std::filesystem::directory_iterator("."),
                                      std::filesystem::directory_iterator());
    for (int mal = 0; mal < 2; ++mal) {
        void* module = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(module, nullptr) << dlerror();
        EXPECT_NE(dlsym(module, "ZIRF_Calc"), nullptr);
        EXPECT_EQ(dlclose(module), 0) << dlerror();
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."),
                            std::filesystem::directory_iterator()),
              before);
    EXPECT_TRUE(QEL_ShownMessages().empty());
    EXPECT_TRUE(QELRTFX_Recorded().commandLines.empty());
    EXPECT_TRUE(QELRTFX_Recorded().notifications.empty());
}

} // namespace
