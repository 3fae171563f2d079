// The older chapter of the system settings: head loads and earth-pressure application.
//
// Its block starts at the head-load table's column heads, so the lines' "#Z" tags
// (their places in the head-load and earth-pressure blocks) name other rows of it;
// every line is therefore written with its own row record, and each value stands
// under its own heading. Values for which the block has no heading (the design
// situation, the verification and sliding switches, the given embedment depth, the
// base friction and the allowable soil pressures) are not written.

#include "model/C1ZirfInput.h"
#include "report/C1RTFX.h"
#include "report/C1ZirfReport.h"

#include <string>

namespace {

// Lines of the block.
constexpr int kKopf1 = 1;     // "Last| Stelle| | Bezeichnung | Lf-| vert. | hor.  | Moment"
constexpr int kKopf2 = 2;     // units
constexpr int kLastZeile = 3; // one head load
constexpr int kOrte = 4;      // "Kopf    Anker   Steife"
constexpr int kAktivNormal = 8;
constexpr int kPassivNormal = 11;

constexpr std::size_t kWortBreite = 8;
constexpr int kAnzahlOrte = 3;
// Modes of either side: 0 normal, 1 changed by a percentage, 2 earth pressure at rest.
constexpr int kAnzahlModi = 3;
constexpr int kModusProzent = 1;

std::string Ort(const std::string& orte, int stelle) {
    if (stelle < 0 || stelle >= kAnzahlOrte) {
        return {};
    }
    const std::size_t anfang = static_cast<std::size_t>(stelle) * kWortBreite;
    return anfang < orte.size() ? orte.substr(anfang, kWortBreite) : std::string();
}

// The sentence of one side by its mode; a mode without a sentence writes none.
void WriteAnsatz(C1RTFX& rtf, int ersteZeile, int modus, int prozent) {
    if (modus < 0 || modus >= kAnzahlModi) {
        return;
    }
    if (modus == kModusProzent) {
        rtf.WriteEigeneZeile(ersteZeile + modus, {prozent});
    } else {
        rtf.WriteEigeneZeile(ersteZeile + modus);
    }
}

} // namespace

int C1ZirfReport::WriteKopflasten() {
    C1RTFX& rtf = *pRTF;
    const C1ZirfInput& in = *pInput;
    rtf.ReadTemplate(ReportBlocks::kKopflastenAnsatz);
    if (in.nKopflast > 0) {
        const std::string orte = rtf.m_Wert.at(kOrte);
        rtf.WriteEigeneZeile(kKopf1);
        rtf.WriteEigeneZeile(kKopf2);
        for (int k = 0; k < in.nKopflast; ++k) {
            const auto& last = in.kopflast.at(static_cast<std::size_t>(k));
            rtf.WriteEigeneZeile(kLastZeile, {k + 1, Ort(orte, last.stelle), last.bez, last.lf,
                                              last.v, last.h, last.m});
        }
        rtf.EndRow();
    }
    WriteAnsatz(rtf, kAktivNormal, in.nwstand, in.erhstand);
    WriteAnsatz(rtf, kPassivNormal, in.miterdwiderstand, in.erdwiderstandprozent);
    return 1;
}
