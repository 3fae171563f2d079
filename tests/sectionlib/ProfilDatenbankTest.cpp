// The profile table and the section values computed from its dimensions, against the
// values published in the steel makers' tables and against closed forms.

#include "sectionlib/ProfilDatenbank.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>

namespace {

const std::string tabelle = std::string(ZIRF_SOURCE_DIR) + "/src/sectionlib/Walzprofile.tab";

ProfilWerte laden(const std::string& projekt) {
    KrvDatenbank db(KRV_DB_Open(tabelle, 2));
    EXPECT_TRUE(db.IstOffen()) << KRV_LetzterFehler();
    KrvProfil p;
    EXPECT_EQ(KRV_DB_GetProject(db.Handle(), projekt, p.Handle()), KRV_GELADEN) << projekt;
    EXPECT_EQ(KRV_PRO_Calculate(p.Handle()), 1);
    const ProfilWerte* w = KRV_PRO_Werte(p.Handle());
    return w ? *w : ProfilWerte{};
}

struct Tabellenwert {
    const char* projekt;
    double A, Iy, Iz, Wely, Wply, Wplz, It, Iw; // cm², cm⁴, cm³, cm⁶; 0 = not compared
};

// Published values of the rolled-section tables (Euronorm dimensions). Tolerance 0.5 %.
const Tabellenwert tabellenwerte[] = {
    {"IPE\\IPE 300", 53.81, 8356, 603.8, 557.1, 628.4, 125.2, 20.12, 125.9e3},
    {"IPE\\IPE 200", 28.48, 1943, 142.4, 194.3, 220.6, 44.61, 6.98, 12.99e3},
    {"HEB\\HEB 200", 78.08, 5696, 2003, 569.6, 642.5, 305.8, 59.28, 171.1e3},
    {"HEA\\HEA 300", 112.5, 18260, 6310, 1260, 1383, 641.2, 85.17, 1200e3},
    {"IPE\\IPE 600", 156.0, 92080, 3387, 3069, 3512, 485.6, 165.4, 2846e3},
    {"HEB\\HEB 600", 270.0, 171000, 13530, 5701, 6425, 1391, 667.2, 10965e3},
    {"UPN\\UPN 200", 32.2, 1910, 148, 191, 228, 0, 0, 0},
    {"RHS\\RHS 200x100x8", 44.8, 2234, 739, 223, 282, 172, 0, 0},
};

void naheProzent(double ist, double soll, double prozent, const std::string& was) {
    if (soll == 0)
        return;
    EXPECT_NEAR(ist, soll, std::abs(soll) * prozent / 100.0) << was;
}

} // namespace

TEST(Profiltabelle, SectionValuesMatchPublishedTables) {
    for (const Tabellenwert& t : tabellenwerte) {
        const ProfilWerte w = laden(t.projekt);
        const std::string n = t.projekt;
        naheProzent(w.A, t.A, 0.5, n + " A");
        naheProzent(w.Iy, t.Iy, 0.5, n + " Iy");
        naheProzent(w.Iz, t.Iz, 0.5, n + " Iz");
        naheProzent(std::min(w.WyOben, w.WyUnten), t.Wely, 0.5, n + " Wel,y");
        naheProzent(w.Wply, t.Wply, 0.5, n + " Wpl,y");
        naheProzent(w.Wplz, t.Wplz, 0.5, n + " Wpl,z");
        naheProzent(w.It, t.It, 0.5, n + " It");
        naheProzent(w.Iw, t.Iw, 0.5, n + " Iw");
    }
}

TEST(Profiltabelle, ChannelCentroidAndPrincipalAxes) {
    // UPN 200: centroid 2.01 cm behind the back (published), symmetric about y, so the
    // principal axes are y and z; the I-section's centroid is its middle.
    const ProfilWerte u = laden("UPN\\UPN 200");
    EXPECT_NEAR(u.ys, 2.01, 0.01);
    EXPECT_NEAR(u.zs, 10.0, 1e-9);
    EXPECT_NEAR(u.alpha, 0.0, 1e-9);
    EXPECT_NEAR(u.I1, u.Iy, 1e-6);
    const ProfilWerte i = laden("IPE\\IPE 300");
    EXPECT_NEAR(i.ys, 7.5, 1e-9);
    EXPECT_NEAR(i.zs, 15.0, 1e-9);
}

