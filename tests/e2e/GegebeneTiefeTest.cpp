// The examples checked at a given depth: at the depth their design gives they are the
// designed walls, and deeper no design moment, anchor force or utilisation grows.
#include "../support/Examples.h"
#include "Bericht.h"
#include "Dokument.h"
#include "ErgebnisXml.h"
#include "ZirfLauf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct Werte {
    double ad = 0.0;   // horizontal anchor force (0 without anchor)
    double mMax = 0.0; // the greatest design moment
    double profil = 0.0;
    double erdauflager = 0.0;
};

Werte Lies(const ZirfLauf& lauf) {
    const ErgebnisXml xml(lauf.ergebnis);
    Werte w;
    w.ad = ZahlInZelle(BerichtsZeile(lauf.bericht, "Ankerkraft horizontal", "Ad"), 2).value_or(0.0);
    w.mMax = std::fabs(ZahlInZelle(BerichtsZeile(lauf.bericht, "max"), 2).value_or(0.0));
    w.profil = xml.Wert({"profil"}, "ausnutzung").value_or(-1.0);
    w.erdauflager = xml.Wert({"nachweise"}, "Ausnutzung").value_or(-1.0);
    return w;
}

// Printed with one or two decimals; the greatest moment's points move with the wall's
// length by some 1e-5 of its size.
constexpr double kAd = 0.05 + 1e-9;
constexpr double kM = 0.005 + 1e-9;
constexpr double kMRel = 1e-4;

TEST(GegebeneTiefe, TheExamplesCheckedDeeperAreNeverWorse) {
    for (const char* beispiel : {"anker_frei.xml", "anker_eingespannt.xml", "kragwand.xml"}) {
        SCOPED_TRACE(beispiel);
        const std::string dokument = ExampleText(beispiel);
        const ZirfLauf entwurf = RunZirf(dokument);
        ASSERT_EQ(entwurf.status, 0) << entwurf.meldungen;
        const double tGes =
            ErgebnisXml(entwurf.ergebnis).Wert({"geometrie"}, "t_ges").value_or(-1.0);
        ASSERT_GT(tGes, 0.0);
        const Werte e = Lies(entwurf);
        ASSERT_GT(e.mMax, 0.0);

        Werte vorher = e;
        vorher.erdauflager = 1.0 + 1e-3;
        for (const double mehr : {0.0, 1.5, 3.5}) {
            SCOPED_TRACE(mehr);
            std::string nachweis = MitAttribut(dokument, "steu", "berart", "1");
            nachweis = MitAttribut(nachweis, "geom", "einbindetiefe", std::to_string(tGes + mehr));
            const ZirfLauf lauf = RunZirf(nachweis);
            ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
            const Werte w = Lies(lauf);
            if (mehr == 0.0) {
                EXPECT_NEAR(w.ad, e.ad, 0.01 * e.ad + kAd);
                EXPECT_NEAR(w.mMax, e.mMax, 0.01 * e.mMax);
                EXPECT_NEAR(w.profil, e.profil, 0.01 * e.profil);
            }
            EXPECT_LE(w.ad, vorher.ad + kAd);
            EXPECT_LE(w.mMax, vorher.mMax * (1.0 + kMRel) + kM);
            EXPECT_LE(w.profil, vorher.profil * (1.0 + kMRel) + 1e-3);
            EXPECT_LE(w.erdauflager, vorher.erdauflager);
            EXPECT_LT(w.erdauflager, 1.0);
            vorher = w;
        }
    }
}

} // namespace
