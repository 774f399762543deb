#include "analysis/basics.h"

#include "analysis/scaling.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace analysis {

namespace {

double sumInOrder(std::span<const double> values) {
    double sum = 0.0;
    for (const double value : values) {
        sum += value;
    }
    return sum;
}

double squaresAbout(std::span<const double> values, double centre) {
    double squares = 0.0;
    for (const double value : values) {
        const double deviation = value - centre;
        squares += deviation * deviation;
    }
    return squares;
}

} // namespace

bool isConstant(std::span<const double> values) {
    return std::adjacent_find(values.begin(), values.end(), std::not_equal_to<>()) == values.end();
}

double mean(std::span<const double> values) {
    const auto count = static_cast<double>(values.size());
    const int exponent = largestExponent(values);
    if (isFarFromOne(exponent)) {
        return std::ldexp(sumInOrder(scaledDown(values, exponent)) / count, exponent);
    }
    return sumInOrder(values) / count;
}

double midpoint(double a, double b) {
    const double sum = a + b;
    return std::isfinite(sum) ? sum / 2.0 : a / 2.0 + b / 2.0;
}

double standardDeviation(std::span<const double> values, double mean, double divisor) {
    if (isConstant(values)) {
        return divisor > 0.0 ? 0.0 : std::numeric_limits<double>::quiet_NaN();
    }
    const int exponent = largestExponent(values);
    if (isFarFromOne(exponent)) {
        const std::vector<double> scaled = scaledDown(values, exponent);
        const double scaledMean = sumInOrder(scaled) / static_cast<double>(scaled.size());
        return std::ldexp(std::sqrt(squaresAbout(scaled, scaledMean) / divisor), exponent);
    }
    return std::sqrt(squaresAbout(values, mean) / divisor);
}

double standardScore(double value, double mean, double sd) {
    const double parts[] = {value, mean, sd};
    const int exponent = largestExponent(parts);
    if (isFarFromOne(exponent)) {
        return (std::ldexp(value, -exponent) - std::ldexp(mean, -exponent)) /
               std::ldexp(sd, -exponent);
    }
    return (value - mean) / sd;
}

Line trendLine(std::span<const double> values) {
    const int exponent = largestExponent(values);
    if (isFarFromOne(exponent)) {
        const Line scaled = trendLine(scaledDown(values, exponent));
        return {std::ldexp(scaled.slope, exponent), std::ldexp(scaled.intercept, exponent)};
    }
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