TEST(Profiltabelle, HollowSectionsAgainstClosedForms) {
    constexpr double pi = std::numbers::pi;
    // Round tube 168.3 x 8 (closed forms; tables: A 40.3 cm², I 1297 cm⁴).
    const ProfilWerte c = laden("CHS\\CHS 168.3x8");
    const double D = 16.83, d = 16.83 - 1.6;
    EXPECT_NEAR(c.A, pi / 4 * (D * D - d * d), 1e-4 * c.A);
    EXPECT_NEAR(c.Iy, pi / 64 * (std::pow(D, 4) - std::pow(d, 4)), 1e-4 * c.Iy);
    EXPECT_NEAR(c.Iz, c.Iy, 1e-6 * c.Iy);
    EXPECT_NEAR(c.Wply, (std::pow(D, 3) - std::pow(d, 3)) / 6, 1e-4 * c.Wply);
    EXPECT_NEAR(c.It, 2 * c.Iy, 1e-4 * c.It);
    // Hot-finished 200 x 100 x 8 with rounded corners (1.5 t outside, t inside):
    // A = 2 t (b + h - 2 t) - (4 - pi)(ro² - ri²); tables 44.8 cm².
    const ProfilWerte r = laden("RHS\\RHS 200x100x8");
    EXPECT_NEAR(r.A, (2 * 0.8 * (10 + 20 - 1.6) - (4 - pi) * (1.2 * 1.2 - 0.8 * 0.8)), 1e-4 * r.A);
    // A box with sharp corners: the hole is subtracted in every integral.
    ProfilMasse kasten;
    kasten.art = ProfilArt::Rechteckrohr;
    kasten.h = 200, kasten.b = 100, kasten.tw = kasten.tf = 10;
    const ProfilWerte k = ProfilWerteBerechnen(kasten);
    EXPECT_NEAR(k.Iy, (10 * 8000 - 8 * 18 * 18 * 18) / 12.0, 1e-9 * k.Iy);
    EXPECT_NEAR(k.Iz, (20 * 1000 - 18 * 8 * 8 * 8) / 12.0, 1e-9 * k.Iz);
    EXPECT_NEAR(k.Wply, (10 * 400 - 8 * 18 * 18) / 4.0, 1e-6 * k.Wply);
    EXPECT_NEAR(k.Wplz, (20 * 100 - 18 * 8 * 8) / 4.0, 1e-6 * k.Wplz);
}

TEST(Profiltabelle, EveryTableLineMakesAProfile) {
    std::ifstream datei(tabelle);
    std::string zeile;
    int anzahl = 0;
    KrvDatenbank db(KRV_DB_Open(tabelle, 2));
    ASSERT_TRUE(db.IstOffen()) << KRV_LetzterFehler();
    while (std::getline(datei, zeile)) {
        if (zeile.empty() || zeile[0] == '#')
            continue;
        const auto a = zeile.find(';'), b = zeile.find(';', a + 1);
        const std::string projekt = zeile.substr(0, a) + "\\" + zeile.substr(a + 1, b - a - 1);
        KrvProfil p;
        ASSERT_EQ(KRV_DB_GetProject(db.Handle(), projekt, p.Handle()), KRV_GELADEN) << projekt;
        ASSERT_EQ(KRV_PRO_Calculate(p.Handle()), 1);
        const ProfilWerte w = *KRV_PRO_Werte(p.Handle());
        EXPECT_GT(w.A, 0) << projekt;
        EXPECT_GE(w.Iy, w.Iz * 0.999) << projekt;
        EXPECT_GT(w.Wply, std::min(w.WyOben, w.WyUnten)) << projekt;
        ++anzahl;
    }
    // IPE 80-600 (18), HEA and HEB 100-600 (19 each), UPN 80-400 (16), 6 RHS, 4 CHS.
    EXPECT_EQ(anzahl, 82);
}

TEST(Profildatenbank, MissingDatabaseAndMissingProfileSayWhich) {
    EXPECT_EQ(KRV_DB_Open("/nicht/da/Profile.tab", 2), -1);
    EXPECT_EQ(KRV_LetzterFehler(),
              "Profildatenbank \"/nicht/da/Profile.tab\" nicht gefunden oder nicht lesbar");

    // A folder is no table.
    EXPECT_EQ(KRV_DB_Open(ZIRF_SOURCE_DIR, 2), -1);
    EXPECT_EQ(KRV_LetzterFehler(), std::string("Profildatenbank \"") + ZIRF_SOURCE_DIR +
                                       "\" nicht gefunden oder nicht lesbar");

    KrvDatenbank db(KRV_DB_Open(tabelle, 2));
    KrvProfil p;
    EXPECT_EQ(KRV_DB_GetProject(db.Handle(), "IPE\\IPE 301", p.Handle()), KRV_PROFIL_FEHLT);
    EXPECT_EQ(KRV_LetzterFehler(),
              "Profil \"IPE\\IPE 301\" nicht in Profildatenbank \"" + tabelle + "\"");
    EXPECT_EQ(KRV_PRO_Calculate(p.Handle()), 0);
    EXPECT_EQ(KRV_PRO_Werte(p.Handle()), nullptr);

    EXPECT_EQ(KRV_DB_GetProject(db.Handle(), "IPE\\IPE 300", 999999), KRV_UNGUELTIG);
    EXPECT_EQ(KRV_DB_GetProject(999999, "IPE\\IPE 300", p.Handle()), KRV_UNGUELTIG);
    EXPECT_EQ(KRV_DB_Open(tabelle, 1), -1);
    EXPECT_NE(KRV_LetzterFehler().find("Modus 1"), std::string::npos);
}

