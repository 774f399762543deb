#pragma once

#include <span>

// The arithmetic of one series that every analysis and the figure share. Sums run in index
// order, and sums of products are formed about the means, so a large common offset cancels no
// digits. Values far from 1 are scaled by a power of two first (analysis/scaling.h), so any
// finite data give the true result wherever it is a finite double.
namespace analysis {

// True when every value equals the first (an empty or one-value series too): such a series has
// no spread, whatever rounding its mean suffers.
bool isConstant(std::span<const double> values);

// The sum in index order divided by the number of values; not a number for no values.
double mean(std::span<const double> values);

// (a + b) / 2 without overflow for any two finite values.
double midpoint(double a, double b);

// The square root of the sum of squared deviations from mean over the divisor; 0 for a constant
// series. mean is the values' mean; for values far from 1 the mean of the scaled values is taken
// instead, which keeps the digits that a mean in the subnormal range has lost.
double standardDeviation(std::span<const double> values, double mean, double divisor);

// (value - mean) / sd, without overflow or underflow on the way.
double standardScore(double value, double mean, double sd);

// The least-squares line of the values against their positions 1..N in the series.
struct Line {
    double slope;
    double intercept;
};
Line trendLine(std::span<const double> values);

} // namespace analysis
