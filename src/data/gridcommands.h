#pragma once

#include "data/datagrid.h"

// The Data menu's edits of the grid. Each raises one Change when it wrote anything; the caption
// row and the row numbers are never written by them.

// Removes the data row: the rows below move up one with their cells, a new empty row 199 comes in
// at the bottom, and the row numbers read 1..199 again. Outside rows 1..199 nothing happens.
void deleteRow(DataGrid& grid, int row);

// Empties the DV and phase cells of the data row; outside rows 1..199 nothing happens.
void clearRow(DataGrid& grid, int row);

// Empties one data column (the DV or the phase column) in every data row.
void clearColumn(DataGrid& grid, int column);

// Empties both data columns in every data row.
void clearAllData(DataGrid& grid);
