#pragma once

// The Data menu: each command asks first and changes the grid only when confirmed. Delete Row and
// Clear Row act on the selected data row and do nothing, without asking, when no data row is
// selected (selectedRow -1, or the caption row 0).
namespace Module1 {

void deleteRowCommand(int selectedRow);
void clearRowCommand(int selectedRow);
void clearDVColumnCommand();
void clearPhaseColumnCommand();
void clearAllDataCommand();

} // namespace Module1
