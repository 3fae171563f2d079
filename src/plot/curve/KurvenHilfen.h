#pragma once

// Small helpers kept with the curve drawing for the member drawings.

#include "plot/engine/C1Punkt.h"

#include <cstddef>
#include <string>

// The magnitude of v; the most negative int gives the largest int.
int AbsInt(int v);
double AbsDouble(double v);
// True when the two points lie at most tolerance apart in x and in y.
bool IsPunktNahe(C1Punkt a, C1Punkt b, int tolerance);
// Of two values the one with the larger magnitude; the second on equal magnitudes.
double MaxBetrag(double a, double b);
// Does nothing; 0.
int DoNothing();
// Sets the box from its four edges.
void SetRechteck(C1Box& box, int left, int top, int right, int bottom);
// The length of the leading part of text that holds none of the characters of stops.
std::size_t CountUntilAny(const std::string& text, const std::string& stops);
