#include "plot/curve/ZustandsLinie.h"

#include "base/Numerik.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kRestartMax = -9999999.0;
constexpr double kRestartMin = 9999999.0;
constexpr double kSameTolerance = 0.001;
constexpr double kNeighbourDx = 0.001;
constexpr double kNeighbourDz = 0.001;
constexpr double kNegligibleShare = 0.01;
constexpr double kEndZero = 0.001;
constexpr double kFallbackExtreme = 0.0001;
constexpr double kJumpShare = 0.03;

using Triple = std::array<double, 3>;

bool ByXThenZ(const Triple& a, const Triple& b) {
    return a[0] != b[0] ? a[0] < b[0] : a[1] < b[1];
}

} // namespace

int SortTriples(double (*triples)[3], int count) {
    if (triples == nullptr || count <= 0) {
        return 1;
    }
    std::vector<Triple> t(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        t[static_cast<std::size_t>(i)] = {triples[i][0], triples[i][1], triples[i][2]};
    }
    std::sort(t.begin(), t.end(), ByXThenZ);
    for (int i = 0; i < count; ++i) {
        for (int k = 0; k < 3; ++k) {
            triples[i][k] = t[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)];
        }
    }
    return 1;
}

ZustandsLinie::ZustandsLinie() : x(kStartCapacity, 0.0), Z(kStartCapacity, 0.0) {}

int ZustandsLinie::Reset() {
    *this = ZustandsLinie();
    return 1;
}

int ZustandsLinie::SetPoint(int i, double px, double pz) {
    if (i < 0 || i >= capacity + kGrowth) {
        return 0;
    }
    if (i >= capacity) {
        capacity += kGrowth;
        x.resize(static_cast<std::size_t>(capacity), 0.0);
        Z.resize(static_cast<std::size_t>(capacity), 0.0);
    }
    n = std::max(n, i + 1);
    sortiert = false;
    x.at(static_cast<std::size_t>(i)) = px;
    Z.at(static_cast<std::size_t>(i)) = pz;
    TakeExtremes(i, px, pz);
    xmax = std::max(xmax, px);
    xmin = std::min(xmin, px);
    return 1;
}

int ZustandsLinie::AddPoint(double px, double pz, bool replace, double tolerance) {
    const int found = replace ? FindX(px, tolerance) : -1;
    return SetPoint(found >= 0 ? found : n, px, pz);
}

int ZustandsLinie::FindX(double px, double tolerance) const {
    for (int i = 0; i < n; ++i) {
        const double xi = x[static_cast<std::size_t>(i)];
        if (xi - tolerance <= px && px <= xi + tolerance) {
            return i;
        }
    }
    return -1;
}

double ZustandsLinie::GetX(int i) const {
    return IsIndex(i) ? x[static_cast<std::size_t>(i)] : 0.0;
}

double ZustandsLinie::GetZ(int i) const {
    return IsIndex(i) ? Z[static_cast<std::size_t>(i)] : 0.0;
}

int ZustandsLinie::GetPoint(int i, double& px, double& pz) const {
    px = GetX(i);
    pz = GetZ(i);
    return IsIndex(i);
}

double ZustandsLinie::GetMaxAbs() const {
    return n > 0 ? std::max(std::fabs(Zmax), std::fabs(Zmin)) : 0.0;
}

double ZustandsLinie::GetZAt(double px) {
    if (n == 0) {
        return 0.0;
    }
    if (n == 1) {
        return Z[0];
    }
    // Sorted first, so that beyond either end the value is that end's, not that of the
    // point that happened to be set first or last; the ends are those of the points
    // now held (a replaced point may have left the range of x behind).
    Sort();
    const auto last = static_cast<std::size_t>(n - 1);
    if (px < x[0]) {
        return Z[0];
    }
    if (px > x[last]) {
        return Z[last];
    }
    // No interval before the one that ends at the first point not left of px holds px:
    // the scan starts there (a search, not a walk along a curve of hundreds of points).
    const auto ab = std::lower_bound(x.begin(), x.begin() + n, px) - x.begin();
    for (int i = std::max(static_cast<int>(ab) - 1, 0); i + 1 < n; ++i) {
        const double x0 = x[static_cast<std::size_t>(i)];
        const double x1 = x[static_cast<std::size_t>(i + 1)];
        if (x0 <= px && px <= x1) {
            const double z0 = Z[static_cast<std::size_t>(i)];
            const double z1 = Z[static_cast<std::size_t>(i + 1)];
            return x1 - x0 != 0.0 ? z0 + (z1 - z0) * (px - x0) / (x1 - x0) : z0;
        }
    }
    for (int j = 0; j + 1 < n; ++j) {
        const double xj = x[static_cast<std::size_t>(j)];
        if (IsGleich(xj, x[static_cast<std::size_t>(j + 1)]) && IsGleich(px, xj)) {
            return Z[static_cast<std::size_t>(j)];
        }
    }
    return 0.0;
}

