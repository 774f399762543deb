#include "crosscorrelation/textbar.h"

#include "framework/conversions.h"

#include <cstdint>
#include <cstdlib>

namespace Module1 {

namespace {

constexpr std::int32_t halfWidth = 25;

// Truncation toward zero gives both sides of the axis the same scale. A correlation that is
// not a number has no bar at all.
std::string bar(double r, char mark) {
    const std::int32_t marks = std::abs(framework::toInt32(r * halfWidth));
    const std::string empty(halfWidth, ' ');
    const std::int32_t blanks = marks < halfWidth ? halfWidth - marks : 0;
    if (r < 0.0) {
        return std::string(static_cast<std::size_t>(blanks), ' ') +
               std::string(static_cast<std::size_t>(marks), mark) + "|" + empty;
    }
    if (r > 0.0) {
        return empty + "|" + std::string(static_cast<std::size_t>(marks), mark) +
               std::string(static_cast<std::size_t>(blanks), ' ');
    }
    if (r == 0.0) {
        return empty + "|" + empty;
    }
    return {};
}

} // namespace

std::string corrtograph(double r) {
    return bar(r, '.');
}

std::string corrtograph2(double r) {
    return bar(r, 'O');
}

} // namespace Module1
