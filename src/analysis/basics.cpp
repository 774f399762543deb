#include "analysis/basics.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace analysis {

bool isConstant(std::span<const double> values) {
    return std::adjacent_find(values.begin(), values.end(), std::not_equal_to<>()) == values.end();
}

double mean(std::span<const double> values) {
    double sum = 0.0;
    for (const double value : values) {
        sum += value;
    }
    return sum / static_cast<double>(values.size());
}

double standardDeviation(std::span<const double> values, double mean, double divisor) {
    double squares = 0.0;
    for (const double value : values) {
        const double deviation = value - mean;
        squares += deviation * deviation;
    }
    return std::sqrt(squares / divisor);
}

Line trendLine(std::span<const double> values) {
    const auto count = static_cast<double>(values.size());
    const double meanValue = mean(values);
    const double meanPosition = (count + 1.0) / 2.0;
    double products = 0.0;
    double squares = 0.0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double position = static_cast<double>(i + 1) - meanPosition;
        products += position * (values[i] - meanValue);
        squares += position * position;
    }
    const double slope = products / squares;
    return {slope, meanValue - slope * meanPosition};
}

} // namespace analysis
