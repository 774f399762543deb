#include "simulation/centredcolumns.h"

#include "analysis/basics.h"
#include "analysis/correlationbasics.h"
#include "analysis/scaling.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace simulation {

namespace {

// Writes the deviations of the values from their mean into deviations (which may be the values'
// own room) and returns their sum of squares, with the bits of the shared two-pass r.
double centred(std::span<const double> values, std::span<double> deviations) {
    const double meanValue = analysis::mean(values);
    double squares = 0.0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double deviation = values[i] - meanValue;
        deviations[i] = deviation;
        squares += deviation * deviation;
    }
    return squares;
}

// The same for the values brought near 1 by the power of two of their largest magnitude, for
// values whose squares left the safe range: multiplying by a power of two is exact and r does
// not depend on the scale of a column, so the deviations of the scaled values serve as well,
// and their squares lie well inside the double range for any values that are not all equal.
// Not a number when a value is infinite or not a number: its true size lies beyond the double
// range, and nothing can be said of its r.
double centredNearOne(std::span<const double> values, std::span<double> deviations) {
    if (!std::all_of(values.begin(), values.end(),
                     [](double value) { return std::isfinite(value); })) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const int exponent = analysis::largestExponent(values);
    for (std::size_t i = 0; i < values.size(); ++i) {
        deviations[i] = std::ldexp(values[i], -exponent);
    }
    return centred(deviations.first(values.size()), deviations);
}

} // namespace

FixedColumn::FixedColumn(std::span<const double> values)
    : constant_(analysis::isConstant(values)), deviations_(values.size()) {
    squares_ = centred(values, deviations_);
    if (!constant_ && !analysis::isSafeSumOfSquares(squares_)) {
        squares_ = centredNearOne(values, deviations_);
    }
}

void CentredSeries::centre(std::span<const double> series) {
    length_ = series.size();
    constant_ = analysis::isConstant(series);
    squares_ = centred(series, deviations_);
    // Only a series far from 1, or one holding a value beyond the double range, takes the
    // second pass; every ordinary series keeps the bits of the first.
    if (!constant_ && !analysis::isSafeSumOfSquares(squares_)) {
        squares_ = centredNearOne(series, deviations_);
    }
}

void CentredSeries::correlate(std::span<const FixedColumn* const> columns,
                              std::span<double> results) const {
    std::array<double, mostColumns> products{};
    std::array<const double*, mostColumns> others{};
    const std::size_t count = columns.size();
    for (std::size_t c = 0; c < count; ++c) {
        others[c] = columns[c]->deviations().data();
    }
    for (std::size_t i = 0; i < length_; ++i) {
        const double deviation = deviations_[i];
        for (std::size_t c = 0; c < count; ++c) {
            products[c] += deviation * others[c][i];
        }
    }
    for (std::size_t c = 0; c < count; ++c) {
        results[c] = constant_ || columns[c]->constant()
                         ? std::numeric_limits<double>::quiet_NaN()
                         : analysis::clampedCorrelation(
                               products[c] / std::sqrt(squares_ * columns[c]->squares()));
    }
}

} // namespace simulation
