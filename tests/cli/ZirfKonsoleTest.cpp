// What a call shows on stderr: each input's lines end with the files its run wrote and
// how it ended; on a terminal the status and the progress are one line drawn in place.
#include "../support/Examples.h"
#include "../support/ScratchFolder.h"
#include "ZirfCall.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Runs zirf with stdout and stderr on a terminal of its own (script(1) makes one) and
// returns what the terminal received; a terminal ends its lines with "\r\n".
std::string RunZirfOnTerminal(const std::string& args) {
    const std::string command =
        "ulimit -c 0; ulimit -t 120; script -qec 'env QELUSER= " + ZirfProgram() + " " + args +
        "' /dev/null </dev/null >terminal.out 2>&1";
    std::system(command.c_str());
    return ScratchFolder::Read("terminal.out");
}

class ZirfKonsole : public ::testing::Test {
protected:
    void SetUp() override {
        ScratchFolder::Write("wand.xml", ExampleText("kragwand.xml"));
        ScratchFolder::Write("warnung.xml", SourceText("tests/analysis/data/divergiert.xml"));
        ScratchFolder::Write("fehler.xml", SourceText("tests/host/data/ohne_input.xml"));
        ScratchFolder::Write("bericht.settings", "File/dpf=bericht\n");
        fs::create_directories("out");
    }

    ScratchFolder m_folder{"konsole"};
};

TEST_F(ZirfKonsole, EachInputEndsWithItsFilesAndHowItEnded) {
    // A report and a result that stand there before a run that fails are not its files.
    ScratchFolder::Write("out/fehler.rtf", "alt");
    ScratchFolder::Write("out/fehler.result.xml", "alt");
    const std::string out = (fs::current_path() / "out").string() + "/";
    const struct {
        const char* args;
        std::string end;
    } cases[] = {
        {"-o out wand.xml", "end of run\nzirf: wrote " + out + "wand.rtf and " + out +
                                "wand.result.xml\nzirf: wand.xml: status 0, completed\n"},
        {"-o out --settings bericht.settings wand.xml",
         "zirf: wrote " + out + "bericht.rtf and " + out +
             "wand.result.xml\nzirf: wand.xml: status 0, completed\n"},
        {"-o out warnung.xml", "zirf: wrote " + out + "warnung.rtf and " + out +
                                   "warnung.result.xml\nzirf: warnung.xml: status 3, completed "
                                   "after a warning\n"},
        {"-o out fehler.xml", "zirf: wrote no file\nzirf: fehler.xml: status 1, ended with an "
                              "error\n"},
        {"-o out fehlt.xml", "zirf: wrote no file\nzirf: fehlt.xml: status 2, not run\n"},
    };
    for (const auto& c : cases) {
        const ZirfCall r = RunZirf(c.args);
        EXPECT_TRUE(EndsWith(r.err, c.end)) << c.args << ":\n" << r.err;
    }
    // Each input of a call has its own lines.
    const ZirfCall r = RunZirf("-o out fehlt.xml wand.xml");
    EXPECT_TRUE(Contains(r.err, "zirf: wrote no file\nzirf: [1/2] fehlt.xml: status 2, not run\n"))
        << r.err;
    EXPECT_TRUE(EndsWith(r.err, "zirf: wrote " + out + "wand.rtf and " + out +
                                    "wand.result.xml\nzirf: [2/2] wand.xml: status 0, completed\n"))
        << r.err;
    EXPECT_EQ(ScratchFolder::Read("out/fehler.rtf"), "alt");
}

TEST_F(ZirfKonsole, OnATerminalTheProgressIsOneLineDrawnInPlace) {
    const std::string shown = RunZirfOnTerminal("wand.xml");
    for (const char* step : {"\r\033[K[  1/100] Programmstart", "\r\033[K[  2/100] Eingabedatei",
                             "\r\033[K[100/100] Grafik erzeugen"}) {
        EXPECT_TRUE(Contains(shown, step)) << step << " missing in:\n" << shown;
    }
    EXPECT_FALSE(Contains(shown, "progress:")) << shown;
    EXPECT_FALSE(Contains(shown, "status:")) << shown;
    // The end of the run and the lines after it start lines of their own.
    EXPECT_TRUE(Contains(shown, "Grafik erzeugen\r\nend of run\r\nzirf: wrote ")) << shown;
    EXPECT_TRUE(EndsWith(shown, "zirf: wand.xml: status 0, completed\r\n")) << shown;

    // So does a message box shown while the line is drawn.
    const std::string warned = RunZirfOnTerminal("warnung.xml");
    const auto box = warned.find("Iteration divergiert");
    ASSERT_NE(box, std::string::npos) << warned;
    EXPECT_EQ(warned.substr(box - 2, 2), "\r\n") << warned;
    EXPECT_TRUE(EndsWith(warned, "zirf: warnung.xml: status 3, completed after a warning\r\n"))
        << warned;

    // Quiet on a terminal too.
    EXPECT_EQ(RunZirfOnTerminal("-q wand.xml"), "");
}

} // namespace
