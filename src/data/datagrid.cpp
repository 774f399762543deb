#include "data/datagrid.h"

#include "framework/conversions.h"

#include <stdexcept>
#include <utility>

namespace {

void checkCell(int row, int column) {
    if (row < 0 || row >= DataGrid::rowCount || column < 0 || column >= DataGrid::columnCount) {
        throw std::out_of_range("grid cell out of range");
    }
}

} // namespace

DataGrid::DataGrid() {
    for (int row = 1; row < rowCount; ++row) {
        cells_[row][0] = framework::CStr(row);
    }
    cells_[0] = {"Time", "Var1(DV)", "Var2(PHASE)"};
}

const std::string& DataGrid::cell(int row, int column) const {
    checkCell(row, column);
    return cells_[row][column];
}

void DataGrid::setCell(int row, int column, std::string text) {
    checkCell(row, column);
    cells_[row][column] = std::move(text);
}

bool DataGrid::isDataRow(int row) {
    return row >= firstDataRow && row <= lastDataRow;
}

bool DataGrid::isEditable(int row, int column) {
    return isDataRow(row) && (column == dvColumn || column == phaseColumn);
}

int DataGrid::addChangeListener(ChangeListener listener) {
    listeners_.emplace_back(nextListenerKey_, std::move(listener));
    return nextListenerKey_++;
}

void DataGrid::removeChangeListener(int key) {
    std::erase_if(listeners_, [key](const auto& entry) { return entry.first == key; });
}

void DataGrid::raiseChange() {
    // A listener may add or remove listeners; it must not invalidate this loop.
    const auto listeners = listeners_;
    for (const auto& [key, listener] : listeners) {
        listener();
    }
}
