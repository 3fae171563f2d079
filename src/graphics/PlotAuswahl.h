#pragma once

#include "plot/member/Plot_.h"

// Pens and brushes selected for a part of a picture, popped again when the part ends, so
// every selection is paired with its pop on every path.
class PlotAuswahl {
public:
    PlotAuswahl() = default;
    PlotAuswahl(const PlotAuswahl&) = delete;
    PlotAuswahl& operator=(const PlotAuswahl&) = delete;
    ~PlotAuswahl() {
        for (; pens > 0; --pens) {
            Plot_PopPen();
        }
        for (; brushes > 0; --brushes) {
            Plot_PopBrush();
        }
    }
    void Pen(int thick, int colour, int solid) {
        if (Plot_SelectPen(thick, colour, solid) != 0) {
            ++pens;
        }
    }
    void StockPen(int code) {
        if (Plot_SelectStockPen(code) != 0) {
            ++pens;
        }
    }
    void Brush(int fill) {
        if (Plot_SelectBrush(fill) != 0) {
            ++brushes;
        }
    }
    void StockBrush(int code) {
        if (Plot_SelectStockBrush(code) != 0) {
            ++brushes;
        }
    }

private:
    int pens = 0;
    int brushes = 0;
};
