#include "crosscorrelation/crosslags.h"

#include "analysis/basics.h"
#include "analysis/correlationbasics.h"
#include "analysis/scaling.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace crosscorrelation {

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// Where a lag's pairs start in each series, and how many there are.
struct LagPairs {
    std::size_t firstX;
    std::size_t firstY;
    std::size_t count;
};

LagPairs pairsAt(std::int32_t lag, std::size_t length) {
    const auto shift = static_cast<std::size_t>(lag < 0 ? -static_cast<std::int64_t>(lag) : lag);
    const std::size_t count = shift < length ? length - shift : 0;
    return lag < 0 ? LagPairs{shift, 0, count} : LagPairs{0, shift, count};
}

// The means of x and y, each summed in order, side by side.
std::pair<double, double> meansOf(std::span<const double> x, std::span<const double> y) {
    double sumX = 0.0;
    double sumY = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sumX += x[i];
        sumY += y[i];
    }
    const auto count = static_cast<double>(x.size());
    return {sumX / count, sumY / count};
}

// The sums of the squared deviations of x and of y from their means.
std::pair<double, double> squaresOf(std::span<const double> x, std::span<const double> y,
                                    double meanX, double meanY) {
    double squaresX = 0.0;
    double squaresY = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        squaresX += (x[i] - meanX) * (x[i] - meanX);
        squaresY += (y[i] - meanY) * (y[i] - meanY);
    }
    return {squaresX, squaresY};
}

// The rho of a lag's ranked pairs; not a number when either column is wholly tied, as a
// constant series has no spread (its tie sum is then c^3 - c, c the number of pairs).
double rhoOfRanks(std::span<const double> rankX, std::span<const double> rankY, double tiesX,
                  double tiesY) {
    const auto count = static_cast<double>(rankX.size());
    const double allTied = count * count * count - count;
    if (tiesX == allTied || tiesY == allTied) {
        return notANumber;
    }
    return analysis::tieCorrectedRho(rankX, rankY, tiesX, tiesY);
}

} // namespace

void pearsonCrossCorrelations(std::span<const double> x, std::span<const double> y, std::int32_t k,
                              std::span<double> correlations) {
    const std::size_t lags = lagCount(k);
    if (analysis::isConstant(x) || analysis::isConstant(y)) {
        std::fill_n(correlations.begin(), lags, notANumber);
        return;
    }
    const std::size_t length = x.size();
    const auto [meanX, meanY] = meansOf(x, y);
    const auto [squaresX, squaresY] = squaresOf(x, y, meanX, meanY);
    // Sums of squares that overflowed or underflowed (values far from 1, or a sum of values
    // past the largest double) leave the correlations to the same series scaled near 1 by
    // powers of two, which the correlations do not see. Series scaled so and still out of range
    // hold values that are not finite, whose correlations are not numbers.
    if (!analysis::isSafeSumOfSquares(squaresX) || !analysis::isSafeSumOfSquares(squaresY)) {
        const int exponentX = analysis::largestExponent(x);
        const int exponentY = analysis::largestExponent(y);
        if (exponentX != 0 || exponentY != 0) {
            pearsonCrossCorrelations(analysis::scaledDown(x, exponentX),
                                     analysis::scaledDown(y, exponentY), k, correlations);
            return;
        }
    }
    const double perPoint = 1.0 / static_cast<double>(length);
    const double spread = std::sqrt(squaresX * perPoint) * std::sqrt(squaresY * perPoint);
    // Four lags at a time: each lag's products are still added in order of time, but the four
    // sums no longer wait for one another.
    constexpr std::size_t together = 4;
    for (std::size_t j = 0; j < lags; j += together) {
        const std::size_t block = std::min(together, lags - j);
        std::array<LagPairs, together> pairs{};
        std::array<double, together> products{};
        std::size_t common = length;
        for (std::size_t t = 0; t < block; ++t) {
            pairs[t] = pairsAt(static_cast<std::int32_t>(j + t) - k, length);
            common = std::min(common, pairs[t].count);
        }
        if (block == together) {
            for (std::size_t i = 0; i < common; ++i) {
                for (std::size_t t = 0; t < together; ++t) {
                    products[t] +=
                        (x[pairs[t].firstX + i] - meanX) * (y[pairs[t].firstY + i] - meanY);
                }
            }
        } else {
            common = 0;
        }
        for (std::size_t t = 0; t < block; ++t) {
            for (std::size_t i = common; i < pairs[t].count; ++i) {
                products[t] += (x[pairs[t].firstX + i] - meanX) * (y[pairs[t].firstY + i] - meanY);
            }
            correlations[j + t] = (products[t] * perPoint) / spread;
        }
    }
}

void spearmanCrossCorrelations(std::span<const double> x, std::span<const double> y, std::int32_t k,
                               std::span<double> correlations) {
    std::vector<double> rankX(x.size());
    std::vector<double> rankY(y.size());
    for (std::size_t j = 0; j < lagCount(k); ++j) {
        const LagPairs pairs = pairsAt(static_cast<std::int32_t>(j) - k, x.size());
        const double tiesX = analysis::averageRanks(x.subspan(pairs.firstX, pairs.count), rankX);
        const double tiesY = analysis::averageRanks(y.subspan(pairs.firstY, pairs.count), rankY);
        correlations[j] = rhoOfRanks(std::span(rankX).first(pairs.count),
                                     std::span(rankY).first(pairs.count), tiesX, tiesY);
    }
}

