#include "correlation/resampledpearson.h"

#include "analysis/basics.h"

#include <algorithm>

namespace correlation {

ResampledPearson::ResampledPearson(std::span<const double> x, std::span<const double> y)
    : xDeviationAt_(std::min(x.size(), y.size()) + 1), yDeviation_(xDeviationAt_.size() - 1),
      drawn_(yDeviation_.size()) {
    const std::size_t pairs = drawn_.size();
    x = x.first(pairs);
    y = y.first(pairs);
    const double meanX = analysis::mean(x);
    const double meanY = analysis::mean(y);
    for (std::size_t i = 0; i < pairs; ++i) {
        xDeviationAt_[i + 1] = x[i] - meanX;
        yDeviation_[i] = y[i] - meanY;
        yDeviationSum_ += yDeviation_[i];
        yySum_ += yDeviation_[i] * yDeviation_[i];
    }
    yConstant_ = analysis::isConstant(y);
}

double ResampledPearson::r(const Sums& sums) const {
    const auto count = static_cast<double>(drawn_.size());
    const double shift = sums.x / count;
    const double sxy = sums.xy - shift * yDeviationSum_;
    const double sxx = sums.xx - shift * sums.x;
    // Equal x values leave a rounding residue in sxx, at most a few units in the last place of
    // xx; only then are the drawn values compared, so the comparison stays out of the loop.
    const bool maybeConstant = !(sxx > 1e-9 * sums.xx);
    if (yConstant_ || (maybeConstant && analysis::isConstant(drawn_))) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return sxy / std::sqrt(sxx * yySum_);
}

} // namespace correlation
