// The plot layer as a picture of a run uses it: open, draw in metres, close into the
// report by handle.

#include "host/C1QEL.h"
#include "platform/EmfHandles.h"
#include "platform/Kernel.h"
#include "platform/QELRTFXReport.h"
#include "plot/engine/C1Plot.h"
#include "plot/member/C1PlotTraeger.h"
#include "plot/member/Plot_.h"

#include "../../support/EmfReader.h"
#include "../../support/EnvGuard.h"
#include "../../support/ScratchFolder.h"
#include "../../support/TraceMitschnitt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <vector>

namespace {

int CountOf(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

void DrawSomething() {
    Plot_SelectPen(1, 0, 1);
    Plot_MoveTo(0.0f, 0.0f);
    Plot_LineTo(4.0f, 2.0f);
    const float x[3] = {0.0f, 1.0f, 1.0f};
    const float y[3] = {0.0f, 0.0f, 1.0f};
    Plot_SelectBrush(1);
    Plot_Polygon(x, y, 3);
    Plot_PopBrush();
    Plot_PopPen();
    Plot_Text(0.0f, 3.0f, 4.0f, 3.0f, "OKW", 1.0f, 0, 1, 0, 0.0f, 0.0f, 0);
    Plot_FrameMargins(1.02f, 1.02f, 1.02f, 1.05f);
}

} // namespace

TEST(PlotLayer, APictureIsInsertedByHandleWhereItIsClosed) {
    ScratchFolder folder("plot_layer");
    const EnvGuard tmp("TMPDIR", folder.path().c_str());
    ASSERT_EQ(QELRTFX_Open((folder.path() / "bericht.rtf").string().c_str(), 0, 1, 1, "\0\0"), 1);
    QELRTFX_Paragraph(0, "vorher");
    const std::size_t kept = QEL_EnhMetaFileCount();
    ScratchFolder::Write(folder.path() / "System.emf", "old");
    ASSERT_EQ(Plot_Init(0, 4.0f, 1.0f, " ", 10.0f, 10.0f, 160.0f, 100.0f, 0, 1, 0, "System"), 1);
    EXPECT_EQ(Plot_FileName(), (folder.path() / "System.emf").string());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "System.emf")); // removed at the start
    DrawSomething();
    EXPECT_NE(Plot_Close(1), 0);
    QELRTFX_Paragraph(0, "nachher");
    EXPECT_EQ(QEL_EnhMetaFileCount(), kept); // the handle is released
    const std::string rtf = QELRTFX_OpenDocument()->Rtf();
    ASSERT_EQ(QELRTFX_Close(0), 1);
    EXPECT_EQ(CountOf(rtf, "\\emfblip"), 1);
    EXPECT_LT(rtf.find("vorher"), rtf.find("\\emfblip"));
    EXPECT_LT(rtf.find("\\emfblip"), rtf.find("nachher"));
    // The file stays in the temporary folder and holds what was drawn.
    const emf::Reader r = emf::Reader::FromFile((folder.path() / "System.emf").string());
    ASSERT_TRUE(r.Ok()) << r.Faults().front();
    EXPECT_EQ(r.Polygons().size(), 1u);
    ASSERT_EQ(r.Texts().size(), 1u);
    EXPECT_EQ(r.Texts()[0].Utf8(), "OKW");
}

