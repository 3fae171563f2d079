#include "host/C1QEL.h"
#include "model/C1ZirfInput.h"
#include "platform/C1Exception.h"

#include <gtest/gtest.h>

// A fresh model holds no leftovers: everything zero or empty but the two defaults.
TEST(C1ZirfInputDefaults, StartsEmptyExceptDesignSituationAndRounding) {
    C1QEL qel;
    C1ZirfInput in(&qel);
    EXPECT_EQ(in.pQEL, &qel);
    EXPECT_EQ(in.lastfall, 1);
    EXPECT_DOUBLE_EQ(in.rundung, 0.01);
    EXPECT_EQ(in.nSchicht, 0);
    EXPECT_EQ(in.nKopflast + in.nBlocklast + in.nLinienlast + in.nFlaechenlast, 0);
    EXPECT_EQ(in.hRoot, 0);
    EXPECT_TRUE(in.kombi.empty());
    EXPECT_TRUE(in.freeText.empty());
    for (const auto& s : in.schicht) {
        EXPECT_EQ(s.nr, 0);
        EXPECT_DOUBLE_EQ(s.phi, 0.0);
        EXPECT_TRUE(s.bez.empty());
    }
    for (const auto& e : in.einwirkung) {
        EXPECT_DOUBLE_EQ(e.psi0, 0.0);
    }
    for (const auto& kind : in.teilsicherheit.wert) {
        for (double v : kind) {
            EXPECT_DOUBLE_EQ(v, 0.0);
        }
    }
}

TEST(C1ZirfInputDefaults, PartialFactorAccessIsChecked) {
    C1ZirfInput::Teilsicherheitsbeiwerte t;
    t.Set(C1ZirfInput::Teilsicherheitsbeiwerte::gamma_q, 3, 1.3);
    EXPECT_DOUBLE_EQ(t.Get(C1ZirfInput::Teilsicherheitsbeiwerte::gamma_q, 3), 1.3);
    EXPECT_DOUBLE_EQ(t.wert[2][2], 1.3);
    EXPECT_THROW(t.Get(0, 0), C1Exception);
    EXPECT_THROW(t.Get(0, 4), C1Exception);
    EXPECT_THROW(t.Set(7, 1, 1.0), C1Exception);
    EXPECT_THROW(t.Get(-1, 1), C1Exception);
}
