#pragma once

#include "support/gridcells.h"

#include <gtest/gtest.h>

#include <vector>

// Starts every test with an empty grid; rows are written from row 1 down.
class GridFixture : public testing::Test {
  protected:
    void SetUp() override { clearGrid(); }
    void TearDown() override { clearGrid(); }

    using Row = GridRow;

    static void fill(const std::vector<Row>& rows) { fillGrid(rows); }
};
