#include "data/textpaste.h"

#include "support/gridfixture.h"
#include "support/peakmemory.h"

#include <cstddef>
#include <optional>
#include <string>

namespace {

using Module1::grid;

class TextPaste : public GridFixture {
  protected:
    void SetUp() override {
        GridFixture::SetUp();
        fill({{"9", "9"}, {"9", "9"}, {"9", "9"}, {"9", "9"}});
        listener_ = grid().addChangeListener([this] { ++changes_; });
    }
    void TearDown() override {
        grid().removeChangeListener(listener_);
        GridFixture::TearDown();
    }
    static std::string dv(int row) { return grid().cell(row, DataGrid::dvColumn); }
    static std::string phase(int row) { return grid().cell(row, DataGrid::phaseColumn); }

    int changes_ = 0;
    int listener_ = 0;
};

TEST_F(TextPaste, ReplacesBothColumnsAndClearsBelow) {
    EXPECT_FALSE(Module1::readtextdata("5\t0\r\n6\t1\r\n"));
    EXPECT_EQ(dv(1), "5");
    EXPECT_EQ(phase(1), "0");
    EXPECT_EQ(dv(2), "6");
    EXPECT_EQ(phase(2), "1");
    for (int row = 3; row <= 4; ++row) {
        EXPECT_EQ(dv(row), "") << row;
        EXPECT_EQ(phase(row), "") << row;
    }
    EXPECT_EQ(changes_, 1);
}

TEST_F(TextPaste, AnEmptyFieldIsAMissingValueNotTheOldCell) {
    EXPECT_FALSE(Module1::readtextdata("\t1\n2\n3\t\t7"));
    EXPECT_EQ(dv(1), "");
    EXPECT_EQ(phase(1), "1");
    EXPECT_EQ(dv(2), "2");
    EXPECT_EQ(phase(2), "");
    EXPECT_EQ(dv(3), "3");
    EXPECT_EQ(phase(3), "") << "the third field is not used";
}

TEST_F(TextPaste, OneColumnPasteLeavesTheOtherColumn) {
    EXPECT_FALSE(pasteText(grid(), "1\t8\n2", PasteColumns::dv));
    EXPECT_EQ(dv(1), "1");
    EXPECT_EQ(dv(2), "2");
    EXPECT_EQ(dv(3), "");
    for (int row = 1; row <= 4; ++row) {
        EXPECT_EQ(phase(row), "9") << row;
    }
    EXPECT_FALSE(pasteText(grid(), "A\nB\t1", PasteColumns::phase));
    EXPECT_EQ(phase(1), "A");
    EXPECT_EQ(phase(2), "B");
    EXPECT_EQ(phase(3), "");
    EXPECT_EQ(dv(1), "1");
    EXPECT_EQ(grid().cell(0, DataGrid::phaseColumn), "Var2(PHASE)");
    EXPECT_EQ(changes_, 2);
}

TEST_F(TextPaste, EmptyTextClearsTheColumns) {
    EXPECT_FALSE(Module1::readtextdata(""));
    EXPECT_EQ(dv(1), "");
    EXPECT_EQ(phase(4), "");
    EXPECT_EQ(changes_, 1);
}

std::string lines(int count, const std::string& last) {
    std::string text;
    for (int line = 1; line < count; ++line) {
        text += std::to_string(line) + "\t0\n";
    }
    return text + last;
}

TEST_F(TextPaste, LinesPastTheLastRowAreNotWrittenAndReported) {
    EXPECT_TRUE(Module1::readtextdata(lines(250, "250\t1")));
    EXPECT_EQ(dv(199), "199");
    EXPECT_EQ(grid().cell(0, DataGrid::dvColumn), "Var1(DV)");
    EXPECT_EQ(changes_, 1);

    EXPECT_FALSE(Module1::readtextdata(lines(199, "199\t1\n\t\n \t ")))
        << "empty lines after the last row hold no data";
    EXPECT_TRUE(pasteText(grid(), lines(199, "199\n7"), PasteColumns::phase));
    EXPECT_FALSE(pasteText(grid(), lines(199, "199\n\t7"), PasteColumns::dv))
        << "field 2 is not pasted";
}

// Clipboard text arrives whole; pasting it costs memory for the rows kept, not its length.
TEST_F(TextPaste, AHundredMegabytesOfLineFeedsOrTabsCostLittleMemory) {
    for (const char filler : {'\n', '\t'}) {
        const std::string text = "5\t0\n" + std::string(std::size_t{100} << 20, filler);
        bool moreData = true;
        const std::optional<std::size_t> growth =
            peakMemoryGrowth([&] { moreData = pasteText(grid(), text, PasteColumns::both); });
        EXPECT_FALSE(moreData);
        EXPECT_EQ(dv(1), "5");
        EXPECT_EQ(dv(2), "");
        if (!growth) {
            GTEST_SKIP() << "the kernel's memory high-water mark cannot be reset here";
        }
        EXPECT_LT(*growth, std::size_t{8} << 20) << static_cast<int>(filler);
    }
}

} // namespace
