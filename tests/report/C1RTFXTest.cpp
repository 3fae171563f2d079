#include "report/C1RTFX.h"
#include "host/C1QEL.h"
#include "platform/Base64.h"
#include "platform/C1Exception.h"
#include "platform/MessageBox.h"
#include "platform/QEDOM.h"
#include "platform/QELRTFXHost.h"
#include "platform/QELRTFXReport.h"
#include "report/TemplateFields.h"

#include "../platform/RtfStructureCheck.h"
#include "../support/ScratchFolder.h"

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

std::string Base64(const std::string& text) {
    return Base64Encode(reinterpret_cast<const unsigned char*>(text.data()), text.size());
}

struct Root {
    std::string progname = "ZIRF";
    std::string modulename = "SPW";
    std::string version = "1.0";
    std::string progDesc = "Spundwand";
    std::string inner; // further children of the root
};

// A run's context over a document in a scratch folder, with the report library's
// project prefix and the context's output prefix both at folder/Pos.
class Writer : public ::testing::Test {
protected:
    void SetUp() override {
        QEL_ClearShownMessages();
        prefix = (folder.path() / "Pos").string();
        context.Filedpf = prefix;
        context.m_bKorvel2005 = 1;
        QELRTFX_RegisterHost({{{"File/dpf", prefix}}, {}, false});
    }
    void TearDown() override {
        QELRTFX_Close(0);
        QELRTFX_RegisterHost({});
        QEDOM_FreeDocument(document);
        QEL_ClearShownMessages();
    }
    void Load(const Root& root) {
        const std::string xml = "<zirf progname=\"" + root.progname + "\" modulename=\"" +
                                root.modulename + "\" version=\"" + root.version +
                                "\"><info progDesc=\"" + root.progDesc + "\"/>" + root.inner +
                                "</zirf>";
        std::string error;
        document = QEDOM_ParseDocument(xml, "doc.xml", error);
        ASSERT_NE(document, 0) << error;
        context.hDoc = document;
    }
    std::string Report() const { return ReadAll(prefix + ".rtf"); }

    ScratchFolder folder{"c1rtfx"};
    std::string prefix;
    C1QEL context;
    QEDOM_HANDLE document = 0;
};

TEST(C1RTFXCtor, NullContextIsRefused) {
    try {
        C1RTFX rtf(nullptr);
        FAIL() << "no exception";
    } catch (const C1Exception& e) {
        EXPECT_EQ(e.text, "C1RTFX::ctor, pQEL=null");
        EXPECT_EQ(e.module, "debug");
        EXPECT_EQ(e.code, 1);
    }
}

TEST_F(Writer, HeaderFieldsAsHandedToTheLibrary) {
    Load({});
    C1RTFX rtf(&context);
    ASSERT_EQ(rtf.rtf_open(4, "Pos. 12 Baugrube"), 1);
    ASSERT_NE(QELRTFX_OpenDocument(), nullptr);
    const char expected[] =
        "Name=QE-ZIRF\0Version=V 1.0\0Titel= Spundwand\0@T=Pos. 12 Baugrube\0\0";
    EXPECT_EQ(QELRTFX_OpenDocument()->Header().bytes, std::string(expected, sizeof expected - 1));
    EXPECT_EQ(QELRTFX_OpenDocument()->FirstPage(), 4);
    EXPECT_EQ(rtf.rtf_open(4, "again"), 0); // already open: nothing changes
    EXPECT_EQ(rtf.m_nOpen, 1);
    EXPECT_EQ(rtf.Close(0), 1);
    EXPECT_EQ(rtf.Close(0), 0);
    const std::string report = Report();
    EXPECT_EQ(rtfcheck::StructureFault(report), "");
    EXPECT_NE(report.find("QE-ZIRF  V 1.0   Spundwand"), std::string::npos);
}

