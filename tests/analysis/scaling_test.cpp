#include "analysis/basics.h"
#include "analysis/correlationbasics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

// Every basic of data scaled by a power of ten agrees with the same basic of the unscaled data
// (scaled back) far beyond the seven digits a report prints, from 1e-300 to 1e300: nothing
// overflows or underflows on the way.
TEST(Scaling, BasicsOfScaledDataAgreeWithTheUnscaledOnes) {
    std::mt19937_64 engine(20261210);
    std::normal_distribution<double> normal(0.0, 1.0);
    const auto near = [](double scaled, double expected) {
        return std::fabs(scaled - expected) <= 1e-12 * std::fabs(expected);
    };
    for (int trial = 0; trial < 20; ++trial) {
        const std::size_t count = 5 + static_cast<std::size_t>(trial) * 9;
        std::vector<double> x(count);
        std::vector<double> y(count);
        for (std::size_t i = 0; i < count; ++i) {
            x[i] = normal(engine) + 0.3 * static_cast<double>(i);
            y[i] = normal(engine) + 0.5 * x[i];
        }
        const double mean = analysis::mean(x);
        const double sd = analysis::standardDeviation(x, mean, static_cast<double>(count));
        const analysis::Line line = analysis::trendLine(x);
        const double r = analysis::pearsonR(x, y);
        const double lag1 = analysis::lagAutocorrelation(x, 1);
        const double z = analysis::standardScore(x.back(), mean, sd);
        for (int power = -300; power <= 300; power += 25) {
            const double scale = std::pow(10.0, power);
            std::vector<double> xs(count);
            std::vector<double> ys(count);
            for (std::size_t i = 0; i < count; ++i) {
                xs[i] = x[i] * scale;
                ys[i] = y[i] / scale;
            }
            SCOPED_TRACE(testing::Message() << "trial " << trial << ", scale 1e" << power);
            const double scaledMean = analysis::mean(xs);
            const double scaledSd =
                analysis::standardDeviation(xs, scaledMean, static_cast<double>(count));
            const analysis::Line scaledLine = analysis::trendLine(xs);
            EXPECT_TRUE(near(scaledMean, mean * scale));
            EXPECT_TRUE(near(scaledSd, sd * scale));
            EXPECT_TRUE(near(scaledLine.slope, line.slope * scale));
            EXPECT_TRUE(near(scaledLine.intercept, line.intercept * scale));
            EXPECT_TRUE(near(analysis::standardScore(xs.back(), scaledMean, scaledSd), z));
            EXPECT_TRUE(near(analysis::midpoint(xs[0], xs[1]), (x[0] + x[1]) / 2.0 * scale));
            EXPECT_TRUE(near(analysis::pearsonR(xs, ys), r));
            EXPECT_TRUE(near(analysis::lagAutocorrelation(xs, 1), lag1));
        }
    }
}

// Ordinary data keep every bit: the scaled arithmetic is taken only far from 1, and there it
// is exact, so data scaled by a power of two give the same r.
TEST(Scaling, PowersOfTwoChangeNoBit) {
    const std::vector<double> x{3, 4, 0, 5, 2, 3, 5, 1, 4, 7};
    const std::vector<double> y{4, 3, 1, 0, 0, 2, 2, 4, 1, 3};
    const double r = analysis::pearsonR(x, y);
    const double lag = analysis::lagAutocorrelation(x, 2);
    for (const int exponent : {-1070, -1000, -600, -200, 200, 600, 1015}) {
        std::vector<double> xs(x.size());
        for (std::size_t i = 0; i < x.size(); ++i) {
            xs[i] = std::ldexp(x[i], exponent);
        }
        SCOPED_TRACE(exponent);
        EXPECT_EQ(analysis::pearsonR(xs, y), r);
        EXPECT_EQ(analysis::lagAutocorrelation(xs, 2), lag);
    }
}

// y = a x + b rounded: the two-pass sums give |r| an ulp above 1 unless it is kept inside.
TEST(Scaling, NoCorrelationLeavesItsRange) {
    const auto line = [](const std::vector<double>& x, double a, double b) {
        std::vector<double> y(x.size());
        for (std::size_t i = 0; i < x.size(); ++i) {
            y[i] = a * x[i] + b;
        }
        return y;
    };
    const std::vector<double> rising{0.7, 3.0, -4.4, -3.8};
    const std::vector<double> falling{-4.7, -2.8, -0.6, -0.0, -2.7, -2.7, -2.8, -0.4};
    EXPECT_EQ(analysis::pearsonR(rising, line(rising, 2.6, -0.2)), 1.0);
    EXPECT_EQ(analysis::pearsonR(falling, line(falling, -2.1, -2.9)), -1.0);
}

} // namespace
