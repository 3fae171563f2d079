#include "platform/Base64.h"

#include <array>
#include <cstdint>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int kNoSextet = -1;
constexpr char kPad = '=';

constexpr std::array<int, 256> MakeDecodeTable() {
    std::array<int, 256> table{};
    for (int& v : table) {
        v = kNoSextet;
    }
    for (int i = 0; i < 64; ++i) {
        table[static_cast<unsigned char>(kAlphabet[i])] = i;
    }
    return table;
}

constexpr std::array<int, 256> kDecode = MakeDecodeTable();

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

std::string Base64Encode(const unsigned char* data, std::size_t length) {
    std::string out;
    out.reserve((length + 2) / 3 * 4);
    for (std::size_t i = 0; i < length; i += 3) {
        const std::size_t n = length - i < 3 ? length - i : 3;
        std::uint32_t group = static_cast<std::uint32_t>(data[i]) << 16;
        if (n > 1) {
            group |= static_cast<std::uint32_t>(data[i + 1]) << 8;
        }
        if (n > 2) {
            group |= data[i + 2];
        }
        out += kAlphabet[(group >> 18) & 0x3FU];
        out += kAlphabet[(group >> 12) & 0x3FU];
        out += n > 1 ? kAlphabet[(group >> 6) & 0x3FU] : kPad;
        out += n > 2 ? kAlphabet[group & 0x3FU] : kPad;
    }
    return out;
}

std::optional<std::vector<unsigned char>> Base64Decode(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!IsSpace(c)) {
            compact += c;
        }
    }
    if (compact.size() % 4 != 0) {
        return std::nullopt;
    }
    std::vector<unsigned char> out;
    out.reserve(compact.size() / 4 * 3);
    for (std::size_t i = 0; i < compact.size(); i += 4) {
        const bool last = i + 4 == compact.size();
        int pads = 0;
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const char c = compact[i + k];
            int sextet = 0;
            if (c == kPad) {
                // Padding only closes the last group, and only its last one or two places.
                if (!last || k < 2) {
                    return std::nullopt;
                }
                ++pads;
            } else {
                if (pads > 0) {
                    return std::nullopt;
                }
                sextet = kDecode[static_cast<unsigned char>(c)];
                if (sextet == kNoSextet) {
                    return std::nullopt;
                }
            }
            group = (group << 6) | static_cast<std::uint32_t>(sextet);
        }
        out.push_back(static_cast<unsigned char>((group >> 16) & 0xFFU));
        if (pads < 2) {
            out.push_back(static_cast<unsigned char>((group >> 8) & 0xFFU));
        }
        if (pads < 1) {
            out.push_back(static_cast<unsigned char>(group & 0xFFU));
        }
    }
    return out;
}
