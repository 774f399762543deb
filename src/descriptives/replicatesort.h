#pragma once

#include "data/module1.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <span>
#include <utility>

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

// Puts at each of the positions asked for (0-based, ascending, within [from, to)) the value an
// ascending order of values[from, to) puts there. Each step selects the position nearest the
// middle of its range and splits the rest there, so the few limits of a bootstrap cost a pass
// or two over the buffer rather than a sort's n log n.
inline void selectPositions(std::span<double> values, std::size_t from, std::size_t to,
                            std::span<const std::size_t> positions) {
    if (positions.empty()) {
        return;
    }
    const std::size_t middle = from + (to - from) / 2;
    const auto distance = [middle](std::size_t at) {
        return at < middle ? middle - at : at - middle;
    };
    const auto split = std::min_element(
        positions.begin(), positions.end(),
        [&distance](std::size_t x, std::size_t y) { return distance(x) < distance(y); });
    const std::size_t at = *split;
    std::nth_element(values.begin() + static_cast<std::ptrdiff_t>(from),
                     values.begin() + static_cast<std::ptrdiff_t>(at),
                     values.begin() + static_cast<std::ptrdiff_t>(to));
    const auto below = std::lower_bound(positions.begin(), positions.end(), at);
    const auto above = std::upper_bound(positions.begin(), positions.end(), at);
    selectPositions(values, from, at, {positions.begin(), below});
    selectPositions(values, at + 1, to, {above, positions.end()});
}

// Moves the values at or below lowCut to the front and those at or above highCut to the back, in
// one pass; lowCut must lie below highCut. Returns where the values between them begin and end.
inline std::pair<std::size_t, std::size_t> splitTails(std::span<double> values, double lowCut,
                                                      double highCut) {
    std::size_t low = 0;
    std::size_t next = 0;
    std::size_t high = values.size();
    while (next < high) {
        const double value = values[next];
        if (value <= lowCut) {
            std::swap(values[low++], values[next++]);
        } else if (value >= highCut) {
            std::swap(values[next], values[--high]);
        } else {
            ++next;
        }
    }
    return {low, high};
}

// How many values selectInTails samples: every (size / tailSampleSize)-th one.
inline constexpr std::size_t tailSampleSize = 1024;

// As selectPositions over the whole buffer. Where the positions lie in both halves of a long
// buffer, as the limits of percentile intervals do, an evenly spaced sample of it gives a cut
// a little beyond the innermost position of each half; one pass moves each tail behind its cut,
// and the selection runs in the two tails alone. A tail that turns out too short for its
// positions (a sample far from the buffer's spread) sends the selection to the whole buffer.
inline void selectInTails(std::span<double> values, std::span<const std::size_t> positions) {
    constexpr std::size_t sampleSize = tailSampleSize;
    constexpr std::size_t shortestSampled = 16 * sampleSize;
    const std::size_t count = values.size();
    const auto upper = std::lower_bound(positions.begin(), positions.end(), count / 2);
    if (count < shortestSampled || upper == positions.begin() || upper == positions.end()) {
        selectPositions(values, 0, count, positions);
        return;
    }
    std::array<double, sampleSize> sample{};
    for (std::size_t i = 0; i < sampleSize; ++i) {
        sample[i] = values[i * (count / sampleSize)];
    }
    std::sort(sample.begin(), sample.end());
    // The sample rank of a fraction of the buffer, moved outwards by four standard deviations
    // of a sampled rank.
    const auto sampleRank = [](double fraction, double outwards) {
        const double spread = 4.0 * std::sqrt(sampleSize * fraction * (1.0 - fraction)) + 1.0;
        const double rank = fraction * sampleSize + outwards * spread;
        return static_cast<std::size_t>(std::clamp(rank, 0.0, sampleSize - 1.0));
    };
    const std::size_t innermostLow = *(upper - 1);
    const std::size_t innermostHigh = *upper;
    const double lowCut =
        sample[sampleRank(static_cast<double>(innermostLow + 1) / static_cast<double>(count), 1.0)];
    const double highCut =
        sample[sampleRank(static_cast<double>(innermostHigh) / static_cast<double>(count), -1.0)];
    if (lowCut < highCut) {
        const auto [lowEnd, highBegin] = splitTails(values, lowCut, highCut);
        if (lowEnd > innermostLow && highBegin <= innermostHigh) {
            selectPositions(values, 0, lowEnd, {positions.begin(), upper});
            selectPositions(values, highBegin, count, {upper, positions.end()});
            return;
        }
    }
    selectPositions(values, 0, count, positions);
}

// Leaves at each of the positions asked for (0-based, ascending, repeats allowed) the value
// that shellSort leaves there, found faster when it is certain to be the same: among doubles
// only -0 and +0 compare equal with different bits, and a not-a-number compares with nothing,
// so in a buffer with neither every position of the ascending order holds one value, however
// it is found. Otherwise the shell sort orders the whole buffer. carryOn() is asked once after
// a selection.
template <typename CarryOn>
bool orderAtPositions(std::span<double> values, std::span<const std::size_t> positions,
                      CarryOn&& carryOn) {
    const bool oneOrder = std::none_of(values.begin(), values.end(), [](double value) {
        return std::isnan(value) || (value == 0.0 && std::signbit(value));
    });
    if (!oneOrder) {
        return shellSort(values, carryOn);
    }
    selectInTails(values, positions);
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
