// Every row of the input's limits, run through zirf as a user runs it. Each value that the
// calculation gives a meaning is taken with that meaning, shown by the run's report and
// result (a switch of 2 acts as its other value, a load a thousand kilometres away acts on
// nothing, a water level far below the soil is no groundwater); a value nothing of a run
// reads changes nothing; what stays refused ends the run with a message that names the
// element, the attribute, the value and the limits (or, for the calculation's own checks,
// what is wrong).
#include "../support/Examples.h"
#include "Bericht.h"
#include "Dokument.h"
#include "ErgebnisXml.h"
#include "ZirfLauf.h"

#include "host/Eingabegrenzen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr const char* E = "anker_eingespannt.xml"; // tie rods on panels, fixed foot, loads
constexpr const char* F = "anker_frei.xml";        // grouted anchor, free foot
constexpr const char* K = "kragwand.xml";          // wall without anchor

using Aenderung = std::function<std::string(const std::string&)>;

// The document with the attribute of the first element `element` (as MitAttribut finds
// it) set to `wert`; added to the element when it has none.
std::string Setze(const std::string& dok, const std::string& element, const std::string& name,
                  const std::string& wert) {
    const std::size_t anfang = dok.find("<" + element + " ");
    const std::size_t ende = dok.find('>', anfang);
    if (anfang == std::string::npos || ende == std::string::npos) {
        throw std::invalid_argument("no element <" + element + ">");
    }
    if (dok.substr(anfang, ende - anfang).find(" " + name + "=\"") != std::string::npos ||
        dok.substr(anfang, ende - anfang).find("\n" + name + "=\"") != std::string::npos) {
        return MitAttribut(dok, element, name, wert);
    }
    const std::size_t pos = anfang + 1 + element.size();
    return dok.substr(0, pos) + " " + name + "=\"" + wert + "\"" + dok.substr(pos);
}

struct Wert3 {
    const char* element;
    const char* name;
    const char* wert;
};

Aenderung Mit(std::vector<Wert3> werte) {
    return [werte](const std::string& dok) {
        std::string d = dok;
        for (const Wert3& w : werte) {
            d = Setze(d, w.element, w.name, w.wert);
        }
        return d;
    };
}

// The document without its first element `element`, which closes itself.
std::string Ohne(const std::string& dok, const std::string& element) {
    const std::size_t anfang = dok.find("<" + element);
    const std::size_t ende = dok.find("/>", anfang);
    if (anfang == std::string::npos || ende == std::string::npos) {
        throw std::invalid_argument("no element <" + element + ">");
    }
    return dok.substr(0, anfang) + dok.substr(ende + 2);
}

Aenderung Weg(const char* element) {
    return [element](const std::string& dok) { return Ohne(dok, element); };
}

// Without bome, whose water levels and compaction values would replace those of geom and
// steu.
const Aenderung kOhneBome = Weg("bome");

Aenderung Und(Aenderung a, Aenderung b) {
    return [a, b](const std::string& dok) { return b(a(dok)); };
}

enum class Art { wie, ergebnisWie, anders, genommen, ausserhalb, abgelehnt };

struct Probe {
    Art art;
    std::string wert;
    std::string bezug;  // wie, ergebnisWie, anders: the same attribute with this value
    Aenderung bezugDok; // or this variant of the row's document
    std::vector<std::string> meldung; // ausserhalb: the limits; abgelehnt: parts of the message
    std::function<void(const ZirfLauf&)> bedeutung; // genommen: what the run shows
};

// The same report and result as with `bezug`.
Probe Wie(std::string wert, std::string bezug) {
    return {Art::wie, std::move(wert), std::move(bezug), nullptr, {}, nullptr};
}
Probe WieDok(std::string wert, Aenderung bezug) {
    return {Art::wie, std::move(wert), "", std::move(bezug), {}, nullptr};
}
// The same result as with `bezug` (the report may print the value itself).
Probe ErgebnisWie(std::string wert, std::string bezug) {
    return {Art::ergebnisWie, std::move(wert), std::move(bezug), nullptr, {}, nullptr};
}
Probe ErgebnisWieDok(std::string wert, Aenderung bezug) {
    return {Art::ergebnisWie, std::move(wert), "", std::move(bezug), {}, nullptr};
}
// Another report or result than with `bezug`.
Probe Anders(std::string wert, std::string bezug) {
    return {Art::anders, std::move(wert), std::move(bezug), nullptr, {}, nullptr};
}
// The run completes (perhaps after the divergence message); `bedeutung` checks what it shows.
Probe Genommen(std::string wert, std::function<void(const ZirfLauf&)> bedeutung = nullptr) {
    return {Art::genommen, std::move(wert), "", nullptr, {}, std::move(bedeutung)};
}
// Refused by the limits: "liegt nicht zwischen `grenzen`". The value is written as the
// message prints it.
Probe Ausserhalb(std::string wert, std::string grenzen) {
    return {Art::ausserhalb, std::move(wert), "", nullptr, {std::move(grenzen)}, nullptr};
}
// Refused by the reader or the calculation's checks, with these parts in the message.
Probe Abgelehnt(std::string wert, std::vector<std::string> meldung) {
    return {Art::abgelehnt, std::move(wert), "", nullptr, std::move(meldung), nullptr};
}

struct Zeile {
    const char* element; // the row of the limits table
    const char* attribut;
    const char* beispiel;
    const char* ziel;         // the element in the document, as MitAttribut finds it
    const char* zielAttribut; // the attribute there
    Aenderung vorher;         // the document made ready first (nullptr: as it is)
    std::vector<Probe> proben;
};

