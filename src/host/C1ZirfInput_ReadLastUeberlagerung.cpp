// Reader of lastUeberlagerung: partial factors, combination-factor sets, load cases,
// actions and load combinations.

#include "host/C1ZirfInputAttr.h"
#include "model/C1ZirfInput.h"
#include "platform/C1Exception.h"

#include <string>

namespace {

constexpr const char* kModule = "C1ZirfInput::ReadLastUeberlagerung";

// Set 0 stands for the permanent actions until the document names it.
constexpr const char* kNameStaendig = "ständig";

// `indexGruppe` values of the variable actions counted in nEinwirkungQ.
constexpr int kMinGruppeQ = 1;
constexpr int kMaxGruppeQ = 12;

} // namespace

int C1ZirfInput::ReadSicherheitsbeiwerte(QEDOM_HANDLE handle) {
    using T = Teilsicherheitsbeiwerte;
    const zirf_input::Element s(handle, "lastUeberlagerung sicherheitsbeiwerte", zahlen);
    struct Kind {
        int art;
        const char* prefix;
    };
    // Situation by situation: gamma_g, gamma_q, gamma_a of 1, 2, 3, then gamma_e0g.
    static constexpr Kind kKinds[] = {
        {T::gamma_g, "gamma_g_"}, {T::gamma_q, "gamma_q_"}, {T::gamma_a, "gamma_a_"}};
    for (int situation = 1; situation <= T::kAnzahlSituationen; ++situation) {
        for (const Kind& kind : kKinds) {
            const std::string name = kind.prefix + std::to_string(situation);
            teilsicherheit.Set(kind.art, situation, s.Double(name.c_str()));
        }
    }
    for (int situation = 1; situation <= T::kAnzahlSituationen; ++situation) {
        const std::string name = "gamma_e0g_" + std::to_string(situation);
        teilsicherheit.Set(T::gamma_e0g, situation, s.Double(name.c_str()));
    }

    kombiBeiwerte.at(0).name = kNameStaendig;
    int k = 0;
    for (QEDOM_HANDLE e = QEDOM_FindFirstChild(handle, "kombinationsbeiwerte"); e != 0;
         e = QEDOM_FindNextChild(e, "kombinationsbeiwerte")) {
        zirf_input::CheckTableLimit(k, kMaxKombiBeiwerte, "sicherheitsbeiwerte",
                                    "Sätze von Kombinationsbeiwerten ('kombinationsbeiwerte')",
                                    kModule);
        SKombiBeiwerte& set = kombiBeiwerte.at(static_cast<std::size_t>(k));
        set.name = zirf_input::ReadText(e, "name", kLenKombiName);
        const zirf_input::Element element(e, "kombinationsbeiwerte", zahlen,
                                          " Nr. " + std::to_string(k + 1) + " (\"" + set.name +
                                              "\")");
        element.Doubles<SKombiBeiwerte>(set, {{"psi0", &SKombiBeiwerte::psi0},
                                              {"psi1", &SKombiBeiwerte::psi1},
                                              {"psi2", &SKombiBeiwerte::psi2}});
        ++k;
    }
    return k;
}

void C1ZirfInput::ReadLastfaelle(QEDOM_HANDLE lastfaelle) {
    int j = 0;
    for (QEDOM_HANDLE e = QEDOM_FindFirstChild(lastfaelle, "lastfall"); e != 0;
         e = QEDOM_FindNextChild(e, "lastfall")) {
        zirf_input::CheckTableLimit(j, kMaxLastfall, "lastfaelle", "Lastfälle ('lastfall')",
                                    kModule);
        const zirf_input::Element lastfall(e, "lastfaelle lastfall", zahlen,
                                           " Nr. " + std::to_string(j + 1));
        lastfallLf.at(static_cast<std::size_t>(j)) = lastfall.Int("lf");
        lastfallEinw.at(static_cast<std::size_t>(j)) = lastfall.Int("einw");
        ++j;
    }
    iLetzterLastfall = j - 1;
}

void C1ZirfInput::ReadEinwirkungen(QEDOM_HANDLE einwirkungen, int nKombiBeiwerte) {
    // Set 0 exists even when the document names no set.
    const int nSets = nKombiBeiwerte > 0 ? nKombiBeiwerte : 1;
    nEinwirkungQ = 0;
    int a = 0;
    for (QEDOM_HANDLE e = QEDOM_FindFirstChild(einwirkungen, "einwirkung"); e != 0;
         e = QEDOM_FindNextChild(e, "einwirkung")) {
        zirf_input::CheckTableLimit(a, kMaxEinwirkung, "einwirkungen",
                                    "Einwirkungen ('einwirkung')", kModule);
        SEinwirkung& action = einwirkung.at(static_cast<std::size_t>(a));
        const zirf_input::Element element(e, "einwirkungen einwirkung", zahlen,
                                          " Nr. " + std::to_string(a + 1));
        action.art = element.Int("indexGruppe");
        if (action.art >= kMinGruppeQ && action.art <= kMaxGruppeQ) {
            ++nEinwirkungQ;
        }
        action.indexKategorie = element.Int("indexKategorie");
        // The category picks the action's combination factors: one that names no set
        // would give factors from nowhere.
        if (action.indexKategorie < 0 || action.indexKategorie >= nSets) {
            throw C1Exception(
                "xml-Eingabedatei, Element 'einwirkung' Nr. " + std::to_string(a + 1) +
                    ": Attribut 'indexKategorie' = " + std::to_string(action.indexKategorie) +
                    " verweist auf keinen der " + std::to_string(nSets) +
                    " Sätze von Kombinationsbeiwerten",
                kModule);
        }
        action.lastfaelle = zirf_input::ReadText(e, "lastfaelle", kLenEinwirkungLastfaelle);
        const SKombiBeiwerte& set =
            kombiBeiwerte.at(static_cast<std::size_t>(action.indexKategorie));
        action.name = set.name;
        action.psi0 = set.psi0;
        action.psi1 = set.psi1;
        action.psi2 = set.psi2;
        ++a;
    }
    iLetzteEinwirkung = a - 1;
}

void C1ZirfInput::ReadKombinationen(QEDOM_HANDLE results) {
    kombi.clear();
    for (QEDOM_HANDLE e = QEDOM_FindFirstChild(results, "result"); e != 0;
         e = QEDOM_FindNextChild(e, "result")) {
        LFKombi k;
        k.index = static_cast<int>(kombi.size());
        k.art = zirf_input::ReadString(e, "art");
        k.regel = zirf_input::ReadString(e, "regel");
        kombi.push_back(std::move(k));
    }
    iLetzteKombi = static_cast<int>(kombi.size()) - 1;
}

int C1ZirfInput::ReadLastUeberlagerung() {
    const QEDOM_HANDLE l = FindSection("lastUeberlagerung");
    if (l == 0) {
        return 0;
    }
    // Missing sub-elements reach the lookups as element 0 and yield no children.
    const QEDOM_HANDLE s = QEDOM_FindFirstChild(l, "sicherheitsbeiwerte");
    const int nKombiBeiwerte = ReadSicherheitsbeiwerte(s);
    ReadLastfaelle(QEDOM_FindFirstChild(l, "lastfaelle"));
    ReadEinwirkungen(QEDOM_FindFirstChild(l, "einwirkungen"), nKombiBeiwerte);
    ReadKombinationen(QEDOM_FindFirstChild(l, "results"));
    return 1;
}
