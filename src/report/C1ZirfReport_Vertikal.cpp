// The check of the vertical forces of either wall: "Vertikalkomponente der Auflagerkraft"
// of the anchored wall, "Nachweis der Vertikalkräfte" of the wall without anchor. Both
// print the rows of the load state with the least force at the foot, each with the
// state's own factor, and their sum, the state's design normal force at the foot; the
// result element `trag`/`vertikal` holds the same state's values.

#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "report/C1ErgebnisBaum.h"
#include "report/C1RTFX.h"
#include "report/C1ZirfReport.h"
#include "report/ReportPruefung.h"
#include "report/ReportSicht.h"
#include "report/Vertikalnachweis.h"

namespace {

// Rows by their string-table entry.
constexpr int kKomponenteTitel = 333;
constexpr int kVertikalTitel = 236;
constexpr int kZustand = 436;
constexpr int kKopf = 437;
constexpr int kEigengewicht = 438;
constexpr int kErddruck = 439;
constexpr int kAnker = 440;
constexpr int kErsatzkraft = 441;
constexpr int kErdwiderlager = 442;
constexpr int kSumme = 443;
constexpr int kEingehalten = 444;
constexpr int kNicht = 445;
// Decimals of the sum as its row prints it (@FFF.FF).
constexpr int kStellenSumme = 2;

using vertikalnachweis::Zeile;

int Eintrag(Zeile::Art art) {
    switch (art) {
    case Zeile::Art::Eigengewicht:
        return kEigengewicht;
    case Zeile::Art::Erddruck:
        return kErddruck;
    case Zeile::Art::Anker:
        return kAnker;
    case Zeile::Art::Ersatzkraft:
        return kErsatzkraft;
    case Zeile::Art::Erdwiderlager:
        break;
    }
    return kErdwiderlager;
}

} // namespace

int C1ZirfReport::WriteVertikalnachweis(bool anker) {
    const C1ZirfInput& in = *pInput;
    const C1ZirfCalc& calc = *pCalc;
    C1RTFX& rtf = *pRTF;
    rtf.ReadTemplate(anker ? ReportBlocks::kVertikalkomponente : ReportBlocks::kVertikalkraefte);
    rtf.WriteEintrag(anker ? kKomponenteTitel : kVertikalTitel);
    rtf.ReadTemplate(ReportBlocks::kVertikalnachweis);
    const vertikalnachweis::Nachweis n = vertikalnachweis::Massgebend(calc, in);
    rtf.WriteEintrag(kZustand, {ReportSicht::Zustand(calc, n.zustand)});
    rtf.WriteEintrag(kKopf);
    for (const Zeile& z : n.zeilen) {
        const int id = Eintrag(z.art);
        if (id == kEigengewicht || id == kErddruck) {
            rtf.WriteEintrag(id, {z.lf, z.faktor, z.wert, z.d});
        } else {
            rtf.WriteEintrag(id, {z.faktor, z.wert, z.d});
        }
    }
    rtf.WriteEintrag(kSumme, {n.summe});
    rtf.EndRow();
    // A sum that prints as 0.00 holds, whichever sign it had before rounding.
    const bool eingehalten = SindZahlen({n.summe}) && Gedruckt(n.summe, kStellenSumme) >= 0.0;
    rtf.WriteEintrag(eingehalten ? kEingehalten : kNicht);

    const C1ErgebnisBaum baum(in.hRoot);
    const C1ErgebnisBaum::Pfad vertikal = {"trag", "vertikal"};
    baum.SetText(vertikal, "lastzustand", ReportSicht::Zustand(calc, n.zustand));
    baum.SetWert(vertikal, "summe", Endlich(n.summe));
    if (anker) {
        baum.SetWert(vertikal, "nach_unten", Endlich(n.unten));
        baum.SetWert(vertikal, "nach_oben", Endlich(n.oben));
        baum.SetWert(vertikal, "ausnutzung", Ausnutzung(n.oben, n.unten));
        return 1;
    }
    const auto summe = [&n](Zeile::Art art) {
        double s = 0.0;
        for (const Zeile& z : n.zeilen) {
            s += z.art == art ? z.d : 0.0;
        }
        return s;
    };
    baum.SetWert(vertikal, "eavk", Endlich(summe(Zeile::Art::Erddruck)));
    baum.SetWert(vertikal, "cvk", Endlich(summe(Zeile::Art::Ersatzkraft)));
    baum.SetWert(vertikal, "gk", Endlich(summe(Zeile::Art::Eigengewicht)));
    baum.SetWert(vertikal, "bvk", Endlich(summe(Zeile::Art::Erdwiderlager)));
    return 1;
}