TEST(PlotLayer, ClosingWithoutInsertOrWithoutFileAndWrappersWithoutPicture) {
    ScratchFolder folder("plot_layer_ohne");
    const EnvGuard tmp("TMPDIR", folder.path().c_str());
    // No picture open: every wrapper does nothing.
    Plot_Close(0);
    EXPECT_EQ(Plot_Current(), nullptr);
    EXPECT_EQ(Plot_MoveTo(1.0f, 1.0f), 0);
    EXPECT_EQ(Plot_SelectPen(1, 0, 1), 0);
    float w = -1.0f;
    EXPECT_EQ(Plot_GetTextExtent("x", &w, nullptr), 0);
    EXPECT_EQ(w, -1.0f);
    // Close without insert: the file stays, the report gets nothing.
    ASSERT_EQ(Plot_Init(0, 4.0f, 1.0f, " ", 10.0f, 10.0f, 160.0f, 100.0f, 0, 1, 0, "TGF"), 1);
    DrawSomething();
    EXPECT_NE(Plot_Close(0), 0);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "TGF.emf"));
    // No file: nothing to insert, 0.
    ASSERT_EQ(Plot_Init(0, 4.0f, 1.0f, " ", 10.0f, 10.0f, 160.0f, 100.0f, 0, 0, 0, "X"), 1);
    DrawSomething();
    EXPECT_EQ(Plot_Close(1), 0);
    // A page without size: no picture opens.
    EXPECT_EQ(Plot_Init(0, 4.0f, 1.0f, " ", 0.0f, 0.0f, 160.0f, 100.0f, 0, 1, 0, "Leer"), 0);
    EXPECT_EQ(Plot_Current(), nullptr);
    EXPECT_EQ(Plot_LineTo(1.0f, 1.0f), 0);
    EXPECT_EQ(Plot_Close(1), 0);
}

TEST(PlotLayer, ReopeningReleasesThePreviousPictureAndItsMembers) {
    ScratchFolder folder("plot_layer_wieder");
    const EnvGuard tmp("TMPDIR", folder.path().c_str());
    for (int picture = 0; picture < 20; ++picture) {
        ASSERT_EQ(Plot_Init(2, 4.0f, 1.0f, " ", 10.0f, 10.0f, 160.0f, 100.0f, 0, 1, 0, "Bild"), 1);
        ASSERT_NE(Plot_Member(2), nullptr);
        EXPECT_EQ(Plot_Member(2)->GetPlot(), Plot_Current());
        EXPECT_EQ(Plot_Member(2)->GetMode(), 0);
        DrawSomething();
        if (picture % 2 == 0) {
            Plot_Close(0);
            EXPECT_EQ(Plot_Member(1)->GetPlot(), nullptr); // no pointer to the ended engine
        }
    }
    Plot_Close(0);
    Plot_FreeDaten();
    EXPECT_EQ(Plot_Member(0), nullptr);
}

