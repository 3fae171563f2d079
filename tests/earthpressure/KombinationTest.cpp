#include "CalcFixture.h"

#include <gtest/gtest.h>

namespace {

using T = C1ZirfInput::Teilsicherheitsbeiwerte;

// Every factor of the table is told apart by its value: kind + situation/10.
double Wert(int art, int situation) {
    return art + situation / 10.0;
}

void FuelleTeilsicherheiten(C1ZirfInput& in) {
    for (int art = 0; art < T::kAnzahlArten; ++art) {
        for (int situation = 1; situation <= T::kAnzahlSituationen; ++situation) {
            in.teilsicherheit.Set(art, situation, Wert(art, situation));
        }
    }
}

TEST(SetTeilsicherheiten, FactorsOfTheDesignSituationAndTheSidesMode) {
    const struct {
        int lastfall, seite, nwstand, nwwand;
        int situation, k;
        T::Art gamma; // at rest from mode 2 on
    } cases[] = {
        {1, 0, 0, 2, 0, 1, T::gamma_g},   // retained side: nwstand
        {2, 0, 1, 0, 1, 2, T::gamma_g},   // mixed mode still takes gamma_g
        {2, 1, 0, 2, 2, 2, T::gamma_e0g}, // passive side: nwwand, at rest
        {3, 0, 3, 0, 3, 3, T::gamma_e0g},
        {7, 1, 0, 1, 1, 3, T::gamma_g}, // a situation outside 1 ... 3 counts as 3
    };
    for (const auto& c : cases) {
        CalcFixture f;
        FuelleTeilsicherheiten(f.in);
        f.in.lastfall = c.lastfall;
        f.in.nwstand = c.nwstand;
        f.in.nwwand = c.nwwand;
        C1ZirfCalc calc(&f.in, nullptr);
        EXPECT_EQ(calc.SetTeilsicherheiten(c.seite), 1);
        EXPECT_EQ(calc.situation, c.situation) << "lastfall " << c.lastfall;
        EXPECT_DOUBLE_EQ(calc.gammaG, Wert(c.gamma, c.k)) << "lastfall " << c.lastfall;
        EXPECT_DOUBLE_EQ(calc.gammaQ, Wert(T::gamma_q, c.k));
        EXPECT_DOUBLE_EQ(calc.gammaA, Wert(T::gamma_a, c.k));
        EXPECT_DOUBLE_EQ(calc.ggl, Wert(T::ggl, c.k));
        EXPECT_DOUBLE_EQ(calc.gep, Wert(T::gep, c.k));
        EXPECT_DOUBLE_EQ(calc.ggr, Wert(T::ggr, c.k));
        EXPECT_EQ(calc.gammaE0g, 0.0) << "not set here";
    }
}

TEST(GetKombiText, PermanentVariableAndAccidentalLoadCases) {
    CalcFixture f;
    // Load cases 1 and 2 permanent (actions 0 and 1), 3, 4 and 5 variable: bits 1, 2, 4.
    f.Lastfaelle({0, 1, 2, 3, 5});
    C1ZirfCalc calc(&f.in, nullptr);
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {0, "=> EW 1(g)+2(g)"},
        {5, "=> EW 1(g)+2(g)+3(q)+5(q)"},
        {203, "=> EW 1(g)+2(g)+3(q)+4(q)+2(a)"}, // 203 − 2·100 = 3
        {300, "=> EW 1(g)+2(g)+5(q)+3(a)"},      // 300 − 2·100 = 100 = bits 2, 5, 6
        {100, "=> EW 1(g)+2(g)+5(q)"},           // 100 is not above 100: no accidental case
        {64, "=> EW 1(g)+2(g)"},                 // bits past the variable cases name none
    };
    for (const auto& c : cases) {
        EXPECT_EQ(calc.GetKombiText(c.code), 1);
        EXPECT_EQ(calc.kombiText, c.text) << c.code;
    }

    f.Lastfaelle({2, 4}); // no permanent load case
    EXPECT_EQ(calc.GetKombiText(2), 1);
    EXPECT_EQ(calc.kombiText, "=> EW +2(q)");
}

} // namespace
