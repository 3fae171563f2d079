// A picture drawn through the engine, put into an RTF and opened in LibreOffice
// Writer: its captions read as words, its ink stays inside the box the picture has
// on the page, and a circle stays round.

#include "platform/EmfHandles.h"
#include "platform/QELRTFXPicture.h"

#include "../../report/LibreOfficeCheck.h"
#include "../../support/GrauBild.h"
#include "../../support/ScratchFolder.h"
#include "../PlotFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>

namespace {

constexpr int kDpi = 72;
constexpr int kMarginTwips = 1134;

using graubild::FindInk;
using graubild::Grey;
using graubild::InkBox;
using graubild::ReadPgm;

std::vector<std::uint8_t> TestPicture() {
    Page page;
    C1Plot& p = page.plot;
    // The wall, filled grey with a black outline.
    p.SelectPenStd(1, 0, 1);
    p.SelectFillBrush(1);
    const C1DPoint wall[4] = {{3.0, 1.0}, {3.3, 1.0}, {3.3, 9.0}, {3.0, 9.0}};
    p.PlotPolygonD(wall, 4);
    p.PopBrush();
    p.PopPen();
    // A band without outline: the null pen.
    p.SelectStockPen2(kStockNullPen);
    p.SelectStockBrush(kStockGrayBrush);
    const C1DPoint band[4] = {{3.3, 5.0}, {7.0, 5.0}, {7.0, 5.4}, {3.3, 5.4}};
    p.PlotPolygonD(band, 4);
    p.PopBrush();
    p.PopPen();
    // A dashed water line.
    p.SelectPenStd(0, 4, 0);
    p.MoveToD(0.5, 3.0);
    p.LineToD(9.5, 3.0);
    p.PopPen();
    // A full circle.
    p.SelectPenStd(1, 2, 1);
    p.ArcD(11.0, 6.0, 13.0, 8.0, 13.0, 7.0, 13.0, 7.0);
    p.PopPen();
    // Captions: placed anyway, and left out where they would overlap.
    const int h = p.GetCharH();
    EXPECT_TRUE(p.PlotTextLine(p.ToWorld(4.0, 2.5).x, p.ToWorld(4.0, 2.5).y, p.ToWorld(9.0, 2.5).x,
                               p.ToWorld(9.0, 2.5).y, "aus Erde", h, 0, 1, 0, 0, 0));
    EXPECT_TRUE(p.PlotTextLine(p.ToWorld(0.5, 3.0).x, p.ToWorld(0.5, 3.0).y, p.ToWorld(3.0, 3.0).x,
                               p.ToWorld(3.0, 3.0).y, "Wasser", h, 2, 1, 0, 0, 0));
    EXPECT_FALSE(p.PlotTextLine(p.ToWorld(0.6, 3.1).x, p.ToWorld(0.6, 3.1).y, p.ToWorld(3.0, 3.1).x,
                                p.ToWorld(3.0, 3.1).y, "Doppelt", h, 2, 1, 0, 0, 0));
    // The support symbols at the foot of the wall and beside it.
    p.PlotAuflager(102, p.ToWorld(2.7, 9.0).x, p.ToWorld(2.7, 9.0).y, p.ToWorld(3.6, 9.9).x,
                   p.ToWorld(3.6, 9.9).y);
    p.PlotAuflager(112, p.ToWorld(5.0, 9.0).x, p.ToWorld(5.0, 9.0).y, p.ToWorld(5.9, 9.9).x,
                   p.ToWorld(5.9, 9.9).y);
    p.PlotFrameMargins(1.02, 1.02, 1.02, 1.05);
    return page.emf.Bytes();
}

std::vector<std::uint8_t> CirclePicture() {
    Page page;
    page.plot.SelectPenStd(1, 0, 1);
    page.plot.ArcD(0.0, 0.0, 4.0, 4.0, 4.0, 2.0, 4.0, 2.0);
    page.plot.PopPen();
    page.plot.PlotFrameMargins(1.02, 1.02, 1.02, 1.02);
    return page.emf.Bytes();
}

int GoalTwips(const std::string& group, const char* word) {
    std::smatch m;
    const std::regex re(std::string("\\\\") + word + "(\\d+)");
    return std::regex_search(group, m, re) ? std::stoi(m[1]) : 0;
}

} // namespace

