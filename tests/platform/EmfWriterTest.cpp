#include "platform/EmfWriter.h"
#include "platform/BitmapRegistry.h"
#include "platform/EmfHandles.h"
#include "platform/Koordinate.h"
#include "platform/QELRTFXReport.h"

#include "../support/EmfReader.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include "platform/C1Exception.h"

#include <functional>
#include <limits>

namespace {

// Every drawing record lies inside the header's bounds.
void ExpectBoundsEncloseEverything(const emf::Reader& r) {
    for (const emf::Rect& e : r.Extents()) {
        EXPECT_TRUE(r.Bounds().Contains(e))
            << "record extent " << e.left << "," << e.top << "," << e.right << "," << e.bottom
            << " outside bounds " << r.Bounds().left << "," << r.Bounds().top << ","
            << r.Bounds().right << "," << r.Bounds().bottom;
    }
}

std::vector<std::uint8_t> SampleDrawing() {
    EmfWriter w;
    w.SetBkMode(kBkTransparent);
    const std::uint32_t pen = w.CreatePen(kPenDash, 0, 0x004080);
    w.SelectObject(pen);
    w.MoveTo(-50, 10);
    w.LineTo(200, 10);
    w.SelectStockObject(kStockGrayBrush);
    w.Polygon({{0, 0}, {100, 0}, {100, 300}, {0, 300}});
    w.Arc({10, 10, 60, 60}, {60, 35}, {60, 35});
    EmfFont font;
    font.height = 20;
    font.escapement = 900;
    w.SelectObject(w.CreateFont(font));
    w.TextOut(300, 400, "OKW = 0.00");
    w.DeleteObject(pen);
    return w.Bytes();
}

} // namespace

TEST(EmfWriter, DrawingParsesWithBoundsAroundEveryRecordAndIsDeterministic) {
    const std::vector<std::uint8_t> bytes = SampleDrawing();
    const emf::Reader r(bytes);
    ASSERT_TRUE(r.Ok()) << r.Faults().front();
    EXPECT_EQ(r.Count(kEmrCreatePen), 1u);
    EXPECT_EQ(r.Count(kEmrPolygon16), 1u);
    EXPECT_EQ(r.Count(kEmrArc), 1u);
    EXPECT_EQ(r.Count(kEmrExtTextOutW), 1u);
    EXPECT_EQ(r.Count(kEmrDeleteObject), 1u);
    ExpectBoundsEncloseEverything(r);
    EXPECT_LT(r.Bounds().left, -50); // negative coordinates are kept
    EXPECT_EQ(r.NHandles(), 3);      // the metafile and two objects
    // The same drawing gives the same bytes.
    EXPECT_EQ(SampleDrawing(), bytes);
    // The stock brush is selected with the high bit; the font by its slot.
    EXPECT_EQ(r.Selections().at(1), kEmfStockBit | kStockGrayBrush);
    ASSERT_EQ(r.Fonts().size(), 1u);
    EXPECT_EQ(r.Fonts()[0].escapement, 900);
    EXPECT_EQ(r.Fonts()[0].face, u"Arial");
}

TEST(EmfWriter, ALineOnTheRightOrBottomEdgeKeepsHalfItsPenInsideTheBounds) {
    EmfWriter w;
    w.SelectObject(w.CreatePen(kPenSolid, 6, 0));
    w.MoveTo(0, 0);
    w.LineTo(100, 0);
    w.LineTo(100, 50);
    const emf::Reader r(w.Bytes());
    ASSERT_TRUE(r.Ok());
    // Half the width (3) and one unit more on every side.
    EXPECT_EQ(r.Bounds().left, -4);
    EXPECT_EQ(r.Bounds().top, -4);
    EXPECT_EQ(r.Bounds().right, 104);
    EXPECT_EQ(r.Bounds().bottom, 54);
    ExpectBoundsEncloseEverything(r);
    // The frame: bounds in 0.01 mm of the 96 dpi reference device.
    EXPECT_EQ(r.Frame().right, 2752); // 104 * 2540 / 96 = 2751.7
}

TEST(EmfWriter, AnEmptyPictureStillHasAFrame) {
    const emf::Reader r(EmfWriter().Bytes());
    ASSERT_TRUE(r.Ok()) << r.Faults().front();
    EXPECT_EQ(r.Records().size(), 2u); // header and end
    EXPECT_GE(r.Bounds().right - r.Bounds().left, 1);
    EXPECT_GE(r.Bounds().bottom - r.Bounds().top, 1);
}