// A switch tested for 1: off for every other value (and on for 1, where the example shows
// what it switches). And one tested for not 0: on.
Zeile Schalter1(const char* element, const char* attribut, const char* beispiel, const char* ziel,
                Aenderung vorher = nullptr, bool zeigt = true) {
    std::vector<Probe> proben = {Wie("2", "0"), Wie("-2147483648", "0")};
    if (zeigt) {
        proben.push_back(Anders("1", "0"));
    }
    return {element, attribut, beispiel, ziel, attribut, std::move(vorher), std::move(proben)};
}
Zeile SchalterNicht0(const char* element, const char* attribut, const char* beispiel,
                     const char* ziel) {
    return {element, attribut, beispiel, ziel, attribut, nullptr, {Wie("2", "1"), Wie("-1", "1")}};
}
// A value that nothing of a run reads: any number gives the example's report and result.
Zeile Unbenutzt(const char* element, const char* attribut, const char* beispiel, const char* ziel,
                const char* zielAttribut, bool ganz) {
    return {element,
            attribut,
            beispiel,
            ziel,
            zielAttribut,
            nullptr,
            {WieDok(ganz ? "-2147483648" : "-1e300", [](const std::string& dok) { return dok; })}};
}
// The whole number of a table of switches or codes that nothing reads.
Zeile UnbenutztGanz(const char* element, const char* attribut, const char* beispiel,
                    const char* ziel) {
    return Unbenutzt(element, attribut, beispiel, ziel, attribut, true);
}

// The result element of a saved document.
std::string ResultElement(const std::string& dokument) {
    const std::size_t anfang = dokument.rfind("<result>");
    const std::size_t ende = dokument.rfind("</result>");
    return anfang == std::string::npos || ende == std::string::npos
               ? std::string()
               : dokument.substr(anfang, ende - anfang);
}

// Whether two result elements say the same: the same elements and texts, and numbers
// that differ at most by the rounding of a sum taken in another order.
bool GleichesErgebnis(const std::string& a, const std::string& b) {
    std::vector<std::string> ta;
    std::vector<std::string> tb;
    for (auto [text, teile] : {std::pair{&a, &ta}, std::pair{&b, &tb}}) {
        std::size_t start = 0;
        for (std::size_t q = text->find('"'); q != std::string::npos; q = text->find('"', start)) {
            teile->push_back(text->substr(start, q - start));
            start = q + 1;
        }
        teile->push_back(text->substr(start));
    }
    if (ta.size() != tb.size()) {
        return false;
    }
    for (std::size_t k = 0; k < ta.size(); ++k) {
        const std::optional<double> x = ZahlAusText(ta[k]);
        const std::optional<double> y = ZahlAusText(tb[k]);
        if (x && y ? std::fabs(*x - *y) > 1e-12 * std::max(std::fabs(*x), std::fabs(*y))
                   : ta[k] != tb[k]) {
            return false;
        }
    }
    return true;
}

bool Fertig(const ZirfLauf& l) {
    return (l.status == 0 || l.status == 3) && l.hatErgebnis;
}

class Laeufe {
public:
    const ZirfLauf& Lauf(const std::string& dok) {
        auto it = m_laeufe.find(dok);
        if (it == m_laeufe.end()) {
            it = m_laeufe.emplace(dok, RunZirf(dok)).first;
        }
        return it->second;
    }

private:
    std::map<std::string, ZirfLauf> m_laeufe;
};

void PruefeZeile(const Zeile& z, Laeufe& laeufe) {
    SCOPED_TRACE(std::string(z.element) + " " + z.attribut);
    std::string basis = ExampleText(z.beispiel);
    if (z.vorher) {
        basis = z.vorher(basis);
    }
    const auto mit = [&](const std::string& wert) {
        return Setze(basis, z.ziel, z.zielAttribut, wert);
    };
    for (const Probe& p : z.proben) {
        SCOPED_TRACE(p.wert);
        const ZirfLauf& lauf = laeufe.Lauf(mit(p.wert));
        switch (p.art) {
        case Art::wie:
        case Art::ergebnisWie:
        case Art::anders: {
            const ZirfLauf& bezug = laeufe.Lauf(p.bezugDok ? p.bezugDok(basis) : mit(p.bezug));
            ASSERT_TRUE(Fertig(lauf)) << lauf.status << " " << lauf.meldungen;
            ASSERT_TRUE(Fertig(bezug)) << bezug.status << " " << bezug.meldungen;
            if (p.art == Art::anders) {
                EXPECT_TRUE(ResultElement(lauf.ergebnis) != ResultElement(bezug.ergebnis) ||
                            lauf.bericht != bezug.bericht);
                break;
            }
            EXPECT_EQ(lauf.status, bezug.status);
            EXPECT_TRUE(
                GleichesErgebnis(ResultElement(lauf.ergebnis), ResultElement(bezug.ergebnis)))
                << ResultElement(lauf.ergebnis) << "\n"
                << ResultElement(bezug.ergebnis);
            if (p.art == Art::wie) {
                EXPECT_TRUE(lauf.bericht == bezug.bericht) << "the reports differ";
            }
            break;
        }
        case Art::genommen:
            ASSERT_TRUE(Fertig(lauf)) << lauf.status << " " << lauf.meldungen;
            if (p.bedeutung) {
                p.bedeutung(lauf);
            }
            break;
        case Art::ausserhalb: {
            EXPECT_EQ(lauf.status, 1) << lauf.meldungen;
            EXPECT_FALSE(lauf.hatErgebnis);
            for (const std::string& teil :
                 {"Element '" + std::string(z.element),
                  "Attribut '" + std::string(z.zielAttribut) + "' = " + p.wert +
                      " liegt nicht zwischen " + p.meldung.at(0)}) {
                EXPECT_NE(lauf.meldungen.find(teil), std::string::npos) << teil << "\n"
                                                                        << lauf.meldungen;
            }
            break;
        }
        case Art::abgelehnt:
            EXPECT_EQ(lauf.status, 1) << lauf.meldungen;
            EXPECT_FALSE(lauf.hatErgebnis);
            for (const std::string& teil : p.meldung) {
                EXPECT_NE(lauf.meldungen.find(teil), std::string::npos) << teil << "\n"
                                                                        << lauf.meldungen;
            }
            break;
        }
    }
}

