#pragma once

#include <span>

namespace autocorrelation {

// The lag-k coefficients of a series, k = 1..coefficients.size(), about the given mean:
// ((1/(N-k)) * S_k) / ((1/N) * Q), where S_k sums (x_t - mean)(x_(t+k) - mean) over t = 1..N-k
// and Q sums (x_t - mean)^2 over the whole series, each sum in index order. Not a number for a
// series whose values are all equal and for a lag of N or more. deviations is working room for at
// least N values. Observed series and resamples go through this one estimator, so a p-value
// compares like with like.
void lagCoefficients(std::span<const double> series, double mean, std::span<double> coefficients,
                     std::span<double> deviations);

} // namespace autocorrelation
