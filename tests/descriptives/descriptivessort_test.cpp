#include "descriptives/replicatesort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>
#include <random>
#include <vector>

namespace {

const auto goOn = [] { return true; };

bool sameBits(const std::vector<double>& x, const std::vector<double>& y) {
    return x.size() == y.size() && std::memcmp(x.data(), y.data(), x.size() * sizeof(double)) == 0;
}

TEST(DescriptivesSortTest, SortsAscendingInPlace) {
    struct Case {
        std::vector<double> input;
        std::vector<double> sorted;
    };
    const std::vector<Case> cases{
        {{}, {}},
        {{4}, {4}},
        {{2, 1}, {1, 2}},
        {{1, 2}, {1, 2}},
        {{3, 2, 1}, {1, 2, 3}},
        {{3, 1, 4, 1, 5, 9, 2, 6}, {1, 1, 2, 3, 4, 5, 6, 9}},
        {{-1.5, 7, -1.5, 0, 7, 2.25}, {-1.5, -1.5, 0, 2.25, 7, 7}},
    };
    for (const Case& c : cases) {
        std::vector<double> values = c.input;
        EXPECT_TRUE(descriptives::shellSort(std::span(values), goOn));
        EXPECT_EQ(values, c.sorted);
        values = c.input;
        std::vector<std::size_t> everyPosition(values.size());
        std::iota(everyPosition.begin(), everyPosition.end(), std::size_t{0});
        EXPECT_TRUE(descriptives::orderAtPositions(std::span(values), everyPosition, goOn));
        EXPECT_EQ(values, c.sorted);
    }
}

TEST(DescriptivesSortTest, AStopLeavesAPermutationAndSaysSo) {
    // Stopped at the first step: 5, 4, 3, 2, 1 has exchanged its first pair only.
    std::vector<double> values{5, 4, 3, 2, 1};
    int steps = 0;
    EXPECT_FALSE(descriptives::shellSort(std::span(values), [&] { return ++steps < 1; }));
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(values, (std::vector<double>{3, 4, 5, 2, 1}));

    std::vector<double> many(1000);
    std::iota(many.begin(), many.end(), 0.0);
    std::shuffle(many.begin(), many.end(), std::mt19937(3));
    steps = 0;
    const std::vector<std::size_t> limits{4, 994};
    EXPECT_FALSE(
        descriptives::orderAtPositions(std::span(many), limits, [&] { return ++steps > 1; }));
    std::vector<double> all = many;
    std::sort(all.begin(), all.end());
    for (std::size_t i = 0; i < all.size(); ++i) {
        ASSERT_EQ(all[i], static_cast<double>(i));
    }
}

// The selection must leave at every position asked for, bit for bit, what the shell sort leaves
// there, signed zeros and values that are not a number included.
TEST(DescriptivesSortTest, SelectionLeavesTheShellSortsValuesAtItsPositions) {
    std::mt19937_64 engine(11);
    std::uniform_real_distribution<double> uniform(-3.0, 3.0);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<std::vector<double>> buffers;
    for (int size : {2, 17, 100, 5000, 40000}) {
        std::vector<double> values(static_cast<std::size_t>(size));
        for (double& value : values) {
            value = std::floor(uniform(engine) * 4.0) / 4.0; // many ties, and no -0
        }
        buffers.push_back(values);
        values[values.size() / 2] = inf;
        buffers.push_back(values);
        values[0] = -0.0;
        values[values.size() - 1] = 0.0;
        buffers.push_back(values);
        values[1] = nan;
        buffers.push_back(values);
    }
    // A long buffer whose sampled values spread evenly over [-3, 3] while the rest lie in [1, 3]:
    // its cuts leave the lower tail too short, and the selection must look at the whole buffer.
    std::vector<double> misleading(40000);
    const std::size_t stride = misleading.size() / descriptives::tailSampleSize;
    for (std::size_t i = 0; i < misleading.size(); ++i) {
        misleading[i] = i % stride == 0 ? -3.0 + 6.0 * static_cast<double>(i) / 40000.0
                                        : 2.0 + uniform(engine) / 3.0;
    }
    buffers.push_back(misleading);
    for (const std::vector<double>& buffer : buffers) {
        const std::size_t last = buffer.size() - 1;
        // The limits of every interval row, a repeat, and both ends.
        std::vector<std::size_t> positions{
            0,         last / 200,       last / 80,        last / 40,        last / 20,
            last / 20, last - last / 20, last - last / 40, last - last / 80, last - last / 200,
            last};
        std::sort(positions.begin(), positions.end());
        std::vector<double> shell = buffer;
        std::vector<double> selected = buffer;
        descriptives::shellSort(std::span(shell), goOn);
        EXPECT_TRUE(descriptives::orderAtPositions(std::span(selected), positions, goOn));
        for (const std::size_t at : positions) {
            EXPECT_TRUE(sameBits({shell[at]}, {selected[at]})) << buffer.size() << " at " << at;
        }
    }
}

TEST(DescriptivesSortTest, ModuleSortOrdersOnlyItsPartOfTheBuffer) {
    Module1::a[0] = 0.0;
    for (int i = 1; i <= 6; ++i) {
        Module1::a[static_cast<std::size_t>(i)] = 7.0 - i;
    }
    EXPECT_TRUE(Module1::sort(0, goOn));
    EXPECT_TRUE(Module1::sort(-3, goOn));
    EXPECT_EQ(Module1::a[1], 6.0);
    EXPECT_TRUE(Module1::sort(4, goOn));
    EXPECT_EQ((std::vector<double>(Module1::a.begin(), Module1::a.begin() + 7)),
              (std::vector<double>{0, 3, 4, 5, 6, 2, 1}));
}

} // namespace