void ZustandsLinie::RecomputeExtremes() {
    if (n == 0) {
        return;
    }
    Zmax = kRestartMax;
    Zmin = kRestartMin;
    for (int i = 0; i < n; ++i) {
        TakeExtremes(i, x[static_cast<std::size_t>(i)], Z[static_cast<std::size_t>(i)]);
    }
}

void ZustandsLinie::TakeExtremes(int i, double px, double pz) {
    if (pz >= Zmax) {
        Zmax = pz;
        xZmax = px;
        iZmax = i;
    }
    if (pz <= Zmin) {
        Zmin = pz;
        xZmin = px;
        iZmin = i;
    }
}

bool ZustandsLinie::FastGeordnet() {
    const auto vor = [this](std::size_t a, std::size_t b) {
        return x[a] != x[b] ? x[a] < x[b] : Z[a] < Z[b];
    };
    int ausserReihe = 0;
    for (std::size_t k = 1; k < static_cast<std::size_t>(n); ++k) {
        if (vor(k, k - 1) && ++ausserReihe > kWenigeAusserReihe) {
            return false;
        }
    }
    for (std::size_t k = 1; k < static_cast<std::size_t>(n); ++k) {
        const double px = x[k];
        const double pz = Z[k];
        std::size_t j = k;
        for (; j > 0 && (px != x[j - 1] ? px < x[j - 1] : pz < Z[j - 1]); --j) {
            x[j] = x[j - 1];
            Z[j] = Z[j - 1];
        }
        x[j] = px;
        Z[j] = pz;
    }
    return true;
}

void ZustandsLinie::SortBy(bool zFirst) {
    if (sortiert && !zFirst) {
        return;
    }
    if (!zFirst && FastGeordnet()) {
        RecomputeExtremes();
        sortiert = true;
        return;
    }
    std::vector<Triple> t(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        t[k] = zFirst ? Triple{Z[k], x[k], 0.0} : Triple{x[k], Z[k], 0.0};
    }
    std::sort(t.begin(), t.end(), ByXThenZ);
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        x[k] = zFirst ? t[k][1] : t[k][0];
        Z[k] = zFirst ? t[k][0] : t[k][1];
    }
    RecomputeExtremes();
    sortiert = !zFirst;
}

int ZustandsLinie::Sort() {
    SortBy(false);
    return 1;
}

int ZustandsLinie::SortByZ() {
    SortBy(true);
    return 1;
}

void ZustandsLinie::RemoveMarked(const std::vector<bool>& marked) {
    // The order stays, the extremes' places do not.
    sortiert = false;
    for (int i = n - 1; i >= 0; --i) {
        if (marked[static_cast<std::size_t>(i)]) {
            x.erase(x.begin() + i);
            Z.erase(Z.begin() + i);
            --n;
        }
    }
    // The places stay: the arrays keep as many as the capacity says.
    x.resize(static_cast<std::size_t>(capacity), 0.0);
    Z.resize(static_cast<std::size_t>(capacity), 0.0);
}

int ZustandsLinie::RemoveDuplicates() {
    Sort();
    std::vector<bool> marked(static_cast<std::size_t>(n), false);
    // Of two points that are one, a point marked for its label stays.
    const auto zuBeschriften = [&](std::size_t k) {
        return std::any_of(marken.begin(), marken.end(),
                           [&](const Marke& m) { return std::fabs(x[k] - m.x) <= kMarkeToleranz; });
    };
    for (int i = 1; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (IsRelGleich(x[k - 1], x[k], kSameTolerance) &&
            IsRelGleich(Z[k - 1], Z[k], kSameTolerance)) {
            marked[zuBeschriften(k) && !zuBeschriften(k - 1) ? k - 1 : k] = true;
        }
    }
    RemoveMarked(marked);
    if (n >= 2) {
        std::vector<bool> ends(static_cast<std::size_t>(n), false);
        const auto last = static_cast<std::size_t>(n - 1);
        ends[0] = IsRelGleich(x[0], x[1], kSameTolerance) && std::fabs(Z[0]) < kEndZero;
        ends[last] =
            IsRelGleich(x[last - 1], x[last], kSameTolerance) && std::fabs(Z[last]) < kEndZero;
        RemoveMarked(ends);
    }
    RecomputeExtremes();
    // Points taken out of a sorted curve leave it sorted.
    sortiert = true;
    // The range of x follows the points that are left.
    if (n > 0) {
        xmin = *std::min_element(x.begin(), x.begin() + n);
        xmax = *std::max_element(x.begin(), x.begin() + n);
    }
    return n;
}

int ZustandsLinie::FindJump(int start, int direction) {
    Sort();
    const int d = direction == 2 ? -1 : direction;
    if (d == 0) {
        return -1;
    }
    const double t = kJumpShare * std::max(std::fabs(Zmax), std::fabs(Zmin));
    int k = start + d;
    if (!IsIndex(start) && IsIndex(k) && std::fabs(Z[static_cast<std::size_t>(k)]) > t) {
        return k;
    }
    for (; IsIndex(k); k += d) {
        if (IsIndex(k - d)) {
            const double zk = Z[static_cast<std::size_t>(k)];
            if (std::fabs(zk - Z[static_cast<std::size_t>(k - d)]) > t && std::fabs(zk) > t) {
                return k;
            }
        }
    }
    return -1;
}

