#pragma once

#include <span>

namespace autocorrelation {

// A series whose lag coefficients are wanted: its values and their mean, where the coefficients
// of lags 1..coefficients.size() go, and working room for at least as many values.
struct LagSeries {
    std::span<const double> values;
    double mean;
    std::span<double> coefficients;
    std::span<double> deviations;
};

// The lag-k coefficients about the series' mean: ((1/(N-k)) * S_k) / ((1/N) * Q), where S_k sums
// (x_t - mean)(x_(t+k) - mean) over t = 1..N-k and Q sums (x_t - mean)^2 over the whole series,
// each sum in index order. Not a number for a series whose values are all equal and for a lag of
// N or more. Observed series and resamples go through this one estimator, so a p-value compares
// like with like. A series whose sum of squares overflowed or underflowed (values far from 1,
// or a spread too small for its square) is taken again scaled near 1 by a power of two.
void lagCoefficients(const LagSeries& series);

// The same for two series of one length and one number of lags, to the last bit; their sums
// advance side by side, so the additions of one do not wait for those of the other.
void lagCoefficients(const LagSeries& first, const LagSeries& second);

} // namespace autocorrelation
