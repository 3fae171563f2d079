// The greatest and the least of a value over the load states. A combination whose states
// are its permanent loads and the sum of the shares of its variable load cases present (a
// family: every value of its states is linear in them) gives its extremes from those
// shares: the greatest takes every case whose share adds to the value, the least every
// one whose share takes from it. Every other state counts on its own; a state that cannot
// stand (see zustandGueltig) counts nowhere.

#include "model/C1ZirfCalc.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

wand::Huellwert C1WandDaten::Zustandsgrenzen::Groesster() const {
    return std::fabs(min) > std::fabs(max) ? wand::Huellwert{min, zMin, 0.0}
                                           : wand::Huellwert{max, zMax, 0.0};
}

bool C1ZirfCalc::ZustandGueltig(std::size_t z) const {
    return z >= zustandGueltig.size() || zustandGueltig[z];
}

std::size_t C1ZirfCalc::ZustandDerFamilie(const Familie& f, std::uint64_t ohne, bool merken) const {
    const C1Bemessungskombination& k = bemessungsKombinationen.at(f.kombination);
    if (const auto da = k.zustand.find(ohne); da != k.zustand.end()) {
        return da->second;
    }
    // Not among the run's states yet: the internal forces add it and are formed again.
    if (merken) {
        fehlendeZustaende.insert({f.kombination, ohne});
    }
    return f.basis;
}

C1ZirfCalc::Zustandsgrenzen
C1ZirfCalc::ZustandsGrenzen(const std::function<double(std::size_t)>& wert, bool merken) const {
    Zustandsgrenzen g;
    const auto nimm = [&g](double hoch, std::size_t zHoch, double tief, std::size_t zTief) {
        if (!g.gesetzt || hoch > g.max) {
            g.max = hoch;
            g.zMax = zHoch;
        }
        if (!g.gesetzt || tief < g.min) {
            g.min = tief;
            g.zMin = zTief;
        }
        g.gesetzt = true;
    };
    const std::size_t n = zustaende.size();
    std::vector<bool> erledigt(n, false);
    for (const Familie& f : familien) {
        const std::uint64_t alleOhne = bemessungsKombinationen.at(f.kombination).AlleOhne();
        const double basis = wert(f.basis);
        double hoch = basis;
        double tief = basis;
        std::uint64_t ohneHoch = alleOhne;
        std::uint64_t ohneTief = alleOhne;
        for (std::size_t j = 0; j < f.einzeln.size(); ++j) {
            const double d = wert(f.einzeln[j]) - basis;
            const std::uint64_t bit = std::uint64_t{1} << j;
            if (d > 0.0) {
                hoch += d;
                ohneHoch ^= bit;
            } else if (d < 0.0) {
                tief += d;
                ohneTief ^= bit;
            }
        }
        nimm(hoch, ZustandDerFamilie(f, ohneHoch, merken), tief,
             ZustandDerFamilie(f, ohneTief, merken));
        for (const auto& [ohne, z] : bemessungsKombinationen.at(f.kombination).zustand) {
            erledigt.at(z) = true;
        }
    }
    for (std::size_t z = 0; z < n; ++z) {
        if (!erledigt[z] && ZustandGueltig(z)) {
            const double w = wert(z);
            nimm(w, z, w, z);
        }
    }
    return g;
}

std::vector<std::string> C1ZirfCalc::UngueltigeZustaende() const {
    std::vector<std::string> texte;
    for (std::size_t z = 0; z < zustaende.size(); ++z) {
        if (ZustandGueltig(z)) {
            continue;
        }
        char grund[160];
        if (z < anteilPassivNoetig.size() && anteilPassivNoetig[z] < 0.0) {
            std::snprintf(grund, sizeof grund,
                          "der Erdwiderstand müsste ziehen (erforderlicher Anteil %.3f)",
                          anteilPassivNoetig[z]);
        } else {
            std::snprintf(grund, sizeof grund, "der Anker müsste drücken (Ad = %.2f kN/m)",
                          z < ankerkraftZustand.size() ? ankerkraftZustand[z] : 0.0);
        }
        texte.push_back("Lastzustand " + ZustandText(z) + ": " + grund);
    }
    return texte;
}
