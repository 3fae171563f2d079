#include "design/C1BemessungStahl.h"

#include "base/Numerik.h"
#include "platform/C1Exception.h"

#include <cmath>
#include <cstdio>
#include <utility>

// The checks of the steel design: elastic stresses (with the stress of a composite
// section), plastic resistance, flexural and lateral-torsional buckling, the ratio
// check, and the check and design modes over them.

namespace {

constexpr char kLinieOffen = C1BemessungStahl::kLinieOffen;
constexpr char kLinieUngueltig = '?';

// The library's letter of a curve number: 0 open, 1 'a', 2 'b' ...; any other number
// gives a letter the library refuses, so the check fails instead of running on the
// curve set before.
char Buchstabe(int linie) {
    if (linie == 0)
        return kLinieOffen;
    return linie >= 1 && linie <= 26 ? static_cast<char>(kLinieOffen + linie) : kLinieUngueltig;
}

// The curve number of a letter the library used; 0 below 'a' (curve a0).
int Kennzahl(char linie) {
    return linie < 'a' ? 0 : linie - kLinieOffen;
}

} // namespace

int C1BemessungStahl::SpannECalc(const C1StahlLast& F, int art, CST_ErgElastic& erg) {
    const CST_Lasten L = Bibliothekslasten(F);
    const int status = CST_iCalcElastic(Quer.hCalc, Stahlsorte.fy, L, art, erg);
    std::array<double, 11> D{};
    if (Quer.zsVerbund > 0.001 && CST_iGetDimensions(Quer.hCalc, D) != 0) {
        if (std::fabs(D[CST_D_WINKEL]) > 1.0)
            throw C1Exception("C1BemessungStahl::SpannECalc, Bei zusmannengesetzen Querschnitten "
                              "sind Profile mit schiefen Hauptachsen nicht möglich");
        const double I = Quer.IVerbund, Wz = Quer.D(34);
        if (!(I > 0.0) || !(Quer.A > 0.0) || !(Wz > 0.0))
            throw C1Exception("Zusammengesetzter Querschnitt: IVerbund, A und Wz des Profils "
                              "müssen größer als 0 sein",
                              "C1BemessungStahl::SpannECalc");
        // Stress of the profile as part of the composite section (kN/cm², moments in
        // kNm): weak-axis bending, the larger edge of strong-axis bending about the
        // composite centroid, and the axial force.
        const double h = Quer.GetHoehe();
        const double a = Quer.zsVerbund - Quer.hz;
        const double My = L[CST_MY], Mz = L[CST_MZ];
        const double sigma =
            std::fabs(Mz * 100.0 / Wz) +
            std::max(std::fabs((h - a) * My * 100.0 / I), std::fabs(-100.0 * My * a / I)) +
            std::fabs(L[CST_N] / Quer.A);
        erg.sigmaVerbund1 = sigma;
        erg.sigmaVerbund2 = sigma;
    }
    if (erg.eta > ErgE.eta) {
        LastE = F;
        CST_ResElasticCopy(ErgE, erg);
    }
    return status;
}

int C1BemessungStahl::CalcPlastischEinzeln(const C1StahlLast& F, CST_ErgPlastic& erg) {
    return CST_iCalcPlastic(Quer.hCalc, Stahlsorte.fy, Bibliothekslasten(F), erg);
}

int C1BemessungStahl::CalcKnicken(const C1StahlLast& F, CST_ErgBuckling& erg) {
    const int h = Quer.hCalc;
    int status = CST_FEHLER;
    if (CST_iSetBLines(h, Buchstabe(LinieY), Buchstabe(LinieZ)) == 0) {
        CST_ResBucklingClear(erg);
        erg.text = CST_LetzterFehler();
    } else {
        // The caller's pairs are about the profile's own axes unless it is turned.
        const bool gedreht = Quer.ProfAchse == 2;
        const double ly = gedreht ? Knick[2] : Knick[0], by = gedreht ? Knick[3] : Knick[1];
        const double lz = gedreht ? Knick[0] : Knick[2], bz = gedreht ? Knick[1] : Knick[3];
        status = CST_iCalcBuckling(h, Stahlsorte.fy, Bibliothekslasten(F), ly, by, lz, bz, erg);
        // A failed check used no curve: the chosen ones stay.
        if (bKnick && status != CST_FEHLER) {
            LinieY = Kennzahl(erg.linieY);
            LinieZ = Kennzahl(erg.linieZ);
        }
    }
    if (erg.eta > ErgKnick.eta) {
        LastKnick = F;
        ErgKnick = erg;
    }
    if (status == CST_FEHLER)
        bKnickVersagt = true;
    return status;
}

