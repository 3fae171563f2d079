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
    if (in.mitanker > 0) {
        z.push_back({kAnker, calc.yAnker, ReportSicht::MdAnker(calc), ReportSicht::NdAnker(calc),
                     ReportSicht::ZustandAnker(calc)});
    }
    if (std::abs(ReportSicht::MdFuss(calc)) > kFussMomentGrenze) {
        z.push_back({kFuss, ReportSicht::yMdFuss(calc), ReportSicht::MdFuss(calc),
                     ReportSicht::NdFuss(calc), ReportSicht::ZustandFuss(calc)});
    }
    z.push_back({kSohle, in.wand_hw, ReportSicht::MdSohle(calc), ReportSicht::NdSohle(calc),
                 ReportSicht::ZustandSohle(calc)});
    z.push_back({kMax, ReportSicht::yMdMax(calc), ReportSicht::MdMax(calc),
                 ReportSicht::NdMax(calc), ReportSicht::ZustandMax(calc)});
    return z;
}

double Spannung(const C1ZirfCalc& calc, const C1ZirfInput& in, double md, double nd) {
    return kKncmJeKnm * std::abs(md) / in.wely + (std::abs(nd) + calc.Wandgewicht(calc.t)) / in.A;
}

double GroessteSpannung(const C1ZirfCalc& calc, const C1ZirfInput& in,
                        const std::vector<Zeile>& zeilen) {
    double groesste = 0.0;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const double s = Spannung(calc, in, zeilen[i].md, zeilen[i].nd);
        // A stress that is no number stays the check's, so that it fails.
        if (i == 0 || s > groesste || std::isnan(s)) {
            groesste = s;
        }
    }
    return groesste;
}

} // namespace profilnachweis
