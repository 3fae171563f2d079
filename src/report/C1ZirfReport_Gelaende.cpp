// Terrain, berm, groundwater and soil-layer chapter of the input.

#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "report/C1RTFX.h"
#include "report/C1ZeilenFormat.h"
#include "report/C1ZirfReport.h"
#include "report/ReportSicht.h"

namespace {

// Rows of block 10 by their string-table entry.
constexpr int kGelaendeNeigung = 10;
constexpr int kTalHorizontal = 15;
constexpr int kBermeAbstand = 12;
constexpr int kBermeDicke = 13;
constexpr int kBermeNeigung = 14;
constexpr int kGrundwasserBerg = 16;
constexpr int kGrundwasserNurTal = 17;
constexpr int kGrundwasserTal = 18;
constexpr int kGrundwasserOhne = 19;
constexpr int kBermeOhne = 20;
// Rows of block 23.
constexpr int kBodenTitel = 23;
constexpr int kBodenKopf = 26;
constexpr int kBodenEinheiten = 27;
constexpr int kBodenSchicht = 30;
constexpr int kBodenBerme = 33;

// A number as its own cell text, or a blank where the layer has no such value.
std::string Zahlentext(const char* format, double value) {
    const C1Wert wert(value);
    return FormatZeile(format, std::span<const C1Wert>(&wert, 1));
}

} // namespace

int C1ZirfReport::WriteGelaende() {
    const C1ZirfInput& in = *pInput;
    const C1ZirfCalc& calc = *pCalc;
    C1RTFX& rtf = *pRTF;

    rtf.ReadTemplate(ReportBlocks::kGelaendeTitel);
    rtf.WriteZeile(1);

    rtf.ReadTemplate(ReportBlocks::kGelaende);
    rtf.WriteEintrag(kGelaendeNeigung, {in.gela_neigung});
    const double wandHw = ReportSicht::WandHw(in);
    if (wandHw > 0.0) {
        rtf.WriteEintrag(kTalHorizontal, {wandHw});
    }
    // The berm acts for 1 only; with any other value the system has none.
    if (in.mitberme != 1) {
        rtf.WriteEintrag(kBermeOhne);
    } else {
        rtf.WriteEintrag(kBermeAbstand, {in.berme_abstand});
        rtf.WriteEintrag(kBermeDicke, {in.berme_dicke});
        rtf.WriteEintrag(kBermeNeigung, {in.berme_neigung});
    }
    // A water level below the layer table counts as absent.
    const double yUnten = ReportSicht::yUnten(calc);
    if (calc.tgh > yUnten && calc.tgv > yUnten) {
        rtf.WriteEintrag(kGrundwasserOhne);
    } else if (calc.tgh > yUnten) {
        rtf.WriteEintrag(kGrundwasserNurTal, {calc.tgv});
    } else {
        rtf.WriteEintrag(kGrundwasserBerg, {calc.tgh});
        if (calc.tgv < yUnten) {
            rtf.WriteEintrag(kGrundwasserTal, {calc.tgv});
        }
    }
    rtf.EndRow();

    rtf.WriteAnnotation("bowa", 1, 1);

    rtf.ReadTemplate(ReportBlocks::kBodenschichten);
    rtf.WriteEintrag(kBodenTitel);
    rtf.WriteEintrag(kBodenKopf);
    rtf.WriteEintrag(kBodenEinheiten);
    if (in.mitberme == 1) {
        rtf.WriteEintrag(kBodenBerme, {in.berme_gamma});
    }
    // Each side's unit weight as its earth pressure takes it (above the side's water
    // level, below it); in front of the wall the soil begins at the excavation level, as
    // does the passive wall friction.
    double tiefe = 0.0;
    for (int i = 0; i < ReportSicht::iLetzte(calc); ++i) {
        const C1Schicht& s = ReportSicht::Schicht(calc, i);
        const bool vorn = tiefe >= wandHw;
        const std::string gammaTal = vorn ? Zahlentext("%5.1f", ReportSicht::GammaTal(s)) : " ";
        const std::string deltp = vorn ? Zahlentext("%5.2f", s.deltp) : " ";
        tiefe += s.dicke;
        rtf.WriteEintrag(kBodenSchicht, {i + 1, s.kurz, s.bez, s.dicke, -tiefe,
                                         Zahlentext("%5.1f", ReportSicht::GammaBerg(s)), gammaTal,
                                         s.phi, s.delta, deltp, s.coh});
    }
    rtf.EndRow();
    rtf.ReadTemplate(ReportBlocks::kWichteJeSeite);
    rtf.WriteZeile(1);
    return 1;
}
