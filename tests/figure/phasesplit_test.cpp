#include "figure/phasesplit.h"
#include "support/gridfixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using figure::clickedGap;
using figure::writePhaseSplit;

TEST(ClickedGap, FindsTheGapBetweenTwoPoints) {
    struct Case {
        int width;
        int points;
        int x;
        int gap;
    };
    // 400 pixels and 10 points give gaps 36 pixels wide (400 / 11 = 36.36).
    const std::vector<Case> cases{
        {400, 10, 37, 1},  {400, 10, 71, 1},  {400, 10, 73, 2},  {400, 10, 200, 5},
        {400, 10, 325, 9}, {400, 10, 359, 9}, {400, 10, 36, 0},  {400, 10, 72, 0},
        {400, 10, 360, 0}, {400, 10, 10, 0},  {400, 10, 399, 0}, {400, 10, -5, 0},
        {400, 0, 200, 0},  {400, 1, 200, 0},  {400, 2, 150, 1},  {5, 10, 3, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(clickedGap(c.width, c.points, c.x), c.gap)
            << "width " << c.width << ", " << c.points << " points, x " << c.x;
    }
}

class PhaseSplitTest : public GridFixture {
  protected:
    std::vector<std::string> phaseColumn(int rows) {
        std::vector<std::string> labels;
        for (int row = 1; row <= rows; ++row) {
            labels.push_back(Module1::grid().cell(row, DataGrid::phaseColumn));
        }
        return labels;
    }
    int writeCountingChanges(int divider) {
        int changes = 0;
        const int key = Module1::grid().addChangeListener([&changes] { ++changes; });
        writePhaseSplit(Module1::grid(), divider);
        Module1::grid().removeChangeListener(key);
        return changes;
    }
};

TEST_F(PhaseSplitTest, LabelsThePointsBeforeAndAfterTheDivider) {
    struct Case {
        int divider;
        std::vector<std::string> labels;
    };
    const std::vector<Case> cases{
        {0, {"1", "1", "1", "1", "1"}},
        {1, {"0", "1", "1", "1", "1"}},
        {3, {"0", "0", "0", "1", "1"}},
        {4, {"0", "0", "0", "0", "1"}},
    };
    for (const Case& c : cases) {
        fill({{"1", "7"}, {"2", ""}, {"3", "1"}, {"4", "0"}, {"5", "x"}});
        EXPECT_EQ(writeCountingChanges(c.divider), 1);
        EXPECT_EQ(phaseColumn(5), c.labels) << "divider " << c.divider;
    }
}

TEST_F(PhaseSplitTest, RowsWithoutAValueKeepTheirLabel) {
    // Points 1 and 2 are rows 1 and 3; the split after point 2 runs below row 3.
    fill({{"4", "5"},
          {"", "9"},
          {"6", ""},
          {"7", ""},
          {"", ""},
          {"8", ""},
          {"9", ""},
          {"", "3"},
          {"", "0"}});
    writePhaseSplit(Module1::grid(), 2);
    EXPECT_EQ(phaseColumn(9),
              (std::vector<std::string>{"0", "9", "0", "1", "", "1", "1", "3", "0"}));
}

TEST_F(PhaseSplitTest, ReachesTheLastRowOfTheGrid) {
    Module1::grid().setCell(1, DataGrid::dvColumn, "1");
    Module1::grid().setCell(DataGrid::lastDataRow, DataGrid::dvColumn, "2");
    writePhaseSplit(Module1::grid(), 1);
    EXPECT_EQ(Module1::grid().cell(1, DataGrid::phaseColumn), "0");
    EXPECT_EQ(Module1::grid().cell(DataGrid::lastDataRow, DataGrid::phaseColumn), "1");
}

} // namespace
