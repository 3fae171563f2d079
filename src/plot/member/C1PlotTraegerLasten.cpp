#include "plot/engine/C1LastLevels.h"
#include "plot/engine/C1Plot.h"
#include "plot/engine/FormatZahl.h"
#include "plot/engine/PlotGeometrie.h"
#include "plot/member/C1PlotTraeger.h"

#include "base/Numerik.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double kBlockShare = 1.1;
constexpr double kLevelShare = 1.3;
constexpr double kTextShare = 0.8;
constexpr double kSettlementShare = 1.5;
constexpr double kPassShare = 1.3;
constexpr double kTrapezShare = 0.8;
constexpr double kTwoTextShare = 1.3;
constexpr double kPointAtEnd = 0.01;
constexpr double kShortest = 0.01;
constexpr double kLabelAlong = -0.09;
constexpr double kLabelAcross = -0.4;
constexpr double kLabelHeight = 1.2;
constexpr double kChainRow = 1.5;
constexpr double kChainMark = 1.08;
constexpr double kChainMarkSize = 1.2;
constexpr int kExtentRows = 4;
constexpr int kArtLast = 3;
constexpr int kNoDimensionMarks = 10;
constexpr int kAlignCentre = 0;
constexpr int kAlignLeft = 1;

enum DimMode { kDimPoints = 1, kDimLengths = 2 };

struct MassEintrag {
    int level = 0;
    double x = 0.0;
    double length = 0.0;
};

struct MassGruppe {
    std::vector<MassEintrag> entries;
    int number = 0;
    bool isNew = false;
};

bool SameGroup(const MassGruppe& a, const MassGruppe& b) {
    if (a.entries.size() != b.entries.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.entries.size(); ++i) {
        if (IsGleich(a.entries[i].x, b.entries[i].x) == 0 ||
            IsGleich(a.entries[i].length, b.entries[i].length) == 0) {
            return false;
        }
    }
    return true;
}

// The fill of a load's block by its load case's letter: permanent, variable,
// accidental; any other letter keeps the previous load's.
int Kategorie(char letter, int previous) {
    switch (letter) {
    case 'G':
    case 'g':
        return 1;
    case 'Q':
    case 'q':
    case 'S':
    case 's':
        return 2;
    case 'A':
    case 'a':
        return 3;
    default:
        return previous;
    }
}

// The axial force with one decimal and no leading blanks.
std::string NormalKraftText(double n) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f", std::fabs(n));
    return buffer;
}

std::string OwnOr(const std::string& own, const std::string& value) {
    return own.empty() ? value : own;
}

} // namespace

int C1PlotTraeger::PlotKettenNr(int number, int x1, int y1, int x2, int y2, int size, int offset) {
    if (plot == nullptr) {
        return 1;
    }
    const double len = LineLength(x1, y1, x2, y2);
    const C1Punkt p = PointOnLine(x1, y1, x2, y2, C1Plot::WorldInt(kChainMark * len), offset);
    plot->PlotPoint(p.x, p.y, C1Plot::WorldInt(kChainMarkSize * size), 1, 0, 0);
    const double angle = LineAngle(x1, y1, x2, y2);
    const C1Punkt a = PointAtAngle(p.x, p.y, angle, -size / 2, size / 2);
    const C1Punkt b = PointAtAngle(p.x, p.y, angle, size / 2, size / 2);
    char text[32];
    std::snprintf(text, sizeof text, "%d", number);
    plot->PlotTextLine(a.x, a.y, b.x, b.y, text, size, 0, kAlignCentre, 0, 0, 0);
    return 1;
}

