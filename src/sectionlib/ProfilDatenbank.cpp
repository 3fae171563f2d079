#include "sectionlib/ProfilDatenbank.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

namespace {

struct Eintrag {
    std::string gruppe, name;
    ProfilMasse masse;
};

struct Datenbank {
    std::string pfad;
    std::map<std::string, Eintrag> profile; // by "group\name"
};

struct Profilobjekt {
    std::optional<Eintrag> eintrag;
    std::optional<ProfilWerte> werte;
};

// The library's handle tables; the module is single-threaded.
std::map<int, Datenbank> g_datenbanken;
std::map<int, Profilobjekt> g_profile;
int g_naechsteDatenbank = 1;
int g_naechstesProfil = 1;
std::string g_fehler;
long g_zugriffe = 0;

std::string trimmen(const std::string& s) {
    const auto a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos)
        return "";
    return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

std::vector<std::string> felder(const std::string& zeile) {
    std::vector<std::string> f;
    std::stringstream ss(zeile);
    std::string teil;
    while (std::getline(ss, teil, ';'))
        f.push_back(trimmen(teil));
    return f;
}

std::optional<ProfilArt> artAusText(const std::string& t) {
    if (t == "I")
        return ProfilArt::IProfil;
    if (t == "U")
        return ProfilArt::UProfil;
    if (t == "RHS")
        return ProfilArt::Rechteckrohr;
    if (t == "CHS")
        return ProfilArt::Rundrohr;
    return std::nullopt;
}

bool zahl(const std::string& t, double& wert) {
    try {
        size_t n = 0;
        wert = std::stod(t, &n);
        return n == t.size();
    } catch (const std::exception&) {
        return false;
    }
}

// One table line into an entry; the reason when it does not make a profile.
std::string zeileLesen(const std::string& zeile, Eintrag& e) {
    const std::vector<std::string> f = felder(zeile);
    if (f.size() != 10)
        return "10 Felder erwartet (Gruppe;Name;Art;h;b;tw;tf;r;r2;Neigung)";
    e.gruppe = f[0];
    e.name = f[1];
    if (e.gruppe.empty() || e.name.empty())
        return "Gruppe und Name dürfen nicht leer sein";
    const auto art = artAusText(f[2]);
    if (!art)
        return "unbekannte Profilart \"" + f[2] + "\"";
    e.masse.art = *art;
    double* ziele[] = {&e.masse.h, &e.masse.b,  &e.masse.tw,     &e.masse.tf,
                       &e.masse.r, &e.masse.r2, &e.masse.neigung};
    for (size_t i = 0; i < 7; ++i)
        if (!zahl(f[3 + i], *ziele[i]))
            return "keine Zahl: \"" + f[3 + i] + "\"";
    return ProfilMassePruefen(e.masse);
}

} // namespace

std::string KRV_PfadAufloesen(const std::string& pfad, const std::string& gemeinsamerOrdner) {
    auto schraeg = [](std::string s) {
        for (char& c : s)
            if (c == '\\')
                c = '/';
        return s;
    };
    const std::string p = schraeg(pfad);
    if (p.empty() || p.front() == '/' || gemeinsamerOrdner.empty())
        return p;
    std::string ordner = schraeg(gemeinsamerOrdner);
    if (ordner.back() != '/')
        ordner += '/';
    return ordner + p;
}

int KRV_DB_Open(const std::string& pfad, int modus) {
    ++g_zugriffe;
    if (modus != 2) {
        g_fehler = "Profildatenbank \"" + pfad + "\": Modus " + std::to_string(modus) +
                   " nicht unterstützt (nur 2, lesen)";
        return -1;
    }
    std::error_code fehler;
    std::ifstream datei;
    if (std::filesystem::is_regular_file(pfad, fehler))
        datei.open(pfad);
    if (!datei.is_open()) {
        g_fehler = "Profildatenbank \"" + pfad + "\" nicht gefunden oder nicht lesbar";
        return -1;
    }
    Datenbank db;
    db.pfad = pfad;
    std::string zeile;
    for (int nr = 1; std::getline(datei, zeile); ++nr) {
        const std::string t = trimmen(zeile);
        if (t.empty() || t.front() == '#')
            continue;
        Eintrag e;
        const std::string fehler = zeileLesen(t, e);
        const std::string schluessel = e.gruppe + "\\" + e.name;
        if (fehler.empty() && db.profile.count(schluessel) > 0) {
            g_fehler = "Profildatenbank \"" + pfad + "\", Zeile " + std::to_string(nr) +
                       ": Profil \"" + schluessel + "\" doppelt";
            return -1;
        }
        if (!fehler.empty()) {
            g_fehler =
                "Profildatenbank \"" + pfad + "\", Zeile " + std::to_string(nr) + ": " + fehler;
            return -1;
        }
        db.profile.emplace(schluessel, std::move(e));
    }
    if (datei.bad()) {
        g_fehler = "Profildatenbank \"" + pfad + "\" nicht lesbar";
        return -1;
    }
    const int handle = g_naechsteDatenbank++;
    g_datenbanken.emplace(handle, std::move(db));
    return handle;
}

