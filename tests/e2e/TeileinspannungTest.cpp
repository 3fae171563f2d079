// The fixed anchored example run through zirf with its foot free, fixed and fixed by a
// share: every run ends normally, and a partly fixed foot lies between the free and the
// fixed one, deeper the more it is fixed.
#include "../support/Examples.h"
#include "Dokument.h"
#include "ErgebnisXml.h"
#include "ZirfLauf.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// The iteration stops once its step is below 1 cm.
constexpr double kTolT = 0.01;

// t_cal of the example with `steu` `system` 2 (fixity as given) and the fixity e (%).
std::optional<double> Tiefe(int e) {
    const std::string dokument =
        MitAttribut(MitAttribut(ExampleText("anker_eingespannt.xml"), "steu", "system", "2"),
                    "geom", "einspannung", std::to_string(e));
    const ZirfLauf lauf = RunZirf(dokument);
    EXPECT_EQ(lauf.status, 0) << lauf.meldungen;
    EXPECT_EQ(lauf.meldungen.find("divergiert"), std::string::npos) << lauf.meldungen;
    return ErgebnisXml(lauf.ergebnis).Wert({"geometrie"}, "t_cal");
}

TEST(Teileinspannung, PartlyFixedFootLiesBetweenTheFreeAndTheFixedFoot) {
    const std::optional<double> frei = Tiefe(0);
    const std::optional<double> voll = Tiefe(100);
    ASSERT_TRUE(frei && voll);
    EXPECT_GT(*voll, *frei + 1.0);
    double vorher = *frei;
    for (const int e : {20, 40, 60}) {
        SCOPED_TRACE(e);
        const std::optional<double> t = Tiefe(e);
        ASSERT_TRUE(t);
        EXPECT_GE(*t, vorher - kTolT);
        EXPECT_LE(*t, *voll + kTolT);
        vorher = *t;
    }
}

} // namespace
