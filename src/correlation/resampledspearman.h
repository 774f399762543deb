#pragma once

#include "analysis/correlationbasics.h"
#include "analysis/draws.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace correlation {

// Spearman rho of the x values resampled with replacement against the fixed ranks of y. A
// resample's x ranks follow from how often each distinct x value was drawn, and so does the sum
// of squared rank differences: sum rx^2 - 2 sum rx ry + sum ry^2, where sum rx^2 and sum rx ry
// collect per distinct value. Ranks are multiples of 1/2, so each sum is exact and rho has the
// bits that ranking the resample and pairing it afresh would give.
class ResampledSpearman {
  public:
    ResampledSpearman(std::span<const double> x, std::span<const double> yRanks, double yTieSum);

    template <typename Stream> double resample(Stream& stream) {
        const auto count = static_cast<std::int32_t>(drawn_.size());
        resampled_ = true;
        ranks_.clear();
        std::fill(twiceYRankSum_.begin(), twiceYRankSum_.end(), 0);
        for (std::int32_t i = 0; i < count; ++i) {
            const std::int32_t index = analysis::drawPosition(stream, count) - 1;
            drawn_[static_cast<std::size_t>(i)] = index;
            twiceYRankSum_[static_cast<std::size_t>(ranks_.draw(index))] +=
                twiceYRank_[static_cast<std::size_t>(i)];
        }
        lastTieSum_ = ranks_.settle();
        return rho(lastTieSum_);
    }

    // The last resample: its x values (drawn from x) and their average ranks, one per pair, and
    // its tie sum returned; nothing when there was none.
    std::optional<double> lastResample(std::span<const double> x, std::span<double> values,
                                       std::span<double> ranks) const;

  private:
    double rho(double xTieSum) const;

    analysis::DrawnRanks ranks_;
    std::vector<std::int32_t> drawn_;         // the observed index of each draw
    std::vector<std::int64_t> twiceYRank_;    // 2 ry of each pair: a whole number
    std::vector<std::int64_t> twiceYRankSum_; // per distinct x value drawn
    double yRankSquares_ = 0.0;
    double yTieSum_;
    double lastTieSum_ = 0.0;
    bool resampled_ = false;
};

} // namespace correlation
