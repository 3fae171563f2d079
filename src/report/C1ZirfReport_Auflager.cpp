// The checks of the passive earth support and (C1ZirfReport_Vertikal.cpp) of the vertical
// forces of either wall, with their result elements under `trag`.

#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "report/C1ErgebnisBaum.h"
#include "report/C1RTFX.h"
#include "report/C1ZirfReport.h"
#include "report/ReportPruefung.h"
#include "report/ReportSicht.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace {

enum Typ { kErdwiderlager = 0, kVertikalkomponente = 1, kVertikalkraefte = 2 };

// A support force up to 0.1 % beyond its resistance still passes, as long as the two
// print alike.
constexpr double kToleranz = 1.001;
// Decimals of the sums as the rows print them (@FFF.FF).
constexpr int kStellenSumme = 2;

// Rows by their string-table entry.
constexpr int kErdwiderlagerTitel = 225;
constexpr int kErdwiderlagerKopf = 226;
constexpr int kErdwiderlagerEinheiten = 227;
constexpr int kErdwiderlagerZeile = 228;
constexpr int kErdwiderlagerSumme = 229;
constexpr int kErdwiderlagerEingehalten = 230;
constexpr int kErdwiderlagerNicht = 231;
constexpr int kErdwiderlagerWasser = 232;
constexpr int kVerkehrTitel = 490;
constexpr int kVerkehrMarkiert = 491;
constexpr int kVerkehrLastfall = 492;
constexpr int kVerkehrVerdichtung = 493;
constexpr int kVerkehrHinweis = 494;
constexpr int kErdwiderlagerZustand = 474;
constexpr int kErdwiderlagerZustandZeile = 526;

// The load-case slots of a check: 0 (the soil's own weight) and 2 up to n; slot 1 is
// not listed. The number printed is 1 for slot 0 and the slot otherwise.
template <class F> void JeSlot(int n, F f) {
    for (int slot = 0; slot <= n; ++slot) {
        if (slot != 1) {
            f(slot, slot == 0 ? 1 : slot);
        }
    }
}

} // namespace

