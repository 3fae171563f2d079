#include "graphics/C1ZirfGrafik.h"

#include "graphics/Zeichnen.h"
#include "host/C1QEL.h"
#include "model/C1ZirfCalc.h"
#include "plot/member/Plot_.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kRandX = 10.0; // room right of the wall for the diagrams (m)
constexpr double kZusatzX = 1.04;
constexpr double kZusatzY = 1.02;
constexpr double kKleinsteWand = 1.0; // m, drawn when the calculation left no depth

} // namespace

C1ZirfGrafik::C1ZirfGrafik(double charHeight, double charWidth, C1QEL* qel, C1RTFX* rtf,
                           void* hilfsobjekt, C1ZirfInput* input, C1ZirfCalc* calc)
    : charHeight(charHeight), charWidth(charWidth), pQEL(qel), pRTF(rtf), pHilfsobjekt(hilfsobjekt),
      pInput(input), pCalc(calc) {}

std::string C1ZirfGrafik::Beschriftung(int eintrag) const {
    const std::string text = GetStringTableEntry(eintrag);
    if (pQEL == nullptr) {
        return text;
    }
    std::string out;
    return pQEL->LOC_TranslateX(out, text.c_str());
}

double C1ZirfGrafik::Wandtiefe() const {
    double t = 0.0;
    for (const double v : {pCalc->tGes, pCalc->t}) {
        if (std::isfinite(v)) {
            t = std::max(t, v);
        }
    }
    return t > 0.0 ? t : kKleinsteWand;
}

bildfenster::Fenster C1ZirfGrafik::Bildrahmen() const {
    const double tGes = Wandtiefe();
    bildfenster::Fenster f;
    f.Nimm(0.0, 0.0);
    f.Nimm((tGes + kRandX) * kZusatzX, tGes * kZusatzY);
    return f;
}

int C1ZirfGrafik::OpenBild(const std::string& name, double widthMm, double heightMm, int, int) {
    const bildfenster::Fenster f = Bildrahmen();
    return OeffneBild(name, widthMm, heightMm, f.Breite(), f.Hoehe());
}

int C1ZirfGrafik::OeffneBild(const std::string& name, double widthMm, double heightMm, double extX,
                             double extY) {
    scale = 25.0;
    xMin = 0.0;
    xMax = extX / kZusatzX;
    yMin = 0.0;
    yMax = extY / kZusatzY;
    bildBreiteMm = widthMm;
    bildHoeheMm = heightMm;
    Plot_Init(0, 4.0f, 1.0f, " ", zeichnen::K(extX), zeichnen::K(extY), zeichnen::K(widthMm),
              zeichnen::K(heightMm), 0, 1, 0, name.c_str());
    Plot_SetOrigin(zeichnen::K(xMin), zeichnen::K(yMin));
    Plot_SelectPen(0, 0, 1);
    Plot_SelectBrush(0);
    Plot_SelectFont(5.0f, 0.0f, 0, 0);
    return 1;
}

int C1ZirfGrafik::CloseBild() {
    // Every selection of OpenBild is popped again.
    Plot_PopFont();
    Plot_PopBrush();
    Plot_PopPen();
    bildfenster::Rahmen(bildBreiteMm, bildHoeheMm);
    // Only a quick run outside the host leaves the picture out of the report.
    const bool einfuegen =
        pQEL == nullptr || pQEL->IsKorvel2005() != 0 || pQEL->GetQuickModus() == 0;
    Plot_Close(einfuegen ? 1 : 0);
    return 1;
}