bool Enthaelt(const std::string& bericht, const std::string& text) {
    return rtfcheck::BodyText(bericht).find(text) != std::string::npos;
}

double Ergebnis(const ZirfLauf& l, ErgebnisXml::Pfad pfad, const char* name) {
    const ErgebnisXml x(l.ergebnis);
    return x.Wert(pfad, name).value_or(NAN);
}

// --- The rows, section by section ---------------------------------------------------

// clang-format off
std::vector<Zeile> ZeilenKopfUndSteuerung() {
    const auto keineNormzeile = [](const ZirfLauf& l) {
        EXPECT_FALSE(Enthaelt(l.bericht, "Berechnung nach"));
    };
    // The wall without anchor checked at a given depth, for the modes of `berart`.
    const Aenderung gegeben = Mit({{"geom", "einbindetiefe", "12"}});
    const auto nachweisIteriert = [](const ZirfLauf& l) {
        // Started as a check, iterated to the balance as a design, and not rounded.
        const ZirfLauf entwurf = RunZirf(ExampleText(K));
        const double t = Ergebnis(l, {"geometrie"}, "t_cal");
        EXPECT_NEAR(t, Ergebnis(entwurf, {"geometrie"}, "t_cal"), 0.005);
        EXPECT_NEAR(Ergebnis(l, {"geometrie"}, "t_ges"), t + Ergebnis(l, {"geometrie"}, "delta_t"), 1e-9);
        EXPECT_EQ(ErgebnisXml(l.ergebnis).Element({"nachweise"}), nullptr);
        EXPECT_TRUE(Enthaelt(l.bericht, "(Nachweis)"));
    };
    const auto teilweise = [](const ZirfLauf& l) {
        EXPECT_TRUE(Enthaelt(l.bericht, " 50 %  eingespannt"));
    };
    const Aenderung halb = Mit({{"geom", "einspannung", "50"}});
    const Aenderung verdichtung = Und(kOhneBome, Mit({{"steu", "bp", "0.5"}}));
    const Aenderung walze = Und(kOhneBome, Mit({{"steu", "mitverd", "1"}, {"steu", "geraet", "2"}, {"steu", "eg", "50"}}));
    return {
        {"info", "norm", E, "info", "norm", nullptr,
         {Genommen("5", keineNormzeile), Wie("5", "99"), Wie("2147483647", "99"), Wie("-2147483648", "99")}},
        {"info", "laendercode", E, "info", "laendercode", nullptr,
         {Genommen("1", keineNormzeile), Wie("1", "5"), Wie("2147483647", "5")}},
        // allg gives the page number of the example.
        {"input", "nPage", E, "input", "nPage", nullptr,
         {Wie("32767", "1"), Ausserhalb("-1", "0 und 32767"), Ausserhalb("32768", "0 und 32767")}},
        {"allg", "nrseite", E, "allg", "nrseite", nullptr,
         {Genommen("32767", [](const ZirfLauf& l) { EXPECT_NE(l.bericht.find("\\pgnstarts32767"), std::string::npos); }),
          Genommen("0"), Ausserhalb("-1", "0 und 32767"), Ausserhalb("40000", "0 und 32767")}},
        Schalter1("steu", "skizze2d", E, "steu", nullptr, false),
        Schalter1("steu", "skizze3d", E, "steu", nullptr, false),
        {"steu", "berart", K, "steu", "berart", gegeben,
         {Genommen("2", nachweisIteriert), Wie("-3", "2"), Anders("2", "1")}},
        // 1 free, 3 fixed, every other value partly fixed with the fixity of geom.
        {"steu", "system", F, "steu", "system", halb,
         {Wie("0", "2"), Wie("-7", "2"), Anders("0", "1"), Anders("0", "3"), Genommen("0", teilweise)}},
        {"steu", "lastfall", E, "steu", "lastfall", nullptr,
         {Genommen("2"), Ausserhalb("3", "0 und 2"), Ausserhalb("-1", "0 und 2")}},
        {"steu", "nwstand", K, "steu", "nwstand", nullptr,
         {Wie("3", "2"), Wie("2147483647", "2"), Ausserhalb("-1", "0 und 2147483647")}},
        {"steu", "nwwand", K, "steu", "nwwand", nullptr,
         {Wie("3", "2"), Ausserhalb("-1", "0 und 2147483647")}},
        {"steu", "erhstand", E, "steu", "erhstand", Mit({{"steu", "nwstand", "1"}}),
         {Wie("100.9", "100"), Wie("-0.5", "0"), Ausserhalb("101", "0 und 100 %"), Ausserhalb("-2.5", "0 und 100 %")}},
        {"steu", "erhwand", E, "steu", "erhwand", Mit({{"steu", "nwwand", "1"}}),
         {Wie("100.9", "100"), Wie("-0.5", "0"), Ausserhalb("101", "0 und 100 %"), Ausserhalb("-2.5", "0 und 100 %")}},
        {"steu", "kumlag", E, "steu", "kumlag", nullptr, {Wie("5", "1"), Wie("-1", "1"), Anders("0", "1")}},
        {"steu", "druck_nach", E, "steu", "druck_nach", nullptr, {Wie("5", "0"), Wie("-1", "0"), Anders("1", "0")}},
        {"steu", "druck_bau", E, "steu", "druck_bau", nullptr, {Wie("5", "1"), Wie("-1", "1"), Anders("0", "1")}},
        // Compaction only for 1, also in the report and the loading diagram.
        Schalter1("steu", "mitverd", E, "steu", verdichtung),
        // 0 plate, 1 roller, every other device a static roller of its weight; the report
        // has a device row for 0 to 2 only.
        {"steu", "geraet", E, "steu", "geraet", walze,
         {ErgebnisWie("5", "2"), ErgebnisWie("-1", "2"), Anders("1", "2")}},
        {"steu", "bp", E, "steu", "bp", Und(verdichtung, Mit({{"steu", "mitverd", "1"}})),
         {Genommen("1e+06"), Ausserhalb("-0.5", "0 und 1000000 m"), Ausserhalb("2e+06", "0 und 1000000 m")}},
        {"steu", "eg", E, "steu", "eg", walze,
         {Genommen("1e+06"), Ausserhalb("-1", "0 und 1000000 kN/m")}},
        // A roller's centrifugal force of 0 or less is none: the roller counts twice its weight.
        {"steu", "zk", E, "steu", "zk", Und(walze, Mit({{"steu", "geraet", "1"}})),
         {ErgebnisWie("-5", "0"), Anders("5", "0"), Genommen("1e+06"), Ausserhalb("-2e+06", "-1000000 und 1000000 kN/m")}},
    };
}

