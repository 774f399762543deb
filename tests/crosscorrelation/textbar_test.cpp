#include "crosscorrelation/textbar.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

std::string blanks(std::size_t count) {
    return std::string(count, ' ');
}

TEST(TextBar, FillsOneCellPerWholeFourHundredthsOutwardsFromTheAxis) {
    struct Case {
        double r;
        std::string bar;
    };
    const Case cases[] = {
        {0.0, blanks(25) + "|" + blanks(25)},
        {-0.0, blanks(25) + "|" + blanks(25)},
        {1.0, blanks(25) + "|" + std::string(25, '.')},
        {-1.0, std::string(25, '.') + "|" + blanks(25)},
        {0.4, blanks(25) + "|" + std::string(10, '.') + blanks(15)},
        {-0.2, blanks(20) + std::string(5, '.') + "|" + blanks(25)},
        {0.999, blanks(25) + "|" + std::string(24, '.') + blanks(1)},
        {0.03, blanks(25) + "|" + blanks(25)},
        {-0.03, blanks(25) + "|" + blanks(25)},
        {1.2, blanks(25) + "|" + std::string(30, '.')},
        {std::numeric_limits<double>::quiet_NaN(), ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Module1::corrtograph(c.r), c.bar) << c.r;
        std::string marked = c.bar;
        for (char& cell : marked) {
            cell = cell == '.' ? 'O' : cell;
        }
        EXPECT_EQ(Module1::corrtograph2(c.r), marked) << c.r;
    }
}

} // namespace
