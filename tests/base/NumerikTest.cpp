#include "base/Numerik.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

struct CompareCase {
    double a, b, tol;
    int expected;
};

TEST(Numerik, IsGleichWithinTenthOfAPercent) {
    const CompareCase cases[] = {
        {1000.5, 1000, 0, 1}, {1001.5, 1000, 0, 0},   {-999.5, -1000, 0, 1}, {0, 0, 0, 1},
        {0.0001, 0, 0, 0},    {-1000.5, -1000, 0, 1}, {1000, -1000, 0, 0},   {NAN, 1, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsGleich(c.a, c.b), c.expected) << c.a << " vs " << c.b;
    }
}

TEST(Numerik, IsRelGleichScalesBandFromB) {
    const CompareCase cases[] = {
        {5, -5, 0.1, 0}, {5.4, 5, 0.1, 1}, {5.6, 5, 0.1, 0}, {-5.4, -5, 0.1, 1}, {0, 0, 0.1, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsRelGleich(c.a, c.b, c.tol), c.expected) << c.a << " vs " << c.b;
    }
    EXPECT_EQ(IsRelGleichAbs(10.0, 10.05, 0.01), 1);
    EXPECT_EQ(IsRelGleichAbs(10.0, 10.5, 0.01), 0);
}

TEST(Numerik, IsNearIntegerBothSigns) {
    const CompareCase cases[] = {
        {2.9995, 0, 0.001, 1},  {2.5, 0, 0.001, 0},  {3.0004, 0, 0.001, 1}, {0, 0, 0.001, 1},
        {-2.9995, 0, 0.001, 1}, {-2.5, 0, 0.001, 0}, {-3.0, 0, 0.001, 1},   {-0.3, 0, 0.001, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsNearInteger(c.a, c.tol), c.expected) << c.a;
    }
    EXPECT_EQ(IsNearInteger(std::numeric_limits<double>::infinity(), 0.001), 0);
}

TEST(Numerik, RoundIntHalfIsNotRoundedAway) {
    const struct {
        double x;
        int expected;
    } cases[] = {{2.5, 2},
                 {2.51, 3},
                 {-2.51, -3},
                 {-2.5, -2},
                 {7.0, 7},
                 {-7.0, -7},
                 {0.49, 0},
                 {1e12, std::numeric_limits<int>::max()},
                 {-1e12, std::numeric_limits<int>::min()},
                 {NAN, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundInt(c.x), c.expected) << c.x;
    }
}

TEST(Numerik, CountFunctions) {
    EXPECT_DOUBLE_EQ(MaxDouble(0), -99999999.9);
    EXPECT_DOUBLE_EQ(MinDouble(0), 99999999.9);
    EXPECT_EQ(MinInt(3, 4, -2, 7), -2);
    EXPECT_EQ(MaxInt(3, 4, -2, 7), 7);
    EXPECT_DOUBLE_EQ(MaxAbsDouble(3, 1.0, -4.0, 2.0), -4.0);
    EXPECT_DOUBLE_EQ(MaxAbsDouble(2, 5.0, -5.0), -5.0);
    EXPECT_EQ(MaxAbsInt(2, -5, 5), 5);
    EXPECT_DOUBLE_EQ(MaxDouble(2, 1.0, NAN), 1.0);
    EXPECT_DOUBLE_EQ(MinDouble(2, NAN, 3.0), 3.0);
    // The count limits the values taken.
    EXPECT_DOUBLE_EQ(MaxDouble(1, 1.0, 9.0), 1.0);
}

TEST(Numerik, IsQelUserForAnyValue) {
    ::unsetenv("QELUSER");
    EXPECT_EQ(IsQelUser(), 0);
    ::setenv("QELUSER", "KESTL", 1);
    EXPECT_EQ(IsQelUser(), 1);
    ::setenv("QELUSER", "", 1);
    EXPECT_EQ(IsQelUser(), 1);
    ::unsetenv("QELUSER");
}

} // namespace
