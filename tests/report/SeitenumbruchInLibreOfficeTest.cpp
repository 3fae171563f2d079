// The examples' reports as LibreOffice lays out their pages: no page ends with a
// heading or a table head row, and the chapter of the internal-force diagrams has its
// heading, its row of captions and its pictures on one page.

#include "../platform/RtfStructureCheck.h"
#include "../support/GrauBild.h"
#include "../support/ScratchFolder.h"
#include "LibreOfficeCheck.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Worte = std::vector<std::string>;

const std::string kDiagrammKapitel = "Schnittgrößen (design) und Durchbiegung (char.)";
const char* const kBeschriftungen[] = {"Momente [kNm/m]", "Querkräfte [kN/m]",
                                       "Normalkräfte [kN/m]", "Verformungen [cm]"};
// The page head: the program line and the title line with its rule.
constexpr std::size_t kKopfzeilen = 2;
// A diagram is 10 cm high: 283 pt. Its ink is looked for in a band below its caption.
constexpr int kBildBandPt = 270;
constexpr int kBildBreitePt = 100;
constexpr long kMindestTinte = 100;

Worte WorteVon(const std::string& text) {
    Worte w;
    std::istringstream in(text);
    for (std::string wort; in >> wort;) {
        if (wort != "|") {
            w.push_back(wort);
        }
    }
    return w;
}

// Whether every word of `teil` stands in `ganz`, in the same order.
bool Teilfolge(const Worte& teil, const Worte& ganz) {
    std::size_t j = 0;
    for (const std::string& w : teil) {
        while (j < ganz.size() && ganz[j] != w) {
            ++j;
        }
        if (j == ganz.size()) {
            return false;
        }
        ++j;
    }
    return true;
}

// The headings and the table head rows of the report, each as the words it shows, read
// from the report's RTF: a paragraph of a heading style (1 to 4) or a row whose cells are
// in the table head style.
struct Koepfe {
    std::vector<Worte> ueberschriften;
    std::vector<Worte> kopfzeilen;
};

Koepfe KoepfeVon(const std::string& rtf) {
    Koepfe k;
    const std::regex ueberschrift(R"(^\\pard\\plain\\s[1-4][^ ]* )");
    const std::regex kopfzelle(R"(^\\pard\\plain\\intbl\\s1\\)");
    std::istringstream zeilen(rtf);
    std::string zeile;
    while (std::getline(zeilen, zeile)) {
        if (std::regex_search(zeile, ueberschrift)) {
            k.ueberschriften.push_back(WorteVon(rtfcheck::BodyText(zeile)));
        } else if (zeile.rfind("\\trowd", 0) == 0) {
            std::string zellen;
            bool kopf = false;
            while (std::getline(zeilen, zeile) && zeile != "\\row") {
                kopf = kopf || std::regex_search(zeile, kopfzelle);
                zellen += zeile + "\n";
            }
            if (kopf) {
                k.kopfzeilen.push_back(WorteVon(rtfcheck::BodyText(zellen)));
            }
        }
    }
    return k;
}

// The pages of the PDF text (layout order, pages ended by a form feed), each as its lines
// with words, without blank lines and without the page head.
std::vector<std::vector<std::string>> SeitenVon(const std::string& text) {
    std::vector<std::vector<std::string>> seiten;
    std::istringstream in(text);
    for (std::string seite; std::getline(in, seite, '\f');) {
        std::vector<std::string> zeilen;
        std::istringstream s(seite);
        for (std::string zeile; std::getline(s, zeile);) {
            if (!WorteVon(zeile).empty()) {
                zeilen.push_back(zeile);
            }
        }
        if (zeilen.size() > kKopfzeilen) {
            seiten.emplace_back(zeilen.begin() + kKopfzeilen, zeilen.end());
        }
    }
    return seiten;
}

// The page (counted from 1) whose lines hold the text; 0 when none does.
std::size_t SeiteMit(const std::vector<std::vector<std::string>>& seiten, const std::string& text) {
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        for (const std::string& zeile : seiten[i]) {
            if (zeile.find(text) != std::string::npos) {
                return i + 1;
            }
        }
    }
    return 0;
}

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
    const std::vector<std::vector<std::string>> seiten = SeitenVon(*text);
    ASSERT_GE(seiten.size(), 2u) << *text;

    const Koepfe koepfe = KoepfeVon(ScratchFolder::Read("wand.rtf"));
    ASSERT_FALSE(koepfe.ueberschriften.empty());
    ASSERT_FALSE(koepfe.kopfzeilen.empty());
    for (std::size_t i = 0; i + 1 < seiten.size(); ++i) {
        const std::string& letzte = seiten[i].back();
        const Worte worte = WorteVon(letzte);
        for (const Worte& u : koepfe.ueberschriften) {
            EXPECT_NE(worte, u) << "page " << i + 1 << " ends with a heading: " << letzte;
        }
        for (const Worte& k : koepfe.kopfzeilen) {
            EXPECT_FALSE(Teilfolge(worte, k))
                << "page " << i + 1 << " ends with a table head: " << letzte;
        }
    }

    const std::size_t kapitel = SeiteMit(seiten, kDiagrammKapitel);
    ASSERT_NE(kapitel, 0u) << *text;
    for (const char* beschriftung : kBeschriftungen) {
        EXPECT_EQ(SeiteMit(seiten, beschriftung), kapitel) << beschriftung;
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
