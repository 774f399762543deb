#pragma once

#include <cstdint>
#include <span>
#include <vector>

// What every engine of the simulation test shares: the texts of its progress window and the
// points of the module's arrays it reads.
namespace simulation {

inline constexpr const char* runningTitle = "Running Simulation Models";
inline constexpr const char* counterLabel = "Number of iterations completed";

// Points 1..count of a module array.
template <typename Array> auto points(Array& array, std::int32_t count) {
    return std::span(array).subspan(1, static_cast<std::size_t>(count));
}

// Points 1..count of a module array, as doubles.
template <typename Array> std::vector<double> pointValues(const Array& array, std::int32_t count) {
    const auto values = points(array, count);
    return {values.begin(), values.end()};
}

} // namespace simulation
