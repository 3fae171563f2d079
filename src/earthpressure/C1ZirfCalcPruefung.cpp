// Input that the soil model cannot calculate, or would misread, is refused before any
// figure is computed: the message names the element and the attribute.
#include "model/C1ZirfCalc.h"

#include "model/C1ZirfInput.h"
#include "platform/C1Exception.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr const char* kModul = "C1ZirfCalc::PruefeEingabe";
// Thinner input layers cannot carry the wall line.
constexpr double kMinDicke = 0.0001;
constexpr double kMaxPhi = 90.0;
// Depths closer than this merge into one layer boundary: an anchor that near the head or
// the excavation level would leave a span without length.
constexpr double kMinAbstandAnker = 0.001;

std::string Zahl(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

[[noreturn]] void Fehler(const std::string& text) {
    throw C1Exception(text, kModul);
}

// One load of the input as the load-case checks see it.
struct Last {
    std::string name; // kind, name and element
    int lf;
};

std::vector<Last> AlleLasten(const C1ZirfInput& in) {
    std::vector<Last> lasten;
    const auto name = [](const char* art, int nr, const std::string& bez) {
        return std::string(art) + " \"" + bez + "\" (last gruppe art " + std::to_string(nr) + ")";
    };
    for (int k = 0; k < in.nFlaechenlast; ++k) {
        const auto& l = in.flaechenlast.at(static_cast<std::size_t>(k));
        lasten.push_back({name("Flächenlast", 1, l.bez), l.lf});
    }
    for (int k = 0; k < in.nBlocklast; ++k) {
        const auto& l = in.blocklast.at(static_cast<std::size_t>(k));
        lasten.push_back({name("Blocklast", 2, l.bez), l.lf});
    }
    for (int k = 0; k < in.nLinienlast; ++k) {
        const auto& l = in.linienlast.at(static_cast<std::size_t>(k));
        lasten.push_back({name("Linienlast", 3, l.bez), l.lf});
    }
    for (int k = 0; k < in.nKopflast; ++k) {
        const auto& l = in.kopflast.at(static_cast<std::size_t>(k));
        lasten.push_back({name("Kopflast", 0, l.bez), l.lf});
    }
    return lasten;
}

void PruefeBoden(const C1ZirfInput& in) {
    if (in.nSchicht < 1) {
        Fehler("Eingabe bode: es ist keine Bodenschicht (gruppe) angegeben.");
    }
    bool mitWichte = false;
    for (int k = 0; k < in.nSchicht; ++k) {
        const auto& s = in.schicht.at(static_cast<std::size_t>(k));
        const std::string wo =
            "Bodenschicht \"" + s.bez + "\" (bode gruppe nr " + std::to_string(s.nr) + "): ";
        // A first layer without thickness stands for one soil down to the model bottom;
        // with further layers below it their soil would be silently ignored.
        const bool ohneDicke = k == 0 && in.nSchicht == 1 && s.sd >= 0.0;
        if (!(s.sd > kMinDicke) && !ohneDicke) {
            Fehler(
                wo + "die Schichtdicke sd = " + Zahl(s.sd) + " m muss größer als " +
                Zahl(kMinDicke) +
                " m sein (nur eine einzige Bodenschicht darf ohne Dicke bis zur Modellunterkante "
                "reichen).");
        }
        if (!(s.phi >= 0.0 && s.phi < kMaxPhi)) {
            Fehler(wo + "der Reibungswinkel phi = " + Zahl(s.phi) +
                   "° muss mindestens 0° und kleiner als 90° sein.");
        }
        if (s.gamma < 0.0 || s.gamma_feucht < 0.0) {
            Fehler(wo + "die Wichten gamma und gamma_feucht dürfen nicht negativ sein.");
        }
        if (s.coh < 0.0) {
            Fehler(wo + "die Kohäsion coh = " + Zahl(s.coh) + " kN/m² darf nicht negativ sein.");
        }
        // The wall cannot take more friction than the soil itself: the slip would run
        // through the soil instead, and the coefficients lose their meaning.
        for (const auto& [name, wert] :
             {std::pair{"delta", s.delta}, std::pair{"deltp", s.deltp}}) {
            if (!(std::fabs(wert) <= s.phi)) {
                Fehler(wo + "der Wandreibungswinkel " + name + " = " + Zahl(wert) +
                       "° ist dem Betrag nach größer als der Reibungswinkel phi = " + Zahl(s.phi) +
                       "° der Schicht.");
            }
        }
        const bool schichtMitWichte = s.gamma > 0.0 || s.gamma_feucht > 0.0;
        // Ground steeper than the friction angle cannot stand: the plane wedge has no
        // active limit state there and the coefficient at rest has no value. Undrained
        // soil (phi 0) is taken in total stresses, where every coefficient stays finite.
        if (schichtMitWichte && s.phi > 0.0 && std::fabs(in.gela_neigung) > s.phi) {
            Fehler(wo + "das Gelände (geom gela_neigung = " + Zahl(in.gela_neigung) +
                   "°) ist steiler als der Reibungswinkel phi = " + Zahl(s.phi) +
                   "° der Schicht; eine solche Böschung ist nicht standsicher und hat keinen "
                   "Erddruck.");
        }
        mitWichte = mitWichte || schichtMitWichte;
    }
    if (!mitWichte) {
        Fehler("Eingabe bode: keine Bodenschicht hat eine Wichte (gamma, gamma_feucht) größer "
               "als 0.");
    }
}

void PruefeGeometrie(const C1ZirfInput& in) {
    if (!(std::fabs(in.gela_neigung) < kMaxPhi)) {
        Fehler("Eingabe geom: die Geländeneigung gela_neigung = " + Zahl(in.gela_neigung) +
               "° muss zwischen -90° und 90° liegen.");
    }
    if (!(in.wand_hw > 0.001)) {
        Fehler("Eingabe geom: die Aushubtiefe wand_hw = " + Zahl(in.wand_hw) +
               " m muss größer als 0 sein.");
    }
    // Water above the wall head would flow over it: the wall holds no such level, and its
    // pressure figure would start above the wall.
    for (const auto& [name, wert] : {std::pair{"tgh", in.tgh}, std::pair{"tgv", in.tgv}}) {
        if (!(wert >= 0.0)) {
            Fehler(std::string("Eingabe geom/bome: der Wasserspiegel ") + name + " = " +
                   Zahl(wert) +
                   " m liegt über dem Wandkopf; er wird als Tiefe unter dem Wandkopf angegeben.");
        }
    }
    for (const auto& [name, wert] : {std::pair{"wand_neigung", in.wand_neigung},
                                     std::pair{"ersatz_neigung", in.ersatz_neigung}}) {
        if (!(std::fabs(wert) < kMaxPhi)) {
            Fehler(std::string("Eingabe geom: die Neigung ") + name + " = " + Zahl(wert) +
                   "° muss zwischen -90° und 90° liegen.");
        }
    }
    if (in.mitanker > 0) {
        // An anchor at the head (depth 0) is common; one just below it would leave a span
        // too short for the beam.
        const bool amKopf = in.tiefe_anker == 0.0;
        if (!(amKopf || (in.tiefe_anker >= kMinAbstandAnker &&
                         in.tiefe_anker <= in.wand_hw - kMinAbstandAnker))) {
            Fehler("Eingabe geom: der Anker (tiefe_anker = " + Zahl(in.tiefe_anker) +
                   " m) liegt am Wandkopf (0 m) oder mindestens " + Zahl(kMinAbstandAnker) +
                   " m unterhalb des Wandkopfs und oberhalb der Aushubsohle (wand_hw = " +
                   Zahl(in.wand_hw) + " m).");
        }
    }
    if (in.mitberme == 1) {
        if (!(in.berme_dicke > 0.0)) {
            Fehler("Eingabe geom: die Berme braucht eine Dicke berme_dicke größer als 0.");
        }
        if (!(in.berme_abstand >= 0.0)) {
            Fehler("Eingabe geom: der Abstand der Berme berme_abstand darf nicht negativ sein.");
        }
        if (!(in.berme_neigung > in.gela_neigung && in.berme_neigung < kMaxPhi)) {
            Fehler(
                "Eingabe geom: die Böschung der Berme (berme_neigung = " + Zahl(in.berme_neigung) +
                "°) muss steiler als das Gelände (gela_neigung = " + Zahl(in.gela_neigung) +
                "°) und flacher als 90° sein.");
        }
    }
}

void PruefeSteuerung(const C1ZirfInput& in) {
    if (in.nwstand == 1 && (in.erhstand < 0 || in.erhstand > 100)) {
        Fehler("Eingabe steu: der Anteil des aktiven Erddrucks erhstand = " +
               std::to_string(in.erhstand) + " % muss zwischen 0 und 100 liegen.");
    }
    if (in.mitverd != 1) {
        return;
    }
    if (in.geraet == 0 && !(in.bp > 0.0)) {
        Fehler("Eingabe steu/bome: die Verdichtung mit Gerät 0 braucht eine Breite bp größer "
               "als 0.");
    }
    const double kraft = in.geraet == 1 ? (in.zk > 0.0 ? in.eg + in.zk : 2.0 * in.eg) : in.eg;
    if (in.geraet != 0 && !(kraft > 0.0)) {
        Fehler("Eingabe steu/bome: die Verdichtung braucht eine Gerätekraft eg (und zk) größer "
               "als 0.");
    }
}

void PruefeLasten(const C1ZirfInput& in, const C1ZirfCalc& calc) {
    for (int k = 0; k < in.nBlocklast; ++k) {
        const auto& l = in.blocklast.at(static_cast<std::size_t>(k));
        if (!(l.b > 0.0)) {
            Fehler("Blocklast \"" + l.bez + "\" (last gruppe art 2): die Breite b = " + Zahl(l.b) +
                   " m muss größer als 0 sein.");
        }
    }
    const int nLastfall = in.iLetzterLastfall + 1;
    // Any action number has a meaning (below 2 permanent): a load case is missing only
    // when no `lastfall` names it.
    const auto vorhanden = [&in, nLastfall](int lf) {
        const auto anfang = in.lastfallLf.begin();
        const auto ende = anfang + std::min(nLastfall, C1ZirfInput::kMaxLastfall);
        return std::find(anfang, ende, lf) != ende;
    };
    const std::vector<Last> lasten = AlleLasten(in);
    for (const Last& l : lasten) {
        if (l.lf < 1 || l.lf > nLastfall || !vorhanden(l.lf)) {
            Fehler(l.name + ": der Lastfall lf = " + std::to_string(l.lf) +
                   " ist nicht unter den Lastfällen 1 bis " + std::to_string(nLastfall) +
                   " von lastUeberlagerung lastfaelle.");
        }
    }
    // Surcharge load case k of the calculation is the k-th distinct surcharge load case.
    for (int k = 0; k < in.nLfFlaeche; ++k) {
        const int lfK = in.lfFlaeche.at(static_cast<std::size_t>(k));
        if (lfK != k + 1) {
            for (int s = 0; s < in.nFlaechenlast; ++s) {
                const auto& l = in.flaechenlast.at(static_cast<std::size_t>(s));
                if (l.lf == lfK) {
                    Fehler("Flächenlast \"" + l.bez +
                           "\" (last gruppe art 1): der Lastfall lf = " + std::to_string(lfK) +
                           " folgt nicht der Reihenfolge; die Flächenlasten "
                           "müssen die Lastfälle 1, 2, 3 ... in der Reihenfolge ihres ersten "
                           "Auftretens belegen.");
                }
            }
        }
    }
    // Load case 1 is merged with the soil's weight and taken as permanent.
    const int einw1 = calc.EinwirkungVonLastfall(1);
    if (einw1 >= 2) {
        for (const Last& l : lasten) {
            if (l.lf == 1) {
                Fehler(l.name + ": Lastfall 1 gehört zur veränderlichen Einwirkung " +
                       std::to_string(einw1) +
                       " (lastUeberlagerung lastfall einw); die "
                       "Berechnung führt Lastfall 1 als ständige Last.");
            }
        }
    }
}

} // namespace

