#pragma once

#include "framework/conversions.h"
#include "framework/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

// A p counted apart from the program: the resamples' values taken from whole numbers and each
// statistic compared with the observed one by integer arithmetic, which has no rounding to
// decide a tie. The resamples are either drawn again through the process-wide Rnd, position by
// position as a run draws them, or every one of them listed.

// The positions 1..count of one resample, as the process-wide Rnd gives them one call at a time.
inline std::vector<int> positionsThroughRnd(int count) {
    std::vector<int> positions(static_cast<std::size_t>(count));
    for (int& position : positions) {
        position = std::min(count, framework::toInt32(framework::Rnd() * count + 1));
    }
    return positions;
}

// The values at the positions drawn for one resample.
inline std::vector<std::int64_t> drawnAt(const std::vector<std::int64_t>& values,
                                         const std::vector<int>& positions) {
    std::vector<std::int64_t> drawn;
    for (const int position : positions) {
        drawn.push_back(values[static_cast<std::size_t>(position - 1)]);
    }
    return drawn;
}

// Calls visit once with every sequence of length choices of 1..choices: the positions of every
// resample of that many values, when choices is the number of values.
template <typename Visit> void everySequence(std::size_t length, int choices, Visit visit) {
    std::vector<int> positions(length, 1);
    for (;;) {
        visit(positions);
        std::size_t digit = 0;
        while (digit < length && positions[digit] == choices) {
            positions[digit++] = 1;
        }
        if (digit == length) {
            return;
        }
        ++positions[digit];
    }
}

// Twice the average ranks of whole numbers, which are whole numbers: a value above `below`
// values and equal to `equal` (itself included) has the rank below + (equal + 1) / 2.
inline std::vector<std::int64_t> doubledRanks(const std::vector<std::int64_t>& values) {
    std::vector<std::int64_t> ranks;
    for (const std::int64_t value : values) {
        const auto below = std::count_if(values.begin(), values.end(),
                                         [&](std::int64_t other) { return other < value; });
        const auto equal = std::count(values.begin(), values.end(), value);
        ranks.push_back(2 * below + equal + 1);
    }
    return ranks;
}

// A statistic as a fraction of whole numbers that orders as the statistic does: numerator over
// a denominator above 0.
struct ExactStatistic {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
};

// a * b, failing the test rather than overflowing.
inline std::int64_t exactProduct(std::int64_t a, std::int64_t b) {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product)) {
        ADD_FAILURE() << a << " * " << b << " overflows";
    }
    return product;
}

// Whether a lies at or above b.
inline bool atOrAbove(const ExactStatistic& a, const ExactStatistic& b) {
    return exactProduct(a.numerator, b.denominator) >= exactProduct(b.numerator, a.denominator);
}

// The Pearson r of the pairs as r |r|, which orders as r does: N sum xy - sum x sum y times its
// magnitude, over the product of N sum x^2 - (sum x)^2 and its y twin. Nothing when a column's
// values are all equal and r is not a number.
inline std::optional<ExactStatistic> exactPearson(const std::vector<std::int64_t>& x,
                                                  const std::vector<std::int64_t>& y) {
    const auto spread = [](const std::vector<std::int64_t>& values) {
        std::int64_t sum = 0;
        std::int64_t squares = 0;
        for (const std::int64_t value : values) {
            sum += value;
            squares += value * value;
        }
        return static_cast<std::int64_t>(values.size()) * squares - sum * sum;
    };
    const std::int64_t spreadX = spread(x);
    const std::int64_t spreadY = spread(y);
    if (spreadX == 0 || spreadY == 0) {
        return std::nullopt;
    }
    std::int64_t sumX = 0;
    std::int64_t sumY = 0;
    std::int64_t sumXY = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sumX += x[i];
        sumY += y[i];
        sumXY += x[i] * y[i];
    }
    const std::int64_t numerator = static_cast<std::int64_t>(x.size()) * sumXY - sumX * sumY;
    return ExactStatistic{exactProduct(numerator, numerator < 0 ? -numerator : numerator),
                          exactProduct(spreadX, spreadY)};
}

// The tie-corrected Spearman rho is the Pearson r of the average ranks.
inline std::optional<ExactStatistic> exactSpearman(const std::vector<std::int64_t>& x,
                                                   const std::vector<std::int64_t>& y) {
    return exactPearson(doubledRanks(x), doubledRanks(y));
}

// The lag coefficient of a series of N values with the sum S, up to its factor N / (N - lag):
// sum (N y(t) - S)(N y(t + lag) - S) over sum (N y(t) - S)^2. Nothing for a constant series.
inline std::optional<ExactStatistic> exactLagCoefficient(const std::vector<std::int64_t>& series,
                                                         std::size_t lag) {
    const auto length = static_cast<std::int64_t>(series.size());
    std::int64_t sum = 0;
    for (const std::int64_t value : series) {
        sum += value;
    }
    std::int64_t products = 0;
    std::int64_t squares = 0;
    for (std::size_t t = 0; t < series.size(); ++t) {
        const std::int64_t deviation = length * series[t] - sum;
        squares += deviation * deviation;
        if (t + lag < series.size()) {
            products += deviation * (length * series[t + lag] - sum);
        }
    }
    if (squares == 0) {
        return std::nullopt;
    }
    return ExactStatistic{products, squares};
}

// The resamples whose statistic is a number, and of them those that lie at least as far out as
// the observed statistic on its side of zero, a tie included; an observed 0 counts the
// resamples at or above 0.
class ExactCount {
  public:
    explicit ExactCount(ExactStatistic observed) : observed_(observed) {}

    // A resample, or weight resamples that share its statistic.
    void add(const std::optional<ExactStatistic>& resampled, std::int64_t weight = 1) {
        if (!resampled) {
            return;
        }
        numbered_ += weight;
        const bool counts = observed_.numerator < 0 ? atOrAbove(observed_, *resampled)
                                                    : atOrAbove(*resampled, observed_);
        counted_ += counts ? weight : 0;
    }
    std::int64_t numbered() const { return numbered_; }
    std::int64_t counted() const { return counted_; }
    double p() const { return static_cast<double>(counted_) / static_cast<double>(numbered_); }

  private:
    ExactStatistic observed_;
    std::int64_t numbered_ = 0;
    std::int64_t counted_ = 0;
};

// The p a report prints after the first marker at or after from, up to the line's end; not a
// number when the marker is missing.
inline double pAfter(const std::string& report, const std::string& marker, std::size_t from = 0) {
    const std::size_t at = report.find(marker, from);
    if (at == std::string::npos) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const std::size_t start = at + marker.size();
    return framework::CDbl(report.substr(start, report.find('\n', start) - start));
}

// Half a unit of the last of the four places a p is printed to.
inline constexpr double halfOfLastPlace = 0.00005;

// How far a p estimated from a run of the given number of resamples may lie from its exact
// value: four standard errors of the binomial share, and the rounding of the print.
inline double monteCarloTolerance(double exactP, int resamples) {
    return 4.0 * std::sqrt(exactP * (1.0 - exactP) / resamples) + halfOfLastPlace;
}
