// The checks of the passive earth support, of the vertical component of the support
// force and of the vertical forces of the wall, with their result elements under
// `trag`.

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

namespace {

enum Typ { kErdwiderlager = 0, kVertikalkomponente = 1, kVertikalkraefte = 2 };

// A support force up to 0.1 % beyond its resistance still passes, as long as the two
// print alike.
constexpr double kToleranz = 1.001;
// Decimals of the sums as the rows print them (@FFF.FF; the vertical forces @FFF.F).
constexpr int kStellenSumme = 2;
constexpr int kStellenVertikal = 1;

// Rows by their string-table entry.
constexpr int kErdwiderlagerTitel = 225;
constexpr int kErdwiderlagerKopf = 226;
constexpr int kErdwiderlagerEinheiten = 227;
constexpr int kErdwiderlagerZeile = 228;
constexpr int kErdwiderlagerSumme = 229;
constexpr int kErdwiderlagerEingehalten = 230;
constexpr int kErdwiderlagerNicht = 231;
constexpr int kErdwiderlagerWasser = 232;
constexpr int kErdwiderlagerVerkehr = 233;
constexpr int kErdwiderlagerZustand = 474;
constexpr int kKomponenteTitel = 333;
constexpr int kKomponenteKopf = 334;
constexpr int kKomponenteErddruck = 335;
constexpr int kKomponenteAnker = 336;
constexpr int kKomponenteErdwiderstand = 337;
constexpr int kKomponenteSumme = 338;
constexpr int kNachUnten = 339;
constexpr int kNachOben = 340;
constexpr int kKomponenteKopfOben = 341;
constexpr int kKomponenteEingehalten = 342;
constexpr int kKomponenteNicht = 343;
constexpr int kVertikalTitel = 236;
constexpr int kVertikalKopf = 237;
constexpr int kVertikalErddruck = 238;
constexpr int kVertikalErsatzkraft = 239;
constexpr int kVertikalErdauflager = 240;
constexpr int kVertikalSumme = 241;
constexpr int kVertikalEingehalten = 242;
constexpr int kVertikalNicht = 243;
constexpr int kVertikalEigengewicht = 244;
constexpr int kVertikalErsatzkraftCh = 245;

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
        rtf.WriteEintrag(kErdwiderlagerKopf);
        rtf.WriteEintrag(kErdwiderlagerEinheiten);
        const double ephd = ReportSicht::Eph_d(calc);
        // Each row with the factor its share took in the design sum and its share of
        // Eph,d, so that Bh,k = share · Eph,d. The row of load case 1 holds slot 1 as well
        // (its block, line and head loads): both are permanent and take the same factor,
        // so that no share of the sum goes unprinted.
        JeSlot(n, [&](int slot, int lf) {
            const double gammaF = ReportSicht::GammaF(calc, slot);
            double bhk = ReportSicht::Bh_k(calc, slot);
            if (slot == 0) {
                bhk += ReportSicht::Bh_k(calc, 1);
            }
            rtf.WriteEintrag(kErdwiderlagerZeile, {lf, ephd, ReportSicht::AnteilAnEph(calc, bhk),
                                                   bhk, gammaF, bhk * gammaF});
        });
        // The water enters the sum with its sign: relieving water is printed as well.
        if (ReportSicht::Bh_kGW(calc) != 0.0) {
            const double bhk = ReportSicht::Bh_kGW(calc);
            const double gammaF = ReportSicht::GammaFGW(calc);
            rtf.WriteEintrag(kErdwiderlagerWasser, {ephd, ReportSicht::AnteilAnEph(calc, bhk), bhk,
                                                    gammaF, bhk * gammaF});
        }
        // The layers' traffic-or-compaction share is already a design value.
        if (in.mitanker != 0 && ReportSicht::VerkehrVerdichtung_d(calc) != 0.0) {
            rtf.WriteEintrag(kErdwiderlagerVerkehr, {ReportSicht::VerkehrVerdichtung_d(calc)});
        }
        const double summe = ReportSicht::SummeBh_d(calc);
        rtf.WriteEintrag(kErdwiderlagerSumme, {summe});
        rtf.EndRow();
        // A load state that needs more of the passive side than its design share does not
        // hold, whatever the rows of the governing state add up to.
        const ReportSicht::Anteilsbedarf bedarf = ReportSicht::GroessterAnteilsbedarf(calc);
        const bool zustaendeHalten = bedarf.noetig <= bedarf.grenze * kToleranz;
        const bool eingehalten =
            EingehaltenWieGedruckt(summe, ephd, kToleranz, kStellenSumme) && zustaendeHalten;
        rtf.WriteEintrag(eingehalten ? kErdwiderlagerEingehalten : kErdwiderlagerNicht);
        std::optional<double> ausnutzung = Ausnutzung(summe, ephd);
        if (!zustaendeHalten) {
            rtf.ReadTemplate(ReportBlocks::kLastzustand);
            rtf.WriteEintrag(kErdwiderlagerZustand, {ReportSicht::Zustand(calc, bedarf.zustand),
                                                     bedarf.noetig, bedarf.grenze});
            const double a = bedarf.noetig / bedarf.grenze;
            ausnutzung = ausnutzung ? std::max(*ausnutzung, a) : a;
        }
        const C1ErgebnisBaum::Pfad horizontal = {"trag", "horizontal"};
        baum.SetWert(horizontal, "bhd", Endlich(summe));
        baum.SetWert(horizontal, "ephd", Endlich(ephd));
        baum.SetWert(horizontal, "ausnutzung", ausnutzung);
        return 1;
    }

    if (typ == kVertikalkomponente) {
        rtf.ReadTemplate(ReportBlocks::kVertikalkomponente);
        rtf.WriteEintrag(kKomponenteTitel);
        rtf.WriteEintrag(kNachUnten);
        rtf.WriteEintrag(kKomponenteKopf);
        double unten = 0.0;
        // The row of load case 1 holds slot 1 as well (its block, line and head loads), so
        // that no vertical force goes unprinted.
        JeSlot(n, [&](int slot, int lf) {
            const double vk =
                ReportSicht::V_k(calc, slot) + (slot == 0 ? ReportSicht::V_k(calc, 1) : 0.0);
            rtf.WriteEintrag(kKomponenteErddruck, {"Erddruck", lf, vk});
            unten += vk;
        });
        const double avk = ReportSicht::Av_k(calc);
        rtf.WriteEintrag(kKomponenteAnker,
                         {"Ankerkraft", std::tan(in.ankerneigung / calc.GradFaktor), avk});
        unten += avk;
        rtf.WriteEintrag(kKomponenteSumme, {unten});
        rtf.EndRow();

        rtf.WriteEintrag(kNachOben);
        rtf.WriteEintrag(kKomponenteKopfOben);
        double oben = 0.0;
        const double tanDelta = ReportSicht::TanDeltaP(ReportSicht::SchichtFuss(calc));
        // The passive side has load cases of its own (none but the soil in the input).
        JeSlot(ReportSicht::NLastfallAuflastVorne(in), [&](int slot, int lf) {
            const double bvk = ReportSicht::Bv_k(calc, slot);
            rtf.WriteEintrag(kKomponenteErdwiderstand,
                             {"Ephd", lf, tanDelta,
                              ReportSicht::AnteilAnEph(calc, ReportSicht::Bh_k(calc, slot)), bvk});
            oben += bvk;
        });
        rtf.WriteEintrag(kKomponenteSumme, {oben});
        rtf.EndRow();
        const bool eingehalten =
            EingehaltenWieGedruckt(0.0 - oben, unten, kToleranz, kStellenSumme);
        rtf.WriteEintrag(eingehalten ? kKomponenteEingehalten : kKomponenteNicht);
        const C1ErgebnisBaum::Pfad vertikal = {"trag", "vertikal"};
        baum.SetWert(vertikal, "nach_unten", Endlich(unten));
        baum.SetWert(vertikal, "nach_oben", Endlich(0.0 - oben));
        baum.SetWert(vertikal, "ausnutzung", Ausnutzung(0.0 - oben, unten));
        return 1;
    }

    if (typ == kVertikalkraefte) {
        rtf.ReadTemplate(ReportBlocks::kVertikalkraefte);
        rtf.WriteEintrag(kVertikalTitel);
        rtf.WriteEintrag(kVertikalKopf);
        const double eav = ReportSicht::Eav_k(calc);
        const double cv = ReportSicht::Cv_k(calc);
        const double ch = ReportSicht::Ch_k(calc);
        rtf.WriteEintrag(kVertikalErddruck, {eav});
        rtf.WriteEintrag(kVertikalErsatzkraft, {cv});
        // The horizontal substitute force acts at the passive wall friction of the foot.
        const double cvh =
            -0.5 * ch * std::tan(ReportSicht::SchichtFuss(calc).deltp / calc.GradFaktor);
        if (ch != 0.0) {
            rtf.WriteEintrag(kVertikalErsatzkraftCh, {cvh});
        }
        const double gk = calc.Wandgewicht(calc.t);
        rtf.WriteEintrag(kVertikalEigengewicht, {gk});
        const double bvk = 0.0 - ReportSicht::BvErdauflager(calc);
        rtf.WriteEintrag(kVertikalErdauflager, {bvk});
        const double summe = eav + 0.5 * cv + cvh + bvk + gk;
        rtf.WriteEintrag(kVertikalSumme, {summe});
        rtf.EndRow();
        // A sum that prints as 0.0 holds, whichever sign it had before rounding.
        const bool eingehalten = SindZahlen({summe}) && Gedruckt(summe, kStellenVertikal) >= 0.0;
        rtf.WriteEintrag(eingehalten ? kVertikalEingehalten : kVertikalNicht);
        const C1ErgebnisBaum::Pfad vertikal = {"trag", "vertikal"};
        baum.SetWert(vertikal, "eavk", Endlich(eav));
        baum.SetWert(vertikal, "cvk", Endlich(cv));
        baum.SetWert(vertikal, "gk", Endlich(gk));
        baum.SetWert(vertikal, "bvk", Endlich(bvk));
        baum.SetWert(vertikal, "summe", Endlich(summe));
        return 1;
    }
    return 1;
}