std::vector<Zeile> ZeilenGeometrie() {
    const Aenderung berme = Mit({{"geom", "berme_abstand", "2"}, {"geom", "berme_neigung", "30"},
                                 {"geom", "berme_dicke", "1"}, {"geom", "berme_gamma", "18"}});
    const Aenderung mitBerme = Und(berme, Mit({{"geom", "mitberme", "1"}}));
    const auto grundwasserOhne = [](const ZirfLauf& l) {
        EXPECT_FALSE(BerichtsZeile(l.bericht, "Grundwasser", "ohne").empty());
    };
    const auto ankerZeilen = [](const ZirfLauf& l) {
        // A ground anchor whose deep slip line is not checked.
        EXPECT_FALSE(BerichtsZeile(l.bericht, "Tiefe der Verankerung", "tV").empty());
        EXPECT_EQ(ErgebnisXml(l.ergebnis).Element({"tgf"}), nullptr);
    };
    return {
        {"geom", "wand_hw", K, "geom", "wand_hw", nullptr,
         {Genommen("1e+06"), Ausserhalb("1.5e+06", "0 und 1000000 m"), Ausserhalb("-1", "0 und 1000000 m"),
          Abgelehnt("0", {"wand_hw = 0 m muss größer als 0 sein"})}},
        {"geom", "einbindetiefe", K, "geom", "einbindetiefe", Mit({{"steu", "berart", "1"}}),
         {Genommen("1e+06"), Ausserhalb("2e+06", "0 und 1000000 m")}},
        // 0 or less: 1 cm.
        {"geom", "rundung", K, "geom", "rundung", nullptr,
         {Wie("-3", "1"), Wie("0", "1"), Wie("-1e+300", "1"), Genommen("0.0001"), Genommen("1e+08"),
          Ausserhalb("5e-05", "0.0001 und 100000000 cm"), Ausserhalb("1e-300", "0.0001 und 100000000 cm"),
          Ausserhalb("2e+08", "0.0001 und 100000000 cm")}},
        {"geom", "gela_neigung", K, "geom", "gela_neigung", nullptr,
         {Genommen("10"), Ausserhalb("91", "-90 und 90°"), Abgelehnt("90", {"gela_neigung = 90°"})}},
        {"geom", "wand_neigung", K, "geom", "wand_neigung", nullptr,
         {Genommen("-5"), Ausserhalb("-91", "-90 und 90°"), Abgelehnt("-90", {"wand_neigung = -90° muss zwischen -90° und 90° liegen"})}},
        {"geom", "ersatz_neigung", K, "geom", "ersatz_neigung", nullptr,
         {Genommen("10"), Ausserhalb("90.5", "-90 und 90°"), Abgelehnt("90", {"ersatz_neigung = 90° muss zwischen -90° und 90° liegen"})}},
        // A berm for 1 only.
        Schalter1("geom", "mitberme", K, "geom", berme),
        // A berm that far acts on nothing.
        {"geom", "berme_abstand", K, "geom", "berme_abstand", mitBerme,
         {ErgebnisWie("1e+06", "1000"), ErgebnisWieDok("1e+06", Mit({{"geom", "mitberme", "0"}})),
          Ausserhalb("-1", "0 und 1000000 m"), Ausserhalb("2e+06", "0 und 1000000 m")}},
        {"geom", "berme_neigung", K, "geom", "berme_neigung", mitBerme,
         {Ausserhalb("95", "-90 und 90°"), Abgelehnt("90", {"berme_neigung = 90°) muss steiler als das Gelände"})}},
        {"geom", "berme_dicke", K, "geom", "berme_dicke", mitBerme,
         {Genommen("1e+06"), Ausserhalb("-1", "0 und 1000000 m"), Abgelehnt("0", {"braucht eine Dicke berme_dicke"})}},
        {"geom", "berme_gamma", K, "geom", "berme_gamma", mitBerme,
         {Genommen("1e+06"), Ausserhalb("-1", "0 und 1000000 kN/m³")}},
        {"geom", "einspannung", F, "geom", "einspannung", Mit({{"steu", "system", "2"}}),
         {Anders("100", "0"), Anders("50", "0"), Ausserhalb("101", "0 und 100 %"), Ausserhalb("-1", "0 und 100 %")}},
        {"geom", "hoehenkote", K, "geom", "hoehenkote", nullptr,
         {Genommen("-1e+06"), Ausserhalb("1.5e+06", "-1000000 und 1000000 m")}},
        // 0 without anchor, every positive value with one.
        {"geom", "mitanker", F, "geom", "mitanker", nullptr,
         {Wie("2", "1"), Wie("2147483647", "1"), Ausserhalb("-1", "0 und 2147483647")}},
        {"geom", "tiefe_anker", F, "geom", "tiefe_anker", nullptr,
         {Genommen("0"), Ausserhalb("-1", "0 und 1000000 m"), Abgelehnt("1e+06", {"tiefe_anker = 1e+06 m"})}},
        {"geom", "ankerneigung", F, "geom", "ankerneigung", nullptr,
         {Genommen("10"), Ausserhalb("91", "-90 und 90°"), Abgelehnt("90", {"'ankerneigung' muss zwischen -90 und 90 Grad liegen"})}},
        // Without the check of the deep slip line, which finds no slip line to so long an anchor.
        {"geom", "ankerlaenge", F, "geom", "ankerlaenge", Mit({{"geom", "anker", "0"}}),
         {Genommen("1e+06"), Ausserhalb("-1", "0 und 1000000 m"), Ausserhalb("2e+06", "0 und 1000000 m")}},
        {"geom", "ankerspitze", F, "geom", "ankerspitze", nullptr,
         {Genommen("1"), Ausserhalb("-1", "0 und 1000000 m"), Abgelehnt("1e+06", {"'ankerlaenge' reicht nicht über die Ankerspitze"})}},
        UnbenutztGanz("geom", "ankertyp", E, "geom"),
        {"geom", "ankerabstand", F, "geom", "ankerabstand", nullptr,
         {Genommen("1e+06"), Ausserhalb("-1", "0 und 1000000 m"), Abgelehnt("0", {"'ankerabstand' muss positiv sein"})}},
        // 0 a strut, 1 a ground anchor with the check of its deep slip line, above 1 a ground
        // anchor without it.
        {"geom", "anker", F, "geom", "anker", nullptr,
         {Genommen("2", ankerZeilen), ErgebnisWie("2", "0"), Wie("2147483647", "2"), Anders("1", "2"),
          Ausserhalb("-1", "0 und 2147483647")}},
        {"geom", "eta_p", K, "geom", "eta_p", nullptr,
         {Genommen("1e+06"), Ausserhalb("-1", "0 und 1000000"), Abgelehnt("0", {"'eta_p' muss positiv sein"})}},
        Unbenutzt("geom", "gamma_p", E, "geom", "gamma_p", false),
        // At or below the model's bottom no groundwater on that side.
        {"geom", "tgh", E, "geom", "tgh", Und(kOhneBome, Mit({{"geom", "tgv", "999"}})),
         {Genommen("999", grundwasserOhne), Wie("999", "1e+06"), Anders("999", "4"),
          Ausserhalb("-2e+06", "-1000000 und 1000000 m"), Abgelehnt("-1", {"tgh = -1 m liegt über dem Wandkopf"})}},
        {"geom", "tgv", E, "geom", "tgv", Und(kOhneBome, Mit({{"geom", "tgh", "999"}})),
         {Genommen("999", grundwasserOhne), Wie("999", "1e+06"), Anders("999", "8"),
          Ausserhalb("2e+06", "-1000000 und 1000000 m")}},
    };
}

