// The examples' reports open in LibreOffice with every picture where the run puts it:
// the texts drawn inside each picture stand between the report's texts around it.

#include "../report/LibreOfficeCheck.h"
#include "../support/Examples.h"
#include "../support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Beispiel {
    const char* datei;
    bool gleitfuge; // the deep-slip-line picture
    bool wasser;    // groundwater above the foot
};

// A text between two others, each looked for after the one before.
void ErwarteZwischen(const std::string& text, const std::string& vor, const std::string& bild,
                     const std::string& nach) {
    const std::size_t a = text.find(vor);
    ASSERT_NE(a, std::string::npos) << vor;
    const std::size_t b = text.find(bild, a + vor.size());
    ASSERT_NE(b, std::string::npos) << bild << " after " << vor;
    EXPECT_NE(text.find(nach, b + bild.size()), std::string::npos) << nach << " after " << bild;
}

// Dark pixels of the rendered report below each of the four diagram captions, in the
// picture that stands under it (4 cm wide, 10 cm high); -1 when a caption is missing.
std::vector<int> TinteUnterTiteln(const std::filesystem::path& pdf) {
    const std::string bbox = (pdf.parent_path() / "bbox.html").string();
    if (std::system(("pdftotext -bbox '" + pdf.string() + "' '" + bbox + "'").c_str()) != 0) {
        return {};
    }
    std::ifstream in(bbox);
    std::stringstream html;
    html << in.rdbuf();
    const std::string text = html.str();
    // Page number and box of each caption's first word.
    const std::regex wort("<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"[0-9.]+\" "
                          "yMax=\"([0-9.]+)\">([^<]*)</word>");
    std::vector<int> out;
    for (const std::string titel : {"Momente", "Querkräfte", "Normalkräfte", "Verformungen"}) {
        int seite = 0;
        double x = -1.0;
        double y = -1.0;
        std::size_t at = 0;
        for (std::size_t p = text.find("<page"); p != std::string::npos;
             p = text.find("<page", p + 1)) {
            ++seite;
            const std::size_t ende = text.find("</page>", p);
            const std::string blatt = text.substr(p, ende - p);
            for (std::sregex_iterator w(blatt.begin(), blatt.end(), wort), e; w != e; ++w) {
                if ((*w)[3] == titel &&
                    blatt.find("[", w->position() + w->length()) != std::string::npos) {
                    x = std::stod((*w)[1]);
                    y = std::stod((*w)[2]);
                    at = static_cast<std::size_t>(seite);
                }
            }
            if (at != 0) {
                break;
            }
        }
        if (at == 0) {
            out.push_back(-1);
            continue;
        }
        // 72 dpi: one pixel per point.
        const std::string pgm = (pdf.parent_path() / "seite").string();
        const std::string befehl = "pdftoppm -gray -r 72 -singlefile -f " + std::to_string(at) +
                                   " -l " + std::to_string(at) + " '" + pdf.string() + "' '" + pgm +
                                   "'";
        if (std::system(befehl.c_str()) != 0) {
            out.push_back(-1);
            continue;
        }
        std::ifstream bild(pgm + ".pgm", std::ios::binary);
        std::string magic;
        int breite = 0;
        int hoehe = 0;
        int max = 0;
        bild >> magic >> breite >> hoehe >> max;
        bild.get();
        std::vector<unsigned char> pixel(static_cast<std::size_t>(breite * hoehe));
        bild.read(reinterpret_cast<char*>(pixel.data()),
                  static_cast<std::streamsize>(pixel.size()));
        int dunkel = 0;
        for (int py = int(y) + 5; py < std::min(hoehe, int(y) + 280); ++py) {
            for (int px = std::max(0, int(x) - 20); px < std::min(breite, int(x) + 90); ++px) {
                dunkel += pixel[static_cast<std::size_t>(py * breite + px)] < 128 ? 1 : 0;
            }
        }
        out.push_back(dunkel);
    }
    return out;
}

class BerichtBilder : public testing::TestWithParam<Beispiel> {};

TEST_P(BerichtBilder, EveryPictureWhereTheRunPutsIt) {
    const std::string why = libreoffice::Unavailable();
    if (!why.empty()) {
        GTEST_SKIP() << "LibreOffice check skipped: " << why;
    }
    const Beispiel b = GetParam();
    ScratchFolder folder(std::string("bilder_") + b.datei);
    std::string log;
    const auto text =
        libreoffice::BeispielPdfText(b.datei, log, libreoffice::Anordnung::Seitenbild);
    ASSERT_TRUE(text) << log;

    // System sketch after the input heading: levels, wall top, water.
    ErwarteZwischen(*text, "System und Belastung", "OKW =", "Gelände, Berme, Grundwasser");
    ErwarteZwischen(*text, "System und Belastung", "+ 0.00", "Gelände, Berme, Grundwasser");
    if (b.wasser) {
        ErwarteZwischen(*text, "System und Belastung", "GW", "Gelände, Berme, Grundwasser");
    }
    // Loading diagram under its heading.
    ErwarteZwischen(*text, "char. Beanspruchungen auf die Zirfwand", "aus Erde/10",
                    "System der Zirfwand");
    ErwarteZwischen(*text, "char. Beanspruchungen auf die Zirfwand", "aus Erde",
                    "System der Zirfwand");
    // Deep slip line picture in its chapter, before the equivalent wall.
    const std::string gleitfuge = "Nachweis der Standsicherheit in der tiefen Gleitfuge";
    if (b.gleitfuge) {
        ErwarteZwischen(*text, gleitfuge, "aus Erde", "Einwirkungen auf die Ersatzwand");
    } else {
        EXPECT_EQ(text->find(gleitfuge), std::string::npos);
    }
    // The four diagrams in the chapter of internal forces, before its table of values
    // ("Stelle"). The labels turned upright at the wall's head stand level with the
    // captions, so the reading order puts a caption on either side of the heading.
    const std::string kapitel = "Schnittgrößen (design) und Durchbiegung (char.)";
    ErwarteZwischen(*text, "Bemessung und Profilwahl", kapitel, "Stelle");
    for (const char* titel :
         {"Momente [kNm/m]", "Querkräfte [kN/m]", "Normalkräfte [kN/m]", "Verformungen [cm]"}) {
        ErwarteZwischen(*text, "Bemessung und Profilwahl", titel, "Stelle");
    }
    // Each of the four pictures under its caption carries ink: the member and its line.
    const std::vector<int> tinte = TinteUnterTiteln(folder.path() / "wand.pdf");
    ASSERT_EQ(tinte.size(), 4u);
    for (const int dunkel : tinte) {
        EXPECT_GT(dunkel, 100);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Beispiele, BerichtBilder,
    testing::Values(Beispiel{"kragwand", false, true}, Beispiel{"kragwand_sand", false, false},
                    Beispiel{"kragwand_sand_lasten", false, false},
                    Beispiel{"anker_frei", true, true}, Beispiel{"anker_eingespannt", true, true},
                    Beispiel{"anker_sand", false, false}),
    [](const testing::TestParamInfo<Beispiel>& info) { return std::string(info.param.datei); });

} // namespace
