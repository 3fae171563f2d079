#pragma once

// A steel design object on the profile table shipped with the section library, under
// EN 1993-1-1 with γM0 = γM1 = 1.0 and S235; and a profile list in a host document.

#include "design/C1BemessungStahl.h"
#include "platform/C1Exception.h"
#include "platform/QEDOM.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

inline const std::string kTabelle =
    std::string(ZIRF_SOURCE_DIR) + "/src/sectionlib/Walzprofile.tab";

// Within the given share (default 0.5 %) of the hand value.
#define EXPECT_ANTEIL(ist, soll, ...) EXPECT_NEAR(ist, soll, std::abs(soll) * (0.005 __VA_ARGS__))

inline C1StahlLast Last(double N, double My, double Mz = 0.0) {
    C1StahlLast F{};
    F[kLastN] = N;
    F[kLastMy] = My;
    F[kLastMz] = Mz;
    return F;
}

inline void EN1993(C1BemessungStahl& s) {
    s.Norm = "EN 1993-1-1";
    s.NormNr = 0;
    s.Stahlsorte.Name = "S235";
    s.Stahlsorte.fy = 235.0;
    s.Stahlsorte.gammaM0 = 1.0;
    s.Stahlsorte.gammaM1 = 1.0;
    s.Stahlsorte.gammaM2 = 1.25;
}

inline void Profil(C1BemessungStahl& s, const std::string& gruppe, const std::string& name,
                   const std::string& pfad = kTabelle) {
    s.Quer.Bemetyp = 2;
    s.Quer.Gruppe = gruppe;
    s.Quer.Name = name;
    s.Quer.DatenbankPfad = pfad;
}

// The text of the C1Exception that f throws; "" (and a test failure) when it throws none.
template <class F> C1Exception Verweigerung(F f) {
    try {
        f();
    } catch (const C1Exception& e) {
        return e;
    }
    ADD_FAILURE() << "no C1Exception";
    return C1Exception("");
}

// A host document with a list of "profData" elements (database path, profile name).
class Profilliste {
public:
    explicit Profilliste(const std::vector<std::pair<std::string, std::string>>& profile) {
        std::string xml = "<root>";
        for (const auto& [pfad, name] : profile)
            xml += "<profData DBPath=\"" + pfad + "\" profName=\"" + name + "\"/>";
        xml += "</root>";
        std::string fehler;
        m_doc = QEDOM_ParseDocument(xml, "liste.xml", fehler);
        EXPECT_GT(m_doc, 0) << fehler;
    }
    ~Profilliste() { QEDOM_FreeDocument(m_doc); }
    Profilliste(const Profilliste&) = delete;
    Profilliste& operator=(const Profilliste&) = delete;

    QEDOM_HANDLE Erstes() const {
        return QEDOM_FindFirstChild(QEDOM_GetRootElement(m_doc), "profData");
    }

private:
    QEDOM_HANDLE m_doc = 0;
};

class StahlBemessung : public ::testing::Test {
protected:
    StahlBemessung() {
        EN1993(b);
        Profil(b, "IPE", "IPE 300");
    }
    // Design mode over the list, starting at its first profile.
    void Bemessen(const Profilliste& liste) {
        b.Quer.Nachweis = 2;
        b.Quer.hProfData = liste.Erstes();
        b.Quer.ProfNr = 1;
        ASSERT_EQ(b.InitProfil(), C1BemessungStahl::kProfilBereit);
    }
    int Nachweis(const C1StahlLast& F) {
        return b.CalcNachweis(F, 1, ergE, etaP, ergKnick, ergBDK, etaGrenz, etaMax);
    }

    C1BemessungStahl b;
    CST_ErgElastic ergE;
    CST_ErgBuckling ergKnick;
    CST_ErgLTBuckling ergBDK;
    double etaP = -1.0, etaGrenz = -1.0, etaMax = -1.0;
};

// IPE 300 published: A 53.81 cm², Iy 8356, Iz 603.8 cm⁴, Wel,y 557.1, Wel,z 80.5,
// Wpl,y 628.4, Wpl,z 125.2 cm³, It 20.12 cm⁴; fy 23.5 kN/cm².
inline constexpr double kNplIpe300 = 53.81 * 23.5;        // 1264.5 kN
inline constexpr double kMplyIpe300 = 628.4 * 23.5 / 100; // 147.7 kNm
inline constexpr double kMplzIpe300 = 125.2 * 23.5 / 100; // 29.42 kNm
