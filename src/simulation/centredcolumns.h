#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace simulation {

// A column that stays the same through a run (a design vector, the phase column): its
// deviations from its mean and their sum of squares, formed once instead of in every
// simulation, with the bits the shared two-pass Pearson r forms them with. A column whose
// squares would overflow or underflow (phase labels such as 1e-320) is brought near 1 by a
// power of two first, which leaves its r with any series unchanged.
class FixedColumn {
  public:
    explicit FixedColumn(std::span<const double> values);

    bool constant() const { return constant_; }
    std::span<const double> deviations() const { return deviations_; }
    double squares() const { return squares_; }

  private:
    bool constant_;
    std::vector<double> deviations_;
    double squares_ = 0.0;
};

// One simulated series about its mean, correlated with fixed columns: the Pearson r of the
// pairs, equal to the last bit to analysis::pearsonR of the same values near 1, and kept inside
// [-1, 1]. The rare series whose squares leave the safe range (a model's spread or slope far
// from 1, an explosive autoregression) is centred again after scaling by a power of two, so any
// finite series gets its true r; a series holding a value beyond the double range has none.
class CentredSeries {
  public:
    static constexpr std::size_t mostColumns = 7;

    explicit CentredSeries(std::size_t capacity) : deviations_(capacity) {}

    void centre(std::span<const double> series);
    // The r with each of at most mostColumns columns into results. The sums of all columns
    // are formed in one pass, each in index order, so their chains of additions overlap.
    void correlate(std::span<const FixedColumn* const> columns, std::span<double> results) const;

  private:
    std::vector<double> deviations_;
    std::size_t length_ = 0;
    bool constant_ = true;
    double squares_ = 0.0;
};

} // namespace simulation
