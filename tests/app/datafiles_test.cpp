#include "app/datafiles.h"

#include "support/fakealert.h"
#include "support/gridfixture.h"
#include "support/peakmemory.h"
#include "support/tempfolder.h"

#include <sys/stat.h>

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Module1::grid;
using Strings = std::vector<std::string>;

class DataFiles : public GridFixture {
  protected:
    void SetUp() override {
        GridFixture::SetUp();
        Module1::cps = "\n";
        Module1::datasaved = true;
    }
    static std::string dv(int row) { return grid().cell(row, DataGrid::dvColumn); }
    static std::string phase(int row) { return grid().cell(row, DataGrid::phaseColumn); }
    static std::string gridText() {
        std::string text;
        for (int row = 1; row <= DataGrid::lastDataRow; ++row) {
            text += dv(row) + "|" + phase(row) + ";";
        }
        return text;
    }

    TempFolder folder_;
    FakeAlert alert_;
};

TEST_F(DataFiles, TextRoundTripRestoresEveryCell) {
    fill({{"5", "0"}, {"", "0"}, {"6.5", ""}, {"", ""}, {"7", "1"}});
    const std::string saved = gridText();
    Module1::datasaved = false;
    Module1::saveTextFile(folder_ / "data.txt");
    EXPECT_TRUE(Module1::datasaved);
    EXPECT_EQ(TempFolder::read(folder_ / "data.txt"), "5\t0\n\t0\n6.5\t\n\t\n7\t1\n");

    fill({{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}, {"5", "5"}, {"6", "6"}, {"7", "7"}});
    Module1::openTextFile(folder_ / "data.txt");
    EXPECT_EQ(gridText(), saved);
    EXPECT_TRUE(alert_.asked.empty()) << "saved data is replaced without a question";
}

TEST_F(DataFiles, BinaryRoundTripRestoresEveryCell) {
    fill({{"5", "0"}, {"", "0"}, {"6.5", ""}});
    grid().setCell(199, 2, "1");
    const std::string saved = gridText();
    Module1::saveDataFile(folder_ / "data.qtv");
    EXPECT_EQ(TempFolder::read(folder_ / "data.qtv").size(), 403U + 7U);

    fill({{"1", "1"}, {"2", "2"}, {"3", "3"}});
    Module1::openDocument(folder_ / "data.qtv");
    EXPECT_EQ(gridText(), saved);
}

TEST_F(DataFiles, AnEmptyGridSavesAnEmptyTextFileAndMarksTheDataSaved) {
    Module1::datasaved = false;
    Module1::saveTextFile(folder_ / "empty.txt");
    EXPECT_EQ(TempFolder::read(folder_ / "empty.txt"), "");
    EXPECT_TRUE(Module1::datasaved);
}

TEST_F(DataFiles, TextFromOtherPlatformsAndEncodingsOpens) {
    TempFolder::write(folder_ / "mac.TXT", "\xEF\xBB\xBF"
                                           "5\t0\r6\t\xE9\r\n7\t1");
    Module1::openDocument(folder_ / "mac.TXT");
    EXPECT_EQ(dv(1), "5");
    EXPECT_EQ(phase(2), "\xC3\xA9");
    EXPECT_EQ(dv(3), "7");
    EXPECT_EQ(dv(4), "");
}

TEST_F(DataFiles, MoreLinesThanRowsAreReported) {
    std::string text;
    for (int line = 1; line <= 205; ++line) {
        text += std::to_string(line) + "\n";
    }
    TempFolder::write(folder_ / "long.txt", text);
    Module1::openTextFile(folder_ / "long.txt");
    EXPECT_EQ(dv(199), "199");
    EXPECT_EQ(alert_.asked, Strings{"Only the first 199 rows were read."});
}

TEST_F(DataFiles, OpeningOverUnsavedDataAsksFirst) {
    TempFolder::write(folder_ / "data.txt", "5\t0\n");
    fill({{"1", "1"}});
    Module1::datasaved = false;
    Module1::openTextFile(folder_ / "data.txt");
    EXPECT_EQ(alert_.asked,
              Strings{"Are you sure you want to replace the data with the data from the file?"});
    EXPECT_EQ(alert_.buttons, Strings{"Replace"});
    EXPECT_EQ(dv(1), "1") << "declined";

    alert_.answer({true});
    Module1::openDataFile(TVK_TEST_FIXTURES "/three_rows.qtv");
    EXPECT_EQ(alert_.asked.size(), 2U);
    EXPECT_EQ(dv(2), "6.5") << "confirmed";
}

struct DamagedFile {
    const char* name;
    std::string bytes;
    std::string notice;
};

void PrintTo(const DamagedFile& value, std::ostream* out) {
    *out << value.name;
}

class DamagedDataFile : public DataFiles, public testing::WithParamInterface<DamagedFile> {};

TEST_P(DamagedDataFile, LeavesTheGridAndSaysSo) {
    fill({{"5", "0"}, {"6", "1"}});
    const std::string before = gridText();
    TempFolder::write(folder_ / "data.qtv", GetParam().bytes);
    Module1::openDataFile(folder_ / "data.qtv");
    EXPECT_EQ(gridText(), before);
    EXPECT_EQ(alert_.asked, Strings{GetParam().notice});
    EXPECT_EQ(alert_.buttons, Strings{"OK"});
}

