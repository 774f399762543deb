#include "crosscorrelation/simulatedpair.h"

#include "analysis/draws.h"
#include "crosscorrelation/crosslags.h"
#include "framework/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

Module1::CrossSettings whiteNoise(std::int32_t length, std::int32_t lags) {
    Module1::CrossSettings settings;
    settings.length = length;
    settings.lags = lags;
    return settings;
}

TEST(SimulatedPair, DrawsEachSeriesErrorsFirstThenShocksDV1BeforeDV2) {
    // The series are replayed from the same seed and correlated at lags -2..+2, where DV1 and
    // DV2 changing places would mirror the lags.
    Module1::CrossSettings settings = whiteNoise(6, 2);
    settings.dv1 = {2.0, 0.5, 0.6, 1.0, 3.0};
    settings.dv2 = {-1.0, 0.25, -0.4, 0.0, 0.5};
    crosscorrelation::SimulationModel model(settings);
    framework::Xoshiro256StarStar stream(99);
    std::vector<double> r(5);
    model.simmodelmethod(stream, r);

    framework::Xoshiro256StarStar replay(99);
    std::vector<std::vector<double>> replayed;
    for (const Module1::SeriesModel& m : {settings.dv1, settings.dv2}) {
        std::vector<double> errors(6);
        std::vector<double> shocks(6);
        for (double& e : errors) {
            e = analysis::normalDeviate(replay, m.mean, m.standardDeviation);
        }
        for (double& s : shocks) {
            s = analysis::normalDeviate(replay, m.mean, m.standardDeviation);
        }
        std::vector<double>& series = replayed.emplace_back(6);
        double error = errors[0]; // the first point keeps its raw draw; no start-up is dropped
        for (std::size_t i = 0; i < 6; ++i) {
            if (i > 0) {
                error = m.autocorrelation * error + shocks[i];
            }
            series[i] = (m.intercept + m.slope * static_cast<double>(i + 1)) + error;
        }
    }
    std::vector<double> expected(5);
    crosscorrelation::pearsonCrossCorrelations(replayed[0], replayed[1], 2, expected);
    EXPECT_EQ(r, expected);
    // Nothing is drawn beyond the four loops.
    EXPECT_EQ(stream.nextBits(), replay.nextBits());
}

TEST(SimulatedPair, LagZeroOfIndependentWhiteNoiseHasMeanZeroAndVarianceOneOverNMinusOne) {
    // r of N independent normal pairs has mean 0, variance 1/(N - 1) and fourth moment
    // 3/((N - 1)(N + 1)); the tolerances are 4 standard errors of the Monte Carlo averages.
    constexpr int length = 20;
    constexpr int simulations = 40000;
    crosscorrelation::SimulationModel model(whiteNoise(length, 2));
    framework::Xoshiro256StarStar stream(2024);
    std::vector<double> r(5);
    double sum = 0.0;
    double squares = 0.0;
    for (int s = 0; s < simulations; ++s) {
        model.simmodelmethod(stream, r);
        sum += r[2];
        squares += r[2] * r[2];
    }
    const double variance = 1.0 / (length - 1);
    const double fourth = 3.0 / ((length - 1.0) * (length + 1.0));
    EXPECT_NEAR(sum / simulations, 0.0, 4.0 * std::sqrt(variance / simulations));
    EXPECT_NEAR(squares / simulations, variance,
                4.0 * std::sqrt((fourth - variance * variance) / simulations));
}

} // namespace
