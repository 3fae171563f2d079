#include "platform/ByteArchive.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

TEST(ByteArchiveTest, NumbersRoundTripLittleEndian) {
    ArchiveWriter writer;
    writer.WriteInt32(-2);
    writer.WriteUInt32(0x01020304u);
    writer.WriteDouble(-0.0);
    writer.WriteZeros(3);
    const Bytes expected = {0xFE, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0, 0};
    EXPECT_EQ(writer.Bytes(), expected);

    ArchiveReader reader(writer.Bytes());
    EXPECT_EQ(reader.ReadInt32(), -2);
    EXPECT_EQ(reader.ReadUInt32(), 0x01020304u);
    const double minusNull = reader.ReadDouble();
    EXPECT_EQ(minusNull, 0.0);
    EXPECT_TRUE(std::signbit(minusNull));
    EXPECT_EQ(reader.Remaining(), 3u);
    EXPECT_THROW(reader.ReadInt32(), ArchiveEndOfFile);
    EXPECT_EQ(reader.Remaining(), 3u); // a failed read takes nothing
    reader.Skip(3);
    EXPECT_THROW(reader.Skip(1), ArchiveEndOfFile);
}

} // namespace
