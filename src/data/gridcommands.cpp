#include "data/gridcommands.h"

#include "framework/conversions.h"
#include "framework/runtime.h"

namespace {

void clearColumns(DataGrid& grid, std::initializer_list<int> columns) {
    const DataGrid::ChangeBatch change(grid);
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        for (const int column : columns) {
            grid.setCell(row, column, "");
        }
        framework::RuntimeBackgroundTask();
    }
}

} // namespace

void deleteRow(DataGrid& grid, int row) {
    if (!DataGrid::isDataRow(row)) {
        return;
    }
    const DataGrid::ChangeBatch change(grid);
    for (int below = row; below < DataGrid::lastDataRow; ++below) {
        for (const int column : {DataGrid::dvColumn, DataGrid::phaseColumn}) {
            grid.setCell(below, column, grid.cell(below + 1, column));
        }
    }
    grid.setCell(DataGrid::lastDataRow, DataGrid::dvColumn, "");
    grid.setCell(DataGrid::lastDataRow, DataGrid::phaseColumn, "");
    for (int i = DataGrid::firstDataRow; i <= DataGrid::lastDataRow; ++i) {
        grid.setCell(i, 0, framework::CStr(i));
        framework::RuntimeBackgroundTask();
    }
}

void clearRow(DataGrid& grid, int row) {
    if (!DataGrid::isDataRow(row)) {
        return;
    }
    const DataGrid::ChangeBatch change(grid);
    grid.setCell(row, DataGrid::dvColumn, "");
    grid.setCell(row, DataGrid::phaseColumn, "");
}

void clearColumn(DataGrid& grid, int column) {
    clearColumns(grid, {column});
}

void clearAllData(DataGrid& grid) {
    clearColumns(grid, {DataGrid::dvColumn, DataGrid::phaseColumn});
}
