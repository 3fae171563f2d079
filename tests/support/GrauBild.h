#pragma once

// A page rendered by pdftoppm -gray as a binary PGM, and the box of its ink: what the
// LibreOffice picture tests look at.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace graubild {

constexpr int kInk = 160; // grey levels below this are drawn

struct Grey {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    bool Ink(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)] < kInk;
    }
};

// Empty when the file is no binary PGM.
inline Grey ReadPgm(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    Grey g;
    in >> magic >> g.width >> g.height >> maxValue;
    in.get();
    g.pixels.resize(static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.height));
    in.read(reinterpret_cast<char*>(g.pixels.data()),
            static_cast<std::streamsize>(g.pixels.size()));
    return magic == "P5" && in ? g : Grey{};
}

struct InkBox {
    int left = 1 << 30;
    int top = 1 << 30;
    int right = -1;
    int bottom = -1;
    long count = 0;
};

inline InkBox FindInk(const Grey& g) {
    InkBox b;
    for (int y = 0; y < g.height; ++y) {
        for (int x = 0; x < g.width; ++x) {
            if (g.Ink(x, y)) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
                ++b.count;
            }
        }
    }
    return b;
}

} // namespace graubild