const std::string notTvk = "This does not appear to be a TVK file.";
const std::string damaged =
    "This TVK file is damaged: it ends too early. The data were left as they were.";

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedDataFile,
    testing::Values(DamagedFile{"zero_bytes", "", notTvk},
                    DamagedFile{"wrong_signature", "\x04QTVX" + std::string(398, '\0'), notTvk},
                    DamagedFile{"random_bytes", "\x93\x11\xfe\x04QTVK\x7f\x00\x01", notTvk},
                    DamagedFile{"truncated",
                                std::string("\x04QTVK\x01"
                                            "5\x01"
                                            "0") +
                                    std::string(100, '\0'),
                                damaged}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(DataFiles, AFileThatCannotBeOpenedIsReported) {
    fill({{"5", "0"}});
    Module1::openDocument(folder_ / "missing.qtv");
    Module1::openDocument(folder_ / "missing.txt");
    EXPECT_EQ(alert_.asked, (Strings{"The file could not be opened: No such file or directory.",
                                     "The file could not be opened: No such file or directory."}));
    EXPECT_EQ(dv(1), "5");
}

TEST_F(DataFiles, ASaveThatFailsSaysWhyAndLeavesTheDataUnsaved) {
    // The tests may run as root, who may write anywhere: a folder that is a file stops anyone.
    TempFolder::write(folder_ / "plain-file", "");
    fill({{"5", "0"}});
    for (const auto save : {&Module1::saveTextFile, &Module1::saveDataFile}) {
        Module1::datasaved = false;
        alert_.asked.clear();
        save(folder_ / "plain-file" / "data");
        EXPECT_FALSE(Module1::datasaved);
        ASSERT_EQ(alert_.asked.size(), 1U);
        EXPECT_TRUE(alert_.asked[0].starts_with("Not saved. ")) << alert_.asked[0];
        EXPECT_NE(alert_.asked[0].find("Not a directory"), std::string::npos) << alert_.asked[0];
    }
}

TEST_F(DataFiles, ACellTooLongForTheDataFileRefusesTheSave) {
    TempFolder::write(folder_ / "data.qtv", "old");
    grid().setCell(12, 1, std::string(256, '1'));
    Module1::datasaved = false;
    Module1::saveDataFile(folder_ / "data.qtv");
    EXPECT_EQ(alert_.asked, Strings{"Not saved. Row 12 holds a cell longer than 255 bytes, too "
                                    "long for a TVK file."});
    EXPECT_EQ(TempFolder::read(folder_ / "data.qtv"), "old");
    EXPECT_FALSE(Module1::datasaved);
}

const std::string tooLarge =
    "This file is larger than 4 MB, too large for a text file of TVK data.";

TEST_F(DataFiles, ATextFileOverFourMegabytesIsRefusedBeforeItIsRead) {
    fill({{"1", "1"}});
    const std::string firstLine = "5\t0\n";
    TempFolder::write(folder_ / "limit.txt",
                      firstLine + std::string((std::size_t{4} << 20) - firstLine.size(), '\n'));
    Module1::openTextFile(folder_ / "limit.txt");
    EXPECT_TRUE(alert_.asked.empty());
    EXPECT_EQ(dv(1), "5") << "a file of exactly 4 MiB is read";

    for (const std::size_t size : {(std::size_t{4} << 20) + 1, std::size_t{100} << 20}) {
        fill({{"1", "1"}});
        alert_.asked.clear();
        TempFolder::write(folder_ / "large.txt",
                          firstLine + std::string(size - firstLine.size(), '\n'));
        const std::optional<std::size_t> growth =
            peakMemoryGrowth([&] { Module1::openTextFile(folder_ / "large.txt"); });
        EXPECT_EQ(alert_.asked, Strings{tooLarge}) << size;
        EXPECT_EQ(dv(1), "1");
        if (growth) {
            EXPECT_LT(*growth, std::size_t{8} << 20) << size;
        }
    }
}

TEST_F(DataFiles, WhatIsNotARegularFileIsRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo((folder_ / "pipe.txt").c_str(), 0600), 0);
    fill({{"1", "1"}});
    Module1::openTextFile(folder_ / "pipe.txt");
    Module1::openDataFile(folder_ / "pipe.txt");
    Module1::openTextFile("/dev/zero");
    const std::string notice = "The file could not be opened: it is not a regular file.";
    EXPECT_EQ(alert_.asked, (Strings{notice, notice, notice}));
    EXPECT_EQ(dv(1), "1");
}

TEST_F(DataFiles, ACellWithATabOrALineBreakRefusesTheTextSave) {
    for (const char* cell : {"1\t2", "3\r", "\n4"}) {
        clearGrid();
        fill({{"5", "0"}, {"6", "0"}, {"7", cell}});
        TempFolder::write(folder_ / "data.txt", "old");
        Module1::datasaved = false;
        alert_.asked.clear();
        Module1::saveTextFile(folder_ / "data.txt");
        EXPECT_EQ(alert_.asked, Strings{"Not saved. Row 3 holds a cell with a tab or a line break, "
                                        "which text cannot keep."});
        EXPECT_EQ(TempFolder::read(folder_ / "data.txt"), "old");
        EXPECT_FALSE(Module1::datasaved);
    }
}

TEST(DataFileTypes, TextIsChosenByItsExtension) {
    for (const char* name : {"a.asc", "a.ascii", "a.text", "a.txt", "A.TXT", "b.Txt"}) {
        EXPECT_TRUE(Module1::isTextDataFile(name)) << name;
    }
    for (const char* name : {"a.qtv", "a", "a.txt.qtv", "txt", "a.csv"}) {
        EXPECT_FALSE(Module1::isTextDataFile(name)) << name;
    }
}

} // namespace