TEST(EmfWriter, PolygonsBeyondSixteenBitsTakeThe32BitRecord) {
    EmfWriter w;
    w.Polygon({{0, 0}, {32767, 0}, {0, -32767}});
    w.Polygon({{0, 0}, {32768, 0}, {0, 10}});
    const emf::Reader r(w.Bytes());
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.Count(kEmrPolygon16), 1u);
    EXPECT_EQ(r.Count(kEmrPolygon), 1u);
    EXPECT_EQ(r.Polygons().at(1).at(1), (emf::Point{32768, 0}));
    ExpectBoundsEncloseEverything(r);
}

TEST(EmfWriter, CoordinatesAndSizesBeyondWhatTheFrameHoldsAreRefusedAndWriteNothing) {
    // The frame in 0.01 mm is 26.46 times the device units: 2^26 units still fit its
    // 32 bits, margins included.
    const int edge = static_cast<int>(kEmfGrenze);
    const int beyond = edge + 1;
    const std::vector<std::pair<const char*, std::function<void(EmfWriter&, int)>>> calls = {
        {"move", [](EmfWriter& w, int v) { w.MoveTo(v, 0); }},
        {"line", [](EmfWriter& w, int v) { w.LineTo(0, -v); }},
        {"arc",
         [](EmfWriter& w, int v) {
             w.Arc({0, 0, 10, 10}, {v, 0}, {0, 0});
         }},
        {"pie",
         [](EmfWriter& w, int v) {
             w.Pie({0, 0, v, 10}, {0, 0}, {0, 0});
         }},
        {"ellipse",
         [](EmfWriter& w, int v) {
             w.Ellipse({-v, 0, 10, 10});
         }},
        {"rectangle",
         [](EmfWriter& w, int v) {
             w.Rectangle({0, 0, 10, v});
         }},
        {"polygon",
         [](EmfWriter& w, int v) {
             w.Polygon({{0, 0}, {10, 0}, {10, v}});
         }},
        {"text", [](EmfWriter& w, int v) { w.TextOut(-v, 0, "A"); }},
        {"bitmap",
         [](EmfWriter& w, int v) {
             w.StretchDib({0, 0, v, 10}, EmfDib{1, 1, {0, 0, 0}});
         }},
        {"pen", [](EmfWriter& w, int v) { w.CreatePen(kPenSolid, v, 0); }},
        {"font",
         [](EmfWriter& w, int v) {
             EmfFont f;
             f.height = v;
             w.CreateFont(f);
         }},
    };
    for (const auto& [what, call] : calls) {
        EmfWriter w;
        w.LineTo(5, 5);
        const std::vector<std::uint8_t> before = w.Bytes();
        for (const int v : {beyond, std::numeric_limits<int>::max()}) {
            try {
                call(w, v);
                ADD_FAILURE() << what << " " << v << " was written";
            } catch (const C1Exception& e) {
                EXPECT_TRUE(IsKoordinatenFehler(e)) << what << ": " << e.text;
                EXPECT_EQ(e.module, "EmfWriter") << what;
            }
            EXPECT_EQ(w.Bytes(), before) << what << " " << v;
        }
        EXPECT_NO_THROW(call(w, edge)) << what;
        EXPECT_TRUE(emf::Reader(w.Bytes()).Ok()) << what;
    }
    // A text whose glyphs run beyond the edge is refused as a whole.
    EmfWriter w;
    EmfFont big;
    big.height = edge / 2;
    w.SelectObject(w.CreateFont(big));
    const std::vector<std::uint8_t> before = w.Bytes();
    EXPECT_THROW(w.TextOut(0, 0, "WWWWWWWW"), C1Exception);
    EXPECT_EQ(w.Bytes(), before);
}

TEST(EmfWriter, TextCarriesTheMeasuredAdvancesAndItsRotatedBox) {
    EmfWriter w;
    EmfFont font;
    font.height = 2288; // advances in font units
    w.SelectObject(w.CreateFont(font));
    w.TextOut(10, 20, "GW");
    font.escapement = 900;
    w.SelectObject(w.CreateFont(font));
    w.TextOut(0, 0, "A");
    const emf::Reader r(w.Bytes());
    ASSERT_TRUE(r.Ok());
    ASSERT_EQ(r.Texts().size(), 2u);
    EXPECT_EQ(r.Texts()[0].Utf8(), "GW");
    EXPECT_EQ(r.Texts()[0].dx, (std::vector<int>{1593, 1933}));
    EXPECT_EQ(r.Texts()[0].reference, (emf::Point{10, 20}));
    // Turned by 90 degrees the text runs up the page from its reference point.
    EXPECT_LE(r.Bounds().top, -1366);
    ExpectBoundsEncloseEverything(r);
}

