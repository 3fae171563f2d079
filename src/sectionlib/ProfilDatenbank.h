#pragma once

// The profile database: a text table of rolled and hollow steel profiles by their
// nominal dimensions, opened by path and read by "group\name". A profile object holds
// one profile's dimensions and, once calculated, its section values. Databases and
// profile objects are handles into tables of this library; whoever opens or creates one
// releases it (KRV_DB_Close, KRV_PRO_Delete, or the owning wrappers below).

#include "sectionlib/ProfilGeometrie.h"

#include <string>

// Statuses of KRV_DB_GetProject.
inline constexpr int KRV_GELADEN = 0;
inline constexpr int KRV_PROFIL_FEHLT = -1; // the database has no such profile
inline constexpr int KRV_UNGUELTIG = -2;    // unknown database or profile handle

// A relative path resolved against the suite's common folder; an absolute path, or any
// path when no folder is given, stays as it is. Case is kept; backslashes (paths from
// Windows hosts) become slashes.
std::string KRV_PfadAufloesen(const std::string& pfad, const std::string& gemeinsamerOrdner);

// Opens the table at the path (mode 2: read). The database handle, or -1 when the file
// is missing, unreadable or malformed, or the mode is not 2; KRV_LetzterFehler says which.
int KRV_DB_Open(const std::string& pfad, int modus);
// Releases a database; 1 when the handle was open, else 0.
int KRV_DB_Close(int db);

// A new, empty profile object (never 0 or negative).
int KRV_PRO_Create();
// Releases a profile object; 1 when the handle was valid, else 0.
int KRV_PRO_Delete(int profil);

// Loads the profile "group\name" of the database into the profile object:
// KRV_GELADEN, KRV_PROFIL_FEHLT or KRV_UNGUELTIG (with KRV_LetzterFehler).
int KRV_DB_GetProject(int db, const std::string& projekt, int profil);

// Computes the section values of a loaded profile: 1, or 0 when the object holds none.
int KRV_PRO_Calculate(int profil);

// The loaded dimensions and the calculated values and name ("group\name") of a profile
// object; null when the object holds no loaded (or no calculated) profile.
const ProfilMasse* KRV_PRO_Masse(int profil);
const ProfilWerte* KRV_PRO_Werte(int profil);
std::string KRV_PRO_Name(int profil);

// The reason of the last failure of a KRV_ call, in German, naming the file or profile.
const std::string& KRV_LetzterFehler();

// Number of calls that read a database (opens and profile loads) since the library was
// loaded; lets a caller confirm that its caches spare the database.
long KRV_AnzahlDatenbankzugriffe();

// Owners of a database handle and a profile object: released when they go.
class KrvDatenbank {
public:
    KrvDatenbank() = default;
    explicit KrvDatenbank(int handle) : m_handle(handle) {}
    KrvDatenbank(KrvDatenbank&& o) noexcept : m_handle(o.m_handle) { o.m_handle = -1; }
    KrvDatenbank& operator=(KrvDatenbank&& o) noexcept;
    KrvDatenbank(const KrvDatenbank&) = delete;
    KrvDatenbank& operator=(const KrvDatenbank&) = delete;
    ~KrvDatenbank();
    int Handle() const { return m_handle; }
    bool IstOffen() const { return m_handle > 0; }

private:
    int m_handle = -1;
};

class KrvProfil {
public:
    KrvProfil() : m_handle(KRV_PRO_Create()) {}
    KrvProfil(KrvProfil&& o) noexcept : m_handle(o.m_handle) { o.m_handle = 0; }
    KrvProfil& operator=(KrvProfil&& o) noexcept;
    KrvProfil(const KrvProfil&) = delete;
    KrvProfil& operator=(const KrvProfil&) = delete;
    ~KrvProfil();
    int Handle() const { return m_handle; }

private:
    int m_handle = 0;
};