int ZustandsLinie::FindNextExtremum(int start, int type, int direction, int variant) {
    if (type == 4) {
        return FindJump(start, direction);
    }
    Sort();
    const int d = direction == 1 ? 1 : direction == 2 ? -1 : type;
    if (d == 0 || n == 0) {
        return -1;
    }
    const double zRef = std::fabs(Zmax) > std::fabs(Zmin) ? Zmax : Zmin;
    const auto zAt = [this](int i) { return IsIndex(i) ? Z[static_cast<std::size_t>(i)] : 0.0; };
    const auto xAt = [this](int i) { return IsIndex(i) ? x[static_cast<std::size_t>(i)] : 0.0; };
    // The neighbour test between point k and the candidate c.
    const auto apart = [&](int k, int c) {
        const int lo = std::min(k, c);
        const int hi = std::max(k, c);
        const bool dx = xAt(hi) - xAt(lo) > kNeighbourDx;
        const bool dz = std::fabs(zAt(k) - zAt(c)) > kNeighbourDz * std::fabs(zRef);
        return variant == 1 ? (dx || dz) : variant == 2 ? (dx && dz) : false;
    };
    for (int c = start + d; IsIndex(c); c += d) {
        const int p = c - d;
        const bool lastCandidate = !IsIndex(c + d);
        if (zAt(c) == zAt(p) && !lastCandidate) {
            continue;
        }
        int q = -1;
        if (c != 0) {
            q = 0;
            for (int k = p; IsIndex(k); k -= d) {
                if (apart(k, c)) {
                    q = k;
                    break;
                }
            }
        }
        int r = -1;
        if (c != n - 1) {
            r = n - 1;
            for (int k = c + d; IsIndex(k); k += d) {
                if (apart(k, c)) {
                    r = k;
                    break;
                }
            }
        }
        if (!IsIndex(q) && !IsIndex(r)) {
            continue;
        }
        const double zc = zAt(c);
        bool extremum = true;
        for (const int k : {q, r}) {
            if (IsIndex(k)) {
                extremum = extremum && (type == 1 ? zc > zAt(k) : type == 2 ? zc < zAt(k) : false);
            }
        }
        if (extremum && std::fabs(zc) > kNegligibleShare * std::fabs(zRef)) {
            return c;
        }
    }
    if (start == -1) {
        if (type == 1 && std::fabs(Zmax) > kFallbackExtreme) {
            return iZmax;
        }
        if (type == 2 && std::fabs(Zmin) > kFallbackExtreme) {
            return iZmin;
        }
    }
    return -1;
}

int ZustandsLinie::IsEqual(ZustandsLinie other) const {
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (!IsRelGleich(Z[k], other.GetZAt(x[k]), kSameTolerance)) {
            return 0;
        }
    }
    return 1;
}

double ZustandsLinie::Area(bool absolute) {
    Sort();
    double sum = 0.0;
    for (int i = 0; i + 1 < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double a = absolute ? std::fabs(Z[k]) : Z[k];
        const double b = absolute ? std::fabs(Z[k + 1]) : Z[k + 1];
        sum += 0.5 * (x[k + 1] - x[k]) * (a + b);
    }
    return sum;
}

double ZustandsLinie::ProductIntegral(ZustandsLinie other) {
    std::vector<Triple> t;
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        t.push_back({x[k], Z[k], other.GetZAt(x[k])});
    }
    for (int i = 0; i < other.n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        t.push_back({other.x[k], GetZAt(other.x[k]), other.Z[k]});
    }
    std::sort(t.begin(), t.end(), ByXThenZ);
    double sum = 0.0;
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        const auto& [x1, a1, b1] = t[i];
        const auto& [x2, a2, b2] = t[i + 1];
        sum += (x2 - x1) / 6.0 * ((2 * b1 + b2) * a1 + (2 * b2 + b1) * a2);
    }
    return sum;
}

double ZustandsLinie::SortOnly() {
    Sort();
    return 0.0;
}

int ZustandsLinie::Dump(std::FILE* file, const std::string& title) const {
    if (file == nullptr) {
        return 1;
    }
    std::fprintf(file, "\n ZustandsLinie.Dump   \n");
    std::fprintf(file, "%s \n", title.c_str());
    std::fprintf(file, "iZmax =%3d     xZmax =%8.3f      Zmax =%12.4f   \n", iZmax, xZmax, Zmax);
    std::fprintf(file, "iZmin =%3d     xZmin =%8.3f      Zmin =%12.4f   \n", iZmin, xZmin, Zmin);
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        std::fprintf(file, "i=%3d    x =%8.3f    Z =%12.5f  \n", i, x[k], Z[k]);
    }
    return 1;
}
