#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The correlation arithmetic every analysis shares. Each step is rounded to a double in the
// order written, so a result is the same to the last bit wherever it is computed.
namespace analysis {

// A correlation kept inside [-1, 1], where rounding can push it an ulp past; not a number stays
// not a number.
inline double clampedCorrelation(double r) {
    return r > 1.0 ? 1.0 : (r < -1.0 ? -1.0 : r);
}

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

// Twice the rank of a group of equal values at positions lowest .. lowest + size - 1: the mean
// of those positions is lowest + (size - 1) / 2, a multiple of 1/2, so twice it is whole.
inline std::int64_t twiceRankOfGroup(std::int64_t lowest, std::int64_t size) {
    return 2 * lowest + size - 1;
}

// The rank of such a group, exactly as a position-by-position count gives it: half of a whole
// number far below 2^53 is a double without rounding.
// Inline, as this and withGroup run once per group of every ranked series.
inline double rankOfGroup(std::int64_t lowest, std::int64_t size) {
    return static_cast<double>(twiceRankOfGroup(lowest, size)) / 2.0;
}

// t^3 - t of a group of t equal values added to a tie sum. Every term is a whole number far
// below 2^53, so the sum has the same bits in whatever order the groups come.
inline double withGroup(double tieSum, std::int64_t size) {
    const auto t = static_cast<double>(size);
    return (tieSum + t * t * t) - t;
}

// The distinct values of a fixed set of observed values, numbered 0, 1, .. in rank order. The
// average ranks of values drawn from the set with replacement depend only on how often each
// class was drawn: a class takes the positions after those of every lower class drawn.
class RankClasses {
  public:
    explicit RankClasses(std::span<const double> observed);

    // The class of observed value index (0-based).
    std::int32_t classOf(std::int32_t index) const {
        return classOf_[static_cast<std::size_t>(index)];
    }

    // The number of distinct observed values.
    std::int32_t classes() const { return classes_; }

  private:
    std::vector<std::int32_t> classOf_; // observed index -> rank order of its value
    std::int32_t classes_ = 0;
};

// The tie-corrected Spearman rho of two columns of average ranks with their tie sums.
double tieCorrectedRho(std::span<const double> ranksX, std::span<const double> ranksY,
                       double tieSumX, double tieSumY);

// The same rho from the number of pairs and the sum of the squared rank differences, which is
// exact in any order of adding: average ranks are multiples of 1/2, so every squared difference
// is a multiple of 1/4.
double rhoFromSquaredDifferences(std::size_t pairs, double squaredDifferences, double tieSumX,
                                 double tieSumY);

// A resampled statistic that lies within this of the observed one ties it: relative to the
// observed value, and absolute for an observed value near 0. A resample equal to the observed
// statistic in exact arithmetic is computed by other arithmetic and lands a few units of the
// last place to either side; distinct correlations of up to 199 pairs lie much further apart.
inline constexpr double tieTolerance = 1e-14;

// Which resampled statistics lie at least as far out as an observed one, on the observed one's
// side of zero, a tie included. An observed value within the tolerance of 0 is 0 and has no
// side: every resample at or above 0, less the tolerance, counts, since counting only one side
// of an exact 0 would make it look significant. A value that is not a number never counts, nor
// does any resample against an observed value that is not a number: every ordered comparison
// with it is false.
// The bound turns on the observed value alone, so a loop forms the rule once and asks it for
// every resample; inline, as that is the loops' innermost step.
class ExtremeRule {
  public:
    explicit ExtremeRule(double observed) {
        const double magnitude = std::fabs(observed);
        if (std::isnan(observed)) {
            bound_ = observed;
        } else if (magnitude <= tieTolerance) {
            bound_ = -tieTolerance;
        } else {
            below_ = observed < 0.0;
            const double tolerance = tieTolerance * std::max(1.0, magnitude);
            bound_ = below_ ? observed + tolerance : observed - tolerance;
        }
    }

    bool counts(double resampled) const {
        return below_ ? resampled <= bound_ : resampled >= bound_;
    }

  private:
    double bound_ = 0.0;
    bool below_ = false;
};

// The rule for a single resample.
inline bool countsAsExtreme(double resampled, double observed) {
    return ExtremeRule(observed).counts(resampled);
}

// The one-sided p of count extreme resamples out of those whose statistic is a number, kept
// inside [.0001, .9999]; not a number when no resample gave a number.
double bootstrapP(std::int32_t count, std::int32_t numbered);

} // namespace analysis
