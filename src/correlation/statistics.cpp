#include "correlation/statistics.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace correlation {

namespace {

bool hasSpread(std::span<const double> values) {
    return std::adjacent_find(values.begin(), values.end(), std::not_equal_to<>()) != values.end();
}

} // namespace

double pearsonR(std::span<const double> x, std::span<const double> y) {
    const std::size_t pairs = std::min(x.size(), y.size());
    // A column without spread has no correlation. Its sums would leave a rounding residue
    // instead (0.1 seven times gives r = 2e-08) and pass it off as a real r.
    if (!hasSpread(x.first(pairs)) || !hasSpread(y.first(pairs))) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const auto count = static_cast<double>(pairs);
    double sumXY = 0.0;
    double sumX = 0.0;
    double sumY = 0.0;
    double sumXX = 0.0;
    double sumYY = 0.0;
    for (std::size_t i = 0; i < pairs; ++i) {
        sumXY += x[i] * y[i];
        sumX += x[i];
        sumY += y[i];
        sumXX += x[i] * x[i];
        sumYY += y[i] * y[i];
    }
    const double sxy = sumXY - (sumX * sumY) / count;
    const double sxx = sumXX - (sumX * sumX) / count;
    const double syy = sumYY - (sumY * sumY) / count;
    return sxy / std::sqrt(sxx * syy);
}

double lagAutocorrelation(std::span<const double> series, std::int32_t lag) {
    const auto length = static_cast<std::int64_t>(series.size());
    if (lag < 0 || lag >= length) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    double sum = 0.0;
    for (const double value : series) {
        sum += value;
    }
    const double mean = sum / static_cast<double>(length);
    const std::int64_t lagged = length - lag;
    double crossProducts = 0.0;
    for (std::int64_t i = 0; i < lagged; ++i) {
        crossProducts += (series[i] - mean) * (series[i + lag] - mean);
    }
    double squares = 0.0;
    for (const double value : series) {
        squares += (value - mean) * (value - mean);
    }
    double r = ((1.0 / static_cast<double>(lagged)) * crossProducts) /
               ((1.0 / static_cast<double>(length)) * squares);
    if (r > 1.0) {
        r = 1.0;
    }
    if (r < -1.0) {
        r = -1.0;
    }
    return r;
}

namespace {

// A strict weak order even for values that are not numbers: those go last and tie with each
// other, so sorting never misbehaves on any input.
bool ranksBelow(double a, double b) {
    return a < b || (std::isnan(b) && !std::isnan(a));
}

// The rank of a group of equal values at positions lowest .. lowest + size - 1: the integer
// sum of those positions divided by the size, exactly as a position-by-position count gives it.
double rankOfGroup(std::int64_t lowest, std::int64_t size) {
    const std::int64_t positionSum = size * lowest + size * (size - 1) / 2;
    return static_cast<double>(positionSum) / static_cast<double>(size);
}

// t^3 - t for every group, taken by group size from 2 up. groupsOfSize[t] counts the groups of
// t equal values.
double tieSumOf(std::span<const std::int64_t> groupsOfSize) {
    double tieSum = 0.0;
    for (std::size_t size = 2; size < groupsOfSize.size(); ++size) {
        const auto t = static_cast<double>(size);
        for (std::int64_t group = 0; group < groupsOfSize[size]; ++group) {
            tieSum = (tieSum + t * t * t) - t;
        }
    }
    return tieSum;
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
    std::vector<std::int64_t> groupsOfSize(values.size() + 1, 0);
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
        ++groupsOfSize[end - start];
        start = end;
    }
    return tieSumOf(groupsOfSize);
}

DrawnRanks::DrawnRanks(std::span<const double> observed) : classOf_(observed.size()) {
    const std::vector<IndexedValue> order = inOrder(observed);
    std::int32_t classes = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && ranksBelow(order[i - 1].value, order[i].value)) {
            ++classes;
        }
        classOf_[order[i].index] = classes;
    }
    members_.resize(order.empty() ? 0 : static_cast<std::size_t>(classes) + 1);
    lowest_.resize(members_.size());
    groupsOfSize_.resize(observed.size() + 1);
}

double DrawnRanks::rank(std::span<const std::int32_t> drawn, std::span<double> ranks) {
    std::fill(members_.begin(), members_.end(), 0);
    for (const std::int32_t index : drawn) {
        ++members_[classOf_[index]];
    }
    std::fill(groupsOfSize_.begin(), groupsOfSize_.end(), 0);
    std::int64_t position = 1;
    for (std::size_t c = 0; c < members_.size(); ++c) {
        lowest_[c] = position;
        position += members_[c];
        ++groupsOfSize_[members_[c]];
    }
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const std::int32_t c = classOf_[drawn[i]];
        ranks[i] = rankOfGroup(lowest_[c], members_[c]);
    }
    return tieSumOf(groupsOfSize_);
}

double tieCorrectedRho(std::span<const double> ranksX, std::span<const double> ranksY,
                       double tieSumX, double tieSumY) {
    const std::size_t pairs = std::min(ranksX.size(), ranksY.size());
    double squaredDifferences = 0.0;
    for (std::size_t i = 0; i < pairs; ++i) {
        const double difference = ranksX[i] - ranksY[i];
        squaredDifferences += difference * difference;
    }
    const auto count = static_cast<double>(pairs);
    const double cube = count * count * count;
    const double tx = ((cube - count) - tieSumX) / 12.0;
    const double ty = ((cube - count) - tieSumY) / 12.0;
    return ((tx + ty) - squaredDifferences) / (2.0 * std::sqrt(tx * ty));
}

bool countsAsExtreme(double resampled, double observed) {
    return (resampled > 0.0 && observed > 0.0 && resampled > observed) ||
           (resampled < 0.0 && observed < 0.0 && resampled < observed) || resampled == observed;
}

double bootstrapP(std::int32_t count, std::int32_t iterations) {
    double p = static_cast<double>(count) / static_cast<double>(iterations);
    if (p < 0.0001) {
        p = 0.0001;
    }
    if (p > 0.9999) {
        p = 0.9999;
    }
    return p;
}

} // namespace correlation
