#include "analysis/scaling.h"

#include <cmath>

namespace analysis {

int largestExponent(std::span<const double> values) {
    double largest = 0.0;
    for (const double value : values) {
        if (std::isfinite(value) && std::fabs(value) > largest) {
            largest = std::fabs(value);
        }
    }
    return largest > 0.0 ? std::ilogb(largest) : 0;
}

std::vector<double> scaledDown(std::span<const double> values, int exponent) {
    std::vector<double> scaled(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        scaled[i] = std::ldexp(values[i], -exponent);
    }
    return scaled;
}

} // namespace analysis