std::vector<Zeile> ZeilenMaterial() {
    const auto eigenschaft = [](const char* element, const char* kurzname, const char* beispiel, std::vector<Probe> proben) {
        static std::set<std::string> ziele;
        const std::string& ziel = *ziele.insert(std::string("Eigenschaft Kurzname=\"") + kurzname + "\"").first;
        return Zeile{element, kurzname, beispiel, ziel.c_str(), "Wert01", nullptr, std::move(proben)};
    };
    // A positive quantity by which the calculation divides: from a millionth of its unit.
    const auto positiv = [](const char* attribut, const char* beispiel, const char* einheit, Probe gross = Genommen("1e+06")) {
        const std::string e = *einheit != '\0' ? std::string(" ") + einheit : "";
        return Zeile{"mate anker", attribut, beispiel, "anker", attribut, nullptr,
                     {Genommen("1e-06"), std::move(gross), Ausserhalb("5e-07", "1e-06 und 1000000" + e),
                      Ausserhalb("-1", "1e-06 und 1000000" + e)}};
    };
    // A tie rod without panel: its material and pull-out checks.
    const auto rundstahlanker = [](const ZirfLauf& l) {
        EXPECT_FALSE(BerichtsZeile(l.bericht, "Ankertyp:", "Rundstahlanker").empty());
        const double schaft = 8.04 * 555.0 / (10.0 * 1.1);
        const double kern = 0.9 * 6.95 * 700.0 / (10.0 * 1.25);
        EXPECT_NEAR(Ergebnis(l, {"tgf", "materialversagen"}, "rmd"), std::min(schaft, kern), 1e-9);
        EXPECT_NEAR(Ergebnis(l, {"tgf", "herausziehen"}, "td"), 400.0 / 1.4, 1e-9);
    };
    return {
        eigenschaft("mate profil", "wely", E,
                    {Genommen("1e-06"), Ausserhalb("5e-07", "1e-06 und 1000000 cm³/m"), Ausserhalb("2e+06", "1e-06 und 1000000 cm³/m"),
                     Abgelehnt("0", {"'wely' fehlt oder ist nicht größer als 0"})}),
        eigenschaft("mate profil", "Iy", E,
                    {Genommen("1e-06"), Genommen("1e+08"), Ausserhalb("1e-20", "1e-06 und 100000000 cm⁴/m"),
                     Ausserhalb("1e+12", "1e-06 und 100000000 cm⁴/m"), Abgelehnt("0", {"'Iy'", "muss positiv sein"})}),
        eigenschaft("mate profil", "A", E, {Genommen("1e+06"), Ausserhalb("5e-07", "1e-06 und 1000000 cm²/m")}),
        eigenschaft("mate profil", "g", E, {Genommen("1e+06"), Genommen("0"), Ausserhalb("-1", "0 und 1000000 kg/m²")}),
        eigenschaft("mate baustahl", "E", E, {Wie("-1e+300", "1e+300")}),
        eigenschaft("mate baustahl", "fyk", E, {Genommen("1e-06"), Ausserhalb("-355", "1e-06 und 1000000")}),
        eigenschaft("mate baustahl", "gamma_m", E, {Genommen("1e+06"), Ausserhalb("1e-07", "1e-06 und 1000000")}),
        eigenschaft("mate baustahl", "gamma", E, {Wie("-1e+300", "1e+300")}),
        // 0 a grouted anchor, every other value a tie rod, 1 one on a panel.
        {"mate anker", "typ", F, "anker", "typ", Mit({{"anker", "qsk1", "400"}}),
         {Genommen("2", rundstahlanker), Wie("-1", "2"), Wie("2147483647", "2"), Anders("1", "2")}},
        positiv("as_min", F, "cm²"),
        positiv("a_schaft", E, "cm²"),
        positiv("a_kern", E, "cm²"),
        positiv("d_vk", F, "cm"),
        Unbenutzt("mate anker", "da", E, "anker", "da", false),
        Unbenutzt("mate anker", "di", E, "anker", "di", false),
        positiv("ft01k", F, "N/mm²"),
        positiv("fyk", E, "N/mm²"),
        positiv("fuak", E, "N/mm²"),
        positiv("kt", E, ""),
        positiv("gamma_m", F, ""),
        positiv("gamma_m0", E, ""),
        positiv("gamma_mb", E, ""),
        positiv("qsk1", E, "kN"),
        positiv("qsk", F, "kN/m²"),
        {"mate anker", "ankertafel_l", E, "anker", "ankertafel_l", nullptr,
         {Genommen("3"), Ausserhalb("-1", "0 und 1000000 m"), Abgelehnt("1e+06", {"'ankerneigung' ist zu steil"})}},
        {"mate anker", "ankertafel_b", E, "anker", "ankertafel_b", nullptr,
         {Genommen("0"), Ausserhalb("-1", "0 und 1000000 m"), Abgelehnt("3", {"'ankertafel_b' muss zwischen 0 und dem Ankerabstand"})}},
        // A grouted length that long leaves the middle of the grout in front of the wall.
        positiv("lv", F, "m", Abgelehnt("1e+06", {"'ankerlaenge' reicht nicht über die Ankerspitze"})),
    };
}

