#pragma once

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

// The same rhos for series met one after another: each series is ranked once, and the ranks of
// a lag's pairs follow from those by taking out the values the lag drops, one at a time, with
// the same bits as ranking the pairs afresh. For series of up to 20,000 values.
class LaggedSpearman {
  public:
    void correlations(std::span<const double> x, std::span<const double> y, std::int32_t k,
                      std::span<double> correlations);

    // One series ranked: ranks are kept doubled, so that they and every step on them are whole
    // numbers.
    struct RankedSeries {
        std::vector<std::int32_t> group;     // where each value's group of equals starts, sorted
        std::vector<std::int32_t> fullRanks; // twice each value's rank in the whole series
        std::vector<std::int32_t> ranks;     // twice each value's rank in the current run
        std::int64_t fullTies = 0;
        std::int64_t ties = 0;
    };

  private:
    // A value of a series with its position.
    struct IndexedValue {
        double value;
        std::size_t index;
    };

    void rank(std::span<const double> values, RankedSeries& series);

    std::vector<IndexedValue> order_;
    RankedSeries x_;
    RankedSeries y_;
};

} // namespace crosscorrelation
