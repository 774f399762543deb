#include "crosscorrelation/crosslags.h"

#include "analysis/basics.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

double meanOf(std::span<const double> values) {
    double sum = 0.0;
    for (const double value : values) {
        sum += value;
    }
    return sum / static_cast<double>(values.size());
}

double deviationOf(std::span<const double> values, double mean) {
    double squares = 0.0;
    for (const double value : values) {
        squares += (value - mean) * (value - mean);
    }
    return std::sqrt(squares * (1.0 / static_cast<double>(values.size())));
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
    const double meanX = meanOf(x);
    const double meanY = meanOf(y);
    const double spread = deviationOf(x, meanX) * deviationOf(y, meanY);
    const double perPoint = 1.0 / static_cast<double>(length);
    for (std::size_t j = 0; j < lags; ++j) {
        const LagPairs pairs = pairsAt(static_cast<std::int32_t>(j) - k, length);
        double products = 0.0;
        for (std::size_t i = 0; i < pairs.count; ++i) {
            products += (x[pairs.firstX + i] - meanX) * (y[pairs.firstY + i] - meanY);
        }
        correlations[j] = (products * perPoint) / spread;
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

void LaggedSpearman::correlations(std::span<const double> x, std::span<const double> y,
                                  std::int32_t k, std::span<double> correlations) {
    xRanks_.sort(x);
    yRanks_.sort(y);
    rankX_.resize(x.size());
    rankY_.resize(y.size());
    for (std::size_t j = 0; j < lagCount(k); ++j) {
        const LagPairs pairs = pairsAt(static_cast<std::int32_t>(j) - k, x.size());
        const double tiesX = xRanks_.rank(pairs.firstX, pairs.count, rankX_);
        const double tiesY = yRanks_.rank(pairs.firstY, pairs.count, rankY_);
        correlations[j] = rhoOfRanks(std::span(rankX_).first(pairs.count),
                                     std::span(rankY_).first(pairs.count), tiesX, tiesY);
    }
}

} // namespace crosscorrelation
