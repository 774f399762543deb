#include "simulation/significancegrid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using simulation::SignificanceGrid;

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

TEST(SignificanceGrid, CountsEachStatisticAtEveryThresholdItReaches) {
    SignificanceGrid grid;
    for (const double r : {0.25, -0.731, 0.1049}) {
        grid.add(r);
    }
    for (std::int32_t j = 0; j <= 100; ++j) {
        const std::int32_t expected = j <= 10 ? 3 : j <= 25 ? 2 : j <= 73 ? 1 : 0;
        EXPECT_EQ(grid.atLeast(j), expected) << j;
    }
    EXPECT_EQ(grid.numbers(), 3);
}

TEST(SignificanceGrid, ZeroOneAndValuesThatAreNotFiniteNumbers) {
    SignificanceGrid grid;
    grid.add(0.0);
    grid.add(-1.0);
    grid.add(1.0000000000000002);
    grid.add(notANumber);
    grid.add(std::numeric_limits<double>::infinity());
    EXPECT_EQ(grid.numbers(), 3);
    EXPECT_EQ(grid.atLeast(0), 3);
    EXPECT_EQ(grid.atLeast(1), 2);
    EXPECT_EQ(grid.atLeast(100), 2);
}

// The buckets must agree with the 101 comparisons |r| >= j/100 for every value next to a
// threshold, where the product with 100 rounds the wrong way (0.29 * 100 < 29).
TEST(SignificanceGrid, EqualsTheComparisonsWithEveryThresholdToTheLastBit) {
    for (std::int32_t k = 0; k <= 100; ++k) {
        const double threshold = static_cast<double>(k) / 100.0;
        for (const double r : {threshold, std::nextafter(threshold, 0.0),
                               std::nextafter(threshold, 2.0), -threshold}) {
            SignificanceGrid grid;
            grid.add(r);
            for (std::int32_t j = 0; j <= 100; ++j) {
                const std::int32_t expected =
                    std::fabs(r) >= static_cast<double>(j) / 100.0 ? 1 : 0;
                ASSERT_EQ(grid.atLeast(j), expected) << "r = " << r << ", j = " << j;
            }
        }
    }
}

TEST(SignificanceLookup, ReadsTheCountAtTheMagnitudeRoundedToTwoDecimals) {
    SignificanceGrid grid;
    for (const double r : {0.1, 0.2, 0.35, 0.4, 0.9}) {
        grid.add(r);
    }
    struct Case {
        double observed;
        const char* p;
    };
    for (const Case& c : {Case{0.35, ".6000"}, Case{-0.35, ".6000"}, Case{0.346, ".6000"},
                          Case{0.004, "1.0000"}, Case{0.95, "0.0001"}, Case{-1.0, "0.0001"},
                          Case{1.2, "undefined"}, Case{notANumber, "undefined"},
                          Case{std::numeric_limits<double>::infinity(), "undefined"}}) {
        EXPECT_EQ(simulation::pText(grid, c.observed), c.p) << c.observed;
    }
    EXPECT_EQ(simulation::tableRow(grid, 35, "|R|="), "|R|=0.35  p = 0.600");
    EXPECT_EQ(simulation::tableRow(grid, 95, "|RHO|="), "|RHO|=0.95  p = 0.000");
}

TEST(SignificanceLookup, SharesOfTheSimulationsThatGaveANumber) {
    SignificanceGrid grid;
    EXPECT_EQ(simulation::pText(grid, 0.5), "undefined");
    EXPECT_EQ(simulation::tableRow(grid, 0, "|R|="), "|R|=0.00  p = undefined");
    grid.add(notANumber);
    grid.add(0.6);
    grid.add(0.2);
    EXPECT_EQ(simulation::pText(grid, 0.5), ".5000");
    EXPECT_EQ(simulation::tableRow(grid, 0, "|R|="), "|R|=0.00  p = 1.000");
}

} // namespace
