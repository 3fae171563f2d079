#pragma once

#include "platform/EmfWriter.h"
#include "plot/engine/C1Plot.h"

#include "../support/EmfReader.h"

// A picture page as the plot layer opens one: 160 mm x 100 mm for 10 m x 10 m, so the
// height limits, one device unit is 100 world units and the character height 4 mm
// is 4000 world units.
struct Page {
    explicit Page(int draw = 1, int hook = 0, int mode = 0)
        : plot(&emf, 10.0, 10.0, 160, 100, 1.0, 4.0, 1.0, draw, hook, mode, -1) {}
    emf::Reader Read() const { return emf::Reader(emf.Bytes()); }

    EmfWriter emf;
    C1Plot plot;
};
