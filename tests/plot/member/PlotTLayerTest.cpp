// The member-plot layer as the wall diagrams use it, its data functions and the
// curve written into a document.

#include "base/Trace.h"
#include "platform/QEDOM.h"
#include "platform/QELRTFXReport.h"
#include "plot/curve/ZustandsLinie.h"
#include "plot/member/C1PlotT.h"
#include "plot/member/PlotT_.h"

#include "../../report/LibreOfficeCheck.h"
#include "../../support/EmfReader.h"
#include "../../support/ScratchFolder.h"
#include "../../support/TraceMitschnitt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <set>

namespace {

constexpr float kT = 8.0f; // wall length, m

struct Diagram {
    const char* file;
    double amplitude;
    const char* maxLabel;
    const char* minLabel;
};

const Diagram kDiagrams[] = {
    {"Momente.emf", 30.0, "30.00", "-30.00"},
    {"Querkraefte.emf", 12.5, "12.50", "-12.50"},
    {"Normalkraefte.emf", 150.0, "150.0", "-150.0"},
    {"Durchbiegung.emf", 2.5, "2.50", "-2.50"},
};

// The supports and the four curves of a wall as the diagrams give them: a first point
// 1 m above the top, then 21 points from the foot (x = 0) to the top (x = t).
void DrawWall(bool anchored, int& points) {
    ASSERT_EQ(PlotT_Init(2, 4.0f, 0.7f, 0), 1);
    if (anchored) {
        PlotT_SetAufl(1, 1, " ", kT, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        PlotT_SetAufl(1, 2, " ", kT - 2.0f, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        PlotT_SetAufl(1, 3, " ", 0.0f, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    } else {
        PlotT_SetAufl(1, 1, " ", kT, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        PlotT_SetAufl(1, 2, " ", 0.0f, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    }
    for (const Diagram& d : kDiagrams) {
        PlotT_SetZ(1, kT + 1.0f, 0.0f);
        for (int i = 0; i <= 20; ++i) {
            PlotT_SetZ(1, i * kT / 20,
                       static_cast<float>(d.amplitude * std::sin(2.0 * std::acos(-1.0) * i / 20)));
        }
        points = PlotT_Curve(1)->GetCount();
        const QEL_HENHMETAFILE h = PlotT_ZLinie(1, 1, 0, 1, 0, 3, 0, 1, "", 40.0f, 100.0f, 0,
                                                d.file, nullptr, 0, nullptr, nullptr, 0);
        ASSERT_NE(h, 0u) << d.file;
        EXPECT_EQ(PlotT_Curve(1)->GetCount(), 0); // emptied after the picture
        EXPECT_EQ(PlotT_DeleteEmf(h), 1);
    }
}

void ExpectWallPicture(const Diagram& d, int points, int symbol) {
    const emf::Reader r = emf::Reader::FromFile(d.file);
    ASSERT_TRUE(r.Ok()) << d.file << ": " << r.Faults().front();
    // One filled area: the curve's points and the two axis points.
    ASSERT_EQ(r.Polygons().size(), 1u) << d.file;
    EXPECT_EQ(r.Polygons()[0].size(), static_cast<std::size_t>(points + 2)) << d.file;
    EXPECT_NE(std::find(r.BrushColours().begin(), r.BrushColours().end(), 0xE9E9E9u),
              r.BrushColours().end());
    std::set<std::string> texts;
    for (const auto& t : r.Texts()) {
        texts.insert(t.Utf8());
    }
    EXPECT_TRUE(texts.count(d.maxLabel)) << d.file;
    EXPECT_TRUE(texts.count(d.minLabel)) << d.file;
    // The support symbols: the free top has none.
    EXPECT_EQ(r.Bitmaps().size(), static_cast<std::size_t>(symbol == 102 ? 2 : 1)) << d.file;
    // The member line: vertical, its pen as wide as a character.
    bool memberLine = false;
    for (std::size_t i = 0; i + 1 < r.Records().size(); ++i) {
        const emf::Record& a = r.Records()[i];
        const emf::Record& b = r.Records()[i + 1];
        if (a.type == kEmrMoveToEx && b.type == kEmrLineTo &&
            r.I32(a.offset + 8) == r.I32(b.offset + 8) &&
            std::abs(r.I32(a.offset + 12) - r.I32(b.offset + 12)) >= 990) {
            memberLine = true;
        }
    }
    EXPECT_TRUE(memberLine) << d.file;
}

} // namespace

TEST(PlotTLayer, WallDiagramsGiveFourPicturesWithAreaLabelsSymbolsAndMember) {
    ScratchFolder folder("plott_wand");
    for (const bool anchored : {false, true}) {
        int points = 0;
        DrawWall(anchored, points);
        for (const Diagram& d : kDiagrams) {
            ExpectWallPicture(d, points, anchored ? 102 : 112);
        }
    }
}

TEST(PlotTLayer, WallDiagramsInATableRowOpenInLibreOffice) {
    const std::string why = libreoffice::Unavailable();
    if (!why.empty()) {
        GTEST_SKIP() << "LibreOffice check skipped: " << why;
    }
    ScratchFolder folder("plott_lo");
    int points = 0;
    DrawWall(true, points);
    ASSERT_EQ(QELRTFX_Open((folder.path() / "wand.rtf").string().c_str(), 0, 1, 1, "\0\0"), 1);
    const double widths[] = {4.0, 4.0, 4.0, 4.0};
    QELRTFX_Paragraph(0, "");
    QELRTFX_TableColumns(4, widths);
    QELRTFX_RowStart(1);
    for (const char* caption : {"Momente", "Querkraefte", "Normalkraefte", "Verformungen"}) {
        QELRTFX_CellText(caption);
    }
    QELRTFX_RowStart(0);
    for (const Diagram& d : kDiagrams) {
        EXPECT_EQ(QELRTFX_InsertPicture(d.file, 1, 4.0, 10.0), 1) << d.file;
        std::filesystem::remove(d.file); // the report has the bytes already
    }
    QELRTFX_RowEnd();
    ASSERT_EQ(QELRTFX_Close(0), 1);
    std::string log;
    const auto text = libreoffice::PdfText(folder.path() / "wand.rtf", log);
    ASSERT_TRUE(text) << log;
    for (const Diagram& d : kDiagrams) {
        EXPECT_NE(text->find(d.maxLabel), std::string::npos) << d.maxLabel << "\n" << *text;
        EXPECT_NE(text->find(d.minLabel), std::string::npos) << d.minLabel << "\n" << *text;
    }
    const std::string command = "pdftoppm -gray -r 72 -f 1 -l 1 '" +
                                (folder.path() / "wand.pdf").string() + "' '" +
                                (folder.path() / "seite").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(folder.path() / "seite-1.pgm", std::ios::binary);
    std::string magic;
    int w = 0;
    int h = 0;
    int maxValue = 0;
    in >> magic >> w >> h >> maxValue;
    in.get();
    std::vector<unsigned char> px(static_cast<std::size_t>(w) * h);
    in.read(reinterpret_cast<char*>(px.data()), static_cast<std::streamsize>(px.size()));
    ASSERT_TRUE(in);
    // Cells of 4 cm from the left margin of 2.5 cm: each picture's member line alone
    // inks far more rows than a caption.
    const double pxPerCm = 72 / 2.54;
    for (int cell = 0; cell < 4; ++cell) {
        const int left = static_cast<int>((2.5 + 4.0 * cell + 0.2) * pxPerCm);
        const int right = static_cast<int>((2.5 + 4.0 * (cell + 1) - 0.2) * pxPerCm);
        int rows = 0;
        for (int y = 0; y < h; ++y) {
            bool ink = false;
            for (int x = left; x < right && !ink; ++x) {
                ink = px[static_cast<std::size_t>(y) * w + x] < 160;
            }
            rows += ink ? 1 : 0;
        }
        EXPECT_GT(rows, 200) << "cell " << cell;
    }
    if (const char* keep = std::getenv("ZIRF_BILD_AUSGABE"); keep != nullptr && *keep != '\0') {
        std::filesystem::copy_file(folder.path() / "wand.pdf",
                                   std::filesystem::path(keep) / "wand.pdf",
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

TEST(PlotTLayer, RefusedSupportsDoNotCountAndSlotsAreChecked) {
    ASSERT_EQ(PlotT_Init(1, 4.0f, 1.0f, 0), 1);
    EXPECT_EQ(PlotT_SetAufl(1, 1000000000, " ", 50.0f, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 1);
    C1PlotTraeger* m = PlotT_Current()->Member(1);
    EXPECT_EQ(m->GetHighestSupport(), 0);
    EXPECT_EQ(m->GetLength(), 0.0);
    EXPECT_EQ(PlotT_SetAufl(1, 2, " ", 5.0f, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(m->GetHighestSupport(), 2);
    EXPECT_EQ(m->GetLength(), 5.0);
    EXPECT_EQ(PlotT_SetAufl(4, 1, " ", 5.0f, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(PlotT_SetGele(3, 0.0f), 1);
    EXPECT_EQ(PlotT_Current()->Member(3)->GetGeleCount(), 1);
    EXPECT_EQ(PlotT_SetZ(3, 1.0f, 1.0f), 1);
    EXPECT_EQ(PlotT_Curve(1)->GetCount() + PlotT_Curve(2)->GetCount(), 0);
    EXPECT_EQ(PlotT_DeleteEmf(0), 0);
}

TEST(PlotTLayer, LoadsAndSections) {
    ASSERT_EQ(PlotT_Init(1, 4.0f, 1.0f, 0), 1);
    C1PlotTraeger* m = PlotT_Current()->Member(1);
    EXPECT_EQ(PlotT_SetLast(1, 1, 1, 0.0f, 2.0f, 0.0001f, -0.0001f, 0, 3, "G", "g1", 0), 0);
    EXPECT_EQ(m->GetHighestLabel(), 0);
    EXPECT_EQ(PlotT_SetLast(1, 1, 1, 0.0f, 2.0f, 5.0f, 5.0f, 1, 100, "Q", "q1", 0), 1);
    EXPECT_EQ(m->GetHighestLabel(), 2); // load case 100 is stored as 2
    EXPECT_EQ(m->GetLastText(2).letter, 'q');
    const float dims[80] = {30.0f, 50.0f};
    EXPECT_EQ(PlotT_SetQuer(1, 0.0f, 1.0f, "HEB", 2, 2, 2, 1, dims, 0, 0, 0, 0, 0),
              0); // steel, shape 2
    EXPECT_EQ(m->GetMaxQuer(), 0);
    struct Case {
        const char* name;
        const char* stored;
    };
    int index = 0;
    for (const Case c :
         {Case{" \t\x01 ", ""}, Case{"Tr\xC3\xA4ger 1", "Tr ger 1"}, Case{" Stahl ", "Stahl"}}) {
        char buffer[32];
        std::strcpy(buffer, c.name);
        EXPECT_EQ(PlotT_SetQuer(++index, 0.0f, 1.0f, buffer, 1, 1, 2, 1, dims, 0, 0, 0, 0, 0), 1);
        EXPECT_STREQ(buffer, c.name); // the caller's buffer stays as it was
        C1Quer q;
        ASSERT_TRUE(m->GetQuer(index, q));
        EXPECT_EQ(q.Name, c.stored);
        EXPECT_EQ(q.D(1), 50.0);
    }
}

TEST(PlotTLayer, CurvePictureSwitchesAndAStaleFileIsGone) {
    ScratchFolder folder("plott_schalter");
    ASSERT_EQ(PlotT_Init(2, 4.0f, 0.7f, 0), 1);
    PlotT_SetAufl(1, 1, " ", 5.0f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    const auto fill = [] {
        PlotT_SetZ(1, 0.0f, 1.0f);
        PlotT_SetZ(1, 5.0f, 2.0f);
        PlotT_SetZ(2, 0.0f, 1.0f);
    };
    fill();
    EXPECT_EQ(
        PlotT_ZLinie(1, 1, 0, 1, 0, 3, 0, 1, "", 40, 100, 0, "", nullptr, 0, nullptr, nullptr, 0),
        0u);
    EXPECT_EQ(PlotT_Curve(1)->GetCount() + PlotT_Curve(2)->GetCount(), 0);
    fill();
    const QEL_HENHMETAFILE blank = PlotT_ZLinie(1, 0, 0, 1, 0, 3, 0, 1, "", 40, 100, 0, "leer.emf",
                                                nullptr, 0, nullptr, nullptr, 0);
    ASSERT_NE(blank, 0u);
    PlotT_DeleteEmf(blank);
    EXPECT_EQ(PlotT_Curve(1)->GetCount() + PlotT_Curve(2)->GetCount(), 0);
    EXPECT_EQ(emf::Reader::FromFile("leer.emf").Polygons().size(), 0u);
    // An unknown switch draws nothing at all; the old file of the name is gone.
    ScratchFolder::Write("alt.emf", "the last run's picture");
    fill();
    const QEL_HENHMETAFILE none = PlotT_ZLinie(1, 2, 0, 1, 0, 3, 0, 1, "", 40, 100, 0, "alt.emf",
                                               nullptr, 0, nullptr, nullptr, 0);
    PlotT_DeleteEmf(none);
    EXPECT_EQ(PlotT_Curve(1)->GetCount() + PlotT_Curve(2)->GetCount(), 0);
    EXPECT_NE(ScratchFolder::Read("alt.emf"), "the last run's picture");
}

TEST(PlotTLayer, CurveWrittenIntoADocumentElement) {
    ScratchFolder folder("plott_xml");
    std::string error;
    const QEDOM_HANDLE doc = QEDOM_ParseDocument("<doc><kurve/><zwei/></doc>", "doc.xml", error);
    ASSERT_NE(doc, 0) << error;
    const QEDOM_HANDLE element = QEDOM_FindFirstChild(QEDOM_GetRootElement(doc), "kurve");
    ASSERT_EQ(PlotT_Init(2, 4.0f, 0.7f, 0), 1);
    PlotT_SetAufl(1, 1, " ", 10.0f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    for (int i = 0; i <= 20; ++i) {
        PlotT_SetZ(1, 0.5f * i, 0.25f * i - 2.0f);
    }
    const QEL_HENHMETAFILE h = PlotT_ZLinie(1, 1, 0, 1, 0, 3, 0, 0, "", 40, 100, 0, "k.emf",
                                            nullptr, element, "Momente", "kNm/m", 1);
    PlotT_DeleteEmf(h);
    EXPECT_EQ(QEDOM_GetInt(element, "bAbsolut"), 1);
    EXPECT_EQ(QEDOM_GetInt(element, "type"), 0);
    EXPECT_EQ(QEDOM_GetInt(element, "dataLength"), 21);
    EXPECT_STREQ(QEDOM_GetString(element, "unit"), "kNm/m");
    EXPECT_STREQ(QEDOM_GetString(element, "title"), "Momente");
    EXPECT_EQ(QEDOM_GetInt(element, "default"), 1);
    ASSERT_EQ(QEDOM_LoadFileFromAttr(element, "data", "data.bin"), 1);
    const std::string data = ScratchFolder::Read("data.bin");
    ASSERT_EQ(data.size(), 168u);
    // Point 3: x 1.5 = 0x3FC00000, Z -1.25 = 0xBFA00000, little-endian.
    EXPECT_EQ(data.substr(24, 8), std::string("\x00\x00\xC0\x3F\x00\x00\xA0\xBF", 8));
    ASSERT_EQ(QEDOM_SaveDocument(doc, "doc.xml", error), 1) << error;
    const std::string xml = ScratchFolder::Read("doc.xml");
    std::size_t at = 0;
    for (const char* name :
         {"bAbsolut=", "type=", "dataLength=", "unit=", "title=", "data=", "default="}) {
        const std::size_t next = xml.find(name, at);
        ASSERT_NE(next, std::string::npos) << name << " after " << at << " in " << xml;
        at = next;
    }
    // Two curves, even equal ones: triples of 12 bytes per point of curve 1.
    const QEDOM_HANDLE zwei = QEDOM_FindFirstChild(QEDOM_GetRootElement(doc), "zwei");
    for (int c = 1; c <= 2; ++c) {
        for (int i = 0; i <= 4; ++i) {
            PlotT_SetZ(c, 1.0f * i, 1.0f + i);
        }
    }
    PlotT_DeleteEmf(
        PlotT_ZLinie(1, 1, 1, 1, 0, 3, 0, 1, "", 40, 100, 0, "k2.emf", nullptr, zwei, "T", "U", 0));
    EXPECT_EQ(QEDOM_GetInt(zwei, "type"), 2);
    EXPECT_EQ(QEDOM_GetBinDataLength(zwei, "data"), 60);
    EXPECT_EQ(QEDOM_GetString(zwei, "bAbsolut"), nullptr);
    QEDOM_FreeDocument(doc);
}

TEST(PlotTLayer, NoPageOutlivesItsPictureAndErrorsGoToTheTrace) {
    ScratchFolder folder("plott_fehler");
    ASSERT_EQ(PlotT_Init(2, 4.0f, 0.7f, 0), 1);
    PlotT_SetAufl(1, 1, " ", 5.0f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    PlotT_SetZ(1, 0.0f, 1.0f);
    PlotT_SetZ(1, 5.0f, 2.0f);
    PlotT_DeleteEmf(PlotT_ZLinie(1, 1, 0, 1, 0, 3, 0, 1, "", 40, 100, 0, "a.emf", nullptr, 0,
                                 nullptr, nullptr, 0));
    for (int slot = 1; slot <= 3; ++slot) {
        EXPECT_EQ(PlotT_Current()->Member(slot)->GetPlot(), nullptr);
    }
    EXPECT_EQ(PlotT_SetFuellfarbe1(0x123456), 1); // no engine left to reach
    // After the layer is closed no picture is drawn and no file written.
    ASSERT_EQ(PlotT_Close(), 1);
    EXPECT_EQ(PlotT_Current(), nullptr);
    EXPECT_EQ(PlotT_ZLinie(1, 1, 0, 1, 0, 3, 0, 1, "", 40, 100, 0, "b.emf", nullptr, 0, nullptr,
                           nullptr, 0),
              0u);
    EXPECT_FALSE(std::filesystem::exists("b.emf"));
    EXPECT_EQ(PlotT_SetAufl(1, 1, " ", 5.0f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 0);
    // The error text of a function goes to the trace.
    FILE* trace = std::fopen("trace.txt", "w");
    ASSERT_NE(trace, nullptr);
    FILE* const previous = g_pTrace;
    g_pTrace = trace;
    EXPECT_EQ(PlotT_Error(0, "Fehler in PlotT_ZLinie", 0), 1);
    g_pTrace = previous;
    std::fclose(trace);
    EXPECT_NE(ScratchFolder::Read("trace.txt").find("Fehler in PlotT_ZLinie"), std::string::npos);
}

TEST(PlotTLayer, ACurveThatIsNoNumberGivesNoPictureAndSaysSoOnTheTrace) {
    // The deflection of a wall whose stiffness is next to nothing: a value that is no
    // number or none that a float holds. The picture is refused before anything is
    // drawn (the sanitizers would stop this test at an undefined conversion), no file is
    // left, and the trace says which function failed and why.
    ScratchFolder folder("plott_nan");
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        const char* what;
        float x, z;
    } faelle[] = {
        {"ordinate no number", 3.0f, nan},
        {"ordinate infinite", 3.0f, inf},
        {"ordinate below minus infinity", 3.0f, -inf},
        {"ordinate 1e300, a float's infinity", 3.0f, static_cast<float>(1e300)},
        {"position no number", nan, 1.0f},
        {"position far beyond the member", 3.0e10f, 1.0f},
    };
    for (const auto& f : faelle) {
        ASSERT_EQ(PlotT_Init(2, 4.0f, 0.7f, 0), 1);
        PlotT_SetAufl(1, 1, " ", kT, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        PlotT_SetAufl(1, 2, " ", 0.0f, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        PlotT_SetZ(1, 0.0f, 0.5f);
        PlotT_SetZ(1, f.x, f.z);
        PlotT_SetZ(1, kT, -0.5f);
        const TraceMitschnitt trace("trace.txt");
        const QEL_HENHMETAFILE h =
            PlotT_ZLinie(1, 1, 0, 1, 0, 3, 0, 1, "", 40.0f, 100.0f, 0, "Durchbiegung.emf", nullptr,
                         0, nullptr, nullptr, 0);
        EXPECT_EQ(h, 0u) << f.what;
        EXPECT_FALSE(std::filesystem::exists("Durchbiegung.emf")) << f.what;
        EXPECT_EQ(PlotT_Curve(1)->GetCount(), 0) << f.what; // emptied all the same
        const std::string text = trace.Text();
        EXPECT_NE(text.find("Fehler in PlotT_ZLinie: "), std::string::npos) << f.what << text;
        EXPECT_NE(text.find("Koordinate nicht darstellbar"), std::string::npos) << f.what << text;
    }
    // The layer draws the next picture as before.
    int points = 0;
    DrawWall(false, points);
    ExpectWallPicture(kDiagrams[3], points, 112);
}

TEST(PlotTLayer, AMemberPlotOfTheCallersOwnIsUsedAndNeverReleased) {
    C1PlotT own(1, 4.0, 1.0, 0);
    ZustandsLinie c1;
    ZustandsLinie c2;
    EXPECT_EQ(PlotT_InitExtern(2, 0, 0, nullptr, &c1, &c2), 0);
    ASSERT_EQ(PlotT_InitExtern(2, 0, 0, &own, &c1, &c2), 1);
    EXPECT_EQ(PlotT_Current(), &own);
    EXPECT_EQ(own.Member(3)->GetMode(), 2);
    PlotT_SetZ(2, 1.0f, 3.0f);
    EXPECT_EQ(c2.GetCount(), 1);
    EXPECT_EQ(PlotT_ResetZ(), 1);
    EXPECT_EQ(c2.GetCount(), 0);
    // The output mode keeps its low byte.
    EXPECT_EQ(PlotT_SetOutputMode(0x1FF), 1);
    EXPECT_EQ(own.GetOutputMode(), 0xFF);
    // Clearing takes the loads of every slot and leaves the load-case labels.
    EXPECT_EQ(PlotT_SetLast(2, 1, 1, 0.0f, 2.0f, 5.0f, 5.0f, 0, 1, "G", "g1", 0), 1);
    EXPECT_EQ(PlotT_SetLast(3, 2, 1, 1.0f, 0.0f, 7.0f, 0.0f, 0, 1, "G", "p", 0), 1);
    EXPECT_EQ(own.Member(2)->loads.GetAnzahlTrapezLast(), 1);
    EXPECT_EQ(own.Member(3)->loads.GetAnzahlEinzelLast(), 1);
    EXPECT_EQ(PlotT_ClearDaten(), 1);
    EXPECT_EQ(own.Member(2)->loads.GetAnzahlTrapezLast(), 0);
    EXPECT_EQ(own.Member(3)->loads.GetAnzahlEinzelLast(), 0);
    EXPECT_EQ(own.Member(2)->GetHighestLabel(), 1);
    // Closing forgets the caller's objects without ending them (the sanitizer would
    // report a second release at the end of this test).
    EXPECT_EQ(PlotT_Close(), 1);
    EXPECT_EQ(PlotT_Current(), nullptr);
    EXPECT_EQ(c1.SetPoint(0, 0.0, 1.0), 1);
}

TEST(PlotTLayer, BarDiagramAndMemberPicturesGoIntoTheirFiles) {
    ScratchFolder folder("plott_balken");
    ASSERT_EQ(PlotT_Init(1, 4.0f, 1.0f, 0), 1);
    PlotT_SetAufl(1, 1, " ", 0.0f, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    PlotT_SetAufl(1, 2, " ", 6.0f, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    for (int i = 0; i <= 6; ++i) {
        PlotT_SetZ(1, static_cast<float>(i), static_cast<float>(i * (6 - i)));
    }
    const QEL_HENHMETAFILE bars =
        PlotT_ZHistogramm(1, 0, 0, 1, 0, 1, 0, 1, "", 160.0f, 100.0f, 0, "balken.emf", nullptr);
    ASSERT_NE(bars, 0u);
    EXPECT_EQ(PlotT_DeleteEmf(bars), 1);
    EXPECT_EQ(PlotT_Curve(1)->GetCount(), 0); // emptied after the picture
    const emf::Reader r = emf::Reader::FromFile("balken.emf");
    ASSERT_TRUE(r.Ok()) << r.Faults().front();
    EXPECT_EQ(r.Count(kEmrRectangle), 8u); // seven points, one bar more
    // The member with its supports, and a blank sections page (no section set).
    const QEL_HENHMETAFILE member =
        PlotT_LastFile(1, "", 160.0f, 0.0f, 0, 0, 0, 0, "traeger.emf", nullptr);
    ASSERT_NE(member, 0u);
    PlotT_DeleteEmf(member);
    const emf::Reader m = emf::Reader::FromFile("traeger.emf");
    ASSERT_TRUE(m.Ok()) << m.Faults().front();
    EXPECT_GE(m.Count(kEmrLineTo), 1u);
    const QEL_HENHMETAFILE sections =
        PlotT_QuerFile(1, "", 160.0f, 100.0f, 0, 1, 0, 0, "quer.emf", nullptr);
    ASSERT_NE(sections, 0u);
    PlotT_DeleteEmf(sections);
    EXPECT_TRUE(emf::Reader::FromFile("quer.emf").Ok());
    // Without a file nothing is written and no handle returned.
    EXPECT_EQ(PlotT_LastFile(1, "", 160.0f, 0.0f, 0, 0, 0, 0, "", nullptr), 0u);
}
