// The steel design's profile set-up: section values from the profile table, the caches
// of databases and started profiles, database paths, the refusals, and the small
// helpers (curve codes, ratio check, moment amplification).

#include "StahlFixture.h"

#include "../support/ScratchFolder.h"
#include "host/C1QEL.h"

#include <filesystem>
#include <limits>

TEST(C1BemessungStahl, DefaultsAndMaterialOfTheSteelTypesOnly) {
    C1BemessungStahl s;
    EXPECT_EQ(s.Bemetyp, 2);
    EXPECT_EQ(s.nDim, 41);
    EXPECT_EQ(s.Norm, "DIN");
    EXPECT_EQ(s.Stahlsorte.fy, 240.0);
    EXPECT_EQ(s.Stahlsorte.gammaM0, 1.1);
    EXPECT_EQ(s.bSpannE + s.bSpannP + s.bKnick + s.bBDK + s.bGrenzwert, 0);
    EXPECT_EQ(s.nInit + s.nStart, 0);
    EXPECT_EQ(s.GetEModul(), 210000.0);
    EXPECT_EQ(s.GetWichte(), 78.5);
    s.Bemetyp = 1; // a concrete type: not this class's material
    EXPECT_EQ(s.GetEModul(), 0.0);
    EXPECT_EQ(s.GetWichte(), 0.0);
    EXPECT_EQ(s.GetEStahl(), 210000.0);
    EXPECT_EQ(C1BemessungStahl("EN 1993-1-1").Norm, "EN 1993-1-1");
}

TEST_F(StahlBemessung, SectionValuesOfTheProfileAtTheirPlaces) {
    ASSERT_EQ(b.InitProfil(), C1BemessungStahl::kProfilBereit);
    const C1Quer& q = b.Quer;
    EXPECT_EQ(q.iProf, CST_TYP_I);
    // Published section values (0.5 %).
    EXPECT_ANTEIL(q.D(1), 53.81);
    EXPECT_ANTEIL(q.D(30), 8356.0);
    EXPECT_ANTEIL(q.D(31), 603.8);
    EXPECT_ANTEIL(q.D(32), 557.1);
    EXPECT_ANTEIL(q.D(33), 557.1);
    EXPECT_ANTEIL(q.D(34), 80.5);
    EXPECT_ANTEIL(q.D(20), 20.12);
    EXPECT_ANTEIL(q.D(36), kNplIpe300);
    EXPECT_ANTEIL(q.D(40), kMplyIpe300);
    EXPECT_ANTEIL(q.D(39), kMplzIpe300);
    EXPECT_ANTEIL(q.D(37), 25.68 * 23.5 / std::sqrt(3.0)); // Vpl,z with Avz 25.68 cm²
    EXPECT_EQ(q.A, q.D(1));
    EXPECT_EQ(q.Iy, q.D(30));
    EXPECT_EQ(q.Iz, q.D(31));
    EXPECT_EQ(q.Wy, q.D(32));
    EXPECT_EQ(q.Wz, q.D(34));
    EXPECT_EQ(b.GetWz(), q.D(34));
    // Nominal dimensions in cm: flanges, height, web, root radius; centroid from the
    // bottom and from the left; no skew of the principal axes.
    const struct {
        int i;
        double wert;
    } masse[] = {{10, 15.0}, {11, 15.0}, {12, 30.0}, {13, 1.07}, {14, 1.07},
                 {15, 0.71}, {27, 1.5},  {17, 15.0}, {18, 7.5},  {29, 0.0}};
    for (const auto& m : masse)
        EXPECT_NEAR(q.D(m.i), m.wert, 1e-9) << "d[" << m.i << "]";
    EXPECT_NEAR(q.GetHoehe(), 30.0, 1e-9);
    EXPECT_NEAR(q.GetBreite(), 15.0, 1e-9);
}

TEST_F(StahlBemessung, HollowSectionsTheirTypesAndOuterMeasures) {
    // Published: RHS 200x100x8 A 44.8 cm², Iy 2234 cm⁴; CHS 168.3x8 A 40.3 cm², I 1297 cm⁴.
    const struct {
        const char* gruppe;
        const char* name;
        int typ;
        double A, Iy, hoehe, d10, d15;
    } faelle[] = {
        {"RHS", "RHS 200x100x8", CST_TYP_RECHTECKROHR, 44.8, 2234.0, 20.0, 10.0, 0.8},
        {"CHS", "CHS 168.3x8", CST_TYP_RUNDROHR, 40.3, 1297.0, 16.83, 0.0, 16.83 / 2 - 0.8}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Profil(b, f.gruppe, f.name);
        ASSERT_EQ(b.InitProfil(), C1BemessungStahl::kProfilBereit);
        EXPECT_EQ(b.Quer.iProf, f.typ);
        EXPECT_ANTEIL(b.Quer.A, f.A);
        EXPECT_ANTEIL(b.Quer.Iy, f.Iy);
        EXPECT_NEAR(b.Quer.D(12), f.hoehe, 1e-9);
        EXPECT_NEAR(b.Quer.D(10), f.d10, 1e-9);
        EXPECT_NEAR(b.Quer.D(15), f.d15, 1e-9);
    }
}

