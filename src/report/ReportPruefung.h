#pragma once

#include <initializer_list>
#include <optional>

// Checks of the report chapters, so that no check prints or stores a number that is
// not one.

// An input value that a requested check divides by must be positive; otherwise the run
// ends with a shown error naming the element and the attribute.
void PruefePositiv(double value, const char* element, const char* attribut);

// The value when it is a finite number; none when the calculation could not form it
// (infinite or undefined). A value without a number is left out of the result tree, as
// the report leaves its cell empty.
std::optional<double> Endlich(double value);

// Whether every value is a finite number: a check on a value that is none is not held.
bool SindZahlen(std::initializer_list<double> values);

// The utilisation action / resistance. A resistance of zero gives 0 for an action of
// zero and no value otherwise; an action or resistance that is no number gives no
// value; never an infinite or undefined number.
std::optional<double> Ausnutzung(double einwirkung, double widerstand);

// Whether the action is within the resistance: the utilisation up to 1.0 where the
// resistance is positive, else the plain comparison (a zero action against a zero
// resistance passes, any action against a negative resistance beyond it fails). A
// value that is no number fails.
bool Eingehalten(double einwirkung, double widerstand);

// Eingehalten, judged on the utilisation as its row prints it with the given decimals: a
// utilisation that prints as 1.000 passes, whatever its digits beyond.
bool EingehaltenWieAusnutzung(double einwirkung, double widerstand, int decimals);

// The value as a report row prints it with the given number of decimals, read back: two
// values that print alike compare equal, and printed values compare as the reader sees
// them.
double Gedruckt(double value, int decimals);

// Whether an action is within its resistance by a check that allows `toleranz` (a factor
// on the resistance, 1.001 for 0.1 %) and prints both with the given decimals: the
// tolerance holds only for values that print alike; where the printed action is larger,
// the check fails, so that a verdict never contradicts the numbers beside it.
bool EingehaltenWieGedruckt(double einwirkung, double widerstand, double toleranz, int decimals);

// Whether a utilisation, as a report row prints it with the given decimals, is within 1:
// one that prints as 1.000 passes, one that prints above it fails, and a check without a
// utilisation is not held.
bool AusnutzungEingehalten(std::optional<double> ausnutzung, int decimals);

class C1RTFX;

// Writes the row of a verdict with its utilisation; without a utilisation the row
// keeps its verdict and leaves the number's cell empty.
int WriteAusnutzung(C1RTFX& rtf, int id, std::optional<double> ausnutzung);
