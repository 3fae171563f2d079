// The load states as a checking engineer reads them: every state a report or its result
// names is listed once with its load cases and factors, a state has one name whatever the
// report (that of the first combination that gives it whole), the other names of the same
// state are said, and every design value of the result names the state the report gives
// it.
#include "../support/Examples.h"
#include "Bericht.h"
#include "Berichtsarten.h"
#include "ErgebnisXml.h"
#include "ZirfLauf.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Load case number to factor.
using Faktoren = std::map<int, double>;

struct Kombination {
    std::string art;
    Faktoren faktoren;
};

// The combinations of a document with their rules read by hand: "1.35*(1)+1.5*(2+3)".
std::vector<Kombination> Kombinationen(const std::string& dokument) {
    std::vector<Kombination> k;
    const std::regex result("<result art=\"([^\"]*)\" regel=\"([^\"]*)\"");
    const std::regex term("([0-9.]+)\\*\\(([0-9+]+)\\)");
    for (std::sregex_iterator r(dokument.begin(), dokument.end(), result), e; r != e; ++r) {
        Kombination kombi{(*r)[1], {}};
        const std::string regel = (*r)[2];
        for (std::sregex_iterator t(regel.begin(), regel.end(), term); t != e; ++t) {
            std::istringstream faelle((*t)[2].str());
            for (std::string lf; std::getline(faelle, lf, '+');) {
                kombi.faktoren[std::stoi(lf)] = std::stod((*t)[1]);
            }
        }
        k.push_back(kombi);
    }
    return k;
}

// What the list prints for a state's factors.
std::string Text(const Faktoren& f) {
    std::string text;
    for (const auto& [lf, faktor] : f) {
        char teil[48];
        std::snprintf(teil, sizeof teil, "%s%.2f · Lf %d", text.empty() ? "" : " + ", faktor, lf);
        text += teil;
    }
    return text;
}

// The states a name stands for by its definition: "LK k" all the combination's load
// cases, "LK k ohne Lf a, b" without those, "LK k ständig" load case 1 alone (the permanent
// one of every input here).
Faktoren NachName(const std::string& name, const std::vector<Kombination>& kombis) {
    std::smatch m;
    const std::regex form("LK (\\d+)( ständig| ohne Lf ([0-9, ]+))?");
    if (!std::regex_match(name, m, form)) {
        ADD_FAILURE() << "no state name: " << name;
        return {};
    }
    Faktoren f = kombis.at(std::stoul(m[1]) - 1).faktoren;
    if (m[2] == " ständig") {
        return {{1, f.at(1)}};
    }
    std::istringstream ohne(m[3].str());
    for (std::string lf; std::getline(ohne, lf, ',');) {
        f.erase(std::stoi(lf));
    }
    return f;
}

struct Listenzeile {
    std::string name;
    std::string faktoren;
    std::string gleich;
};

// The rows of the report's list of load states.
std::vector<Listenzeile> Liste(const std::string& text) {
    std::vector<Listenzeile> liste;
    std::istringstream zeilen(text);
    bool drin = false;
    for (std::string zeile; std::getline(zeilen, zeile);) {
        const std::vector<std::string> z = Zellen(zeile);
        if (z.size() >= 2 && z[0] == "Lastzustand" && z[1] == "Lastfälle mit Faktoren") {
            drin = true;
            continue;
        }
        if (drin && z.size() == 3) {
            liste.push_back({z[0], z[1], z[2]});
        } else if (drin) {
            break;
        }
    }
    return liste;
}

// Every state name the report uses outside its list.
std::set<std::string> GenannteNamen(const std::string& text) {
    const std::size_t listeAnfang = text.find("Lastzustand | Lastfälle mit Faktoren");
    const std::size_t listeEnde = text.find("\n", text.find("System der Zirfwand"));
    std::string ohneListe = text;
    if (listeAnfang != std::string::npos && listeEnde != std::string::npos) {
        ohneListe.erase(listeAnfang, listeEnde - listeAnfang);
    }
    std::set<std::string> namen;
    const std::regex name("LK \\d+( ständig| ohne Lf \\d+(, \\d+)*)?");
    for (std::sregex_iterator n(ohneListe.begin(), ohneListe.end(), name), e; n != e; ++n) {
        namen.insert(n->str());
    }
    return namen;
}

