// The wall analysis of a run: the input it needs checked, then both embedment passes of
// the wall without anchor or of the anchored wall.

#include "model/C1ZirfCalc.h"

#include "analysis/Einbindung.h"
#include "analysis/EingabeFehler.h"
#include "model/C1ZirfInput.h"
#include "model/KombiRegel.h"
#include "platform/C1Exception.h"

#include <cmath>
#include <set>
#include <string>

namespace {

const char* const kModul = "C1ZirfCalc::CalcWand";
constexpr int kVolleEinspannung = 100;
// Result of an embedment pass whose iteration diverged.
constexpr int kDivergiert = 2;
// Beam load cases run from 1 to 20: the earth-pressure cases (number of load cases + 1)
// and the compaction case above them.
constexpr int kMaxBalkenLastfall = 20;
// Earth-pressure modes: `nwstand` 1 mixes in the pressure at rest, 2 and up take it whole.
constexpr int kNwstandErhoeht = 1;
constexpr double kSenkrecht = 90.0;
constexpr int kRuhedruck = 2;

[[noreturn]] void Fehler(const std::string& element, const std::string& attribut,
                         const std::string& grund) {
    EingabeFehler(element, attribut, grund, kModul);
}

// The partial factors of the design situation that multiply the actions: a factor of 0
// or below would drop or reverse them.
void PruefeTeilsicherheiten(const C1ZirfInput& in) {
    using T = C1ZirfInput::Teilsicherheitsbeiwerte;
    const int s = in.lastfall;
    if (s < 1 || s > T::kAnzahlSituationen) {
        return;
    }
    // The pressure at rest, partly (nwstand 1) or wholly (mode 2 and up), takes gamma_e0g.
    const bool ruhedruck = in.nwstand >= kNwstandErhoeht || in.nwwand >= kRuhedruck;
    struct Faktor {
        int art;
        const char* name;
        bool benutzt;
    };
    for (const Faktor& f :
         {Faktor{T::gamma_g, "gamma_g_", true}, Faktor{T::gamma_q, "gamma_q_", true},
          Faktor{T::gamma_e0g, "gamma_e0g_", ruhedruck}}) {
        if (f.benutzt && !(in.teilsicherheit.Get(f.art, s) > 0.0)) {
            Fehler("lastUeberlagerung sicherheitsbeiwerte", f.name + std::to_string(s),
                   "muss positiv sein");
        }
    }
}

// The load cases a rule may name: case 1 (the soil's own weight with the permanent
// loads) and every case that a load of the input belongs to.
std::set<int> LastfaelleDerEingabe(const C1ZirfInput& in) {
    std::set<int> lf{1};
    const auto sammle = [&lf](const auto& tabelle, int anzahl) {
        for (int k = 0; k < anzahl; ++k) {
            lf.insert(tabelle.at(static_cast<std::size_t>(k)).lf);
        }
    };
    sammle(in.flaechenlast, in.nFlaechenlast);
    sammle(in.flaechenlastVorn, in.nFlaechenlastVorn);
    sammle(in.blocklast, in.nBlocklast);
    sammle(in.linienlast, in.nLinienlast);
    sammle(in.kopflast, in.nKopflast);
    return lf;
}

// The rule of a combination that the iteration computes must read exactly as written:
// the parser skips characters it does not know and drops a number without its bracket,
// which would change the combination without a word. A case that no load has would add
// nothing, and load case 1 carries the soil's own weight, so the rule must give it a
// factor.
void PruefeRegel(const C1ZirfInput::LFKombi& k, const std::set<int>& lastfaelle) {
    const std::string wo = "xml-Eingabedatei, Element 'result' Nr. " + std::to_string(k.index + 1) +
                           " (lastUeberlagerung results, art \"" + k.art +
                           "\"): Attribut 'regel' = \"" + k.regel + "\" ";
    const auto fehler = [&](const std::string& grund) { throw C1Exception(wo + grund, kModul); };
    if (const std::string grund = KombiRegelFehler(k.regel); !grund.empty()) {
        fehler(grund);
    }
    const KombiFaktoren f = KombiFaktoren::Parse(k.regel);
    for (int n = 1; n <= kKombiLastfaelle; ++n) {
        if (f.lastfall.at(static_cast<std::size_t>(n - 1)) == n && lastfaelle.count(n) == 0) {
            fehler("nennt den Lastfall " + std::to_string(n) +
                   ", zu dem keine Last der Eingabe (last gruppe lf) gehört");
        }
    }
    if (!(f.F(1) > 0.0)) {
        fehler("gibt dem Lastfall 1 (ständige Lasten mit dem Eigengewicht des Bodens) keinen "
               "Faktor größer als 0");
    }
}

} // namespace

void C1ZirfCalc::PruefeEingabeWand() const {
    const C1ZirfInput& in = *pInput;
    const std::set<int> lastfaelle = LastfaelleDerEingabe(in);
    bool strGeo = false;
    for (const C1ZirfInput::LFKombi& k : in.kombi) {
        if (einbindung::IstStrGeo(k.art)) {
            strGeo = true;
            PruefeRegel(k, lastfaelle);
        }
    }
    if (!strGeo) {
        throw C1Exception("xml-Eingabedatei, Element 'lastUeberlagerung': keine "
                          "Lastfallkombination (results result) hat im Attribut 'art' die Art "
                          "\"STR,GEO\"; die Einbindetiefe kann nicht berechnet werden",
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
        // The anchor force's vertical part goes into the normal force of the wall.
        if (!(std::fabs(in.ankerneigung) < kSenkrecht)) {
            Fehler("geom", "ankerneigung", "muss zwischen -90 und 90 Grad liegen");
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
    PruefeTeilsicherheiten(in);
    if (!(in.Iy > 0.0)) {
        Fehler("mate profil", "Iy",
               "(Trägheitsmoment des Profils, Eigenschaft Iy) muss positiv sein");
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
    // One pass over every load state finds the depth and the governing state, and leaves
    // the calculation object in that state. A divergence ends the analysis.
    BildeLastzustaende();
    PruefeZustandsumfang();
    ohneTiefe.clear();
    int status = in.mitanker == 0 ? CalcEinbindetiefe() : CalcEinbindetiefeAnker(in.einspannung);
    // A state that cannot stand counts in no value, its depth neither: where it designed
    // the wall, the depth is sought again over the states that can (once per state left
    // out; the states listed one by one, as beyond that a state that cannot stand is
    // refused).
    while (status != kDivergiert && alleAufgezaehlt && ZustandOhneHalt()) {
        ohneTiefe.resize(zustaende.size(), false);
        for (std::size_t z = 0; z < zustaende.size(); ++z) {
            ohneTiefe[z] = ohneTiefe[z] || !ZustandGueltig(z);
        }
        status = in.mitanker == 0 ? CalcEinbindetiefe() : CalcEinbindetiefeAnker(in.einspannung);
    }
    // The output reads this: no check may rest on the last trial step.
    iterationDivergiert = status == kDivergiert;
    return status;
}
