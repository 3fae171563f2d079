#include "plot/engine/C1LastLevels.h"
#include "plot/engine/C1Plot.h"
#include "plot/engine/C1TextRects.h"
#include "plot/engine/PlotGeometrie.h"
#include "plot/member/C1PlotTraeger.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double kBandScale = 0.1;
constexpr double kPictureScale = 0.2;
constexpr double kPictureWidth = 3.1;
constexpr double kLevelStep = 1.2;
constexpr double kSymbolShare = 0.03;
constexpr double kSupportDrop = 0.002;
constexpr double kGapShare = 0.17;
constexpr double kTransitionShare = 1.001;
constexpr int kRowSpacing = 6;
constexpr int kNoX = -99999;

struct Platz {
    int section = 0;
    int level = 0;
    double start = 0.0;
    double length = 0.0;
};

struct Fern {
    C1Punkt start;
    C1Punkt end;
};

// The y of a band's far edge at x, or nothing when the edge does not span x.
bool FarYAt(const Fern& f, int x, int& y) {
    const int lo = std::min(f.start.x, f.end.x);
    const int hi = std::max(f.start.x, f.end.x);
    if (x < lo || x > hi) {
        return false;
    }
    if (hi - lo < 2) {
        y = f.start.y;
        return true;
    }
    y = f.start.y + C1Plot::WorldInt(static_cast<double>(f.end.y - f.start.y) * (x - f.start.x) /
                                     (f.end.x - f.start.x));
    return true;
}

bool FarXAt(const Fern& f, int y, int& x) {
    if (f.start.y == f.end.y) {
        return false;
    }
    if (y < std::min(f.start.y, f.end.y) || y > std::max(f.start.y, f.end.y)) {
        return false;
    }
    x = f.start.x + C1Plot::WorldInt(static_cast<double>(f.end.x - f.start.x) * (y - f.start.y) /
                                     (f.end.y - f.start.y));
    return true;
}

} // namespace

