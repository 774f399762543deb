#include "simulation/significancegrid.h"

#include "framework/conversions.h"

#include <cmath>

namespace simulation {

std::int32_t SignificanceGrid::atLeast(std::int32_t j) const {
    std::int32_t count = 0;
    for (std::int32_t bucket = j; bucket < thresholds; ++bucket) {
        count += buckets_[bucket];
    }
    return count;
}

std::optional<std::int32_t> thresholdOf(double observed) {
    if (!std::isfinite(observed)) {
        return std::nullopt;
    }
    const double key = framework::CDbl(framework::Format(std::fabs(observed), "#.00"));
    for (std::int32_t j = 0; j < SignificanceGrid::thresholds; ++j) {
        if (key == static_cast<double>(j) / 100.0) {
            return j;
        }
    }
    return std::nullopt;
}

std::string pText(const SignificanceGrid& grid, double observed) {
    const std::optional<std::int32_t> j = thresholdOf(observed);
    if (!j || grid.numbers() == 0) {
        return "undefined";
    }
    const double p = static_cast<double>(grid.atLeast(*j)) / static_cast<double>(grid.numbers());
    return p == 0.0 ? "0.0001" : framework::Format(p, "#.0000");
}

std::string tableRow(const SignificanceGrid& grid, std::int32_t j, const std::string& label) {
    std::string row = label + framework::Format(static_cast<double>(j) / 100.0, "0.00") + "  p = ";
    if (grid.numbers() == 0) {
        return row + "undefined";
    }
    return row +
           framework::Format(
               static_cast<double>(grid.atLeast(j)) / static_cast<double>(grid.numbers()), "0.000");
}

} // namespace simulation
