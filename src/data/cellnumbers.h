#pragma once

#include <optional>
#include <string>

class DataGrid;

// What the loaders read as numbers must be numbers. The grid keeps any text (a paste, a file),
// and the loaders turn a cell into a number without looking; a cell such as "NA" or "1,5" would
// then pass into a report as a value nobody entered. Every analysis asks here first and refuses
// with the notice, and the figure shows the notice in place of the plot.
namespace Module1 {

// Whether a cell's whole text, the blanks around it aside, is a finite number, by the rule of the
// dialogs' number fields. An empty cell is the missing value and holds no number.
bool holdsNumber(const std::string& cell);

// The notice for the first cell, down the rows, that loadinfo and loadphases read as a number and
// that holds none: the DV cells that are not empty. Nothing when every one holds a number.
std::optional<std::string> seriesNotANumber(const DataGrid& grid);

// The same for loadvectors: both cells of every row where both are filled.
std::optional<std::string> pairsNotANumber(const DataGrid& grid);

} // namespace Module1