// The state names of a "M: a; N: b = c" cell or of a plain one.
std::vector<std::string> NamenInZelle(const std::string& zelle) {
    std::vector<std::string> namen;
    const std::regex name("LK \\d+( ständig| ohne Lf \\d+(, \\d+)*)?");
    for (std::sregex_iterator n(zelle.begin(), zelle.end(), name), e; n != e; ++n) {
        namen.push_back(n->str());
    }
    return namen;
}

// The paragraph after the line that starts with `titel`: "maßgebender Lastzustand: X".
std::string ZustandNach(const std::string& text, const std::string& titel) {
    const std::size_t t = text.find("\n" + titel);
    const std::string kennung = "maßgebender Lastzustand: ";
    const std::size_t z = t == std::string::npos ? t : text.find(kennung, t);
    return z == std::string::npos
               ? ""
               : text.substr(z + kennung.size(), text.find('\n', z) - z - kennung.size());
}

std::vector<Berichtsart> FaelleMitLastfaellen() {
    std::string zwei = berichtsarten::MitLasten(
        ExampleText("anker_frei.xml"),
        "      <gruppe art=\"1\" lf=\"1\" bez=\"Baustelleneinrichtung\" v=\"10\"/>\n"
        "      <gruppe art=\"0\" lf=\"2\" stelle=\"0\" bez=\"Trossenzug\" v=\"0\" h=\"-25\" "
        "m=\"0\"/>\n"
        "      <gruppe art=\"2\" lf=\"3\" bez=\"Streifenlast\" v=\"40\" h=\"0\" x=\"1.0\" "
        "b=\"2.0\" y=\"0\"/>");
    const auto ersetze = [&zwei](const std::string& alt, const std::string& neu) {
        zwei.replace(zwei.find(alt), alt.size(), neu);
    };
    ersetze("<lastfall lf=\"2\" einw=\"2\"/>",
            "<lastfall lf=\"2\" einw=\"2\"/>\n        <lastfall lf=\"3\" einw=\"2\"/>");
    ersetze("lastfaelle=\"2\"/>", "lastfaelle=\"2,3\"/>");
    ersetze("regel=\"1.35*(1)+1.5*(2)\"", "regel=\"1.35*(1)+1.5*(2+3)\"");
    // The same state from two combinations: the permanent loads alone come first as LK 1
    // of its own and again as the permanent part of LK 2.
    std::string zuerst = ExampleText("kragwand.xml");
    const std::string alt = "<result art=\"STR,GEO-2 BS-P\" regel=\"1.35*(1)+1.5*(2)\"/>";
    zuerst.replace(zuerst.find(alt), alt.size(),
                   "<result art=\"STR,GEO-2 BS-P\" regel=\"1.35*(1)\"/>\n        " + alt);
    const std::string frei = ExampleText("anker_frei.xml");
    return {
        {"zugkraft_und_streifenlast", zwei},
        {"staendig_zuerst", zuerst},
        {"pruef_15_2",
         berichtsarten::Geaendert(frei, {{"steu.berart", "1"}, {"geom.einbindetiefe", "15.2"}})},
        {"pruef_einspannung_50", berichtsarten::Geaendert(frei, {{"steu.system", "2"},
                                                                 {"geom.einspannung", "50"},
                                                                 {"steu.berart", "1"},
                                                                 {"geom.einbindetiefe", "14.1"}})},
        // The iteration diverges (status 3): the states it names are listed all the same.
        {"divergiert",
         berichtsarten::Geaendert(ExampleText("kragwand.xml"), {{"geom.wand_hw", "500"}})}};
}

// A run that completes, or one whose iteration diverged (status 3, its case says so).
void LaeuftDurch(const Berichtsart& art, const ZirfLauf& lauf) {
    ASSERT_EQ(lauf.status, art.name == "divergiert" ? 3 : 0) << lauf.meldungen;
}

std::vector<Berichtsart> AlleFaelle() {
    std::vector<Berichtsart> arten = Berichtsarten();
    for (Berichtsart& a : FaelleMitLastfaellen()) {
        arten.push_back(std::move(a));
    }
    return arten;
}