TEST(Profildatenbank, MalformedLineNamesFileAndLine) {
    const std::filesystem::path pfad =
        std::filesystem::path(ZIRF_BINARY_DIR) / "tests" / "Profildatenbank_kaputt.tab";
    const struct {
        const char* zeile;
        const char* grund;
    } faelle[] = {
        {"IPE;IPE 1;I;80;46;3.8;5.2", "10 Felder erwartet"},
        {"IPE;IPE 1;X;80;46;3.8;5.2;5;0;0", "unbekannte Profilart \"X\""},
        {"IPE;IPE 1;I;80;46;drei;5.2;5;0;0", "keine Zahl: \"drei\""},
        {"IPE;IPE 1;I;80;46;0;5.2;5;0;0", "größer als 0"},
        {"IPE;IPE 1;I;20;46;3.8;5.2;5;0;0", "passen nicht"},
    };
    for (const auto& f : faelle) {
        std::ofstream(pfad) << "# Kopf\nIPE;IPE 2;I;80;46;3.8;5.2;5;0;0\n" << f.zeile << "\n";
        EXPECT_EQ(KRV_DB_Open(pfad.string(), 2), -1) << f.zeile;
        EXPECT_NE(KRV_LetzterFehler().find("Zeile 3: "), std::string::npos) << KRV_LetzterFehler();
        EXPECT_NE(KRV_LetzterFehler().find(f.grund), std::string::npos) << KRV_LetzterFehler();
    }
    std::ofstream(pfad) << "IPE;IPE 2;I;80;46;3.8;5.2;5;0;0\nIPE;IPE 2;I;80;46;3.8;5.2;5;0;0\n";
    EXPECT_EQ(KRV_DB_Open(pfad.string(), 2), -1);
    EXPECT_NE(KRV_LetzterFehler().find("Zeile 2: Profil \"IPE\\IPE 2\" doppelt"),
              std::string::npos);
    std::filesystem::remove(pfad);
}

TEST(Profildatenbank, PathKeepsCaseAndResolvesAgainstCommonFolder) {
    const struct {
        const char* pfad;
        const char* ordner;
        const char* erwartet;
    } faelle[] = {
        {"Db\\Profile.TAB", "/opt/Suite/Common", "/opt/Suite/Common/Db/Profile.TAB"},
        {"Db/Profile.TAB", "/opt/Suite/Common/", "/opt/Suite/Common/Db/Profile.TAB"},
        {"/X/Qel/Db/P.db", "/opt/Suite", "/X/Qel/Db/P.db"},
        {"X\\Qel\\Db\\P.db", "", "X/Qel/Db/P.db"},
        {"", "/opt", ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(KRV_PfadAufloesen(f.pfad, f.ordner), f.erwartet);
    // A relative path opens against the folder given.
    const std::string ordner = std::string(ZIRF_SOURCE_DIR) + "/src";
    KrvDatenbank db(KRV_DB_Open(KRV_PfadAufloesen("sectionlib\\Walzprofile.tab", ordner), 2));
    EXPECT_TRUE(db.IstOffen()) << KRV_LetzterFehler();
}

TEST(Profildatenbank, HandlesAreReleasedByTheirOwners) {
    int db = -1, pro = 0;
    {
        KrvDatenbank d(KRV_DB_Open(tabelle, 2));
        KrvProfil p;
        db = d.Handle();
        pro = p.Handle();
        KrvDatenbank verschoben = std::move(d);
        EXPECT_EQ(verschoben.Handle(), db);
        EXPECT_EQ(d.Handle(), -1);
    }
    EXPECT_EQ(KRV_DB_Close(db), 0);
    EXPECT_EQ(KRV_PRO_Delete(pro), 0);
    const long vorher = KRV_AnzahlDatenbankzugriffe();
    KrvDatenbank d(KRV_DB_Open(tabelle, 2));
    KrvProfil p;
    KRV_DB_GetProject(d.Handle(), "HEB\\HEB 200", p.Handle());
    EXPECT_EQ(KRV_AnzahlDatenbankzugriffe(), vorher + 2);
    EXPECT_EQ(KRV_PRO_Name(p.Handle()), "HEB\\HEB 200");
}
