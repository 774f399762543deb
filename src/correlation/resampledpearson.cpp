#include "correlation/resampledpearson.h"

#include "analysis/basics.h"
#include "analysis/correlationbasics.h"
#include "analysis/scaling.h"

#include <algorithm>

namespace correlation {

ResampledPearson::ResampledPearson(std::span<const double> x, std::span<const double> y)
    : xValueAt_(std::min(x.size(), y.size()) + 1), xDeviationAt_(xValueAt_.size()),
      y_(y.first(xValueAt_.size() - 1).begin(), y.first(xValueAt_.size() - 1).end()),
      yDeviation_(y_.size()), drawnAt_(y_.size()), drawnValues_(y_.size()) {
    const std::size_t pairs = y_.size();
    x = x.first(pairs);
    std::copy(x.begin(), x.end(), xValueAt_.begin() + 1);
    // With the largest magnitude of each column in [1, 2), no deviation, square or product can
    // overflow; for ordinary data the scaled sums hold the same bits times a power of two.
    const std::vector<double> scaledX = analysis::scaledDown(x, analysis::largestExponent(x));
    const std::vector<double> scaledY = analysis::scaledDown(y_, analysis::largestExponent(y_));
    const double meanX = analysis::mean(scaledX);
    const double meanY = analysis::mean(scaledY);
    for (std::size_t i = 0; i < pairs; ++i) {
        xDeviationAt_[i + 1] = scaledX[i] - meanX;
        yDeviation_[i] = scaledY[i] - meanY;
        yDeviationSum_ += yDeviation_[i];
        yySum_ += yDeviation_[i] * yDeviation_[i];
    }
    // A y column that is not constant holds, scaled so, two values at least 2^-53 apart, so
    // yySum_ is always a safe sum of squares; only the resampled x can be too close together.
    yConstant_ = analysis::isConstant(y_);
}

double ResampledPearson::r(const Sums& sums) {
    const auto count = static_cast<double>(drawnAt_.size());
    const double shift = sums.x / count;
    const double sxy = sums.xy - shift * yDeviationSum_;
    const double sxx = sums.xx - shift * sums.x;
    if (yConstant_) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    // The correction by the mean shift keeps its digits while the resample's spread is not
    // small against its distance from the observed mean: then sxx holds more than a
    // millionth of xx. Otherwise (equal draws, or draws that missed a far outlier) and when the
    // spread is too small for its square, the resample is summed again about its own mean.
    if (!(sxx > 1e-6 * sums.xx) || !analysis::isSafeSumOfSquares(sxx)) {
        return rOfDrawnValues();
    }
    return sxy / std::sqrt(sxx * yySum_);
}

double ResampledPearson::rOfDrawnValues() {
    for (std::size_t i = 0; i < drawnAt_.size(); ++i) {
        drawnValues_[i] = xValueAt_[drawnAt_[i]];
    }
    return analysis::pearsonR(drawnValues_, y_);
}

} // namespace correlation
