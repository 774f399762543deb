#include "analysis/correlationbasics.h"
#include "data/module1.h"
#include "framework/conversions.h"
#include "framework/random.h"
#include "simulation/simulatedseries.h"
#include "simulation/simulationtest.h"
#include "support/fakealert.h"
#include "support/fakeprogress.h"
#include "support/gridfixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

// The simulations against what theory says they must give, with tolerances of four binomial
// (or sampling) standard errors.
namespace {

using simulation::SimulationSettings;
using simulation::Statistic;

class SimulatedNull : public GridFixture {
  protected:
    void SetUp() override {
        GridFixture::SetUp();
        Module1::cps.assign(1, '\n');
    }
    void TearDown() override {
        framework::seedRnd(1);
        GridFixture::TearDown();
    }

    // The share of simulations reaching each threshold, read off the level test's table, of
    // 100,000 series from the null model: no slopes, equal intercepts, no autocorrelation.
    std::vector<double> levelTable(Statistic statistic, std::int32_t n1, std::int32_t n2) {
        std::vector<Row> rows;
        for (std::int32_t i = 0; i < n1 + n2; ++i) {
            rows.push_back({framework::CStr((i * 7) % 11), i < n1 ? "0" : "1"});
        }
        fill(rows);
        SimulationSettings settings;
        settings.statistic = statistic;
        settings.simulations = 100000;
        settings.model.n1 = n1;
        settings.model.n2 = n2;
        settings.slopeChange = false;
        settings.lastPoint = false;
        settings.tables = true;
        FakeProgress progress;
        FakeOutput output;
        framework::seedRnd(20261210 + static_cast<std::uint64_t>(n1 + n2));
        simulation::runSimulationTest(settings, progress, output);
        EXPECT_EQ(output.blocks.size(), 1u);
        std::vector<double> shares;
        const std::string& report = output.blocks.at(0);
        for (std::size_t at = report.find("  p = "); at != std::string::npos;
             at = report.find("  p = ", at + 1)) {
            shares.push_back(framework::CDbl(report.substr(at + 6, 5)));
        }
        EXPECT_EQ(shares.size(), 101u);
        return shares;
    }

