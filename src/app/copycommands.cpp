#include "app/copycommands.h"

#include "analysis/alert.h"
#include "data/gridcopy.h"
#include "data/module1.h"
#include "framework/conversions.h"

namespace Module1 {

std::optional<std::string> copyCommand(PasteColumns columns) {
    const int column = columns == PasteColumns::phase ? DataGrid::phaseColumn : DataGrid::dvColumn;
    const int unfitRow = columns == PasteColumns::both
                             ? firstRowUnfitForText(grid(), {column, DataGrid::phaseColumn})
                             : firstRowUnfitForText(grid(), {column});
    if (unfitRow != 0) {
        notify("Not copied. Row " + framework::CStr(unfitRow) +
               " holds a cell with a tab or a line break, which text cannot keep.");
        return std::nullopt;
    }
    return columns == PasteColumns::both ? tabDelimitedText(grid(), cps)
                                         : columnText(grid(), column, cps);
}

} // namespace Module1