int C1BemessungStahl::CalcBDK(const C1StahlLast& F, CST_ErgLTBuckling& erg) {
    const int h = Quer.hCalc;
    const bool gedreht = Quer.ProfAchse == 2;
    CST_Lasten L = Bibliothekslasten(F);
    int status = CST_OK;
    std::string text;
    if (BDK.bVergroesserung) {
        // The moments are the profile's by now; so must the lengths be, as the check
        // below takes them.
        const double ly = gedreht ? BDK[2] : BDK[1];
        const double lz = gedreht ? BDK[1] : BDK[2];
        double fy = 1.0, fz = 1.0;
        if (Vergroesserung(1, F[kLastN], ly, lz, fy, text) != 0 ||
            Vergroesserung(2, F[kLastN], ly, lz, fz, text) != 0) {
            status = CST_FEHLER;
        } else {
            L[CST_MY] *= fy;
            L[CST_MZ] *= fz;
        }
    }
    if (status != CST_FEHLER && CST_iSetLTBLines(h, Buchstabe(LinieBDK)) == 0) {
        status = CST_FEHLER;
        text = CST_LetzterFehler();
    }
    if (status == CST_FEHLER) {
        CST_ResLTBucklingClear(erg);
        erg.text = text;
    } else {
        CST_BDKDaten bdk{};
        for (std::size_t i = 0; i < bdk.size(); ++i)
            bdk[i] = BDK[static_cast<int>(i) + 1];
        if (gedreht) {
            std::swap(bdk[CST_BDK_LY], bdk[CST_BDK_LZ]);
            std::swap(bdk[CST_BDK_BETAY], bdk[CST_BDK_BETAZ]);
        }
        status = CST_iCalcLTBuckling(h, Stahlsorte.fy, L, bdk, erg);
        // Only a computed check has a curve; one that does not apply (hollow sections)
        // leaves the chosen one.
        if (bBDK && status == CST_OK)
            LinieBDK = Kennzahl(erg.linie);
    }
    if (erg.eta > ErgBDK.eta) {
        LastBDK = F;
        LastBDK[kLastMy] = gedreht ? L[CST_MZ] : L[CST_MY];
        LastBDK[kLastMz] = gedreht ? L[CST_MY] : L[CST_MZ];
        ErgBDK = erg;
    }
    // Not applicable (hollow sections) is no failure.
    if (status == CST_FEHLER)
        bBDKVersagt = true;
    return status;
}

int C1BemessungStahl::CalcNachweis(const C1StahlLast& F, int art, CST_ErgElastic& ergE,
                                   double& etaP, CST_ErgBuckling& ergKnick,
                                   CST_ErgLTBuckling& ergBDK, double& etaGrenz, double& etaMax) {
    CST_ResElasticClear(ergE);
    CST_ResBucklingClear(ergKnick);
    CST_ResLTBucklingClear(ergBDK);
    etaP = etaGrenz = etaMax = 0.0;
    if (Quer.Nachweis < 1)
        return kNachweisErfuellt;
    const double moduln[2] = {Stahlsorte.E, Stahlsorte.G};
    if (!(moduln[0] > 0.0) || !(moduln[1] > 0.0) || !std::isfinite(moduln[0]) ||
        !std::isfinite(moduln[1]))
        throw C1Exception("Stahlsorte " + Stahlsorte.Name +
                              ": E und G müssen größer als 0 sein (N/mm²)",
                          "C1BemessungStahl::CalcNachweis");

    int statusE = CST_OK, statusP = CST_OK, statusK = CST_OK, statusB = CST_OK;
    auto durchgang = [&] {
        statusE = statusP = statusK = statusB = CST_OK;
        // Each profile of a design gets the grade's moduli.
        CST_iSetAdditionalValues(Quer.hCalc, moduln, 2);
        if (bSpannE)
            statusE = SpannECalc(F, art, ergE);
        if (bSpannP) {
            CST_ErgPlastic plastisch;
            statusP = CalcPlastischEinzeln(F, plastisch);
            etaP = plastisch.eta;
        }
        if (bKnick)
            statusK = CalcKnicken(F, ergKnick);
        if (bBDK)
            statusB = CalcBDK(F, ergBDK);
        if (bGrenzwert && Verhaeltnis(F[kLastWert1], F[kLastWert2], F[kLastGrenze1],
                                      F[kLastGrenze2], etaGrenz) == 0) {
            char text[200];
            std::snprintf(text, sizeof text,
                          "Verhältnisnachweis ohne positiven Grenzwert (Grenzwerte %g und %g; "
                          "0 lässt einen Wert aus, negative sind unzulässig)",
                          F[kLastGrenze1], F[kLastGrenze2]);
            throw C1Exception(text, "C1BemessungStahl::CalcNachweis");
        }
        etaMax = MaxDouble(5, ergE.eta, etaP, ergKnick.eta, ergBDK.eta, etaGrenz);
    };
    auto berechnet = [&] {
        return statusE != CST_FEHLER && statusP != CST_FEHLER && statusK != CST_FEHLER &&
               statusB != CST_FEHLER;
    };

    durchgang();
    if (Quer.Nachweis == 1)
        return berechnet() ? kNachweisErfuellt : kNachweisFehlgeschlagen;

    // Design mode: the next profile of the list until one passes.
    for (int fehlversuche = 1; !(berechnet() && etaMax <= 1.0); ++fehlversuche) {
        if (fehlversuche == kMaxFehlversuche)
            return kKeinProfilBesteht;
        ++Quer.ProfNr;
        if (InitProfil() != kProfilBereit)
            return kProfillisteErschoepft;
        ResetErgebnisse();
        durchgang();
    }
    return kNachweisErfuellt;
}
