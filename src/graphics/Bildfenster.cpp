#include "graphics/Bildfenster.h"

#include "plot/engine/C1Plot.h"
#include "plot/member/Plot_.h"

#include <algorithm>
#include <cmath>

namespace bildfenster {

namespace {

constexpr double kMinSeiteMm = 20.0;
constexpr double kMaxSeitenverhaeltnis = 20.0;
// The frame keeps the picture's shape this far inside the limits, for the pen's width
// and the texts, which the metafile measures on its own.
constexpr double kReserve = 1.05;
constexpr double kRandSeite = 0.02;
constexpr double kRandOben = 0.05;
constexpr double kRandUnten = 0.02;
constexpr int kDurchgaenge = 3;
// Texts at 85 % to 120 % of the size a picture of their own extents gives them are
// left as they are.
constexpr double kTextKleinst = 0.85;
constexpr double kTextGroesst = 1.2;
constexpr double kKleinsteAusdehnung = 0.1; // m: the engine needs extents above 0

// Metres of the window per millimetre of the page box, the larger of both directions:
// the scale at which the page shows the window.
double MeterJeMm(const Fenster& f, double widthMm, double heightMm) {
    return std::max(f.Breite() / widthMm, f.Hoehe() / heightMm);
}

Fenster MitAusdehnung(Fenster f) {
    if (f.leer) {
        f.Nimm(0.0, 0.0);
    }
    f.xMax = std::max(f.xMax, f.xMin + kKleinsteAusdehnung);
    f.yMax = std::max(f.yMax, f.yMin + kKleinsteAusdehnung);
    return f;
}

} // namespace

void Fenster::Nimm(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return;
    }
    if (leer) {
        xMin = xMax = x;
        yMin = yMax = y;
        leer = false;
        return;
    }
    xMin = std::min(xMin, x);
    xMax = std::max(xMax, x);
    yMin = std::min(yMin, y);
    yMax = std::max(yMax, y);
}

std::optional<Fenster> Gezeichnet() {
    const C1Plot* p = Plot_Current();
    if (p == nullptr || p->IsBoxEmpty()) {
        return std::nullopt;
    }
    const C1Box b = p->GetBox();
    Fenster f;
    f.Nimm(b.left / C1Plot::kWorldPerUnit, b.top / C1Plot::kWorldPerUnit);
    f.Nimm(b.right / C1Plot::kWorldPerUnit, b.bottom / C1Plot::kWorldPerUnit);
    return f;
}

void Zeichne(const Fenster& schaetzung, double widthMm, double heightMm,
             const std::function<void(const Fenster&)>& oeffne,
             const std::function<void()>& zeichne) {
    Fenster f = MitAusdehnung(schaetzung);
    for (int durchgang = 1;; ++durchgang) {
        oeffne(f);
        zeichne();
        const std::optional<Fenster> g = Gezeichnet();
        if (!g || durchgang >= kDurchgaenge) {
            return;
        }
        const Fenster neu = MitAusdehnung(*g);
        const double text = MeterJeMm(f, widthMm, heightMm) / MeterJeMm(neu, widthMm, heightMm);
        if (text >= kTextKleinst && text <= kTextGroesst) {
            return;
        }
        f = neu;
    }
}

void Rahmen(double widthMm, double heightMm) {
    const C1Plot* p = Plot_Current();
    if (p == nullptr || p->IsBoxEmpty()) {
        return;
    }
    const C1Box b = p->GetBox();
    const double w = std::max(1.0, static_cast<double>(b.right) - b.left);
    const double h = std::max(1.0, static_cast<double>(b.bottom) - b.top);
    // The engine takes its margins from the drawing or the page, whichever is larger.
    const double mw = std::max(w, static_cast<double>(p->GetWorldW()));
    const double mh = std::max(h, static_cast<double>(p->GetWorldH()));
    double links = kRandSeite * mw;
    double rechts = kRandSeite * mw;
    double oben = kRandOben * mh;
    double unten = kRandUnten * mh;
    const double breite = w + links + rechts;
    const double hoehe = h + oben + unten;
    const double flachste =
        std::min(widthMm / kMinSeiteMm, kMaxSeitenverhaeltnis) / kReserve; // width : height
    const double schmalste =
        std::max(kMinSeiteMm / heightMm, 1.0 / kMaxSeitenverhaeltnis) * kReserve; // width : height
    if (schmalste < flachste) {
        if (breite > flachste * hoehe) {
            const double mehr = (breite / flachste - hoehe) / 2.0;
            oben += mehr;
            unten += mehr;
        } else if (breite < schmalste * hoehe) {
            const double mehr = (schmalste * hoehe - breite) / 2.0;
            links += mehr;
            rechts += mehr;
        }
    }
    Plot_FrameMargins(static_cast<float>(1.0 + links / mw), static_cast<float>(1.0 + unten / mh),
                      static_cast<float>(1.0 + rechts / mw), static_cast<float>(1.0 + oben / mh));
}

} // namespace bildfenster
