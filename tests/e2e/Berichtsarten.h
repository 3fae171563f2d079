#pragma once

// The kinds of wall a checking engineer reads reports of: the examples as they are and
// variants of them (a berm, water in front higher than behind, the anchor at the head,
// partly fixed feet, relieving head loads, checked depths, a steep anchor, several block
// and line loads, a shallow excavation). Tests that hold every report to a rule run over
// all of them.

#include "../support/Examples.h"
#include "Dokument.h"

#include <string>
#include <utility>
#include <vector>

struct Berichtsart {
    std::string name;
    std::string dokument;
};

namespace berichtsarten {

using Aenderung = std::vector<std::pair<std::string, std::string>>; // element.attribute, value

// The document with each `element.attribute` of the list set to its value.
inline std::string Geaendert(std::string dokument, const Aenderung& aenderungen) {
    for (const auto& [ziel, wert] : aenderungen) {
        const std::size_t punkt = ziel.find('.');
        dokument =
            MitAttribut(std::move(dokument), ziel.substr(0, punkt), ziel.substr(punkt + 1), wert);
    }
    return dokument;
}

// The document with the first load group of `last` replaced by `gruppen` (whole elements).
inline std::string MitLasten(std::string dokument, const std::string& gruppen) {
    const std::size_t last = dokument.find("<last>");
    const std::size_t ende = dokument.find("</last>", last);
    return dokument.replace(last + 6, ende - last - 6, "\n" + gruppen + "\n    ");
}

} // namespace berichtsarten

// The examples and the review's variants of them, each a complete input document.
inline std::vector<Berichtsart> Berichtsarten() {
    using berichtsarten::Geaendert;
    const std::string frei = ExampleText("anker_frei.xml");
    const std::string fest = ExampleText("anker_eingespannt.xml");
    const std::string krag = ExampleText("kragwand.xml");
    std::vector<Berichtsart> arten;
    for (const char* beispiel : {"anker_frei", "anker_eingespannt", "anker_sand", "kragwand",
                                 "kragwand_sand", "kragwand_sand_lasten"}) {
        arten.push_back({beispiel, ExampleText(std::string(beispiel) + ".xml")});
    }
    arten.push_back({"berme", Geaendert(frei, {{"geom.mitberme", "1"},
                                               {"geom.berme_abstand", "1.0"},
                                               {"geom.berme_neigung", "30"},
                                               {"geom.berme_dicke", "1.5"},
                                               {"geom.berme_gamma", "19"}})});
    arten.push_back({"wasser_vorn", Geaendert(frei, {{"geom.tgh", "6.5"},
                                                     {"geom.tgv", "3.0"},
                                                     {"bome.tgh", "6.5"},
                                                     {"bome.tgv", "3.0"}})});
    arten.push_back({"anker_kopf", Geaendert(frei, {{"geom.tiefe_anker", "0"}})});
    for (const char* prozent : {"30", "50", "70", "100"}) {
        arten.push_back({std::string("einspannung_") + prozent,
                         Geaendert(frei, {{"steu.system", "2"}, {"geom.einspannung", prozent}})});
    }
    arten.push_back({"kopf_entlastend",
                     berichtsarten::MitLasten(
                         frei, "      <gruppe art=\"1\" lf=\"1\" bez=\"Auflast\" v=\"10\"/>\n"
                               "      <gruppe art=\"0\" lf=\"2\" stelle=\"0\" bez=\"Trossenzug\" "
                               "v=\"0\" h=\"-30\" m=\"0\"/>")});
    arten.push_back(
        {"pruef_kurz", Geaendert(frei, {{"steu.berart", "1"}, {"geom.einbindetiefe", "12.0"}})});
    arten.push_back(
        {"pruef_lang", Geaendert(fest, {{"steu.berart", "1"}, {"geom.einbindetiefe", "18.0"}})});
    arten.push_back({"pruef_kragwand",
                     Geaendert(krag, {{"steu.berart", "1"}, {"geom.einbindetiefe", "11.0"}})});
    arten.push_back({"anker_30", Geaendert(frei, {{"geom.ankerneigung", "30"}})});
    arten.push_back(
        {"lasten",
         berichtsarten::MitLasten(
             frei, "      <gruppe art=\"1\" lf=\"1\" bez=\"Auflast\" v=\"10\"/>\n"
                   "      <gruppe art=\"2\" lf=\"1\" bez=\"Fundament\" v=\"40\" h=\"0\" "
                   "x=\"1.5\" b=\"1.0\" y=\"0.5\"/>\n"
                   "      <gruppe art=\"2\" lf=\"2\" bez=\"Lagerfläche\" v=\"20\" h=\"0\" "
                   "x=\"4.0\" b=\"3.0\" y=\"0\"/>\n"
                   "      <gruppe art=\"3\" lf=\"2\" bez=\"Kranbahn\" v=\"60\" h=\"5\" m=\"0\" "
                   "x=\"2.5\" y=\"0.3\"/>\n"
                   "      <gruppe art=\"3\" lf=\"1\" bez=\"Mauer\" v=\"25\" h=\"0\" m=\"0\" "
                   "x=\"6.0\" y=\"0\"/>")});
    arten.push_back({"kragwand_flach", Geaendert(krag, {{"geom.wand_hw", "1.5"}})});
    arten.push_back({"anker_flach", Geaendert(frei, {{"geom.wand_hw", "1.5"},
                                                     {"geom.tiefe_anker", "0.5"},
                                                     {"geom.ankerneigung", "10"},
                                                     {"geom.ankerlaenge", "6"}})});
    return arten;
}
