// The member pictures put into an RTF, one per page, and opened in LibreOffice
// Writer: a member with every kind of load and its dimension chains, the axial
// forces of the third member, sections as bands and pictures with a transition and
// a hole, a bar diagram, and every concrete, timber and steel section shape. Their
// words read back and their ink stays inside each picture's box.

#include "platform/QELRTFXPicture.h"
#include "plot/curve/ZustandsLinie.h"
#include "plot/engine/C1Plot.h"
#include "plot/member/C1PlotT.h"
#include "plot/section/C1Quer.h"

#include "../../report/LibreOfficeCheck.h"
#include "../../support/EmfReader.h"
#include "../../support/GrauBild.h"
#include "../../support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

constexpr int kDpi = 72;
constexpr int kMarginTwips = 1134;
constexpr double kWidthCm = 16.0;
constexpr double kHeightCm = 10.0;

using graubild::FindInk;
using graubild::Grey;
using graubild::InkBox;
using graubild::ReadPgm;

void Supports(C1PlotTraeger& m, std::initializer_list<double> xs) {
    int n = 0;
    for (double x : xs) {
        ++n;
        m.SetAufl(n, n == 1 ? "A" : n == 2 ? "B" : "C", x, 1, 0, 1, 24.0, 0, 0, 0, 0, 0, 0, 0, 0);
        m.SetLength(std::max(m.GetLength(), x));
    }
    m.SetHighestSupport(n);
}

std::vector<std::uint8_t> LastenBild() {
    C1PlotT plot(1, 3.0, 0.5, 0);
    C1PlotTraeger& m = *plot.Member(1);
    Supports(m, {0.0, 4.0, 10.0});
    m.SetLastText(1, 1, 1, 'g', "Eigengewicht");
    m.SetLastText(2, 1, 1, 'q', "Verkehr");
    m.loads.AddStsLast(1, 2, 1.5, "", 0);
    m.loads.AddTempLast(2, 1, 0.5, 3.0, 20.0, "", 0);
    m.loads.AddTrapezLast(1, 0, 0.0, 10.0, 5.0, 5.0, "", 1, 0);
    m.loads.AddTrapezLast(2, 2, 1.0, 4.0, 10.0, 20.0, "", 1, 0);
    m.loads.AddTrapezLast(2, 0, 6.5, 2.0, 8.0, 12.0, "", -9, 0);
    m.loads.AddEinzelLast(2, 0, 2.0, 50.0, "", 1, 0);
    m.loads.AddEinzelLast(1, 0, 8.0, 35.0, "", -2, 0);
    m.loads.AddMomentLast(2, 0, 7.0, 30.0, "", 0);
    EmfWriter emf;
    EXPECT_EQ(plot.PlotLast(1, "Durchlauftraeger", 160, 100, 0, 3, 1, 1, &emf, 0, nullptr), 1);
    return emf.Bytes();
}

std::vector<std::uint8_t> NormalkraftBild() {
    C1PlotT plot(1, 3.0, 0.5, 0);
    C1PlotTraeger& m = *plot.Member(3);
    Supports(m, {0.0, 10.0});
    m.SetLastText(1, 1, 1, 'g', "G");
    m.loads.AddNormalKraft(1, 0, 3.0, 1.0, -1234.5, 0.0, "", 0);
    m.loads.AddNormalKraft(1, 0, 7.0, 1.0, 85.0, 0.0, "", 0);
    EmfWriter emf;
    EXPECT_EQ(plot.PlotLast(3, "Normalkraefte", 160, 100, 0, 3, 1, 0, &emf, 0, nullptr), 1);
    return emf.Bytes();
}

C1Quer Rechteck(double b, double h, double xa, double xe, const std::string& name) {
    C1Quer q;
    q.Bemetyp = 1;
    q.iQuer = 1;
    q.d.at(1) = b;
    q.d.at(2) = h;
    q.xa = xa;
    q.xe = xe;
    q.Name = name;
    q.d1y = 4.0;
    q.d2y = 4.0;
    return q;
}

