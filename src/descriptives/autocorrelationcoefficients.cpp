#include "descriptives/autocorrelationcoefficients.h"

#include "analysis/basics.h"
#include "analysis/scaling.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <limits>
#include <vector>

namespace autocorrelation {

namespace {

// Two doubles that the processor adds and multiplies side by side: one lane per lag.
using LanePair = double __attribute__((vector_size(16)));

constexpr std::size_t widestPairs = 4;
constexpr std::size_t widest = 2 * widestPairs;

template <std::size_t Batch> using Deviations = std::array<const double*, Batch>;
template <std::size_t Batch> using Sums = std::array<double*, Batch>;

// The lagged products of lags firstLag .. firstLag + 2 * Pairs - 1 of every series of the batch
// into its sums. Each lag's terms are added in index order, but the lags (two to a register) and
// the series advance side by side, so their additions do not wait for one another. A lag the
// series do not reach sums to 0.
template <std::size_t Batch, std::size_t Pairs>
void addLagSums(const Deviations<Batch>& deviations, std::size_t count, std::size_t firstLag,
                const Sums<Batch>& sums) {
    LanePair acc[Batch][Pairs] = {};
    const std::size_t lastLag = firstLag + 2 * Pairs - 1;
    std::size_t t = 0;
    if (count > lastLag) {
        for (; t < count - lastLag; ++t) {
            for (std::size_t s = 0; s < Batch; ++s) {
                const LanePair d = {deviations[s][t], deviations[s][t]};
                for (std::size_t j = 0; j < Pairs; ++j) {
                    LanePair later;
                    std::memcpy(&later, deviations[s] + t + firstLag + 2 * j, sizeof later);
                    acc[s][j] += d * later;
                }
            }
        }
    }
    for (std::size_t s = 0; s < Batch; ++s) {
        const double* d = deviations[s];
        for (std::size_t j = 0; j < 2 * Pairs; ++j) {
            double sum = acc[s][j / 2][j % 2];
            for (std::size_t u = t; u + firstLag + j < count; ++u) {
                sum += d[u] * d[u + firstLag + j];
            }
            sums[s][j] = sum;
        }
    }
}

// The sums of lags firstLag .. firstLag + width - 1, width at most widest.
template <std::size_t Batch>
void addLagSums(const Deviations<Batch>& deviations, std::size_t count, std::size_t firstLag,
                std::size_t width, const Sums<Batch>& sums) {
    double padded[Batch][widest];
    Sums<Batch> into;
    for (std::size_t s = 0; s < Batch; ++s) {
        into[s] = padded[s];
    }
    switch ((width + 1) / 2) {
    case 1:
        addLagSums<Batch, 1>(deviations, count, firstLag, into);
        break;
    case 2:
        addLagSums<Batch, 2>(deviations, count, firstLag, into);
        break;
    case 3:
        addLagSums<Batch, 3>(deviations, count, firstLag, into);
        break;
    default:
        addLagSums<Batch, widestPairs>(deviations, count, firstLag, into);
        break;
    }
    for (std::size_t s = 0; s < Batch; ++s) {
        std::memcpy(sums[s], padded[s], width * sizeof(double));
    }
}

// The coefficients of series of one length, none of them constant. Returns, series by series,
// whether its sum of squares was safe, so that nothing overflowed or underflowed on the way.
template <std::size_t Batch>
std::array<bool, Batch> coefficientsOf(const std::array<const LagSeries*, Batch>& batch) {
    const std::size_t count = batch[0]->values.size();
    const std::size_t lags = batch[0]->coefficients.size();
    Deviations<Batch> deviations;
    for (std::size_t s = 0; s < Batch; ++s) {
        const LagSeries& series = *batch[s];
        for (std::size_t t = 0; t < count; ++t) {
            series.deviations[t] = series.values[t] - series.mean;
        }
        deviations[s] = series.deviations.data();
    }
    // Lag 0 is the sum of squares; the lags the series reach follow it. The sums go into
    // coefficients[k - 1] and the squares wait in a local until the divisions.
    const std::size_t reached = lags < count ? lags : count - 1;
    const std::size_t firstWidth = reached + 1 < widest ? reached + 1 : widest;
    double firstSums[Batch][widest];
    Sums<Batch> sums;
    for (std::size_t s = 0; s < Batch; ++s) {
        sums[s] = firstSums[s];
    }
    addLagSums<Batch>(deviations, count, 0, firstWidth, sums);
    for (std::size_t k = firstWidth; k <= reached; k += widest) {
        const std::size_t width = reached + 1 - k < widest ? reached + 1 - k : widest;
        for (std::size_t s = 0; s < Batch; ++s) {
            sums[s] = batch[s]->coefficients.data() + (k - 1);
        }
        addLagSums<Batch>(deviations, count, k, width, sums);
    }
    const double perPoint = 1.0 / static_cast<double>(count);
    std::array<bool, Batch> safe;
    for (std::size_t s = 0; s < Batch; ++s) {
        const std::span<double> coefficients = batch[s]->coefficients;
        for (std::size_t k = 1; k < firstWidth; ++k) {
            coefficients[k - 1] = firstSums[s][k];
        }
        const double squares = firstSums[s][0];
        safe[s] = analysis::isSafeSumOfSquares(squares);
        for (std::size_t k = 1; k <= lags; ++k) {
            if (k >= count) {
                coefficients[k - 1] = std::numeric_limits<double>::quiet_NaN();
                continue;
            }
            const double perProduct = 1.0 / static_cast<double>(count - k);
            coefficients[k - 1] = (perProduct * coefficients[k - 1]) / (perPoint * squares);
        }
    }
    return safe;
}

// The coefficients of a series whose sums left the safe range, from its values scaled near 1 by
// a power of two, which the coefficients do not see. A series already near 1 left it only
// through values that are not finite, and its coefficients stay not numbers.
[[gnu::cold]] void coefficientsOfScaled(const LagSeries& series) {
    const int exponent = analysis::largestExponent(series.values);
    if (exponent == 0) {
        return;
    }
    const std::vector<double> scaled = analysis::scaledDown(series.values, exponent);
    const LagSeries scaledSeries{scaled, analysis::mean(scaled), series.coefficients,
                                 series.deviations};
    coefficientsOf<1>({&scaledSeries});
}

} // namespace

void lagCoefficients(const LagSeries& series) {
    if (analysis::isConstant(series.values)) {
        for (double& coefficient : series.coefficients) {
            coefficient = std::numeric_limits<double>::quiet_NaN();
        }
        return;
    }
    if (!coefficientsOf<1>({&series})[0]) {
        coefficientsOfScaled(series);
    }
}

void lagCoefficients(const LagSeries& first, const LagSeries& second) {
    if (analysis::isConstant(first.values) || analysis::isConstant(second.values)) {
        lagCoefficients(first);
        lagCoefficients(second);
        return;
    }
    const std::array<bool, 2> safe = coefficientsOf<2>({&first, &second});
    if (!safe[0]) {
        coefficientsOfScaled(first);
    }
    if (!safe[1]) {
        coefficientsOfScaled(second);
    }
}

} // namespace autocorrelation
