#include "host/C1QEL.h"
#include "model/C1ZirfInput.h"
#include "platform/QEDOM.h"
#include "platform/QELRTFXHost.h"
#include "platform/QELRTFXReport.h"
#include "report/C1RTFX.h"
#include "report/C1ZirfReport.h"

#include "../platform/RtfStructureCheck.h"
#include "../support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

// Writes the head of a run with the given design code and calculation mode; returns the
// visible text of the report.
std::string Kopf(int norm, int berart, const std::string& annotation) {
    ScratchFolder folder("kopf");
    std::string error;
    const std::string annotations =
        annotation.empty() ? "" : "<annotations var=\"" + annotation + "\"/>";
    const QEDOM_HANDLE doc =
        QEDOM_ParseDocument("<zirf progname=\"ZIRF\"><info progDesc=\"Spundwand\"/><input>" +
                                annotations + "</input></zirf>",
                            "doc.xml", error);
    EXPECT_NE(doc, 0) << error;
    C1QEL context;
    context.hDoc = doc;
    context.Filedpf = (folder.path() / "Pos").string();
    QELRTFX_RegisterHost({{{"File/dpf", context.Filedpf}}, {}, false});
    C1ZirfInput input(&context);
    input.normKind = norm;
    input.berart = berart;
    input.nPage = 7;
    input.freeText = "Baugrube Nord";
    {
        C1RTFX rtf(&context);
        C1ZirfReport report(&context, &rtf, nullptr, &input);
        EXPECT_EQ(report.WriteKopf(), 1);
        EXPECT_EQ(QELRTFX_OpenDocument()->FirstPage(), 7);
        EXPECT_EQ(QELRTFX_OpenDocument()->Header().note, "Baugrube Nord");
        rtf.Close(0);
    }
    QEDOM_FreeDocument(doc);
    QELRTFX_RegisterHost({});
    std::ifstream in(folder.path() / "Pos.rtf", std::ios::binary);
    const std::string rtf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(rtfcheck::StructureFault(rtf), "");
    return rtfcheck::BodyText(rtf);
}

TEST(C1ZirfReportKopf, DesignCodeAndModeForEveryNormAndBerart) {
    const char* codes[] = {"", "Berechnung nach DIN 1054 / DIN 18800\n",
                           "Berechnung nach DIN EN 1997 / DIN EN 1993\n",
                           "Berechnung nach DIN EN 1997 / DIN EN 1993 /NA (Deutschland)\n", ""};
    for (int norm = 0; norm <= 4; ++norm) {
        for (int berart : {0, 1, 2, -1}) {
            const std::string mode = berart == 0 ? "(Dimensionierung)\n" : "(Nachweis)\n";
            EXPECT_EQ(Kopf(norm, berart, ""), codes[norm] + mode)
                << "norm " << norm << ", berart " << berart;
        }
    }
}

TEST(C1ZirfReportKopf, AnnotationVarClosesTheHead) {
    EXPECT_EQ(Kopf(2, 1, "Bauherr: Stadt"),
              "Berechnung nach DIN EN 1997 / DIN EN 1993\n(Nachweis)\n \nBauherr: Stadt\n \n");
}

TEST(C1ZirfReportKopf, InputChapterHeading) {
    ScratchFolder folder("kopf_system");
    C1QEL context;
    context.Filedpf = (folder.path() / "Pos").string();
    ASSERT_EQ(QELRTFX_Open("Pos.rtf", 0, 1, 1, ""), 1);
    C1RTFX rtf(&context);
    C1ZirfInput input(&context);
    C1ZirfReport report(&context, &rtf, nullptr, &input);
    EXPECT_EQ(report.WriteSystemUndBelastung(), 1);
    const std::string text = QELRTFX_OpenDocument()->Rtf();
    QELRTFX_Close(0);
    EXPECT_EQ(rtfcheck::BodyText(text), "System und Belastung\n");
    EXPECT_NE(text.find("\\s2"), std::string::npos);
}

} // namespace
