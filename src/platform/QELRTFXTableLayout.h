#pragma once

#include <vector>

// Column widths of one table (the rows between two paragraphs). The rows keep the
// boundaries they were given relative to each other: all boundaries of all rows make
// one grid, and every cell spans the grid columns between its own boundaries. A grid
// column grows where a cell's widest word does not fit, and the table is then brought
// within the text width, first by taking from columns wider than their cells need.
struct QELRTFXLayoutRow {
    std::vector<double> widthsCm; // as written by the report, one per cell
    std::vector<double> needCm;   // per cell, the width its widest word needs (0: empty)
};

// The widths of every row, in the order given. A table that fits as given keeps its
// widths; a cell only ever grows to its need, and the table is never wider than
// maxWidthCm unless it was so already and its words need it.
std::vector<std::vector<double>> FitTableColumns(const std::vector<QELRTFXLayoutRow>& rows,
                                                 double maxWidthCm);
