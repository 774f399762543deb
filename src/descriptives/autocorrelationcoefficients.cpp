#include "descriptives/autocorrelationcoefficients.h"

#include "analysis/basics.h"

#include <array>
#include <cstddef>
#include <limits>

namespace autocorrelation {

namespace {

// Adds into sums[0..Width-1] the lagged products of lags firstLag..firstLag+Width-1. Each lag's
// terms come in index order, but the lags advance side by side, so their additions do not wait
// for one another.
template <std::size_t Width>
void addLagSums(const double* deviations, std::size_t count, std::size_t firstLag, double* sums) {
    std::array<double, Width> acc{};
    const std::size_t lastLag = firstLag + Width - 1;
    std::size_t t = 0;
    if (count > lastLag) {
        for (; t < count - lastLag; ++t) {
            const double d = deviations[t];
            for (std::size_t j = 0; j < Width; ++j) {
                acc[j] += d * deviations[t + firstLag + j];
            }
        }
    }
    for (std::size_t j = 0; j < Width; ++j) {
        for (std::size_t u = t; u + firstLag + j < count; ++u) {
            acc[j] += deviations[u] * deviations[u + firstLag + j];
        }
        sums[j] = acc[j];
    }
}

constexpr std::size_t widest = 8;

void addLagSums(const double* deviations, std::size_t count, std::size_t firstLag,
                std::size_t width, double* sums) {
    switch (width) {
    case 1:
        return addLagSums<1>(deviations, count, firstLag, sums);
    case 2:
        return addLagSums<2>(deviations, count, firstLag, sums);
    case 3:
        return addLagSums<3>(deviations, count, firstLag, sums);
    case 4:
        return addLagSums<4>(deviations, count, firstLag, sums);
    case 5:
        return addLagSums<5>(deviations, count, firstLag, sums);
    case 6:
        return addLagSums<6>(deviations, count, firstLag, sums);
    case 7:
        return addLagSums<7>(deviations, count, firstLag, sums);
    default:
        return addLagSums<widest>(deviations, count, firstLag, sums);
    }
}

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
