// The chapter of the design internal forces and the characteristic deflection: a table
// of four pictures along the wall, drawn through the member-plot layer. The member is the
// design beam: length TL (the whole wall of an anchored wall), x = 0 at the foot, a depth
// d at x = TL - d.

#include "graphics/C1ZirfGrafik.h"

#include "base/Trace.h"
#include "graphics/Schnittgroessenlinien.h"
#include "host/RunTempFolder.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "platform/QELRTFXReport.h"
#include "plot/curve/ZustandsLinie.h"
#include "plot/member/PlotT_.h"
#include "report/C1RTFX.h"
#include "report/ReportBlocks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr int kPunkte = 21;
constexpr int kSegmente = 20;
constexpr double kSpalteCm = 4.0;
constexpr int kSlot = 1;
constexpr int kKurve = 1;
constexpr int kKurve2 = 2;
// The labels of a curve: its extremes and its marked points.
constexpr int kBeschriftung = 3;
constexpr float kMmJeCm = 10.0f;

enum Eintrag { kMomente = 448, kQuerkraefte = 449, kNormalkraefte = 450, kVerformungen = 451 };

// Draws curve 1 into the file and puts the picture into the current table cell. In a run
// the file lies in the run's own temporary folder, so no file of the output folder (a
// user's file of that name, another run's picture) is ever written over; the picture
// stays in memory there, and the report takes its bytes by handle.
// The envelope of the load states draws its least values as curve 2 beside the greatest
// (curve 1), the one that reaches the larger magnitude filled, the other outlined; at each
// labelled point the value of the larger magnitude is labelled.
void Bild(const char* name, double widthMm, double heightMm, int zweite, bool zweiteGefuellt) {
    const std::string datei = RunTempFolder::InRun() ? RunTempFolder::FileName(name) : name;
    const QEL_HENHMETAFILE h = PlotT_ZLinie(
        kSlot, 1, zweite, zweiteGefuellt ? 0 : 1, zweiteGefuellt ? 1 : 0, kBeschriftung,
        zweite != 0 ? kBeschriftung | ZustandsLinie::kHuelle : 0, 1, "", float(widthMm),
        float(heightMm), 0, datei.c_str(), nullptr, 0, nullptr, nullptr, 0);
    if (h != 0) {
        QELRTFX_InsertMetafile(h, widthMm / kMmJeCm, heightMm / kMmJeCm);
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
    const Schnittgroessenlinien linien = SchnittgroessenlinienVon(c, in);
    const double TL = linien.TL;
    const double A = in.tiefe_anker;
    const bool ankerUnterKopf = linien.ankerTiefe > 0.0;

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
        // The foot force acts at the theoretical foot depth t: a free foot is hinged there,
        // a fixed or partly fixed one drawn clamped.
        auflager(TL - c.t, c.einspannArt == 0 ? 0 : 1, 1);
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

    // The trace keeps the design line as the picture draws it.
    for (int p = 0; p < kPunkte; ++p) {
        const auto P = std::size_t(p);
        TracePrintf("\nT: i %2d  x %6.3f  Q %6.3f M %6.3f", p + 1, TL - p * TL / kSegmente,
                    c.QDesign[P], c.MDesign[P]);
    }
    using Linie = std::vector<Schnittgroessenlinien::Punkt>;
    const Linie keine;
    for (const auto& [linie, zweite, datei] :
         {std::tuple{&linien.moment, &linien.momentMin, "Momente.emf"},
          std::tuple{&linien.querkraft, &linien.querkraftMin, "Querkraefte.emf"},
          std::tuple{&linien.normalkraft, &linien.normalkraftMin, "Normalkraefte.emf"},
          std::tuple{&linien.durchbiegung, &keine, "Durchbiegung.emf"}}) {
        for (const auto& [kurve, punkte] : {std::pair{kKurve, linie}, std::pair{kKurve2, zweite}}) {
            for (const Schnittgroessenlinien::Punkt& punkt : *punkte) {
                PlotT_SetZ(kurve, float(punkt.x), float(punkt.wert));
                if (punkt.beschriftet) {
                    PlotT_SetZMarke(kurve, float(punkt.x),
                                    punkt.text.empty() ? nullptr : punkt.text.c_str(),
                                    punkt.richtung);
                }
            }
        }
        const auto groesster = [](const Linie& l) {
            double g = 0.0;
            for (const Schnittgroessenlinien::Punkt& p : l) {
                g = std::max(g, std::fabs(p.wert));
            }
            return g;
        };
        Bild(datei, widthMm, heightMm, zweite->empty() ? 0 : 1,
             groesster(*zweite) > groesster(*linie));
    }

    QELRTFX_RowEnd();
    // Where the states give two lines, a line under the diagrams says which one the
    // labels belong to.
    if (!linien.momentMin.empty() || !linien.querkraftMin.empty() ||
        !linien.normalkraftMin.empty()) {
        pRTF->ReadTemplate(ReportBlocks::kSchnittgroessenLinien);
        pRTF->WriteZeile(1);
    }
    return 1;
}