namespace {

// Takes values[out], one end of the run [first, end), out of the run: a value above it moves
// down one rank (two, doubled), a value equal to it half a rank (one), and its group of t equal
// values loses one member, which takes 3t(t - 1) off the tie sum.
void withoutValue(LaggedSpearman::RankedSeries& series, std::size_t first, std::size_t end,
                  std::size_t out) {
    const std::int32_t* group = series.group.data();
    std::int32_t* ranks = series.ranks.data();
    const std::int32_t removed = group[out];
    std::int32_t equal = 0;
    for (std::size_t i = first; i < end; ++i) {
        const auto above = static_cast<std::int32_t>(group[i] > removed);
        const auto same = static_cast<std::int32_t>(group[i] == removed);
        ranks[i] -= 2 * above + same;
        equal += same;
    }
    series.ties -= 3 * static_cast<std::int64_t>(equal) * (equal - 1);
}

// The rho of pairs whose doubled ranks are given. Every squared difference of doubled ranks is
// a whole number, so their sum, divided by 4, is exactly the sum of the squared rank
// differences, whatever order it is added in.
double rhoOfDoubledRanks(std::span<const std::int32_t> ranksX, std::span<const std::int32_t> ranksY,
                         std::int64_t tiesX, std::int64_t tiesY) {
    const auto pairs = static_cast<std::int64_t>(ranksX.size());
    const std::int64_t allTied = pairs * pairs * pairs - pairs;
    if (tiesX == allTied || tiesY == allTied) {
        return notANumber;
    }
    std::int64_t squares = 0;
    for (std::size_t i = 0; i < ranksX.size(); ++i) {
        const std::int32_t difference = ranksX[i] - ranksY[i];
        squares += difference * difference;
    }
    return analysis::rhoFromSquaredDifferences(ranksX.size(), static_cast<double>(squares) / 4.0,
                                               static_cast<double>(tiesX),
                                               static_cast<double>(tiesY));
}

bool holdsNotANumber(std::span<const double> values) {
    return std::any_of(values.begin(), values.end(), [](double v) { return std::isnan(v); });
}

} // namespace

void LaggedSpearman::rank(std::span<const double> values, RankedSeries& series) {
    const std::size_t length = values.size();
    order_.resize(length);
    for (std::size_t i = 0; i < length; ++i) {
        order_[i] = {values[i], i};
    }
    std::sort(order_.begin(), order_.end(),
              [](const IndexedValue& a, const IndexedValue& b) { return a.value < b.value; });
    series.group.resize(length);
    series.fullRanks.resize(length);
    series.fullTies = 0;
    std::size_t start = 0;
    while (start < length) {
        std::size_t end = start + 1;
        while (end < length && order_[end].value == order_[start].value) {
            ++end;
        }
        // Positions start + 1 .. end average to start + (t + 1)/2, t = end - start.
        const auto size = static_cast<std::int64_t>(end - start);
        for (std::size_t member = start; member < end; ++member) {
            series.group[order_[member].index] = static_cast<std::int32_t>(start);
            series.fullRanks[order_[member].index] =
                static_cast<std::int32_t>(2 * static_cast<std::int64_t>(start) + size + 1);
        }
        series.fullTies += size * size * size - size;
        start = end;
    }
    series.ranks = series.fullRanks;
    series.ties = series.fullTies;
}

void LaggedSpearman::correlations(std::span<const double> x, std::span<const double> y,
                                  std::int32_t k, std::span<double> correlations) {
    if (k < 0) {
        return;
    }
    // Values that are not numbers have no order for the steps below to keep.
    if (holdsNotANumber(x) || holdsNotANumber(y)) {
        spearmanCrossCorrelations(x, y, k, correlations);
        return;
    }
    const std::size_t length = x.size();
    const auto lags = static_cast<std::size_t>(k);
    rank(x, x_);
    rank(y, y_);

    // Lags 0, 1, ..: x loses its last values, y its first.
    for (std::size_t lag = 0; lag <= lags; ++lag) {
        if (lag >= length) {
            correlations[lags + lag] = notANumber;
            continue;
        }
        if (lag > 0) {
            withoutValue(x_, 0, length - lag + 1, length - lag);
            withoutValue(y_, lag - 1, length, lag - 1);
        }
        const std::size_t pairs = length - lag;
        correlations[lags + lag] =
            rhoOfDoubledRanks(std::span(x_.ranks).first(pairs),
                              std::span(y_.ranks).subspan(lag, pairs), x_.ties, y_.ties);
    }
    // Lags -1, -2, ..: x loses its first values, y its last.
    for (RankedSeries* series : {&x_, &y_}) {
        series->ranks = series->fullRanks;
        series->ties = series->fullTies;
    }
    for (std::size_t shift = 1; shift <= lags; ++shift) {
        if (shift >= length) {
            correlations[lags - shift] = notANumber;
            continue;
        }
        withoutValue(x_, shift - 1, length, shift - 1);
        withoutValue(y_, 0, length - shift + 1, length - shift);
        const std::size_t pairs = length - shift;
        correlations[lags - shift] =
            rhoOfDoubledRanks(std::span(x_.ranks).subspan(shift, pairs),
                              std::span(y_.ranks).first(pairs), x_.ties, y_.ties);
    }
}

} // namespace crosscorrelation
