// The wall analysis refuses input it would compute without a word but wrongly: a rule of a
// STR,GEO combination that the parser reads otherwise than written or that leaves the
// soil's weight without a factor, a partial factor of 0 or below, a vertical anchor.
// Each message names the element and the attribute.
#include "WandFixture.h"

#include "platform/C1Exception.h"

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

// Every rule of a computed combination reads exactly as written or is refused, naming the
// combination, the rule and the fault. The input has load cases 1 and 2 (loads of case 2)
// and declares case 3 without any load.
TEST(EingabeWand, RulesOfTheIterationReadAsWritten) {
    const struct {
        const char* regel;
        const char* grund; // part of the message; "" when the rule computes
    } faelle[] = {
        // Rules that read as written.
        {"1.35*(1)+1.5*(2)", ""},
        {"1,35*(1 + 2)", ""},             // a comma for the point, blanks between the parts
        {" 1.35 * ( 1 ) + 1.5*(2) ", ""}, // blanks around every part
        {"1.35*(1)+0*(2)", ""},           // a factor 0 leaves the case out, as written
        {"1*(1)", ""},
        // A factor times a bare number: the parser would drop load case 2.
        {"1.35*(1)+1.5*2", "Klammer"},
        {"1.35*1+2", "Klammer"},
        // A blank inside a group, which the parser would read as load case 23.
        {"1.35*(1)+1.5*(2 3)", "Leerzeichen"},
        {"1 .35*(1)", "Leerzeichen"},
        // Cases that no load of the input has would add nothing.
        {"1.35*(1)+1.5*(5)", "Lastfall 5"},
        {"1.35*(1)+1.5*(3)", "Lastfall 3"},
        {"1.35*(1)+1.5*(99)", "Lastfall 99"},
        {"1.35*(0+1)", "Lastfall 0"},
        // Brackets: nested, empty, unclosed, unopened, without a factor.
        {"1.35*((1))", "schachtelt"},
        {"1.35*(1+(2))", "schachtelt"},
        {"1.35*()", "ohne Lastfall"},
        {"1.35*(1+)", "ohne Lastfall"},
        {"1.35*(1", "nicht mit ')'"},
        {"1.35*(1))", "')'"},
        {"(1)+1.5*(2)", "ohne Faktor"},
        {"1.35*(1)(2)", "'('"},
        // Signs and characters the parser would skip.
        {"-1.35*(1)", "'-'"},
        {"1.35*(1-2)", "'-'"},
        {"+1.35*(1)", "'+'"},
        {"+1.35*(1)", "an Stelle 1 '+', wo ein Faktor erwartet wird"},
        {"1.35*(1)+", "endet mit '+'"},
        {"1.35*(1)++1.5*(2)", "'+'"},
        {"1.35*(1/2)", "'/'"},
        {"1.35*(1)+1.5*(2a)", "'a'"},
        {"1.35x*(1)", "'x'"},
        // Numbers: a load case twice, a factor that is no number, a star without factor.
        {"1.35*(1+2)+1.5*(2)", "zweimal"},
        {"1.3.5*(1)", "'.'"},
        {"*(1)", "Faktor"},
        {"1.35*(1.5)", "'.'"},
        {"1.123456789012*(1)", "länger"},
        // Nothing, or the soil's weight left out or without a factor.
        {"", "keinen Lastfall"},
        {"   ", "keinen Lastfall"},
        {"1.5*(2)", "Lastfall 1"},
        {"0*(1)", "Lastfall 1"},
    };
    for (const auto& f : faelle) {
        WandFixture w(3);
        w.in.flaechenlast.at(1).lf = 2; // case 3 is declared, but no load has it
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
        EXPECT_NE(text.find("Attribut 'regel' = \"" + std::string(f.regel) + "\""),
                  std::string::npos)
            << f.regel << ": " << text;
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
