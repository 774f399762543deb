#include "data/gridcommands.h"
#include "data/gridcopy.h"

#include "support/gridfixture.h"

#include <string>

namespace {

using Module1::grid;

class GridCommands : public GridFixture {
  protected:
    void SetUp() override {
        GridFixture::SetUp();
        for (int row = 1; row <= DataGrid::lastDataRow; ++row) {
            grid().setCell(row, DataGrid::dvColumn, "d" + std::to_string(row));
            grid().setCell(row, DataGrid::phaseColumn, "p" + std::to_string(row));
        }
        listener_ = grid().addChangeListener([this] { ++changes_; });
    }
    void TearDown() override {
        grid().removeChangeListener(listener_);
        GridFixture::TearDown();
    }
    static void expectRowNumbers() {
        for (int row = 1; row <= DataGrid::lastDataRow; ++row) {
            ASSERT_EQ(grid().cell(row, 0), std::to_string(row));
        }
    }

    int changes_ = 0;
    int listener_ = 0;
};

TEST_F(GridCommands, DeleteRowMovesTheRowsBelowUp) {
    deleteRow(grid(), 10);
    EXPECT_EQ(grid().cell(9, 1), "d9");
    EXPECT_EQ(grid().cell(10, 1), "d11");
    EXPECT_EQ(grid().cell(10, 2), "p11");
    EXPECT_EQ(grid().cell(198, 2), "p199");
    EXPECT_EQ(grid().cell(199, 1), "");
    EXPECT_EQ(grid().cell(199, 2), "");
    expectRowNumbers();
    EXPECT_EQ(changes_, 1);
}

TEST_F(GridCommands, DeleteTheLastRow) {
    deleteRow(grid(), 199);
    EXPECT_EQ(grid().cell(198, 1), "d198");
    EXPECT_EQ(grid().cell(199, 1), "");
    expectRowNumbers();
}

TEST_F(GridCommands, NoDataRowNoChange) {
    for (const int row : {-1, 0, 200}) {
        deleteRow(grid(), row);
        clearRow(grid(), row);
    }
    EXPECT_EQ(grid().cell(0, 1), "Var1(DV)");
    EXPECT_EQ(grid().cell(1, 1), "d1");
    EXPECT_EQ(grid().cell(199, 2), "p199");
    EXPECT_EQ(changes_, 0);
}

TEST_F(GridCommands, ClearRowEmptiesItsDataCellsOnly) {
    clearRow(grid(), 5);
    EXPECT_EQ(grid().cell(5, 0), "5");
    EXPECT_EQ(grid().cell(5, 1), "");
    EXPECT_EQ(grid().cell(5, 2), "");
    EXPECT_EQ(grid().cell(4, 1), "d4");
    EXPECT_EQ(grid().cell(6, 2), "p6");
    EXPECT_EQ(changes_, 1);
}

TEST_F(GridCommands, ClearColumnsKeepCaptionsAndRowNumbers) {
    clearColumn(grid(), DataGrid::dvColumn);
    EXPECT_EQ(tabDelimitedText(grid(), "\n").substr(0, 8), "\tp1\n\tp2\n");
    EXPECT_EQ(columnText(grid(), DataGrid::dvColumn, "\n"), "");
    clearColumn(grid(), DataGrid::phaseColumn);
    EXPECT_EQ(tabDelimitedText(grid(), "\n"), "");
    grid().setCell(7, 1, "x");
    clearAllData(grid());
    EXPECT_EQ(tabDelimitedText(grid(), "\n"), "");
    EXPECT_EQ(grid().cell(0, 2), "Var2(PHASE)");
    expectRowNumbers();
    EXPECT_EQ(changes_, 3);
}

class GridCopy : public GridFixture {};

TEST_F(GridCopy, ColumnTextEndsAtItsLastValue) {
    fill({{"1", ""}, {"2", "0"}, {"", ""}, {"", "1"}, {"5", ""}});
    EXPECT_EQ(columnText(grid(), DataGrid::dvColumn, "\n"), "1\n2\n\n\n5\n");
    EXPECT_EQ(columnText(grid(), DataGrid::phaseColumn, "\r"), "\r0\r\r1\r");
}

TEST_F(GridCopy, BothColumnsEndAtTheLastRowWithEither) {
    fill({{"1", "0"}, {"2", "0"}, {"3", "0"}, {"", ""}, {"", ""}, {"", ""}, {"", "1"}});
    EXPECT_EQ(tabDelimitedText(grid(), "\n"), "1\t0\n2\t0\n3\t0\n\t\n\t\n\t\n\t1\n");
}

TEST_F(GridCopy, OnlyAPhaseInRowThree) {
    fill({{"", ""}, {"", ""}, {"", "1"}});
    EXPECT_EQ(tabDelimitedText(grid(), "\n"), "\t\n\t\n\t1\n");
}

TEST_F(GridCopy, NothingToCopyGivesEmptyText) {
    EXPECT_EQ(columnText(grid(), DataGrid::dvColumn, "\n"), "");
    EXPECT_EQ(tabDelimitedText(grid(), "\n"), "");
}

} // namespace
