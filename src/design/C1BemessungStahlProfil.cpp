#include "design/C1BemessungStahl.h"

#include "host/C1QEL.h"
#include "platform/C1Exception.h"
#include "platform/QEDOM.h"

#include <algorithm>
#include <cmath>
#include <utility>

// Profile set-up: the profile from its database (or the profile list of the host's
// document in design mode), the caches of databases and started profiles, and the
// section values written into the section.

namespace {

constexpr const char* kModul = "C1BemessungStahl::InitProfil";

std::string Attribut(QEDOM_HANDLE element, const char* name) {
    const char* text = QEDOM_GetString(element, name);
    return text != nullptr ? std::string(text) : std::string();
}

} // namespace

C1StahlProfilSchluessel C1BemessungStahl::Schluessel() const {
    C1StahlProfilSchluessel key;
    key.DBPfad = Quer.DatenbankPfad;
    key.Gruppe = Quer.Gruppe;
    key.Name = Quer.Name;
    key.Norm = Norm;
    key.NormNr = NormNr;
    key.gammaM0 = Stahlsorte.gammaM0;
    key.gammaM1 = Stahlsorte.gammaM1;
    key.gammaM2 = Stahlsorte.gammaM2;
    return key;
}

bool C1BemessungStahl::ListenSchluessel(C1StahlProfilSchluessel& key) {
    // ProfNr counts the entries from 1; the section keeps the first.
    QEDOM_HANDLE element = Quer.hProfData;
    if (element < 1)
        return false;
    for (int i = 1; i < Quer.ProfNr; ++i) {
        element = QEDOM_FindNextChild(element, "profData");
        if (element < 1)
            return false;
    }
    key.DBPfad = Attribut(element, "DBPath");
    key.Name = Attribut(element, "profName");
    Quer.Name = key.Name;
    return true;
}

int C1BemessungStahl::Datenbank(const std::string& pfad) {
    const auto gefunden = DBCache.find(pfad);
    if (gefunden != DBCache.end())
        return gefunden->second.Handle();
    // The path keeps its case; a relative one lies in the suite's common folder.
    const std::string ordner = pQel != nullptr ? pQel->GetPfadQEL() : std::string();
    KrvDatenbank db(KRV_DB_Open(KRV_PfadAufloesen(pfad, ordner), 2));
    if (!db.IstOffen())
        throw C1Exception("Profildatenbank " + pfad +
                              " konnte nicht geöffnet werden: " + KRV_LetzterFehler(),
                          kModul);
    const int handle = db.Handle();
    DBCache.emplace(pfad, std::move(db));
    return handle;
}

void C1BemessungStahl::Starten(const C1StahlProfilSchluessel& key) {
    const int db = Datenbank(key.DBPfad);
    const std::string projekt = Quer.Gruppe + "\\" + Quer.Name;
    KrvProfil profil;
    if (KRV_DB_GetProject(db, projekt, profil.Handle()) <= -1 ||
        KRV_PRO_Calculate(profil.Handle()) <= 0)
        throw C1Exception("Profil " + projekt + " konnte in Datenbank " + key.DBPfad +
                              " nicht geöffnet werden",
                          kModul);
    CstRechnung rechnung(CST_iStart(profil.Handle(), key.Norm, key.NormNr, key.gammaM0, key.gammaM1,
                                    key.gammaM2, 0.0, ""));
    if (rechnung.Handle() == 0)
        throw C1Exception("Profil " + projekt + ": " + CST_LetzterFehler(), kModul);
    C1StahlProfilEintrag eintrag;
    eintrag.db = db;
    eintrag.profil = std::move(profil);
    eintrag.rechnung = std::move(rechnung);
    ProfilCache.emplace(key, std::move(eintrag));
}

int C1BemessungStahl::InitProfil() {
    C1StahlProfilSchluessel key = Schluessel();
    if (Quer.Nachweis > 1 && !ListenSchluessel(key))
        return kKeinWeiteresProfil;
    ++nInit;
    auto eintrag = ProfilCache.find(key);
    if (eintrag == ProfilCache.end()) {
        // No earlier calculation stays attached should this one fail.
        Quer.hCalc = 0;
        Starten(key);
        eintrag = ProfilCache.find(key);
        ResetErgebnisse();
    }
    ++nStart;
    try {
        Querschnittswerte(eintrag->second.rechnung.Handle());
    } catch (const C1Exception&) {
        // Values refused (the grade's strength): nothing is to be checked on them.
        Quer.hCalc = 0;
        throw;
    }
    Quer.hCalc = eintrag->second.rechnung.Handle();
    return kProfilBereit;
}

void C1BemessungStahl::Querschnittswerte(int h) {
    if (Quer.d.size() < static_cast<std::size_t>(kDimensionen)) {
        Quer.d.resize(static_cast<std::size_t>(kDimensionen), 0.0);
        Quer.nDim = std::max(Quer.nDim, kDimensionen);
    }
    auto d = [this](int i) -> double& { return Quer.d.at(static_cast<std::size_t>(i)); };
    std::array<double, 6> P{};
    std::array<double, 11> D{};
    std::array<double, 20> T{};
    if (CST_iGetPlasticValues(h, Stahlsorte.fy / Stahlsorte.gammaM0, P) == 0 ||
        CST_iGetDimensions(h, D) == 0 || CST_iGetTqsValues(h, T) == 0)
        throw C1Exception("Profil " + Quer.Gruppe + "\\" + Quer.Name + ": " + CST_LetzterFehler(),
                          kModul);
    Quer.iProf = CST_iGetProfTypFei(h);

    d(36) = P[CST_P_NPL];
    d(37) = P[CST_P_VPLZ];
    d(38) = P[CST_P_VPLY];
    d(39) = P[CST_P_MPLZ];
    d(40) = P[CST_P_MPLY];

    d(10) = D[CST_D_GURT_OBEN];
    d(11) = D[CST_D_GURT_UNTEN];
    d(12) = D[CST_D_DICKE_OBEN] + D[CST_D_STEG] + D[CST_D_DICKE_UNTEN];
    d(13) = D[CST_D_DICKE_OBEN];
    d(14) = D[CST_D_DICKE_UNTEN];
    d(15) = D[CST_D_STEGDICKE];
    d(27) = D[CST_D_RADIUS];
    if (Quer.iProf == CST_TYP_RECHTECKROHR) {
        d(12) = D[CST_D_STEG];
    } else if (Quer.iProf == CST_TYP_RUNDROHR) {
        d(10) = d(11) = d(13) = d(14) = 0.0;
        d(12) = 2.0 * D[CST_D_STEG];
        d(15) = D[CST_D_STEG] - D[CST_D_STEGDICKE];
    }

    d(1) = T[CST_T_A];
    d(30) = T[CST_T_IY];
    d(31) = T[CST_T_IZ];
    d(20) = T[CST_T_IT];
    d(29) = std::tan(T[CST_T_WINKEL]);
    d(32) = T[CST_T_WY_OBEN];
    d(33) = T[CST_T_WY_UNTEN];
    d(34) = T[CST_T_WZ_LINKS];
    d(35) = T[CST_T_WZ_RECHTS];
    d(17) = T[CST_T_ZMAX] - T[CST_T_ZS];
    d(18) = T[CST_T_YS] - T[CST_T_YMIN];

    Quer.A = d(1);
    Quer.Iy = d(30);
    Quer.Iz = d(31);
    Quer.Wy = d(32);
    Quer.Wz = d(34);
}
