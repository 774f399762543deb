#include "app/datamenucommands.h"
#include "app/pastecommands.h"

#include "support/fakealert.h"
#include "support/gridfixture.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Module1::grid;
using Strings = std::vector<std::string>;

struct CommandCase {
    const char* name;
    std::function<void()> command;
    std::string question;
    std::string button;
    std::vector<std::string> dvAfter; // rows 1..3 once confirmed
    std::vector<std::string> phaseAfter;
};

void PrintTo(const CommandCase& value, std::ostream* out) {
    *out << value.name;
}

class DataMenuCommand : public GridFixture, public testing::WithParamInterface<CommandCase> {
  protected:
    void SetUp() override {
        GridFixture::SetUp();
        fill({{"1", "A"}, {"2", "B"}, {"3", "C"}});
    }
    static Strings column(int column) {
        return {grid().cell(1, column), grid().cell(2, column), grid().cell(3, column)};
    }
    FakeAlert alert_;
};

TEST_P(DataMenuCommand, AsksAndChangesNothingUnlessConfirmed) {
    GetParam().command();
    EXPECT_EQ(alert_.asked, Strings{GetParam().question});
    EXPECT_EQ(alert_.buttons, Strings{GetParam().button});
    EXPECT_EQ(column(1), (Strings{"1", "2", "3"}));
    EXPECT_EQ(column(2), (Strings{"A", "B", "C"}));

    alert_.answer({true});
    GetParam().command();
    EXPECT_EQ(column(1), GetParam().dvAfter);
    EXPECT_EQ(column(2), GetParam().phaseAfter);
}

const std::string pasteQuestion =
    "Are you sure you want to replace the data with the text from the clipboard?";

INSTANTIATE_TEST_SUITE_P(
    Cases, DataMenuCommand,
    testing::Values(CommandCase{"delete_row",
                                [] { Module1::deleteRowCommand(2); },
                                "Are you sure you want to delete the row?",
                                "Delete",
                                {"1", "3", ""},
                                {"A", "C", ""}},
                    CommandCase{"clear_row",
                                [] { Module1::clearRowCommand(2); },
                                "Are you sure you want to clear the data from the selected row?",
                                "Erase",
                                {"1", "", "3"},
                                {"A", "", "C"}},
                    CommandCase{"clear_dv_column",
                                [] { Module1::clearDVColumnCommand(); },
                                "Are you sure you want to erase the data from the DV column?",
                                "Delete",
                                {"", "", ""},
                                {"A", "B", "C"}},
                    CommandCase{"clear_phase_column",
                                [] { Module1::clearPhaseColumnCommand(); },
                                "Are you sure you want to erase the data from the Phase column?",
                                "Delete",
                                {"1", "2", "3"},
                                {"", "", ""}},
                    CommandCase{"clear_all_data",
                                [] { Module1::clearAllDataCommand(); },
                                "Are you sure you want to erase all of the data?",
                                "Delete",
                                {"", "", ""},
                                {"", "", ""}},
                    CommandCase{"paste_data",
                                [] { Module1::pasteCommand("7\t0\n8\t1", PasteColumns::both); },
                                pasteQuestion,
                                "Replace",
                                {"7", "8", ""},
                                {"0", "1", ""}},
                    CommandCase{"paste_dv_data",
                                [] { Module1::pasteCommand("7\n8", PasteColumns::dv); },
                                pasteQuestion,
                                "Replace",
                                {"7", "8", ""},
                                {"A", "B", "C"}},
                    CommandCase{
                        "paste_phase_data",
                        [] { Module1::pasteCommand("0\r\n\r\n1\r\n", PasteColumns::phase); },
                        pasteQuestion,
                        "Replace",
                        {"1", "2", "3"},
                        {"0", "", "1"}}),
    [](const auto& param) { return std::string(param.param.name); });

class RowCommands : public GridFixture {
  protected:
    FakeAlert alert_;
};

TEST_F(RowCommands, WithoutADataRowSelectedNothingIsAsked) {
    fill({{"1", "A"}});
    alert_.answer({true, true, true, true});
    for (const int row : {-1, 0}) {
        Module1::deleteRowCommand(row);
        Module1::clearRowCommand(row);
    }
    EXPECT_TRUE(alert_.asked.empty());
    EXPECT_EQ(grid().cell(0, 1), "Var1(DV)");
    EXPECT_EQ(grid().cell(1, 1), "1");
}

TEST_F(RowCommands, APasteOfTooManyLinesSaysSoAfterwards) {
    std::string text;
    for (int line = 1; line <= 200; ++line) {
        text += std::to_string(line) + "\t0\n";
    }
    alert_.answer({true});
    Module1::pasteCommand(text, PasteColumns::both);
    EXPECT_EQ(alert_.asked, (Strings{"Are you sure you want to replace the data with the text "
                                     "from the clipboard?",
                                     "Only the first 199 rows were read."}));
    EXPECT_EQ(alert_.buttons, (Strings{"Replace", "OK"}));
    EXPECT_EQ(grid().cell(199, 1), "199");
}

} // namespace