std::vector<std::uint8_t> QuerschnittBild() {
    C1PlotT plot(1, 3.0, 0.5, 0);
    C1PlotTraeger& m = *plot.Member(1);
    Supports(m, {0.0, 10.0});
    m.SetQuer(1, Rechteck(40.0, 60.0, 0.0, 4.0, "Platte"));
    m.SetQuer(2, Rechteck(30.0, 40.0, 5.0, 10.0, ""));
    plot.SetLoch(1, 2, 7.5, 30.0, 20.0, 10.0);
    EmfWriter emf;
    EXPECT_EQ(plot.PlotQuer(1, "Querschnitte", 160, 100, 0, 3, 0, 1, &emf, 0, nullptr), 1);
    return emf.Bytes();
}

std::vector<std::uint8_t> BalkenBild() {
    C1PlotT plot(1, 3.0, 0.5, 0);
    C1PlotTraeger& m = *plot.Member(1);
    Supports(m, {0.0, 8.0});
    ZustandsLinie c;
    for (int i = 0; i <= 8; ++i) {
        c.SetPoint(i, i, 4.0 * i * (8 - i));
    }
    EmfWriter emf;
    EXPECT_EQ(plot.PlotZHistogramm(1, &c, nullptr, 1, 0, 1, 0, 1, "Balken", 160, 100, 0, &emf, 0),
              1);
    return emf.Bytes();
}

C1Quer Shape(int designType, int shape, std::initializer_list<double> dims, const char* name) {
    C1Quer q;
    q.Bemetyp = designType;
    q.iQuer = shape;
    q.Name = name;
    int i = 1;
    for (double d : dims) {
        q.d.at(static_cast<std::size_t>(i++)) = d;
    }
    q.d1y = 4.0;
    q.d2y = 4.0;
    return q;
}

C1Quer Stahl(int family, int axis, double d10, double d11, double d12, double d13, double d14,
             double d15, const char* name) {
    C1Quer q;
    q.Bemetyp = 2;
    q.iProf = family;
    q.ProfAchse = axis;
    q.Name = name;
    q.d.at(10) = d10;
    q.d.at(11) = d11;
    q.d.at(12) = d12;
    q.d.at(13) = d13;
    q.d.at(14) = d14;
    q.d.at(15) = d15;
    q.d.at(27) = 1.5;
    return q;
}

void Formen(EmfWriter& emf) {
    // The engine ends before the metafile is read: its objects are deleted then.
    C1Plot page(&emf, 10.0, 6.25, 160, 100, 1.0, 1.5, 0.3, 1, 0, 0, -1);
    const C1Quer shapes[] = {
        Shape(1, 1, {30.0, 50.0}, "Rechteck"),
        Shape(1, 2, {60.0, 15.0, 25.0, 30.0, 8.0, 0.0, 0.0}, "Plattenbalken"),
        Shape(1, 3, {20.0, 50.0, 0.0, 20.0, 15.0, 20.0, 15.0}, "Rippe"),
        Shape(1, 4, {50.0, 10.0, 5.0, 15.0, 25.0, 35.0, 10.0, 5.0}, "Doppel-T"),
        Shape(1, 5, {15.0, 20.0, 25.0, 10.0, 40.0}, "Trapez"),
        Shape(1, 7, {40.0}, "Kreis"),
        Shape(1, 11, {30.0, 50.0}, "Buegel"),
        Shape(3, 1, {20.0, 40.0}, "Kantholz"),
        Shape(3, 2, {30.0}, "Rundholz"),
        Stahl(1, 1, 30.0, 30.0, 30.0, 1.9, 1.9, 1.1, "HEB 300"),
        Stahl(1, 2, 15.0, 15.0, 30.0, 1.07, 1.07, 0.71, "IPE gedreht"),
        Stahl(11, 1, 10.0, 10.0, 26.0, 1.4, 1.4, 1.0, "U 260"),
        Stahl(21, 1, 15.0, 15.0, 15.0, 1.4, 1.4, 1.4, "L 150"),
        Stahl(31, 1, 10.0, 10.0, 25.0, 1.2, 1.2, 1.0, "Z"),
        Stahl(41, 1, 25.0, 25.0, 30.0, 1.2, 1.2, 1.2, "Kasten"),
        Stahl(51, 1, 0.0, 0.0, 30.0, 0.0, 0.0, 1.2, "Rohr"),
    };
    const int columns = 4;
    const int cellW = page.GetWorldW() / columns;
    const int cellH = 15000;
    int k = 0;
    for (const C1Quer& q : shapes) {
        const int x = (k % columns) * cellW + 4000;
        const int y = (k / columns) * cellH + 11000;
        q.PlotQuerschnitt(page, page.GetCharH(), 150.0, x, y, x + 10000, y, 0.0, 1.0, 1, 0,
                          page.GetCharW(), ++k);
    }
    page.PlotFrameMargins(1.02, 1.02, 1.02, 1.02);
}

