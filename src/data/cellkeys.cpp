#include "data/cellkeys.h"

#include "data/datagrid.h"
#include "data/module1.h"

#include <string_view>

namespace Module1 {

CellKeyOutcome ListBox1_CellKeyDown(int row, int column, int key) {
    myrow = row;
    mycolumn = column;
    bool moved = true;
    switch (key) {
    case keyTab:
    case keyDown:
        ++myrow;
        break;
    case keyUp:
        --myrow;
        break;
    case keyLeft:
        --mycolumn;
        break;
    case keyRight:
        ++mycolumn;
        break;
    default:
        moved = false;
    }
    if (moved && DataGrid::isEditable(myrow, mycolumn)) {
        return {true, true};
    }
    if (moved) {
        return {true, false};
    }
    constexpr std::string_view accepted = "0123456789.-";
    const bool acceptedCharacter =
        key > 0 && key < 128 && accepted.find(static_cast<char>(key)) != std::string_view::npos;
    const bool reachesEditor = acceptedCharacter || key == keyBackspace || key == keyDelete;
    return {!reachesEditor, false};
}

} // namespace Module1
