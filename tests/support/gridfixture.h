#pragma once

#include "data/module1.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Starts every test with an empty grid; rows are written from row 1 down.
class GridFixture : public testing::Test {
  protected:
    void SetUp() override { clearGrid(); }
    void TearDown() override { clearGrid(); }

    static void clearGrid() {
        for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
            Module1::grid().setCell(row, DataGrid::dvColumn, "");
            Module1::grid().setCell(row, DataGrid::phaseColumn, "");
        }
    }

    struct Row {
        std::string dv;
        std::string phase;
    };

    static void fill(const std::vector<Row>& rows) {
        int row = DataGrid::firstDataRow;
        for (const Row& r : rows) {
            Module1::grid().setCell(row, DataGrid::dvColumn, r.dv);
            Module1::grid().setCell(row, DataGrid::phaseColumn, r.phase);
            ++row;
        }
    }
};