TEST(PlotLayer, ACoordinateTheEngineRefusesDropsThePictureWithAnErrorOnTheTrace) {
    // A coordinate that is no number, infinite, or beyond the engine's world (1e30 m, or
    // a float's 1e300, which is infinite): the wrapper returns 0, the picture is dropped
    // (no more drawing, no file, nothing in the report), the trace names the function.
    // The sanitizers would stop this test at an undefined conversion.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const float huge = 1e30f;
    const float xs[3] = {0.0f, 1.0f, nan};
    const float ys[3] = {0.0f, 0.0f, 1.0f};
    struct Fall {
        const char* function;
        std::function<int()> call;
        int result;
    };
    const std::vector<Fall> faelle = {
        {"Plot_MoveTo", [&] { return Plot_MoveTo(nan, 1.0f); }, 0},
        {"Plot_LineTo", [&] { return Plot_LineTo(1.0f, inf); }, 0},
        {"Plot_LineTo",
         [&] {
             Plot_SetOrigin(-inf, 0.0f);
             return Plot_LineTo(1.0f, 1.0f);
         },
         0},
        {"Plot_Arc", [&] { return Plot_Arc(0, 0, huge, 1, 1, 0, 1, 0); }, 0},
        {"Plot_Polygon", [&] { return Plot_Polygon(xs, ys, 3); }, 0},
        {"Plot_Ellipse", [&] { return Plot_Ellipse(0, 0, 1, -huge, 0); }, 0},
        {"Plot_Text", [&] { return Plot_Text(nan, 1, 2, 1, "a", 1.0f, 0, 1, 0, 0, 0, 0); }, 0},
        {"Plot_TextAt",
         [&] { return Plot_TextAt(1, 1, 0, "a", 1.0f, 0, 1, 0, static_cast<float>(1e300), 0, 0); },
         0},
        {"Plot_SelectFont", [&] { return Plot_SelectFont(huge, 0.0f, 0, 0); }, 0},
        {"Plot_Zahl", [&] { return Plot_Zahl(0, 0, 2, 0, 1.5f, 1.0f, nan, ""); }, 0},
        {"Plot_Bitmap", [&] { return Plot_Bitmap("BITMAP_AUFL102", 0, 0, inf, 1); }, 0},
        {"Plot_FrameMargins", [&] { return Plot_FrameMargins(huge, 1.0f, 1.0f, 1.0f); }, 0},
        {"Plot_ZLinie",
         [&] {
             Plot_SetAufl(1, 1, "A", 0.0f, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
             Plot_SetAufl(1, 2, "B", 5.0f, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
             Plot_SetZ(1, 1, 0.0f, 1.0f);
             Plot_SetZ(1, 1, 2.5f, nan);
             Plot_SetZ(1, 1, 5.0f, 1.0f);
             return Plot_ZLinie(1, 1.0f, 2.0f, 6.0f, 2.0f, 1, 0, 1, 1, 3, 3, 1);
         },
         0},
        // The member diagrams other than the curve answer 1 after any error.
        {"Plot_Last",
         [&] {
             Plot_SetAufl(1, 1, "A", 0.0f, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
             return Plot_Last(1, 1.0f, nan, 6.0f, 2.0f, 2, 1, 1, 1, 0);
         },
         1},
    };
    for (const Fall& f : faelle) {
        ScratchFolder folder("plot_layer_verworfen");
        const EnvGuard tmp("TMPDIR", folder.path().c_str());
        ASSERT_EQ(QELRTFX_Open((folder.path() / "bericht.rtf").string().c_str(), 0, 1, 1, "\0\0"),
                  1);
        ASSERT_EQ(Plot_Init(1, 4.0f, 1.0f, " ", 10.0f, 10.0f, 160.0f, 100.0f, 0, 1, 0, "System"),
                  1);
        DrawSomething();
        const TraceMitschnitt trace("trace.txt");
        EXPECT_EQ(f.call(), f.result) << f.function;
        EXPECT_EQ(Plot_Current(), nullptr) << f.function;
        EXPECT_EQ(Plot_Member(1)->GetPlot(), nullptr) << f.function;
        EXPECT_EQ(Plot_LineTo(2.0f, 2.0f), 0) << f.function; // nothing more is drawn
        EXPECT_EQ(Plot_Close(1), 0) << f.function;
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "System.emf")) << f.function;
        const std::string rtf = QELRTFX_OpenDocument()->Rtf();
        ASSERT_EQ(QELRTFX_Close(0), 1);
        EXPECT_EQ(CountOf(rtf, "\\emfblip"), 0) << f.function;
        const std::string text = trace.Text();
        EXPECT_NE(text.find(std::string("Fehler in ") + f.function + ": "), std::string::npos)
            << text;
        EXPECT_NE(text.find("Koordinate nicht darstellbar ("), std::string::npos) << text;
        Plot_FreeDaten();
    }
    // The next picture is drawn and inserted as ever.
    ScratchFolder folder("plot_layer_danach");
    const EnvGuard tmp("TMPDIR", folder.path().c_str());
    ASSERT_EQ(Plot_Init(0, 4.0f, 1.0f, " ", 10.0f, 10.0f, 160.0f, 100.0f, 0, 1, 0, "System"), 1);
    DrawSomething();
    EXPECT_NE(Plot_Close(0), 0);
    EXPECT_TRUE(emf::Reader::FromFile((folder.path() / "System.emf").string()).Ok());
}

TEST(PlotLayer, WrappersConvertMetresInSinglePrecision) {
    ScratchFolder folder("plot_layer_float");
    const EnvGuard tmp("TMPDIR", folder.path().c_str());
    ASSERT_EQ(Plot_Init(0, 4.0f, 1.0f, " ", 10.0f, 10.0f, 160.0f, 100.0f, 0, 1, 0, "F"), 1);
    Plot_SetOrigin(1.0f, 0.0f);
    Plot_SelectPen(0, 0, 1);
    Plot_MoveTo(1.5f, 0.25f); // a D form: the origin subtracted
    Plot_LineTo(1.5f, 0.25f);
    float minX = 0;
    float maxX = 0;
    float maxY = 0;
    float minY = 0;
    Plot_GetExtent(&minX, &maxX, &maxY, &minY);
    EXPECT_FLOAT_EQ(minX, 0.5f);
    EXPECT_FLOAT_EQ(maxY, 0.25f);
    float w = 0;
    float h = 0;
    Plot_SelectFont(1.0f, 0.0f, 0, 0);
    EXPECT_EQ(Plot_GetTextExtent("GW", &w, &h), 1);
    EXPECT_GT(w, 0.0f);
    EXPECT_NEAR(h, 0.4f, 0.011f); // 4 mm of 100 mm for 10 m
    Plot_Close(0);
}

namespace {

// The loading diagram's frame: open a picture of a 4 m wall, draw, and close it into
// the report unless the context runs in quick mode outside the host.
void ReplayLoadingDiagram(const C1QEL& qel) {
    const double tGes = 4.0;
    Plot_Init(0, 4.0f, 1.0f, " ", static_cast<float>((tGes + 10.0) * 1.04),
              static_cast<float>(tGes * 1.02), 160.0f, 100.0f, 0, 1, 0, "Beanspruchung");
    Plot_SetOrigin(0.0f, 0.0f);
    Plot_SelectPen(0, 0, 1);
    Plot_SelectBrush(0);
    Plot_SelectFont(5.0f, 0.0f, 0, 0);
    const float x[4] = {0.0f, 2.0f, 2.0f, 0.0f};
    const float y[4] = {0.0f, 0.0f, 4.0f, 4.0f};
    Plot_Polygon(x, y, 4);
    Plot_Text(0.0f, 2.0f, 2.0f, 2.0f, "aus Erde", 0.6f, 0, 1, 0, 0.0f, 0.0f, 0);
    Plot_PopBrush();
    Plot_PopPen();
    Plot_FrameMargins(1.02f, 1.02f, 1.02f, 1.05f);
    Plot_Close(qel.IsKorvel2005() != 0 || qel.GetQuickModus() == 0 ? 1 : 0);
}

} // namespace

TEST(PlotLayer, LoadingDiagramFrameInsertsUnlessInQuickModeOutsideTheHost) {
    ScratchFolder folder("plot_layer_bild");
    const EnvGuard tmp("TMPDIR", folder.path().c_str());
    struct Case {
        int underHost, quick, pictures;
    };
    for (const Case c : {Case{1, 1, 1}, Case{0, 0, 1}, Case{0, 1, 0}}) {
        C1QEL qel;
        qel.m_bKorvel2005 = c.underHost;
        qel.Quick.QuickModus = c.quick;
        ASSERT_EQ(QELRTFX_Open((folder.path() / "b.rtf").string().c_str(), 0, 1, 1, "\0\0"), 1);
        ReplayLoadingDiagram(qel);
        const std::string rtf = QELRTFX_OpenDocument()->Rtf();
        QELRTFX_Close(0);
        EXPECT_EQ(CountOf(rtf, "\\emfblip"), c.pictures) << c.underHost << c.quick;
        // The metafile is written either way.
        EXPECT_TRUE(emf::Reader::FromFile((folder.path() / "Beanspruchung.emf").string()).Ok());
    }
}

TEST(PlotLayer, UnnamedPicturesShareOneTemporaryNameAndInsertModeOneGoesByFile) {
    ScratchFolder folder("plot_layer_name");
    const EnvGuard tmp("TMPDIR", folder.path().c_str());
    ASSERT_EQ(Plot_Init(0, 4.0f, 1.0f, " ", 10.0f, 10.0f, 160.0f, 100.0f, 1, 1, 0, ""), 1);
    EXPECT_EQ(Plot_FileName(), (folder.path() / "plt1.tmp").string());
    DrawSomething();
    ASSERT_EQ(QELRTFX_Open((folder.path() / "c.rtf").string().c_str(), 0, 1, 1, "\0\0"), 1);
    EXPECT_NE(Plot_Close(1), 0);
    const std::string rtf = QELRTFX_OpenDocument()->Rtf();
    QELRTFX_Close(0);
    EXPECT_EQ(CountOf(rtf, "\\emfblip"), 1);
    ASSERT_EQ(Plot_Init(0, 4.0f, 1.0f, " ", 10.0f, 10.0f, 160.0f, 100.0f, 1, 1, 0, nullptr), 1);
    EXPECT_EQ(Plot_FileName(), (folder.path() / "plt1.tmp").string());
    Plot_Close(0);
}

TEST(PlotLayer, ValueLabelsGoWhereTheirCoordinatesSay) {
    ScratchFolder folder("plot_layer_zahl");
    const EnvGuard tmp("TMPDIR", folder.path().c_str());
    // A character height of 4 mm on a page 100 mm high for 10 m: text height 0.4 m, so
    // the end marks are 0.24 m long; the box takes the end points of the lines (the
    // mark along the line reaches half of it beyond the end) and the end dots (0.6 of
    // the mark across, 0.072 m before the start).
    struct Case {
        const char* name;
        int (*draw)();
        float start, end, lineY; // along the label's line, and the line's place across
        bool vertical;
    };
    const Case cases[] = {
        {"Zahl", [] { return Plot_Zahl(1.0f, 0.5f, 3.0f, 0.5f, 2.0f, 1.0f, 0.25f, ""); },
         1.0f - 0.072f, 3.0f + 0.12f, 0.75f, false},
        {"ZahlAnLinie",
         [] { return Plot_ZahlAnLinie(1.0f, 7.0f, 3.0f, 7.0f, 2.0f, 1.0f, 9.0f, 0.5f, ""); },
         1.0f - 0.072f, 3.0f + 0.12f, 0.5f, false},
        {"ZahlAnLinie2",
         [] { return Plot_ZahlAnLinie2(7.0f, 1.0f, 9.0f, 3.0f, 2.0f, 1.0f, 0.5f, 9.0f, ""); },
         1.0f - 0.072f, 3.0f + 0.12f, 0.5f, true},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Plot_Init(0, 4.0f, 1.0f, " ", 10.0f, 10.0f, 160.0f, 100.0f, 0, 1, 0, c.name), 1);
        EXPECT_EQ(c.draw(), 1) << c.name;
        float minX = 0;
        float maxX = 0;
        float maxY = 0;
        float minY = 0;
        Plot_GetExtent(&minX, &maxX, &maxY, &minY);
        Plot_Close(0);
        const float alongMin = c.vertical ? minY : minX;
        const float alongMax = c.vertical ? maxY : maxX;
        const float acrossMin = c.vertical ? minX : minY;
        const float acrossMax = c.vertical ? maxX : maxY;
        EXPECT_NEAR(alongMin, c.start, 0.0005f) << c.name;
        EXPECT_NEAR(alongMax, c.end, 0.0005f) << c.name;
        // Across: the marks and the text, within a metre of the line.
        EXPECT_LE(acrossMin, c.lineY) << c.name;
        EXPECT_GE(acrossMax, c.lineY + 0.24f - 0.0005f) << c.name;
        EXPECT_GT(acrossMin, c.lineY - 1.0f) << c.name;
        EXPECT_LT(acrossMax, c.lineY + 1.0f) << c.name;
    }
    // Without a picture: nothing drawn, 0.
    EXPECT_EQ(Plot_Zahl(1.0f, 0.5f, 3.0f, 0.5f, 2.0f, 1.0f, 0.25f, ""), 0);
}
