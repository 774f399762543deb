#pragma once

#include "data/datagrid.h"

#include <initializer_list>
#include <string>
#include <string_view>

// The grid's data as text, in the form the paste commands and the text open read back: one line
// per row from row 1 to the last row that holds data in the column(s) copied, each line ended by
// lineEnd, empty rows inside that range included. Cells are copied as they stand. No data gives
// the empty text.

// One column, one cell per line.
std::string columnText(const DataGrid& grid, int column, std::string_view lineEnd);

// Both columns: DV cell, tab, phase cell on each line; also the tab-delimited text file.
std::string tabDelimitedText(const DataGrid& grid, std::string_view lineEnd);

// A cell holding a tab, a carriage return or a line feed would be read back split over fields or
// lines. The first row whose cell in one of the columns holds one, 0 when every cell fits text.
int firstRowUnfitForText(const DataGrid& grid, std::initializer_list<int> columns);
