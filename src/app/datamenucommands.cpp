#include "app/datamenucommands.h"

#include "analysis/alert.h"
#include "data/gridcommands.h"
#include "data/module1.h"

namespace Module1 {

void deleteRowCommand(int selectedRow) {
    if (DataGrid::isDataRow(selectedRow) &&
        ask("Are you sure you want to delete the row?", "Delete")) {
        deleteRow(grid(), selectedRow);
    }
}

void clearRowCommand(int selectedRow) {
    if (DataGrid::isDataRow(selectedRow) &&
        ask("Are you sure you want to clear the data from the selected row?", "Erase")) {
        clearRow(grid(), selectedRow);
    }
}

void clearDVColumnCommand() {
    if (ask("Are you sure you want to erase the data from the DV column?", "Delete")) {
        clearColumn(grid(), DataGrid::dvColumn);
    }
}

void clearPhaseColumnCommand() {
    if (ask("Are you sure you want to erase the data from the Phase column?", "Delete")) {
        clearColumn(grid(), DataGrid::phaseColumn);
    }
}

void clearAllDataCommand() {
    if (ask("Are you sure you want to erase all of the data?", "Delete")) {
        clearAllData(grid());
    }
}

} // namespace Module1
