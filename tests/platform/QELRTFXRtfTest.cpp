#include "platform/QELRTFXHost.h"
#include "platform/QELRTFXReport.h"
#include "platform/RtfText.h"

#include "RtfStructureCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteAll(const fs::path& path, std::string_view text) {
    std::ofstream out(path, std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// A folder of its own per test, removed afterwards.
class RtfFolder : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zirf_rtf_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        QELRTFX_Close(0);
        QELRTFX_RegisterHost({});
        fs::remove_all(dir);
    }
    fs::path dir;
};

// Smallest enhanced metafile: the header record (88 bytes) with the frame
// 0,0-4000,2000 (0.01 mm: 40 mm x 20 mm) and the end-of-file record.
std::vector<std::uint8_t> TinyEmf() {
    std::vector<std::uint8_t> b(88 + 20, 0);
    auto put = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
        }
    };
    put(0, 1);           // EMR_HEADER
    put(4, 88);          // record size
    put(32, 4000);       // rclFrame.right
    put(36, 2000);       // rclFrame.bottom
    put(40, 0x464D4520); // " EMF"
    put(44, 0x10000);    // version
    put(48, 108);        // file size
    put(52, 2);          // records
    put(88, 14);         // EMR_EOF
    put(92, 20);
    return b;
}

TEST(RtfText, UnicodeEscapes) {
    // Expected values: the code points of the characters, as signed 16-bit numbers.
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"Gel\xC3\xA4nde", "Gel\\u228?nde"},
        {"Stra\xC3\x9F"
         "e",
         "Stra\\u223?e"},
        {"kN/m\xC2\xB3", "kN/m\\u179?"},
        {"\xE2\x82\xAC", "\\u8364?"},                // U+20AC
        {"\xEF\xBF\xBF", "\\u-1?"},                  // U+FFFF = 65535 - 65536
        {"\xF0\x9D\x9B\xBE", "\\u-10187?\\u-8450?"}, // U+1D6FE as D835 DEFE
        {"a\xFF"
         "b",
         "a\\u-3?b"},                               // invalid byte -> U+FFFD
        {"x\xC3", "x\\u-3?"},                       // truncated sequence
        {"\xC0\xAF", "\\u-3?\\u-3?"},               // overlong form
        {"\\f2g\\f1 {\\b x}", "\\f2g\\f1 {\\b x}"}, // control words pass unchanged
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RtfEscapeUnicode(c.in), c.out) << c.in;
    }
}

TEST(RtfText, UserTextCannotBreakOutOfItsCell) {
    EXPECT_EQ(RtfEscapeUserText("a\\b{c}|d#Z 1\r\ne\tf"),
              "a\\\\b\\{c\\}\\'7cd\\'23Z 1\\line e\\tab f");
    EXPECT_EQ(RtfEscapeUserText("Kies, sandig"), "Kies, sandig");
}

TEST(QELRTFXDocument, HeaderFieldsUpToTheDoubleZero) {
    const char bytes[] = "Name=QE-ZIRF\0Version=V 2.1\0Titel= Spundwand\0@T=Pos. 7\0\0ignored";
    const auto h = QELRTFXDocument::ParseHeader(bytes);
    EXPECT_EQ(h.name, "QE-ZIRF");
    EXPECT_EQ(h.version, "V 2.1");
    EXPECT_EQ(h.title, " Spundwand");
    EXPECT_EQ(h.note, "Pos. 7");
    // Everything up to the second zero byte; the array's own terminator is not part of it.
    EXPECT_EQ(h.bytes, std::string(bytes, sizeof bytes - 1 - 7));
    EXPECT_EQ(QELRTFXDocument::ParseHeader(nullptr).bytes, "");
}