// Every state named is listed once, with the load cases and factors its name stands for;
// no two rows are one state; a state given whole by a combination bears that one's name
// (the first of them), and the list says the other names it has.
TEST(Lastzustandsnamen, EveryStateNamedIsListedOnceUnderItsOneName) {
    for (const Berichtsart& art : AlleFaelle()) {
        SCOPED_TRACE(art.name);
        const ZirfLauf lauf = RunZirf(art.dokument);
        ASSERT_NO_FATAL_FAILURE(LaeuftDurch(art, lauf));
        const std::string text = rtfcheck::BodyText(lauf.bericht);
        std::vector<Kombination> kombis = Kombinationen(art.dokument);
        const std::vector<Listenzeile> liste = Liste(text);
        ASSERT_FALSE(liste.empty()) << text;
        std::set<std::string> namen;
        std::set<std::string> faktoren;
        for (const Listenzeile& z : liste) {
            SCOPED_TRACE(z.name);
            EXPECT_TRUE(namen.insert(z.name).second);
            EXPECT_TRUE(faktoren.insert(z.faktoren).second);
            const Faktoren f = NachName(z.name, kombis);
            EXPECT_EQ(z.faktoren, Text(f));
            // The first design combination that gives the state whole names it; every
            // other combination that gives it stands under "gleich".
            std::vector<std::string> ganz;
            for (std::size_t k = 0; k < kombis.size(); ++k) {
                if (kombis[k].art.rfind("STR,GEO", 0) == 0 && kombis[k].faktoren == f) {
                    ganz.push_back("LK " + std::to_string(k + 1));
                }
            }
            if (!ganz.empty()) {
                EXPECT_EQ(z.name, ganz.front());
            }
            for (const std::string& anderer : NamenInZelle(z.gleich)) {
                EXPECT_EQ(Text(NachName(anderer, kombis)), z.faktoren) << anderer;
            }
            for (std::size_t k = 1; k < ganz.size(); ++k) {
                EXPECT_NE(z.gleich.find(ganz[k]), std::string::npos) << z.gleich;
            }
        }
        for (const std::string& name : GenannteNamen(text)) {
            EXPECT_EQ(namen.count(name), 1u) << name << " is named but not listed";
        }
    }
}

// Each design value of the result names its state, the one the report gives it: the depth
// and its checks, the earth support, the vertical forces, the anchor checks and the
// profile.
TEST(Lastzustandsnamen, EveryDesignValueOfTheResultNamesTheReportsState) {
    for (const Berichtsart& art : AlleFaelle()) {
        SCOPED_TRACE(art.name);
        const ZirfLauf lauf = RunZirf(art.dokument);
        ASSERT_NO_FATAL_FAILURE(LaeuftDurch(art, lauf));
        const std::string text = rtfcheck::BodyText(lauf.bericht);
        const ErgebnisXml xml(lauf.ergebnis);
        std::set<std::string> gelistet;
        for (const Listenzeile& z : Liste(text)) {
            gelistet.insert(z.name);
        }
        const auto zeile = [&lauf](const char* titel) {
            const std::vector<std::string> z = BerichtsZeile(lauf.bericht, titel);
            return z.size() >= 2 ? z[1] : std::string();
        };
        const std::string tiefe = zeile("maßgebender Lastzustand (Einbindetiefe)");
        // No depth (a diverged run): no row and no attribute.
        EXPECT_EQ(xml.Text({"geometrie"}, "lastzustand").value_or(""), tiefe);
        if (xml.Element({"nachweise"}) != nullptr) {
            EXPECT_EQ(xml.Text({"nachweise"}, "lastzustand").value_or("-"), tiefe);
        }
        if (xml.Element({"trag", "horizontal"}) != nullptr) {
            EXPECT_EQ(xml.Text({"trag", "horizontal"}, "lastzustand").value_or("-"),
                      ZustandNach(text, "Nachweis des Erdwiderlagers"));
            EXPECT_EQ(xml.Text({"trag", "horizontal"}, "lastzustand").value_or("-"), tiefe);
        }
        const std::string vertikal = xml.Element({"trag", "horizontal"}) != nullptr
                                         ? "Vertikalkomponente der Auflagerkraft"
                                         : "Nachweis der Vertikalkräfte";
        if (xml.Element({"trag", "vertikal"}) != nullptr) {
            EXPECT_EQ(xml.Text({"trag", "vertikal"}, "lastzustand").value_or("-"),
                      ZustandNach(text, vertikal));
        }
        for (const char* anker : {"ankerkraft", "materialversagen", "herausziehen"}) {
            if (xml.Element({"tgf", anker}) != nullptr) {
                EXPECT_EQ(xml.Text({"tgf", anker}, "lastzustand").value_or("-"),
                          zeile("maßgebender Lastzustand (Ankerkraft Ad)"))
                    << anker;
            }
        }
        // The profile's stress is of one of its rows: of that row's moment and force.
        std::set<std::string> momente;
        std::set<std::string> kraefte;
        for (const char* stelle : {"Anker", "Fuß", "Sohle", "max"}) {
            const std::vector<std::string> z = BerichtsZeile(lauf.bericht, stelle);
            if (z.size() >= 5) {
                const std::vector<std::string> n = NamenInZelle(z[4]);
                if (!n.empty()) {
                    momente.insert(n.front());
                    kraefte.insert(n.size() > 1 ? n[1] : n.front());
                }
            }
        }
        if (xml.Element({"profil"}) != nullptr) {
            EXPECT_EQ(momente.count(xml.Text({"profil"}, "lastzustand").value_or("-")), 1u);
            EXPECT_EQ(kraefte.count(xml.Text({"profil"}, "lastzustand_nd").value_or("-")), 1u);
        }
        for (const char* pfad : {"geometrie", "nachweise"}) {
            if (const auto z = xml.Text({pfad}, "lastzustand")) {
                EXPECT_EQ(gelistet.count(*z), 1u) << pfad << ": " << *z;
            }
        }
    }
}

