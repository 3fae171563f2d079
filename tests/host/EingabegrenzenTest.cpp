// Every number the readers take has limits outside which no wall calculation can mean
// it; reading a document ends at the first number outside its limits, naming element,
// attribute, value and limits, while every example stays within them.
#include "../e2e/Dokument.h"
#include "../support/Examples.h"
#include "InputFixture.h"

#include "host/Eingabegrenzen.h"
#include "platform/C1Exception.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const char* const kBeispiele[] = {
    "kragwand.xml",   "kragwand_sand.xml",     "kragwand_sand_lasten.xml",
    "anker_frei.xml", "anker_eingespannt.xml", "anker_sand.xml"};

// The message of the error that reading the whole document raises; "" when it reads.
std::string LeseFehler(const std::string& dokument) {
    InputFixture f(dokument);
    try {
        f.ReadAll();
    } catch (const C1Exception& e) {
        return e.text;
    }
    return std::string();
}

TEST(Eingabegrenzen, EveryNumberOfTheExamplesHasLimitsAndLiesWithinThem) {
    std::set<std::string> gelesen;
    for (const char* beispiel : kBeispiele) {
        SCOPED_TRACE(beispiel);
        InputFixture f = InputFixture::FromFile(std::string("examples/") + beispiel);
        EXPECT_NO_THROW(f.ReadAll());
        for (const C1ZirfInput::SZahl& z : f.in.zahlen) {
            const zirf_input::Grenze* g = zirf_input::FindGrenze(z.element, z.attribut);
            ASSERT_NE(g, nullptr) << z.Wo();
            EXPECT_TRUE(zirf_input::InnerhalbGrenze(*g, z.wert)) << z.Wo() << " = " << z.wert;
            gelesen.insert(z.element + " " + z.attribut);
        }
    }
    // The examples give the numbers of every section, the loads and the anchor included.
    for (const char* zahl : {"geom wand_hw", "mate profil Iy", "mate anker qsk", "bode gruppe phi",
                             "last gruppe x", "last gruppe y", "last gruppe b", "teil gep1",
                             "lastUeberlagerung sicherheitsbeiwerte gamma_g_1",
                             "kombinationsbeiwerte psi0", "steu erhwand", "bome sigma13"}) {
        EXPECT_EQ(gelesen.count(zahl), 1U) << zahl;
    }
}

TEST(Eingabegrenzen, NumbersBeyondTheirLimitsAreRefusedByName) {
    struct Fall {
        const char* element; // the first element of this opening in the example
        const char* attribut;
        const char* wert;
        std::vector<std::string> meldung;
    };
    const std::string iy = "Element 'mate profil objekt Eigenschaft' (Kurzname \"Iy\"): Attribut "
                           "'Wert01' = ";
    const std::string linie = "Element 'last gruppe' art 3 (\"Kranbahn\"): Attribut ";
    const Fall faelle[] = {
        {"Eigenschaft Kurzname=\"Iy\"",
         "Wert01",
         "4.9e-324",
         {iy + "4.94066e-324 liegt nicht zwischen 1e-06 und 100000000 cm⁴/m",
          "0 für nicht angegeben"}},
        {"Eigenschaft Kurzname=\"Iy\"", "Wert01", "1e-20", {iy + "1e-20 liegt nicht"}},
        {"Eigenschaft Kurzname=\"Iy\"", "Wert01", "1e12", {iy + "1e+12 liegt nicht"}},
        {"gruppe art=\"3\"",
         "x",
         "2e6",
         {linie + "'x' = 2e+06 liegt nicht zwischen -1000000 und 1000000 m"}},
        {"gruppe art=\"3\"", "y", "2147483648", {linie + "'y' = 2.14748e+09"}},
        {"gruppe art=\"2\"",
         "x",
         "-2000001",
         {"Element 'last gruppe' art 2 (\"Streifenfundament\"): Attribut 'x' = -2e+06"}},
        {"gruppe art=\"3\"", "v", "1e9", {linie + "'v' = 1e+09"}},
        {"geom", "wand_hw", "5e6", {"Element 'geom': Attribut 'wand_hw' = 5e+06"}},
        {"geom", "rundung", "1e-300", {"'rundung' = 1e-300"}},
        {"geom", "rundung", "5e-5", {"'rundung' = 5e-05 liegt nicht zwischen 0.0001 und"}},
        {"geom", "mitanker", "-1", {"'mitanker' = -1 liegt nicht zwischen 0 und 2147483647"}},
        {"steu", "erhwand", "-2.5", {"Element 'steu': Attribut 'erhwand' = -2.5"}},
        {"steu", "erhwand", "101", {"'erhwand' = 101 liegt nicht zwischen 0 und 100 %"}},
        {"gruppe nr=\"1\"",
         "phi",
         "1e9",
         {"Element 'bode gruppe' nr 1 (\"Sand, mitteldicht\"): Attribut 'phi' = 1e+09 liegt nicht "
          "zwischen 0 und 90°"}},
        {"gruppe nr=\"1\"", "coh", "2e6", {"'coh' = 2e+06"}},
        {"sicherheitsbeiwerte",
         "gamma_g_1",
         "1e9",
         {"Element 'lastUeberlagerung sicherheitsbeiwerte': Attribut 'gamma_g_1' = 1e+09"}},
        {"teil", "gep2", "1e-9", {"Element 'teil': Attribut 'gep2' = 1e-09"}},
        {"anker", "qsk", "1e-300", {"Element 'mate anker': Attribut 'qsk' = 1e-300"}},
    };
    const std::string dokument = ExampleText("anker_eingespannt.xml");
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.element) + " " + f.attribut + "=" + f.wert);
        const std::string text = LeseFehler(MitAttribut(dokument, f.element, f.attribut, f.wert));
        EXPECT_EQ(text.rfind("xml-Eingabedatei, ", 0), 0U) << text;
        for (const std::string& teil : f.meldung) {
            EXPECT_NE(text.find(teil), std::string::npos) << teil << "\n" << text;
        }
    }
}

