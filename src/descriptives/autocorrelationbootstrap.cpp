#include "descriptives/autocorrelationbootstrap.h"

#include "analysis/basics.h"
#include "analysis/scaling.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace autocorrelation {

namespace {

// The series scaled near 1 by a power of two when that keeps every value's bits: the
// coefficients do not see the scale and keep theirs, and the resamples' sums then stay in range.
// A series that would lose bits (values far below its largest, which scaling down would
// push under the normal range) is kept as it is; the estimator scales each resample that needs
// it.
std::vector<double> nearOne(std::span<const double> series) {
    const int exponent = analysis::largestExponent(series);
    const bool exact = std::all_of(series.begin(), series.end(), [exponent](double value) {
        return std::ldexp(std::ldexp(value, -exponent), exponent) == value;
    });
    return exact ? analysis::scaledDown(series, exponent)
                 : std::vector<double>(series.begin(), series.end());
}

} // namespace

LagBootstrap::LagBootstrap(std::span<const double> series, std::int32_t lags)
    : series_(nearOne(series)), observed_(static_cast<std::size_t>(std::max(0, lags))),
      drawn_{{series.size(), observed_.size()}, {series.size(), observed_.size()}},
      numbered_(observed_.size()), counted_(observed_.size()) {
    std::vector<double> deviations(series_.size());
    lagCoefficients({series_, analysis::mean(series_), observed_, deviations});
    for (const double coefficient : observed_) {
        extreme_.emplace_back(coefficient);
    }
}

void LagBootstrap::countLeftOver() {
    if (!waiting_) {
        return;
    }
    waiting_ = false;
    lagCoefficients(drawn_[0].lagSeries());
    tally(drawn_[0]);
}

double LagBootstrap::p(std::int32_t k) const {
    const auto lag = static_cast<std::size_t>(k - 1);
    if (std::isnan(observed_[lag])) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return analysis::bootstrapP(counted_[lag], numbered_[lag]);
}

} // namespace autocorrelation