void C1PlotTraeger::PlotQuerschnitte(int charH, int charW, int x1, int y1, int x2, int y2, int view,
                                     int, int keepOrder) {
    if (plot == nullptr || view < 1 || view > 3) {
        return;
    }
    C1Plot& page = *plot;
    const int W = page.GetWorldW();
    const int H = page.GetWorldH();
    const double L = length;
    const int n = std::min(highestSection, kLastSection);
    const auto sec = [&](int i) -> const C1Quer& { return sections[static_cast<std::size_t>(i)]; };
    const auto defined = [&](int i) { return sec(i).Bemetyp != 0; };
    double hmax = 0.0;
    double bmax = 0.0;
    for (int i = 1; i <= n; ++i) {
        if (defined(i)) {
            hmax = std::max(hmax, sec(i).GetHoehe() + sec(i).hz);
            bmax = std::max(bmax, sec(i).GetBreite());
        }
    }
    // Sections without height give no scale: they are drawn as lines.
    const double sc = hmax > 0.0 ? C1Plot::WorldInt(kBandScale * H) / hmax : 0.0;

    // The first lower-numbered equal section of each, and the name each is shown with;
    // the sections keep their own names.
    std::vector<int> equalTo(static_cast<std::size_t>(n + 1), 0);
    std::vector<std::string> names(static_cast<std::size_t>(n + 1));
    for (int i = 1; i <= n; ++i) {
        if (!defined(i)) {
            continue;
        }
        names[static_cast<std::size_t>(i)] = sec(i).Name;
        if (view == 3 && sec(i).Name.empty()) {
            char text[32];
            std::snprintf(text, sizeof text, "Q %d", i);
            names[static_cast<std::size_t>(i)] = text;
        }
        for (int j = 1; j < i; ++j) {
            if (defined(j) && sec(i).IsEqual(sec(j)) != 0) {
                equalTo[static_cast<std::size_t>(i)] = j;
                names[static_cast<std::size_t>(i)] = names[static_cast<std::size_t>(j)];
                break;
            }
        }
    }
    const auto shown = [&](int i, bool withName) {
        C1Quer q;
        q.Copy(sec(i));
        q.Name = withName ? names[static_cast<std::size_t>(i)] : std::string();
        return q;
    };

    C1LastLevels levels(n + 1);
    std::vector<Platz> plan;
    for (int i = 1; i <= n; ++i) {
        if (defined(i)) {
            const int level = levels.Place(i, 1, x1, y1, x2, y2, L, sec(i).xa, sec(i).xe,
                                           C1Plot::WorldInt(kLevelStep * charH), 1, -1);
            plan.push_back({i, level, sec(i).xa, sec(i).xe - sec(i).xa});
        }
    }
    if (keepOrder == 0) {
        std::stable_sort(plan.begin(), plan.end(), [](const Platz& a, const Platz& b) {
            return a.level != b.level ? a.level < b.level : a.start < b.start;
        });
    }
    const auto offsetOf = [&](const Platz& p) {
        return C1Plot::WorldInt(sc * hmax + 3 * charH + p.level);
    };

    std::vector<Fern> far;
    int maxShifts = 0;
    if (view == 1 || view == 3) {
        C1TextRects nameBoxes;
        const Platz* previous = nullptr;
        for (const Platz& p : plan) {
            const int e = offsetOf(p);
            C1Quer band = shown(p.section, true);
            band.pNamen = &nameBoxes;
            Fern f;
            int shifts = 0;
            band.PlotLaengs(page, charH, sc, x1, y1, x2, y2, L, mode, 0, e, 1, 1, &f.start, &f.end,
                            &shifts, 0);
            far.push_back(f);
            maxShifts = std::max(maxShifts, shifts);
            if (keepOrder == 0) {
                C1Quer gap = shown(p.section, false);
                gap.xa = previous != nullptr && offsetOf(*previous) == e
                             ? previous->start + previous->length
                             : 0.0;
                gap.xe = p.start;
                C1Punkt a;
                C1Punkt b;
                gap.PlotLaengsMass(page, charH, sc, x1, y1, x2, y2, L, mode, 0, e, 1, &a, &b);
            } else if (previous != nullptr &&
                       (previous->start + previous->length) * kTransitionShare < p.start) {
                const C1Quer before = shown(previous->section, false);
                Fern t;
                band.PlotUebergang(page, charH, sc, x1, y1, x2, y2, L, mode, &before, e, 1,
                                   &t.start, &t.end);
                far.push_back(t);
            }
            previous = &p;
        }

        const int savedKind = drawKind;
        drawKind = 1;
        const int s = C1Plot::WorldInt(kSymbolShare * W);
        const int supports = std::min(highestSupport, kLastNumber);
        for (int i = 1; i <= supports; ++i) {
            const double t = L > 0.0 ? GetAuflX(i) / L : 0.0;
            int x = 0;
            int y = 0;
            if (mode == 2) {
                y = C1Plot::WorldInt(y1 + (y2 - y1) * t);
                x = kNoX;
                for (const Fern& f : far) {
                    int fx = 0;
                    if (FarXAt(f, y, fx)) {
                        x = std::max(x, fx);
                    }
                }
                if (x == kNoX) {
                    x = C1Plot::WorldInt(x1 + (x2 - x1) * t); // no band here: on the axis
                }
            } else {
                x = C1Plot::WorldInt(x1 + (x2 - x1) * t);
                y = y2;
                if (!far.empty() && i == 1) {
                    y = far.front().start.y;
                } else if (!far.empty() && i == supports) {
                    y = far.back().end.y;
                }
                for (const Fern& f : far) {
                    int fy = 0;
                    if (FarYAt(f, x, fy)) {
                        y = std::max(y, fy);
                    }
                }
                y = C1Plot::WorldInt(kSupportDrop * H + y);
            }
            PlotAufl(i, x, y, s, s, charH, charW);
        }
        drawKind = savedKind;

        for (const Platz& p : plan) {
            const C1Quer band = shown(p.section, false);
            band.PlotLaengs(page, charH, sc, x1, y1, x2, y2, L, mode, 0, offsetOf(p), 0, 0, nullptr,
                            nullptr, nullptr, 0);
        }

        for (int i = 1; i <= std::min(highestHole, kLastNumber); ++i) {
            const C1PlotLoch& hole = holes[static_cast<std::size_t>(i)];
            C1Quer q;
            q.Bemetyp = 0;
            q.iQuer = hole.kind == 1 ? 1 : 7;
            q.d.at(1) = hole.length;
            q.d.at(2) = hole.size;
            q.hz = hole.offset;
            const double w = hole.length * 0.01;
            q.xa = hole.position - w / 2;
            q.xe = q.xa + w;
            q.PlotLaengs(page, charH, sc, x1, y1, x2, y2, L, mode, 0, 0, 0, 0, nullptr, nullptr,
                         nullptr, 0);
        }
    }

    if (view == 2 || view == 3) {
        const double gap = kGapShare * L;
        const double len = LineLength(x1, y1, x2, y2);
        if (!(hmax > 0.0) || !(bmax > 0.0) || !(L > 0.0)) {
            return; // nothing with an extent to draw
        }
        const double sc2 =
            std::min(C1Plot::WorldInt(kPictureScale * H) / hmax, len / (kPictureWidth * bmax));
        // World units per metre along the member; a member longer than its axis is
        // in world units keeps the exact ratio rather than none.
        double lambda = C1Plot::WorldInt(len / L);
        if (lambda < 1.0) {
            lambda = len / L;
        }
        struct Bild {
            int section = 0;
            int row = 0;
            double x0 = 0.0;
        };
        std::vector<Bild> pictures;
        double x0 = 0.0;
        int row = 1;
        int rowHeight = 0;
        for (int i = 1; i <= n; ++i) {
            if (!defined(i) || equalTo[static_cast<std::size_t>(i)] != 0) {
                continue;
            }
            const double width = sec(i).GetBreite() * sc2 / lambda;
            double x = x0 + width + gap;
            rowHeight = std::max(rowHeight, C1Plot::WorldInt(sec(i).GetHoehe() * sc2));
            if (x > L) {
                x0 = 0.0;
                x = gap + width;
                row += rowHeight + kRowSpacing * charH;
                rowHeight = 0;
            }
            pictures.push_back({i, row, x0});
            x0 = x;
        }
        std::stable_sort(pictures.begin(), pictures.end(), [](const Bild& a, const Bild& b) {
            return a.row != b.row ? a.row < b.row : a.x0 < b.x0;
        });
        const int yBase = 2 * charH * (-2 - maxShifts);
        int k = 0;
        for (const Bild& b : pictures) {
            ++k;
            if (b.row > 0) {
                shown(b.section, true)
                    .PlotQuerschnitt(page, charH, sc2, x1, y1, x2, y2, b.x0, L, mode, yBase - b.row,
                                     charW, k);
            }
        }
    }
}
