#pragma once

// The keys a cell editor of the grid receives, as character codes.
namespace Module1 {

enum CellKey : int {
    keyBackspace = 8,
    keyTab = 9,
    keyLeft = 28,
    keyRight = 29,
    keyUp = 30,
    keyDown = 31,
    keyDelete = 127,
};

// Decides one key typed into the cell editor at (row, column). Tab and the arrows move the
// editor to Module1::myrow, Module1::mycolumn when that cell is editable (openCell); only
// digits, ".", "-", backspace and delete reach the editor; every other key is swallowed.
struct CellKeyOutcome {
    bool consumed;
    bool openCell;
};

CellKeyOutcome ListBox1_CellKeyDown(int row, int column, int key);

} // namespace Module1