TEST(BildInLibreOffice, CaptionsReadAndInkStaysInsideThePicture) {
    const std::string why = libreoffice::Unavailable();
    if (!why.empty()) {
        GTEST_SKIP() << "LibreOffice check skipped: " << why;
    }
    ScratchFolder folder("bild");
    const auto picture = TestPicture();
    const auto circle = CirclePicture();
    const emf::Reader r(picture);
    ASSERT_TRUE(r.Ok()) << r.Faults().front();
    EXPECT_EQ(r.Bitmaps().size(), 2u);
    const auto pict = QELRTFXPicture::FromBytes(picture.data(), picture.size());
    const auto round = QELRTFXPicture::FromBytes(circle.data(), circle.size());
    ASSERT_TRUE(pict && round);
    const std::string group = pict->RtfGroup(16.0, 10.0);
    const std::string m = std::to_string(kMarginTwips);
    std::ofstream(folder.path() / "bild.rtf")
        << "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\paperw11906\\paperh16838\\margl" << m
        << "\\margr" << m << "\\margt" << m << "\\margb" << m << "\\pard\\plain\\sl0 " << group
        << "\\par\\page\\pard\\plain " << round->RtfGroup(8.0, 8.0) << "\\par}";
    std::string log;
    const auto text = libreoffice::PdfText(folder.path() / "bild.rtf", log);
    ASSERT_TRUE(text) << log;
    EXPECT_NE(text->find("aus Erde"), std::string::npos) << *text;
    EXPECT_NE(text->find("Wasser"), std::string::npos) << *text;
    EXPECT_EQ(text->find("Doppelt"), std::string::npos) << *text;

    const std::string command = "pdftoppm -gray -r " + std::to_string(kDpi) + " '" +
                                (folder.path() / "bild.pdf").string() + "' '" +
                                (folder.path() / "seite").string() + "' >>'" +
                                (folder.path() / "soffice.log").string() + "' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    // ZIRF_BILD_AUSGABE names a folder that keeps the PDF for a look at the pages.
    if (const char* keep = std::getenv("ZIRF_BILD_AUSGABE"); keep != nullptr && *keep != '\0') {
        std::filesystem::copy_file(folder.path() / "bild.pdf",
                                   std::filesystem::path(keep) / "bild.pdf",
                                   std::filesystem::copy_options::overwrite_existing);
    }
    const Grey first = ReadPgm(folder.path() / "seite-1.pgm");
    const Grey second = ReadPgm(folder.path() / "seite-2.pgm");
    ASSERT_GT(first.width, 0);
    ASSERT_GT(second.width, 0);

    // The picture's box on the page: at the margins, its goal size.
    const double pxPerTwip = kDpi / 1440.0;
    const int left = static_cast<int>(kMarginTwips * pxPerTwip);
    const int top = static_cast<int>(kMarginTwips * pxPerTwip);
    const int right = left + static_cast<int>(GoalTwips(group, "picwgoal") * pxPerTwip);
    const int bottom = top + static_cast<int>(GoalTwips(group, "pichgoal") * pxPerTwip);
    constexpr int kTolerance = 4;
    const InkBox ink = FindInk(first);
    ASSERT_GT(ink.count, 100);
    EXPECT_GE(ink.left, left - kTolerance);
    EXPECT_GE(ink.top, top - kTolerance);
    EXPECT_LE(ink.right, right + kTolerance);
    EXPECT_LE(ink.bottom, bottom + kTolerance);
    // The drawing fills its box but for the margins.
    EXPECT_GT(ink.right - ink.left, (right - left) * 8 / 10);
    EXPECT_GT(ink.bottom - ink.top, (bottom - top) * 7 / 10);

    const InkBox c = FindInk(second);
    ASSERT_GT(c.count, 50);
    const double w = c.right - c.left;
    const double hgt = c.bottom - c.top;
    EXPECT_NEAR(w / hgt, 1.0, 0.03) << w << " x " << hgt;
}
