#include "figure/figurescale.h"

#include "analysis/basics.h"
#include "framework/conversions.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace figure {

namespace {
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
}

double sampleSigma(std::span<const double> values, double mean) {
    if (values.size() < 2) {
        return notANumber;
    }
    if (analysis::isConstant(values)) {
        return 0.0;
    }
    return analysis::standardDeviation(values, mean, static_cast<double>(values.size() - 1));
}

std::vector<double> zScores(std::span<const double> values) {
    const double mean = analysis::mean(values);
    const double sigma = sampleSigma(values, mean);
    std::vector<double> z(values.size(), 0.0);
    if (sigma > 0.0) {
        std::transform(values.begin(), values.end(), z.begin(),
                       [&](double value) { return analysis::standardScore(value, mean, sigma); });
    }
    return z;
}

double xStep(int pointCount) {
    return static_cast<double>(pictureWidth) / (pointCount + 1);
}

double phaseLevel(double phaseMean, double phaseSigma, int k, double mean, double sigma) {
    if (!(sigma > 0.0)) {
        return notANumber;
    }
    const double line = k == 0 ? phaseMean : phaseMean + k * phaseSigma;
    return analysis::standardScore(line, mean, sigma);
}

std::optional<int> pixelRow(double z) {
    const double row = meanRow - z * yScale;
    if (!std::isfinite(row)) {
        return std::nullopt;
    }
    return framework::toInt32(row);
}

} // namespace figure