TEST(EmfWriter, StockObjectsAreSelectedByTheirOwnKind) {
    struct Case {
        int index;
        EmfObjectKind kind;
    };
    const Case cases[] = {{kStockWhiteBrush, EmfObjectKind::Brush},
                          {kStockNullBrush, EmfObjectKind::Brush},
                          {kStockWhitePen, EmfObjectKind::Pen},
                          {kStockNullPen, EmfObjectKind::Pen},
                          {kStockSystemFont, EmfObjectKind::Font},
                          {kStockDefaultGuiFont, EmfObjectKind::Font},
                          {kStockDefaultPalette, EmfObjectKind::Palette},
                          {kStockDcPen, EmfObjectKind::Pen},
                          {9, EmfObjectKind::None},
                          {20, EmfObjectKind::None}};
    for (const Case& c : cases) {
        EXPECT_EQ(EmfStockKind(c.index), c.kind) << c.index;
    }
    // Selecting the white brush does not change the pen the bounds reckon with.
    EmfWriter w;
    w.SelectObject(w.CreatePen(kPenSolid, 10, 0));
    w.SelectStockObject(kStockWhiteBrush);
    w.SelectStockObject(9); // names nothing: no record
    w.MoveTo(0, 0);
    w.LineTo(10, 0);
    const emf::Reader r(w.Bytes());
    EXPECT_EQ(r.Count(kEmrSelectObject), 2u);
    EXPECT_EQ(r.Bounds().right, 10 + 6);
}

TEST(EmfWriter, FreedSlotsAreTakenAgain) {
    EmfWriter w;
    const std::uint32_t a = w.CreateBrush(0x00FF00);
    const std::uint32_t b = w.CreateBrush(0x0000FF);
    w.DeleteObject(a);
    w.DeleteObject(a); // already free: no record
    EXPECT_EQ(w.CreateBrush(0xFF0000), a);
    EXPECT_EQ(b, 2u);
    const emf::Reader r(w.Bytes());
    ASSERT_TRUE(r.Ok()) << r.Faults().front();
    EXPECT_EQ(r.Count(kEmrDeleteObject), 1u);
    EXPECT_EQ(r.LiveObjects(), 2u);
}

TEST(EmfWriter, BitmapsAreStretchedIntoTheirBoxAndCountInTheBounds) {
    const EmfDib* dib = QEL_PlotLibBitmap(QEL_LoadPlotLib(), "BITMAP_AUFL112");
    ASSERT_NE(dib, nullptr);
    EmfWriter w;
    w.StretchDib({-20, 5, 40, 65}, *dib);
    const emf::Reader r(w.Bytes());
    ASSERT_TRUE(r.Ok());
    ASSERT_EQ(r.Bitmaps().size(), 1u);
    EXPECT_EQ(r.Bitmaps()[0].left, -20);
    EXPECT_EQ(r.Bitmaps()[0].bottom, 65);
    ExpectBoundsEncloseEverything(r);
}

TEST(EmfWriter, BitmapsOfTooFewOrTooManyBitsAreWrittenWhole) {
    // A bitmap whose bits do not fill its rows is completed with white, one with more
    // bits than its rows is cut: the header states the size of the bits written.
    for (const std::size_t bytes : {std::size_t{0}, std::size_t{5}, std::size_t{64}}) {
        const EmfDib dib{3, 2, std::vector<std::uint8_t>(bytes, 0)};
        EmfWriter w;
        w.StretchDib({0, 0, 30, 20}, dib);
        w.SelectObject(w.CreatePatternBrush(dib));
        const emf::Reader r(w.Bytes());
        EXPECT_TRUE(r.Ok()) << bytes << ": " << r.Faults().front();
    }
}

TEST(EmfHandles, AClosedMetafileIsWrittenAndKeptUntilReleased) {
    TempDir dir;
    EmfWriter w;
    w.MoveTo(0, 0);
    w.LineTo(10, 10);
    const std::size_t before = QEL_EnhMetaFileCount();
    const QEL_HENHMETAFILE h = QEL_CloseEnhMetaFile(w, dir.File("a.emf"));
    ASSERT_NE(h, 0u);
    ASSERT_NE(QEL_GetEnhMetaFileBits(h), nullptr);
    EXPECT_EQ(*QEL_GetEnhMetaFileBits(h), w.Bytes());
    const emf::Reader fromFile = emf::Reader::FromFile(dir.File("a.emf"));
    EXPECT_TRUE(fromFile.Ok());
    EXPECT_EQ(QEL_DeleteEnhMetaFile(h), 1);
    EXPECT_EQ(QEL_DeleteEnhMetaFile(h), 0);
    EXPECT_EQ(QEL_GetEnhMetaFileBits(h), nullptr);
    EXPECT_EQ(QEL_EnhMetaFileCount(), before);
    // A file that cannot be written keeps nothing.
    EXPECT_EQ(QEL_CloseEnhMetaFile(w, dir.File("no/such/folder/a.emf")), 0u);
    EXPECT_EQ(QEL_EnhMetaFileCount(), before);
}

