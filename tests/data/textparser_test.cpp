#include "data/textparser.h"

#include <gtest/gtest.h>

#include <ostream>

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
    EXPECT_EQ(parseTabDelimitedText(GetParam().text), GetParam().lines);
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

TEST(TabDelimitedText, AnyNumberOfLinesAndFields) {
    std::string text;
    for (int line = 0; line < 1000; ++line) {
        text += std::to_string(line);
        text += std::string(300, '\t');
        text += "x\r\n";
    }
    const TextLines lines = parseTabDelimitedText(text);
    ASSERT_EQ(lines.size(), 1000U);
    EXPECT_EQ(lines[999].size(), 301U);
    EXPECT_EQ(lines[999].front(), "999");
    EXPECT_EQ(lines[999].back(), "x");
}

} // namespace
