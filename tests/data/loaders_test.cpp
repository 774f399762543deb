#include "framework/conversions.h"
#include "support/gridfixture.h"

namespace {

using Loaders = GridFixture;

TEST_F(Loaders, EmptyGridLoadsNothing) {
    Module1::loadinfo();
    EXPECT_EQ(Module1::n, 0);
    EXPECT_EQ(Module1::nvalid, 0);
    EXPECT_EQ(Module1::missing, 0);
    EXPECT_EQ(Module1::numphases, 0);
    EXPECT_EQ(Module1::phasen[0], 0);
    Module1::loadvectors();
    EXPECT_EQ(Module1::n, 0);
    EXPECT_EQ(Module1::missing, 0);
}

TEST_F(Loaders, GapsInTheDvColumnAreClosedUp) {
    Module1::v[0][4] = 99.0;
    fill({{"1.5", ""}, {"2", ""}, {"", ""}, {"-4", ""}});
    Module1::loadinfo();
    EXPECT_EQ(Module1::n, 4);
    EXPECT_EQ(Module1::nvalid, 3);
    EXPECT_EQ(Module1::missing, 1);
    EXPECT_EQ(Module1::v[0][1], 1.5);
    EXPECT_EQ(Module1::v[0][2], 2.0);
    EXPECT_EQ(Module1::v[0][3], -4.0);
    EXPECT_EQ(Module1::v[0][4], 99.0) << "entries past the load keep what was there";
}

TEST_F(Loaders, PhasesInOrderOfFirstAppearance) {
    fill({{"1", "1"}, {"2", "1"}, {"3", "0"}, {"4", "0"}, {"5", "0"}});
    Module1::loadinfo();
    ASSERT_EQ(Module1::numphases, 2);
    EXPECT_EQ(Module1::phase[1], 1);
    EXPECT_EQ(Module1::phase[2], 0);
    EXPECT_EQ(Module1::phasen[1], 2);
    EXPECT_EQ(Module1::phasen[2], 3);
    Module1::loadphases();
    EXPECT_EQ(Module1::v[1][1], 1.0);
    EXPECT_EQ(Module1::v[1][2], 2.0);
    EXPECT_EQ(Module1::v[2][1], 3.0);
    EXPECT_EQ(Module1::v[2][3], 5.0);
}

TEST_F(Loaders, LabelsThatReadAlikeAsNumbersAreStillTwoPhases) {
    fill({{"1", "1"}, {"2", "01"}, {"3", "01"}});
    Module1::loadinfo();
    ASSERT_EQ(Module1::numphases, 2);
    EXPECT_EQ(Module1::phase[1], 1);
    EXPECT_EQ(Module1::phase[2], 1);
    EXPECT_EQ(Module1::phaselabel[1], "1");
    EXPECT_EQ(Module1::phaselabel[2], "01");
    EXPECT_EQ(Module1::phasen[1], 1);
    EXPECT_EQ(Module1::phasen[2], 2);
    Module1::loadphases();
    EXPECT_EQ(Module1::v[2][1], 2.0);
    EXPECT_EQ(Module1::v[2][2], 3.0);
}

TEST_F(Loaders, LetterLabelsMakePhasesWithTheirRows) {
    fill({{"1", "A"}, {"2", " A "}, {"3", "B"}});
    Module1::loadinfo();
    ASSERT_EQ(Module1::numphases, 2);
    EXPECT_EQ(Module1::phaselabel[1], "A");
    EXPECT_EQ(Module1::phaselabel[2], "B");
    EXPECT_EQ(Module1::phase[1], 0);
    EXPECT_EQ(Module1::phasen[1], 2) << "surrounding blanks do not make another phase";
    EXPECT_EQ(Module1::phasen[2], 1);
}

TEST_F(Loaders, RowWithoutDvValueTakesNoPartInThePhases) {
    Module1::v[1][3] = 77.0;
    fill({{"5", "0"}, {"", "0"}, {"6", "0"}, {"", "1"}, {"7", "2"}});
    Module1::loadinfo();
    ASSERT_EQ(Module1::numphases, 2) << "a label on an empty row adds no phase";
    EXPECT_EQ(Module1::phaselabel[2], "2");
    EXPECT_EQ(Module1::phasen[1], 2);
    EXPECT_EQ(Module1::nvalid, 3);
    Module1::loadphases();
    EXPECT_EQ(Module1::v[1][1], 5.0);
    EXPECT_EQ(Module1::v[1][2], 6.0);
    EXPECT_EQ(Module1::v[1][3], 77.0) << "no 0 enters the phase series for the empty row";
}

TEST_F(Loaders, BlankCellsAreMissing) {
    fill({{"  ", "0"}, {"3", " "}});
    Module1::loadinfo();
    EXPECT_EQ(Module1::nvalid, 1);
    EXPECT_EQ(Module1::n, 2);
    EXPECT_EQ(Module1::numphases, 0);
}

TEST_F(Loaders, FullGridHasEveryRow) {
    for (int row = 1; row <= DataGrid::lastDataRow; ++row) {
        Module1::grid().setCell(row, 1, framework::CStr(row));
        Module1::grid().setCell(row, 2, framework::CStr(row));
    }
    Module1::loadinfo();
    EXPECT_EQ(Module1::n, 199);
    EXPECT_EQ(Module1::numphases, 199);
    EXPECT_EQ(Module1::phase[199], 199);
    EXPECT_EQ(Module1::phasen[199], 1);
}

TEST_F(Loaders, VectorsKeepOnlyCompletePairs) {
    std::vector<Row> rows;
    for (int i = 1; i <= 10; ++i) {
        rows.push_back({framework::CStr(i), i <= 8 ? framework::CStr(i * 10) : ""});
    }
    fill(rows);
    Module1::loadinfo();
    const int numphases = Module1::numphases;
    Module1::loadvectors();
    EXPECT_EQ(Module1::n, 8);
    EXPECT_EQ(Module1::missing, 2);
    EXPECT_EQ(Module1::v1[8], 8.0);
    EXPECT_EQ(Module1::v2[8], 80.0);
    EXPECT_EQ(Module1::nvalid, 10) << "loadvectors leaves the series bookkeeping alone";
    EXPECT_EQ(Module1::numphases, numphases);
}

TEST_F(Loaders, VectorsWithAnEmptySecondColumn) {
    Module1::v1[1] = 42.0;
    fill({{"1", ""}, {"2", ""}, {"", "3"}});
    Module1::loadvectors();
    EXPECT_EQ(Module1::n, 0);
    EXPECT_EQ(Module1::missing, 3);
    EXPECT_EQ(Module1::v1[1], 42.0);
}

} // namespace
