#pragma once

// The drawn lines of a page that a text testing for collisions keeps clear of (a result
// curve, the leader lines of its labels): a number crossed by a line is misread. The lines
// are kept in pieces of a few segments with the box around each, so that a text is tested
// against the few segments near it.

#include "plot/engine/C1Punkt.h"

#include <cstddef>
#include <vector>

class C1Sperrlinien {
public:
    void Clear();
    // A polyline through the points (world units).
    void Add(const C1Punkt* punkte, std::size_t anzahl);
    // Whether a line runs through the digits of a text's box (world units, any two
    // opposite corners): its inside less a margin of its line height, the thinner side,
    // across the text and a smaller one along it.
    bool Kreuzt(const C1Box& box) const;
    bool Leer() const { return stuecke.empty(); }

private:
    // Segments per piece.
    static constexpr std::size_t kSegmente = 16;
    struct Stueck {
        C1Box huelle;
        std::size_t von = 0; // the piece's points are punkte[von..bis]
        std::size_t bis = 0;
    };
    std::vector<C1Punkt> punkte;
    std::vector<Stueck> stuecke;
};
