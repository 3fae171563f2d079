// The load states of a run: per design combination its permanent loads with every subset
// of its variable load cases.

#include "model/C1ZirfCalc.h"

#include "analysis/Einbindung.h"
#include "model/C1ZirfInput.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

// Load case 1 carries the soil's own weight: it is never absent.
constexpr int kErsterVeraenderlicherLastfall = 2;

// The index of load case n in a factor table.
std::size_t Eintrag(int n) {
    return static_cast<std::size_t>(n - 1);
}

bool Ohne(const C1Lastzustand& z, std::size_t i) {
    return (z.ohne >> i & 1U) != 0;
}

} // namespace

KombiFaktoren FaktorenVon(const C1Bemessungskombination& k, const C1Lastzustand& z) {
    KombiFaktoren f = k.faktoren;
    for (std::size_t i = 0; i < k.veraenderlich.size(); ++i) {
        if (Ohne(z, i)) {
            f.faktor.at(Eintrag(k.veraenderlich[i])) = 0.0;
        }
    }
    return f;
}

bool IstStaendig(const C1Bemessungskombination& k, const C1Lastzustand& z) {
    for (std::size_t i = 0; i < k.veraenderlich.size(); ++i) {
        if (!Ohne(z, i)) {
            return false;
        }
    }
    return true;
}

bool IstVorhanden(const C1Bemessungskombination& k, const C1Lastzustand& z, int lf) {
    for (std::size_t i = 0; i < k.veraenderlich.size(); ++i) {
        if (k.veraenderlich[i] == lf) {
            return !Ohne(z, i);
        }
    }
    return true;
}

std::string TextVon(const C1Bemessungskombination& k, const C1Lastzustand& z) {
    std::string text = "LK " + std::to_string(k.kombi + 1);
    if (z.ohne == 0) {
        return text;
    }
    if (IstStaendig(k, z)) {
        return text + " ständig";
    }
    text += " ohne Lf ";
    bool erster = true;
    for (std::size_t i = 0; i < k.veraenderlich.size(); ++i) {
        if (Ohne(z, i)) {
            text += (erster ? "" : ", ") + std::to_string(k.veraenderlich[i]);
            erster = false;
        }
    }
    return text;
}

std::vector<std::pair<int, double>> C1ZirfCalc::FaktorenSchluessel(std::size_t k,
                                                                   std::uint64_t ohne) const {
    C1Lastzustand z;
    z.kombination = k;
    z.ohne = ohne;
    const KombiFaktoren f = FaktorenVon(bemessungsKombinationen.at(k), z);
    std::vector<std::pair<int, double>> name;
    for (int n = 1; n <= kKombiLastfaelle; ++n) {
        if (f.faktor.at(Eintrag(n)) != 0.0) {
            name.emplace_back(n, f.faktor.at(Eintrag(n)));
        }
    }
    return name;
}

std::size_t C1ZirfCalc::NimmZustand(std::size_t k, std::uint64_t ohne, bool spaetere) {
    C1Bemessungskombination& kombination = bemessungsKombinationen.at(k);
    if (const auto da = kombination.zustand.find(ohne); da != kombination.zustand.end()) {
        return da->second;
    }
    C1Lastzustand z;
    z.kombination = k;
    z.ohne = ohne;
    const auto [wo, neu] =
        zustandNachFaktoren.try_emplace(FaktorenSchluessel(k, ohne), zustaende.size());
    if (neu) {
        zustaende.push_back(z);
    } else if (spaetere) {
        zustaende[wo->second] = z;
    }
    kombination.zustand[ohne] = wo->second;
    return wo->second;
}

std::size_t C1ZirfCalc::Materialisiere(std::size_t k, std::uint64_t ohne) {
    return NimmZustand(k, ohne, false);
}

