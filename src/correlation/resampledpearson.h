#pragma once

#include "analysis/draws.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>
#include <vector>

namespace correlation {

// Pearson r of the x values resampled with replacement against the fixed y values. The
// deviations of both columns from their observed means are taken once; a resample's sums are
// then the sums of its x deviations, corrected by their mean: the sums about the resample's own
// means, in one pass that the draws hide, so a large common offset costs no digits. The
// deviations are those of the columns scaled near 1 by powers of two, which r does not see and
// which changes no bit of it, so no sum overflows. A resample whose sums cannot be trusted (its
// spread tiny against its distance from the observed mean, or too small for its square to be a
// normal number) is taken again from the drawn values themselves.
class ResampledPearson {
  public:
    ResampledPearson(std::span<const double> x, std::span<const double> y);

    // r of the observed pairs, by the same arithmetic as every resample.
    double observed() {
        return r(sumsOf([&](std::int32_t i) {
            drawnAt_[i] = static_cast<std::size_t>(i + 1);
            return xDeviationAt_[i + 1];
        }));
    }

    // r of one resample of x drawn from stream; not a number when all drawn x values are equal.
    template <typename Stream> double resample(Stream& stream) {
        const auto count = static_cast<std::int32_t>(drawnAt_.size());
        return r(sumsOf([&](std::int32_t i) {
            // Positions are positive: widened as unsigned they index without a sign extension,
            // and kept at full width they are stored as cheaply as a deviation (a 32-bit store
            // of them costs a twentieth of the loop).
            const auto position = static_cast<std::size_t>(
                static_cast<std::uint32_t>(analysis::drawPosition(stream, count)));
            drawnAt_[i] = position;
            return xDeviationAt_[position];
        }));
    }

  private:
    // The sums of the x deviations, of their squares and of their products with the y
    // deviations, each added up as two partial sums, of the even and of the odd positions, so
    // that the additions of neighbouring values do not wait for each other.
    struct Sums {
        double x = 0.0;
        double xx = 0.0;
        double xy = 0.0;
    };

    // xDeviationAt(i) gives the x deviation paired with y position i, in rising order of i, and
    // leaves its position in drawnAt_[i]; there are at least two pairs.
    template <typename XDeviationAt> Sums sumsOf(XDeviationAt xDeviationAt) const {
        // Lane 0 holds the partial sums of the even positions, lane 1 those of the odd ones: the
        // same additions in the same order as two scalar sums, one instruction for both.
        using Lanes = double __attribute__((vector_size(16)));
        const auto count = static_cast<std::int32_t>(drawnAt_.size());
        Lanes x = {0.0, 0.0};
        Lanes xx = {0.0, 0.0};
        Lanes xy = {0.0, 0.0};
        std::int32_t i = 0;
        for (; i + 2 <= count; i += 2) {
            const double even = xDeviationAt(i);
            const double odd = xDeviationAt(i + 1);
            const Lanes deviations = {even, odd};
            Lanes yDeviations;
            std::memcpy(&yDeviations, &yDeviation_[i], sizeof yDeviations);
            x += deviations;
            xx += deviations * deviations;
            xy += deviations * yDeviations;
        }
        if (i < count) {
            const double even = xDeviationAt(i);
            x[0] += even;
            xx[0] += even * even;
            xy[0] += even * yDeviation_[i];
        }
        return {x[0] + x[1], xx[0] + xx[1], xy[0] + xy[1]};
    }

    // r from the sums of the x deviations drawn at drawnAt_.
    double r(const Sums& sums);

    // r of the x values drawn at drawnAt_ against y, each column summed about its own mean.
    double rOfDrawnValues();

    std::vector<double> xValueAt_;     // by position 1..N, as the draws give them
    std::vector<double> xDeviationAt_; // of the scaled x, by position
    std::vector<double> y_;
    std::vector<double> yDeviation_; // of the scaled y
    std::vector<std::size_t> drawnAt_;
    std::vector<double> drawnValues_;
    double yDeviationSum_ = 0.0;
    double yySum_ = 0.0;
    bool yConstant_ = false;
};

} // namespace correlation
