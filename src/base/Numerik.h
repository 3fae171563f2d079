#pragma once

#include <cstdlib>
#include <initializer_list>

// Tolerance comparisons, rounding and extreme values shared by every subsystem.
// No state, no allocation, never throws.

namespace numerik_detail {

inline constexpr double kGleichTol = 0.001;

// a within tol of b, relative to b's magnitude, on b's side of zero. Inline: the beam asks
// it for each span of every place it is queried at.
inline int InScaledBand(double a, double b, double tol) {
    const double lo = b * (1.0 - tol);
    const double hi = b * (1.0 + tol);
    if (a >= 0.0 && lo <= a && a <= hi) {
        return 1;
    }
    if (a <= 0.0 && hi <= a && a <= lo) {
        return 1;
    }
    return 0;
}

} // namespace numerik_detail

inline int IsRelGleich(double a, double b, double tol) {
    return numerik_detail::InScaledBand(a, b, tol);
}
int IsRelGleichAbs(double a, double b, double tol);
inline int IsGleich(double a, double b) {
    return numerik_detail::InScaledBand(a, b, numerik_detail::kGleichTol);
}
int IsNearInteger(double x, double tol);
int RoundInt(double x);
int IsQelUser();

namespace numerik_detail {

template <class T, class Better>
T Extreme(int count, T start, std::initializer_list<T> values, Better better) {
    T current = start;
    int taken = 0;
    for (T v : values) {
        if (taken++ >= count) {
            break;
        }
        if (better(v, current)) {
            current = v;
        }
    }
    return current;
}

template <class T> T Abs(T v) {
    return v < 0 ? -v : v;
}

} // namespace numerik_detail

inline constexpr double kMaxDoubleStart = -99999999.9;
inline constexpr double kMinDoubleStart = 99999999.9;
inline constexpr int kMaxIntStart = -99999999;
inline constexpr int kMinIntStart = 99999999;

// The count functions take the number of values first, then the values; a count
// below 1 gives the start value. Later values win ties.
template <class... V> double MaxDouble(int count, V... values) {
    return numerik_detail::Extreme<double>(count, kMaxDoubleStart, {static_cast<double>(values)...},
                                           [](double v, double cur) { return v >= cur; });
}

template <class... V> double MinDouble(int count, V... values) {
    return numerik_detail::Extreme<double>(count, kMinDoubleStart, {static_cast<double>(values)...},
                                           [](double v, double cur) { return v <= cur; });
}

template <class... V> double MaxAbsDouble(int count, V... values) {
    return numerik_detail::Extreme<double>(
        count, 0.0, {static_cast<double>(values)...},
        [](double v, double cur) { return numerik_detail::Abs(v) >= numerik_detail::Abs(cur); });
}

template <class... V> int MaxInt(int count, V... values) {
    return numerik_detail::Extreme<int>(count, kMaxIntStart, {static_cast<int>(values)...},
                                        [](int v, int cur) { return v >= cur; });
}

template <class... V> int MinInt(int count, V... values) {
    return numerik_detail::Extreme<int>(count, kMinIntStart, {static_cast<int>(values)...},
                                        [](int v, int cur) { return v <= cur; });
}

template <class... V> int MaxAbsInt(int count, V... values) {
    return numerik_detail::Extreme<int>(count, 0, {static_cast<int>(values)...},
                                        [](int v, int cur) {
                                            return numerik_detail::Abs(static_cast<long long>(v)) >=
                                                   numerik_detail::Abs(static_cast<long long>(cur));
                                        });
}
