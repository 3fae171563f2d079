// The older text input: whole lines, comments skipped, keyword and data lines told
// apart from the end of the file, chapters found by their keyword, errors raised.
#include "host/C1QEL.h"
#include "host/TextZeile.h"
#include "model/C1ZirfInput.h"
#include "platform/C1Exception.h"

#include "../support/EnvGuard.h"
#include "../support/ScratchFolder.h"
#include "HostFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A text-input context with the file opened, and an input model over it.
class TextInput : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestHost({{"File/fe", "wand.qe1"}}); }
    void TearDown() override { RegisterTestHost({}); }

    void Open(const std::string& text) {
        ScratchFolder::Write("wand.qe1", text);
        m_qel = std::make_unique<C1QEL>(nullptr);
        ASSERT_NE(m_qel->OpenIn(""), nullptr);
        m_input = std::make_unique<C1ZirfInput>(m_qel.get());
    }

    // Every (result, line) the context's reader gives up to and including the end.
    std::vector<std::pair<int, std::string>> ReadAll() {
        std::vector<std::pair<int, std::string>> lines;
        std::string line = "alt";
        int art = 0;
        do {
            art = m_qel->ReadIn(line);
            lines.emplace_back(art, line);
        } while (art != C1QEL::kZeileEnde && lines.size() < 100);
        return lines;
    }

    EnvGuard m_user{"QELUSER", nullptr};
    ScratchFolder m_folder{"textinput"};
    std::unique_ptr<C1QEL> m_qel;
    std::unique_ptr<C1ZirfInput> m_input;
};

constexpr int S = C1QEL::kZeileSchluessel;
constexpr int D = C1QEL::kZeileDaten;
constexpr int E = C1QEL::kZeileEnde;

TEST_F(TextInput, LinesAreCommentsKeywordsOrData) {
    const std::string lang(300, 'x');
    const struct {
        const char* name;
        std::string text;
        std::vector<std::pair<int, std::string>> lines;
    } cases[] = {
        {"kinds",
         "* Stern\n; Semikolon\nABC Kapitel\n1 2\nAb klein\n\n x\nZ\n",
         {{S, "ABC Kapitel\n"},
          {D, "1 2\n"},
          {D, "Ab klein\n"},
          {D, "\n"},
          {D, " x\n"},
          {D, "Z\n"},
          {E, ""}}},
        {"CRLF like LF", "* c\r\nBODEN\r\n1.5 2\r\n", {{S, "BODEN\n"}, {D, "1.5 2\n"}, {E, ""}}},
        {"last line without its end", "AB\n7", {{S, "AB\n"}, {D, "7"}, {E, ""}}},
        {"a CR inside a line stays", "A\rB\n", {{D, "A\rB\n"}}},
        {"empty file", "", {{E, ""}}},
        {"only comments", "*\n;\n", {{E, ""}}},
        // A long line is one line: its tail never becomes a heading of its own.
        {"long line",
         "1 " + lang + "GEOMETRIE\nAB\n",
         {{D, "1 " + lang + "GEOMETRIE\n"}, {S, "AB\n"}, {E, ""}}},
    };
    for (const auto& c : cases) {
        Open(c.text);
        auto expected = c.lines;
        if (expected.back().first != E) {
            expected.emplace_back(E, "");
        }
        EXPECT_EQ(ReadAll(), expected) << c.name;
        // The end stays the end.
        std::string line = "alt";
        EXPECT_EQ(m_qel->ReadIn(line), E) << c.name;
        EXPECT_EQ(line, "") << c.name;
    }
}

TEST_F(TextInput, ALineBeyondTheLimitIsAnInputErrorNamingIt) {
    Open("AB\n* c\n1\n" + std::string(kMaxTextZeile + 1, '7') + "\nCD\n");
    std::string line;
    EXPECT_EQ(m_qel->ReadIn(line), S);
    EXPECT_EQ(m_qel->ReadIn(line), D);
    try {
        m_qel->ReadIn(line);
        FAIL() << "no error";
    } catch (const C1Exception& e) {
        EXPECT_EQ(e.Message(),
                  "Fehler in Eingabedatei ! \nZeile 4 ist l\xC3\xA4nger als 1048576 Zeichen\n\n");
    }
    EXPECT_EQ(m_qel->GetInputFile(), nullptr) << "the error closes the input";
    // A line of exactly the limit is read.
    Open(std::string(kMaxTextZeile, '7') + "\r\n");
    EXPECT_EQ(m_qel->ReadIn(line), D);
    EXPECT_EQ(line.size(), kMaxTextZeile + 1);
}