void C1ZirfCalc::PruefeEingabe() const {
    const C1ZirfInput& in = *pInput;
    PruefeBoden(in);
    PruefeGeometrie(in);
    PruefeSteuerung(in);
    PruefeLasten(in, *this);
}

void C1ZirfCalc::PruefeWichten() const {
    const C1ZirfInput& in = *pInput;
    // The extension layer below the model bottom gets its soil only when the foot reaches it.
    // Behind the wall every layer, in front of it those below the excavation level.
    for (int n = 0; n < 2 * iLetzteSchicht; ++n) {
        const bool vorn = n >= iLetzteSchicht;
        const int i = vorn ? n - iLetzteSchicht : n;
        if (vorn && i <= iSchichtAushub) {
            continue;
        }
        const C1Schicht& s = Schicht[i];
        const double gamma = vorn ? s.gammaEffVorn : s.gammaEff;
        // Weightless layers above the ground stand for the air there.
        const bool luft = i < iErsteSchicht && gamma == 0.0;
        if (gamma > 0.0 || luft || !(s.dicke > 0.0)) {
            continue;
        }
        const double wasser = vorn ? tgv : tgh;
        const bool unterWasser = wasser < s.yu;
        // The input layer that holds this calculation layer.
        const double mitte = (s.yo + s.yu) / 2.0;
        int k = 0;
        for (double unten = 0.0; k < in.nSchicht - 1; ++k) {
            unten += in.schicht.at(static_cast<std::size_t>(k)).sd;
            if (unten >= mitte) {
                break;
            }
        }
        const auto& e = in.schicht.at(static_cast<std::size_t>(k));
        Fehler("Bodenschicht \"" + e.bez + "\" (bode gruppe nr " + std::to_string(e.nr) +
               "): zwischen " + Zahl(s.yo) + " m und " + Zahl(s.yu) + " m " +
               (unterWasser ? "unter" : "über") + " dem Wasserspiegel " + (vorn ? "tgv" : "tgh") +
               " = " + Zahl(wasser) + " m hat der Boden die Wichte " + Zahl(gamma) + " kN/m³ (" +
               (unterWasser ? "gamma_feucht, ohne sie gamma - " + Zahl(GammaWasser)
                            : std::string("gamma")) +
               "); unter dem Gelände muss jede Schicht eine Wichte größer als 0 haben (eine "
               "Schicht ohne Wichte steht für die Luft über dem Gelände).");
    }
}
