// The labels of a drawn result curve: which values are labelled and where they stand.

#include "plot/curve/ZustandsLinie.h"

#include "base/Numerik.h"
#include "plot/engine/C1Plot.h"
#include "plot/engine/FormatZahl.h"
#include "plot/engine/PlotGeometrie.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double kLabelFont = 0.8;
// The text of a label is a little longer than its measured width.
constexpr double kTextStreckung = 1.02;
constexpr int kLinks = 1;
constexpr int kRechts = 2;
constexpr int kMitte = 0;
// A label that would print over another is left out.
constexpr int kWeglassen = 2;
// Two labels keep this share of a text height clear between them.
constexpr double kAbstand = 0.6;
// A label that finds no place beside its point moves this many text heights away from
// the member at a time, at most this many times.
constexpr double kAusweichen = 0.6;
constexpr int kAusweichSchritte = 4;

std::vector<int> KindsOf(int labelKinds) {
    switch (labelKinds) {
    case 1:
        return {1};
    case 2:
        return {2};
    case 3:
        return {1, 2};
    case 4:
        return {4};
    default:
        return {};
    }
}

// An extreme below this share of the curve's greatest magnitude is no value to read
// off: it would stand on the member line; the greatest value on the curve's other side
// only below a tenth of it (a rounding rest at a support).
constexpr double kNebensaechlich = 0.01;
constexpr double kRest = 0.001;

// Whether a label's text reads as zero: there is nothing to read off there.
bool LiestNull(const std::string& text) {
    return text.find_first_not_of("-+0.,") == std::string::npos;
}

} // namespace

bool ZustandsLinie::Nebensaechlich(double z, double anteil) const {
    return std::fabs(z) < anteil * std::max(std::fabs(Zmax), std::fabs(Zmin));
}

std::vector<ExtremLabel> ZustandsLinie::Labels(int labelKinds, double sx, double sz, double naehe) {
    labelKinds &= ~kHuelle;
    // The extremes by kind, merged where they lie close.
    std::vector<ExtremLabel> labels;
    std::vector<int> punkte;
    for (const int kind : KindsOf(labelKinds)) {
        int i = -1;
        int p = -1;
        double q = -1.0;
        while ((i = FindNextExtremum(i, kind, 1, 2)) >= 0) {
            const double zi = Z[static_cast<std::size_t>(i)];
            const double ord = zi * sz;
            if (kind != 4 && i > 0) {
                bool flat = IsGleich(ord, q) != 0;
                for (int k = p + 1; flat && k < i; ++k) {
                    flat = IsGleich(Z[static_cast<std::size_t>(std::max(k, 0))], zi) != 0;
                }
                if (flat) {
                    continue;
                }
            }
            // The greatest values on either side of the member go first, unless they are
            // too small to read off; the least of a line on one side is another extreme.
            const bool groesster = ((i == iZmax && zi > 0.0) || (i == iZmin && zi < 0.0)) &&
                                   !Nebensaechlich(zi, kRest);
            const ExtremLabel label{kind, x[static_cast<std::size_t>(i)] * sx, ord, zi,
                                    groesster ? ExtremLabel::kGroesster : ExtremLabel::kSonstige};
            // Extremes closer than a label's length, or within three points, are one:
            // the larger stays.
            if (p >= 0 &&
                (i - p < 3 ||
                 (x[static_cast<std::size_t>(i)] - x[static_cast<std::size_t>(p)]) * sx < naehe)) {
                if (std::fabs(zi) > std::fabs(labels.back().value)) {
                    labels.back() = label;
                    punkte.back() = i;
                    p = i;
                }
                q = ord;
            } else {
                labels.push_back(label);
                punkte.push_back(i);
                p = i;
                q = ord;
            }
        }
    }
    // An extreme stands where its line reaches furthest within a label's length: a flat
    // top of many points would otherwise give the first of them.
    for (std::size_t k = 0; k < labels.size(); ++k) {
        ExtremLabel& l = labels[k];
        if (l.kind != 1 && l.kind != 2) {
            continue;
        }
        const auto at = [](int i) { return static_cast<std::size_t>(i); };
        int best = punkte[k];
        for (int j = 0; j < n; ++j) {
            const bool nah = std::fabs(x[at(j)] - x[at(punkte[k])]) * sx < naehe;
            if (nah && (l.kind == 1 ? Z[at(j)] > Z[at(best)] : Z[at(j)] < Z[at(best)])) {
                best = j;
            }
        }
        if (best != punkte[k]) {
            const double zb = Z[at(best)];
            const bool groesster = ((best == iZmax && zb > 0.0) || (best == iZmin && zb < 0.0)) &&
                                   !Nebensaechlich(zb, kRest);
            l = {l.kind, x[at(best)] * sx, zb * sz, zb,
                 groesster ? ExtremLabel::kGroesster : ExtremLabel::kSonstige};
            punkte[k] = best;
        }
    }
    // The marked points, each once.
    if (labelKinds != 0) {
        for (const Marke& m : marken) {
            for (int i = 0; i < n; ++i) {
                if (std::fabs(x[static_cast<std::size_t>(i)] - m.x) > kMarkeToleranz) {
                    continue;
                }
                const double zi = Z[static_cast<std::size_t>(i)];
                const auto schon = std::find(punkte.begin(), punkte.end(), i);
                if (schon != punkte.end()) {
                    ExtremLabel& l = labels[static_cast<std::size_t>(schon - punkte.begin())];
                    l.rang = std::min(l.rang, ExtremLabel::kMarkiert);
                    l.text = m.text;
                    l.richtung = m.richtung;
                } else {
                    labels.push_back({zi < 0.0 ? 2 : 1, x[static_cast<std::size_t>(i)] * sx,
                                      zi * sz, zi, ExtremLabel::kMarkiert, m.text, m.richtung});
                    punkte.push_back(i);
                }
                break;
            }
        }
    }
    // A value is not written twice beside itself, nor a lesser extreme beside a greater.
    std::vector<ExtremLabel> bleibt;
    for (std::size_t k = 0; k < labels.size(); ++k) {
        bool weicht = false;
        for (std::size_t m = 0; m < labels.size() && !weicht; ++m) {
            weicht = m != k && labels[k].WeichtFuer(labels[m], naehe, m < k);
        }
        if (!weicht) {
            bleibt.push_back(labels[k]);
        }
    }
    labels = std::move(bleibt);
    // The greatest values first, then the marked points, then the others, each group in
    // order along the member.
    std::stable_sort(labels.begin(), labels.end(),
                     [](const ExtremLabel& l, const ExtremLabel& r) { return l.Vor(r); });
    return labels;
}