void C1ZirfCalc::BildeLastzustaende() {
    const C1ZirfInput& in = *pInput;
    bemessungsKombinationen.clear();
    zustaende.clear();
    zustandNachFaktoren.clear();
    for (std::size_t k = 0; k < in.kombi.size(); ++k) {
        const C1ZirfInput::LFKombi& lk = in.kombi[k];
        if (!einbindung::IstStrGeo(lk.art)) {
            continue;
        }
        C1Bemessungskombination kombination;
        kombination.kombi = static_cast<int>(k);
        kombination.faktoren = KombiFaktoren::Parse(lk.regel);
        for (int n = kErsterVeraenderlicherLastfall; n <= kKombiLastfaelle; ++n) {
            const std::size_t e = Eintrag(n);
            if (kombination.faktoren.lastfall.at(e) == n &&
                kombination.faktoren.faktor.at(e) != 0.0 && !IstStaendigerLastfall(n)) {
                kombination.veraenderlich.push_back(n);
            }
        }
        bemessungsKombinationen.push_back(kombination);
    }
    alleAufgezaehlt = AnzahlZustaende() <= aufzaehlenBis;
    // A state whose factors equal an earlier one's adds nothing: the load cases present
    // and their factors name it. Of equal states the wall without anchor reports the later
    // combination, the anchored wall the earlier (the rules for combinations of equal
    // depth).
    const bool spaetere = in.mitanker == 0 && in.berart == 0;
    for (std::size_t k = 0; k < bemessungsKombinationen.size(); ++k) {
        const std::uint64_t alleOhne = bemessungsKombinationen[k].AlleOhne();
        if (alleAufgezaehlt) {
            // Every subset of the variable load cases, all of them present first.
            for (std::uint64_t ohne = 0; ohne <= alleOhne; ++ohne) {
                NimmZustand(k, ohne, spaetere);
            }
            continue;
        }
        // The permanent loads, and each variable load case alone with them: every other
        // state of the combination is their sum, found where a value is sought.
        NimmZustand(k, alleOhne, spaetere);
        for (std::size_t j = 0; j < bemessungsKombinationen[k].veraenderlich.size(); ++j) {
            NimmZustand(k, alleOhne ^ (std::uint64_t{1} << j), spaetere);
        }
    }
}

const C1Bemessungskombination& C1ZirfCalc::KombinationVon(std::size_t z) const {
    return bemessungsKombinationen.at(zustaende.at(z).kombination);
}

std::string C1ZirfCalc::ZustandText(std::size_t z) const {
    return NamenNachFaktoren(ZustandFaktoren(z)).front();
}

std::vector<std::string> C1ZirfCalc::ZustandGleichNamen(std::size_t z) const {
    std::vector<std::string> namen = NamenNachFaktoren(ZustandFaktoren(z));
    namen.erase(namen.begin());
    return namen;
}

std::vector<std::pair<int, double>> C1ZirfCalc::ZustandFaktoren(std::size_t z) const {
    const C1Lastzustand& zustand = zustaende.at(z);
    return FaktorenSchluessel(zustand.kombination, zustand.ohne);
}

std::vector<std::string>
C1ZirfCalc::NamenNachFaktoren(const std::vector<std::pair<int, double>>& faktoren) const {
    // Each design combination that gives these factors, with the bits of the variable load
    // cases it must leave out for them.
    std::vector<std::pair<std::size_t, std::uint64_t>> geber;
    for (std::size_t k = 0; k < bemessungsKombinationen.size(); ++k) {
        const C1Bemessungskombination& kombination = bemessungsKombinationen[k];
        std::uint64_t ohne = 0;
        bool gibt = true;
        for (int n = 1; n <= kKombiLastfaelle && gibt; ++n) {
            double soll = 0.0;
            for (const auto& [lf, faktor] : faktoren) {
                soll = lf == n ? faktor : soll;
            }
            if (kombination.faktoren.faktor.at(Eintrag(n)) == soll) {
                continue;
            }
            gibt = false;
            for (std::size_t i = 0; i < kombination.veraenderlich.size(); ++i) {
                if (kombination.veraenderlich[i] == n && soll == 0.0) {
                    ohne |= std::uint64_t{1} << i;
                    gibt = true;
                }
            }
        }
        if (gibt) {
            geber.emplace_back(k, ohne);
        }
    }
    // The first combination that gives the state whole names it, else the first at all.
    std::stable_partition(geber.begin(), geber.end(), [](const auto& g) { return g.second == 0; });
    std::vector<std::string> namen;
    for (const auto& [k, ohne] : geber) {
        C1Lastzustand z;
        z.kombination = k;
        z.ohne = ohne;
        namen.push_back(TextVon(bemessungsKombinationen[k], z));
    }
    if (namen.empty()) {
        namen.emplace_back("LK ?");
    }
    return namen;
}
