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
// one's side of zero, a tie included (analysis::ExtremeRule). Resamples are taken two at a time
// through the estimator, which keeps the processor busy while one's sums wait for their additions;
// a resample left over waits for countLeftOver().
class LagBootstrap {
  public:
    // Lags 1..lags of series; a count of lags below 1 leaves no lags.
    LagBootstrap(std::span<const double> series, std::int32_t lags);

    std::int32_t lags() const { return static_cast<std::int32_t>(observed_.size()); }

    // The observed coefficient of lag k, 1..lags().
    double observed(std::int32_t k) const { return observed_[k - 1]; }

    // One resample drawn from stream, N draws.
    template <typename Stream> void resample(Stream& stream) {
        const std::size_t slot = waiting_ ? 1 : 0;
        const std::span<double> drawn = drawn_[slot].values();
        const auto count = static_cast<std::int32_t>(series_.size());
        double sum = 0.0;
        for (std::int32_t i = 0; i < count; ++i) {
            const double value = series_[analysis::drawPosition(stream, count) - 1];
            drawn[i] = value;
            sum += value;
        }
        drawn_[slot].mean = sum / static_cast<double>(count);
        if (!waiting_) {
            waiting_ = true;
            return;
        }
        waiting_ = false;
        lagCoefficients(drawn_[0].lagSeries(), drawn_[1].lagSeries());
        tally(drawn_[0]);
        tally(drawn_[1]);
    }

    // Counts a resample still waiting for its partner. Call it once after the last resample and
    // before reading p; a resample drawn after it starts a new pair.
    void countLeftOver();

    // Of the resamples whose coefficient at lag k is a number, the share that counted, kept
    // inside [.0001, .9999]; not a number when the observed coefficient is not a number or no
    // resample gave a number at that lag.
    double p(std::int32_t k) const;

  private:
    // One resample with its own working room.
    struct Drawn {
        Drawn(std::size_t length, std::size_t lags) : room(2 * length), coefficients(lags) {}
        std::span<double> values() { return std::span(room).first(room.size() / 2); }
        LagSeries lagSeries() {
            return {values(), mean, coefficients, std::span(room).subspan(room.size() / 2)};
        }
        std::vector<double> room; // the values, then their deviations
        std::vector<double> coefficients;
        double mean = 0.0;
    };

    // Counts a resample's coefficients, lag by lag.
    void tally(const Drawn& resampled) {
        for (std::size_t k = 0; k < observed_.size(); ++k) {
            const double coefficient = resampled.coefficients[k];
            if (!std::isnan(coefficient)) {
                ++numbered_[k];
                if (extreme_[k].counts(coefficient)) {
                    ++counted_[k];
                }
            }
        }
    }

    std::vector<double> series_;
    std::vector<double> observed_;
    Drawn drawn_[2];
    bool waiting_ = false;
    std::vector<analysis::ExtremeRule> extreme_; // the count rule of each observed coefficient
    std::vector<std::int32_t> numbered_;
    std::vector<std::int32_t> counted_;
};

} // namespace autocorrelation
