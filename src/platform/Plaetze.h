#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>

// A fixed number of places of which a run fills a few: the places are made, a block at a
// time, when first reached for writing, so that an object with room for many records
// touches the memory of those it holds and no more. A place never made reads as a record
// made by default. A reference to a place stays valid while the places live (blocks are
// never moved).
template <class T, std::size_t N, std::size_t Block = 8> class C1Plaetze {
public:
    C1Plaetze() = default;
    C1Plaetze(const C1Plaetze& other) { *this = other; }
    C1Plaetze& operator=(const C1Plaetze& other) {
        if (this != &other) {
            for (std::size_t b = 0; b < kBloecke; ++b) {
                bloecke[b] =
                    other.bloecke[b] ? std::make_unique<BlockT>(*other.bloecke[b]) : nullptr;
            }
        }
        return *this;
    }
    C1Plaetze(C1Plaetze&&) noexcept = default;
    C1Plaetze& operator=(C1Plaetze&&) noexcept = default;

    static constexpr std::size_t size() { return N; }

    T& operator[](std::size_t i) {
        std::unique_ptr<BlockT>& block = bloecke[Pruefe(i) / Block];
        if (!block) {
            block = std::make_unique<BlockT>();
        }
        return (*block)[i % Block];
    }
    const T& operator[](std::size_t i) const {
        const std::unique_ptr<BlockT>& block = bloecke[Pruefe(i) / Block];
        return block ? (*block)[i % Block] : Leer();
    }
    // Whether place i has been made (a place not made holds the default record).
    bool Gemacht(std::size_t i) const { return bloecke[Pruefe(i) / Block] != nullptr; }
    // Every place back to the default record; the blocks made stay for the next records.
    void Clear() {
        for (std::unique_ptr<BlockT>& block : bloecke) {
            if (block) {
                block->fill(T{});
            }
        }
    }

private:
    using BlockT = std::array<T, Block>;
    static constexpr std::size_t kBloecke = (N + Block - 1) / Block;

    static std::size_t Pruefe(std::size_t i) {
        if (i >= N) {
            throw std::out_of_range("C1Plaetze: place " + std::to_string(i) + " of " +
                                    std::to_string(N));
        }
        return i;
    }

    static const T& Leer() {
        static const T leer{};
        return leer;
    }

    std::array<std::unique_ptr<BlockT>, kBloecke> bloecke{};
};