TEST_F(TextInput, ChaptersAreFoundByTheFirstWordOfTheirHeading) {
    Open("* SCHICHT im Kommentar\n"
         "schicht klein\n"
         "1 SCHICHT in Daten\n"
         "SCHICHTEN 3\n"
         "SCHICHT\tBoden\n"
         "10 20\n"
         "LAST\n"
         "LEER\n");
    const struct {
        const char* keyword;
        int found;
        const char* zeile;
    } cases[] = {
        {"SCHICHT", 1, "10 20\n"},
        {"SCHICHTEN", 1, "SCHICHT\tBoden\n"},
        {"LAST", 1, "LEER\n"},
        {"LEER", 1, ""}, // the heading is the last line: nothing follows
        {"SCHICH", 0, ""},
        {"Schicht", 0, ""},
        {"", 0, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(m_input->FindTextKeyword(c.keyword), c.found) << c.keyword;
        EXPECT_EQ(m_input->zeile, c.zeile) << c.keyword;
    }
    // After a chapter is found its data follow until the next heading or the end.
    ASSERT_EQ(m_input->FindTextKeyword("SCHICHT"), 1);
    EXPECT_EQ(m_input->ReadTextInput(), C1ZirfInput::kTextKapitel);
    EXPECT_EQ(m_input->zeile, "LAST\n");
    EXPECT_EQ(m_input->ReadTextInput(), C1ZirfInput::kTextKapitel);
    EXPECT_EQ(m_input->ReadTextInput(), C1ZirfInput::kTextEnde);
    EXPECT_EQ(m_input->ReadTextInput(), C1ZirfInput::kTextEnde);
    ASSERT_EQ(m_input->FindTextKeyword("SCHICHTEN"), 1);
    EXPECT_EQ(m_input->ReadTextInput(), C1ZirfInput::kTextDaten);
    EXPECT_EQ(m_input->zeile, "10 20\n");
}

TEST_F(TextInput, InputErrorsAreRaisedEvenInQuickMode) {
    // Quick mode outside the host: the error still reaches the caller, the process lives on.
    RegisterTestHost({{"Option/Quick", "1"}, {"Optionen", "/POS=\"wand\""}});
    ScratchFolder::Write("wand.qe1", "AB\n");
    C1QEL qel(nullptr);
    ASSERT_EQ(qel.GetQuickModus(), 1);
    ASSERT_NE(qel.OpenIn(""), nullptr);
    try {
        qel.InputFileError("BODEN", "1 x 3\n");
        FAIL() << "no error";
    } catch (const C1Exception& e) {
        EXPECT_EQ(e.code, 1);
        EXPECT_EQ(e.Message(), "Fehler in Eingabedatei ! \nKapitel : BODEN\nZeile : 1 x 3\n\n\n");
    }
    EXPECT_EQ(qel.GetInputFile(), nullptr);
    EXPECT_THROW(qel.FatalErrorStatic(0, "Abbruch"), C1Exception);
}

TEST_F(TextInput, FilesThatCannotBeRead) {
    fs::create_directories("ordner");
    const struct {
        const char* fe;   // the setting File/fe
        const char* name; // handed to OpenIn
    } cases[] = {{"", ""}, {"fehlt.qe1", ""}, {"", "fehlt.qe1"}, {"", "ordner"}};
    for (const auto& c : cases) {
        RegisterTestHost({{"File/fe", c.fe}});
        C1QEL qel(nullptr);
        try {
            qel.OpenIn(c.name);
            FAIL() << c.fe << "|" << c.name;
        } catch (const C1Exception& e) {
            EXPECT_EQ(e.Message(), "Eingabedatei kann nicht ge\xC3\xB6"
                                   "ffnet werden\n\n")
                << c.fe << "|" << c.name;
        }
    }
    // Without an open input there is nothing to read.
    RegisterTestHost({});
    C1QEL qel(nullptr);
    C1ZirfInput input(&qel);
    std::string line;
    EXPECT_THROW(qel.ReadIn(line), C1Exception);
    EXPECT_THROW(input.FindTextKeyword("AB"), C1Exception);
}

TEST(C1ZirfInputHelper, OneHelperMadeOnceAndOwnedByTheInput) {
    C1ZirfInput input(nullptr);
    EXPECT_EQ(input.pHelper, nullptr);
    C1ZirfInput::SHelper* first = input.GetHelper();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(input.GetHelper(), first);
    EXPECT_EQ(input.CreateHelper(), 1);
    EXPECT_EQ(input.GetHelper(), first);
    EXPECT_NE(static_cast<void*>(input.GetFlag1()), static_cast<void*>(input.GetFlag2()));
}

} // namespace