std::vector<Zeile> ZeilenBoden() {
    const Aenderung inGrad = Mit({{"bode", "in_grad", "1"}, {"gruppe nr=\"1\"", "delta", "20"}, {"gruppe nr=\"1\"", "deltp", "-20"}});
    return {
        {"bode", "in_grad", E, "bode", "in_grad", nullptr, {Wie("5", "1"), Wie("-1", "1"), Anders("1", "0")}},
        {"bode gruppe", "nr", E, "gruppe nr=\"2\"", "nr", nullptr, {Wie("2147483647", "2"), Wie("-2147483648", "2")}},
        // A last layer that reaches far below the wall.
        {"bode gruppe", "sd", E, "gruppe nr=\"2\"", "sd", nullptr,
         {ErgebnisWie("1e+06", "100"), ErgebnisWie("999", "100"), Ausserhalb("2e+06", "0 und 1000000 m"), Ausserhalb("-1", "0 und 1000000 m")}},
        {"bode gruppe", "deltax", E, "gruppe nr=\"1\"", "deltax", nullptr, {Genommen("1000"), Ausserhalb("1001", "-1000 und 1000 cm")}},
        {"bode gruppe", "gamma", E, "gruppe nr=\"2\"", "gamma", nullptr, {Genommen("1e+06"), Ausserhalb("-1", "0 und 1000000 kN/m³")}},
        {"bode gruppe", "gamma_feucht", E, "gruppe nr=\"2\"", "gamma_feucht", nullptr,
         {Genommen("1e+06"), Ausserhalb("-1", "0 und 1000000 kN/m³")}},
        {"bode gruppe", "phi", E, "gruppe nr=\"2\"", "phi", nullptr,
         {Ausserhalb("91", "0 und 90°"), Abgelehnt("90", {"phi = 90° muss mindestens 0°"})}},
        {"bode gruppe", "delta", E, "gruppe nr=\"1\"", "delta", inGrad,
         {Genommen("-20"), Ausserhalb("91", "-90 und 90°"), Abgelehnt("40", {"delta = 40° ist dem Betrag nach größer"})}},
        {"bode gruppe", "deltp", E, "gruppe nr=\"1\"", "deltp", inGrad,
         {Genommen("32.5"), Ausserhalb("-91", "-90 und 90°"), Abgelehnt("-40", {"deltp = -40° ist dem Betrag nach größer"})}},
        // No angle outside the table of fractions 0 to 8.
        {"bode gruppe", "delta_phi", E, "gruppe nr=\"1\"", "delta_phi", nullptr,
         {Genommen("8"), Abgelehnt("9", {"'delta_phi' = 9", "0 bis 8"}), Abgelehnt("-1", {"'delta_phi' = -1"})}},
        {"bode gruppe", "deltp_phi", E, "gruppe nr=\"1\"", "deltp_phi", nullptr,
         {Genommen("0"), Abgelehnt("9", {"'deltp_phi' = 9", "0 bis 8"})}},
        {"bode gruppe", "coh", E, "gruppe nr=\"1\"", "coh", nullptr, {Genommen("1e+06"), Ausserhalb("-1", "0 und 1000000 kN/m²")}},
    };
}

