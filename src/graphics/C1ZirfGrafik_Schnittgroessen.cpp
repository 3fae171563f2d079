// The chapter of the design internal forces and the characteristic deflection: a table
// of four pictures along the wall, drawn through the member-plot layer. The member is the
// design beam: length TL (the whole wall of an anchored wall), x = 0 at the foot, a depth
// d at x = TL - d.

#include "graphics/C1ZirfGrafik.h"

#include "beam/C1Traeger.h"
#include "earthpressure/C1ZirfCalc.h"
#include "host/C1ZirfInput.h"
#include "host/Trace.h"
#include "platform/QELRTFXReport.h"
#include "plot/PlotT_.h"
#include "report/C1RTFX.h"
#include "report/ReportBlocks.h"

#include <array>
#include <cmath>

namespace {

constexpr int kPunkte = 21;
constexpr int kSegmente = 20;
constexpr double kUeberKopf = 1.0;   // the zero line runs on 1 m above the head
constexpr double kNebenAnker = 0.01; // the point just above the anchor (m)
constexpr double kSpalteCm = 4.0;
constexpr int kSlot = 1;
constexpr int kKurve = 1;
constexpr float kMmJeCm = 10.0f;

enum Eintrag { kMomente = 448, kQuerkraefte = 449, kNormalkraefte = 450, kVerformungen = 451 };

void Punkt(double x, double wert) {
    PlotT_SetZ(kKurve, float(x), float(wert));
}

// Draws curve 1 into the file and puts the picture into the current table cell.
void Bild(const char* datei, double widthMm, double heightMm) {
    const QEL_HENHMETAFILE h =
        PlotT_ZLinie(kSlot, 1, 0, 1, 0, 3, 0, 1, "", float(widthMm), float(heightMm), 0, datei,
                     nullptr, 0, nullptr, nullptr, 0);
    if (h != 0) {
        QELRTFX_InsertPicture(datei, 1, widthMm / kMmJeCm, heightMm / kMmJeCm);
        PlotT_DeleteEmf(h);
    } else {
        QELRTFX_CellText("");
    }
}

// Closes the member plot when the chapter ends, on every path.
struct MemberPlot {
    MemberPlot(float charHeight, float charWidth) { PlotT_Init(2, charHeight, charWidth, 0); }
    MemberPlot(const MemberPlot&) = delete;
    MemberPlot& operator=(const MemberPlot&) = delete;
    ~MemberPlot() { PlotT_Close(); }
};

} // namespace

int C1ZirfGrafik::PlotSchnittgroessen(const std::string&, double widthMm, double heightMm, int,
                                      int) {
    const C1ZirfInput& in = *pInput;
    const C1ZirfCalc& c = *pCalc;
    const bool anker = in.mitanker != 0;
    const double TL = c.pTraeger != nullptr && c.pTraeger->GetTL() > 0.0 ? c.pTraeger->GetTL()
                                                                         : (anker ? c.tGes : c.t);
    const double A = in.tiefe_anker;
    const bool ankerUnterKopf = anker && A > 0.0;

    const MemberPlot plot{static_cast<float>(charHeight), static_cast<float>(charWidth)};
    int nummer = 1;
    const auto auflager = [&](double x, int c2, int c3) {
        PlotT_SetAufl(kSlot, nummer++, " ", float(x), 0, c2, c3, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    };
    if (!anker) {
        auflager(TL, 0, 0);
        auflager(0.0, 1, 1);
    } else {
        if (ankerUnterKopf) {
            auflager(TL, 0, 0);
        }
        auflager(TL - A, 0, 1);
        // A free foot is hinged; any fixity clamps it.
        auflager(0.0, c.einspannArt == 0 ? 0 : 1, 1);
    }

    pRTF->ReadTemplate(ReportBlocks::kSchnittgroessen);
    pRTF->WriteZeile(1);
    QELRTFX_Paragraph(0, "");
    const std::array<double, 4> spalten = {kSpalteCm, kSpalteCm, kSpalteCm, kSpalteCm};
    QELRTFX_TableColumns(int(spalten.size()), spalten.data());
    QELRTFX_RowStart(1);
    for (const int eintrag : {kMomente, kQuerkraefte, kNormalkraefte, kVerformungen}) {
        QELRTFX_CellText(Beschriftung(eintrag).c_str());
    }
    QELRTFX_RowStart(0);

    const auto x = [&](int p) { return p * TL / kSegmente; };

    // Bending moments, with the report's greatest moment and the anchor's two values.
    Punkt(TL + kUeberKopf, 0.0);
    for (int p = 0; p < kPunkte; ++p) {
        const auto P = std::size_t(p);
        Punkt(x(p), c.MDesign[P]);
        TracePrintf("\nT: i %2d  x %6.3f  Q %6.3f M %6.3f", p + 1, TL - x(p), c.QDesign[P],
                    c.MDesign[P]);
    }
    if (c.xm > 0.0 && c.xm < TL) {
        Punkt(TL - c.xm, c.Mxm);
    }
    if (ankerUnterKopf) {
        Punkt(TL - (A - kNebenAnker), c.MuA);
        Punkt(TL - A, c.MA);
    }
    Bild("Momente.emf", widthMm, heightMm);

    // Shear forces with the beam's sign, the head's value the one just below the head.
    Punkt(TL + kUeberKopf, 0.0);
    for (int p = 0; p < kPunkte; ++p) {
        Punkt(x(p), c.QDesign[std::size_t(p)]);
    }
    if (ankerUnterKopf) {
        Punkt(TL - (A - kNebenAnker), c.QuA);
        Punkt(TL - A, c.QA);
    }
    Bild("Querkraefte.emf", widthMm, heightMm);

    // Normal forces: the calculation's own operation, so the picture shows the report's
    // values; at the anchor a step of the anchor's vertical component.
    Punkt(TL + kUeberKopf, 0.0);
    for (int p = 0; p < kPunkte; ++p) {
        Punkt(x(p), c.NormalkraftBei(TL - x(p), true));
    }
    if (in.wand_hw > 0.0 && in.wand_hw < TL) {
        Punkt(TL - in.wand_hw, c.NormalkraftBei(in.wand_hw, true));
    }
    if (ankerUnterKopf) {
        const double ohne = c.NormalkraftBei(A, false);
        constexpr double kDarunter = 1e-9;
        const double anteil =
            c.NormalkraftBei(A + kDarunter, true) - c.NormalkraftBei(A + kDarunter, false);
        Punkt(TL - A + kNebenAnker, ohne);
        Punkt(TL - A, ohne + anteil);
    }
    Bild("Normalkraefte.emf", widthMm, heightMm);

    // Deflection in cm as stored: place p at the depth p·t/20, head first.
    Punkt(TL + kUeberKopf, 0.0);
    for (int p = 0; p < kPunkte; ++p) {
        Punkt(TL - p * c.t / kSegmente, c.Durchbiegung[std::size_t(p)]);
    }
    Bild("Durchbiegung.emf", widthMm, heightMm);

    QELRTFX_RowEnd();
    return 1;
}
