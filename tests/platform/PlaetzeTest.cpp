#include "platform/Plaetze.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

struct Satz {
    int wert = 7; // a default other than zero shows that a place never made reads as made
    std::string text;
};

TEST(C1Plaetze, PlacesNeverWrittenReadAsDefaultAndStayWhereTheyAre) {
    C1Plaetze<Satz, 100> plaetze;
    const auto& lesen = plaetze;
    EXPECT_EQ(lesen[99].wert, 7);
    EXPECT_FALSE(plaetze.Gemacht(99));

    Satz& erster = plaetze[3];
    erster.text = "drei";
    // Places far off are made later: a reference taken before stays valid.
    for (std::size_t i = 0; i < plaetze.size(); i += 9) {
        plaetze[i].wert = static_cast<int>(i);
    }
    EXPECT_EQ(erster.text, "drei");
    EXPECT_EQ(&erster, &plaetze[3]);
    EXPECT_EQ(lesen[4].wert, 7) << "a place beside a written one is a default record";

    plaetze.Clear();
    EXPECT_EQ(lesen[3].text, "");
    EXPECT_EQ(lesen[9].wert, 7);
}

TEST(C1Plaetze, CopiesAreDeepAndPlacesBeyondTheEndAreRefused) {
    C1Plaetze<Satz, 10> a;
    a[2].text = "a";
    C1Plaetze<Satz, 10> b = a;
    b[2].text = "b";
    EXPECT_EQ(a[2].text, "a");
    a = b;
    EXPECT_EQ(a[2].text, "b");
    EXPECT_THROW(a[10], std::out_of_range);
    const auto& lesen = a;
    EXPECT_THROW(lesen[10], std::out_of_range);
}

} // namespace
