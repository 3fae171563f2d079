#include "plot/C1Plot.h"
#include "plot/C1PlotTraeger.h"

void C1PlotTraeger::PlotQuerschnitte(int, int, int, int, int, int, int, int, int) {}
