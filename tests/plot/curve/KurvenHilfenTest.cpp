#include "plot/curve/KurvenHilfen.h"
#include "plot/curve/ExtremLabel.h"

#include <gtest/gtest.h>

#include <limits>

TEST(KurvenHilfen, MagnitudesNearnessAndTexts) {
    EXPECT_EQ(AbsInt(-7), 7);
    EXPECT_EQ(AbsInt(std::numeric_limits<int>::min()), std::numeric_limits<int>::max());
    EXPECT_EQ(AbsDouble(-2.5), 2.5);
    // The larger magnitude keeps its sign; the second wins a tie.
    EXPECT_EQ(MaxBetrag(-3.0, 2.0), -3.0);
    EXPECT_EQ(MaxBetrag(3.0, -3.0), -3.0);
    struct Case {
        C1Punkt a, b;
        int tolerance;
        bool near;
    };
    const int big = std::numeric_limits<int>::max();
    const Case cases[] = {
        {{0, 0}, {5, -5}, 5, true},
        {{0, 0}, {6, 0}, 5, false},
        {{0, 0}, {0, -6}, 5, false},
        {{-big, 0}, {big, 0}, big, false}, // no overflow of the difference
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsPunktNahe(c.a, c.b, c.tolerance), c.near) << c.b.x << ", " << c.b.y;
    }
    EXPECT_EQ(DoNothing(), 0);
    C1Box box;
    SetRechteck(box, 1, 2, 3, 4);
    EXPECT_EQ(box, (C1Box{1, 2, 3, 4}));
    EXPECT_EQ(CountUntilAny("Feld 12", "0123456789"), 5u);
    EXPECT_EQ(CountUntilAny("Feld", "0123456789"), 4u);
    EXPECT_EQ(CountUntilAny("Feld", ""), 4u);
    EXPECT_EQ(CountUntilAny("", "x"), 0u);
}

TEST(KurvenHilfen, ExtremLabelAccessors) {
    ExtremLabel label{2, 1.5, -3.0, 7.0};
    EXPECT_EQ(label.KindIndex(), 1);
    EXPECT_EQ(label.GetPosition(), 1.5);
    EXPECT_EQ(label.GetOrdinate(), -3.0);
    label.Clear();
    EXPECT_EQ(label.kind, 0);
    EXPECT_EQ(label.position, 0.0);
    EXPECT_EQ(label.ordinate, 0.0);
    EXPECT_EQ(label.value, 0.0);
}
