// The examples' reports as LibreOffice lays out their pages: no page ends with a
// heading, a table head row or a line that introduces a table, and the chapter of the
// internal-force diagrams has its heading, its row of captions and its pictures on one
// page.

#include "../support/GrauBild.h"
#include "../support/ScratchFolder.h"
#include "LibreOfficeCheck.h"
#include "Seitenbild.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

using seitenbild::WorteVon;

const std::string kDiagrammKapitel = "Schnittgrößen (design) und Durchbiegung (char.)";
const char* const kBeschriftungen[] = {"Momente [kNm/m]", "Querkräfte [kN/m]",
                                       "Normalkräfte [kN/m]", "Verformungen [cm]"};
// A diagram is 10 cm high: 283 pt. Its ink is looked for in a band below its caption.
constexpr int kBildBandPt = 270;
constexpr int kBildBreitePt = 100;
constexpr long kMindestTinte = 100;

// Ink below each caption of the diagrams on the page, in a band as high as a diagram;
// -1 for a caption missing there or whose band runs off the page.
std::vector<long> TinteUnterBeschriftungen(const std::filesystem::path& pdf, std::size_t seite) {
    const std::string nummer = std::to_string(seite);
    const std::string bbox = (pdf.parent_path() / "seite.html").string();
    const std::string bild = (pdf.parent_path() / "seite").string();
    const std::string bereich = " -f " + nummer + " -l " + nummer + " '" + pdf.string() + "' '";
    std::vector<long> tinte;
    if (std::system(("pdftotext -bbox" + bereich + bbox + "'").c_str()) != 0 ||
        std::system(("pdftoppm -gray -r 72 -singlefile" + bereich + bild + "'").c_str()) != 0) {
        return tinte;
    }
    const std::string html = ScratchFolder::Read(bbox);
    const graubild::Grey seitenbild = graubild::ReadPgm(bild + ".pgm");
    // 72 dpi: one pixel per point. The first word of each caption.
    const std::regex wort("<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"[0-9.]+\" "
                          "yMax=\"([0-9.]+)\">([^<]*)</word>");
    for (const char* beschriftung : kBeschriftungen) {
        const std::string erstes = WorteVon(beschriftung).front();
        long dunkel = -1;
        for (std::sregex_iterator w(html.begin(), html.end(), wort), e; w != e; ++w) {
            if ((*w)[3] != erstes) {
                continue;
            }
            const int x = static_cast<int>(std::stod((*w)[1]));
            const int y = static_cast<int>(std::stod((*w)[2]));
            if (y + kBildBandPt >= seitenbild.height) {
                break;
            }
            dunkel = 0;
            for (int py = y + 5; py < y + kBildBandPt; ++py) {
                for (int px = std::max(0, x - 10);
                     px < std::min(seitenbild.width, x + kBildBreitePt); ++px) {
                    dunkel += seitenbild.Ink(px, py) ? 1 : 0;
                }
            }
            break;
        }
        tinte.push_back(dunkel);
    }
    return tinte;
}

class Seitenumbruch : public testing::TestWithParam<const char*> {};

TEST_P(Seitenumbruch, NoHeadingAloneAndTheDiagramsUnderTheirHeading) {
    const std::string why = libreoffice::Unavailable();
    if (!why.empty()) {
        GTEST_SKIP() << "LibreOffice check skipped: " << why;
    }
    const std::string beispiel = GetParam();
    ScratchFolder folder("seitenumbruch_" + beispiel);
    std::string log;
    const auto text =
        libreoffice::BeispielPdfText(beispiel, log, libreoffice::Anordnung::Seitenbild);
    ASSERT_TRUE(text) << log;
    const std::vector<seitenbild::Seite> seiten = seitenbild::SeitenVon(*text);
    ASSERT_GE(seiten.size(), 2u) << *text;

    const seitenbild::Koepfe koepfe = seitenbild::KoepfeVon(ScratchFolder::Read("wand.rtf"));
    ASSERT_FALSE(koepfe.ueberschriften.empty());
    ASSERT_FALSE(koepfe.kopfzeilen.empty());
    for (const std::string& fehler : seitenbild::SeitenendenOhneTabelle(seiten, koepfe)) {
        ADD_FAILURE() << fehler;
    }

    const std::size_t kapitel = seitenbild::SeiteMit(seiten, kDiagrammKapitel);
    ASSERT_NE(kapitel, 0u) << *text;
    for (const char* beschriftung : kBeschriftungen) {
        EXPECT_EQ(seitenbild::SeiteMit(seiten, beschriftung), kapitel) << beschriftung;
    }
    const std::vector<long> tinte = TinteUnterBeschriftungen(folder.path() / "wand.pdf", kapitel);
    ASSERT_EQ(tinte.size(), std::size(kBeschriftungen));
    for (std::size_t i = 0; i < tinte.size(); ++i) {
        EXPECT_GT(tinte[i], kMindestTinte) << "no diagram under " << kBeschriftungen[i];
    }
}

INSTANTIATE_TEST_SUITE_P(Beispiele, Seitenumbruch,
                         testing::Values("kragwand", "kragwand_sand", "kragwand_sand_lasten",
                                         "anker_frei", "anker_eingespannt", "anker_sand"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

} // namespace
