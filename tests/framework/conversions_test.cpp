#include "framework/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <utility>

using framework::CDbl;
using framework::CStr;
using framework::Format;
using framework::toInt32;

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

TEST(CStr, IntegerIsPlainDecimal) {
    EXPECT_EQ(CStr(0), "0");
    EXPECT_EQ(CStr(199), "199");
    EXPECT_EQ(CStr(-3), "-3");
    EXPECT_EQ(CStr(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

struct DoubleText {
    double value;
    const char* text;
};

void PrintTo(const DoubleText& c, std::ostream* os) {
    *os << c.text;
}

class CStrDouble : public testing::TestWithParam<DoubleText> {};

TEST_P(CStrDouble, SevenSignificantDigits) {
    EXPECT_EQ(CStr(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, CStrDouble,
                         testing::Values(DoubleText{0.8, "0.8"}, DoubleText{5.0, "5"},
                                         DoubleText{0.894427190999916, "0.8944272"},
                                         DoubleText{1.5e-6, "1.5e-06"}, DoubleText{-0.25, "-0.25"},
                                         DoubleText{1234567.8, "1234568"},
                                         DoubleText{12345678.0, "1.234568e+07"},
                                         DoubleText{0.0, "0"}, DoubleText{nan, "NaN"},
                                         DoubleText{inf, "Inf"}, DoubleText{-inf, "-Inf"}));

struct TextDouble {
    const char* text;
    double value;
};

void PrintTo(const TextDouble& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class CDblCases : public testing::TestWithParam<TextDouble> {};

TEST_P(CDblCases, LongestNumericPrefix) {
    EXPECT_EQ(CDbl(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CDblCases,
    testing::Values(TextDouble{"", 0}, TextDouble{"12", 12}, TextDouble{"  12", 12},
                    TextDouble{"\t7", 7}, TextDouble{"1,5", 1}, TextDouble{".5", 0.5},
                    TextDouble{"5.", 5}, TextDouble{"-3", -3}, TextDouble{"+2", 2},
                    TextDouble{"-.5", -0.5}, TextDouble{"1e3", 1000}, TextDouble{"2.5E-1", 0.25},
                    TextDouble{"1e", 1}, TextDouble{"1e+", 1}, TextDouble{"12abc", 12},
                    TextDouble{"abc", 0}, TextDouble{".", 0}, TextDouble{"-", 0},
                    TextDouble{"nan", 0}, TextDouble{"inf", 0}, TextDouble{"0x10", 0},
                    TextDouble{"0.1", 0.1}, TextDouble{"A", 0}, TextDouble{"1e400", inf},
                    TextDouble{"-1e400", -inf}, TextDouble{"0.0001e313", inf},
                    TextDouble{"1e-400", 0}, TextDouble{"1000e-403", 0}));

TEST(WholeTextNumber, ReadsOnlyATextThatIsANumberThroughout) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {" 7 ", 7},           {"\t-2.5", -2.5},      {"1e3", 1000},           {"5.", 5},
        {".5", 0.5},          {"2E-1", 0.2},         {"1e400", inf},          {"", std::nullopt},
        {"  ", std::nullopt}, {"abc", std::nullopt}, {"1.2.3", std::nullopt}, {"5-3", std::nullopt},
        {"-", std::nullopt},  {".", std::nullopt},   {"--1", std::nullopt},   {"+2", std::nullopt},
        {"1e", std::nullopt}, {"1 2", std::nullopt}, {"12abc", std::nullopt}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(framework::wholeTextNumber(text), value) << '"' << text << '"';
    }
}

struct MaskCase {
    double value;
    const char* mask;
    const char* text;
};

void PrintTo(const MaskCase& c, std::ostream* os) {
    *os << c.mask << " " << c.text;
}

class FormatCases : public testing::TestWithParam<MaskCase> {};

TEST_P(FormatCases, FollowsMask) {
    EXPECT_EQ(Format(GetParam().value, GetParam().mask), GetParam().text)
        << GetParam().value << " with " << GetParam().mask;
}

INSTANTIATE_TEST_SUITE_P(
    EveryMask, FormatCases,
    testing::Values(
        MaskCase{0.05, ".00##", ".05"}, MaskCase{0.031, ".00##", ".031"},
        MaskCase{0.0001, ".00##", ".0001"}, MaskCase{0.5, ".00##", ".50"},
        MaskCase{1.5, ".00##", "1.50"}, MaskCase{-0.25, ".00##", "-.25"},
        MaskCase{0.12345, ".00##", ".1235"}, MaskCase{0.00004, ".00##", ".00"},
        MaskCase{0.5, "+#.000", "+.500"}, MaskCase{-1.25, "+#.000", "-1.250"},
        MaskCase{0.0, "+#.000", "+.000"}, MaskCase{-0.0001, "+#.000", "+.000"},
        MaskCase{0.12345, "+#.000", "+.123"}, MaskCase{0.5, "#.0000", ".5000"},
        MaskCase{12.3456789, "#.0000", "12.3457"}, MaskCase{-0.5, "#.0000", "-.5000"},
        MaskCase{0.5, "0.000", "0.500"}, MaskCase{3.0, "0.000", "3.000"},
        MaskCase{-0.0004, "0.000", "0.000"}, MaskCase{-2.5, "0.000", "-2.500"},
        MaskCase{0.256, "+0.00", "+0.26"}, MaskCase{-0.256, "+0.00", "-0.26"},
        MaskCase{0.0, "+0.00", "+0.00"}, MaskCase{3.0, "+00", "+03"}, MaskCase{-3.0, "+00", "-03"},
        MaskCase{12.0, "+00", "+12"}, MaskCase{0.0, "+00", "+00"}, MaskCase{123.0, "+00", "+123"},
        MaskCase{0.5, "#.00", ".50"}, MaskCase{1.234, "#.00", "1.23"}, MaskCase{0.0, "#.00", ".00"},
        MaskCase{0.005, "0.00", "0.01"}, MaskCase{1.0, "0.00", "1.00"},
        MaskCase{0.5, "0.0#####", "0.5"}, MaskCase{1.23456789, "0.0#####", "1.234568"},
        MaskCase{2.0, "0.0#####", "2.0"}, MaskCase{12345.678912345, "######0.0####", "12345.67891"},
        MaskCase{0.25, "######0.0####", "0.25"}, MaskCase{100.0, "######0.0####", "100.0"},
        MaskCase{1234567890.5, "#########0.0####", "1234567890.5"},
        MaskCase{-0.125, "#########0.0####", "-0.125"}, MaskCase{nan, ".00##", "NaN"},
        MaskCase{nan, "+00", "NaN"}, MaskCase{inf, ".00##", "Inf"}, MaskCase{-inf, ".00##", "-Inf"},
        MaskCase{inf, "+#.000", "Inf"}, MaskCase{-inf, "+00", "-Inf"},
        MaskCase{inf, "0.0#####", "Inf"}, MaskCase{-inf, "#########0.0####", "-Inf"}));

TEST(ToInt32, TruncatesTowardZeroAndSaturates) {
    EXPECT_EQ(toInt32(2.9), 2);
    EXPECT_EQ(toInt32(-2.9), -2);
    EXPECT_EQ(toInt32(0.999999), 0);
    EXPECT_EQ(toInt32(nan), 0);
    EXPECT_EQ(toInt32(1e10), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(toInt32(-1e10), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(toInt32(inf), std::numeric_limits<std::int32_t>::max());
}

TEST(TrimBlanks, RemovesSurroundingSpacesAndTabs) {
    EXPECT_EQ(framework::trimBlanks("  1 \t"), "1");
    EXPECT_EQ(framework::trimBlanks("A B"), "A B");
    EXPECT_EQ(framework::trimBlanks(" \t "), "");
}

} // namespace
