#include "data/gridcopy.h"

#include "framework/runtime.h"

namespace {

int lastRowWithData(const DataGrid& grid, std::initializer_list<int> columns) {
    for (int row = DataGrid::lastDataRow; row >= DataGrid::firstDataRow; --row) {
        for (const int column : columns) {
            if (!grid.cell(row, column).empty()) {
                return row;
            }
        }
    }
    return 0;
}

} // namespace

std::string columnText(const DataGrid& grid, int column, std::string_view lineEnd) {
    std::string text;
    const int last = lastRowWithData(grid, {column});
    for (int row = DataGrid::firstDataRow; row <= last; ++row) {
        text += grid.cell(row, column);
        text += lineEnd;
        framework::RuntimeBackgroundTask();
    }
    return text;
}

std::string tabDelimitedText(const DataGrid& grid, std::string_view lineEnd) {
    std::string text;
    const int last = lastRowWithData(grid, {DataGrid::dvColumn, DataGrid::phaseColumn});
    for (int row = DataGrid::firstDataRow; row <= last; ++row) {
        text += grid.cell(row, DataGrid::dvColumn);
        text += '\t';
        text += grid.cell(row, DataGrid::phaseColumn);
        text += lineEnd;
        framework::RuntimeBackgroundTask();
    }
    return text;
}

int firstRowUnfitForText(const DataGrid& grid, std::initializer_list<int> columns) {
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        for (const int column : columns) {
            if (grid.cell(row, column).find_first_of("\t\r\n") != std::string::npos) {
                return row;
            }
        }
    }
    return 0;
}