std::vector<std::uint8_t> FormenBild() {
    EmfWriter emf;
    Formen(emf);
    return emf.Bytes();
}

} // namespace

TEST(TraegerBilderInLibreOffice, EachPageReadsAndStaysInItsBox) {
    const std::string why = libreoffice::Unavailable();
    if (!why.empty()) {
        GTEST_SKIP() << "LibreOffice check skipped: " << why;
    }
    ScratchFolder folder("traeger_bilder");
    const std::vector<std::vector<std::uint8_t>> pictures = {
        LastenBild(), NormalkraftBild(), QuerschnittBild(), BalkenBild(), FormenBild()};
    std::ostringstream rtf;
    const std::string m = std::to_string(kMarginTwips);
    rtf << "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\paperw11906\\paperh16838\\margl" << m
        << "\\margr" << m << "\\margt" << m << "\\margb" << m;
    std::vector<std::string> groups;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const emf::Reader r(pictures[i]);
        ASSERT_TRUE(r.Ok()) << i << ": " << r.Faults().front();
        EXPECT_EQ(r.LiveObjects(), 0u) << i;
        const auto pict = QELRTFXPicture::FromBytes(pictures[i].data(), pictures[i].size());
        ASSERT_TRUE(pict) << i;
        groups.push_back(pict->RtfGroup(kWidthCm, kHeightCm));
        rtf << (i == 0 ? "" : "\\page") << "\\pard\\plain\\sl0 " << groups.back() << "\\par";
    }
    rtf << "}";
    std::ofstream(folder.path() / "traeger.rtf") << rtf.str();
    std::string log;
    const auto text = libreoffice::PdfText(folder.path() / "traeger.rtf", log);
    ASSERT_TRUE(text) << log;
    for (const char* word :
         {"Durchlauftraeger", "deltaT=20 Grad", "ds=1.50cm", "50.0", "30.0", "Eigengewicht",
          "Verkehr", "1234.5", "85.0", "Platte", "Balken", "64.00", "Plattenbalken", "Rundholz",
          "HEB 300", "s=11", "U 260", "Rohr"}) {
        EXPECT_NE(text->find(word), std::string::npos) << word << "\n" << *text;
    }
    // The blank of an unnamed section's name is narrow: pdftotext may join it.
    EXPECT_TRUE(text->find("Q 2") != std::string::npos || text->find("Q2") != std::string::npos);
    const std::string command = "pdftoppm -gray -r " + std::to_string(kDpi) + " '" +
                                (folder.path() / "traeger.pdf").string() + "' '" +
                                (folder.path() / "seite").string() + "' >>'" +
                                (folder.path() / "soffice.log").string() + "' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    // ZIRF_BILD_AUSGABE names a folder that keeps the PDF for a look at the pages.
    if (const char* keep = std::getenv("ZIRF_BILD_AUSGABE"); keep != nullptr && *keep != '\0') {
        std::filesystem::copy_file(folder.path() / "traeger.pdf",
                                   std::filesystem::path(keep) / "traeger.pdf",
                                   std::filesystem::copy_options::overwrite_existing);
    }
    const double pxPerTwip = kDpi / 1440.0;
    const int left = static_cast<int>(kMarginTwips * pxPerTwip);
    const int top = static_cast<int>(kMarginTwips * pxPerTwip);
    const int right = left + static_cast<int>(kWidthCm / 2.54 * kDpi);
    const int bottom = top + static_cast<int>(kHeightCm / 2.54 * kDpi);
    constexpr int kTolerance = 4;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const Grey page = ReadPgm(folder.path() / ("seite-" + std::to_string(i + 1) + ".pgm"));
        ASSERT_GT(page.width, 0) << i;
        const InkBox ink = FindInk(page);
        EXPECT_GT(ink.count, 300) << i;
        EXPECT_GE(ink.left, left - kTolerance) << i;
        EXPECT_GE(ink.top, top - kTolerance) << i;
        EXPECT_LE(ink.right, right + kTolerance) << i;
        EXPECT_LE(ink.bottom, bottom + kTolerance) << i;
    }
}