TEST(BitmapRegistry, SupportSymbolsAndAMissingLibrary) {
    const QEL_PlotLib* lib = QEL_LoadPlotLib();
    ASSERT_NE(lib, nullptr);
    for (const char* name : {"BITMAP_AUFL102", "BITMAP_AUFL112"}) {
        const EmfDib* dib = QEL_PlotLibBitmap(lib, name);
        ASSERT_NE(dib, nullptr) << name;
        EXPECT_EQ(dib->bits.size(),
                  EmfDib::RowBytes(dib->width) * static_cast<std::size_t>(dib->height));
        // Some ink and some paper.
        EXPECT_NE(std::count(dib->bits.begin(), dib->bits.end(), 0), 0) << name;
        EXPECT_NE(std::count(dib->bits.begin(), dib->bits.end(), 0xFF), 0) << name;
        EXPECT_EQ(QEL_PlotLibBitmap(lib, name), dib); // one bitmap per name
    }
    EXPECT_EQ(QEL_PlotLibBitmap(lib, "BITMAP_AUFL200"), nullptr); // a free end has no symbol
    EXPECT_EQ(QEL_PlotLibBitmap(nullptr, "BITMAP_AUFL102"), nullptr);
    QEL_SetPlotLibAvailable(false);
    EXPECT_EQ(QEL_LoadPlotLib(), nullptr);
    QEL_SetPlotLibAvailable(true);
}

TEST(EmfHandles, TheReportTakesAKeptMetafileByItsHandle) {
    TempDir dir;
    EmfWriter w;
    w.MoveTo(0, 0);
    w.LineTo(100, 50);
    const QEL_HENHMETAFILE h = QEL_CloseEnhMetaFile(w, "");
    ASSERT_NE(h, 0u);
    EXPECT_EQ(QELRTFX_InsertMetafile(h, 4.0, 2.0), 0); // no report open
    ASSERT_EQ(QELRTFX_Open(dir.File("bild.rtf").c_str(), 0, 1, 1, "\0\0"), 1);
    EXPECT_EQ(QELRTFX_InsertMetafile(h, 4.0, 2.0), 1);
    EXPECT_EQ(QEL_DeleteEnhMetaFile(h), 1);
    EXPECT_EQ(QELRTFX_InsertMetafile(h, 4.0, 2.0), 0); // released: nothing to insert
    const std::string rtf = QELRTFX_OpenDocument()->Rtf();
    EXPECT_EQ(QELRTFX_Close(0), 1);
    // One picture, its bytes embedded.
    const std::size_t at = rtf.find("\\emfblip");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(rtf.find("\\emfblip", at + 1), std::string::npos);
    EXPECT_NE(rtf.find("\n01000000"), std::string::npos);
}

TEST(EmfWriter, PatternBrushCarriesItsBitmap) {
    const EmfDib* dib = QEL_PlotLibBitmap(QEL_LoadPlotLib(), "BITMAP_AUFL102");
    ASSERT_NE(dib, nullptr);
    EmfWriter w;
    const std::uint32_t slot = w.CreatePatternBrush(*dib);
    w.SelectObject(slot);
    w.Rectangle({0, 0, 50, 50});
    const std::vector<std::uint8_t> bytes = w.Bytes();
    const emf::Reader r(bytes);
    ASSERT_TRUE(r.Ok()) << r.Faults().front();
    ASSERT_EQ(r.Count(kEmrCreateDibPatternBrushPt), 1u);
    const emf::Record& rec = r.Records()[1];
    // Bitmap header at offBmi, bits at offBits, inside the record and of the stated size.
    const std::uint32_t offBmi = r.U32(rec.offset + 16);
    const std::uint32_t offBits = r.U32(rec.offset + 24);
    const std::uint32_t cbBits = r.U32(rec.offset + 28);
    EXPECT_EQ(r.I32(rec.offset + offBmi + 4), dib->width);
    EXPECT_EQ(r.I32(rec.offset + offBmi + 8), dib->height);
    EXPECT_EQ(cbBits, dib->bits.size());
    EXPECT_EQ(offBits + cbBits, rec.size);
}