TEST(QELRTFXDocument, RowsArePaddedMergedOrSkipped) {
    QELRTFXDocument doc("x.rtf", 3, QELRTFXDocument::ParseHeader("Name=QE-A\0\0"));
    doc.TableColumns({1.0, 2.0, 3.0});
    doc.RowStart(1);
    doc.CellText("a"); // padded to three cells
    doc.RowStart(0);
    for (const char* c : {"1", "2", "3", "4", "5"}) {
        doc.CellText(c); // 4 and 5 merge into the last cell
    }
    doc.RowStart(0); // no cell: skipped
    doc.TableColumns({});
    doc.RowStart(0);
    doc.CellText("lost"); // no column: skipped
    doc.Paragraph(2, "\\u220?berschrift \xC3\xA4");
    doc.TableColumns({1.5});
    doc.RowStart(0);
    doc.CellText("open"); // left open: ended in the text
    const std::string rtf = doc.Rtf();
    EXPECT_EQ(rtfcheck::StructureFault(rtf), "");
    // Cell boundaries: 1, 3, 6 cm = 567, 1701, 3402 twips (1440 / 2.54 per cm).
    EXPECT_NE(rtf.find("\\cellx567\\cellx1701\\cellx3402"), std::string::npos);
    EXPECT_NE(rtf.find("\\cellx850\n"), std::string::npos);
    const std::string text = rtfcheck::BodyText(rtf);
    EXPECT_NE(text.find("a |  |  | \n"), std::string::npos) << text;
    EXPECT_NE(text.find("1 | 2 | 3 4 5 | \n"), std::string::npos) << text;
    EXPECT_EQ(text.find("lost"), std::string::npos);
    EXPECT_NE(text.find("\xC3\x9C"
                        "berschrift \xC3\xA4\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("open | \n"), std::string::npos);
    EXPECT_NE(rtf.find("\\pgnstarts3"), std::string::npos);
}

TEST(QELRTFXDocument, HeadHasFontsStylesA4AndPageNumbers) {
    QELRTFXDocument doc(
        "x.rtf", 1, QELRTFXDocument::ParseHeader("Name=QE-Z{}\0Version=V 1\0Titel= T\0@T=Pos\0\0"));
    const std::string rtf = doc.Rtf();
    EXPECT_NE(rtf.find("{\\f1\\fswiss\\fcharset0 Arial;}"), std::string::npos);
    EXPECT_NE(rtf.find("{\\f2\\ftech\\fcharset2 Symbol;}"), std::string::npos);
    for (int s = 1; s <= 5; ++s) {
        EXPECT_NE(rtf.find("{\\s" + std::to_string(s) + "\\"), std::string::npos) << s;
    }
    EXPECT_NE(rtf.find("\\paperw11906\\paperh16838"), std::string::npos);
    EXPECT_NE(rtf.find("\\chpgn"), std::string::npos);
    EXPECT_NE(rtf.find("QE-Z\\{\\}"), std::string::npos); // header values are escaped
    EXPECT_EQ(rtfcheck::StructureFault(rtf), "");
}

TEST(QELRTFXDocument, FragmentTablesAreMergedAndRenumbered) {
    // The fragment's f0 (Times) is new to the report and becomes f3; its f1 (Arial)
    // is the report's f0. Its colour 1 (red) is new and becomes 2 (after black);
    // its colour 2 (black) is the report's 1.
    const std::string fragment =
        "{\\rtf1\\ansi\\deff1\\paperw5000"
        "{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}}"
        "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue0;}"
        "{\\stylesheet{\\s0 Normal;}{\\s1\\b Heading;}}"
        "{\\*\\generator Writer;}{\\info{\\author X}}"
        "\\pard\\s1\\f0\\cf1 Definition {\\f1\\cf2 a=1}\\par"
        "\\pard\\plain Rest\\par}";
    QELRTFXDocument doc("x.rtf", 1, {});
    ASSERT_TRUE(doc.InsertRtf(fragment, "Definition der Einwirkungen", 3));
    const std::string rtf = doc.Rtf();
    EXPECT_EQ(rtfcheck::StructureFault(rtf), "");
    EXPECT_NE(rtf.find("{\\f3\\froman\\fcharset0 Times New Roman;}"), std::string::npos);
    EXPECT_EQ(rtf.find("{\\f4"), std::string::npos);
    EXPECT_NE(rtf.find("{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}"),
              std::string::npos);
    EXPECT_NE(rtf.find("{\\pard\\plain\\f0 \\pard\\f3 \\cf2 Definition {\\f0 \\cf1 a=1}"),
              std::string::npos)
        << rtf;
    EXPECT_EQ(rtf.find("paperw5000"), std::string::npos);
    EXPECT_EQ(rtf.find("Writer"), std::string::npos);
    EXPECT_EQ(rtf.find("Heading"), std::string::npos);
    const std::string text = rtfcheck::BodyText(rtf);
    EXPECT_NE(text.find("Definition der Einwirkungen\nDefinition a=1\nRest\n"), std::string::npos)
        << text;
}

TEST(QELRTFXDocument, FragmentThatIsNotRtfOrUnbalanced) {
    QELRTFXDocument doc("x.rtf", 1, {});
    EXPECT_FALSE(doc.InsertRtf("plain text", "H", 3));
    EXPECT_FALSE(doc.InsertRtf("", "", 0));
    EXPECT_TRUE(doc.InsertRtf("{\\rtf1 {\\b open {\\i deeper\\par", "", 0));
    EXPECT_TRUE(doc.InsertRtf("{\\rtf1 closed}} }}", "", 0));
    const std::string rtf = doc.Rtf();
    EXPECT_EQ(rtfcheck::StructureFault(rtf), "");
    EXPECT_EQ(rtfcheck::BodyText(rtf).find("H\n"), std::string::npos);
}

TEST(QELRTFXDocument, MetafileIsEmbeddedWithFrameAndGoalSize) {
    const auto emf = TinyEmf();
    const auto picture = QELRTFXPicture::FromBytes(emf.data(), emf.size());
    ASSERT_TRUE(picture);
    // Frame 4000 x 2000 (0.01 mm) in a box of 16 cm x 10 cm: 16 cm x 8 cm = 9071 x 4536
    // twips, the proportions kept; a box of 16 cm x 4 cm gives 8 cm x 4 cm.
    const std::string group = picture->RtfGroup(16.0, 10.0);
    EXPECT_NE(picture->RtfGroup(16.0, 4.0).find("\\picwgoal4536\\pichgoal2268"), std::string::npos);
    EXPECT_EQ(group.rfind(
                  "{\\pict\\emfblip\\picw4000\\pich2000\\picwgoal9071\\pichgoal4536\n01000000", 0),
              0u)
        << group.substr(0, 80);
    // Natural size: 40 mm x 20 mm = 2268 x 1134 twips.
    EXPECT_NE(picture->RtfGroup(0.0, 0.0).find("\\picwgoal2268\\pichgoal1134"), std::string::npos);
    EXPECT_EQ(group.size(), group.find('\n') + (108 * 2 + 2) + 1); // two hex lines and "}"
    std::vector<std::uint8_t> broken = emf;
    broken[40] = 'X';
    EXPECT_FALSE(QELRTFXPicture::FromBytes(broken.data(), broken.size()));
    EXPECT_FALSE(QELRTFXPicture::FromBytes(emf.data(), 40));
    EXPECT_FALSE(QELRTFXPicture::FromBytes(nullptr, 0));
}

TEST_F(RtfFolder, ProjectDocumentIsWrittenOnClose) {
    EXPECT_EQ(QELRTFX_Open("", 0, 1, 1, "Name=QE-X\0\0"), 0); // no project known
    QELRTFX_RegisterHost({{{"File/dpf", (dir / "Pos1").string()}}, {}, false});
    ASSERT_EQ(QELRTFX_Open("", 0, 1, 5, "Name=QE-X\0\0"), 1);
    ASSERT_NE(QELRTFX_OpenDocument(), nullptr);
    EXPECT_EQ(QELRTFX_OpenDocument()->FileName(), (dir / "Pos1.rtf").string());
    EXPECT_EQ(QELRTFX_Paragraph(0, "Gel\xC3\xA4nde"), 1);
    const double widths[] = {2.0, 3.0};
    QELRTFX_TableColumns(2, widths);
    QELRTFX_RowStart(1);
    QELRTFX_CellText("a");
    QELRTFX_CellText(" ");
    QELRTFX_CellEnd();
    const auto emf = TinyEmf();
    // A third cell in a row of two: merged into the last, after the blank cell.
    EXPECT_EQ(QELRTFX_InsertMetafile(emf.data(), emf.size(), 4.0, 2.0), 1);
    QELRTFX_RowEnd();
    WriteAll(dir / "frag.rtf", "{\\rtf1{\\fonttbl{\\f0 Courier;}}\\f0 vardef\\par}");
    EXPECT_EQ(QELRTFX_InsertRtf((dir / "frag.rtf").string().c_str(), "", 10, 0), 1);
    EXPECT_EQ(QELRTFX_InsertRtf((dir / "missing.rtf").string().c_str(), "", 10, 0), 0);
    WriteAll(dir / "pic.emf", std::string(emf.begin(), emf.end()));
    EXPECT_EQ(QELRTFX_InsertPicture((dir / "pic.emf").string().c_str(), 1, 4.0, 2.0), 1);
    EXPECT_EQ(QELRTFX_InsertPicture("", 1, 4.0, 2.0), 0);
    EXPECT_EQ(QELRTFX_Close(0), 1);
    EXPECT_EQ(QELRTFX_Close(0), 0);
    EXPECT_EQ(QELRTFX_Paragraph(0, "after close"), 0);
    const std::string rtf = ReadAll(dir / "Pos1.rtf");
    EXPECT_EQ(rtfcheck::StructureFault(rtf), "");
    const std::string text = rtfcheck::BodyText(rtf);
    EXPECT_NE(text.find("Gel\xC3\xA4nde\na |    | \nvardef\n"), std::string::npos) << text;
    EXPECT_NE(rtf.find("Gel\\u228?nde"), std::string::npos);
    EXPECT_EQ(rtf.find("after close"), std::string::npos);
    EXPECT_NE(rtf.find("{\\f3 Courier;}"), std::string::npos);
}

TEST_F(RtfFolder, PictureFileThatIsNoFileIsNoPicture) {
    // The report takes sketch file names from the document: a folder, a device or a missing
    // name must not end the run.
    fs::create_directories(dir / "ordner.emf");
    const auto emf = TinyEmf();
    WriteAll(dir / "pic.emf", std::string(emf.begin(), emf.end()));
    for (const std::string& name : {(dir / "ordner.emf").string(), (dir / "fehlt.emf").string(),
                                    std::string("/dev/null"), std::string(".")}) {
        EXPECT_FALSE(QELRTFXPicture::FromFile(name)) << name;
    }
    EXPECT_TRUE(QELRTFXPicture::FromFile((dir / "pic.emf").string()));
}

TEST_F(RtfFolder, FailedWriteIsReported) {
    ASSERT_EQ(QELRTFX_Open((dir / "no" / "such" / "dir.rtf").string().c_str(), 0, 1, 1, ""), 1);
    EXPECT_EQ(QELRTFX_Close(0), 0);
    EXPECT_EQ(QELRTFX_OpenDocument(), nullptr);
}

TEST_F(RtfFolder, OpeningAgainWritesTheFirstReport) {
    ASSERT_EQ(QELRTFX_Open((dir / "a.rtf").string().c_str(), 0, 1, 1, ""), 1);
    QELRTFX_Paragraph(0, "first");
    ASSERT_EQ(QELRTFX_Open((dir / "b.rtf").string().c_str(), 0, 1, 1, ""), 1);
    QELRTFX_Paragraph(0, "second");
    EXPECT_EQ(QELRTFX_Close(0), 1);
    EXPECT_NE(ReadAll(dir / "a.rtf").find("first"), std::string::npos);
    EXPECT_EQ(ReadAll(dir / "b.rtf").find("first"), std::string::npos);
}

} // namespace
