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

TEST(Basics, AConstantSeriesHasNoSpread) {
    EXPECT_EQ(analysis::standardDeviation(std::vector<double>(10, 0.1), 0.1, 10.0), 0.0);
    EXPECT_EQ(analysis::standardDeviation(std::vector<double>(3, 1e-320), 1e-320, 2.0), 0.0);
    EXPECT_TRUE(std::isnan(analysis::standardDeviation(std::vector<double>{7}, 7.0, 0.0)));
}

// Finite data at the ends of the double range, whose true results are finite doubles.
TEST(Basics, ValuesFarFromOneKeepTheirResults) {
    const std::vector<double> nearTheTop{1e308, 1.5e308, 1.7e308, 1.6e308};
    const double mean = analysis::mean(nearTheTop);
    EXPECT_DOUBLE_EQ(mean, 1.45e308);
    EXPECT_DOUBLE_EQ(analysis::standardDeviation(nearTheTop, mean, 4.0), std::sqrt(0.0725) * 1e308);
    const analysis::Line line = analysis::trendLine(nearTheTop);
    EXPECT_DOUBLE_EQ(line.slope, 0.2e308);
    EXPECT_DOUBLE_EQ(line.intercept, 0.95e308);
    EXPECT_DOUBLE_EQ(analysis::midpoint(1.5e308, 1.6e308), 1.55e308);
    EXPECT_DOUBLE_EQ(analysis::midpoint(-1.7e308, 1.6e308), -0.05e308);

    const std::vector<double> plusMinus{1e200, -1e200};
    EXPECT_EQ(analysis::standardDeviation(plusMinus, 0.0, 2.0), 1e200);
    EXPECT_DOUBLE_EQ(analysis::standardScore(1e308, -1e308, 1e308), 2.0);
    EXPECT_DOUBLE_EQ(analysis::standardScore(3e-320, 1e-320, 1e-320), 2.0);

    const std::vector<double> subnormal{1e-320, 2e-320, 4e-320, 3e-320};
    const double tinyMean = analysis::mean(subnormal);
    EXPECT_NEAR(tinyMean / 2.5e-320, 1.0, 1e-3);
    EXPECT_NEAR(analysis::standardDeviation(subnormal, tinyMean, 4.0) / (std::sqrt(1.25) * 1e-320),
                1.0, 1e-3);
    EXPECT_NEAR(analysis::trendLine(subnormal).slope / 0.8e-320, 1.0, 1e-3);
}

} // namespace
