#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

// A store/load archive over a block of bytes. Every number is written little-endian
// whatever the machine, so a saved block reads back the same on any host.

// Raised when a load asks for more bytes than the block still holds.
class ArchiveEndOfFile : public std::runtime_error {
public:
    ArchiveEndOfFile();
};

class ArchiveWriter {
public:
    void WriteInt32(std::int32_t value);
    void WriteUInt32(std::uint32_t value);
    void WriteDouble(double value);
    // Fill bytes (alignment gaps of fixed records) are always zeros.
    void WriteZeros(std::size_t count);

    const std::vector<unsigned char>& Bytes() const { return bytes_; }

private:
    void WriteLittleEndian(std::uint64_t value, std::size_t width);

    std::vector<unsigned char> bytes_;
};

class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    std::int32_t ReadInt32();
    std::uint32_t ReadUInt32();
    double ReadDouble();
    void Skip(std::size_t count);

    // Throws ArchiveEndOfFile unless at least count bytes are left; a load checks a
    // whole block first so that it grows nothing for data that is not there.
    void Require(std::size_t count) const;
    std::size_t Remaining() const { return bytes_.size() - position_; }

private:
    std::uint64_t ReadLittleEndian(std::size_t width);

    std::span<const unsigned char> bytes_;
    std::size_t position_ = 0;
};
