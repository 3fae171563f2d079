// A report written through the report writer opens in LibreOffice Writer and shows
// its texts: head, design codes, a table with its values, umlauts, Greek letters in
// the symbol font, an inserted fragment and a picture.

#include "host/C1QEL.h"
#include "platform/QEDOM.h"
#include "platform/QELRTFXHost.h"
#include "platform/QELRTFXReport.h"
#include "report/C1RTFX.h"

#include "../platform/RtfStructureCheck.h"
#include "../support/ScratchFolder.h"
#include "LibreOfficeCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

TEST(ReportInLibreOffice, OpensAndShowsItsTexts) {
    const std::string why = libreoffice::Unavailable();
    if (!why.empty()) {
        GTEST_SKIP() << "LibreOffice check skipped: " << why;
    }
    ScratchFolder folder("libreoffice");
    std::string error;
    const QEDOM_HANDLE doc = QEDOM_ParseDocument(
        "<zirf progname=\"ZIRF\" modulename=\"SPW\" version=\"2.1\"><info progDesc=\"Spundwand\"/>"
        "<input><annotations var=\"Anmerkung zur Position\"/></input></zirf>",
        "doc.xml", error);
    ASSERT_NE(doc, 0) << error;
    C1QEL context;
    context.hDoc = doc;
    context.m_bKorvel2005 = 1;
    context.Filedpf = (folder.path() / "Baugrube").string();
    QELRTFX_RegisterHost({{{"File/dpf", context.Filedpf}}, {}, false});
    std::ofstream("fragment.rtf") << "{\\rtf1{\\fonttbl{\\f0\\froman Times New Roman;}}"
                                     "{\\colortbl;\\red200\\green0\\blue0;}"
                                     "\\f0\\cf1 Einwirkung G: Eigengewicht\\par}";
    {
        C1RTFX rtf(&context);
        ASSERT_EQ(rtf.rtf_open(1, "Pos. 3"), 1);
        rtf.ReadTemplate(ReportBlocks::kNorm);
        rtf.WriteZeile(3);
        rtf.ReadTemplate(ReportBlocks::kModus);
        rtf.WriteZeile(2);
        rtf.WriteAnnotation("var", 1, 1);
        QELRTFX_InsertRtf("fragment.rtf", "Definition der Einwirkungen", 10, 3);
        rtf.ReadTemplate(ReportBlocks::kSystem);
        rtf.WriteZeile(1);
        rtf.WriteZeile(2, {2.5});
        rtf.WriteZeile(4, {5.23});
        rtf.EndRow();
        rtf.ReadTemplate(ReportBlocks::kBodenschichten);
        rtf.WriteZeile(4);
        rtf.WriteZeile(
            8, {1, "S1", "L\xC3\xB6sslehm, weich", 2.0, -2.0, " 19.0", " ", 32.5, 21.7, " ", 0.0});
        rtf.EndRow();
        rtf.Close(0);
    }
    QEDOM_FreeDocument(doc);
    QELRTFX_RegisterHost({});

    std::string log;
    const std::optional<std::string> text = libreoffice::PdfText("Baugrube.rtf", log);
    ASSERT_TRUE(text) << "LibreOffice could not convert the report:\n" << log;
    for (const char* expected :
         {"QE-ZIRF", "Pos. 3", "Berechnung nach DIN EN 1997 / DIN EN 1993 /NA (Deutschland)",
          "(Nachweis)", "Anmerkung zur Position", "Definition der Einwirkungen",
          "Einwirkung G: Eigengewicht", "System der Zirfwand", "rechnerische Einbindetiefe", "5.23",
          "L\xC3\xB6sslehm," /* the narrow cell wraps after the comma */}) {
        EXPECT_NE(text->find(expected), std::string::npos) << expected << "\n" << *text;
    }
}

// No word of a cell is broken over a table that runs over two pages: not a head word,
// not a long soil name, not "horizontal". (The head rows are marked to repeat on the
// next page; LibreOffice 7.4 reads no such mark from RTF, so that is checked in the
// document's RTF only.)
TEST(ReportInLibreOffice, LongTableKeepsWordsWhole) {
    const std::string why = libreoffice::Unavailable();
    if (!why.empty()) {
        GTEST_SKIP() << "LibreOffice check skipped: " << why;
    }
    ScratchFolder folder("libreoffice_table");
    std::string error;
    const QEDOM_HANDLE doc = QEDOM_ParseDocument(
        "<zirf progname=\"ZIRF\" modulename=\"SPW\" version=\"2.1\"><info progDesc=\"Spundwand\"/>"
        "<input/></zirf>",
        "doc.xml", error);
    ASSERT_NE(doc, 0) << error;
    C1QEL context;
    context.hDoc = doc;
    context.m_bKorvel2005 = 1;
    context.Filedpf = (folder.path() / "Lang").string();
    QELRTFX_RegisterHost({{{"File/dpf", context.Filedpf}}, {}, false});
    constexpr int kSchichten = 70; // more rows than a page holds
    {
        C1RTFX rtf(&context);
        ASSERT_EQ(rtf.rtf_open(1, "Pos. 4"), 1);
        rtf.ReadTemplate(ReportBlocks::kGelaende);
        rtf.WriteZeile(6, {2.5}); // "talseitig horizontal" in a column of 3.2 cm
        rtf.EndRow();
        rtf.ReadTemplate(ReportBlocks::kBodenschichten);
        rtf.WriteZeile(4);
        rtf.WriteZeile(5);
        for (int i = 1; i <= kSchichten; ++i) {
            rtf.WriteZeile(
                8, {i, "GM", "Geschiebemergel", 2.0, -2.0 * i, " 21.0", " ", 30.0, 20.0, " ", 5.0});
        }
        rtf.EndRow();
        rtf.Close(0);
    }
    QEDOM_FreeDocument(doc);
    QELRTFX_RegisterHost({});

    std::string log;
    const std::optional<std::string> text = libreoffice::PdfText("Lang.rtf", log);
    ASSERT_TRUE(text) << "LibreOffice could not convert the report:\n" << log;
    const auto count = [&text](const std::string& word) {
        int n = 0;
        for (std::size_t pos = 0; (pos = text->find(word, pos)) != std::string::npos; ++pos) {
            ++n;
        }
        return n;
    };
    ASSERT_GE(count("\f"), 1) << "the table fills more than one page";
    EXPECT_GE(count("Bezeichnung"), 1) << *text;
    EXPECT_EQ(count("Geschiebemergel"), kSchichten) << *text;
    EXPECT_EQ(count("horizontal"), 1) << *text;
}

} // namespace
