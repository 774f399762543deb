#include "simulation/simulatedseries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using simulation::SimulationModel;

// Each deviate takes the uniforms (u, 0.5): u2 = 0 and s = u1^2, so deviate k is
// sign(u1) sqrt(-2 ln s) with u1 = 2u - 1 for the k-th u given.
class DeviateScript {
  public:
    explicit DeviateScript(std::vector<double> uniforms) : uniforms_(std::move(uniforms)) {}
    double next() {
        const double value = second_ ? 0.5 : uniforms_.at(used_++);
        second_ = !second_;
        return value;
    }

  private:
    std::vector<double> uniforms_;
    std::size_t used_ = 0;
    bool second_ = false;
};

double deviateOf(double u) {
    const double u1 = 2.0 * u - 1.0;
    const double s = u1 * u1;
    return u1 * std::sqrt((-2.0 * std::log(s)) / s);
}

struct Simulated {
    std::vector<double> errors;
    std::vector<double> target;
};

template <typename Stream> Simulated simulate(Stream& stream, const SimulationModel& model) {
    const auto length = static_cast<std::size_t>(model.length());
    std::vector<double> errors(length);
    std::vector<double> shocks(length);
    std::vector<double> target(length);
    simulation::simulateSeries(stream, model, errors, shocks, target);
    return {errors, target};
}

TEST(SimulatedSeries, DrawsBothDeviatesOfEachPointThenRecursesWithinEachPhase) {
    // n1 = 3, n2 = 2, both lags 1: points 2 and 3 feed on 1 and 2, point 5 on 4; 1 and 4 keep
    // their first draws.
    const std::vector<double> uniforms{0.6, 0.7, 0.8, 0.3, 0.9, 0.2, 0.65, 0.35, 0.85, 0.15};
    std::vector<double> d;
    for (const double u : uniforms) {
        d.push_back(deviateOf(u));
    }
    SimulationModel model;
    model.n1 = 3;
    model.n2 = 2;
    model.intercept1 = 1.0;
    model.slope1 = 0.5;
    model.intercept2 = 4.0;
    model.slope2 = -0.25;
    model.autocorr1 = 0.6;
    model.autocorr2 = -0.4;
    DeviateScript stream(uniforms);
    const Simulated s = simulate(stream, model);
    // errors(i) is the deviate 2i - 1, shocks(i) the deviate 2i.
    const double e1 = d[0];
    const double e2 = 0.6 * e1 + d[3];
    const double e3 = 0.6 * e2 + d[5];
    const double e4 = d[6];
    const double e5 = -0.4 * e4 + d[9];
    EXPECT_EQ(s.errors, (std::vector<double>{e1, e2, e3, e4, e5}));
    EXPECT_EQ(s.target,
              (std::vector<double>{(1.0 + 0.5 * 1) + e1, (1.0 + 0.5 * 2) + e2, (1.0 + 0.5 * 3) + e3,
                                   (4.0 - 0.25 * 4) + e4, (4.0 - 0.25 * 5) + e5}));
}

// A standard deviation of 0 makes every draw the error mean, so the series is known exactly.
TEST(SimulatedSeries, WithoutSpreadTheErrorsDriftFromTheMeanByTheRecursion) {
    struct Stream {
        std::uint64_t state = 1;
        double next() {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            return static_cast<double>(state >> 11) * 0x1.0p-53;
        }
    } stream;
    SimulationModel model;
    model.n1 = 3;
    model.n2 = 4;
    model.intercept1 = 10.0;
    model.slope1 = 1.0;
    model.intercept2 = 20.0;
    model.slope2 = 2.0;
    model.autocorr1 = 0.5;
    model.autocorr2 = 0.25;
    model.lag1 = 0;
    model.lag2 = 2;
    model.errorMean = 2.0;
    model.errorSd = 0.0;
    const Simulated s = simulate(stream, model);
    // Lag 0: every phase-A error is 0.5 * its own draw + its shock; phase B, lag 2: points 4
    // and 5 keep their draws, 6 and 7 feed on 4 and 5.
    const double a = 0.5 * 2.0 + 2.0;
    const double b = 0.25 * 2.0 + 2.0;
    EXPECT_EQ(s.errors, (std::vector<double>{a, a, a, 2.0, 2.0, b, b}));
    EXPECT_EQ(s.target, (std::vector<double>{11.0 + a, 12.0 + a, 13.0 + a, 28.0 + 2.0, 30.0 + 2.0,
                                             32.0 + b, 34.0 + b}));
}

TEST(SimulatedSeries, ALagAsLongAsItsPhaseLeavesThePhaseToItsDraws) {
    const std::vector<double> uniforms{0.6, 0.7, 0.8, 0.3, 0.9, 0.2};
    DeviateScript stream(uniforms);
    SimulationModel model;
    model.n1 = 2;
    model.n2 = 1;
    model.lag1 = 2;
    model.lag2 = 1;
    model.autocorr1 = 0.9;
    model.autocorr2 = 0.9;
    const Simulated s = simulate(stream, model);
    EXPECT_EQ(s.errors, (std::vector<double>{deviateOf(0.6), deviateOf(0.8), deviateOf(0.9)}));
}

} // namespace
