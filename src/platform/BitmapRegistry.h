#pragma once

// The suite's picture library in place: bitmaps looked up by name. The symbols are
// drawn by our own code when the library is first asked for them; each name always
// gives the same bitmap object.

#include "platform/EmfWriter.h"

#include <string>

struct QEL_PlotLib; // a loaded picture library

// Loads the picture library; null when it is not available.
const QEL_PlotLib* QEL_LoadPlotLib();
// Releases a library that QEL_LoadPlotLib gave (null is accepted).
void QEL_FreePlotLib(const QEL_PlotLib* lib);
// The bitmap of a name ("BITMAP_AUFL102", ...); null for a null library or a name the
// library does not hold.
const EmfDib* QEL_PlotLibBitmap(const QEL_PlotLib* lib, const std::string& name);

// Test switch: while off, QEL_LoadPlotLib gives null as if the library were missing.
void QEL_SetPlotLibAvailable(bool available);
