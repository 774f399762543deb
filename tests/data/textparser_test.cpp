#include "data/textparser.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct ParseCase {
    const char* name;
    std::string text;
    TextLines lines;
};

void PrintTo(const ParseCase& value, std::ostream* out) {
    *out << value.name;
}

class TabDelimitedText : public testing::TestWithParam<ParseCase> {};

TEST_P(TabDelimitedText, SplitsIntoLinesAndFields) {
    const TextTable table = parseTabDelimitedText(GetParam().text, 10, 10);
    EXPECT_EQ(table.lines, GetParam().lines);
    EXPECT_FALSE(table.moreData);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TabDelimitedText,
    testing::Values(
        ParseCase{"carriage_returns", "5\t0\r6\t1", {{"5", "0"}, {"6", "1"}}},
        ParseCase{"line_feeds", "5\t0\n6\t1", {{"5", "0"}, {"6", "1"}}},
        ParseCase{"carriage_return_line_feed", "5\t0\r\n6\t1", {{"5", "0"}, {"6", "1"}}},
        ParseCase{
            "mixed", "1\t0\r2\t0\n3\t1\r\n4\t1", {{"1", "0"}, {"2", "0"}, {"3", "1"}, {"4", "1"}}},
        ParseCase{"trailing_line_break", "5\t0\r\n6\t1\r\n", {{"5", "0"}, {"6", "1"}}},
        ParseCase{"line_feed_then_carriage_return_is_two_breaks", "5\n\r6", {{"5"}, {""}, {"6"}}},
        ParseCase{"empty_lines_inside", "5\n\n7\n", {{"5"}, {""}, {"7"}}},
        ParseCase{"empty_fields", "\t1\n2\t\n\t", {{"", "1"}, {"2", ""}, {"", ""}}},
        ParseCase{"more_than_two_fields", "1\t2\t3\t4", {{"1", "2", "3", "4"}}},
        ParseCase{"blanks_and_commas_stay", " 1,5 \tA b", {{" 1,5 ", "A b"}}},
        ParseCase{"single_line_break", "\n", {{""}}}, ParseCase{"empty", "", {}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(TabDelimitedText, KeepsOnlyTheLinesAndFieldsAskedFor) {
    std::string text;
    for (int line = 0; line < 1000; ++line) {
        text += std::to_string(line);
        text += std::string(300, '\t');
        text += "x\r\n";
    }
    const TextTable table = parseTabDelimitedText(text, 199, 2);
    ASSERT_EQ(table.lines.size(), 199U);
    EXPECT_EQ(table.lines[198], (std::vector<std::string>{"198", ""}));
    EXPECT_TRUE(table.moreData);
}

struct LaterLinesCase {
    const char* name;
    std::string text;
    bool moreData;
};

void PrintTo(const LaterLinesCase& value, std::ostream* out) {
    *out << value.name;
}

class LaterLines : public testing::TestWithParam<LaterLinesCase> {};

// One line and two fields kept: only what follows the first line decides.
TEST_P(LaterLines, AreNotedWhenAKeptFieldHoldsData) {
    const TextTable table = parseTabDelimitedText(GetParam().text, 1, 2);
    EXPECT_EQ(table.lines.size(), 1U);
    EXPECT_EQ(table.moreData, GetParam().moreData);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LaterLines,
    testing::Values(LaterLinesCase{"none", "1\t0\n", false},
                    LaterLinesCase{"first_field", "1\t0\n2", true},
                    LaterLinesCase{"second_field", "1\t0\r\n\t1", true},
                    LaterLinesCase{"blanks_only", "1\t0\n \t \n\n\r\n\t", false},
                    LaterLinesCase{"third_field_only", "1\t0\n\t\t7", false},
                    LaterLinesCase{"after_many_empty_lines", "1\n" + std::string(5000, '\n') + "x",
                                   true}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
