#pragma once

#include "plot/section/C1Quer.h"

#include <string>

// The cross-section record that the plot layers' section setters describe by their flat
// arguments: position along the member, cleaned name, design type, shape, profile,
// axis, the given dimensions (79 of them, or none), height offset and the four covers.
C1Quer QuerAusArgumenten(float xa, float xe, const std::string& name, int designType, int shape,
                         int iProf, int axis, const float* dims, float hz, float w1, float w2,
                         float w3, float w4);
