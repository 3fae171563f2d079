#include "geometry/CGBaseSeg.h"

#include "platform/ByteArchive.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace {

// Bytes between the kind and the first double of a record (alignment of the record).
constexpr std::size_t kFuellBytes = 4;

static_assert(kCGIntervallChunk * kCGIntervallBytes <=
              static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()));
static_assert((kCGIntervallChunk + 1) * kCGIntervallBytes >
              static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()));

} // namespace

void SaveIntervalle(ArchiveWriter& archive, const std::vector<CGBaseSeg>& intervalle,
                    std::size_t chunk) {
    chunk = std::max<std::size_t>(chunk, 1);
    if (intervalle.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("interval array too long for an archive");
    }
    archive.WriteUInt32(static_cast<std::uint32_t>(intervalle.size()));
    for (std::size_t start = 0; start < intervalle.size(); start += chunk) {
        const std::size_t end = std::min(intervalle.size(), start + chunk);
        for (std::size_t i = start; i < end; ++i) {
            archive.WriteInt32(intervalle[i].kind);
            archive.WriteZeros(kFuellBytes);
            archive.WriteDouble(intervalle[i].from);
            archive.WriteDouble(intervalle[i].to);
        }
    }
}

std::vector<CGBaseSeg> LoadIntervalle(ArchiveReader& archive, std::size_t chunk) {
    chunk = std::max<std::size_t>(chunk, 1);
    std::size_t count = archive.ReadUInt32();
    std::vector<CGBaseSeg> intervalle;
    while (count > 0) {
        const std::size_t n = std::min(count, chunk);
        // The whole chunk must be there before the array grows for it.
        archive.Require(n * kCGIntervallBytes);
        for (std::size_t i = 0; i < n; ++i) {
            CGBaseSeg seg;
            seg.kind = archive.ReadInt32();
            archive.Skip(kFuellBytes);
            seg.from = archive.ReadDouble();
            seg.to = archive.ReadDouble();
            intervalle.push_back(seg);
        }
        count -= n;
    }
    return intervalle;
}
