#include "model/KombiRegel.h"

#include "platform/C1Exception.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

namespace {

struct Erwartet {
    int lastfall;
    double faktor;
};

struct RegelFall {
    const char* regel;
    int anzahl;
    std::vector<Erwartet> faelle;
};

TEST(KombiRegel, ReadsRulesIntoFactorsByLoadCase) {
    const RegelFall faelle[] = {
        {"1.35*(1+2)+1.5*(3)", 3, {{1, 1.35}, {2, 1.35}, {3, 1.5}}},
        {"1,35*(1+2)", 2, {{1, 1.35}, {2, 1.35}}},        // comma as decimal point
        {"1.35*(1+2)+1.5*(2)", 3, {{1, 1.35}, {2, 1.5}}}, // the later group wins
        {"1.35*(1 +2)", 2, {{1, 1.35}, {2, 1.35}}},       // blank before '+'
        {"1.35*1+2", 1, {{1, 1.35}, {2, 0.0}}},           // a number without ')' or '+' is dropped
        {"1.5*(4/5)", 1, {{45, 1.5}}},                    // '/' carries no meaning
        {"1.0*(12)+0*(3)+1.5*(4)", 3, {{12, 1.0}, {3, 0.0}, {4, 1.5}}}, // 0 is a factor
        {"", 0, {}},
    };
    for (const auto& f : faelle) {
        double faktor[100];
        int lastfall[100];
        std::fill(std::begin(faktor), std::end(faktor), 9.0);
        EXPECT_EQ(ParseKombiRegel(f.regel, faktor, lastfall), f.anzahl) << f.regel;
        for (const auto& e : f.faelle) {
            EXPECT_DOUBLE_EQ(faktor[e.lastfall - 1], e.faktor) << f.regel << " lf " << e.lastfall;
        }
        EXPECT_DOUBLE_EQ(faktor[49], 0.0) << "entries 0..49 are cleared";
    }
}

TEST(KombiRegel, LoadCaseNumbersAreMarked) {
    double faktor[100];
    int lastfall[100];
    ParseKombiRegel("1.35*(1+3)", faktor, lastfall);
    EXPECT_EQ(lastfall[0], 1);
    EXPECT_EQ(lastfall[1], 0);
    EXPECT_EQ(lastfall[2], 3);
}

TEST(KombiRegel, RefusesRulesItWouldMisread) {
    const std::string zuLang = "1.0*(" + std::string(200, '1') + ")";
    std::string vieleGruppen;
    for (int g = 0; g < 51; ++g) {
        vieleGruppen += "1*(1)+";
    }
    const std::string faelle[] = {
        "(1+2)+1.5*(3)",      // a group without a factor would end the evaluation
        "-1.0*(4)",           // the minus sign would be dropped
        "1.35*(1-2)",         // and here would join 1 and 2 into 12
        zuLang,               // longer than 199 characters
        "1.123456789012*(1)", // a number of 14 characters
        "1.35*(51)",          // load case beyond 50
        "1.35*(0+1)",         // load case 0
        "1.35*(1.5)",         // not a whole number
        "1.3.5*(1)",          // not a number
        "*(1)",               // star without factor
        vieleGruppen,         // 51 groups
    };
    for (const auto& regel : faelle) {
        double faktor[100];
        int lastfall[100];
        try {
            ParseKombiRegel(regel, faktor, lastfall);
            ADD_FAILURE() << "accepted: " << regel;
        } catch (const C1Exception& e) {
            EXPECT_EQ(e.code, 1) << "shown error";
            EXPECT_NE(e.text.find(regel.substr(0, 20)), std::string::npos) << e.text;
        }
    }
}

TEST(KombiRegel, NumbersIgnoreTheLocale) {
    const char* alt = std::setlocale(LC_NUMERIC, nullptr);
    const std::string gemerkt = alt ? alt : "C";
    // A locale with a decimal comma, where it exists on this machine.
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    const KombiFaktoren k = KombiFaktoren::Parse("1.35*(1)+1,5*(2)");
    std::setlocale(LC_NUMERIC, gemerkt.c_str());
    EXPECT_DOUBLE_EQ(k.faktor[0], 1.35);
    EXPECT_DOUBLE_EQ(k.faktor[1], 1.5);
}

TEST(KombiFaktoren, SoilWeightAndFirstSurchargeTakeFactorOfCase1) {
    const KombiFaktoren k = KombiFaktoren::Parse("1.35*(1)+1.5*(2+3)");
    EXPECT_DOUBLE_EQ(k.F(0), 1.35);
    EXPECT_DOUBLE_EQ(k.F(1), 1.35);
    EXPECT_DOUBLE_EQ(k.F(2), 1.5);
    EXPECT_DOUBLE_EQ(k.F(3), 1.5);
    EXPECT_DOUBLE_EQ(k.F(4), 0.0);
    EXPECT_DOUBLE_EQ(k.F(500), 0.0);
}

} // namespace
