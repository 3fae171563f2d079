// The examples' reports open in LibreOffice with every picture where the run puts it:
// the texts drawn inside each picture stand between the report's texts around it.

#include "../report/LibreOfficeCheck.h"
#include "../support/Examples.h"
#include "../support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

class BerichtBilder : public testing::TestWithParam<Beispiel> {};

TEST_P(BerichtBilder, EveryPictureWhereTheRunPutsIt) {
    const std::string why = libreoffice::Unavailable();
    if (!why.empty()) {
        GTEST_SKIP() << "LibreOffice check skipped: " << why;
    }
    const Beispiel b = GetParam();
    ScratchFolder folder(std::string("bilder_") + b.datei);
    ScratchFolder::Write("wand.xml", ExampleText(std::string(b.datei) + ".xml"));
    const std::string command = "env QELUSER= TMPDIR='" + folder.path().string() + "' " +
                                std::string(ZIRF_BINARY_DIR) + "/zirf -q wand.xml >zirf.out 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << ScratchFolder::Read("zirf.out");
    std::string log;
    const auto text = libreoffice::PdfText(folder.path() / "wand.rtf", log);
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
    // The four diagrams in the chapter of internal forces.
    const std::string kapitel = "Schnittgrößen (design) und Durchbiegung (char.)";
    for (const char* titel :
         {"Momente [kNm/m]", "Querkräfte [kN/m]", "Normalkräfte [kN/m]", "Verformungen [cm]"}) {
        ErwarteZwischen(*text, "Bemessung und Profilwahl", kapitel, titel);
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
