#include "analysis/basics.h"
#include "figure/figurescale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using namespace figure;

TEST(FigureScale, StandardizesAgainstTheWholeSeries) {
    const std::vector<double> values{1, 2, 3};
    EXPECT_DOUBLE_EQ(analysis::mean(values), 2.0);
    EXPECT_DOUBLE_EQ(sampleSigma(values, 2.0), 1.0);
    const std::vector<double> z = zScores(values);
    ASSERT_EQ(z.size(), 3u);
    EXPECT_DOUBLE_EQ(z[0], -1.0);
    EXPECT_DOUBLE_EQ(z[1], 0.0);
    EXPECT_DOUBLE_EQ(z[2], 1.0);
    // 600 rows span 9 standard deviations: one deviation is 66.67 rows from the middle row.
    EXPECT_EQ(pixelRow(z[0]), 366);
    EXPECT_EQ(pixelRow(z[1]), 300);
    EXPECT_EQ(pixelRow(z[2]), 233);
    EXPECT_EQ(pixelRow(4.5), 0);
    EXPECT_EQ(pixelRow(-4.5), 600);
}

// The figure of data at either end of the double range is the figure of the same data near 1.
TEST(FigureScale, ScoresOfValuesFarFromOne) {
    for (const double scale : {1e306, 1e-306, 1e-321}) {
        const std::vector<double> values{-1 * scale, 0, 1 * scale};
        const std::vector<double> z = zScores(values);
        EXPECT_DOUBLE_EQ(z[0], -1.0) << scale;
        EXPECT_DOUBLE_EQ(z[2], 1.0) << scale;
    }
}

TEST(FigureScale, ASeriesWithoutSpreadSitsOnTheMean) {
    // 0.1 three times has a mean that rounding puts a hair away from 0.1.
    for (const std::vector<double>& values :
         {std::vector<double>{0.1, 0.1, 0.1}, std::vector<double>{7}}) {
        const std::vector<double> z = zScores(values);
        for (const double score : z) {
            EXPECT_EQ(score, 0.0);
        }
    }
    EXPECT_EQ(sampleSigma(std::vector<double>{0.1, 0.1, 0.1}, 0.1000000001), 0.0);
    EXPECT_TRUE(std::isnan(sampleSigma(std::vector<double>{7}, 7)));
    EXPECT_TRUE(std::isnan(analysis::mean(std::vector<double>{})));
    EXPECT_TRUE(zScores(std::vector<double>{}).empty());
}

TEST(FigureScale, PointsStandAtEqualStepsAcrossThePicture) {
    EXPECT_DOUBLE_EQ(xStep(3), 200.0);
    EXPECT_DOUBLE_EQ(xStep(4), 160.0);
    EXPECT_DOUBLE_EQ(xStep(199), 4.0);
    EXPECT_DOUBLE_EQ(xStep(0), 800.0);
}

TEST(FigureScale, UndefinedLevelsHaveNoRow) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(pixelRow(nan).has_value());
    EXPECT_FALSE(pixelRow(inf).has_value());
    EXPECT_FALSE(pixelRow(-inf).has_value());
    // A series without spread has no z units; an empty phase no mean; a one-point phase a mean
    // but no sigma.
    EXPECT_TRUE(std::isnan(phaseLevel(5, 1, 0, 5, 0)));
    EXPECT_TRUE(std::isnan(phaseLevel(nan, nan, 0, 5, 1)));
    EXPECT_DOUBLE_EQ(phaseLevel(6, nan, 0, 5, 2), 0.5);
    EXPECT_TRUE(std::isnan(phaseLevel(6, nan, 1, 5, 2)));
    EXPECT_DOUBLE_EQ(phaseLevel(6, 1, -3, 5, 2), -1.0);
}

} // namespace