std::vector<Zeile> ZeilenBome() {
    const Aenderung verdichtung = Mit({{"bome", "bp", "0.5"}});
    const Aenderung walze = Mit({{"bome", "mitverd", "1"}, {"bome", "geraet", "2"}, {"bome", "eg", "50"}});
    const auto grundwasserOhne = [](const ZirfLauf& l) {
        EXPECT_FALSE(BerichtsZeile(l.bericht, "Grundwasser", "ohne").empty());
    };
    std::vector<Zeile> z = {
        {"bome", "tgh", E, "bome", "tgh", Mit({{"bome", "tgv", "999"}}),
         {Genommen("999", grundwasserOhne), Wie("999", "1e+06"), Anders("999", "4"),
          Ausserhalb("-2e+06", "-1000000 und 1000000 m"), Abgelehnt("-1", {"tgh = -1 m liegt über dem Wandkopf"})}},
        {"bome", "tgv", E, "bome", "tgv", Mit({{"bome", "tgh", "999"}}),
         {Genommen("999", grundwasserOhne), Wie("999", "1e+06"), Ausserhalb("2e+06", "-1000000 und 1000000 m")}},
        Schalter1("bome", "mitverd", E, "bome", verdichtung),
        {"bome", "geraet", E, "bome", "geraet", walze, {ErgebnisWie("5", "2"), ErgebnisWie("-1", "2"), Anders("1", "2")}},
        {"bome", "bp", E, "bome", "bp", Mit({{"bome", "mitverd", "1"}}), {Genommen("1e+06"), Ausserhalb("-0.5", "0 und 1000000 m")}},
        {"bome", "eg", E, "bome", "eg", walze, {Genommen("1e+06"), Ausserhalb("-1", "0 und 1000000 kN/m")}},
        {"bome", "zk", E, "bome", "zk", Und(walze, Mit({{"bome", "geraet", "1"}})),
         {ErgebnisWie("-5", "0"), Ausserhalb("2e+06", "-1000000 und 1000000 kN/m")}},
    };
    for (const char* a : {"nachweisart", "dinart", "gleitsicherheit", "miterdwiderstand", "erdwiderstandprozent", "boden",
                          "erhoehung", "abminderung"}) {
        z.push_back(UnbenutztGanz("bome", a, E, "bome"));
    }
    for (const char* a : {"sohlreibung", "faktor", "einbindetiefe", "speze", "spezu", "phie", "phiu", "deltae", "deltau", "cohe", "cohu"}) {
        z.push_back(Unbenutzt("bome", a, E, "bome", a, false));
    }
    z.push_back(Unbenutzt("bome", "sigma0#", E, "bome", "sigma03", false));
    z.push_back(Unbenutzt("bome", "sigma1#", E, "bome", "sigma12", false));
    return z;
}

std::vector<Zeile> ZeilenLasten() {
    const char* linie = "gruppe art=\"3\"";
    const char* block = "gruppe art=\"2\"";
    // The crane rail and the strip footing without load: what a load does that acts on nothing.
    const Aenderung ohneKranlast = Mit({{linie, "v", "0"}, {linie, "h", "0"}});
    const Aenderung ohneFundament = Mit({{block, "v", "0"}});
    return {
        // A group of another kind counts nowhere.
        {"last gruppe", "art", E, linie, "art", nullptr, {WieDok("4", Weg(linie)), WieDok("-1", Weg(linie))}},
        {"last gruppe", "lf", E, linie, "lf", nullptr, {Abgelehnt("3", {"Linienlast \"Kranbahn\"", "lf = 3"})}},
        // 0 at the head, every other place at the anchor.
        {"last gruppe", "stelle", E, "gruppe art=\"0\"", "stelle", nullptr,
         {ErgebnisWie("5", "1"), ErgebnisWie("-1", "1"), Anders("1", "0")}},
        {"last gruppe", "v", E, linie, "v", nullptr,
         {Genommen("1e+06"), Genommen("-1e+06"), Ausserhalb("2e+06", "-1000000 und 1000000 kN/m, kN/m² oder kNm/m")}},
        {"last gruppe", "h", E, linie, "h", nullptr, {Genommen("-1e+06"), Ausserhalb("-2e+06", "-1000000 und 1000000")}},
        {"last gruppe", "m", E, linie, "m", nullptr, {Genommen("1e+06"), Ausserhalb("1e+09", "-1000000 und 1000000")}},
        // Beyond the slip line or in front of the wall: on nothing.
        {"last gruppe", "x", E, linie, "x", nullptr,
         {ErgebnisWieDok("1000", ohneKranlast), ErgebnisWieDok("1e+06", ohneKranlast), ErgebnisWieDok("-1e+06", ohneKranlast),
          Ausserhalb("2e+06", "-1000000 und 1000000 m"), Ausserhalb("-2e+06", "-1000000 und 1000000 m")}},
        {"last gruppe", "b", E, block, "b", nullptr,
         {Genommen("1e+06"), Ausserhalb("-1", "0 und 1000000 m"), Abgelehnt("0", {"die Breite b = 0 m muss größer als 0 sein"})}},
        // Below the top of the last layer: on nothing of the wall (the deep slip line, left
        // out here, takes a block load's weight wherever it lies above its wedge).
        {"last gruppe", "y", E, block, "y", Mit({{"geom", "anker", "0"}}),
         {ErgebnisWieDok("200", ohneFundament), ErgebnisWieDok("1e+06", ohneFundament), Genommen("-1e+06"),
          Ausserhalb("2.14748e+09", "-1000000 und 1000000 m")}},
    };
}

