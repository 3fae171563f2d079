// Input that would give a wrong wall without a word ends the run through zirf: exit status
// 1, no result file, and a message that names where the fault is and what it is.
#include "../support/Examples.h"
#include "Dokument.h"
#include "ZirfLauf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Fall {
    const char* name;
    const char* beispiel;
    const char* element;
    const char* attribut;
    const char* wert;
    std::vector<std::string> meldung; // parts of the message
};

void PruefeAbbruch(const Fall& f) {
    SCOPED_TRACE(f.name);
    const ZirfLauf lauf =
        RunZirf(MitAttribut(ExampleText(f.beispiel), f.element, f.attribut, f.wert));
    EXPECT_EQ(lauf.status, 1) << lauf.meldungen;
    EXPECT_FALSE(lauf.hatErgebnis);
    for (const std::string& teil : f.meldung) {
        EXPECT_NE(lauf.meldungen.find(teil), std::string::npos) << teil << "\n" << lauf.meldungen;
    }
}

// One run per kind of fault of a combination rule. The first combination of the example is
// the one with the traffic; the message names it, its rule and the fault.
TEST(EingabeFehler, CombinationRulesThatWouldBeMisreadEndTheRun) {
    const std::string wo = "Element 'result' Nr. 1";
    const Fall faelle[] = {
        {"factor times a bare number",
         "kragwand_sand_lasten.xml",
         "result",
         "regel",
         "1.35*(1)+1.5*2",
         {wo, "'regel' = \"1.35*(1)+1.5*2\"", "Klammer"}},
        {"blank inside a group",
         "kragwand_sand_lasten.xml",
         "result",
         "regel",
         "1.35*(1)+1.5*(2 3)",
         {wo, "'regel' = \"1.35*(1)+1.5*(2 3)\"", "Leerzeichen"}},
        {"load case without a load",
         "kragwand_sand_lasten.xml",
         "result",
         "regel",
         "1.35*(1)+1.5*(2)+1.5*(5)",
         {wo, "Lastfall 5", "keine Last"}},
        {"nested brackets",
         "kragwand_sand_lasten.xml",
         "result",
         "regel",
         "1.35*((1)+(2))",
         {wo, "schachtelt"}},
        {"sign", "kragwand_sand_lasten.xml", "result", "regel", "1.35*(1)-1.5*(2)", {wo, "'-'"}},
    };
    for (const Fall& f : faelle) {
        PruefeAbbruch(f);
    }
}

// A wall friction code outside 0 ... 8 has no angle: kragwand.xml with code 12 in its top
// layer would otherwise compute a wall without wall friction there.
TEST(EingabeFehler, WallFrictionCodeOutsideTheTableEndsTheRun) {
    const Fall faelle[] = {
        {"active side",
         "kragwand.xml",
         "gruppe",
         "delta_phi",
         "12",
         {"bode gruppe' nr 1", "Auffüllung, Sand-Kies", "'delta_phi' = 12"}},
        {"passive side",
         "kragwand.xml",
         "gruppe",
         "deltp_phi",
         "-1",
         {"bode gruppe' nr 1", "'deltp_phi' = -1"}},
    };
    for (const Fall& f : faelle) {
        PruefeAbbruch(f);
    }
}

// Numbers that would break the run: a stiffness below a millionth of its unit (the
// denormal one made the deflection undefined), loads two thousand kilometres in front of
// the wall or deeper than any number the calculation keeps exact. The run ends before the
// calculation, naming the element, the attribute and the limits.
TEST(EingabeFehler, NumbersBeyondTheInputsLimitsEndTheRun) {
    const std::string iy = "Element 'mate profil objekt Eigenschaft' (Kurzname \"Iy\"): Attribut "
                           "'Wert01' = ";
    const Fall faelle[] = {
        {"denormal stiffness",
         "kragwand.xml",
         "Eigenschaft Kurzname=\"Iy\"",
         "Wert01",
         "4.9e-324",
         {iy + "4.94066e-324 liegt nicht zwischen 1e-06 und 100000000 cm⁴/m"}},
        {"tiny stiffness",
         "anker_frei.xml",
         "Eigenschaft Kurzname=\"Iy\"",
         "Wert01",
         "1e-20",
         {iy + "1e-20"}},
        {"block load 2000 km in front of the wall",
         "anker_eingespannt.xml",
         "gruppe art=\"2\"",
         "x",
         "-2000000",
         {"Element 'last gruppe' art 2 (\"Streifenfundament\"): Attribut 'x' = -2e+06 liegt "
          "nicht zwischen -1000000 und 1000000 m"}},
        {"block load 2^31 m deep",
         "anker_eingespannt.xml",
         "gruppe art=\"2\"",
         "y",
         "2147483648",
         {"Attribut 'y' = 2.14748e+09"}},
    };
    for (const Fall& f : faelle) {
        PruefeAbbruch(f);
    }
}

// The report's head holds 31 characters of the root's program and module names: a longer
// one is refused before the calculation with its element and attribute, one of 31
// characters (umlauts counted as one, trailing blanks not at all) is taken.
TEST(EingabeFehler, RootNamesLongerThanTheReportHeadEndTheRun) {
    const std::string lang(32, 'x');
    for (const char* attribut : {"progname", "modulename"}) {
        PruefeAbbruch({attribut,
                       "kragwand.xml",
                       "zirf",
                       attribut,
                       lang.c_str(),
                       {"Wurzelelement: Attribut '" + std::string(attribut) + "' hat 32 Zeichen",
                        "höchstens 31"}});
    }
    std::string umlaute;
    std::string imKopf = "QE-";
    for (int i = 0; i < 31; ++i) {
        umlaute += "Ä";
        imKopf += "\\u196?";
    }
    const ZirfLauf lauf = RunZirf(
        MitAttribut(MitAttribut(ExampleText("kragwand.xml"), "zirf", "progname", umlaute + "   "),
                    "zirf", "modulename", umlaute));
    EXPECT_EQ(lauf.status, 0) << lauf.meldungen;
    EXPECT_NE(lauf.bericht.find(imKopf + "  V"), std::string::npos);
    EXPECT_EQ(lauf.meldungen.find("Zeichen"), std::string::npos) << lauf.meldungen;
}

} // namespace
