// Design of the steel profile: the governing internal forces, the elastic design stress
// and its utilisation with the verdict under it, and the result element `profil`.

#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "report/C1ErgebnisBaum.h"
#include "report/C1RTFX.h"
#include "report/C1ZirfReport.h"
#include "report/Profilbemessung.h"
#include "report/ReportPruefung.h"
#include "report/ReportSicht.h"

#include <cmath>
#include <optional>
#include <vector>

namespace {

// Rows by their string-table entry.
constexpr int kTitel = 213;
constexpr int kKopf = 214;
constexpr int kEinheiten = 215;
constexpr int kBemessung = 218;
constexpr int kStahl = 219;
constexpr int kProfil = 220;
constexpr int kSpannung = 221;
constexpr int kAusnutzung = 224;
constexpr int kErfuellt = 470;
constexpr int kUeberschritten = 471;
// Decimals of the utilisation as its row prints it (@F.FFF).
constexpr int kStellenAusnutzung = 3;

// N/mm² to kN/cm².
constexpr double kNmm2JeKncm2 = 10.0;

} // namespace

int C1ZirfReport::WriteProfilNachweis() {
    const C1ZirfInput& in = *pInput;
    const C1ZirfCalc& calc = *pCalc;
    C1RTFX& rtf = *pRTF;
    // The stress divides by these; without them there is no check.
    PruefePositiv(in.wely, "mate/profil", "wely");
    PruefePositiv(in.A, "mate/profil", "A");
    PruefePositiv(ReportSicht::StahlFyk(in), "mate/baustahl", "fyk");
    PruefePositiv(ReportSicht::StahlGammaM(in), "mate/baustahl", "gamma_m");

    rtf.ReadTemplate(ReportBlocks::kProfil);
    rtf.WriteEintrag(kTitel);
    rtf.WriteEintrag(kKopf);
    rtf.WriteEintrag(kEinheiten);
    // The rows with the load state of each value; the check takes the row of the greatest
    // stress.
    const std::vector<profilnachweis::Zeile> zeilen = profilnachweis::Zeilen(calc, in);
    for (const profilnachweis::Zeile& z : zeilen) {
        rtf.WriteEintrag(z.eintrag, {z.y, z.md, z.nd, z.zustand});
    }
    rtf.EndRow();
    rtf.WriteEintrag(kBemessung);

    const double fyk = ReportSicht::StahlFyk(in);
    const double gammaM = ReportSicht::StahlGammaM(in);
    const double sigmaRd = fyk / (kNmm2JeKncm2 * gammaM);
    rtf.WriteEintrag(kStahl, {in.stahlName, fyk / kNmm2JeKncm2, gammaM, sigmaRd});
    rtf.WriteEintrag(kProfil, {in.profilName, in.Iy, in.wely, in.A, in.g});
    const double sigmaD = profilnachweis::GroessteSpannung(calc, in, zeilen);
    const std::optional<double> ausnutzung = Ausnutzung(sigmaD, sigmaRd);
    rtf.WriteEintrag(kSpannung, {sigmaD});
    WriteAusnutzung(rtf, kAusnutzung, ausnutzung);
    rtf.EndRow();
    rtf.ReadTemplate(ReportBlocks::kProfilUrteil);
    rtf.WriteEintrag(AusnutzungEingehalten(ausnutzung, kStellenAusnutzung) ? kErfuellt
                                                                           : kUeberschritten);

    const C1ErgebnisBaum baum(in.hRoot);
    const C1ErgebnisBaum::Pfad pfad = {"profil"};
    baum.SetText(pfad, "name", in.profilName);
    baum.SetWert(pfad, "sigma_d", Endlich(sigmaD));
    baum.SetWert(pfad, "sigma_rd", Endlich(sigmaRd));
    baum.SetWert(pfad, "ausnutzung", ausnutzung);
    // The states of the governing row's moment and normal force, as its row names them.
    if (!zeilen.empty()) {
        const profilnachweis::Zeile& z =
            zeilen.at(profilnachweis::MassgebendeZeile(calc, in, zeilen));
        baum.SetText(pfad, "lastzustand", ReportSicht::Zustand(calc, z.zustandM));
        baum.SetText(pfad, "lastzustand_nd", ReportSicht::Zustand(calc, z.zustandN));
    }
    return 1;
}
