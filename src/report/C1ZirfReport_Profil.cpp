// Design of the steel profile: the governing internal forces, the elastic design stress
// and its utilisation with the verdict under it, and the result element `profil`.

#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "report/C1ErgebnisBaum.h"
#include "report/C1RTFX.h"
#include "report/C1ZirfReport.h"
#include "report/ReportPruefung.h"
#include "report/ReportSicht.h"

#include <cmath>
#include <optional>

namespace {

// Rows by their string-table entry.
constexpr int kTitel = 213;
constexpr int kKopf = 214;
constexpr int kEinheiten = 215;
constexpr int kAnker = 222;
constexpr int kFuss = 223;
constexpr int kSohle = 216;
constexpr int kMax = 217;
constexpr int kBemessung = 218;
constexpr int kStahl = 219;
constexpr int kProfil = 220;
constexpr int kSpannung = 221;
constexpr int kAusnutzung = 224;
constexpr int kErfuellt = 470;
constexpr int kUeberschritten = 471;
// Decimals of the utilisation as its row prints it (@F.FFF).
constexpr int kStellenAusnutzung = 3;

// A foot moment up to this magnitude (kNm/m) is not listed.
constexpr double kFussMomentGrenze = 0.1;
// N/mm² to kN/cm², kNm to kNcm, kg/m² over m to kN/m.
constexpr double kNmm2JeKncm2 = 10.0;
constexpr double kKncmJeKnm = 100.0;

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
    // The governing pair: the largest moment, the earlier row on equal magnitudes.
    double m = 0.0;
    double n = 0.0;
    auto stelle = [&](int id, double y, double md, double nd, const std::string& zustand) {
        rtf.WriteEintrag(id, {y, md, nd, zustand});
        if (std::abs(md) > m) {
            m = std::abs(md);
            n = std::abs(nd);
        }
    };
    // Each row with the load state of its moment (and of its normal force where that is
    // another): both are the largest of the states at that point, so the pair bounds the
    // stress of every state there.
    if (in.mitanker > 0) {
        stelle(kAnker, calc.yAnker, ReportSicht::MdAnker(calc), ReportSicht::NdAnker(calc),
               ReportSicht::ZustandAnker(calc));
    }
    if (std::abs(ReportSicht::MdFuss(calc)) > kFussMomentGrenze) {
        stelle(kFuss, ReportSicht::yMdFuss(calc), ReportSicht::MdFuss(calc),
               ReportSicht::NdFuss(calc), ReportSicht::ZustandFuss(calc));
    }
    stelle(kSohle, in.wand_hw, ReportSicht::MdSohle(calc), ReportSicht::NdSohle(calc),
           ReportSicht::ZustandSohle(calc));
    stelle(kMax, ReportSicht::yMdMax(calc), ReportSicht::MdMax(calc), ReportSicht::NdMax(calc),
           ReportSicht::ZustandMax(calc));
    rtf.EndRow();
    rtf.WriteEintrag(kBemessung);

    const double fyk = ReportSicht::StahlFyk(in);
    const double gammaM = ReportSicht::StahlGammaM(in);
    const double sigmaRd = fyk / (kNmm2JeKncm2 * gammaM);
    rtf.WriteEintrag(kStahl, {in.stahlName, fyk / kNmm2JeKncm2, gammaM, sigmaRd});
    rtf.WriteEintrag(kProfil, {in.profilName, in.Iy, in.wely, in.A, in.g});
    // The own weight of the sheet pile down to the embedment depth adds to the force.
    const double sigmaD = kKncmJeKnm * m / in.wely + (n + calc.Wandgewicht(calc.t)) / in.A;
    const std::optional<double> ausnutzung = Ausnutzung(sigmaD, sigmaRd);
    rtf.WriteEintrag(kSpannung, {sigmaD});
    WriteAusnutzung(rtf, kAusnutzung, ausnutzung);
    rtf.EndRow();
    rtf.ReadTemplate(ReportBlocks::kProfilUrteil);
    rtf.WriteEintrag(AusnutzungEingehalten(ausnutzung, kStellenAusnutzung) ? kErfuellt
                                                                           : kUeberschritten);

    const C1ErgebnisBaum baum(in.hRoot);
    const C1ErgebnisBaum::Pfad profil = {"profil"};
    baum.SetText(profil, "name", in.profilName);
    baum.SetWert(profil, "sigma_d", Endlich(sigmaD));
    baum.SetWert(profil, "sigma_rd", Endlich(sigmaRd));
    baum.SetWert(profil, "ausnutzung", ausnutzung);
    return 1;
}
