#pragma once

#include "analysis/draws.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace correlation {

// Pearson r of the x values resampled with replacement against the fixed y values. The
// deviations of both columns from their observed means are taken once; a resample's sums are
// then the sums of its x deviations, corrected by their mean: the sums about the resample's own
// means, in one pass that the draws hide, with no digits lost to a large common offset.
class ResampledPearson {
  public:
    ResampledPearson(std::span<const double> x, std::span<const double> y);

    // r of the observed pairs, by the same arithmetic as every resample.
    double observed() const;

    // r of one resample of x drawn from stream; not a number when all drawn x values are equal.
    template <typename Stream> double resample(Stream& stream) const {
        const auto count = static_cast<std::int32_t>(xDeviation_.size());
        Sums sums;
        const double first = xDeviation_[analysis::drawPosition(stream, count) - 1];
        bool constant = true;
        sums.add(0, first, yDeviation_[0]);
        for (std::int32_t i = 1; i < count; ++i) {
            const double deviation = xDeviation_[analysis::drawPosition(stream, count) - 1];
            constant = constant && deviation == first;
            sums.add(i & 1, deviation, yDeviation_[i]);
        }
        return constant ? std::numeric_limits<double>::quiet_NaN() : r(sums);
    }

  private:
    // Two partial sums of each kind, for even and odd positions, so that the additions of
    // neighbouring values do not wait for each other.
    struct Sums {
        double x[2] = {0.0, 0.0};
        double xx[2] = {0.0, 0.0};
        double xy[2] = {0.0, 0.0};
        void add(int half, double dx, double dy) {
            x[half] += dx;
            xx[half] += dx * dx;
            xy[half] += dx * dy;
        }
    };

    double r(const Sums& sums) const;

    std::vector<double> xDeviation_;
    std::vector<double> yDeviation_;
    double yDeviationSum_ = 0.0;
    double yySum_ = 0.0;
    bool yConstant_ = false;
};

} // namespace correlation
