#include "report/ZirfAusgabe.h"

#include "graphics/C1ZirfGrafik.h"
#include "host/C1QEL.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "platform/MessageBox.h"
#include "platform/QELRTFXHost.h"
#include "platform/QELRTFXReport.h"
#include "report/C1RTFX.h"
#include "report/C1ZirfReport.h"
#include "report/ReportSicht.h"
#include "resources/StringTable.h"

namespace {

enum StatusText { kLeer = 468, kGrafikErzeugen = 469 };
constexpr int kFertig = 100;

void AnnounceStatus(C1QEL& qel, int entry) {
    qel.SetStatusText(GetStringTableEntry(entry));
    qel.Progress(0);
}

// Writes line k of a block, a heading or a note without values.
void WriteTextzeile(C1RTFX& rtf, const C1TemplateBlock& block, int k) {
    rtf.ReadTemplate(block);
    rtf.WriteZeile(k);
}

// The deep slip line's chapters of an anchored wall with the check switched on.
void WriteTiefeGleitfuge(C1ZirfReport& report, C1RTFX& rtf, C1ZirfGrafik& grafik,
                         const C1ZirfInput& in, const C1ZirfCalc& calc) {
    const std::optional<ReportSicht::TiefeGleitfuge> tgf = ReportSicht::Gleitfuge(calc);
    if (!tgf) {
        // The report says what is missing instead of printing numbers never computed.
        QEL_MessageBox("Der Nachweis in der tiefen Gleitfuge ist nicht berechnet; seine "
                       "Kapitel fehlen im Bericht.");
        return;
    }
    rtf.ReadTemplate(ReportBlocks::kTiefeGleitfuge);
    if (in.txt_tgf_ankerkraft == 1) {
        rtf.WriteZeile(1);
    }
    if (in.grafik_tgf_darstellung == 1) {
        grafik.PlotTGF("TGF", 160.0, 100.0);
    }
    report.WriteErsatzwand();
    if (in.txt_tgf_ankerkraft == 1) {
        report.WriteAnkerkraft(*tgf);
    }
    if (in.txt_tgf_materialversagen == 1) {
        report.WriteMaterialversagen(*tgf);
    }
    if (in.txt_tgf_herausziehen == 1) {
        report.WriteHerausziehen(*tgf);
    }
}

} // namespace

int ZirfAusgabe(C1QEL& qel, C1ZirfInput& in, C1ZirfCalc& calc) {
    C1RTFX rtf(&qel);
    qel.Progress(0);
    qel.Progress(0);
    AnnounceStatus(qel, kLeer);
    C1ZirfReport report(&qel, &rtf, &calc, &in);
    qel.SetStatusText("Ausgabe erzeugen");
    qel.Progress(0);

    report.WriteKopf();
    rtf.WriteAnnotation("steu", 1, 1);
    if (in.txt_eingabe == 1) {
        report.WriteSystemUndBelastung();
    }
    if (in.skizze2d == 1) {
        QELRTFX_InsertPicture(in.skizze2d_datei.c_str(), 0, 0.0, 0.0);
    }
    if (in.skizze3d == 1) {
        QELRTFX_InsertPicture(in.skizze3d_datei.c_str(), 0, 0.0, 0.0);
    }
    AnnounceStatus(qel, kGrafikErzeugen);
    C1ZirfGrafik grafik(4.0, 0.7, &qel, &rtf, nullptr, &in, &calc);
    if (in.grafik.at(C1ZirfInput::kGrafikSystem) + in.grafikDatei.at(C1ZirfInput::kGrafikSystem) !=
        0) {
        grafik.PlotSystem("System", 160.0, 100.0);
    }
    if (in.txt_eingabe == 1) {
        rtf.WriteAnnotation("geom", 1, 1);
        report.WriteGelaende();
        report.WriteBelastung();
    }
    if (in.txt_teilsicherheit == 1) {
        report.WriteEinwirkungen();
    }
    report.WriteEinwirkungenUndWiderstaende();
    report.WriteLastzustaende();
    if (in.grafik.at(C1ZirfInput::kGrafikDruckBeanspr) != 0) {
        WriteTextzeile(rtf, ReportBlocks::kBeanspruchungen, 1);
        grafik.PlotBeanspruchung("Beanspruchung", 160.0, 100.0, 1, 2);
    }
    report.WriteEinbindetiefe(0);
    // After a diverged iteration the calculation holds the last trial step: its checks
    // would report numbers never computed, so each chapter of checks says so instead.
    const bool divergiert = ReportSicht::IterationDivergiert(calc);
    if (in.txt_tragnachweise != 0) {
        WriteTextzeile(rtf, ReportBlocks::kTragsicherheit, 1);
        if (divergiert) {
            WriteTextzeile(rtf, ReportBlocks::kDivergiert, 1);
        } else if (in.mitanker != 0) {
            report.WriteAuflagerNachweis(0);
            report.WriteAuflagerNachweis(1);
            if (in.anker == 1) {
                WriteTiefeGleitfuge(report, rtf, grafik, in, calc);
            }
        } else {
            report.WriteAuflagerNachweis(2);
        }
    }
    qel.Progress(kFertig);
    if (in.txt_profilwahl == 1) {
        WriteTextzeile(rtf, ReportBlocks::kProfil, 2);
        if (divergiert) {
            WriteTextzeile(rtf, ReportBlocks::kDivergiert, 1);
        } else {
            if (in.grafik.at(C1ZirfInput::kGrafikSchnittgroessen) != 0) {
                grafik.PlotSchnittgroessen("Momente", 40.0, 100.0, 1, 1);
            }
            report.WriteProfilNachweis();
        }
    }
    rtf.WriteAnnotation("resu", 1, 1);
    rtf.Close(0);
    return 1;
}