int C1PlotTraeger::PlotLasten(int charH, int x1, int y1, int x2, int y2, int what, int dimMode,
                              int scaled, int perLoadCase) {
    if (what == 0) {
        return 0;
    }
    if (plot == nullptr) {
        return 1;
    }
    C1Plot& page = *plot;
    // A member's bands never continue the last band of another member.
    page.ResetPrevBand();
    const int w = C1Plot::WorldInt(kBlockShare * charH);
    const int hb = C1Plot::WorldInt(kLevelShare * w);
    const int th = C1Plot::WorldInt(kTextShare * charH);
    const int W = page.GetWorldW();
    const double L = length;
    int lf = 0;
    int feld = 0;
    int nr = 0;
    int flag = 0;
    double a = 0.0;
    double b = 0.0;
    double q1 = 0.0;
    double q2 = 0.0;
    std::string text;
    const int nPoint = loads.GetAnzahlEinzelLast();
    const int nTrapez = loads.GetAnzahlTrapezLast();
    const int nMoment = loads.GetAnzahlMomentLast();
    const int nTemp = loads.GetAnzahlTempLast();
    const int nSts = loads.GetAnzahlStsLast();
    const int nNormal = loads.GetAnzahlNormalKraft();
    C1LastLevels levels(nPoint + nTrapez + nMoment + 20);
    // The entries grow with the loads: any number of them is dimensioned.
    std::vector<MassEintrag> entries;

    double qmax = 0.0;
    double pmax = 0.0;
    if (scaled != 0) {
        for (int i = 1; i <= nTrapez; ++i) {
            loads.GetTrapezLast(i, lf, feld, a, b, q1, q2, text, flag, nr);
            qmax = std::max({qmax, std::fabs(q1), std::fabs(q2)});
        }
        for (int i = 1; i <= nTemp; ++i) {
            loads.GetTempLast(i, lf, feld, a, b, q1, text, nr);
            qmax = std::max(qmax, std::fabs(q1));
        }
        for (int i = 1; i <= nPoint; ++i) {
            loads.GetEinzelLast(i, lf, feld, a, q1, text, flag, nr);
            pmax = std::max(pmax, std::fabs(q1));
        }
    }

    const int axisLength = RoundInt(LineLength(x1, y1, x2, y2));
    const int baseShift = cutLineUpper >= 1 ? -(2 * th + cutLineUpper) : -th;
    C1Punkt Q1;
    C1Punkt Q2;
    PointsOnLine(x1, y1, x2, y2, 0, baseShift, axisLength, Q1, Q2);
    const double scale = L > 0.0 ? axisLength / L : 0.0;
    const auto basePoint = [&](double x) {
        return PointOnLine(Q1.x, Q1.y, Q2.x, Q2.y, C1Plot::WorldInt(x * scale), 0);
    };
    const auto supportX = [&](int span) { return span > 0 ? GetAuflX(span) : 0.0; };
    int category = 1;
    const auto categoryOf = [&](int loadCase) {
        if (loadCase >= 0 && loadCase <= kLastNumber) {
            category = Kategorie(labels[static_cast<std::size_t>(loadCase)].letter, category);
        }
        return category;
    };
    int maxY = 0;

    if (what <= 3) {
        for (int i = 1; i <= nSts; ++i) {
            double s = 0.0;
            loads.GetStsLast(i, lf, feld, s, text, nr);
            const double x = supportX(feld);
            const std::string t1 = OwnOr(text, "ds=" + FormatZahlAuto(s) + "cm");
            // A settlement has no ordinates or length of its own: it stands at the full
            // block height whatever the largest load.
            const int gap = page.PlotLast(0, 31, Q1.x, Q1.y, Q2.x, Q2.y, L, t1, "", qmax, qmax, x,
                                          0.0, 0, C1Plot::WorldInt(kSettlementShare * hb),
                                          C1Plot::WorldInt(kSettlementShare * w), qmax, th, levels,
                                          categoryOf(lf), 1, 0);
            maxY = std::max(maxY, gap + C1Plot::WorldInt(kSettlementShare * hb));
        }

        const int passes = perLoadCase == 0 ? 1 : GetHighestLabel();
        int k = 0;
        bool previousHadLoads = false;
        for (int pass = 1; pass <= passes; ++pass) {
            const int filter = perLoadCase == 0 ? -1 : pass;
            const auto wanted = [&](int loadCase) { return filter < 0 || loadCase == filter; };
            int passGap = maxY;
            if (pass > 1 && previousHadLoads) {
                passGap = C1Plot::WorldInt(kPassShare * hb + maxY);
            }
            bool hadLoads = false;
            const auto after = [&](int gap, double x, double len, bool lengthLoad) {
                maxY = std::max(maxY, gap);
                page.AddZeichenObj(kArtLast, nr, -1, page.GetLastLastRect());
                if (lengthLoad && (dimMode & kDimLengths) != 0) {
                    entries.push_back({gap, x, len});
                } else if (!lengthLoad && (dimMode & kDimPoints) != 0) {
                    entries.push_back({gap, x, 0.0});
                }
                hadLoads = true;
            };

            for (int i = 1; i <= nTemp; ++i) {
                double ke = 0.0;
                loads.GetTempLast(i, lf, feld, a, b, ke, text, nr);
                if (!wanted(lf)) {
                    continue;
                }
                const double x = a + supportX(feld);
                if (x > L) {
                    continue;
                }
                if (x + b > L) {
                    b = L - x;
                }
                char own[512]; // the whole degrees, cut; "%.0f" takes any value
                std::snprintf(own, sizeof own, "deltaT=%.0f Grad", std::trunc(ke) + 0.0);
                const int gap =
                    page.PlotLast(++k, 9, Q1.x, Q1.y, Q2.x, Q2.y, L, OwnOr(text, own), "", ke, ke,
                                  x, b, passGap, hb, w, qmax, th, levels, categoryOf(lf), 1, 1);
                after(gap, x, b, true);
            }

            for (int i = 1; i <= nTrapez; ++i) {
                loads.GetTrapezLast(i, lf, feld, a, b, q1, q2, text, flag, nr);
                if (!wanted(lf)) {
                    continue;
                }
                double x = a + supportX(feld);
                if (x > L || b < kShortest || x + b < 0.0) {
                    continue;
                }
                if (x + b > L) {
                    q2 = q1 + (q2 - q1) / b * (L - x);
                    b = L - x;
                }
                if (x < 0.0) {
                    q1 = q1 + (q2 - q1) / b * (-x);
                    b += x;
                    x = 0.0;
                }
                const int form = std::abs(flag);
                const int type = (form >= 2 && form <= 6) ? form : form == 9 ? 19 : 1;
                const int side = flag < 0 ? -1 : 1;
                const int gap = side == -1 ? passGap + 2 * th : passGap;
                std::string t1 = FormatZahlAuto(std::fabs(q1));
                std::string t2 = FormatZahlAuto(std::fabs(q2));
                if (!text.empty()) {
                    t1 = text;
                    t2.clear();
                }
                int height = C1Plot::WorldInt(kTrapezShare * w);
                if (type == 19) {
                    height = C1Plot::WorldInt(kTwoTextShare * height);
                }
                const int used =
                    page.PlotLast(++k, type, Q1.x, Q1.y, Q2.x, Q2.y, L, t1, t2, q1, q2, x, b, gap,
                                  hb, height, qmax, th, levels, categoryOf(lf), side, 1);
                after(used, x, b, true);
            }

            for (int i = 1; i <= nPoint; ++i) {
                double c = 0.0;
                double p = 0.0;
                loads.GetEinzelLast(i, lf, feld, c, p, text, flag, nr);
                if (!wanted(lf)) {
                    continue;
                }
                double dimShift = 0.0;
                if (IsGleich(c, L) != 0) {
                    // A load at the very end is drawn just inside, dimensioned at the end.
                    c = L - kPointAtEnd;
                    dimShift = kPointAtEnd;
                }
                const double x = c + supportX(feld);
                if (x > L) {
                    continue;
                }
                const int form = std::abs(flag);
                const int type = (form >= 2 && form <= 5) ? 10 + form : form == 9 ? 19 : 11;
                const int side = flag < 0 ? -1 : 1;
                const int gap = side == -1 ? passGap + 2 * th : passGap;
                const int used = page.PlotLast(
                    ++k, type, Q1.x, Q1.y, Q2.x, Q2.y, L, OwnOr(text, FormatZahlAuto(std::fabs(p))),
                    "", p, 0.0, x, 0.0, gap, hb, hb, pmax, th, levels, categoryOf(lf), side, 1);
                after(used, x + dimShift, 0.0, false);
            }

            for (int i = 1; i <= nMoment; ++i) {
                double d = 0.0;
                double m = 0.0;
                loads.GetMomentLast(i, lf, feld, d, m, text, nr);
                if (!wanted(lf)) {
                    continue;
                }
                const double x = d + supportX(feld);
                if (x > L) {
                    continue;
                }
                // A moment has no form flag: it stands on the first side.
                const int used = page.PlotLast(
                    ++k, 21, Q1.x, Q1.y, Q2.x, Q2.y, L, OwnOr(text, FormatZahlAuto(std::fabs(m))),
                    "", m, 0.0, x, 0.0, passGap, hb, w, 0.0, th, levels, categoryOf(lf), 1, 1);
                after(used, x, 0.0, false);
            }

            if (perLoadCase != 0) {
                const C1Punkt at =
                    PointOnLine(Q1.x, Q1.y, Q2.x, Q2.y, C1Plot::WorldInt(kLabelAlong * W),
                                C1Plot::WorldInt(kLabelAcross * th - maxY));
                page.PlotTextAt(at.x, at.y, LineAngle(x1, y1, x2, y2),
                                labels[static_cast<std::size_t>(pass)].text,
                                C1Plot::WorldInt(kLabelHeight * th), 0, kAlignLeft, 1, 0, 0);
            }
            previousHadLoads = hadLoads;
        }
    }

    if (dimMode != 0 && (what == 1 || what == 2)) {
        std::stable_sort(entries.begin(), entries.end(), [](const auto& l, const auto& r) {
            return l.level != r.level ? l.level < r.level : l.x < r.x;
        });
        std::vector<MassGruppe> groups;
        for (const MassEintrag& e : entries) {
            if (groups.empty() || groups.back().entries.front().level != e.level) {
                groups.push_back({});
            }
            groups.back().entries.push_back(e);
        }
        int highest = 0;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            groups[g].isNew = true;
            for (std::size_t j = 0; j < g; ++j) {
                if (SameGroup(groups[g], groups[j])) {
                    groups[g].number = groups[j].number;
                    groups[g].isNew = false;
                    break;
                }
            }
            if (groups[g].isNew) {
                groups[g].number = ++highest;
            }
        }
        const double d0 = LineLength(x1, y1, lastDimension.x, lastDimension.y);
        int previousNumber = 0;
        for (const MassGruppe& g : groups) {
            const int y = g.entries.front().level;
            const int yOff = C1Plot::WorldInt(kChainRow * g.number * th + cutLineUpper +
                                              C1Plot::WorldInt(d0) + 2 * th);
            if (dimMode < kNoDimensionMarks) {
                PlotKettenNr(g.number, Q1.x, Q1.y, Q2.x, Q2.y, th, C1Plot::WorldInt(-y - 0.5 * th));
                PlotKettenNr(g.number, Q1.x, Q1.y, Q2.x, Q2.y, th, yOff);
            }
            if (g.isNew && g.number != previousNumber) {
                double end = 0.0;
                const auto mass = [&](double from, double to) {
                    if (to - from > kShortest) {
                        page.PlotZahl(basePoint(from), basePoint(to), to - from, th, yOff, "");
                    }
                };
                for (const MassEintrag& e : g.entries) {
                    mass(end, e.x);
                    mass(e.x, e.x + e.length);
                    end = e.x + e.length;
                }
                mass(end, L);
            }
            previousNumber = g.number;
        }
    }

    if ((what == 1 || what == 2) && page.GetMode() == 0) {
        page.SelectStockPen2(kStockNullPen);
        page.PlotDot(x1, y1);
        const int out = kExtentRows * th + maxY;
        if (mode == 2) {
            page.PlotDot(Q1.x - out, Q1.y);
        } else {
            page.PlotDot(Q1.x, Q1.y - out);
        }
        page.PopPen();
    }

    if (what == 3) {
        for (int i = 1; i <= nNormal; ++i) {
            double n1 = 0.0;
            double n2 = 0.0;
            loads.GetNormalKraft(i, lf, feld, a, b, n1, n2, text, nr);
            const double x = a + supportX(feld);
            page.PlotArrowText(i, x1, y1, x2, y2, L, NormalKraftText(n1), n1, x, 3 * th, 0.0, th,
                               categoryOf(lf));
            page.AddZeichenObj(kArtLast, nr, -1, page.GetLastLastRect());
        }
    }

    if (mode == 2 && page.GetMode() == 0) {
        page.SelectStockPen2(kStockNullPen);
        page.PlotDot(x1, y1);
        page.PlotDot(Q1.x, Q1.y + kExtentRows * th);
        page.MoveTo(x1, y1);
        page.LineTo(Q1.x, Q2.y - kExtentRows * th);
        page.PopPen();
    }
    return 1;
}
