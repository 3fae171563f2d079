// The wall analysis refuses input it would compute without a word but wrongly: a rule of a
// STR,GEO combination that the parser reads otherwise than written or that leaves the
// soil's weight without a factor, a partial factor of 0 or below, a vertical anchor.
// Each message names the element and the attribute.
#include "WandFixture.h"

#include "host/C1Exception.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The message CalcWand ends with; "" when it computes.
std::string Meldung(WandFixture& w) {
    try {
        w.calc->CalcWand();
    } catch (const C1Exception& e) {
        EXPECT_EQ(e.code, 1);
        return e.text;
    }
    return "";
}

TEST(EingabeWand, RulesOfTheIterationReadAsWritten) {
    const struct {
        const char* regel;
        const char* grund; // part of the message; "" when the rule computes
    } faelle[] = {
        {"", "Lastfall 1"},           // no load case at all
        {"0*(1)", "Lastfall 1"},      // the soil without weight
        {"1.5*(2)", "Lastfall 1"},    // the same, only a surcharge
        {"1.35*()", "Lastfall 1"},    // an empty group
        {"1.35*(1", "nicht mit ')'"}, // the parser would drop the open group's case
        {"1.35*((1)", "schachtelt"},
        {"1.35*(1))", "keine Gruppe"},
        {"1.35*(1)+1.5*(2a)", "'a'"}, // the parser would skip the letter
        {"-1.35*(1)", "'-'"},
        {"1.35*(1/2)", "'/'"},           // the parser would read case 12
        {"1.35*(99)", "nicht zwischen"}, // the parser's own refusal, now with the attribute
        {"*(1)", "Faktor"},
        {"1.35*(1)+1.5*(2)", ""},
        {"1,35*(1 + 2)", ""}, // a comma for the point, blanks
        {"1.35*(1)+", ""},
    };
    for (const auto& f : faelle) {
        WandFixture w(2);
        w.in.kombi.clear();
        w.Kombi("1.35*(1)", "SLS"); // not computed: its rule is not looked at
        w.Kombi(f.regel);
        const std::string text = Meldung(w);
        if (*f.grund == '\0') {
            EXPECT_EQ(text, "") << f.regel;
            continue;
        }
        EXPECT_NE(text.find("Element 'result' Nr. 2"), std::string::npos)
            << f.regel << ": " << text;
        EXPECT_NE(text.find("Attribut 'regel'"), std::string::npos) << f.regel << ": " << text;
        EXPECT_NE(text.find(f.grund), std::string::npos) << f.regel << ": " << text;
    }
}

TEST(EingabeWand, RuleOfACombinationThatIsNotComputedIsNotRead) {
    WandFixture w;
    w.Kombi("abc", "SLS charakteristisch");
    EXPECT_EQ(Meldung(w), "");
}

TEST(EingabeWand, PartialFactorsAndAnchorInclination) {
    using T = C1ZirfInput::Teilsicherheitsbeiwerte;
    const struct {
        const char* name;
        void (*setze)(WandFixture&);
        const char* attribut; // "" when it computes
    } faelle[] = {
        {"no factor of the permanent actions",
         [](WandFixture& w) { w.in.teilsicherheit.Set(T::gamma_g, 1, 0.0); }, "'gamma_g_1'"},
        {"negative factor of the variable actions",
         [](WandFixture& w) { w.in.teilsicherheit.Set(T::gamma_q, 1, -1.5); }, "'gamma_q_1'"},
        {"pressure at rest without its factor",
         [](WandFixture& w) {
             w.in.nwwand = 2;
             w.in.teilsicherheit.Set(T::gamma_e0g, 1, 0.0);
         },
         "'gamma_e0g_1'"},
        {"factor at rest unused",
         [](WandFixture& w) { w.in.teilsicherheit.Set(T::gamma_e0g, 1, 0.0); }, ""},
        {"factor of another situation unused",
         [](WandFixture& w) { w.in.teilsicherheit.Set(T::gamma_g, 2, -1.0); }, ""},
        {"vertical anchor",
         [](WandFixture& w) {
             w.Anker(1.0, 0);
             w.in.ankerneigung = 90.0;
         },
         "'ankerneigung'"},
    };
    for (const auto& f : faelle) {
        WandFixture w;
        f.setze(w);
        const std::string text = Meldung(w);
        if (*f.attribut == '\0') {
            EXPECT_EQ(text, "") << f.name;
            continue;
        }
        EXPECT_NE(text.find(f.attribut), std::string::npos) << f.name << ": " << text;
        EXPECT_NE(text.find("Element '"), std::string::npos) << f.name << ": " << text;
    }
}

} // namespace
