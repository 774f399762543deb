#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace simulation {

// How many simulated statistics reach each threshold j/100, j = 0..100, in absolute value. Each
// statistic lands in the bucket of the highest threshold it reaches, so a count at j is the sum
// of the buckets from j up: every count equals the 101 comparisons |r| >= j/100 against the
// doubles j/100. A statistic that is not a finite number (a zero spread divided into a sum)
// reaches no threshold and is left out of the number of statistics the shares are taken of.
class SignificanceGrid {
  public:
    static constexpr std::int32_t thresholds = 101;

    void add(double statistic) {
        if (!std::isfinite(statistic)) {
            return;
        }
        const double magnitude = std::fabs(statistic);
        ++buckets_[magnitude >= 1.0 ? 100 : bucketOf(magnitude)];
        ++numbers_;
    }

    // The number of statistics whose magnitude is at least j/100.
    std::int32_t atLeast(std::int32_t j) const;
    // The number of statistics that were numbers.
    std::int32_t numbers() const { return numbers_; }

    // The highest j with j/100 <= magnitude, for 0 <= magnitude < 1. The product with 100 may
    // round across a threshold (0.29 * 100 is 28.999999999999996), so the first guess is moved
    // until it brackets the magnitude between the doubles j/100 and (j + 1)/100.
    static std::int32_t bucketOf(double magnitude) {
        auto j = static_cast<std::int32_t>(magnitude * 100.0);
        while (j < 100 && static_cast<double>(j + 1) / 100.0 <= magnitude) {
            ++j;
        }
        while (j > 0 && static_cast<double>(j) / 100.0 > magnitude) {
            --j;
        }
        return j;
    }

  private:
    std::array<std::int32_t, thresholds> buckets_{};
    std::int32_t numbers_ = 0;
};

// The threshold an observed statistic is judged at: its magnitude rounded to two decimals as
// Format(|r|, "#.00") prints it, read back and matched against the doubles j/100. None for a
// statistic that is not finite or rounds above 1.
std::optional<std::int32_t> thresholdOf(double observed);

// The p text of an observed statistic: the share of the simulations that gave a number whose
// magnitude reached its threshold, "0.0001" for a share of 0, otherwise with the mask "#.0000";
// "undefined" when it has no threshold or no simulation gave a number.
std::string pText(const SignificanceGrid& grid, double observed);

// One row of a significance table: label, the threshold, and the share that reached it.
std::string tableRow(const SignificanceGrid& grid, std::int32_t j, const std::string& label);

} // namespace simulation
