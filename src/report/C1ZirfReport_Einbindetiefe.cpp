// The wall system and embedment result chapter; it starts the result tree with
// `geometrie` and, in the verification mode, `nachweise`.

#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "report/C1ErgebnisBaum.h"
#include "report/C1RTFX.h"
#include "report/C1ZirfReport.h"
#include "report/ReportPruefung.h"
#include "report/ReportSicht.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Rows by their string-table entry.
constexpr int kTitel = 191;
constexpr int kUnverankert = 197;
constexpr int kVollEingespannt = 198;
constexpr int kTeilEingespannt = 199;
constexpr int kFreiAufgelagert = 200;
constexpr int kAktivNormal = 76;  // then increased (77) and at rest (78)
constexpr int kPassivNormal = 79; // then reduced (80) and at rest (81)
constexpr int kWandNeigung = 192;
constexpr int kTalsohle = 193;
constexpr int kTiefeAnker = 202;
constexpr int kAnkerNeigung = 203;
constexpr int kAnkerLaenge = 205;
constexpr int kAnkerkraft = 201;
constexpr int kTCal = 194;
constexpr int kDeltaT = 195;
constexpr int kTGes = 196;
constexpr int kErsatzkraftNeigung = 164;
constexpr int kMassgebend = 175;
constexpr int kAusnutzung = 176;
constexpr int kMomenteAktiv = 177;
constexpr int kMomentePassiv = 178;
constexpr int kVerdrehungAktiv = 179;
constexpr int kVerdrehungPassiv = 180;
constexpr int kZielverdrehung = 181;
constexpr int kQuerkraefteAktiv = 182;
constexpr int kQuerkraeftePassiv = 183;
constexpr int kZustandEinbindung = 472;
constexpr int kZustandAnkerkraft = 473;
constexpr int kUngueltigerZustand = 454;
constexpr int kTErforderlich = 476;
constexpr int kEinspannungAusTiefe = 500;
constexpr int kEingabeFrei = 501;
constexpr int kEingabeTeilweise = 502;
constexpr int kTVorhanden = 503;
constexpr int kFormelMomente = 504;
constexpr int kFormelQuerkraefte = 505;
constexpr int kFormelZielverdrehung = 506;
constexpr int kFormelVerdrehung = 507;
constexpr int kTiefeEingehalten = 508;
constexpr int kTiefeNicht = 509;
constexpr int kTiefenBedeutung = 510;
constexpr int kTiefenBedeutungEingabe = 511;
// A utilisation that prints as 1.00 (@F.FF) passes.
constexpr int kStellenAusnutzung = 2;

enum FussModus { kFrei = 0, kTeilweise = 1, kVoll = 2 };
constexpr int kVolleEinspannung = 100;

enum Ansatz { kNormal = 0, kProzent = 1, kRuhe = 2 };

// The row of an earth-pressure mode: normal, changed by a percentage, at rest; any
// other mode has none.
void WriteAnsatz(C1RTFX& rtf, int ersteZeile, int modus, int prozent) {
    // Every mode from 2 on is the pressure at rest.
    if (modus == kProzent) {
        rtf.WriteEintrag(ersteZeile + modus, {prozent});
    } else if (modus == kNormal) {
        rtf.WriteEintrag(ersteZeile + modus);
    } else if (modus >= kRuhe) {
        rtf.WriteEintrag(ersteZeile + kRuhe);
    }
}

// A fixity in the running text, to a tenth of a per cent and without padding.
std::string Prozent(double e) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.1f", e);
    return text.data();
}

// After a diverged iteration the calculation holds the last trial depth, no result: the
// page says so where the depth would stand, and the result's `geometrie` stays empty.
int WriteOhneEinbindetiefe(C1RTFX& rtf, const C1ZirfInput& in, C1ZirfCalc& calc) {
    rtf.EndRow();
    rtf.ReadTemplate(ReportBlocks::kEinbindungDivergiert);
    rtf.WriteZeile(1);
    const C1ErgebnisBaum baum(in.hRoot);
    calc.hResult = baum.Neu();
    baum.Element({"geometrie"});
    return 1;
}

} // namespace

