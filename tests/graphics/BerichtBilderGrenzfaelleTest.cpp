// Inputs at the edge of what a wall calculation means, through the host program as a
// user runs it: each is either refused with a message that names the element and the
// attribute, or completes with every picture of its report readable (well formed, all
// coordinates near the picture, shown at least 2 cm on each side and at most 20:1).

#include "../e2e/Dokument.h"
#include "../e2e/ZirfLauf.h"
#include "../support/BildPruefung.h"
#include "../support/Examples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The example with one more load group in its <last>.
std::string MitLast(const std::string& beispiel, const std::string& gruppe) {
    std::string text = ExampleText(beispiel);
    const std::size_t ende = text.find("</last>");
    if (ende == std::string::npos) {
        throw std::invalid_argument("no <last> in " + beispiel);
    }
    return text.insert(ende, gruppe + "\n    ");
}

std::string Linienlast(const std::string& x, const std::string& y) {
    return MitLast("kragwand_sand_lasten.xml",
                   "<gruppe art=\"3\" lf=\"2\" m=\"0\" v=\"50\" h=\"10\" "
                   "bez=\"Linie\" x=\"" +
                       x + "\" y=\"" + y + "\"/>");
}

std::string Blocklast(const std::string& x, const std::string& y) {
    return MitLast("kragwand_sand_lasten.xml", "<gruppe art=\"2\" lf=\"2\" bez=\"Block\" v=\"50\" "
                                               "h=\"10\" x=\"" +
                                                   x + "\" b=\"2.0\" y=\"" + y + "\"/>");
}

std::string Geom(const std::string& beispiel,
                 const std::vector<std::pair<std::string, std::string>>& werte) {
    std::string text = ExampleText(beispiel);
    for (const auto& [name, wert] : werte) {
        text = MitAttribut(text, "geom", name, wert);
        if (name == "tgh" || name == "tgv") {
            text = MitAttribut(text, "bome", name, wert);
        }
    }
    return text;
}

struct Fall {
    const char* name;
    std::string dokument;
    std::vector<std::string> benannt; // what a refusal names: the attribute, then elements
};

TEST(BerichtBilder, EdgeInputsAreRefusedOrDrawnReadably) {
    const std::vector<Fall> faelle = {
        {"line load 100 m from the wall", Linienlast("100", "0"), {"'x'", "last", "gruppe"}},
        {"line load 100 m deep", Linienlast("2", "100"), {"'y'", "last", "gruppe"}},
        {"line load 100 m above the head", Linienlast("2", "-100"), {"'y'", "last", "gruppe"}},
        {"line load 1000 m from the wall", Linienlast("1000", "0"), {"'x'", "last", "gruppe"}},
        {"line load 2000 km in front", Linienlast("-2000000", "0"), {"'x'", "last", "gruppe"}},
        {"line load 200 m deep", Linienlast("2", "200"), {"'y'", "last", "gruppe"}},
        {"line load 2^31 m deep", Linienlast("2", "2147483648"), {"'y'", "last", "gruppe"}},
        {"block load 1000 m from the wall", Blocklast("1000", "0"), {"'x'", "last", "gruppe"}},
        {"block load 200 m deep", Blocklast("2", "200"), {"'y'", "last", "gruppe"}},
        {"line load 1 mm from the wall", Linienlast("0.001", "0"), {"'x'", "last", "gruppe"}},
        {"line load 1 cm from the wall", Linienlast("0.01", "0"), {"'x'", "last", "gruppe"}},
        {"water levels 4 cm apart",
         Geom("kragwand_sand.xml", {{"wand_hw", "11.68"}, {"tgh", "7.326"}, {"tgv", "7.362"}}),
         {"'tg", "geom", "bome"}},
        {"excavation 60 m in sand: the iteration diverges",
         Geom("kragwand_sand.xml", {{"wand_hw", "60"}}),
         {"'wand_hw'", "geom"}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const ZirfLauf lauf = RunZirf(fall.dokument);
        if (lauf.status == 0 || lauf.status == 3) {
            std::vector<std::string> fehler;
            const std::vector<bildpruefung::Bild> bilder =
                bildpruefung::Bilder(lauf.bericht, &fehler);
            // The sketch and the loading diagram at least.
            EXPECT_GE(bilder.size(), 2u);
            for (const bildpruefung::Bild& b : bilder) {
                const std::vector<std::string> f = bildpruefung::Fehler(b);
                fehler.insert(fehler.end(), f.begin(), f.end());
            }
            for (const std::string& f : fehler) {
                ADD_FAILURE() << f;
            }
            continue;
        }
        // Refused: the message says where.
        ASSERT_FALSE(fall.benannt.empty());
        EXPECT_NE(lauf.meldungen.find(fall.benannt.front()), std::string::npos) << lauf.meldungen;
        bool element = false;
        for (std::size_t k = 1; k < fall.benannt.size(); ++k) {
            element = element || lauf.meldungen.find(fall.benannt[k]) != std::string::npos;
        }
        EXPECT_TRUE(element) << lauf.meldungen;
    }
}

} // namespace
