#include "descriptives/autocorrelationcoefficients.h"

#include "analysis/basics.h"

#include <cstddef>
#include <cstring>
#include <limits>

namespace autocorrelation {

namespace {

// Two doubles that the processor adds and multiplies side by side: one lane per lag.
using LanePair = double __attribute__((vector_size(16)));

constexpr std::size_t widestPairs = 4;

// The lagged products of lags firstLag .. firstLag + 2 * Pairs - 1 into sums. Each lag's terms
// are added in index order, but the lags advance side by side, two to a register, so their
// additions do not wait for one another. A lag the series does not reach sums to 0.
template <std::size_t Pairs>
void addLagSums(const double* deviations, std::size_t count, std::size_t firstLag, double* sums) {
    LanePair acc[Pairs] = {};
    const std::size_t lastLag = firstLag + 2 * Pairs - 1;
    std::size_t t = 0;
    if (count > lastLag) {
        for (; t < count - lastLag; ++t) {
            const LanePair d = {deviations[t], deviations[t]};
            for (std::size_t j = 0; j < Pairs; ++j) {
                LanePair later;
                std::memcpy(&later, deviations + t + firstLag + 2 * j, sizeof later);
                acc[j] += d * later;
            }
        }
    }
    for (std::size_t j = 0; j < 2 * Pairs; ++j) {
        double sum = acc[j / 2][j % 2];
        for (std::size_t u = t; u + firstLag + j < count; ++u) {
            sum += deviations[u] * deviations[u + firstLag + j];
        }
        sums[j] = sum;
    }
}

// The sums of lags firstLag .. firstLag + width - 1, width at most 2 * widestPairs.
void addLagSums(const double* deviations, std::size_t count, std::size_t firstLag,
                std::size_t width, double* sums) {
    double padded[2 * widestPairs];
    switch ((width + 1) / 2) {
    case 1:
        addLagSums<1>(deviations, count, firstLag, padded);
        break;
    case 2:
        addLagSums<2>(deviations, count, firstLag, padded);
        break;
    case 3:
        addLagSums<3>(deviations, count, firstLag, padded);
        break;
    default:
        addLagSums<widestPairs>(deviations, count, firstLag, padded);
        break;
    }
    std::memcpy(sums, padded, width * sizeof(double));
}

constexpr std::size_t widest = 2 * widestPairs;

} // namespace

void lagCoefficients(std::span<const double> series, double mean, std::span<double> coefficients,
                     std::span<double> deviations) {
    const std::size_t count = series.size();
    const std::size_t lags = coefficients.size();
    if (analysis::isConstant(series)) {
        for (double& coefficient : coefficients) {
            coefficient = std::numeric_limits<double>::quiet_NaN();
        }
        return;
    }
    for (std::size_t t = 0; t < count; ++t) {
        deviations[t] = series[t] - mean;
    }
    // Lag 0 is the sum of squares; the lags the series reaches follow it. The sums go into
    // coefficients[k - 1] and the squares wait in a local until the divisions.
    const std::size_t reached = lags < count ? lags : count - 1;
    double firstSums[widest];
    const std::size_t firstWidth = reached + 1 < widest ? reached + 1 : widest;
    addLagSums(deviations.data(), count, 0, firstWidth, firstSums);
    const double squares = firstSums[0];
    for (std::size_t k = 1; k < firstWidth; ++k) {
        coefficients[k - 1] = firstSums[k];
    }
    for (std::size_t k = firstWidth; k <= reached; k += widest) {
        const std::size_t width = reached + 1 - k < widest ? reached + 1 - k : widest;
        addLagSums(deviations.data(), count, k, width, coefficients.data() + (k - 1));
    }
    const double perPoint = 1.0 / static_cast<double>(count);
    for (std::size_t k = 1; k <= lags; ++k) {
        if (k >= count) {
            coefficients[k - 1] = std::numeric_limits<double>::quiet_NaN();
            continue;
        }
        const double perProduct = 1.0 / static_cast<double>(count - k);
        coefficients[k - 1] = (perProduct * coefficients[k - 1]) / (perPoint * squares);
    }
}

} // namespace autocorrelation
