#pragma once

#include "analysis/correlationbasics.h"
#include "analysis/draws.h"
#include "descriptives/autocorrelationcoefficients.h"

#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

namespace autocorrelation {

// The lag coefficients of one series and their bootstrap p-values: each resample draws N values
// with replacement from the series, which keeps its values and destroys its order, and counts
// for a lag when its coefficient lies at least as far out as the observed one on the observed
// one's side of zero.
class LagBootstrap {
  public:
    // Lags 1..lags of series; a count of lags below 1 leaves no lags.
    LagBootstrap(std::span<const double> series, std::int32_t lags);

    std::int32_t lags() const { return static_cast<std::int32_t>(observed_.size()); }

    // The observed coefficient of lag k, 1..lags().
    double observed(std::int32_t k) const { return observed_[k - 1]; }

    // One resample drawn from stream, N draws, counted at every lag.
    template <typename Stream> void resample(Stream& stream) {
        const auto count = static_cast<std::int32_t>(series_.size());
        double sum = 0.0;
        for (std::int32_t i = 0; i < count; ++i) {
            const double value = series_[analysis::drawPosition(stream, count) - 1];
            drawn_[i] = value;
            sum += value;
        }
        lagCoefficients(drawn_, sum / static_cast<double>(count), resampled_, deviations_);
        for (std::size_t k = 0; k < resampled_.size(); ++k) {
            if (!std::isnan(resampled_[k])) {
                ++numbered_[k];
                if (analysis::countsAsExtreme(resampled_[k], observed_[k])) {
                    ++extreme_[k];
                }
            }
        }
    }

    // The share of the resamples with a coefficient that counted at lag k, kept inside
    // [.0001, .9999]; not a number when the observed coefficient is not a number or no resample
    // gave a number at that lag.
    double p(std::int32_t k) const;

  private:
    std::vector<double> series_;
    std::vector<double> observed_;
    std::vector<double> drawn_;
    std::vector<double> deviations_;
    std::vector<double> resampled_;
    std::vector<std::int32_t> numbered_;
    std::vector<std::int32_t> extreme_;
};

} // namespace autocorrelation
