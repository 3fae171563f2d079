// The wall analysis of a run: the input it needs checked, then both embedment passes of
// the wall without anchor or of the anchored wall.

#include "earthpressure/C1ZirfCalc.h"

#include "analysis/Einbindung.h"
#include "analysis/EingabeFehler.h"
#include "host/C1Exception.h"
#include "host/C1ZirfInput.h"

#include <string>

namespace {

const char* const kModul = "C1ZirfCalc::CalcWand";
constexpr int kVolleEinspannung = 100;
// Result of an embedment pass whose iteration diverged.
constexpr int kDivergiert = 2;
// Beam load cases run from 1 to 20: the earth-pressure cases (number of load cases + 1)
// and the compaction case above them.
constexpr int kMaxBalkenLastfall = 20;

[[noreturn]] void Fehler(const std::string& element, const std::string& attribut,
                         const std::string& grund) {
    EingabeFehler(element, attribut, grund, kModul);
}

} // namespace

void C1ZirfCalc::PruefeEingabeWand() const {
    const C1ZirfInput& in = *pInput;
    bool strGeo = false;
    for (const C1ZirfInput::LFKombi& k : in.kombi) {
        strGeo = strGeo || einbindung::IstStrGeo(k.art);
    }
    if (!strGeo) {
        throw C1Exception("xml-Eingabedatei, Element 'lastUeberlagerung': keine "
                          "Lastfallkombination mit der Art \"STR,GEO\"; die Einbindetiefe kann "
                          "nicht berechnet werden",
                          kModul);
    }
    if (in.berart != 0 && !(in.einbindetiefe > in.wand_hw)) {
        Fehler("geom", "einbindetiefe", "muss beim Nachweis tiefer als wand_hw liegen");
    }
    if (in.mitanker != 0) {
        if (!(in.tiefe_anker < in.wand_hw)) {
            Fehler("geom", "tiefe_anker", "muss über der Aushubsohle (wand_hw) liegen");
        }
        if (in.einspannung < 0 || in.einspannung > kVolleEinspannung) {
            Fehler("geom", "einspannung", "muss zwischen 0 und 100 liegen");
        }
    }
    if (!(in.rundung > 0.0)) {
        Fehler("geom", "rundung", "muss positiv sein");
    }
    if (!(in.eta_p > 0.0)) {
        Fehler("geom", "eta_p", "muss positiv sein");
    }
    if (!(gep > 0.0)) {
        Fehler("teil", "gep" + std::to_string(in.lastfall), "muss positiv sein");
    }
    if (!(in.Iy > 0.0)) {
        Fehler("mate", "Iy", "(Trägheitsmoment des Profils) muss positiv sein");
    }
    if (in.iLetzterLastfall + 3 > kMaxBalkenLastfall) {
        throw C1Exception("xml-Eingabedatei, Element 'lastfaelle': höchstens " +
                              std::to_string(kMaxBalkenLastfall - 2) +
                              " Lastfälle können berechnet werden",
                          kModul);
    }
}

int C1ZirfCalc::CalcWand() {
    iterationDivergiert = false;
    SetBeiwerteIteration();
    PruefeEingabeWand();
    const C1ZirfInput& in = *pInput;
    const auto durchgang = [this, &in](int kombi) {
        return in.mitanker == 0 ? CalcEinbindetiefe(kombi)
                                : CalcEinbindetiefeAnker(in.einspannung, kombi);
    };
    // The first pass finds the governing combination; the second iterates it alone, so
    // that the calculation object ends in its state. A divergence in either pass ends the
    // analysis: later combinations of a diverged first pass were never checked.
    int status = durchgang(einbindung::kAlleKombinationen);
    if (status != kDivergiert) {
        status = durchgang(iMassgebend);
    }
    // The output reads this: no check may rest on the last trial step.
    iterationDivergiert = status == kDivergiert;
    return status;
}
