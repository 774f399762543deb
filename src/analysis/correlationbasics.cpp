#include "analysis/correlationbasics.h"

#include "analysis/basics.h"
#include "analysis/scaling.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace analysis {

double pearsonR(std::span<const double> x, std::span<const double> y) {
    const std::size_t pairs = std::min(x.size(), y.size());
    x = x.first(pairs);
    y = y.first(pairs);
    // A column without spread has no correlation. Its sums would leave a rounding residue
    // instead (0.1 seven times gives r = 2e-08) and pass it off as a real r.
    if (isConstant(x) || isConstant(y)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    // r does not depend on the scale of either column.
    const int exponentX = largestExponent(x);
    const int exponentY = largestExponent(y);
    if (isFarFromOne(exponentX) || isFarFromOne(exponentY)) {
        return pearsonR(scaledDown(x, exponentX), scaledDown(y, exponentY));
    }
    const double meanX = mean(x);
    const double meanY = mean(y);
    double sxy = 0.0;
    double sxx = 0.0;
    double syy = 0.0;
    for (std::size_t i = 0; i < pairs; ++i) {
        const double dx = x[i] - meanX;
        const double dy = y[i] - meanY;
        sxy += dx * dy;
        sxx += dx * dx;
        syy += dy * dy;
    }
    return clampedCorrelation(sxy / std::sqrt(sxx * syy));
}

double lagAutocorrelation(std::span<const double> series, std::int32_t lag) {
    const auto length = static_cast<std::int64_t>(series.size());
    if (lag < 0 || lag >= length || isConstant(series)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const int exponent = largestExponent(series);
    if (isFarFromOne(exponent)) {
        return lagAutocorrelation(scaledDown(series, exponent), lag);
    }
    const double meanValue = mean(series);
    const std::int64_t lagged = length - lag;
    double crossProducts = 0.0;
    for (std::int64_t i = 0; i < lagged; ++i) {
        crossProducts += (series[i] - meanValue) * (series[i + lag] - meanValue);
    }
    double squares = 0.0;
    for (const double value : series) {
        squares += (value - meanValue) * (value - meanValue);
    }
    return clampedCorrelation(((1.0 / static_cast<double>(lagged)) * crossProducts) /
                              ((1.0 / static_cast<double>(length)) * squares));
}

namespace {

// A strict weak order even for values that are not numbers: those go last and tie with each
// other, so sorting never misbehaves on any input.
bool ranksBelow(double a, double b) {
    return a < b || (std::isnan(b) && !std::isnan(a));
}

struct IndexedValue {
    double value;
    std::size_t index;
};

// The values with their indices, in ascending order.
std::vector<IndexedValue> inOrder(std::span<const double> values) {
    std::vector<IndexedValue> order(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        order[i] = {values[i], i};
    }
    std::sort(order.begin(), order.end(), [](const IndexedValue& a, const IndexedValue& b) {
        return ranksBelow(a.value, b.value);
    });
    return order;
}

} // namespace

double averageRanks(std::span<const double> values, std::span<double> ranks) {
    const std::vector<IndexedValue> order = inOrder(values);
    double tieSum = 0.0;
    std::size_t start = 0;
    while (start < order.size()) {
        std::size_t end = start + 1;
        while (end < order.size() && !ranksBelow(order[start].value, order[end].value)) {
            ++end;
        }
        const double rank = rankOfGroup(static_cast<std::int64_t>(start) + 1,
                                        static_cast<std::int64_t>(end - start));
        for (std::size_t member = start; member < end; ++member) {
            ranks[order[member].index] = rank;
        }
        tieSum = withGroup(tieSum, static_cast<std::int64_t>(end - start));
        start = end;
    }
    return tieSum;
}

RankClasses::RankClasses(std::span<const double> observed) : classOf_(observed.size()) {
    const std::vector<IndexedValue> order = inOrder(observed);
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && ranksBelow(order[i - 1].value, order[i].value)) {
            ++classes_;
        }
        classOf_[order[i].index] = classes_;
    }
    classes_ += order.empty() ? 0 : 1;
}

double tieCorrectedRho(std::span<const double> ranksX, std::span<const double> ranksY,
                       double tieSumX, double tieSumY) {
    const std::size_t pairs = std::min(ranksX.size(), ranksY.size());
    // Every partial sum is exact, so four sums that do not wait for each other give the same
    // bits as one.
    double partial[4] = {0.0, 0.0, 0.0, 0.0};
    std::size_t i = 0;
    for (; i + 4 <= pairs; i += 4) {
        for (std::size_t lane = 0; lane < 4; ++lane) {
            const double difference = ranksX[i + lane] - ranksY[i + lane];
            partial[lane] += difference * difference;
        }
    }
    for (; i < pairs; ++i) {
        const double difference = ranksX[i] - ranksY[i];
        partial[0] += difference * difference;
    }
    return rhoFromSquaredDifferences(pairs, (partial[0] + partial[1]) + (partial[2] + partial[3]),
                                     tieSumX, tieSumY);
}

double rhoFromSquaredDifferences(std::size_t pairs, double squaredDifferences, double tieSumX,
                                 double tieSumY) {
    const auto count = static_cast<double>(pairs);
    const double cube = count * count * count;
    const double tx = ((cube - count) - tieSumX) / 12.0;
    const double ty = ((cube - count) - tieSumY) / 12.0;
    return clampedCorrelation(((tx + ty) - squaredDifferences) / (2.0 * std::sqrt(tx * ty)));
}

double bootstrapP(std::int32_t count, std::int32_t numbered) {
    if (numbered == 0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    double p = static_cast<double>(count) / static_cast<double>(numbered);
    if (p < 0.0001) {
        p = 0.0001;
    }
    if (p > 0.9999) {
        p = 0.9999;
    }
    return p;
}

} // namespace analysis
