#pragma once

#include <string>

// A number as a label: "" for a magnitude of 0.00001 or less; an integer when
// wholeAsInteger is set and the value lies within 0.001 of one; else the given
// decimals. No blanks around the text.
std::string FormatZahl(double x, int decimals, int wholeAsInteger);
// A load value with decimals chosen by the signed value: 10000 and more two decimals,
// 100 to below 10000 the integral part, 10 to below 100 one decimal, below 10 (every
// negative value too) two decimals.
std::string FormatZahlAuto(double x);
// The label of a curve extremum: an integer from 1000 on (rounded), fewer decimals
// the larger the value, "0.00" below 0.0001.
std::string FormatKurvenWert(double v);