std::string ZustandsLinie::LabelText(const ExtremLabel& label, int signedLabels) const {
    const double v = signedLabels != 0 ? label.value : std::fabs(label.value);
    const std::string text = label.text.empty() ? FormatKurvenWert(v) : label.text;
    if (LiestNull(text) ||
        (label.rang == ExtremLabel::kSonstige && Nebensaechlich(label.value, kNebensaechlich))) {
        return {};
    }
    return text;
}

double ZustandsLinie::WertBei(double px) const {
    if (n == 0) {
        return 0.0;
    }
    const auto ende = x.begin() + n;
    const auto rechts = std::lower_bound(x.begin(), ende, px);
    if (rechts == x.begin()) {
        return Z[0];
    }
    if (rechts == ende) {
        return Z[static_cast<std::size_t>(n - 1)];
    }
    const auto i = static_cast<std::size_t>(rechts - x.begin());
    const double dx = x[i] - x[i - 1];
    return dx > 0.0 ? Z[i - 1] + (Z[i] - Z[i - 1]) * (px - x[i - 1]) / dx : Z[i];
}

void ZustandsLinie::SperreFuehrungen(C1Plot& page, int mode, const std::vector<ExtremLabel>& labels,
                                     int ax, int ay, int bx, int by, int signedLabels) const {
    if (mode <= 0) {
        return;
    }
    for (const ExtremLabel& label : labels) {
        if (LabelText(label, signedLabels).empty()) {
            continue;
        }
        const C1Punkt p = PointOnLine(ax, ay, bx, by, static_cast<int>(label.position),
                                      static_cast<int>(label.ordinate));
        if (const auto foot = PerpendicularFoot(ax, ay, bx, by, p.x, p.y)) {
            const C1Punkt linie[] = {p, *foot};
            page.GetSperrlinien().Add(linie, 2);
        }
    }
}

