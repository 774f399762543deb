#pragma once

#include "framework/conversions.h"
#include "framework/random.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

// A p counted apart from the program: the resamples' positions drawn again through the
// process-wide Rnd, their values taken from whole numbers, and each statistic's sign found by
// integer arithmetic, which has no rounding to decide a statistic of exactly 0.

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

// N times the sum of x y less the product of the sums: it has the sign of the Pearson r of the
// pairs; nothing when the x values are all equal and r is not a number.
inline std::optional<std::int64_t> pearsonNumerator(const std::vector<std::int64_t>& x,
                                                    const std::vector<std::int64_t>& y) {
    if (std::all_of(x.begin(), x.end(), [&](std::int64_t value) { return value == x[0]; })) {
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
    return static_cast<std::int64_t>(x.size()) * sumXY - sumX * sumY;
}

// The resamples whose statistic is a number, and of them those above 0 and those of exactly 0. A
// run's floating-point arithmetic may leave a statistic that is exactly 0 a few units of the last
// place to either side, so a resample of exactly 0 may or may not count in it; every other
// resample has a sign that no rounding changes.
class SignCount {
  public:
    void add(std::optional<std::int64_t> numerator) {
        if (numerator) {
            ++numbered_;
            above_ += *numerator > 0 ? 1 : 0;
            zero_ += *numerator == 0 ? 1 : 0;
        }
    }
    int numbered() const { return numbered_; }
    // The share at or above 0 when no resample of exactly 0 counts, and when all of them do.
    double lowestP() const { return static_cast<double>(above_) / numbered_; }
    double highestP() const { return static_cast<double>(above_ + zero_) / numbered_; }
    // Whether a p printed to four decimals lies between the two.
    bool admits(double printed) const {
        constexpr double halfOfLastDigit = 0.00005;
        return lowestP() - halfOfLastDigit <= printed && printed <= highestP() + halfOfLastDigit;
    }

  private:
    int numbered_ = 0;
    int above_ = 0;
    int zero_ = 0;
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
