#pragma once

#include "analysis/correlationbasics.h"

#include <cstdint>
#include <span>
#include <vector>

// Cross-correlations of two series x and y of equal length n at the lags -k..+k, written in
// that order (lag L at index L + k). A positive lag pairs x at time t with y at time t + L,
// a negative one x at time t + |L| with y at time t; lag L has n - |L| pairs. When x or y is
// constant every correlation is not a number.
namespace crosscorrelation {

// The number of lags -k..+k.
inline std::size_t lagCount(std::int32_t k) {
    return k < 0 ? 0 : 2 * static_cast<std::size_t>(k) + 1;
}

// The Pearson cross-correlation with the means and standard deviations of all n points and
// the lag's cross products summed and divided by n at every lag.
void pearsonCrossCorrelations(std::span<const double> x, std::span<const double> y, std::int32_t k,
                              std::span<double> correlations);

// The tie-corrected Spearman rho of each lag's pairs, ranked among themselves.
void spearmanCrossCorrelations(std::span<const double> x, std::span<const double> y, std::int32_t k,
                               std::span<double> correlations);

// The same rhos for series met one after another: each series is sorted once and the ranks of
// a lag's pairs follow from it, to the same bits as ranking the pairs afresh.
class LaggedSpearman {
  public:
    void correlations(std::span<const double> x, std::span<const double> y, std::int32_t k,
                      std::span<double> correlations);

  private:
    analysis::RunRanks xRanks_;
    analysis::RunRanks yRanks_;
    std::vector<double> rankX_;
    std::vector<double> rankY_;
};

} // namespace crosscorrelation