void ZustandsLinie::PlotLabels(C1Plot& page, int mode, const std::vector<ExtremLabel>& labels,
                               double h, int ax, int ay, int bx, int by, double axisLength,
                               int signedLabels) const {
    const auto on = [&](double s, double t) {
        return PointOnLine(ax, ay, bx, by, static_cast<int>(s), static_cast<int>(t));
    };
    const double angle = LineAngle(ax, ay, bx, by);
    const int hoehe = static_cast<int>(kLabelFont * h);
    const int abstandVorher = page.GetTextAbstand();
    page.SetTextAbstand(static_cast<int>(kAbstand * hoehe));
    for (const ExtremLabel& label : labels) {
        const std::string text = LabelText(label, signedLabels);
        if (text.empty()) {
            continue;
        }
        // The text stands on the side of its value, so that it never crosses the member.
        const C1Punkt p = on(label.position, label.ordinate);
        const bool rechts = label.value > 0.0;
        // Along the member the text runs from its point toward the member's end, and back
        // from it where it would reach beyond that end: it stays beside the member. Where
        // that place is taken (by another label, by a support's symbol, by a drawn line
        // running through it), the other way or centred on its point; where every place is
        // taken it is left out.
        const double laenge = kTextStreckung * page.GetTextWidth(text, hoehe);
        const bool zumEnde = label.position + laenge <= axisLength;
        const bool zumAnfang = label.position - laenge >= 0.0;
        std::vector<int> wege;
        if ((label.richtung == kLinks && zumEnde) || (label.richtung == kRechts && zumAnfang)) {
            wege.push_back(label.richtung);
        }
        for (const auto& [weg, passt] :
             {std::pair{kLinks, zumEnde}, std::pair{kRechts, zumAnfang}}) {
            if (passt && std::find(wege.begin(), wege.end(), weg) == wege.end()) {
                wege.push_back(weg);
            }
        }
        // Centred only where it stays beside the member.
        if (label.position - laenge / 2.0 >= 0.0 && label.position + laenge / 2.0 <= axisLength) {
            wege.push_back(kMitte);
        }
        // A way that would cover the point of another value the report prints goes last.
        const auto deckt = [&](int weg) {
            return (weg != kRechts && laenge / (weg == kMitte ? 2.0 : 1.0) > label.freiZumEnde) ||
                   (weg != kLinks && laenge / (weg == kMitte ? 2.0 : 1.0) > label.freiZumAnfang);
        };
        std::stable_partition(wege.begin(), wege.end(), [&](int weg) { return !deckt(weg); });
        // Beside its point, else a step further out at a time where that stays within the
        // width the line and the label of its extreme on that side take: the picture keeps
        // its scale, and the depth scale of its row.
        const double skala = label.value != 0.0 ? std::fabs(label.ordinate / label.value) : 0.0;
        const double breite = (rechts ? std::max(Zmax, 0.0) : std::max(-Zmin, 0.0)) * skala + h;
        // A side of a step keeps its way first (the value above the step runs up from it,
        // the one below down) and moves out along it; every other label takes the first
        // way free beside its point before it moves out.
        const auto setzeBei = [&](const std::vector<int>& auswahl, double ordinate) {
            const C1Punkt anker = on(label.position, ordinate);
            return std::any_of(auswahl.begin(), auswahl.end(), [&](int align) {
                return page.PlotTextAt(anker.x, anker.y, angle, text, hoehe, kWeglassen, align, 0,
                                       0, 0);
            });
        };
        // A value the reader must find may also step in toward the member, between its
        // point and the member (the inner side of a step at the member's end, whose outer
        // line runs past the place outside it).
        const double seite = rechts ? 1.0 : -1.0;
        const auto setzeAuf = [&](const std::vector<int>& auswahl) {
            for (int schritt = 0; schritt <= kAusweichSchritte; ++schritt) {
                const double weiter = schritt * kAusweichen * h;
                if (schritt > 0 && std::fabs(label.ordinate) + weiter + h > breite) {
                    break;
                }
                if (setzeBei(auswahl,
                             rechts ? label.ordinate + h + weiter : label.ordinate - weiter)) {
                    return true;
                }
            }
            for (int schritt = 1; label.Vorrang() && schritt <= kAusweichSchritte; ++schritt) {
                const double innen = schritt * kAusweichen * h + h;
                if (std::fabs(label.ordinate) < innen) {
                    break;
                }
                if (setzeBei(auswahl,
                             (rechts ? label.ordinate + h : label.ordinate) - seite * innen)) {
                    return true;
                }
            }
            return false;
        };
        const auto setze = [&]() {
            if (label.richtung != 0 && !wege.empty() && wege.front() == label.richtung) {
                return setzeAuf({wege.front()}) ||
                       setzeAuf(std::vector<int>(wege.begin() + 1, wege.end()));
            }
            return setzeAuf(wege);
        };
        bool gesetzt = setze();
        if (!gesetzt && (label.Vorrang() || label.rang != ExtremLabel::kSonstige)) {
            // A value the reader must find (the table's, a step's, the greatest) is
            // labelled even where every place beside it is crossed by a line.
            page.SetLinienMeiden(false);
            gesetzt = setze();
            page.SetLinienMeiden(true);
        }
        if (!gesetzt) {
            continue;
        }
        if (mode > 0) {
            if (const auto foot = PerpendicularFoot(ax, ay, bx, by, p.x, p.y)) {
                page.MoveTo(p.x, p.y);
                page.LineTo(foot->x, foot->y);
            }
        }
    }
    page.SetTextAbstand(abstandVorher);
}
