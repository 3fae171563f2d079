#include "plot/engine/FormatZahl.h"

#include <gtest/gtest.h>

TEST(FormatZahl, DecimalsAndWholeNumbers) {
    struct Case {
        double x;
        int decimals, whole;
        const char* text;
    };
    const Case cases[] = {
        {0.00001, 2, 0, ""},   {-0.000005, 2, 1, ""}, {29.9995, 1, 1, "30"}, {30.304, 1, 1, "30.3"},
        {30.0, 2, 0, "30.00"}, {-12.0, 1, 1, "-12"},  {1.5, 0, 0, "2"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatZahl(c.x, c.decimals, c.whole), c.text) << c.x;
    }
}

TEST(FormatZahl, AutomaticDecimalsBySignedValue) {
    struct Case {
        double x;
        const char* text;
    };
    const Case cases[] = {{12345.678, "12345.68"}, {1999.9, "2000"}, {150.7, "151"},
                          {25.25, "25.2"},         {7.125, "7.12"},  {-5.0, "-5.00"},
                          {-5000.0, "-5000.00"},   {150.4, "150"}};
    for (const Case& c : cases) {
        EXPECT_EQ(FormatZahlAuto(c.x), c.text) << c.x;
    }
}

TEST(FormatZahl, CurveLabelsRoundFromAThousandOn) {
    struct Case {
        double v;
        const char* text;
    };
    const Case cases[] = {{1999.9, "2000"}, {-1000.4, "-1000"}, {250.04, "250.0"},
                          {12.5, "12.50"},  {-3.456, "-3.46"},  {0.5, "0.50"},
                          {0.05, "0.050"},  {0.005, "0.0050"},  {0.0005, "0.00050"},
                          {0.00005, "0.00"}};
    for (const Case& c : cases) {
        EXPECT_EQ(FormatKurvenWert(c.v), c.text) << c.v;
    }
}

TEST(FormatZahl, AValueShownAsZeroCarriesNoSign) {
    // A small negative value that its decimals round to zero is a zero, not "-0.00".
    EXPECT_EQ(FormatZahl(-0.004, 2, 0), "0.00");
    EXPECT_EQ(FormatZahl(-0.4, 0, 0), "0");
    EXPECT_EQ(FormatZahl(-0.006, 2, 0), "-0.01");
    EXPECT_EQ(FormatZahlAuto(-0.001), "0.00");
    EXPECT_EQ(FormatZahlAuto(-0.0), "0.00");
    EXPECT_EQ(FormatZahlAuto(-0.005001), "-0.01");
    EXPECT_EQ(FormatKurvenWert(-0.0), "0.00");
    EXPECT_EQ(FormatKurvenWert(-0.00009), "0.00");
}
