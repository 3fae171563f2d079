// A checked depth (steu berart 1) on the system page, run through zirf: one meaning for
// each depth, the utilisation from the sums printed beside it, the system text of the wall
// as computed and a verdict for every checked wall. The inputs are anker_frei checked
// longer than its free foot needs (tests/e2e/data/anker_frei_nachweis.xml, also at 16.7 m),
// with a 50 % fixed foot shorter and longer than it needs, with a fixed foot longer than
// it needs, and anker_frei (12.5 m) and kragwand shorter than they need.
#include "../platform/RtfStructureCheck.h"
#include "../support/Examples.h"
#include "Bericht.h"
#include "Dokument.h"
#include "ErgebnisXml.h"
#include "ZirfLauf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Sums print with one decimal, depths and the utilisation with two.
constexpr double kSumme = 0.05 + 1e-9;
constexpr double kTiefe = 0.005 + 1e-9;
constexpr double kAG = 0.005 + 1e-9;

std::vector<std::string> Absaetze(const std::string& bericht) {
    std::vector<std::string> zeilen;
    std::istringstream text(rtfcheck::BodyText(bericht));
    std::string zeile;
    while (std::getline(text, zeile)) {
        zeilen.push_back(zeile);
    }
    return zeilen;
}

bool Enthaelt(const std::vector<std::string>& zeilen, const std::string& teil) {
    for (const std::string& z : zeilen) {
        if (z.find(teil) != std::string::npos) {
            return true;
        }
    }
    return false;
}

double Wert(const ZirfLauf& lauf, const char* titel) {
    const std::optional<double> w = ZahlInZelle(BerichtsZeile(lauf.bericht, titel), 2);
    EXPECT_TRUE(w.has_value()) << titel;
    return w.value_or(0.0);
}

enum class Art { Momente, Querkraefte, Verdrehung };

struct Fall {
    const char* name;
    const char* datei;
    const char* tiefe; // the given depth ("" as stored)
    Art art;           // which sums the utilisation is of
    bool ausTiefe;     // computed with the fixity its longer depth provides
    bool wieEntwurf;   // computed as the input's design, the length below unused
    bool eingehalten;  // the verdict
};

const Fall kFaelle[] = {
    {"frei 15.2", "anker_frei_nachweis.xml", "", Art::Querkraefte, true, false, true},
    {"frei 16.7", "anker_frei_nachweis.xml", "16.7", Art::Querkraefte, true, false, true},
    {"frei 12.5", "anker_frei_nachweis.xml", "12.5", Art::Querkraefte, false, false, false},
    {"50 % 14.1", "anker_frei_teileinspannung_nachweis.xml", "", Art::Verdrehung, false, false,
     false},
    {"50 % 17.5", "anker_frei_teileinspannung_nachweis.xml", "17.5", Art::Verdrehung, true, false,
     true},
    {"voll 19.0", "anker_frei_eingespannt_nachweis.xml", "", Art::Verdrehung, false, true, true},
    {"Kragwand 8.5", "kragwand_kurz_nachweis.xml", "", Art::Momente, false, false, false},
};

ZirfLauf Lauf(const Fall& fall) {
    std::string dokument = SourceText(std::string("tests/e2e/data/") + fall.datei);
    if (*fall.tiefe != '\0') {
        dokument = MitAttribut(dokument, "geom", "einbindetiefe", fall.tiefe);
    }
    return RunZirf(dokument);
}

// Each case is run once for all tests.
const std::vector<ZirfLauf>& Laeufe() {
    static const std::vector<ZirfLauf> laeufe = [] {
        std::vector<ZirfLauf> l;
        for (const Fall& fall : kFaelle) {
            l.push_back(Lauf(fall));
        }
        return l;
    }();
    return laeufe;
}

// Runs the check on each case's report and result.
template <class F> void JederLauf(F pruefe) {
    for (std::size_t k = 0; k < std::size(kFaelle); ++k) {
        const Fall& fall = kFaelle[k];
        SCOPED_TRACE(fall.name);
        const ZirfLauf& lauf = Laeufe().at(k);
        ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
        pruefe(fall, lauf, ErgebnisXml(lauf.ergebnis), Absaetze(lauf.bericht));
    }
}

