#include "framework/textdecoding.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string text;
};

void PrintTo(const DecodeCase& value, std::ostream* out) {
    *out << value.name;
}

class TextFileDecoding : public testing::TestWithParam<DecodeCase> {};

TEST_P(TextFileDecoding, ReadsAsUtf8) {
    EXPECT_EQ(framework::decodeTextFile(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextFileDecoding,
    testing::Values(DecodeCase{"plain", "5\t0\n6\t1\n", "5\t0\n6\t1\n"},
                    DecodeCase{"utf8_kept", "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80",
                               "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
                    DecodeCase{"byte_order_mark_skipped",
                               "\xEF\xBB\xBF"
                               "1\t0",
                               "1\t0"},
                    DecodeCase{"latin1_byte", "Caf\xE9", "Caf\xC3\xA9"},
                    DecodeCase{"cut_off_sequence", "1\xE2\x82", "1\xC3\xA2\xC2\x82"},
                    DecodeCase{"overlong_form", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
                    DecodeCase{"surrogate", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},
                    DecodeCase{"empty", "", ""}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(TextDecoding, AByteOrderMarkInsideACellIsKept) {
    EXPECT_EQ(framework::decodeUtf8OrLatin1("\xEF\xBB\xBF"
                                            "1"),
              "\xEF\xBB\xBF"
              "1");
}

} // namespace
