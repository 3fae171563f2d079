#pragma once

// The support cases a rule over the walls is held to: the wall without anchor and the
// anchored wall with a free, a 50 % and a fixed foot, each also checked at a given depth,
// every one with a surcharge of each load case and a head load of load case 1 or 2
// (permanent or variable), of each given horizontal force; computed in the process.

#include "../e2e/Berichtsarten.h"
#include "../host/InputFixture.h"

#include "beam/C1Traeger.h"
#include "model/C1ZirfCalc.h"

#include <memory>
#include <string>
#include <vector>

namespace stuetzfaelle {

struct Wand {
    std::string name;
    std::string dokument;
};

inline std::vector<Wand> MitKopflasten(const std::vector<const char*>& horizontal,
                                       const char* vertikal) {
    using berichtsarten::Geaendert;
    using berichtsarten::MitLasten;
    const std::string frei = ExampleText("anker_frei.xml");
    const std::string krag = ExampleText("kragwand.xml");
    const std::vector<Wand> faelle = {
        {"kragwand", krag},
        {"kragwand_geprueft",
         Geaendert(krag, {{"steu.berart", "1"}, {"geom.einbindetiefe", "11.0"}})},
        {"frei", frei},
        {"teil", Geaendert(frei, {{"steu.system", "2"}, {"geom.einspannung", "50"}})},
        {"fest", Geaendert(frei, {{"steu.system", "2"}, {"geom.einspannung", "100"}})},
        {"frei_geprueft", Geaendert(frei, {{"steu.berart", "1"}, {"geom.einbindetiefe", "15.2"}})},
    };
    std::vector<Wand> waende;
    for (const Wand& f : faelle) {
        for (const char* lf : {"1", "2"}) {
            for (const char* h : horizontal) {
                const std::string lasten =
                    std::string("      <gruppe art=\"1\" lf=\"1\" bez=\"Auflast\" v=\"10\"/>\n"
                                "      <gruppe art=\"1\" lf=\"2\" bez=\"Verkehr\" v=\"20\"/>\n"
                                "      <gruppe art=\"0\" lf=\"") +
                    lf + "\" stelle=\"0\" bez=\"Kopflast\" v=\"" + vertikal + "\" h=\"" + h +
                    "\" m=\"0\"/>";
                waende.push_back({f.name + " Lf " + lf + " h " + h, MitLasten(f.dokument, lasten)});
            }
        }
    }
    return waende;
}

// A wall computed in the process.
struct Rechnung {
    explicit Rechnung(const std::string& dokument) : f(dokument) {
        f.ReadAll();
        calc = std::make_unique<C1ZirfCalc>(&f.in, &traeger);
        calc->CalcBodenmodell();
        calc->CalcWand();
    }
    InputFixture f;
    C1Traeger traeger;
    std::unique_ptr<C1ZirfCalc> calc;
};

} // namespace stuetzfaelle
