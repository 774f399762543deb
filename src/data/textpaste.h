#pragma once

#include "data/datagrid.h"

#include <string_view>

// Which grid columns a text replaces, or a copy takes.
enum class PasteColumns { both, dv, phase };

// Replaces the column(s) with the text: line k goes to row k + 1, its first field to the DV column
// and its second to the phase column (a one-column paste takes the first field into its own
// column). Every row the text covers is written, an empty or absent field making an empty cell;
// the rows below the text are cleared. Other columns and the captions are never touched. Raises
// one Change. Returns true when lines past the last grid row held data that could not be written.
[[nodiscard]] bool pasteText(DataGrid& grid, std::string_view text, PasteColumns columns);

// True when a line of the text holds a value (a field that is not blank) where the paste into
// the column(s) reads one.
bool holdsValues(std::string_view text, PasteColumns columns);

namespace Module1 {

// The grid's DV and phase columns from a tab-delimited text file.
[[nodiscard]] bool readtextdata(std::string_view s);

} // namespace Module1
