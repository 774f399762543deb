#include "analysis/correlationbasics.h"
#include "correlation/resampledpearson.h"
#include "crosscorrelation/crosslags.h"
#include "descriptives/autocorrelationbootstrap.h"
#include "descriptives/autocorrelationcoefficients.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

// Uniform draws in [0, 1) from a seeded generator, so that two kernels given the same seed draw
// the same positions.
class Uniforms {
  public:
    explicit Uniforms(std::uint64_t seed) : generator_(seed) {}
    double next() { return static_cast<double>(generator_() >> 11) * 0x1p-53; }

  private:
    std::mt19937_64 generator_;
};

// Every value printed as "+#.000" or with seven digits agrees when two results lie this close;
// not a number agrees only with not a number.
void expectSame(double scaled, double unscaled, const std::string& what) {
    if (std::isnan(unscaled)) {
        EXPECT_TRUE(std::isnan(scaled)) << what;
        return;
    }
    EXPECT_NEAR(scaled, unscaled, 1e-9) << what;
}

std::vector<double> times(const std::vector<double>& values, double factor) {
    std::vector<double> scaled = values;
    for (double& value : scaled) {
        value *= factor;
    }
    return scaled;
}

std::vector<double> lagCoefficientsOf(const std::vector<double>& values, std::size_t lags) {
    std::vector<double> coefficients(lags);
    std::vector<double> deviations(values.size());
    double sum = 0.0;
    for (const double value : values) {
        sum += value;
    }
    autocorrelation::lagCoefficients(
        {values, sum / static_cast<double>(values.size()), coefficients, deviations});
    return coefficients;
}

// Random series scaled by powers of ten from 1e-300 to 1e300, each column by its own: every
// correlation kernel gives the correlations of the series as they were, observed and resampled.
TEST(ScaledKernels, GiveTheCorrelationsOfTheUnscaledData) {
    std::mt19937_64 generator(20261210);
    std::normal_distribution<double> normal;
    std::uniform_int_distribution<int> length(6, 40);
    std::uniform_int_distribution<int> power(-300, 300);
    constexpr std::int32_t lags = 3;
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<double> x(static_cast<std::size_t>(length(generator)));
        std::vector<double> y(x.size());
        for (std::size_t i = 0; i < x.size(); ++i) {
            // A level of 5 gives the spread a distance from the mean to keep.
            x[i] = 5.0 + normal(generator);
            y[i] = 0.5 * x[i] + normal(generator);
        }
        const int powerX = power(generator);
        const int powerY = power(generator);
        const std::vector<double> sx = times(x, std::pow(10.0, powerX));
        const std::vector<double> sy = times(y, std::pow(10.0, powerY));
        const std::string what = "trial " + std::to_string(trial) + ": x times 1e" +
                                 std::to_string(powerX) + ", y times 1e" + std::to_string(powerY);

        expectSame(analysis::pearsonR(sx, sy), analysis::pearsonR(x, y), what + " pearsonR");
        expectSame(analysis::lagAutocorrelation(sx, 1), analysis::lagAutocorrelation(x, 1),
                   what + " lagAutocorrelation");

        correlation::ResampledPearson scaledPearson(sx, sy);
        correlation::ResampledPearson pearson(x, y);
        expectSame(scaledPearson.observed(), pearson.observed(), what + " observed Pearson r");
        Uniforms scaledDraws(static_cast<std::uint64_t>(trial));
        Uniforms draws(static_cast<std::uint64_t>(trial));
        for (int resample = 0; resample < 20; ++resample) {
            expectSame(scaledPearson.resample(scaledDraws), pearson.resample(draws),
                       what + " resampled Pearson r");
        }

        std::vector<double> scaledCross(crosscorrelation::lagCount(lags));
        std::vector<double> cross(scaledCross.size());
        crosscorrelation::pearsonCrossCorrelations(sx, sy, lags, scaledCross);
        crosscorrelation::pearsonCrossCorrelations(x, y, lags, cross);
        const std::vector<double> scaledCoefficients = lagCoefficientsOf(sx, lags);
        const std::vector<double> coefficients = lagCoefficientsOf(x, lags);
        const autocorrelation::LagBootstrap scaledLags(sx, lags);
        for (std::size_t j = 0; j < cross.size(); ++j) {
            expectSame(scaledCross[j], cross[j], what + " cross-correlation " + std::to_string(j));
        }
        for (std::int32_t k = 1; k <= lags; ++k) {
            const auto lag = static_cast<std::size_t>(k - 1);
            expectSame(scaledCoefficients[lag], coefficients[lag], what + " lag coefficient");
            expectSame(scaledLags.observed(k), coefficients[lag], what + " observed coefficient");
        }
    }
}

} // namespace