TEST_F(Writer, NamesAtTheirLimitsPassAndBeyondAreRefused) {
    const std::string name31(31, 'N');
    const std::string desc63 = std::string(61, 'd') + "\xC3\xA4\xC3\xB6"; // 63 characters
    const struct {
        Root root;
        const char* error; // null: opens
    } cases[] = {
        {{name31, "M", "1", desc63, ""}, nullptr},
        {{name31 + "N", "M", "1", "d", ""},
         "xml-Eingabedatei, Wurzelelement: Attribut 'progname' hat 32 Zeichen; der Kopf des "
         "Berichts fasst höchstens 31"},
        {{"N", std::string(32, 'M'), "1", "d", ""},
         "xml-Eingabedatei, Wurzelelement: Attribut 'modulename' hat 32 Zeichen; der Kopf des "
         "Berichts fasst höchstens 31"},
        {{"N", "M", "1", desc63 + "x", ""},
         "xml-Eingabedatei, Element 'info': Attribut 'progDesc' hat 64 Zeichen; der Kopf des "
         "Berichts fasst höchstens 63"},
        {{"N  ", "M", "1", desc63 + "   ", ""}, nullptr}, // trailing blanks do not count
    };
    for (const auto& c : cases) {
        Load(c.root);
        C1RTFX rtf(&context);
        if (c.error == nullptr) {
            EXPECT_EQ(rtf.rtf_open(1, ""), 1) << c.root.progname;
            rtf.Close(0);
        } else {
            try {
                rtf.rtf_open(1, "");
                ADD_FAILURE() << "opened: " << c.error;
            } catch (const C1Exception& e) {
                EXPECT_EQ(e.text, c.error);
                EXPECT_EQ(e.code, 1);
            }
            EXPECT_EQ(QELRTFX_OpenDocument(), nullptr);
        }
        QEDOM_FreeDocument(document);
        document = 0;
    }
}

TEST_F(Writer, HostDefinitionsComeFirstAndTheirFileIsRemoved) {
    Root root;
    root.inner = "<rtfFiles vardef=\"" +
                 Base64("{\\rtf1{\\fonttbl{\\f0 Courier New;}}\\f0 var a=1\\par}") + "\"/>";
    Load(root);
    {
        C1RTFX rtf(&context);
        rtf.rtf_open(1, "");
        rtf.ReadTemplate(ReportBlocks::kNorm);
        rtf.WriteZeile(1);
        rtf.Close(0);
    }
    EXPECT_FALSE(fs::exists("vardef.temp.rtf"));
    const std::string body = rtfcheck::BodyText(Report());
    EXPECT_EQ(body.find("var a=1\nBerechnung nach DIN 1054 / DIN 18800\n"), 0u) << body;
}

TEST_F(Writer, WithoutDefinitionsNothingComesBeforeTheHead) {
    Root root;
    root.inner = "<rtfFiles vardef=\"\"/>";
    Load(root);
    {
        C1RTFX rtf(&context);
        rtf.rtf_open(1, "");
        rtf.ReadTemplate(ReportBlocks::kNorm);
        rtf.WriteZeile(2);
        rtf.Close(0);
    }
    EXPECT_FALSE(fs::exists("vardef.temp.rtf"));
    EXPECT_EQ(rtfcheck::BodyText(Report()), "Berechnung nach DIN EN 1997 / DIN EN 1993\n");
}

TEST_F(Writer, AnnotationsBetweenBlankParagraphsAndEscaped) {
    Root root;
    root.inner = "<input><annotations steu=\"Hinweis {a}\\b | #Z 1\" leer=\"\"/></input>";
    Load(root);
    C1RTFX rtf(&context);
    rtf.rtf_open(1, "");
    EXPECT_EQ(rtf.WriteAnnotation("steu", 1, 1), 1);
    EXPECT_EQ(rtf.WriteAnnotation("leer", 1, 1), 0);
    EXPECT_EQ(rtf.WriteAnnotation("fehlt", 1, 1), 0);
    EXPECT_EQ(rtf.WriteBlankParagraphs(0), 1);
    EXPECT_EQ(rtf.WriteBlankCells(0), 1);
    rtf.Close(0);
    const std::string report = Report();
    EXPECT_EQ(rtfcheck::BodyText(report), " \nHinweis {a}\\b | #Z 1\n \n");
    EXPECT_NE(report.find("\\s5"), std::string::npos);
    EXPECT_EQ(rtfcheck::StructureFault(report), "");
}