int C1ZirfReport::WriteEinbindetiefe(int) {
    const C1ZirfInput& in = *pInput;
    C1ZirfCalc& calc = *pCalc;
    C1RTFX& rtf = *pRTF;
    const int modus = ReportSicht::iFussModus(calc);
    // The system as entered; a checked wall's depth may add fixity to it (below).
    const int eingabe = in.einspannung <= 0                  ? kFrei
                        : in.einspannung < kVolleEinspannung ? kTeilweise
                                                             : kVoll;

    // A checked wall longer than its system needs is computed with the fixity its depth
    // provides; the system text says so, and which foot the depth is checked with.
    const bool ausTiefe = in.mitanker > 0 && calc.einspannungAusTiefe > in.einspannung;
    const bool nachweis = in.berart == 1;

    rtf.ReadTemplate(ReportBlocks::kSystem);
    rtf.WriteEintrag(kTitel);
    if (in.mitanker == 0) {
        rtf.WriteEintrag(kUnverankert);
    } else if (ausTiefe) {
        rtf.ReadTemplate(ReportBlocks::kNachweisTiefe);
        rtf.WriteEintrag(kEinspannungAusTiefe, {Prozent(calc.einspannungAusTiefe)});
        if (eingabe == kFrei) {
            rtf.WriteEintrag(kEingabeFrei);
        } else {
            rtf.WriteEintrag(kEingabeTeilweise, {std::to_string(in.einspannung)});
        }
    } else if (eingabe == kFrei) {
        rtf.WriteEintrag(kFreiAufgelagert);
    } else if (eingabe == kTeilweise) {
        rtf.WriteEintrag(kTeilEingespannt, {in.einspannung});
    } else {
        rtf.WriteEintrag(kVollEingespannt);
    }

    rtf.ReadTemplate(ReportBlocks::kErddruckAnsatz);
    WriteAnsatz(rtf, kAktivNormal, in.nwstand, in.erhstand);
    WriteAnsatz(rtf, kPassivNormal, in.nwwand, in.erhwand);

    rtf.ReadTemplate(ReportBlocks::kSystem);
    if (in.mitverd == 1) {
        rtf.ReadTemplate(ReportBlocks::kVerdichtungHinweis);
        rtf.WriteZeile(1);
        rtf.ReadTemplate(ReportBlocks::kSystem);
    }
    rtf.WriteBlankParagraphs(1);
    rtf.WriteEintrag(kWandNeigung, {in.wand_neigung});
    rtf.WriteEintrag(kTalsohle,
                     {0.0 - ReportSicht::Schicht(calc, ReportSicht::iUnterAushub(calc)).yo});
    if (in.anker > 0) {
        rtf.WriteEintrag(kTiefeAnker, {in.tiefe_anker});
        rtf.WriteEintrag(kAnkerNeigung, {in.ankerneigung});
        rtf.WriteEintrag(kAnkerLaenge, {in.ankerlaenge});
    }
    if (ReportSicht::IterationDivergiert(calc)) {
        return WriteOhneEinbindetiefe(rtf, in, calc);
    }
    if (in.mitanker > 0) {
        rtf.WriteEintrag(kAnkerkraft, {ReportSicht::Ad(calc)});
    }
    // A negative fixity of the anchored wall has no chosen depth of its own.
    const bool mitZuschlag = modus == kFrei || calc.einspannung > 0.0 || in.mitanker == 0;
    const double deltaT = ReportSicht::delta_t(calc);
    if (mitZuschlag) {
        rtf.WriteEintrag(kTCal, {calc.t});
        if (deltaT != 0.0) {
            rtf.WriteEintrag(kDeltaT, {deltaT});
            rtf.ReadTemplate(ReportBlocks::kErsatzkraftNeigung);
            rtf.WriteEintrag(kErsatzkraftNeigung, {in.ersatz_neigung});
            rtf.ReadTemplate(ReportBlocks::kSystemOhneAnker);
        }
    }

    const C1ErgebnisBaum baum(in.hRoot);
    calc.hResult = baum.Neu();
    baum.SetWert({"geometrie"}, "t_cal", Endlich(calc.t));
    if (mitZuschlag) {
        baum.SetWert({"geometrie"}, "delta_t", Endlich(deltaT));
        baum.SetWert({"geometrie"}, "t_ges", Endlich(ReportSicht::t_ges(calc)));
    }
    if (nachweis) {
        rtf.ReadTemplate(ReportBlocks::kNachweisTiefe);
        rtf.WriteEintrag(kTVorhanden, {ReportSicht::t_ges(calc)});
    } else {
        rtf.WriteEintrag(kTGes, {ReportSicht::t_ges(calc)});
    }
    // A checked wall: the depth its system needs, also where it is shorter.
    if (nachweis && calc.tErforderlich > 0.0) {
        rtf.ReadTemplate(ReportBlocks::kLastzustand);
        rtf.WriteEintrag(kTErforderlich, {calc.tErforderlich});
        baum.SetWert({"nachweise"}, "t_erf", Endlich(calc.tErforderlich));
    }

    rtf.ReadTemplate(ReportBlocks::kMassgebend);
    const int lk = calc.iMassgebend + 1;
    rtf.WriteEintrag(kMassgebend, {lk});
    baum.SetInt({"geometrie"}, "massgebende_LK", lk);
    baum.SetText({"geometrie"}, "lastzustand", ReportSicht::ZustandEinbindung(calc));

    // The formula of the utilisation with the sums printed beside it.
    int formel = kFormelMomente;
    if (nachweis) {
        const C1ErgebnisBaum::Pfad nachweise = {"nachweise"};
        const double aktiv = ReportSicht::SummeAktiv(calc);
        const double passiv = 0.0 - ReportSicht::SummePassiv(calc);
        if (in.mitanker == 0) {
            rtf.WriteEintrag(kMomenteAktiv, {aktiv});
            rtf.WriteEintrag(kMomentePassiv, {passiv});
            baum.SetWert(nachweise, "SummeMomente_aktiv", Endlich(aktiv));
            baum.SetWert(nachweise, "SummeMomente_passiv", Endlich(passiv));
        } else if (in.einspannung == 0) {
            // The check of the given depth with the free foot: its support-force sums.
            formel = kFormelQuerkraefte;
            rtf.WriteEintrag(kQuerkraefteAktiv, {aktiv});
            rtf.WriteEintrag(kQuerkraeftePassiv, {passiv});
            baum.SetWert(nachweise, "SummeQuerkraefte_aktiv", Endlich(aktiv));
            baum.SetWert(nachweise, "SummeQuerkraefte_passiv", Endlich(passiv));
        } else {
            // The target of the check of the given depth, not of the wall computed.
            const double ziel = calc.zielVerdrehungNachweis;
            formel = kFormelVerdrehung;
            if (in.einspannung < kVolleEinspannung) {
                rtf.WriteEintrag(kZielverdrehung, {ziel});
                formel = kFormelZielverdrehung;
            }
            rtf.WriteEintrag(kVerdrehungAktiv, {aktiv});
            rtf.WriteEintrag(kVerdrehungPassiv, {passiv});
            baum.SetWert(nachweise, "Zielverdrehung", Endlich(ziel));
            baum.SetWert(nachweise, "SummeVerdrehung_aktiv", Endlich(aktiv));
            baum.SetWert(nachweise, "SummeVerdrehung_passiv", Endlich(passiv));
        }
        rtf.WriteEintrag(kAusnutzung, {calc.Ausnutzung});
        baum.SetWert(nachweise, "Ausnutzung", Endlich(calc.Ausnutzung));
        baum.SetText(nachweise, "lastzustand", ReportSicht::ZustandEinbindung(calc));
    }
    rtf.EndRow();
    // The load states that the depth and the anchor force are of.
    rtf.ReadTemplate(ReportBlocks::kLastzustand);
    rtf.WriteEintrag(kZustandEinbindung, {ReportSicht::ZustandEinbindung(calc)});
    if (in.mitanker > 0) {
        rtf.WriteEintrag(kZustandAnkerkraft, {ReportSicht::ZustandAd(calc)});
    }
    rtf.EndRow();
    // A checked depth's formula, verdict and what its depths mean close the table, its
    // states' rows included.
    if (nachweis) {
        rtf.ReadTemplate(ReportBlocks::kNachweisTiefe);
        rtf.WriteEintrag(formel);
        const bool eingehalten =
            std::isfinite(calc.Ausnutzung) && Gedruckt(calc.Ausnutzung, kStellenAusnutzung) <= 1.0;
        rtf.WriteEintrag(eingehalten ? kTiefeEingehalten : kTiefeNicht);
        rtf.WriteEintrag(kTiefenBedeutung);
        rtf.WriteEintrag(kTiefenBedeutungEingabe);
    }
    // The states the wall cannot stand in count in no value of the report.
    const std::vector<std::string> ungueltig = calc.UngueltigeZustaende();
    if (!ungueltig.empty()) {
        rtf.ReadTemplate(ReportBlocks::kUngueltigerZustand);
        for (const std::string& zustand : ungueltig) {
            rtf.WriteEintrag(kUngueltigerZustand, {zustand});
        }
        rtf.ReadTemplate(ReportBlocks::kLastzustand);
    }
    // The embedment beyond what the entered system needs holds the foot: the wall is
    // computed with the fixity its depth provides (the system text above).
    if (ausTiefe) {
        baum.SetWert({"nachweise"}, "einspannung_aus_tiefe", Endlich(calc.einspannungAusTiefe));
    }
    return 1;
}
