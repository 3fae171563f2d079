// The report head and the heading of the input chapters.

#include "model/C1ZirfInput.h"
#include "report/C1RTFX.h"
#include "report/C1ZirfReport.h"
#include "report/ReportSicht.h"

namespace {

constexpr int kZeileDimensionierung = 1;
constexpr int kZeileNachweis = 2;

} // namespace

int C1ZirfReport::WriteKopf() {
    pRTF->rtf_open(pInput->nPage, pInput->freeText);
    // One line per design code; a selector without a line of its own writes none.
    const int norm = ReportSicht::Norm(*pInput);
    pRTF->ReadTemplate(ReportBlocks::kNorm);
    if (norm >= 1 && norm <= ReportBlocks::kNorm.nZeilen) {
        pRTF->WriteZeile(norm);
    }
    pRTF->ReadTemplate(ReportBlocks::kModus);
    pRTF->WriteZeile(pInput->berart == 0 ? kZeileDimensionierung : kZeileNachweis);
    pRTF->WriteAnnotation("var", 1, 1);
    return 1;
}

int C1ZirfReport::WriteSystemUndBelastung() {
    pRTF->ReadTemplate(ReportBlocks::kSystemUndBelastung);
    pRTF->WriteZeile(1);
    return 1;
}
