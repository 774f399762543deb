#include "correlation/resampledpearson.h"

#include "analysis/basics.h"

#include <algorithm>

namespace correlation {

ResampledPearson::ResampledPearson(std::span<const double> x, std::span<const double> y)
    : xDeviation_(std::min(x.size(), y.size())), yDeviation_(xDeviation_.size()) {
    const std::size_t pairs = xDeviation_.size();
    x = x.first(pairs);
    y = y.first(pairs);
    const double meanX = analysis::mean(x);
    const double meanY = analysis::mean(y);
    for (std::size_t i = 0; i < pairs; ++i) {
        xDeviation_[i] = x[i] - meanX;
        yDeviation_[i] = y[i] - meanY;
        yDeviationSum_ += yDeviation_[i];
        yySum_ += yDeviation_[i] * yDeviation_[i];
    }
    yConstant_ = analysis::isConstant(y);
}

double ResampledPearson::observed() const {
    Sums sums;
    for (std::size_t i = 0; i < xDeviation_.size(); ++i) {
        sums.add(static_cast<int>(i & 1), xDeviation_[i], yDeviation_[i]);
    }
    if (analysis::isConstant(xDeviation_)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return r(sums);
}

double ResampledPearson::r(const Sums& sums) const {
    if (yConstant_) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const auto count = static_cast<double>(xDeviation_.size());
    const double xSum = sums.x[0] + sums.x[1];
    const double shift = xSum / count;
    const double sxy = (sums.xy[0] + sums.xy[1]) - shift * yDeviationSum_;
    const double sxx = (sums.xx[0] + sums.xx[1]) - shift * xSum;
    return sxy / std::sqrt(sxx * yySum_);
}

} // namespace correlation
