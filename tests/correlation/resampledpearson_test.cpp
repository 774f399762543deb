#include "correlation/resampledpearson.h"

#include "analysis/correlationbasics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <vector>

namespace {

// Draws the given positions 1..count, one uniform each.
class Positions {
  public:
    Positions(std::vector<int> positions, int count)
        : positions_(std::move(positions)), count_(count) {}
    double next() { return (positions_.at(used_++) - 0.5) / count_; }

  private:
    std::vector<int> positions_;
    int count_;
    std::size_t used_ = 0;
};

TEST(ResampledPearson, AResampleThatMissesAFarValueKeepsItsDigits) {
    // A typing slip of 1e9 puts the observed mean far from every other value. A resample that
    // misses it has a spread of a few units at 2e8 from that mean: corrected by the mean shift,
    // its sums would cancel every digit.
    const std::vector<double> x{1, 2, 3, 4, 1e9, 2, 3};
    const std::vector<double> y{2, 1, 4, 3, 5, 7, 6};
    correlation::ResampledPearson pearson(x, y);
    const std::vector<int> drawn{1, 2, 3, 4, 6, 7, 1};
    Positions stream(drawn, 7);
    std::vector<double> resample;
    for (const int position : drawn) {
        resample.push_back(x[static_cast<std::size_t>(position - 1)]);
    }
    const double expected = analysis::pearsonR(resample, y);
    const double r = pearson.resample(stream);
    EXPECT_NEAR(r, expected, 1e-12);
    EXPECT_LE(std::abs(r), 1.0);
}

TEST(ResampledPearson, EqualDrawsHaveNoR) {
    const std::vector<double> x{0.1, 0.7, 0.1};
    const std::vector<double> y{1, 2, 3};
    correlation::ResampledPearson pearson(x, y);
    Positions stream({1, 3, 1}, 3);
    EXPECT_TRUE(std::isnan(pearson.resample(stream)));
    EXPECT_NEAR(pearson.observed(), analysis::pearsonR(x, y), 1e-15);
}

} // namespace
