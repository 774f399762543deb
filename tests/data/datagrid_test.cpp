#include "data/datagrid.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(DataGrid, StartsWithCaptionsAndRowNumbers) {
    const DataGrid grid;
    EXPECT_EQ(grid.cell(0, 0), "Time");
    EXPECT_EQ(grid.cell(0, 1), "Var1(DV)");
    EXPECT_EQ(grid.cell(0, 2), "Var2(PHASE)");
    EXPECT_EQ(grid.cell(1, 0), "1");
    EXPECT_EQ(grid.cell(199, 0), "199");
    EXPECT_EQ(grid.cell(199, 1), "");
}

TEST(DataGrid, OnlyDataCellsAreEditable) {
    EXPECT_FALSE(DataGrid::isEditable(0, 1));
    EXPECT_FALSE(DataGrid::isEditable(5, 0));
    EXPECT_TRUE(DataGrid::isEditable(1, 1));
    EXPECT_TRUE(DataGrid::isEditable(199, 2));
    EXPECT_FALSE(DataGrid::isEditable(200, 1));
}

TEST(DataGrid, CellsOutsideTheGridAreRefused) {
    DataGrid grid;
    EXPECT_THROW(grid.cell(200, 1), std::out_of_range);
    EXPECT_THROW(grid.setCell(1, 3, "x"), std::out_of_range);
    EXPECT_THROW(grid.cell(-1, 0), std::out_of_range);
}

TEST(DataGrid, ACommandWritingManyCellsRaisesOneChange) {
    DataGrid grid;
    int changes = 0;
    grid.addChangeListener([&] { ++changes; });
    {
        DataGrid::ChangeBatch batch(grid);
        for (int row = 1; row <= 50; ++row) {
            grid.setCell(row, 1, "1");
        }
        EXPECT_EQ(changes, 0);
    }
    EXPECT_EQ(changes, 1);
}

TEST(DataGrid, RemovedListenerHearsNoMore) {
    DataGrid grid;
    int first = 0;
    int second = 0;
    const int key = grid.addChangeListener([&] { ++first; });
    grid.addChangeListener([&] { ++second; });
    grid.raiseChange();
    grid.removeChangeListener(key);
    grid.raiseChange();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
}

} // namespace