int KRV_DB_Close(int db) {
    return g_datenbanken.erase(db) > 0 ? 1 : 0;
}

int KRV_PRO_Create() {
    const int handle = g_naechstesProfil++;
    g_profile.emplace(handle, Profilobjekt{});
    return handle;
}

int KRV_PRO_Delete(int profil) {
    return g_profile.erase(profil) > 0 ? 1 : 0;
}

int KRV_DB_GetProject(int db, const std::string& projekt, int profil) {
    ++g_zugriffe;
    const auto d = g_datenbanken.find(db);
    const auto p = g_profile.find(profil);
    if (d == g_datenbanken.end() || p == g_profile.end()) {
        g_fehler =
            d == g_datenbanken.end() ? "Profildatenbank nicht geöffnet" : "ungültiges Profilobjekt";
        return KRV_UNGUELTIG;
    }
    const auto trenner = projekt.find('\\');
    const std::string schluessel =
        trenner == std::string::npos
            ? projekt
            : trimmen(projekt.substr(0, trenner)) + "\\" + trimmen(projekt.substr(trenner + 1));
    const auto e = d->second.profile.find(schluessel);
    if (e == d->second.profile.end()) {
        g_fehler = "Profil \"" + projekt + "\" nicht in Profildatenbank \"" + d->second.pfad + "\"";
        return KRV_PROFIL_FEHLT;
    }
    p->second.eintrag = e->second;
    p->second.werte.reset();
    return KRV_GELADEN;
}

int KRV_PRO_Calculate(int profil) {
    const auto p = g_profile.find(profil);
    if (p == g_profile.end() || !p->second.eintrag) {
        g_fehler = "Profilobjekt ohne geladenes Profil";
        return 0;
    }
    p->second.werte = ProfilWerteBerechnen(p->second.eintrag->masse);
    return 1;
}

const ProfilMasse* KRV_PRO_Masse(int profil) {
    const auto p = g_profile.find(profil);
    return p != g_profile.end() && p->second.eintrag ? &p->second.eintrag->masse : nullptr;
}

const ProfilWerte* KRV_PRO_Werte(int profil) {
    const auto p = g_profile.find(profil);
    return p != g_profile.end() && p->second.werte ? &*p->second.werte : nullptr;
}

std::string KRV_PRO_Name(int profil) {
    const auto p = g_profile.find(profil);
    if (p == g_profile.end() || !p->second.eintrag)
        return "";
    return p->second.eintrag->gruppe + "\\" + p->second.eintrag->name;
}

const std::string& KRV_LetzterFehler() {
    return g_fehler;
}

long KRV_AnzahlDatenbankzugriffe() {
    return g_zugriffe;
}

KrvDatenbank& KrvDatenbank::operator=(KrvDatenbank&& o) noexcept {
    if (this != &o) {
        if (m_handle > 0)
            KRV_DB_Close(m_handle);
        m_handle = o.m_handle;
        o.m_handle = -1;
    }
    return *this;
}

KrvDatenbank::~KrvDatenbank() {
    if (m_handle > 0)
        KRV_DB_Close(m_handle);
}

KrvProfil& KrvProfil::operator=(KrvProfil&& o) noexcept {
    if (this != &o) {
        if (m_handle > 0)
            KRV_PRO_Delete(m_handle);
        m_handle = o.m_handle;
        o.m_handle = 0;
    }
    return *this;
}

KrvProfil::~KrvProfil() {
    if (m_handle > 0)
        KRV_PRO_Delete(m_handle);
}