std::vector<Zeile> ZeilenUeberlagerungUndAusgabe() {
    const char* einwirkung = "einwirkung nr=\"2\"";
    std::vector<Zeile> z = {
        UnbenutztGanz("einw einwirkung", "nr", E, einwirkung),
        UnbenutztGanz("einw einwirkung", "art", E, einwirkung),
        Unbenutzt("einw einwirkung", "psi0", E, einwirkung, "psi0", false),
        Unbenutzt("einw einwirkung", "psi1", E, einwirkung, "psi1", false),
        Unbenutzt("einw einwirkung", "psi2", E, einwirkung, "psi2", false),
        {"teil", "gep#", E, "teil", "gep1", nullptr,
         {Genommen("1e+06"), Ausserhalb("5e-07", "1e-06 und 1000000"), Ausserhalb("-1.4", "1e-06 und 1000000")}},
        Unbenutzt("teil", "ggr#", E, "teil", "ggr1", false),
        Unbenutzt("teil", "ggl#", E, "teil", "ggl2", false),
        UnbenutztGanz("ausg", "alle_lastfaelle", E, "ausg"),
        UnbenutztGanz("ausg", "relevante_lastfaelle", E, "ausg"),
        SchalterNicht0("ausg", "txt_tragnachweise", E, "ausg"),
        SchalterNicht0("ausg", "grafik_system", E, "ausg"),
        SchalterNicht0("ausg", "grafik_druck_beanspr", E, "ausg"),
        SchalterNicht0("ausg", "grafik_schnittgroessen", E, "ausg"),
        // The host's fragment that txt_teilsicherheit inserts is not in the example.
        Schalter1("ausg", "txt_teilsicherheit", E, "ausg", nullptr, false),
        Unbenutzt("kombinationsbeiwerte", "psi0", E, "kombinationsbeiwerte", "psi0", false),
        Unbenutzt("kombinationsbeiwerte", "psi1", E, "kombinationsbeiwerte", "psi1", false),
        Unbenutzt("kombinationsbeiwerte", "psi2", E, "kombinationsbeiwerte", "psi2", false),
        {"lastfaelle lastfall", "lf", E, "lastfall lf=\"2\"", "lf", nullptr,
         {Abgelehnt("5", {"lf = 2", "lastUeberlagerung lastfaelle"})}},
        // Below 2 permanent, from 2 on variable.
        {"lastfaelle lastfall", "einw", E, "lastfall lf=\"2\"", "einw", nullptr,
         {ErgebnisWie("7", "2"), ErgebnisWie("-3", "1"), Anders("1", "2")}},
        UnbenutztGanz("einwirkungen einwirkung", "indexGruppe", E, "einwirkung indexGruppe=\"2\""),
        {"einwirkungen einwirkung", "indexKategorie", E, "einwirkung indexGruppe=\"2\"", "indexKategorie", nullptr,
         {Abgelehnt("2", {"'indexKategorie' = 2 verweist auf keinen"}), Abgelehnt("-1", {"'indexKategorie' = -1"})}},
    };
    // The report's chapters switched for 1.
    for (const char* a : {"txt_eingabe", "txt_druck_beiwerte", "txt_druck_ordinaten", "txt_wasserdruck", "txt_profilwahl",
                          "txt_tgf_druck_beiwerte", "txt_tgf_druck_ordinaten", "txt_tgf_materialversagen",
                          "txt_tgf_herausziehen", "txt_tgf_ankerkraft", "grafik_tgf_darstellung"}) {
        z.push_back(Schalter1("ausg", a, E, "ausg"));
    }
    for (const char* s : {"gamma_g_#", "gamma_q_#", "gamma_a_#", "gamma_e0g_#"}) {
        static std::set<std::string> namen;
        std::string attribut = s;
        attribut.back() = '1';
        const std::string& ziel = *namen.insert(attribut).first;
        z.push_back({"lastUeberlagerung sicherheitsbeiwerte", s, E, "sicherheitsbeiwerte", ziel.c_str(), nullptr,
                     {Genommen("1e+06"), Ausserhalb("5e-07", "1e-06 und 1000000"), Ausserhalb("-1", "1e-06 und 1000000")}});
    }
    return z;
}
// clang-format on

std::vector<std::vector<Zeile>> AlleZeilen() {
    return {ZeilenKopfUndSteuerung(),
            ZeilenGeometrie(),
            ZeilenMaterial(),
            ZeilenBoden(),
            ZeilenBome(),
            ZeilenLasten(),
            ZeilenUeberlagerungUndAusgabe()};
}

void Pruefe(const std::vector<Zeile>& zeilen) {
    Laeufe laeufe;
    for (const Zeile& z : zeilen) {
        PruefeZeile(z, laeufe);
    }
}

// Every row of the limits has its cases, and every case belongs to a row; a row that
// refuses anything shows a value it refuses, one that takes every number none beyond it.
TEST(Grenzzeilen, EveryRowOfTheLimitsHasItsCases) {
    std::map<std::pair<std::string, std::string>, const Zeile*> faelle;
    const auto alle = AlleZeilen();
    for (const auto& abschnitt : alle) {
        for (const Zeile& z : abschnitt) {
            const bool nummer = std::string(z.attribut).back() == '#';
            EXPECT_NE(zirf_input::FindGrenze(z.element, nummer ? z.zielAttribut : z.attribut),
                      nullptr)
                << z.element << " " << z.attribut;
            EXPECT_TRUE(faelle.emplace(std::pair{z.element, z.attribut}, &z).second)
                << "twice: " << z.element << " " << z.attribut;
        }
    }
    for (const zirf_input::Grenze& g : zirf_input::AlleGrenzen()) {
        const auto it = faelle.find({g.element, g.attribut});
        if (it == faelle.end()) {
            ADD_FAILURE() << "no cases for " << g.element << " " << g.attribut;
            continue;
        }
        bool ausserhalb = false;
        bool abgelehnt = false;
        for (const Probe& p : it->second->proben) {
            ausserhalb = ausserhalb || p.art == Art::ausserhalb;
            abgelehnt = abgelehnt || p.art == Art::ausserhalb || p.art == Art::abgelehnt;
        }
        if (zirf_input::OhneGrenze(g)) {
            EXPECT_FALSE(ausserhalb) << g.element << " " << g.attribut;
        } else {
            EXPECT_TRUE(abgelehnt) << g.element << " " << g.attribut;
        }
    }
    EXPECT_EQ(faelle.size(), zirf_input::AlleGrenzen().size());
}

TEST(Grenzzeilen, HeadAndControlTakeEveryMeaningfulValue) {
    Pruefe(ZeilenKopfUndSteuerung());
}

TEST(Grenzzeilen, GeometryTakesEveryMeaningfulValue) {
    Pruefe(ZeilenGeometrie());
}

TEST(Grenzzeilen, MaterialTakesEveryMeaningfulValue) {
    Pruefe(ZeilenMaterial());
}

TEST(Grenzzeilen, SoilTakesEveryMeaningfulValue) {
    Pruefe(ZeilenBoden());
}

TEST(Grenzzeilen, BomeTakesEveryMeaningfulValue) {
    Pruefe(ZeilenBome());
}

TEST(Grenzzeilen, LoadsTakeEveryMeaningfulValue) {
    Pruefe(ZeilenLasten());
}

TEST(Grenzzeilen, CombinationsAndOutputTakeEveryMeaningfulValue) {
    Pruefe(ZeilenUeberlagerungUndAusgabe());
}

} // namespace