TEST_F(StahlBemessung, ASecondSetUpOfTheSameKeyMakesNoDatabaseCall) {
    ASSERT_EQ(b.InitProfil(), 0);
    const int h = b.Quer.hCalc;
    const long zugriffe = KRV_AnzahlDatenbankzugriffe();
    ASSERT_EQ(b.InitProfil(), 0);
    EXPECT_EQ(KRV_AnzahlDatenbankzugriffe(), zugriffe);
    EXPECT_EQ(b.Quer.hCalc, h);
    EXPECT_EQ(b.nInit, 2);
    EXPECT_EQ(b.nStart, 2);
    EXPECT_EQ(b.ProfilCache.size(), 1u);
    EXPECT_ANTEIL(b.Quer.D(1), 53.81); // the section values are written again

    // Two more profiles of the same database: an entry each, with its own calculation,
    // and only the profiles are read (the database is open).
    int handles[2] = {};
    const char* namen[2] = {"IPE 180", "IPE 270"};
    for (int i = 0; i < 2; ++i) {
        Profil(b, "IPE", namen[i]);
        const long vorher = KRV_AnzahlDatenbankzugriffe();
        ASSERT_EQ(b.InitProfil(), 0);
        EXPECT_EQ(KRV_AnzahlDatenbankzugriffe(), vorher + 1) << namen[i];
        handles[i] = b.Quer.hCalc;
    }
    EXPECT_EQ(b.ProfilCache.size(), 3u);
    EXPECT_EQ(b.DBCache.size(), 1u);
    EXPECT_NE(handles[0], handles[1]);
    EXPECT_NE(handles[0], h);
    EXPECT_ANTEIL(b.Quer.D(30), 5790.0); // IPE 270 published Iy

    // The group is part of the key: the same name in another group is another profile,
    // here one the table does not hold, never the profile started before.
    Profil(b, "HEA", "IPE 270");
    EXPECT_THROW(b.InitProfil(), C1Exception);
    Profil(b, "IPE", "IPE 270");

    // The code's partial factors are part of the key: a calculation of their own.
    b.Stahlsorte.gammaM1 = 1.1;
    ASSERT_EQ(b.InitProfil(), 0);
    EXPECT_EQ(b.ProfilCache.size(), 4u);
    EXPECT_NE(b.Quer.hCalc, handles[1]);
}

TEST(C1BemessungStahl, DatabasesAndCalculationsAreReleasedWithTheObject) {
    std::vector<int> rechnungen;
    int db = 0;
    {
        C1BemessungStahl s;
        EN1993(s);
        for (const char* name : {"IPE 180", "IPE 300"}) {
            Profil(s, "IPE", name);
            ASSERT_EQ(s.InitProfil(), 0);
            rechnungen.push_back(s.Quer.hCalc);
        }
        db = s.DBCache.begin()->second.Handle();
        for (int h : rechnungen)
            EXPECT_EQ(CST_iGetProfTypFei(h), CST_TYP_I);
    }
    for (int h : rechnungen)
        EXPECT_EQ(CST_iGetProfTypFei(h), 0) << "calculation " << h << " still open";
    EXPECT_EQ(KRV_DB_Close(db), 0) << "database still open";
}