int C1ZirfReport::WriteAuflagerNachweis(int typ) {
    const C1ZirfInput& in = *pInput;
    const C1ZirfCalc& calc = *pCalc;
    C1RTFX& rtf = *pRTF;
    const C1ErgebnisBaum baum(in.hRoot);
    const int n = ReportSicht::NLastfall(in);

    if (typ == kErdwiderlager) {
        rtf.ReadTemplate(ReportBlocks::kErdwiderlager);
        rtf.WriteEintrag(kErdwiderlagerTitel);
        // The rows are those of the state the depth is designed for.
        const std::string zustand = ReportSicht::ZustandEinbindung(calc);
        if (!zustand.empty()) {
            rtf.ReadTemplate(ReportBlocks::kLastzustaende);
            rtf.WriteEintrag(kErdwiderlagerZustandZeile, {zustand});
            rtf.ReadTemplate(ReportBlocks::kErdwiderlager);
        }
        rtf.WriteEintrag(kErdwiderlagerKopf);
        rtf.WriteEintrag(kErdwiderlagerEinheiten);
        const double ephd = ReportSicht::Eph_d(calc);
        // Each row with the factor its share took in the design sum and its share of
        // Eph,d, so that Bh,k = share · Eph,d. The row of load case 1 holds slot 1 as well
        // (its block, line and head loads): both are permanent and take the same factor,
        // so that no share of the sum goes unprinted. A load case whose layer loads stand
        // in the larger-of rows below is marked.
        bool markiert = false;
        // A row of a load case (its number first) or of a named share.
        const auto zeile = [&](int id, std::optional<C1Wert> lf, double bhk, double gammaF) {
            const double anteil = ReportSicht::AnteilAnEph(calc, bhk);
            if (lf) {
                rtf.WriteEintrag(id, {*lf, ephd, anteil, bhk, gammaF, bhk * gammaF});
            } else {
                rtf.WriteEintrag(id, {ephd, anteil, bhk, gammaF, bhk * gammaF});
            }
        };
        JeSlot(n, [&](int slot, int lf) {
            const double gammaF = ReportSicht::GammaF(calc, slot);
            double bhk = ReportSicht::Bh_k(calc, slot);
            if (slot == 0) {
                bhk += ReportSicht::Bh_k(calc, 1);
            }
            if (ReportSicht::Bh_kVerkehr(calc, slot) != 0.0) {
                markiert = true;
                rtf.ReadTemplate(ReportBlocks::kErdwiderlagerVerkehr);
                zeile(kVerkehrMarkiert, lf, bhk, gammaF);
                rtf.ReadTemplate(ReportBlocks::kErdwiderlager);
            } else {
                zeile(kErdwiderlagerZeile, lf, bhk, gammaF);
            }
        });
        // The water enters the sum with its sign: relieving water is printed as well.
        if (ReportSicht::Bh_kGW(calc) != 0.0) {
            zeile(kErdwiderlagerWasser, std::nullopt, ReportSicht::Bh_kGW(calc),
                  ReportSicht::GammaFGW(calc));
        }
        // The layers' larger of traffic and compaction: each load case it holds and the
        // compaction, each with its factor, so that every row recomputes.
        const double verdichtung = ReportSicht::Bh_kVerdichtung(calc);
        if (in.mitanker != 0 && (markiert || verdichtung != 0.0)) {
            rtf.ReadTemplate(ReportBlocks::kErdwiderlagerVerkehr);
            rtf.WriteEintrag(kVerkehrTitel);
            JeSlot(n, [&](int slot, int lf) {
                const double bhk = ReportSicht::Bh_kVerkehr(calc, slot);
                if (bhk != 0.0) {
                    zeile(kVerkehrLastfall, "Lf " + std::to_string(lf), bhk,
                          ReportSicht::GammaF(calc, slot));
                }
            });
            if (verdichtung != 0.0) {
                zeile(kVerkehrVerdichtung, std::nullopt, verdichtung,
                      ReportSicht::GammaFVerdichtung(calc));
            }
            rtf.ReadTemplate(ReportBlocks::kErdwiderlager);
        }
        const double summe = ReportSicht::SummeBh_d(calc);
        rtf.WriteEintrag(kErdwiderlagerSumme, {summe});
        rtf.EndRow();
        if (markiert) {
            rtf.ReadTemplate(ReportBlocks::kErdwiderlagerVerkehr);
            rtf.WriteEintrag(kVerkehrHinweis);
            rtf.ReadTemplate(ReportBlocks::kErdwiderlager);
        }
        // A load state that needs more of the passive side than its design share does not
        // hold, whatever the rows of the governing state add up to.
        const ReportSicht::Anteilsbedarf bedarf = ReportSicht::GroessterAnteilsbedarf(calc);
        const bool zustaendeHalten = bedarf.Haelt();
        const bool eingehalten =
            EingehaltenWieGedruckt(summe, ephd, kToleranz, kStellenSumme) && zustaendeHalten;
        rtf.WriteEintrag(eingehalten ? kErdwiderlagerEingehalten : kErdwiderlagerNicht);
        std::optional<double> ausnutzung = Ausnutzung(summe, ephd);
        std::string ausnutzungZustand = zustand;
        if (!zustaendeHalten) {
            rtf.ReadTemplate(ReportBlocks::kLastzustand);
            rtf.WriteEintrag(kErdwiderlagerZustand, {ReportSicht::Zustand(calc, bedarf.zustand),
                                                     bedarf.noetig, bedarf.grenze});
            const double a = bedarf.noetig / bedarf.grenze;
            if (!ausnutzung || a > *ausnutzung) {
                ausnutzung = a;
                ausnutzungZustand = ReportSicht::Zustand(calc, bedarf.zustand);
            }
        }
        const C1ErgebnisBaum::Pfad horizontal = {"trag", "horizontal"};
        if (!zustand.empty()) {
            baum.SetText(horizontal, "lastzustand", zustand);
        }
        baum.SetWert(horizontal, "bhd", Endlich(summe));
        baum.SetWert(horizontal, "ephd", Endlich(ephd));
        baum.SetWert(horizontal, "ausnutzung", ausnutzung);
        if (!ausnutzungZustand.empty() && ausnutzungZustand != zustand) {
            baum.SetText(horizontal, "lastzustand_ausnutzung", ausnutzungZustand);
        }
        return 1;
    }

    if (typ == kVertikalkomponente || typ == kVertikalkraefte) {
        return WriteVertikalnachweis(typ == kVertikalkomponente);
    }
    return 1;
}
