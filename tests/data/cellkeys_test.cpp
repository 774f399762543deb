#include "data/cellkeys.h"
#include "data/module1.h"

#include <gtest/gtest.h>

namespace {

using Module1::ListBox1_CellKeyDown;

struct KeyCase {
    int row;
    int column;
    int key;
    bool consumed;
    bool openCell;
    int toRow;
    int toColumn;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << "key " << c.key << " at " << c.row << "," << c.column;
}

class CellKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(CellKeys, MovesOrFilters) {
    const KeyCase& c = GetParam();
    const auto outcome = ListBox1_CellKeyDown(c.row, c.column, c.key);
    EXPECT_EQ(outcome.consumed, c.consumed);
    EXPECT_EQ(outcome.openCell, c.openCell);
    if (c.openCell) {
        EXPECT_EQ(Module1::myrow, c.toRow);
        EXPECT_EQ(Module1::mycolumn, c.toColumn);
    }
}

INSTANTIATE_TEST_SUITE_P(Navigation, CellKeys,
                         testing::Values(KeyCase{5, 2, Module1::keyTab, true, true, 6, 2},
                                         KeyCase{5, 1, Module1::keyDown, true, true, 6, 1},
                                         KeyCase{5, 1, Module1::keyUp, true, true, 4, 1},
                                         KeyCase{5, 1, Module1::keyRight, true, true, 5, 2},
                                         KeyCase{5, 2, Module1::keyLeft, true, true, 5, 1},
                                         KeyCase{199, 1, Module1::keyDown, true, false, 0, 0},
                                         KeyCase{199, 1, Module1::keyTab, true, false, 0, 0},
                                         KeyCase{1, 1, Module1::keyUp, true, false, 0, 0},
                                         KeyCase{3, 1, Module1::keyLeft, true, false, 0, 0},
                                         KeyCase{3, 2, Module1::keyRight, true, false, 0, 0}));

INSTANTIATE_TEST_SUITE_P(
    Characters, CellKeys,
    testing::Values(KeyCase{1, 1, '0', false, false, 0, 0}, KeyCase{1, 1, '9', false, false, 0, 0},
                    KeyCase{1, 2, '.', false, false, 0, 0}, KeyCase{1, 2, '-', false, false, 0, 0},
                    KeyCase{1, 1, Module1::keyBackspace, false, false, 0, 0},
                    KeyCase{1, 1, Module1::keyDelete, false, false, 0, 0},
                    KeyCase{1, 1, 'e', true, false, 0, 0}, KeyCase{1, 1, '+', true, false, 0, 0},
                    KeyCase{1, 1, ',', true, false, 0, 0}, KeyCase{1, 1, ' ', true, false, 0, 0},
                    KeyCase{1, 1, '\r', true, false, 0, 0}, KeyCase{1, 1, 27, true, false, 0, 0},
                    KeyCase{1, 1, 0, true, false, 0, 0}, KeyCase{1, 1, 0x0660, true, false, 0, 0}));

} // namespace
