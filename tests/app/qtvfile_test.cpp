#include "app/qtvfile.h"

#include "support/gridfixture.h"
#include "support/tempfolder.h"

#include <ostream>
#include <random>
#include <string>

namespace {

using Module1::grid;

class QtvFile : public GridFixture {};

TEST_F(QtvFile, AnEmptyGridIsTheFourHundredThreeByteFile) {
    const qtvfile::WriteResult file = qtvfile::write(grid());
    EXPECT_EQ(file.tooLongRow, 0);
    EXPECT_EQ(file.bytes, std::string("\x04QTVK") + std::string(398, '\0'));
}

TEST_F(QtvFile, WritesByteForByteAsTheHandMadeFile) {
    fill({{"5", "0"}, {"6.5", "1"}, {"", "A"}});
    EXPECT_EQ(qtvfile::write(grid()).bytes, TempFolder::read(TVK_TEST_FIXTURES "/three_rows.qtv"));
}

TEST_F(QtvFile, RoundTripRestoresEveryCell) {
    for (int row = 1; row <= DataGrid::lastDataRow; ++row) {
        grid().setCell(row, 1, row % 3 == 0 ? "" : std::to_string(row * 7 % 23) + ".25");
        grid().setCell(row, 2, row % 5 == 0 ? "" : std::string(row % 4 + 1, 'B'));
    }
    grid().setCell(199, 1, std::string(255, '9'));
    grid().setCell(42, 2, "Caf\xC3\xA9");
    const std::string bytes = qtvfile::write(grid()).bytes;
    DataGrid saved = grid();

    fill({{"stale", "stale"}, {"x", "y"}});
    grid().setCell(3, 1, "stale");
    const qtvfile::ReadResult file = qtvfile::read(bytes);
    ASSERT_EQ(file.problem, qtvfile::Problem::none);
    qtvfile::apply(grid(), file.cells);
    for (int row = 1; row <= DataGrid::lastDataRow; ++row) {
        for (int column = 1; column <= 2; ++column) {
            ASSERT_EQ(grid().cell(row, column), saved.cell(row, column)) << row << "," << column;
        }
    }
}

TEST_F(QtvFile, ReadsTheHandMadeFileAndIgnoresBytesPastTheEnd) {
    const qtvfile::ReadResult file =
        qtvfile::read(TempFolder::read(TVK_TEST_FIXTURES "/three_rows.qtv") + "extra");
    ASSERT_EQ(file.problem, qtvfile::Problem::none);
    EXPECT_EQ(file.cells[2], "6.5");
    EXPECT_EQ(file.cells[4], "");
    EXPECT_EQ(file.cells[5], "A");
}

TEST_F(QtvFile, CellBytesThatAreNotUtf8ReadAsLatin1) {
    std::string bytes = std::string("\x04QTVK\x04") + "Caf\xE9" + std::string(397, '\0');
    EXPECT_EQ(qtvfile::read(bytes).cells[0], "Caf\xC3\xA9");
}

std::string randomBytes() {
    std::mt19937 generator(7);
    std::string bytes(600, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(generator() & 0xFF);
    }
    return bytes;
}

struct DamagedCase {
    const char* name;
    std::string bytes;
    qtvfile::Problem problem;
};

void PrintTo(const DamagedCase& value, std::ostream* out) {
    *out << value.name;
}

class DamagedQtvFile : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedQtvFile, GivesNoCells) {
    const qtvfile::ReadResult file = qtvfile::read(GetParam().bytes);
    EXPECT_EQ(file.problem, GetParam().problem);
    EXPECT_EQ(file.cells, qtvfile::Cells{});
}

const std::string emptyFile = std::string("\x04QTVK") + std::string(398, '\0');

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedQtvFile,
    testing::Values(DamagedCase{"zero_bytes", "", qtvfile::Problem::notTvkFile},
                    DamagedCase{"wrong_signature", "\x04QTVX" + std::string(398, '\0'),
                                qtvfile::Problem::notTvkFile},
                    DamagedCase{"signature_in_lower_case", "\x04qtvk" + std::string(398, '\0'),
                                qtvfile::Problem::notTvkFile},
                    DamagedCase{"signature_cut_short", "\x04QTV", qtvfile::Problem::notTvkFile},
                    DamagedCase{"random_bytes", randomBytes(), qtvfile::Problem::notTvkFile},
                    DamagedCase{"one_cell_short", emptyFile.substr(0, 402),
                                qtvfile::Problem::incomplete},
                    DamagedCase{"last_cell_cut_inside",
                                std::string("\x04QTVK") + std::string(397, '\0') + "\x05" + "12",
                                qtvfile::Problem::incomplete},
                    DamagedCase{"signature_only", "\x04QTVK", qtvfile::Problem::incomplete}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(QtvFile, ACellOverTwoHundredFiftyFiveBytesIsRefusedNamingItsRow) {
    grid().setCell(150, 2, std::string(255, 'x'));
    grid().setCell(151, 1, std::string(256, 'x'));
    grid().setCell(152, 1, std::string(300, 'x'));
    const qtvfile::WriteResult file = qtvfile::write(grid());
    EXPECT_EQ(file.tooLongRow, 151);
    EXPECT_EQ(file.bytes, "");
}

} // namespace
