#include "correlation/resampledspearman.h"

#include <algorithm>
#include <bit>

namespace correlation {

ResampledSpearman::ResampledSpearman(std::span<const double> x, std::span<const double> yRanks,
                                     double yTieSum)
    : classes_(x.first(std::min(x.size(), yRanks.size()))),
      countBits_(static_cast<int>(std::bit_width(std::min(x.size(), yRanks.size())))),
      drawn_(std::min(x.size(), yRanks.size())), tallyOfPair_(drawn_.size()),
      tally_(static_cast<std::size_t>(classes_.classes())), twiceRank_(tally_.size()),
      yTieSum_(yTieSum) {
    for (std::size_t i = 0; i < drawn_.size(); ++i) {
        const auto twiceYRank = static_cast<std::int64_t>(2.0 * yRanks[i]);
        tallyOfPair_[i] = (twiceYRank << countBits_) + 1;
        fourYRankSquares_ += twiceYRank * twiceYRank;
    }
}

double ResampledSpearman::settle() {
    const std::int64_t countMask = (std::int64_t{1} << countBits_) - 1;
    std::int64_t position = 1;
    std::int64_t tieSum = 0;
    std::int64_t fourXRankSquares = 0;
    std::int64_t fourCrossProducts = 0;
    // A class not drawn has a size of 0 and adds nothing, so it needs no test of its own.
    for (std::size_t c = 0; c < tally_.size(); ++c) {
        const std::int64_t size = tally_[c] & countMask;
        const std::int64_t twiceYRankSum = tally_[c] >> countBits_;
        tally_[c] = 0;
        const std::int64_t twiceRank = analysis::twiceRankOfGroup(position, size);
        twiceRank_[c] = twiceRank;
        position += size;
        tieSum += size * size * size - size;
        fourXRankSquares += size * twiceRank * twiceRank;
        fourCrossProducts += twiceRank * twiceYRankSum;
    }
    lastTieSum_ = static_cast<double>(tieSum);
    const std::int64_t fourSquaredDifferences =
        (fourXRankSquares - 2 * fourCrossProducts) + fourYRankSquares_;
    return analysis::rhoFromSquaredDifferences(
        drawn_.size(), static_cast<double>(fourSquaredDifferences) / 4.0, lastTieSum_, yTieSum_);
}

std::optional<double> ResampledSpearman::lastResample(std::span<const double> x,
                                                      std::span<double> values,
                                                      std::span<double> ranks) const {
    if (!resampled_) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < drawn_.size(); ++i) {
        values[i] = x[static_cast<std::size_t>(drawn_[i])];
        ranks[i] =
            static_cast<double>(twiceRank_[static_cast<std::size_t>(classes_.classOf(drawn_[i]))]) /
            2.0;
    }
    return lastTieSum_;
}

} // namespace correlation
