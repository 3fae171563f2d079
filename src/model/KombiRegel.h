#pragma once

#include <array>
#include <string>

// The combination rule of a load combination, e.g. "1.35*(1+2)+1.5*(3)": terms of a
// factor, a star and a group of load-case numbers in parentheses, joined by plus signs.

// Load-case numbers a rule may name (1 ... kKombiLastfaelle).
inline constexpr int kKombiLastfaelle = 50;
// Longest rule and longest number that the rule syntax provides for.
inline constexpr std::size_t kKombiRegelLaenge = 199;
inline constexpr int kKombiZahlLaenge = 11;

// Parses a rule into factors by load-case number: entry n - 1 of faktor gets the factor
// of load case n and entry n - 1 of lastfall the number n (0 where the rule does not
// name the case). Clears and fills the first kKombiLastfaelle entries of both arrays.
// A case named in two groups keeps the factor of the later one. Returns the number of
// (group, load case) pairs entered. A rule that cannot be read as intended (too long, a
// number too long, a minus sign, a group without a factor, a load-case number outside
// 1 ... 50, too many groups or cases) raises C1Exception naming the rule.
int ParseKombiRegel(const std::string& regel, double* faktor, int* lastfall);

// Why a rule would not be read exactly as written ("" when it reads so): every term a
// factor, a star and a bracket of load cases 1 ... 50 joined by '+', each case once; no
// signs, nested or empty brackets, numbers split by blanks or characters the parser would
// skip. Which load cases the input has is the caller's to check.
std::string KombiRegelFehler(const std::string& regel);

// Appends a character to the number being read; raises C1Exception when the number
// would be longer than kKombiZahlLaenge characters. Returns 0.
int AppendKombiZeichen(char* token, int zeichen, int* pos);

// The factors of one parsed rule, with the convention of the earth-pressure load cases:
// cases 0 (soil weight) and 1 (first surcharge case) take the factor of load case 1.
struct KombiFaktoren {
    std::array<double, 2 * kKombiLastfaelle> faktor{};
    std::array<int, 2 * kKombiLastfaelle> lastfall{};
    int anzahl = 0;

    static KombiFaktoren Parse(const std::string& regel);
    // Factor of earth-pressure load case lf (0 for a case outside the table).
    double F(int lf) const;
};
