#include "plot/engine/FormatZahl.h"

#include "base/Numerik.h"
#include "plot/engine/TextReinigung.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

constexpr double kNegligible = 0.00001;
constexpr double kWholeTolerance = 0.001;

// A value that its decimals show as zero is written without a sign ("0.00", not
// "-0.00").
std::string Unsigned0(std::string s) {
    const std::size_t minus = s.find('-');
    if (minus != std::string::npos && s.find_first_not_of("0.", minus + 1) == std::string::npos) {
        s.erase(minus, 1);
    }
    return s;
}

std::string Printed(const char* format, double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, v);
    return Unsigned0(buffer);
}

std::string PrintedInt(const char* format, long long v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, v);
    return buffer;
}

// An integral part that fits the integer format; larger magnitudes are clamped.
long long Whole(double v) {
    constexpr double kLimit = static_cast<double>(std::numeric_limits<long long>::max() / 2);
    return static_cast<long long>(std::fmax(-kLimit, std::fmin(kLimit, v)));
}

} // namespace

std::string FormatZahl(double x, int decimals, int wholeAsInteger) {
    if (std::fabs(x) <= kNegligible) {
        return {};
    }
    if (wholeAsInteger != 0 && IsNearInteger(x, kWholeTolerance)) {
        return PrintedInt("%lld", RoundInt(x));
    }
    char format[32];
    std::snprintf(format, sizeof format, "%%20.%df", decimals);
    return WithoutBlanksAround(Printed(format, x));
}

std::string FormatZahlAuto(double x) {
    if (x >= 10000.0) {
        return WithoutBlanksAround(Printed("%8.2f", x));
    }
    // Whole numbers are rounded, never cut: 1999.9 is "2000", not "1999".
    if (x >= 1000.0) {
        return WithoutBlanksAround(PrintedInt("%7lld", Whole(std::round(x))));
    }
    if (x >= 100.0) {
        return WithoutBlanksAround(PrintedInt("%6lld", Whole(std::round(x))));
    }
    if (x >= 10.0) {
        return WithoutBlanksAround(Printed("%5.1f", x));
    }
    return WithoutBlanksAround(Printed("%4.2f", x));
}

std::string FormatKurvenWert(double v) {
    const double m = std::fabs(v);
    if (m >= 1000.0) {
        // Rounded like the report's tables, not cut.
        return PrintedInt("%lld", Whole(std::round(v)));
    }
    const char* format = m >= 100.0    ? "%7.1f"
                         : m >= 10.0   ? "%4.2f"
                         : m >= 1.0    ? "%5.2f"
                         : m >= 0.1    ? "%4.2f"
                         : m >= 0.01   ? "%5.3f"
                         : m >= 0.001  ? "%6.4f"
                         : m >= 0.0001 ? "%7.5f"
                                       : nullptr;
    return format != nullptr ? WithoutBlanksAround(Printed(format, v)) : std::string("0.00");
}
