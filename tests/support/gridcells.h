#pragma once

#include "data/module1.h"

#include <string>
#include <vector>

// The grid's data cells as the tests set them; each write raises the grid's Change as typing does,
// unless the caller holds a DataGrid::ChangeBatch.

struct GridRow {
    std::string dv;
    std::string phase;
};

// Empties the DV and phase cells of every data row.
inline void clearGrid() {
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        Module1::grid().setCell(row, DataGrid::dvColumn, "");
        Module1::grid().setCell(row, DataGrid::phaseColumn, "");
    }
}

// Writes the rows from row 1 down; the rows below keep their cells.
inline void fillGrid(const std::vector<GridRow>& rows) {
    int row = DataGrid::firstDataRow;
    for (const GridRow& cells : rows) {
        Module1::grid().setCell(row, DataGrid::dvColumn, cells.dv);
        Module1::grid().setCell(row, DataGrid::phaseColumn, cells.phase);
        ++row;
    }
}
