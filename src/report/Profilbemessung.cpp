#include "report/Profilbemessung.h"

#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "report/ReportSicht.h"

#include <cmath>

namespace {

// Rows by their string-table entry.
constexpr int kAnker = 222;
constexpr int kFuss = 223;
constexpr int kSohle = 216;
constexpr int kMax = 217;
// A foot moment up to this magnitude (kNm/m) is not listed.
constexpr double kFussMomentGrenze = 0.1;
// kNm to kNcm.
constexpr double kKncmJeKnm = 100.0;

} // namespace

namespace profilnachweis {

std::vector<Zeile> Zeilen(const C1ZirfCalc& calc, const C1ZirfInput& in) {
    // Each row with the load state of its moment (and of its normal force where that is
    // another): both are the largest of the states at that point, so the pair bounds the
    // stress of every state there.
    std::vector<Zeile> z;
    const auto zeile = [&](int eintrag, double y, double md, double nd, std::size_t m,
                           std::size_t n) {
        // The normal force above the anchor is without the anchor's.
        const bool mitAnker = eintrag != kAnker;
        std::vector<std::size_t> gleich;
        if (m != n) {
            gleich = calc.GleicheNormalkraft(y, mitAnker, n);
        }
        z.push_back({eintrag, y, md, nd, ReportSicht::ZustandMN(calc, m, n, gleich), m, n, gleich});
    };
    const C1ZirfCalc::MassgebendeZustaende& mg = calc.massgebend;
    if (in.mitanker > 0) {
        zeile(kAnker, calc.yAnker, ReportSicht::MdAnker(calc), ReportSicht::NdAnker(calc), mg.MA,
              mg.NAnker);
    }
    if (std::abs(ReportSicht::MdFuss(calc)) > kFussMomentGrenze) {
        zeile(kFuss, ReportSicht::yMdFuss(calc), ReportSicht::MdFuss(calc),
              ReportSicht::NdFuss(calc), mg.MF, mg.NMF);
    }
    zeile(kSohle, in.wand_hw, ReportSicht::MdSohle(calc), ReportSicht::NdSohle(calc), mg.MHw,
          mg.NHw);
    zeile(kMax, ReportSicht::yMdMax(calc), ReportSicht::MdMax(calc), ReportSicht::NdMax(calc),
          mg.Mxm, mg.NXm);
    return z;
}

double Spannung(const C1ZirfCalc& calc, const C1ZirfInput& in, double md, double nd) {
    return kKncmJeKnm * std::abs(md) / in.wely + (std::abs(nd) + calc.Wandgewicht(calc.t)) / in.A;
}

std::size_t MassgebendeZeile(const C1ZirfCalc& calc, const C1ZirfInput& in,
                             const std::vector<Zeile>& zeilen) {
    std::size_t massgebend = 0;
    double groesste = 0.0;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const double s = Spannung(calc, in, zeilen[i].md, zeilen[i].nd);
        // A stress that is no number stays the check's, so that it fails.
        if (i == 0 || s > groesste || std::isnan(s)) {
            groesste = s;
            massgebend = i;
        }
    }
    return massgebend;
}

double GroessteSpannung(const C1ZirfCalc& calc, const C1ZirfInput& in,
                        const std::vector<Zeile>& zeilen) {
    if (zeilen.empty()) {
        return 0.0;
    }
    const Zeile& z = zeilen.at(MassgebendeZeile(calc, in, zeilen));
    return Spannung(calc, in, z.md, z.nd);
}

} // namespace profilnachweis
