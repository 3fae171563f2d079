#include "geometry/CGBaseSeg.h"
#include "platform/ByteArchive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

void Append(Bytes& bytes, std::initializer_list<unsigned char> more) {
    bytes.insert(bytes.end(), more);
}

// One record as it must stand in the archive: kind, four zero bytes, from, to.
void AppendRecord(Bytes& bytes, unsigned char kind, std::initializer_list<unsigned char> from,
                  std::initializer_list<unsigned char> to) {
    Append(bytes, {kind, 0, 0, 0, 0, 0, 0, 0});
    Append(bytes, from);
    Append(bytes, to);
}

std::vector<CGBaseSeg> Intervalle(int n) {
    std::vector<CGBaseSeg> segs;
    for (int i = 0; i < n; ++i) {
        segs.emplace_back(0.125 * i - 1.0 / 3.0, 1e-300 * i + 7.5);
    }
    return segs;
}

Bytes Save(const std::vector<CGBaseSeg>& segs, std::size_t chunk = kCGIntervallChunk) {
    ArchiveWriter writer;
    SaveIntervalle(writer, segs, chunk);
    return writer.Bytes();
}

TEST(CGBaseSegArchive, RecordsAreLittleEndianWithZeroPadding) {
    Bytes expected;
    Append(expected, {2, 0, 0, 0}); // count
    // 0.25 = 0x3FD0000000000000, 1.5 = 0x3FF8000000000000, -2 = 0xC000000000000000
    AppendRecord(expected, 6, {0, 0, 0, 0, 0, 0, 0xD0, 0x3F}, {0, 0, 0, 0, 0, 0, 0xF8, 0x3F});
    AppendRecord(expected, 6, {0, 0, 0, 0, 0, 0, 0, 0xC0}, {0, 0, 0, 0, 0, 0, 0xD0, 0x3F});
    const Bytes saved = Save({CGBaseSeg(0.25, 1.5), CGBaseSeg(-2.0, 0.25)});
    EXPECT_EQ(saved, expected);
    EXPECT_EQ(saved.size(), 4 + 2 * kCGIntervallBytes);

    EXPECT_EQ(Save({}), (Bytes{0, 0, 0, 0}));
}

TEST(CGBaseSegArchive, SaveLoadSaveIsByteExactInAnyChunkSize) {
    const std::vector<CGBaseSeg> segs = Intervalle(5);
    const Bytes saved = Save(segs);
    for (const std::size_t chunk :
         {std::size_t{1}, std::size_t{2}, std::size_t{5}, std::size_t{7}, kCGIntervallChunk}) {
        SCOPED_TRACE(chunk);
        EXPECT_EQ(Save(segs, chunk), saved);
        ArchiveReader reader(saved);
        const std::vector<CGBaseSeg> loaded = LoadIntervalle(reader, chunk);
        EXPECT_EQ(reader.Remaining(), 0u);
        ASSERT_EQ(loaded.size(), segs.size());
        for (std::size_t i = 0; i < segs.size(); ++i) {
            EXPECT_EQ(loaded[i].kind, 6);
            EXPECT_EQ(loaded[i].from, segs[i].from); // bit for bit
            EXPECT_EQ(loaded[i].to, segs[i].to);
        }
        EXPECT_EQ(Save(loaded), saved);
    }
}

TEST(CGBaseSegArchive, ForeignPaddingIsReadOverAndWrittenAsZeros) {
    Bytes foreign;
    Append(foreign, {1, 0, 0, 0});
    Append(foreign, {6, 0, 0, 0, 0xAB, 0xCD, 0xEF, 0x12});
    Append(foreign, {0, 0, 0, 0, 0, 0, 0xF0, 0x3F}); // 1.0
    Append(foreign, {0, 0, 0, 0, 0, 0, 0, 0x40});    // 2.0
    ArchiveReader reader(foreign);
    const std::vector<CGBaseSeg> loaded = LoadIntervalle(reader);
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].from, 1.0);
    EXPECT_EQ(loaded[0].to, 2.0);
    Bytes clean = foreign;
    std::fill(clean.begin() + 8, clean.begin() + 12, 0);
    EXPECT_EQ(Save(loaded), clean);
}

TEST(CGBaseSegArchive, ShortArchiveRaisesEndOfFile) {
    const Bytes saved = Save(Intervalle(3));
    const struct {
        const char* name;
        Bytes bytes;
    } faelle[] = {
        {"no count", {}},
        {"half a count", {3, 0}},
        {"one byte short", Bytes(saved.begin(), saved.end() - 1)},
        {"a record short", Bytes(saved.begin(), saved.end() - 24)},
        // A count far beyond the data must fail before the array grows for it.
        {"huge count", {0xFF, 0xFF, 0xFF, 0xFF, 6, 0, 0, 0}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        ArchiveReader reader(f.bytes);
        EXPECT_THROW(LoadIntervalle(reader), ArchiveEndOfFile);
        ArchiveReader chunked(f.bytes);
        EXPECT_THROW(LoadIntervalle(chunked, 2), ArchiveEndOfFile);
    }
}

} // namespace