TEST_F(Writer, UnwritableReportIsAnErrorNamingTheFile) {
    Load({});
    context.Filedpf = (folder.path() / "missing" / "Pos").string();
    QELRTFX_RegisterHost({{{"File/dpf", context.Filedpf}}, {}, false});
    C1RTFX rtf(&context);
    rtf.rtf_open(1, "");
    ASSERT_EQ(QEL_ShownMessages().size(), 1u); // the file cannot be written: says why
    EXPECT_NE(QEL_ShownMessages()[0].find(
                  context.Filedpf + ".rtf kann nicht geschrieben werden: der Ordner " +
                  (folder.path() / "missing").string() + " existiert nicht."),
              std::string::npos)
        << QEL_ShownMessages()[0];
    try {
        rtf.Close(0);
        FAIL() << "closed without error";
    } catch (const C1Exception& e) {
        EXPECT_NE(e.text.find(context.Filedpf + ".rtf"), std::string::npos) << e.text;
        EXPECT_EQ(e.code, 1);
    }
    EXPECT_EQ(rtf.m_nOpen, 0);
}

TEST_F(Writer, DestructorClosesAnOpenReport) {
    Load({});
    {
        C1RTFX rtf(&context);
        rtf.rtf_open(1, "");
        rtf.ReadTemplate(ReportBlocks::kModus);
        rtf.WriteZeile(2);
    }
    EXPECT_EQ(QELRTFX_OpenDocument(), nullptr);
    EXPECT_EQ(rtfcheck::BodyText(Report()), "(Nachweis)\n");
}

// Rows of the report's own templates, written into an open report.
class Rows : public Writer {
protected:
    void SetUp() override {
        Writer::SetUp();
        Load({});
        rtf.emplace(&context);
        rtf->rtf_open(1, "");
    }
    std::string Finish() {
        rtf->Close(0);
        const std::string report = Report();
        EXPECT_EQ(rtfcheck::StructureFault(report), "");
        return report;
    }
    std::optional<C1RTFX> rtf;
};

TEST_F(Rows, FieldsFormatTheirValues) {
    rtf->ReadTemplate(ReportBlocks::kGelaende);
    rtf->FormatZeile(1, {3.14159});
    EXPECT_NE(rtf->m_Zeile.find("[Grad] |   3.14 "), std::string::npos) << rtf->m_Zeile;
    rtf->ReadTemplate(ReportBlocks::kMassgebend);
    rtf->FormatZeile(1, {7});
    EXPECT_NE(rtf->m_Zeile.find("LK |   7 "), std::string::npos) << rtf->m_Zeile;
    rtf->ReadTemplate(ReportBlocks::kErddruckAnsatz);
    rtf->FormatZeile(2, {20});
    EXPECT_EQ(
        rtf->m_Zeile.rfind(
            "Auf der aktiven Seite wird ein um  20 % erh\xC3\xB6hter aktiver Erddruck angesetzt.",
            0),
        0u)
        << rtf->m_Zeile;
    rtf->WriteRow(1);
    const std::string body = rtfcheck::BodyText(Finish());
    EXPECT_NE(body.find("ein um  20 % erh\xC3\xB6hter"), std::string::npos) << body;
}

TEST_F(Rows, ParagraphInItsStyle) {
    rtf->ReadTemplate(ReportBlocks::kSystemUndBelastung);
    EXPECT_EQ(rtf->m_Zeilen[1].iTyp, 1);
    EXPECT_EQ(rtf->m_Zeilen[1].iStyle, 2);
    EXPECT_EQ(rtf->WriteZeile(1), 1);
    const std::string report = Finish();
    EXPECT_NE(report.find("\\s2\\sb240"), std::string::npos);
    EXPECT_EQ(rtfcheck::BodyText(report), "System und Belastung\n");
}