// The permanent loads alone (1.35 · Lf 1) are one state with one name in every report of
// the same combinations, whether the wall has an anchor or not: "LK 2", also "LK 1 ständig".
// With a variable pull (Lf 2, no vertical part) and a strip load (Lf 3), the anchor force
// is of the state without the pull, in the report and in the result, and the normal force at
// the anchor, equal with and without the pull, says so.
TEST(Lastzustandsnamen, OneStateOneNameAndTheAnchorForcesState) {
    for (const char* beispiel : {"anker_frei.xml", "kragwand.xml", "anker_eingespannt.xml"}) {
        SCOPED_TRACE(beispiel);
        const ZirfLauf lauf = RunZirf(ExampleText(beispiel));
        ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
        for (const Listenzeile& z : Liste(rtfcheck::BodyText(lauf.bericht))) {
            if (z.faktoren == "1.35 · Lf 1") {
                EXPECT_EQ(z.name, "LK 2");
                EXPECT_EQ(z.gleich, "LK 1 ständig");
            }
        }
        EXPECT_EQ(rtfcheck::BodyText(lauf.bericht).find("LK 1 ständig"),
                  rtfcheck::BodyText(lauf.bericht).rfind("LK 1 ständig"));
    }
    const ZirfLauf frei = RunZirf(ExampleText("anker_frei.xml"));
    EXPECT_EQ(ErgebnisXml(frei.ergebnis).Text({"trag", "vertikal"}, "lastzustand"), "LK 2");

    const ZirfLauf lauf = RunZirf(FaelleMitLastfaellen().front().dokument);
    ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
    const ErgebnisXml xml(lauf.ergebnis);
    const std::vector<std::string> ad =
        BerichtsZeile(lauf.bericht, "maßgebender Lastzustand (Ankerkraft Ad)");
    ASSERT_EQ(ad.size(), 2u);
    EXPECT_EQ(ad[1], "LK 1 ohne Lf 2");
    EXPECT_EQ(xml.Text({"geometrie"}, "lastzustand"), "LK 1");
    EXPECT_EQ(xml.Text({"tgf", "ankerkraft"}, "lastzustand"), "LK 1 ohne Lf 2");
    const std::vector<std::string> anker = BerichtsZeile(lauf.bericht, "Anker");
    ASSERT_GE(anker.size(), 5u);
    EXPECT_EQ(anker[4], "M: LK 1 ohne Lf 3; N: LK 1 = LK 1 ohne Lf 2");

    // A small variable pull at the head lowers the moment at the anchor and adds nothing to
    // its normal force: the row is of one state, the permanent loads alone, not of that
    // state's moment beside another state's equal force.
    const ZirfLauf zug = RunZirf(berichtsarten::MitLasten(
        ExampleText("anker_frei.xml"),
        "      <gruppe art=\"1\" lf=\"1\" bez=\"Auflast\" v=\"10\"/>\n"
        "      <gruppe art=\"0\" lf=\"2\" stelle=\"0\" bez=\"Trossenzug\" v=\"0\" h=\"-2\" "
        "m=\"0\"/>"));
    ASSERT_EQ(zug.status, 0) << zug.meldungen;
    const std::vector<std::string> zeile = BerichtsZeile(zug.bericht, "Anker");
    ASSERT_GE(zeile.size(), 5u);
    EXPECT_EQ(zeile[4], "LK 2");
}

} // namespace
