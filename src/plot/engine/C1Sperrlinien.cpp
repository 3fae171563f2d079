#include "plot/engine/C1Sperrlinien.h"

#include <algorithm>

namespace {

// The shares of a text's line height kept as its margin across the text (above and
// below the digits) and along it.
constexpr double kRandQuer = 0.15;
constexpr double kRandLaengs = 0.05;

struct Innen {
    double links = 0.0;
    double rechts = 0.0;
    double unten = 0.0;
    double oben = 0.0;
};

// Whether the segment from a to b has a part strictly inside the box (clipped against
// its four sides in turn).
bool DurchInnen(C1Punkt a, C1Punkt b, const Innen& k) {
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    double t0 = 0.0;
    double t1 = 1.0;
    // The part of the segment where p·t < q.
    const auto schneide = [&](double p, double q) {
        if (p == 0.0) {
            return q > 0.0;
        }
        const double t = q / p;
        if (p < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        return t0 < t1;
    };
    return schneide(-dx, a.x - k.links) && schneide(dx, k.rechts - a.x) &&
           schneide(-dy, a.y - k.unten) && schneide(dy, k.oben - a.y);
}

bool Ueberschneiden(const C1Box& a, const Innen& k) {
    return a.left < k.rechts && k.links < a.right && a.top < k.oben && k.unten < a.bottom;
}

} // namespace

void C1Sperrlinien::Clear() {
    punkte.clear();
    stuecke.clear();
}

void C1Sperrlinien::Add(const C1Punkt* p, std::size_t anzahl) {
    if (p == nullptr || anzahl < 2) {
        return;
    }
    const std::size_t start = punkte.size();
    punkte.insert(punkte.end(), p, p + anzahl);
    for (std::size_t von = start; von + 1 < punkte.size(); von += kSegmente) {
        const std::size_t bis = std::min(von + kSegmente, punkte.size() - 1);
        C1Box h{punkte[von].x, punkte[von].y, punkte[von].x, punkte[von].y};
        for (std::size_t i = von + 1; i <= bis; ++i) {
            h.left = std::min(h.left, punkte[i].x);
            h.right = std::max(h.right, punkte[i].x);
            h.top = std::min(h.top, punkte[i].y);
            h.bottom = std::max(h.bottom, punkte[i].y);
        }
        stuecke.push_back({h, von, bis});
    }
}

bool C1Sperrlinien::Kreuzt(const C1Box& box) const {
    // A text's box is its line height by its advance: the digits leave a margin of its
    // height free above and below them, and the text's own point stands in that margin.
    const double links = std::min(box.left, box.right);
    const double rechts = std::max(box.left, box.right);
    const double unten = std::min(box.top, box.bottom);
    const double oben = std::max(box.top, box.bottom);
    const double hoehe = std::min(rechts - links, oben - unten);
    const bool quer = rechts - links < oben - unten; // the text runs along y
    const double randX = (quer ? kRandQuer : kRandLaengs) * hoehe;
    const double randY = (quer ? kRandLaengs : kRandQuer) * hoehe;
    const Innen k{links + randX, rechts - randX, unten + randY, oben - randY};
    if (k.links >= k.rechts || k.unten >= k.oben) {
        return false;
    }
    for (const Stueck& s : stuecke) {
        // A piece's box touching the text's only along an edge holds no crossing either.
        if (!Ueberschneiden(s.huelle, k)) {
            continue;
        }
        for (std::size_t i = s.von; i < s.bis; ++i) {
            if (DurchInnen(punkte[i], punkte[i + 1], k)) {
                return true;
            }
        }
    }
    return false;
}