TEST_F(Rows, ContinuationRowTakesTheColumnsOfTheFirst) {
    rtf->ReadTemplate(ReportBlocks::kGelaende);
    // "-32-32-16-16 16 16": six columns, the first four left-aligned.
    const std::vector<int> expected = {-32, -32, -16, -16, 16, 16};
    ASSERT_EQ(rtf->m_Zeilen[2].Spalten.size(), expected.size());
    for (std::size_t c = 0; c < expected.size(); ++c) {
        EXPECT_EQ(rtf->m_Zeilen[2].Spalten[c].iBreite, expected[c]);
    }
    rtf->WriteZeile(2, {1.5});
    rtf->EndRow();
    const std::string report = Finish();
    // Column boundaries at 3.2, 6.4, 8.0, 9.6, 11.2, 12.8 cm (567 twips a cm).
    EXPECT_NE(report.find("\\cellx1814\\cellx3628\\cellx4535\\cellx5443\\cellx6350\\cellx7257"),
              std::string::npos);
    EXPECT_NE(report.find("\\qc \\ql unter Wandkrone\\cell"), std::string::npos);
    EXPECT_NE(report.find("\\qc [m]\\cell"), std::string::npos);
    EXPECT_EQ(rtfcheck::BodyText(report), " | unter Wandkrone | Tiefe | t_Berg | [m] | 1.50 | \n");
}

TEST(TemplateFields, WidthGroupsAndAlignment) {
    // Groups of three: "-48" "-12" "- 3" " 12" "- 2" "-12"; blanks and 0 add nothing.
    EXPECT_EQ(ReadColumnWidths("-48-12- 3 12- 2-12"),
              (std::vector<int>{-48, -12, -3, 12, -2, -12}));
    EXPECT_EQ(ReadColumnWidths("  8  0 16      "), (std::vector<int>{8, 16}));
    EXPECT_EQ(ReadColumnWidths("-10-24126"), (std::vector<int>{-10, -24, 126}));
    const struct {
        const char* cells;
        const char* converted;
    } cases[] = {
        {"@II| @FF.FF| @F.FFF| @FFFF.F| @AAA", "%3d| %6.2f| %6.3f| %7.1f| %s"},
        {"Cv,k@I xS@I", "Cv,k%2d xS%2d"},
        {"a@b @ @FF. @", "a%sb %s %3.0f. %s"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ConvertFields(c.cells), c.converted) << c.cells;
    }
}

TEST_F(Rows, NarrowAndWideColumnsAlignByTheirSign) {
    // Only widths of -6 mm or less left-align a cell.
    rtf->ReadTemplate(ReportBlocks::kBodenschichten);
    rtf->WriteZeile(8, {1, "S1", "Sand", 2.0, -2.0, " 19.0", " ", 32.5, 21.7, " ", 0.0});
    rtf->EndRow();
    const std::string report = Finish();
    // Widths "  8  2- 8-22 14 ...": the third and fourth cells are left-aligned.
    EXPECT_NE(report.find("\\qc 1\\cell"), std::string::npos);
    EXPECT_NE(report.find("\\qc \\ql S1\\cell"), std::string::npos);
    EXPECT_NE(report.find("\\qc \\ql Sand\\cell"), std::string::npos);
}

TEST_F(Rows, HeadLoadRowLeavesTheEighthOfNineColumnsEmpty) {
    rtf->ReadTemplate(ReportBlocks::kKopflast);
    rtf->WriteZeile(4, {1, "Kopf", "Wind", 2, 10.0, 5.0, 3.0});
    rtf->EndRow();
    EXPECT_EQ(rtfcheck::BodyText(Finish()), "1 | Kopf |  | Wind | 2 | 10.00 | 5.00 |  | 3.00 | \n");
}

