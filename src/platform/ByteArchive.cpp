#include "platform/ByteArchive.h"

#include <bit>

ArchiveEndOfFile::ArchiveEndOfFile() : std::runtime_error("archive: unexpected end of file") {}

void ArchiveWriter::WriteLittleEndian(std::uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        bytes_.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

void ArchiveWriter::WriteInt32(std::int32_t value) {
    WriteLittleEndian(static_cast<std::uint32_t>(value), 4);
}

void ArchiveWriter::WriteUInt32(std::uint32_t value) {
    WriteLittleEndian(value, 4);
}

void ArchiveWriter::WriteDouble(double value) {
    WriteLittleEndian(std::bit_cast<std::uint64_t>(value), 8);
}

void ArchiveWriter::WriteZeros(std::size_t count) {
    bytes_.insert(bytes_.end(), count, 0);
}

void ArchiveReader::Require(std::size_t count) const {
    if (count > Remaining()) {
        throw ArchiveEndOfFile();
    }
}

std::uint64_t ArchiveReader::ReadLittleEndian(std::size_t width) {
    Require(width);
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value |= static_cast<std::uint64_t>(bytes_[position_ + i]) << (8 * i);
    }
    position_ += width;
    return value;
}

std::int32_t ArchiveReader::ReadInt32() {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ReadLittleEndian(4)));
}

std::uint32_t ArchiveReader::ReadUInt32() {
    return static_cast<std::uint32_t>(ReadLittleEndian(4));
}

double ArchiveReader::ReadDouble() {
    return std::bit_cast<double>(ReadLittleEndian(8));
}

void ArchiveReader::Skip(std::size_t count) {
    Require(count);
    position_ += count;
}
