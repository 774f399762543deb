#include "correlation/resampledspearman.h"

#include <algorithm>

namespace correlation {

ResampledSpearman::ResampledSpearman(std::span<const double> x, std::span<const double> yRanks,
                                     double yTieSum)
    : ranks_(x.first(std::min(x.size(), yRanks.size()))), drawn_(std::min(x.size(), yRanks.size())),
      twiceYRank_(drawn_.size()), twiceYRankSum_(static_cast<std::size_t>(ranks_.classes())),
      yTieSum_(yTieSum) {
    for (std::size_t i = 0; i < drawn_.size(); ++i) {
        twiceYRank_[i] = static_cast<std::int64_t>(2.0 * yRanks[i]);
        yRankSquares_ += yRanks[i] * yRanks[i];
    }
}

double ResampledSpearman::rho(double xTieSum) const {
    double xRankSquares = 0.0;
    double crossProducts = 0.0;
    for (std::int32_t c = 0; c < ranks_.classes(); ++c) {
        const std::int64_t draws = ranks_.drawsOfClass(c);
        if (draws == 0) {
            continue;
        }
        const double rank = ranks_.rankOfClass(c);
        xRankSquares += static_cast<double>(draws) * rank * rank;
        crossProducts += rank * static_cast<double>(twiceYRankSum_[static_cast<std::size_t>(c)]);
    }
    // crossProducts holds 2 sum rx ry.
    const double squaredDifferences = (xRankSquares - crossProducts) + yRankSquares_;
    return analysis::rhoFromSquaredDifferences(drawn_.size(), squaredDifferences, xTieSum,
                                               yTieSum_);
}

std::optional<double> ResampledSpearman::lastResample(std::span<const double> x,
                                                      std::span<double> values,
                                                      std::span<double> ranks) const {
    if (!resampled_) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < drawn_.size(); ++i) {
        values[i] = x[static_cast<std::size_t>(drawn_[i])];
        ranks[i] = ranks_.rankOfClass(ranks_.classOf(drawn_[i]));
    }
    return lastTieSum_;
}

} // namespace correlation
