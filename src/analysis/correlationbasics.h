#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The correlation arithmetic every analysis shares. Each step is rounded to a double in the
// order written, so a result is the same to the last bit wherever it is computed.
namespace analysis {

// Pearson product-moment r of the pairs (x[i], y[i]), with the sums formed about the means; the
// shorter span sets the number of pairs. Not a number when a column is constant.
double pearsonR(std::span<const double> x, std::span<const double> y);

// Lag autocorrelation estimate: the lagged cross-product sum over m - lag, the sum of squares
// over m, clamped to [-1, 1], about the mean. Not a number for a lag outside 0..m-1 or a
// constant series.
double lagAutocorrelation(std::span<const double> series, std::int32_t lag);

// Writes the average rank of every value into ranks (equal values share the mean of the
// positions they occupy) and returns the tie sum, the total of t^3 - t over the groups of t
// equal values. ranks must hold at least as many elements as values.
double averageRanks(std::span<const double> values, std::span<double> ranks);

// Average ranks of values drawn, with replacement, from a fixed set of observed values: the
// same ranks and tie sum as averageRanks of the drawn values, in time linear in their number.
class DrawnRanks {
  public:
    explicit DrawnRanks(std::span<const double> observed);

    // drawn holds 0-based indices into the observed values; ranks receives one rank per draw
    // (at least as many elements as draws). Returns the tie sum.
    double rank(std::span<const std::int32_t> drawn, std::span<double> ranks);

  private:
    std::vector<std::int32_t> classOf_; // observed index -> rank order of its value
    std::vector<std::int64_t> members_; // draws of each distinct value
    std::vector<double> classRank_;     // the average rank of each distinct value drawn
};

// The tie-corrected Spearman rho of two columns of average ranks with their tie sums.
double tieCorrectedRho(std::span<const double> ranksX, std::span<const double> ranksY,
                       double tieSumX, double tieSumY);

// The same rho from the sum of the squared rank differences of the pairs.
double rhoOfSquaredDifferences(double squaredDifferences, std::size_t pairs, double tieSumX,
                               double tieSumY);

// True when a resampled statistic lies at least as far out as the observed one on the observed
// one's side of zero; with an observed value of exactly 0 only exact equals count, and a value
// that is not a number never counts.
bool countsAsExtreme(double resampled, double observed);

// The one-sided p of count extreme resamples out of iterations, kept inside [.0001, .9999].
double bootstrapP(std::int32_t count, std::int32_t iterations);

} // namespace analysis
