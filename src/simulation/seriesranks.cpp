#include "simulation/seriesranks.h"

#include "analysis/correlationbasics.h"

#include <algorithm>
#include <bit>

namespace simulation {

namespace {

// Unsigned keys in the order of the doubles; equal doubles get equal keys (-0 is 0 first).
std::uint64_t orderKey(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value + 0.0);
    constexpr std::uint64_t sign = std::uint64_t{1} << 63;
    return (bits & sign) != 0 ? ~bits : bits | sign;
}

} // namespace

SeriesRanks::SeriesRanks(std::size_t capacity) : items_(capacity), spare_(capacity) {}

void SeriesRanks::radixSort() {
    for (auto& count : counts_) {
        count.fill(0);
    }
    for (const Item& item : items_) {
        for (int d = 0; d < digits; ++d) {
            ++counts_[d][(item.key >> (8 * d)) & 0xff];
        }
    }
    // One stable counting pass per byte, from the lowest; a byte all keys share moves nothing.
    for (int d = 0; d < digits; ++d) {
        std::array<std::uint32_t, 256>& count = counts_[d];
        if (count[(items_[0].key >> (8 * d)) & 0xff] == items_.size()) {
            continue;
        }
        std::uint32_t position = 0;
        for (std::uint32_t& bucket : count) {
            const std::uint32_t members = bucket;
            bucket = position;
            position += members;
        }
        for (const Item& item : items_) {
            spare_[count[(item.key >> (8 * d)) & 0xff]++] = item;
        }
        items_.swap(spare_);
    }
}

double SeriesRanks::rank(std::span<const double> values, std::span<double> ranks) {
    const std::size_t size = values.size();
    items_.resize(size);
    spare_.resize(size);
    for (std::size_t i = 0; i < size; ++i) {
        items_[i] = {orderKey(values[i]), static_cast<std::uint32_t>(i)};
    }
    if (size <= shortSeries) {
        std::sort(items_.begin(), items_.end(),
                  [](const Item& a, const Item& b) { return a.key < b.key; });
    } else {
        radixSort();
    }
    double tieSum = 0.0;
    std::size_t start = 0;
    while (start < size) {
        std::size_t end = start + 1;
        while (end < size && items_[end].key == items_[start].key) {
            ++end;
        }
        // The positions start + 1 .. end share their mean, formed from their whole-number sum.
        const auto members = static_cast<std::int64_t>(end - start);
        const double rank = analysis::rankOfGroup(static_cast<std::int64_t>(start) + 1, members);
        for (std::size_t member = start; member < end; ++member) {
            ranks[items_[member].index] = rank;
        }
        if (members > 1) {
            tieSum = analysis::withGroup(tieSum, members);
        }
        start = end;
    }
    return tieSum;
}

} // namespace simulation