TEST(C1BemessungStahl, RelativePathsLieInTheCommonFolderAndKeepTheirCase) {
    ScratchFolder ordner("stahlpfad");
    std::filesystem::create_directories(ordner.path() / "Qel" / "Db");
    std::filesystem::copy_file(kTabelle, ordner.path() / "Qel" / "Db" / "Profile.TAB");
    C1QEL qel;
    qel.PfadQEL = (ordner.path() / "Qel").string();

    // With the host context a relative path (a Windows host writes backslashes) lies in
    // the common folder, in check and in design mode; its case stays.
    C1BemessungStahl s;
    EN1993(s);
    s.pQel = &qel;
    Profil(s, "IPE", "IPE 300", "Db\\Profile.TAB");
    EXPECT_EQ(s.InitProfil(), 0);
    Profilliste liste({{std::string("Db\\Profile.TAB"), std::string("IPE 240")}});
    s.Quer.Nachweis = 2;
    s.Quer.hProfData = liste.Erstes();
    s.Quer.ProfNr = 1;
    EXPECT_EQ(s.InitProfil(), 0);
    EXPECT_EQ(s.Quer.Name, "IPE 240");
    // An absolute path is taken as it is.
    C1BemessungStahl absolut;
    EN1993(absolut);
    absolut.pQel = &qel;
    Profil(absolut, "IPE", "IPE 300", (ordner.path() / "Qel" / "Db" / "Profile.TAB").string());
    EXPECT_EQ(absolut.InitProfil(), 0);
    // Without a host context a relative path is opened from the current folder.
    C1BemessungStahl ohne;
    EN1993(ohne);
    Profil(ohne, "IPE", "IPE 300", "Qel/Db/Profile.TAB");
    EXPECT_EQ(ohne.InitProfil(), 0);
    Profil(ohne, "IPE", "IPE 300", "qel/db/profile.tab");
    EXPECT_THROW(ohne.InitProfil(), C1Exception);
}

TEST_F(StahlBemessung, MissingDatabaseAndMissingProfileAreToldApartAfterOneAttempt) {
    // A database that is not there: one open, and a message about the database.
    Profil(b, "IPE", "IPE 300", "/gibt/es/nicht.tab");
    long vorher = KRV_AnzahlDatenbankzugriffe();
    C1Exception e = Verweigerung([&] { b.InitProfil(); });
    EXPECT_EQ(KRV_AnzahlDatenbankzugriffe(), vorher + 1);
    EXPECT_EQ(e.module, "C1BemessungStahl::InitProfil");
    EXPECT_EQ(e.text.rfind("Profildatenbank /gibt/es/nicht.tab konnte nicht geöffnet werden", 0),
              0u)
        << e.text;
    EXPECT_EQ(b.Quer.hCalc, 0);

    // A profile the database does not hold: one open, one read, a message about the
    // profile.
    Profil(b, "IPE", "IPE 333");
    vorher = KRV_AnzahlDatenbankzugriffe();
    e = Verweigerung([&] { b.InitProfil(); });
    EXPECT_EQ(KRV_AnzahlDatenbankzugriffe(), vorher + 2);
    EXPECT_EQ(e.text,
              "Profil IPE\\IPE 333 konnte in Datenbank " + kTabelle + " nicht geöffnet werden");
    EXPECT_EQ(b.nInit, 2);
    EXPECT_EQ(b.nStart, 0);
    EXPECT_TRUE(b.ProfilCache.empty());
}

TEST(C1BemessungStahl, SetUpRefusalsNameTheirReason) {
    const struct {
        const char* norm; // null: the class's own code and grade
        int normNr;
        double gammaM0, fy;
        const char* text;
    } faelle[] = {
        {nullptr, 0, 1.1, 240.0, "Norm \"DIN\" (DIN 18800, gammaM 1,1) ist nicht implementiert"},
        {"SIA 263", 0, 1.0, 235.0, "Unbekannte Norm \"SIA 263\""},
        {"EN 1993-1-1", 7, 1.0, 235.0, "NormNr 7 zu EN 1993-1-1 unbekannt"},
        {"EN 1993-1-1", 0, 0.0, 235.0, "gammaM0, gammaM1, gammaM2 müssen größer als 0 sein"},
        {"EN 1993-1-1", 0, 1.0, 0.0, "Streckgrenze fy muss größer als 0 sein"},
    };
    for (const auto& f : faelle) {
        C1BemessungStahl s;
        if (f.norm != nullptr) {
            EN1993(s);
            s.Norm = f.norm;
            s.NormNr = f.normNr;
            s.Stahlsorte.gammaM0 = f.gammaM0;
            s.Stahlsorte.fy = f.fy;
        }
        Profil(s, "IPE", "IPE 300");
        const C1Exception e = Verweigerung([&] { s.InitProfil(); });
        EXPECT_EQ(e.module, "C1BemessungStahl::InitProfil");
        EXPECT_NE(e.text.find("Profil IPE\\IPE 300: "), std::string::npos) << e.text;
        EXPECT_NE(e.text.find(f.text), std::string::npos) << e.text;
        EXPECT_EQ(s.Quer.hCalc, 0) << e.text;
        EXPECT_EQ(s.nStart, f.fy > 0.0 ? 0 : 1) << e.text;
    }
}

