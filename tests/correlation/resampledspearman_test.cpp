#include "correlation/resampledspearman.h"

#include "analysis/correlationbasics.h"
#include "analysis/draws.h"
#include "framework/random.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

struct PairsCase {
    std::vector<double> x;
    std::vector<double> y;
};

// 199 pairs whose values repeat in both columns, as rating scales and counts do.
PairsCase repeatingPairs() {
    PairsCase pairs;
    for (int row = 1; row <= 199; ++row) {
        pairs.x.push_back((row * 37) % 41 % 9);
        pairs.y.push_back((row * row * 13 + 7) % 29 % 7 + row % 3);
    }
    return pairs;
}

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

TEST(ResampledSpearman, EveryResampleHasTheBitsOfRankingItAfresh) {
    const std::vector<PairsCase> cases{
        {{3, 1, 3, 2}, {1, 2, 3, 4}},
        {{5, 5, 5, 5}, {4, 3, 2, 1}},
        {{0.25, -1, 4, 4, 0.25, 7, -1, 4, 2.5}, {2, 2, 1, 8, 3, 3, 5, 0.5, 9}},
        {{0.5, -2}, {1, 2}},
        repeatingPairs(),
    };
    for (const PairsCase& c : cases) {
        const auto pairs = static_cast<std::int32_t>(c.x.size());
        std::vector<double> yRanks(c.y.size());
        const double yTieSum = analysis::averageRanks(c.y, yRanks);
        correlation::ResampledSpearman spearman(c.x, yRanks, yTieSum);
        std::vector<double> values(c.x.size());
        std::vector<double> ranks(c.x.size());
        EXPECT_FALSE(spearman.lastResample(c.x, values, ranks));
        framework::Xoshiro256StarStar stream(99);
        for (int resample = 0; resample < 300; ++resample) {
            framework::Xoshiro256StarStar replay = stream;
            const double rho = spearman.resample(stream);
            std::vector<double> drawn;
            for (std::int32_t i = 0; i < pairs; ++i) {
                drawn.push_back(
                    c.x[static_cast<std::size_t>(analysis::drawPosition(replay, pairs) - 1)]);
            }
            std::vector<double> freshRanks(drawn.size());
            const double freshTieSum = analysis::averageRanks(drawn, freshRanks);
            const double freshRho =
                analysis::tieCorrectedRho(freshRanks, yRanks, freshTieSum, yTieSum);
            ASSERT_TRUE(sameBits(rho, freshRho)) << rho << " against " << freshRho;
            ASSERT_EQ(spearman.lastResample(c.x, values, ranks), freshTieSum);
            ASSERT_EQ(values, drawn);
            ASSERT_EQ(ranks, freshRanks);
        }
    }
}

} // namespace
