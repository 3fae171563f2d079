#pragma once

#include "plot/section/C1Quer.h"

#include <string>

// The cross-section record that the plot layers' section setters describe by their flat
// arguments: position along the member, cleaned name, design type, shape, profile,
// axis, the given dimensions (79 of them, or none), height offset and the four covers.
C1Quer QuerAusArgumenten(float xa, float xe, const std::string& name, int designType, int shape,
                         int iProf, int axis, const float* dims, float hz, float w1, float w2,
                         float w3, float w4);

// The name of a section as the member plot keeps it: every character that is a
// control character or lies beyond ASCII (one blank per character, however many
// bytes it takes in UTF-8) becomes a blank, a name of blanks only becomes empty, and
// blanks around it are removed.
std::string QuerNameGereinigt(const std::string& name);

// Whether the member plot takes a section of this design type and shape code:
// concrete types 1, 4, 7, 11, 21 with shapes 1, 2, 3, 4, 5, 7, 11; steel types 2, 5,
// 8, 12, 22 with shapes 1, 3; timber types 3, 6, 9, 13, 23 with shapes 1, 2.
bool IsQuerformZulaessig(int designType, int shape);
