#pragma once

// The one conversion of a computed coordinate or length of a drawing to the whole
// units it is drawn in (world units of the drawing engine, device units of the
// metafile): truncated toward zero, as drawings have always cut their coordinates.
// A value that is not a finite number, or that lies beyond the range those whole
// numbers hold, is refused with C1Exception, the operation as its module: converting
// it would be undefined, or would draw the picture somewhere else than computed.

#include <cmath>
#include <limits>

class C1Exception;

// World units: the sum or difference of two coordinates still fits an int.
inline constexpr double kKoordinateGrenze = std::numeric_limits<int>::max() / 4;

// The test the conversion makes: a finite number of magnitude grenze at most. The test and
// the conversion are made for every point drawn, so they stand here, where the compiler
// sees them; only the refusal is a call.
inline bool IsKoordinate(double v, double grenze = kKoordinateGrenze) {
    return std::isfinite(v) && std::fabs(v) <= grenze;
}
// Throws the refusal of v.
[[noreturn]] void RefuseKoordinate(double v, const char* operation);
// The test with its refusal, for a value that is checked before it is drawn.
inline void CheckKoordinate(double v, const char* operation, double grenze = kKoordinateGrenze) {
    if (!IsKoordinate(v, grenze)) {
        RefuseKoordinate(v, operation);
    }
}
inline int ToKoordinate(double v, const char* operation, double grenze = kKoordinateGrenze) {
    CheckKoordinate(v, operation, grenze);
    return static_cast<int>(v);
}

// True for the refusal of ToKoordinate: a drawing that meets it is dropped, nothing
// else is wrong.
bool IsKoordinatenFehler(const C1Exception& e);
