#pragma once

#include <span>

// The arithmetic of one series that every analysis and the figure share. Sums run in index
// order, and sums of products are formed about the means, so a large common offset cancels no
// digits.
namespace analysis {

// True when every value equals the first (an empty or one-value series too): such a series has
// no spread, whatever rounding its mean suffers.
bool isConstant(std::span<const double> values);

// The sum in index order divided by the number of values; not a number for no values.
double mean(std::span<const double> values);

// The square root of the sum of squared deviations from mean over the divisor.
double standardDeviation(std::span<const double> values, double mean, double divisor);

// The least-squares line of the values against their positions 1..N in the series.
struct Line {
    double slope;
    double intercept;
};
Line trendLine(std::span<const double> values);

} // namespace analysis