TEST_F(StahlBemessung, SetUpForACallersSection) {
    C1Quer q;
    q.Bemetyp = 2;
    q.Gruppe = "HEB";
    q.Name = "HEB 200";
    q.DatenbankPfad = kTabelle;
    ASSERT_EQ(b.InitProfilFuer(q), 0);
    // HEB 200 published: A 78.08 cm², Iy 5696, Iz 2003 cm⁴.
    EXPECT_ANTEIL(q.A, 78.08);
    EXPECT_ANTEIL(q.Iy, 5696.0);
    EXPECT_ANTEIL(q.Iz, 2003.0);
    EXPECT_GT(q.hCalc, 0);
    EXPECT_EQ(b.Quer.Name, "HEB 200");

    // Through the base: the caller's section gets the values, the object's stays.
    Profil(b, "IPE", "IPE 300");
    ASSERT_EQ(b.InitProfil(), 0);
    C1Quer r;
    r.Bemetyp = 2;
    r.Gruppe = "IPE";
    r.Name = "IPE 180";
    r.DatenbankPfad = kTabelle;
    EXPECT_EQ(b.GetQuerschnittswerte(r), 0);
    EXPECT_ANTEIL(r.Iy, 1317.0); // IPE 180 published
    EXPECT_EQ(b.Quer.Name, "IPE 300");
    EXPECT_ANTEIL(b.Quer.Iy, 8356.0);
}

TEST(C1BemessungStahl, CurveCodes) {
    C1BemessungStahl s;
    const struct {
        int y, z, bdk, art, code;
    } faelle[] = {{2, 0, 0, 1, 98}, {0, 0, 0, 1, 96}, {0, 3, 0, 2, 99},
                  {0, 0, 1, 3, 97}, {4, 4, 0, 3, 96}, {-1, 0, 0, 1, 96}};
    for (const auto& f : faelle) {
        s.LinieY = f.y;
        s.LinieZ = f.z;
        s.LinieBDK = f.bdk;
        EXPECT_EQ(s.GetLinie(f.art), f.code) << f.y << " " << f.z << " " << f.bdk << " " << f.art;
    }
    const C1Exception e = Verweigerung([&] { s.GetLinie(4); });
    EXPECT_EQ(e.text, "Knicklinie art 4 unbekannt (1 um y, 2 um z, 3 Biegedrillknicken)");
}

TEST(Verhaeltnis, LargerRatioAndNoCheckWithoutAPositiveLimit) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double a, b, c, d;
        int status;
        double out;
    } faelle[] = {
        {1, 3, 0, 2, 1, 1.5}, // a limit 0 leaves its value out
        {1, 3, 2, 0, 1, 0.5},   {2, 1, 4, 4, 1, 0.5},
        {5, 1, 4, 4, 1, 1.25},  {1, 3, 0, 0, 0, 0.0}, // no limit: refused, not passed with 0
        {1, 3, -1, 2, 0, 0.0},                        // a negative limit
        {1, 3, nan, 2, 0, 0.0}, {nan, 3, 1, 2, 0, 0.0},
    };
    for (const auto& f : faelle) {
        double out = -1.0;
        EXPECT_EQ(Verhaeltnis(f.a, f.b, f.c, f.d, out), f.status) << f.a << " " << f.c;
        EXPECT_DOUBLE_EQ(out, f.out) << f.a << " " << f.c;
    }
}

TEST_F(StahlBemessung, MomentAmplificationUnderAxialForce) {
    ASSERT_EQ(b.InitProfil(), 0);
    // Ncr,y = π²·21000·8356 / 400² = 10 824.6 kN, Ncr,z = π²·21000·603.8 / 400² = 782.2 kN;
    // N = 391.1 kN: factors 1 / (1 − N/Ncr) = 1.03749 and 2.0.
    double My = 100.0, Mz = 10.0;
    b.ApplyVergroesserung(391.1, 4.0, 4.0, My, Mz);
    EXPECT_NEAR(My, 103.749, 0.05);
    EXPECT_NEAR(Mz, 20.0, 0.1); // Iz within 0.1 % of the published value
    // No axial force: nothing to amplify, also without member lengths.
    My = 100.0, Mz = 10.0;
    b.ApplyVergroesserung(0.0, 0.0, 0.0, My, Mz);
    EXPECT_EQ(My, 100.0);
    EXPECT_EQ(Mz, 10.0);
    const C1Exception e = Verweigerung([&] { b.ApplyVergroesserung(800.0, 4.0, 4.0, My, Mz); });
    EXPECT_EQ(e.module, "C1BemessungStahl::ApplyVergroesserung");
    EXPECT_EQ(e.text.rfind("N ≥ Ncr", 0), 0u) << e.text;
}
