// The drawn lines a label keeps clear of: a line through a text's digits is a crossing; one
// along its edge, through the margin of its line height or past its ends is not, and a long
// line is found wherever along it the text stands.

#include "plot/engine/C1Sperrlinien.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A text 100 units long and 20 high, running along x; its digits stand 3 units (15 % of
// its height) in from its long edges and 1 unit from its ends.
const C1Box kText{0, 0, 100, 20};

bool Kreuzt(std::vector<C1Punkt> linie, const C1Box& box = kText) {
    C1Sperrlinien s;
    s.Add(linie.data(), linie.size());
    return s.Kreuzt(box);
}

TEST(C1Sperrlinien, ALineThroughTheDigitsCrossesOneAlongTheMarginDoesNot) {
    struct Fall {
        const char* was;
        std::vector<C1Punkt> linie;
        bool kreuzt;
    };
    for (const Fall& f : {
             Fall{"across the middle", {{50, -10}, {50, 30}}, true},
             Fall{"slanting past a corner", {{-10, 20}, {10, 0}}, true},
             Fall{"along its middle", {{-10, 10}, {110, 10}}, true},
             Fall{"ending inside", {{50, -10}, {50, 10}}, true},
             Fall{"along its lower edge", {{-10, 0}, {110, 0}}, false},
             Fall{"through its top margin", {{-10, 19}, {110, 19}}, false},
             Fall{"through its bottom margin", {{-10, 2}, {110, 2}}, false},
             Fall{"past its end", {{100, -10}, {100, 30}}, false},
             Fall{"beside it", {{-10, 40}, {110, 40}}, false},
             Fall{"a single point", {{50, 10}}, false},
         }) {
        SCOPED_TRACE(f.was);
        EXPECT_EQ(Kreuzt(f.linie), f.kreuzt);
    }
    // A text running along y keeps its margins across y's thinner side, x.
    EXPECT_FALSE(Kreuzt({{19, -10}, {19, 110}}, C1Box{0, 0, 20, 100}));
    EXPECT_TRUE(Kreuzt({{10, -10}, {10, 110}}, C1Box{0, 0, 20, 100}));
}

TEST(C1Sperrlinien, ALongLineIsFoundWhereverTheTextStandsAndClearForgetsIt) {
    // A curve of many points, kept in pieces: the text stands at its far end.
    std::vector<C1Punkt> kurve;
    for (int i = 0; i <= 1000; ++i) {
        kurve.push_back({i, 10});
    }
    C1Sperrlinien s;
    s.Add(kurve.data(), kurve.size());
    EXPECT_TRUE(s.Kreuzt(C1Box{950, 0, 990, 20}));
    EXPECT_TRUE(s.Kreuzt(C1Box{990, 0, 1100, 20}));
    EXPECT_FALSE(s.Kreuzt(C1Box{1001, 0, 1100, 20}));
    s.Clear();
    EXPECT_TRUE(s.Leer());
    EXPECT_FALSE(s.Kreuzt(C1Box{950, 0, 990, 20}));
}

} // namespace