// The limits themselves belong to the range, 0 stands for a value not given where the
// table says so (the calculation then asks for what it needs), and every value to which
// the calculation gives a meaning is taken: a switch of 2, a load group of another kind,
// a load a kilometre away or below the soil, a rounding step of 0 or less, a combination
// factor that nothing reads.
TEST(Eingabegrenzen, LimitsAndValuesNotGivenAreTaken) {
    struct Fall {
        const char* element;
        const char* attribut;
        const char* wert;
    };
    const Fall faelle[] = {
        {"Eigenschaft Kurzname=\"Iy\"", "Wert01", "100"},
        {"Eigenschaft Kurzname=\"Iy\"", "Wert01", "1e8"},
        {"Eigenschaft Kurzname=\"Iy\"", "Wert01", "0"},
        {"Eigenschaft Kurzname=\"Iy\"", "Wert01", ""},
        {"gruppe art=\"3\"", "x", "100"},
        {"gruppe art=\"3\"", "y", "-100"},
        {"geom", "rundung", "0"},
        {"sicherheitsbeiwerte", "gamma_g_3", "0"},
        {"anker", "qsk", "0"},
        {"gruppe art=\"3\"", "x", "1000"},
        {"gruppe art=\"3\"", "y", "200"},
        {"gruppe art=\"3\"", "art", "4"},
        {"geom", "mitberme", "2"},
        {"geom", "rundung", "-3"},
        {"geom", "rundung", "1e-4"},
        {"kombinationsbeiwerte", "psi0", "2"},
        {"steu", "erhwand", "100.9"},
        {"steu", "erhwand", "-0.5"},
    };
    const std::string dokument = ExampleText("anker_eingespannt.xml");
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.element) + " " + f.attribut + "=" + f.wert);
        EXPECT_EQ(LeseFehler(MitAttribut(dokument, f.element, f.attribut, f.wert)), "");
    }
}

// A value out of range that only one reader takes is judged once every section is read:
// the readers copy what the document says, the check of the whole input refuses it.
TEST(Eingabegrenzen, TheCheckFollowsTheReaders) {
    InputFixture f(InputFixture::Wrap("<steu erhwand='-2.5'/><geom wand_hw='5000'/>"));
    f.in.ReadInfo();
    f.in.ReadSteu();
    f.in.ReadGeom();
    EXPECT_EQ(f.in.erhwand, -2);
    EXPECT_DOUBLE_EQ(f.in.wand_hw, 5000.0);
    try {
        f.in.PruefeGrenzen();
        ADD_FAILURE() << "accepted";
    } catch (const C1Exception& e) {
        EXPECT_EQ(e.code, 1);
        // The first number out of range in the order of reading.
        EXPECT_NE(e.text.find("'erhwand' = -2.5"), std::string::npos) << e.text;
    }
}

} // namespace
