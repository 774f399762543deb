#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace simulation {

// Average ranks of one simulated series after another, in room kept from one series to the
// next: the same ranks and tie sum as analysis::averageRanks, for values that are all numbers.
// The values are put in order by keys that order as the doubles do: a long series by a radix
// sort, which takes the same few passes whatever the values, with no comparison to mispredict;
// a short one, where the radix sort's 256 buckets per pass would cost more, by comparisons.
class SeriesRanks {
  public:
    explicit SeriesRanks(std::size_t capacity);

    // ranks receives one rank per value; returns the tie sum, the total of t^3 - t over the
    // groups of t equal values.
    double rank(std::span<const double> values, std::span<double> ranks);

  private:
    struct Item {
        std::uint64_t key;
        std::uint32_t index;
    };
    static constexpr int digits = 8;
    static constexpr std::size_t shortSeries = 64;

    void radixSort();

    std::vector<Item> items_;
    std::vector<Item> spare_;
    std::array<std::array<std::uint32_t, 256>, digits> counts_{};
};

} // namespace simulation
