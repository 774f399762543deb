#include "analysis/basics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

TEST(Basics, ConstantIsJudgedByEqualityNotByTheRoundedMean) {
    EXPECT_TRUE(analysis::isConstant(std::vector<double>(10, 0.1)));
    EXPECT_NE(analysis::mean(std::vector<double>(10, 0.1)), 0.1);
    EXPECT_TRUE(analysis::isConstant(std::vector<double>{7}));
    EXPECT_TRUE(analysis::isConstant(std::vector<double>{}));
    EXPECT_FALSE(analysis::isConstant(std::vector<double>{7, 7, 7.000000000000001}));
}

TEST(Basics, MeanAndStandardDeviation) {
    const std::vector<double> values{2, 4, 6, 8};
    EXPECT_EQ(analysis::mean(values), 5.0);
    EXPECT_EQ(analysis::standardDeviation(values, 5.0, 4.0), std::sqrt(5.0));
    EXPECT_TRUE(std::isnan(analysis::mean(std::vector<double>{})));
}

TEST(Basics, TrendLineOnThePositionsKeepsItsDigitsUnderAnOffset) {
    struct Case {
        std::vector<double> values;
        double slope;
        double intercept;
    };
    const Case cases[] = {
        {{2, 4, 6, 8}, 2.0, 0.0},
        {{1, 3, 2}, 0.5, 1.0},
        {{1000000001, 1000000003, 1000000002}, 0.5, 1000000001.0},
        {{5, 5, 5}, 0.0, 5.0},
    };
    for (const Case& c : cases) {
        const analysis::Line line = analysis::trendLine(c.values);
        EXPECT_EQ(line.slope, c.slope);
        EXPECT_EQ(line.intercept, c.intercept);
    }
    const analysis::Line single = analysis::trendLine(std::vector<double>{4});
    EXPECT_TRUE(std::isnan(single.slope));
    EXPECT_TRUE(std::isnan(single.intercept));
}

} // namespace
