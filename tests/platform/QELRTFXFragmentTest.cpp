// Fragments of the host that break RTF: whatever a fragment holds, the report it is
// merged into stays well-formed.
#include "platform/QELRTFXDocument.h"
#include "platform/RtfTokenizer.h"

#include "RtfStructureCheck.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The report's font table as it stands in the document.
std::string FontTable(const std::string& rtf) {
    const std::size_t begin = rtf.find("{\\fonttbl");
    const std::size_t end = rtf.find("}}", begin);
    return rtf.substr(begin, end + 2 - begin);
}

TEST(QELRTFXFragment, BrokenFragmentsLeaveTheReportWellFormed) {
    const struct {
        const char* what;
        std::string fragment;
        const char* text; // visible text the report must show
    } cases[] = {
        {"a lone backslash at the end", "{\\rtf1 A\\", "A"},
        {"a lone backslash before the closing brace", "{\\rtf1 B\\}", "B"},
        {"a hex escape cut short by a brace", "{\\rtf1 x\\'}", "x"},
        {"a hex escape with one digit", "{\\rtf1 y\\'4{\\b z}}", "yz"},
        {"a font entry with open groups", "{\\rtf1{\\fonttbl{\\f0 A{", ""},
        {"NUL bytes in the text", std::string("{\\rtf1 N\0U\0L}", 12), "NUL"},
        {"a NUL after a control word", std::string("{\\rtf1\\b\0x}", 11), "x"},
        {"a backslash before a NUL", std::string("{\\rtf1 a\\\0b}", 11), "ab"},
        {"binary data with braces", "{\\rtf1 c{\\bin3 }{\\}d}", "cd"},
        // A blank after a left-out byte is text, not the end of the word before it.
        {"a blank after a word and a NUL", std::string("{\\rtf1 a\\b\0 b}", 14), "a b"},
        {"a destination mark after a Unicode character", "{\\rtf1 a\\u947\\*b}",
         "a\xCE\xB3"
         "b"},
        {"a fallback blank after a NUL", std::string("{\\rtf1 a\\u947\0 b}", 17),
         "a\xCE\xB3"
         "b"},
    };
    for (const auto& c : cases) {
        QELRTFXDocument doc("x.rtf", 1, {});
        ASSERT_TRUE(doc.InsertRtf(c.fragment, "", 0)) << c.what;
        const std::string rtf = doc.Rtf();
        EXPECT_EQ(rtfcheck::StructureFault(rtf), "") << c.what << "\n" << rtf;
        EXPECT_EQ(rtf.find('\0'), std::string::npos) << c.what;
        const std::string text = rtfcheck::BodyText(rtf);
        EXPECT_NE(text.find(c.text), std::string::npos) << c.what << ": " << text;
        // Nothing of the fragment escapes the report's closing brace.
        EXPECT_EQ(rtf.substr(rtf.size() - 3), "\n}\n") << c.what;
    }
}

TEST(QELRTFXFragment, TheReportsNextParagraphStaysItsOwn) {
    // A fragment's last paragraph often has no end of its own; the report's next
    // paragraph must not run on in it, and an ended one gets no empty paragraph after it.
    const struct {
        const char* fragment;
        const char* text; // the report's text from the fragment on
    } cases[] = {
        {"{\\rtf1 x}", "x\nEnde\n"},
        {"{\\rtf1 x\\par}", "x\nEnde\n"},
        {"{\\rtf1 x\\par\\pard\\plain\\f0}", "x\nEnde\n"},
        {"{\\rtf1 {\\b x}}", "x\nEnde\n"},
        {"{\\rtf1 x\\par{\\*\\bkmkend x}}", "x\nEnde\n"},
        {"{\\rtf1 x\\'e4}", "x\xC3\xA4\nEnde\n"},
        {"{\\rtf1 x\\u8364?}", "x\xE2\x82\xAC\nEnde\n"},
        {"{\\rtf1 x\\tab}", "x\t\nEnde\n"},
        {"{\\rtf1 x\\pict 0a}", "x\nEnde\n"}, // a picture word amid the text hides the rest
    };
    for (const auto& c : cases) {
        QELRTFXDocument doc("x.rtf", 1, {});
        ASSERT_TRUE(doc.InsertRtf(c.fragment, "", 0)) << c.fragment;
        doc.Paragraph(0, "Ende");
        const std::string rtf = doc.Rtf();
        EXPECT_EQ(rtfcheck::StructureFault(rtf), "") << c.fragment;
        const std::string text = rtfcheck::BodyText(rtf);
        const std::size_t x = text.rfind('x');
        ASSERT_NE(x, std::string::npos) << c.fragment << ": " << text;
        EXPECT_EQ(text.substr(x), c.text) << c.fragment << "\n" << rtf;
    }
}

TEST(QELRTFXFragment, FontNamesAreTextOnly) {
    QELRTFXDocument doc("x.rtf", 1, {});
    ASSERT_TRUE(doc.InsertRtf("{\\rtf1{\\fonttbl{\\f0 A{\\b}}{\\f1\\fnil B{\\*\\panose 02}\\b x;}"
                              "\\f2\\froman C\\'e9;}\\f1 t\\f2 u}",
                              "", 0));
    const std::string rtf = doc.Rtf();
    EXPECT_EQ(rtfcheck::StructureFault(rtf), "") << rtf;
    // Groups and words inside an entry that are no family or character set stay out.
    EXPECT_EQ(FontTable(rtf), "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fswiss\\fcharset0 "
                              "Arial;}{\\f2\\ftech\\fcharset2 Symbol;}{\\f3 A;}{\\f4\\fnil Bx;}"
                              "{\\f5\\froman C\\'e9;}}");
    EXPECT_NE(rtf.find("\\f4 t\\f5 u"), std::string::npos) << rtf;
}

TEST(QELRTFXFragment, HexEscapeTakesOnlyHexDigits) {
    const struct {
        const char* text;
        const char* raw; // raw text of the escape token
    } cases[] = {{"\\'e9x", "\\'e9"}, {"\\'}", "\\'"}, {"\\'4{", "\\'4"}, {"\\'", "\\'"}};
    for (const auto& c : cases) {
        RtfTokenizer tokens(c.text);
        const RtfTokenizer::Token t = tokens.Next();
        EXPECT_EQ(t.type, RtfTokenizer::Type::Symbol) << c.text;
        EXPECT_EQ(t.raw, c.raw) << c.text;
    }
    RtfTokenizer lone("\\");
    EXPECT_EQ(lone.Next().word, "");
    EXPECT_EQ(lone.Next().type, RtfTokenizer::Type::End);
}

} // namespace