TEST_F(Rows, UserTextsStayInTheirCell) {
    rtf->ReadTemplate(ReportBlocks::kAuflast);
    rtf->WriteZeile(4, {1, "hinten", "Bau|feld #Z 1 {x}\\", 2, 10.0});
    rtf->EndRow();
    EXPECT_EQ(rtfcheck::BodyText(Finish()), "1 | hinten | Bau|feld #Z 1 {x}\\ | 2 | 10.00 | \n");
}

TEST_F(Rows, LinesThatWriteNothing) {
    rtf->ReadTemplate(ReportBlocks::kGelaende);
    rtf->m_Zeile = "   ";
    EXPECT_EQ(rtf->WriteRow(1), 0);
    rtf->m_Zeile = "Text  #Z12 #V 1 000"; // names no row of the block
    EXPECT_EQ(rtf->WriteRow(1), 1);
    rtf->m_Zeile = "Text ohne Zeilenkennung";
    EXPECT_EQ(rtf->WriteRow(1), 1);
    // Block 11 loaded from its second line: the first line's row has no columns of
    // its own and none before it, so the row gets no column and no cell.
    rtf->ReadTemplate(11, 10);
    EXPECT_TRUE(rtf->m_Zeilen[2].Spalten.empty());
    EXPECT_EQ(rtf->WriteZeile(1, {2.0}), 1);
    rtf->EndRow();
    EXPECT_EQ(rtfcheck::BodyText(Finish()), "");
    EXPECT_TRUE(QEL_ShownMessages().empty());
}

TEST_F(Rows, TableRowWithoutSeparatorIsReported) {
    rtf->ReadTemplate(ReportBlocks::kGelaende);
    rtf->m_Zeile = "keine Spalten   #Z 3 #V13 000";
    EXPECT_EQ(rtf->WriteRow(1), 0);
    ASSERT_EQ(QEL_ShownMessages().size(), 1u);
    EXPECT_EQ(QEL_ShownMessages()[0],
              "Liesformat: iAnf=10, iZeile=3 : zuwenig Tabellenspaltenl\xC3\xA4ngen definiert");
    Finish();
}

TEST_F(Rows, BlockSizeIsLimitedToTheValueSlots) {
    EXPECT_EQ(rtf->ReadTemplate(1, C1RTFX::kMaxZeilen), 1);
    EXPECT_THROW(rtf->ReadTemplate(1, C1RTFX::kMaxZeilen + 1), C1Exception);
    EXPECT_THROW(rtf->ReadTemplate(1, -1), C1Exception);
    rtf->ReadTemplate(ReportBlocks::kModus);
    EXPECT_THROW(rtf->FormatZeile(3), C1Exception);
    EXPECT_THROW(rtf->WriteEintrag(5), C1Exception);
    EXPECT_EQ(rtf->WriteEintrag(2), 1);
    EXPECT_EQ(rtfcheck::BodyText(Finish()), "(Nachweis)\n");
}

TEST_F(Rows, ColumnDecorations) {
    rtf->ReadTemplate(ReportBlocks::kMassgebend);
    rtf->SetColumnFormat(1, 1, 2);
    EXPECT_EQ(rtf->SetCellText(1, 3, "Fu\xC3\x9Fnote"), 1);
    EXPECT_EQ(rtf->SetCellText(1, 3, " "), 0);
    rtf->SetColumnFlagAll(1, false); // the symbol column disappears
    rtf->WriteZeile(1, {3});
    rtf->WriteZeile(1, {4}); // decorations are used once
    rtf->EndRow();
    const std::string report = Finish();
    EXPECT_NE(report.find("\\qc \\ql \\b ma\\u223?gebende Lastkombination\\cell"),
              std::string::npos);
    EXPECT_NE(report.find("{\\footnote{\\cs16\\super\\chftn}\\fs20\r\n Fu\\u223?note}}"),
              std::string::npos);
    EXPECT_EQ(report.find("LK"), std::string::npos);
    const std::size_t first = report.find("\\trowd");
    EXPECT_EQ(report.find("\\b ", report.find("\\trowd", first + 1)), std::string::npos);
}

