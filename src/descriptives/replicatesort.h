#pragma once

#include "data/module1.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

// Ascending order of a buffer of values in place, for the median of a series and the
// percentile limits of its bootstrap means. Every sort here lets the windows live and the user
// stop it through carryOn(), which returns false when the run is cancelled.
namespace descriptives {

// Shell sort with halved gaps: each outer step walks its value down the gap chain, exchanging
// only when the left value is strictly greater, so equal values never move. carryOn() runs once
// per outer step; the sort stops at once, leaving a permutation of its input, when it returns
// false. Returns whether the sort completed.
template <typename CarryOn> bool shellSort(std::span<double> values, CarryOn&& carryOn) {
    const auto n = static_cast<std::ptrdiff_t>(values.size());
    for (std::ptrdiff_t gap = n / 2; gap >= 1; gap /= 2) {
        for (std::ptrdiff_t i = 0; i < n - gap; ++i) {
            for (std::ptrdiff_t j = i; j >= 0; j -= gap) {
                double& left = values[static_cast<std::size_t>(j)];
                double& right = values[static_cast<std::size_t>(j + gap)];
                if (left <= right) {
                    break;
                }
                std::swap(left, right);
            }
            if (!carryOn()) {
                return false;
            }
        }
    }
    return true;
}

// The same order as shellSort leaves, found faster when it is certain to be the same: among
// doubles only -0 and +0 compare equal with different bits, and a not-a-number compares with
// nothing, so a buffer with neither has one ascending order, whichever sort finds it. Otherwise
// the shell sort decides where they go. carryOn() is asked once after a fast sort.
template <typename CarryOn> bool sortAscending(std::span<double> values, CarryOn&& carryOn) {
    const bool oneOrder = std::none_of(values.begin(), values.end(), [](double value) {
        return std::isnan(value) || (value == 0.0 && std::signbit(value));
    });
    if (!oneOrder) {
        return shellSort(values, carryOn);
    }
    std::sort(values.begin(), values.end());
    return carryOn();
}

} // namespace descriptives

namespace Module1 {

// Sorts a(1..length) ascending by the shell sort; a length above the buffer's bound sorts what it
// holds. False when carryOn() stopped it, with a(1..length) left part-sorted.
template <typename CarryOn> bool sort(std::int32_t length, CarryOn&& carryOn) {
    if (length < 1) {
        return true;
    }
    const auto count = std::min<std::size_t>(static_cast<std::size_t>(length), a.size() - 1);
    return descriptives::shellSort(std::span(a).subspan(1, count), carryOn);
}

} // namespace Module1
