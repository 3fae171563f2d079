#pragma once

#include "geometry/CGKonstanten.h"

#include <cstddef>
#include <vector>

class ArchiveReader;
class ArchiveWriter;

// An interval [from, to] of line parameters (kind 6).
class CGBaseSeg {
public:
    CGBaseSeg() = default;
    CGBaseSeg(double f, double t) : from(f), to(t) {}
    CGBaseSeg(const CGBaseSeg& other) = default;
    CGBaseSeg& operator=(const CGBaseSeg& other) {
        from = other.from;
        to = other.to;
        kind = kCGIntervall;
        return *this;
    }

    int kind = kCGIntervall;
    double from = 0.0;
    double to = 0.0;
};

// An interval array in an archive: the element count (uint32) followed by one record
// of 24 bytes per interval (int32 kind, 4 zero bytes, double from, double to), written
// and read in chunks whose byte size fits a signed 32-bit int.
inline constexpr std::size_t kCGIntervallBytes = 24;
inline constexpr std::size_t kCGIntervallChunk = 89478485; // INT32_MAX / 24

void SaveIntervalle(ArchiveWriter& archive, const std::vector<CGBaseSeg>& intervalle,
                    std::size_t chunk = kCGIntervallChunk);
// A short archive raises ArchiveEndOfFile and gives nothing back.
std::vector<CGBaseSeg> LoadIntervalle(ArchiveReader& archive,
                                      std::size_t chunk = kCGIntervallChunk);