TEST(NachweisTiefe, TheUtilisationIsOfTheSumsPrintedBesideIt) {
    JederLauf([](const Fall& fall, const ZirfLauf& lauf, const ErgebnisXml& xml,
                 const std::vector<std::string>& zeilen) {
        const double ag = Wert(lauf, "Ausnutzungsgrad");
        // The rows of the sums and their attributes, by the kind of the wall.
        struct Summen {
            const char *aktiv, *passiv, *xmlAktiv, *xmlPassiv, *formel;
        };
        const Summen summen =
            fall.art == Art::Momente
                ? Summen{"Summe Momente aktiv", "Summe Momente passiv", "SummeMomente_aktiv",
                         "SummeMomente_passiv", "AG = ΣMa,d / ΣMp,d"}
            : fall.art == Art::Querkraefte
                ? Summen{"Summe Auflkräfte aktiv", "Summe Auflkräfte passiv",
                         "SummeQuerkraefte_aktiv", "SummeQuerkraefte_passiv",
                         "AG = ΣQFa,d / ΣQFp,d"}
                : Summen{"Summe Verdrehung aktiv", "Summe Verdrehung passiv",
                         "SummeVerdrehung_aktiv", "SummeVerdrehung_passiv",
                         "AG = Σw'Fa,d / Σw'Fp,d"};
        const double aktiv = Wert(lauf, summen.aktiv);
        const double passiv = Wert(lauf, summen.passiv);
        EXPECT_NEAR(xml.Wert({"nachweise"}, summen.xmlAktiv).value_or(-1.0), aktiv, kSumme);
        EXPECT_NEAR(xml.Wert({"nachweise"}, summen.xmlPassiv).value_or(-1.0), passiv, kSumme);
        // A partly fixed foot: the target rotation of the check beside them.
        double ziel = 0.0;
        std::string formel = summen.formel;
        if (!BerichtsZeile(lauf.bericht, "Summe Zielverdrehung").empty()) {
            ziel = Wert(lauf, "Summe Zielverdrehung");
            formel = "AG = Σw'Fa,d / (Σw'Fp,d + Σw'F,d)";
            EXPECT_NEAR(xml.Wert({"nachweise"}, "Zielverdrehung").value_or(-1.0), ziel, kSumme);
        }
        EXPECT_TRUE(Enthaelt(zeilen, formel)) << formel;
        // The sums print with one decimal: their ratio within what that rounding allows.
        const double quotient = aktiv / (passiv + ziel);
        EXPECT_NEAR(ag, quotient, kAG + 0.1 * quotient / (passiv + ziel));
        EXPECT_NEAR(xml.Wert({"nachweise"}, "Ausnutzung").value_or(-1.0), ag, kAG);
        // Every checked wall has its verdict, the one its utilisation gives.
        EXPECT_EQ(ag <= 1.0, fall.eingehalten);
        EXPECT_EQ(Enthaelt(zeilen, "AG <= 1 : Nachweis der Einbindetiefe eingehalten"),
                  fall.eingehalten);
        EXPECT_EQ(Enthaelt(zeilen, "AG > 1 : Nachweis der Einbindetiefe nicht eingehalten !!!"),
                  !fall.eingehalten);
    });
}

TEST(NachweisTiefe, EveryDepthHasOneMeaningAndTheSystemTextIsTheWallComputed) {
    JederLauf([](const Fall& fall, const ZirfLauf& lauf, const ErgebnisXml& xml,
                 const std::vector<std::string>& zeilen) {
        const double tCal = Wert(lauf, "rechnerische Einbindetiefe");
        const double deltaT =
            ZahlInZelle(BerichtsZeile(lauf.bericht, "Rammtiefenzuschlag"), 2).value_or(0.0);
        const double tGes = Wert(lauf, "vorhandene Einbindetiefe");
        const double tErf = Wert(lauf, "erforderliche Einbindetiefe");
        EXPECT_TRUE(BerichtsZeile(lauf.bericht, "gewählte Einbindetiefe").empty());
        EXPECT_NEAR(xml.Wert({"nachweise"}, "t_erf").value_or(-1.0), tErf, kTiefe);
        // The meanings are stated once, under the sums.
        EXPECT_TRUE(Enthaelt(zeilen, "t_cal + Δt: Einbindetiefe des gerechneten Systems"));
        EXPECT_TRUE(Enthaelt(zeilen, "t_erf: Einbindetiefe, die das eingegebene System erfordert; "
                                     "t_ges: vorhandene Einbindetiefe"));
        // A wall shorter than it needs fails; a longer one holds what its system needs.
        EXPECT_EQ(tErf <= tGes, fall.eingehalten);
        // t_cal + Δt is the wall computed: the whole given length, or the design of the
        // input's system where the depth adds no fixity to it.
        EXPECT_NEAR(tCal + deltaT, fall.wieEntwurf ? tErf : tGes, 2 * kTiefe);
        if (fall.wieEntwurf) {
            EXPECT_LT(tErf, tGes);
        }
        const bool frei = Enthaelt(zeilen, "am Fuß frei aufgelagert.");
        const std::optional<double> e = xml.Wert({"nachweise"}, "einspannung_aus_tiefe");
        EXPECT_EQ(e.has_value(), fall.ausTiefe);
        EXPECT_FALSE(Enthaelt(zeilen, "Einspannung aus vorhandener Einbindetiefe:"));
        if (fall.ausTiefe) {
            // The system computed, with the fixity the depth provides, and the input's foot
            // the sums are of.
            std::ostringstream prozent;
            prozent.setf(std::ios::fixed);
            prozent.precision(1);
            prozent << "gerechnet, die ihre vorhandene Einbindetiefe bietet: am Fuß " << *e
                    << " % eingespannt.";
            EXPECT_TRUE(Enthaelt(zeilen, prozent.str())) << prozent.str();
            EXPECT_TRUE(Enthaelt(zeilen, "Eingegeben ist ein"));
            EXPECT_FALSE(frei);
        }
        // No row of a fixed foot beside a free one.
        if (frei) {
            EXPECT_TRUE(BerichtsZeile(lauf.bericht, "Rammtiefenzuschlag").empty());
            EXPECT_TRUE(BerichtsZeile(lauf.bericht, "Einspannmoment").empty());
        }
    });
}

} // namespace