TEST(C1RTFXTranslate, TemplateLineCellsTrimmedAndReassembled) {
    const std::string tail = "#Z 4 #V11 000  8 16";
    const std::string expected = "a | b |      | c" + std::string(17, ' ') + tail;
    EXPECT_EQ(
        C1RTFX::TranslateTemplateLine("QEL Ausgabe", "Korvel_o_x", "rtf", "  a |b  || c   " + tail),
        expected);
    // Without a tail only the blanks follow the cells.
    EXPECT_EQ(C1RTFX::TranslateTemplateLine("QEL Ausgabe", "Korvel_o_x", "rtf", "|x"),
              "x" + std::string(17, ' '));
    // Each empty cell of a run keeps its place, one at the line's end too.
    EXPECT_EQ(C1RTFX::TranslateTemplateLine("QEL Ausgabe", "Korvel_o_x", "rtf", "a|||b||"),
              "a |      |      | b |     " + std::string(17, ' '));

    char buffer[64];
    EXPECT_EQ(C1RTFX::TranslateTemplateLine("QEL Ausgabe", "Korvel_o_x", "rtf", "a|b", buffer,
                                            sizeof buffer),
              22);
    EXPECT_EQ(std::string(buffer), "a | b" + std::string(17, ' '));
    EXPECT_EQ(C1RTFX::TranslateTemplateLine("QEL Ausgabe", "Korvel_o_x", "rtf", "", buffer,
                                            sizeof buffer),
              0);
    EXPECT_EQ(std::string(buffer), "");
    // A buffer too small takes what fits, never half a character.
    char small[4];
    EXPECT_EQ(C1RTFX::TranslateTemplateLine("QEL Ausgabe", "Korvel_o_x", "rtf", "a\xC3\xA4\xC3\xB6",
                                            small, sizeof small),
              3);
    EXPECT_EQ(std::string(small), "a\xC3\xA4");
    EXPECT_EQ(C1RTFX::TranslateTemplateLine("QEL Ausgabe", "Korvel_o_x", "rtf", "a", small, 0), 0);
    EXPECT_EQ(C1RTFX::TranslateTemplateLine("QEL Ausgabe", "Korvel_o_x", "rtf", "a", nullptr, 8),
              0);
}

TEST_F(Rows, ValueTextAndFurtherColumnFormats) {
    rtf->ReadTemplate(ReportBlocks::kErddruckAnsatz);
    EXPECT_EQ(rtf->GetValueText(2).rfind("Auf der aktiven Seite wird ein um %3d %% erh", 0), 0u);
    const std::string text = rtf->GetValueText(1);
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.substr(0, text.size() - 1), rtf->m_Wert[1].substr(0, C1RTFX::kValueTextLaenge));
    EXPECT_EQ(rtf->GetValueText(0), "\n");
    EXPECT_EQ(rtf->GetValueText(C1RTFX::kMaxZeilen + 1), "\n");
    // Leading blanks go; the hundred characters count from the first other one, and a
    // character of several bytes counts once.
    rtf->m_Wert[3] = "   " + std::string(99, 'x') + "\xC3\xA4y";
    EXPECT_EQ(rtf->GetValueText(3), std::string(99, 'x') + "\xC3\xA4\n");

    rtf->ReadTemplate(ReportBlocks::kMassgebend);
    rtf->SetColumnFormat2(1, 1);
    EXPECT_EQ(rtf->m_Zeilen[1].Spalten[0].iFormat, 2);
    rtf->SetColumnFormat6(1, 3);
    EXPECT_EQ(rtf->m_Zeilen[1].Spalten[2].iFormat, 6);
    rtf->SetColumnFormat6(1, 99); // outside the row: ignored
    rtf->SetColumnFormat2(99, 1);
    rtf->WriteZeile(1, {3});
    rtf->EndRow();
    const std::string report = Finish();
    EXPECT_NE(report.find("\\b ma\\u223?gebende"), std::string::npos);
    EXPECT_NE(report.find("\\b 3"), std::string::npos);
}

} // namespace
