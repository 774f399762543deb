#include "descriptives/autocorrelationbootstrap.h"

#include "analysis/basics.h"

#include <algorithm>
#include <limits>

namespace autocorrelation {

LagBootstrap::LagBootstrap(std::span<const double> series, std::int32_t lags)
    : series_(series.begin(), series.end()), observed_(static_cast<std::size_t>(std::max(0, lags))),
      drawn_{{series.size(), observed_.size()}, {series.size(), observed_.size()}},
      numbered_(observed_.size()), extreme_(observed_.size()) {
    std::vector<double> deviations(series_.size());
    lagCoefficients({series_, analysis::mean(series_), observed_, deviations});
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
    return analysis::bootstrapP(extreme_[lag], numbered_[lag]);
}

} // namespace autocorrelation
