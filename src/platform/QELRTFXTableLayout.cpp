#include "platform/QELRTFXTableLayout.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>

namespace {

// Boundaries are compared in 1/1000 mm, so that sums of the same widths meet.
constexpr double kKeysPerCm = 10000.0;

struct Zelle {
    std::size_t von = 0; // first grid column
    std::size_t bis = 0; // one past the last
    double need = 0.0;
};

long Key(double cm) {
    return std::lround(cm * kKeysPerCm);
}

double Sum(const std::vector<double>& w, const Zelle& z) {
    return std::accumulate(w.begin() + static_cast<std::ptrdiff_t>(z.von),
                           w.begin() + static_cast<std::ptrdiff_t>(z.bis), 0.0);
}

// Widens the grid columns so that every cell gets its need: narrow spans first, the
// deficit of a cell shared by its grid columns in proportion to their given widths.
void Widen(std::vector<double>& w, const std::vector<double>& given, std::vector<Zelle> zellen) {
    std::stable_sort(zellen.begin(), zellen.end(),
                     [](const Zelle& a, const Zelle& b) { return a.bis - a.von < b.bis - b.von; });
    for (const Zelle& z : zellen) {
        const double deficit = z.need - Sum(w, z);
        if (deficit <= 0.0) {
            continue;
        }
        const double base = Sum(given, z);
        for (std::size_t j = z.von; j < z.bis; ++j) {
            w[j] += deficit * given[j] / base;
        }
    }
}

} // namespace

std::vector<std::vector<double>> FitTableColumns(const std::vector<QELRTFXLayoutRow>& rows,
                                                 double maxWidthCm) {
    // A table has a few hundred cells and a report about a hundred tables: each vector
    // below is given its room at once.
    std::size_t cells = 0;
    for (const QELRTFXLayoutRow& row : rows) {
        cells += row.widthsCm.size();
    }
    // The right edge of each cell, row by row: the boundaries of the grid.
    std::vector<long> kanten;
    kanten.reserve(cells);
    for (const QELRTFXLayoutRow& row : rows) {
        double right = 0.0;
        for (const double w : row.widthsCm) {
            right += std::fabs(w);
            kanten.push_back(Key(right));
        }
    }
    std::vector<long> keys = {0};
    keys.reserve(cells + 1);
    keys.insert(keys.end(), kanten.begin(), kanten.end());
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    const auto index = [&keys](long key) {
        return static_cast<std::size_t>(std::lower_bound(keys.begin(), keys.end(), key) -
                                        keys.begin());
    };

    std::vector<double> given(keys.size() - 1);
    for (std::size_t j = 0; j + 1 < keys.size(); ++j) {
        given[j] = static_cast<double>(keys[j + 1] - keys[j]) / kKeysPerCm;
    }
    std::vector<std::vector<Zelle>> zeilen;
    zeilen.reserve(rows.size());
    std::vector<Zelle> alle;
    alle.reserve(cells);
    std::size_t kante = 0;
    for (const QELRTFXLayoutRow& row : rows) {
        std::vector<Zelle> zellen;
        zellen.reserve(row.widthsCm.size());
        for (std::size_t c = 0; c < row.widthsCm.size(); ++c) {
            Zelle z;
            // A row starts at the grid's left edge, a cell where the one before it ends.
            z.von = c == 0 ? index(0) : zellen.back().bis;
            z.bis = index(kanten[kante++]);
            z.need = c < row.needCm.size() ? row.needCm[c] : 0.0;
            zellen.push_back(z);
            if (z.bis > z.von) {
                alle.push_back(z);
            }
        }
        zeilen.push_back(std::move(zellen));
    }

    std::vector<double> wanted = given;
    Widen(wanted, given, alle);
    std::vector<double> w = wanted;
    const double total = std::accumulate(wanted.begin(), wanted.end(), 0.0);
    if (total > maxWidthCm) {
        std::vector<double> least(given.size(), 0.0);
        Widen(least, given, alle);
        const double minimum = std::accumulate(least.begin(), least.end(), 0.0);
        // Both sets of widths give every cell its need, and so does every blend of them.
        const double share =
            minimum < maxWidthCm ? (maxWidthCm - minimum) / (total - minimum) : 0.0;
        const double scale = minimum < maxWidthCm || minimum <= 0.0 ? 1.0 : maxWidthCm / minimum;
        for (std::size_t j = 0; j < w.size(); ++j) {
            w[j] = (least[j] + (wanted[j] - least[j]) * share) * scale;
        }
    }

    std::vector<std::vector<double>> out;
    out.reserve(zeilen.size());
    for (const std::vector<Zelle>& zellen : zeilen) {
        std::vector<double> widths;
        widths.reserve(zellen.size());
        for (const Zelle& z : zellen) {
            widths.push_back(Sum(w, z));
        }
        out.push_back(std::move(widths));
    }
    return out;
}