    // Four binomial standard errors of a share of 100,000, and the table's rounding to 0.001.
    static double tolerance(double p) { return 4.0 * std::sqrt(p * (1.0 - p) / 100000.0) + 5e-4; }
};

struct Expected {
    std::int32_t j;
    double p;
};

// Two-sided p of the t distribution with n - 2 degrees of freedom at r = j/100, from SciPy
// 1.10: 2 * scipy.stats.t.sf(r * sqrt((n - 2) / (1 - r^2)), n - 2).
TEST_F(SimulatedNull, PearsonLevelTestFollowsTheExactTDistribution) {
    struct Case {
        std::int32_t n1, n2;
        std::vector<Expected> expected;
    };
    const Case cases[] = {
        {10,
         10,
         {{10, 0.6748712326262113},
          {20, 0.39787297935196153},
          {30, 0.1987577173445536},
          {44, 0.052209974169427166},
          {60, 0.0051629256736767945}}},
        {25,
         35,
         {{5, 0.7043993349428023},
          {10, 0.4471286280604566},
          {20, 0.12549031789310458},
          {25, 0.0540459703118191},
          {35, 0.006118732307611691}}},
    };
    for (const Case& c : cases) {
        const std::vector<double> shares = levelTable(Statistic::Pearson, c.n1, c.n2);
        ASSERT_EQ(shares.size(), 101u);
        EXPECT_EQ(shares[0], 1.0);
        for (const Expected& e : c.expected) {
            EXPECT_NEAR(shares[e.j], e.p, tolerance(e.p))
                << "n = " << c.n1 + c.n2 << ", j = " << e.j;
        }
    }
}

// The exact permutation distribution of |rho| for seven untied values against the level vector
// 0, 0, 0, 1, 1, 1, 1, from all 5040 orders (scipy.stats.spearmanr over itertools.permutations):
// 4320, 2016, 1152, 576 and 288 orders reach .10, .30, .50, .70 and .80; no attainable |rho|
// lies near those thresholds.
TEST_F(SimulatedNull, SpearmanLevelTestFollowsThePermutationDistribution) {
    const std::vector<double> shares = levelTable(Statistic::Spearman, 3, 4);
    ASSERT_EQ(shares.size(), 101u);
    for (const Expected& e :
         {Expected{10, 4320.0 / 5040}, Expected{30, 2016.0 / 5040}, Expected{50, 1152.0 / 5040},
          Expected{70, 576.0 / 5040}, Expected{80, 288.0 / 5040}}) {
        EXPECT_NEAR(shares[e.j], e.p, tolerance(e.p)) << "j = " << e.j;
    }
    EXPECT_EQ(shares[87], 0.0); // the largest |rho| is .866
}

// The partial correlation of the reference data given the trend, as SciPy 1.10 and NumPy give
// it: scipy.stats.pearsonr of the residuals of x and of y after least-squares lines on z.
TEST(PartialCorrelationValue, AgreesWithTheResidualCorrelation) {
    const std::vector<double> x{3, 5, 4, 6, 5, 7, 9, 8, 10, 9, 12, 11};
    const std::vector<double> y{0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1};
    const std::vector<double> z{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const double partial = Module1::partialcorr(analysis::pearsonR(x, y), analysis::pearsonR(x, z),
                                                analysis::pearsonR(y, z), x.size());
    EXPECT_NEAR(partial, 0.3354639880348081, 1e-12);
}

// Without burn-in the moments of an error depend on its place in the phase: with
// m = floor((i - 1) / L), E e_i = mu * sum_{t<=m} phi^t, Var e_i = sigma^2 * sum_{t<=m} phi^2t
// and Cov(e_i, e_{i-L}) = phi * Var e_{i-L}.
TEST(SimulatedErrors, HaveTheMomentsOfTheRecursionFromItsFirstDraws) {
    constexpr double phi = 0.6;
    constexpr double mu = 0.5;
    constexpr int series = 200000;
    constexpr int length = 8;
    for (const std::int32_t lag : {1, 2}) {
        simulation::SimulationModel model;
        model.n1 = length;
        model.n2 = 0;
        model.autocorr1 = phi;
        model.lag1 = lag;
        model.errorMean = mu;
        model.errorSd = 1.0;
        framework::Xoshiro256StarStar stream(99 + static_cast<std::uint64_t>(lag));
        std::vector<double> errors(length), shocks(length), target(length);
        std::vector<std::vector<double>> kept(length, std::vector<double>(series));
        for (int k = 0; k < series; ++k) {
            simulation::simulateSeries(stream, model, errors, shocks, target);
            for (int i = 0; i < length; ++i) {
                kept[i][k] = errors[i];
            }
        }
        auto meanOf = [&](int i) {
            double total = 0.0;
            for (const double e : kept[i]) {
                total += e;
            }
            return total / series;
        };
        std::vector<double> expectedMean(length), expectedVar(length);
        for (int i = 1; i <= length; ++i) {
            const int m = (i - 1) / lag;
            double powers = 0.0, squaredPowers = 0.0;
            for (int t = 0; t <= m; ++t) {
                powers += std::pow(phi, t);
                squaredPowers += std::pow(phi, 2 * t);
            }
            expectedMean[i - 1] = mu * powers;
            expectedVar[i - 1] = squaredPowers;
        }
        for (int i = 0; i < length; ++i) {
            const double mean = meanOf(i);
            double variance = 0.0;
            for (const double e : kept[i]) {
                variance += (e - mean) * (e - mean);
            }
            variance /= series - 1;
            EXPECT_NEAR(mean, expectedMean[i], 4 * std::sqrt(expectedVar[i] / series))
                << "lag " << lag << ", point " << i + 1;
            EXPECT_NEAR(variance, expectedVar[i], 4 * expectedVar[i] * std::sqrt(2.0 / series))
                << "lag " << lag << ", point " << i + 1;
            if (i >= lag) {
                const double partnerMean = meanOf(i - lag);
                double covariance = 0.0;
                for (int k = 0; k < series; ++k) {
                    covariance += (kept[i][k] - mean) * (kept[i - lag][k] - partnerMean);
                }
                covariance /= series - 1;
                const double expected = phi * expectedVar[i - lag];
                const double error = std::sqrt(
                    (expectedVar[i] * expectedVar[i - lag] + expected * expected) / series);
                EXPECT_NEAR(covariance, expected, 4 * error)
                    << "lag " << lag << ", point " << i + 1;
            }
        }
    }
}

} // namespace
