#include "correlation/resampledpearson.h"

#include "analysis/basics.h"
#include "analysis/correlationbasics.h"

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
    if (yConstant_) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    // The correction by the mean shift keeps its digits while the resample's spread is not
    // small against its distance from the observed mean: then sxx holds more than a
    // millionth of xx. Otherwise (equal draws, or draws that missed a far outlier) the
    // resample is summed again about its own mean.
    if (!(sxx > 1e-6 * sums.xx)) {
        return analysis::pearsonR(drawn_, yDeviation_);
    }
    return sxy / std::sqrt(sxx * yySum_);
}

} // namespace correlation
