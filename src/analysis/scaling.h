#pragma once

#include <span>
#include <vector>

// Sums of squares and products of finite data can overflow or underflow when the values lie far
// from 1. Scaling the values by a power of two chosen from their largest magnitude brings them
// near 1 first; multiplying by a power of two is exact, so wherever nothing overflowed or
// underflowed the scaled arithmetic gives the same bits as the unscaled one.
namespace analysis {

// True when a sum of squares lies well inside the double range: its square root, its products
// with another such sum and the products of the deviations it came from are then normal
// numbers, so nothing overflowed or underflowed on the way. Ordinary data always pass; others
// take the scaled pass.
inline bool isSafeSumOfSquares(double sum) {
    return sum >= 0x1p-400 && sum <= 0x1p400;
}

// True when values whose largest binary exponent is exponent lie so far from 1 that their sums
// of squares, or the product of two such sums, could leave the normal range: the basics then
// work on the scaled values. Within 2^-200 .. 2^200 the product of two sums of squared
// deviations stays between about 2^-1016 (distinct values an ulp apart) and 2^870.
inline bool isFarFromOne(int exponent) {
    return exponent > 200 || exponent < -200;
}

// The binary exponent of the largest finite magnitude among the values (that of 2^e), or 0 when
// every value is 0 or not finite.
int largestExponent(std::span<const double> values);

// Each value times 2^-exponent: the values near 1 when exponent is their largestExponent.
std::vector<double> scaledDown(std::span<const double> values, int exponent);

} // namespace analysis
