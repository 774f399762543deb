#include "analysis/correlationbasics.h"
#include "analysis/procedures.h"
#include "data/module1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

using analysis::averageRanks;
using analysis::lagAutocorrelation;
using analysis::pearsonR;
using analysis::tieCorrectedRho;

const std::vector<double> oneToFive{1, 2, 3, 4, 5};

double rhoOf(const std::vector<double>& x, const std::vector<double>& y) {
    std::vector<double> rx(x.size());
    std::vector<double> ry(y.size());
    const double tx = averageRanks(x, rx);
    const double ty = averageRanks(y, ry);
    return tieCorrectedRho(rx, ry, tx, ty);
}

struct PairCase {
    std::vector<double> y;
    double r;
    double rho;
};

TEST(CorrelationTest, WorkedExamplesAreExact) {
    const std::vector<PairCase> cases{
        {{2, 4, 6, 8, 10}, 1.0, 1.0},
        {{10, 8, 6, 4, 2}, -1.0, -1.0},
        {{2, 1, 4, 3, 5}, 0.8, 0.8},
        {{5, 4, 3, 2, 1}, -1.0, -1.0},
    };
    for (const PairCase& c : cases) {
        EXPECT_EQ(pearsonR(oneToFive, c.y), c.r);
        EXPECT_EQ(rhoOf(oneToFive, c.y), c.rho);
    }
    // Ties in y: ranks 1, 2, 3.5, 5, 3.5, D = 3.5, Tx = 10, Ty = 9.5.
    EXPECT_EQ(rhoOf(oneToFive, {5, 6, 7, 8, 7}), 16 / (2 * std::sqrt(95.0)));
}

struct RankCase {
    std::vector<double> values;
    std::vector<double> ranks;
    double tieSum;
};

TEST(CorrelationTest, AverageRanksAndTieSums) {
    const std::vector<RankCase> cases{
        {{3, 1, 3, 2}, {3.5, 1, 3.5, 2}, 6},
        {{5, 5, 5, 1}, {3, 3, 3, 1}, 24},
        {{2, 2, 1, 1, 1, 3}, {4.5, 4.5, 2, 2, 2, 6}, 30},
        {{0.3, -2, 7, 1e-9}, {3, 1, 4, 2}, 0},
        {{4, 4, 4, 4, 4}, {3, 3, 3, 3, 3}, 120},
        {{9}, {1}, 0},
    };
    for (const RankCase& c : cases) {
        std::vector<double> ranks(c.values.size(), -1);
        EXPECT_EQ(averageRanks(c.values, ranks), c.tieSum);
        EXPECT_EQ(ranks, c.ranks);
    }
}

// Ranks by the position-by-position count: 1 + the number of smaller values, the group's
// position sum over its size, and t^3 - t summed by group size.
double rankByCounting(const std::vector<double>& values, std::vector<double>& ranks) {
    const int count = static_cast<int>(values.size());
    std::vector<int> position(count, 1);
    std::vector<int> size(count, 0);
    for (int i = 0; i < count; ++i) {
        for (int j = 0; j < count; ++j) {
            position[i] += values[j] < values[i] ? 1 : 0;
        }
    }
    for (int i = 0; i < count; ++i) {
        for (int j = 0; j < count; ++j) {
            size[i] += position[j] == position[i] ? 1 : 0;
        }
        int sum = 0;
        for (int k = 0; k < size[i]; ++k) {
            sum += position[i] + k;
        }
        ranks[i] = static_cast<double>(sum) / static_cast<double>(size[i]);
    }
    double tieSum = 0;
    for (int t = 2; t <= count; ++t) {
        const int members = static_cast<int>(std::count(size.begin(), size.end(), t));
        for (int group = 0; group < members / t; ++group) {
            tieSum = (tieSum + std::pow(t, 3.0)) - t;
        }
    }
    return tieSum;
}

TEST(CorrelationTest, SortedRanksMatchTheCountToTheLastBit) {
    for (int length : {2, 7, 60, 200}) {
        std::vector<double> values(length);
        for (int i = 0; i < length; ++i) {
            values[i] = ((i * 7919) % 23) * 0.1 - 1.0;
        }
        std::vector<double> sorted(length);
        std::vector<double> counted(length);
        EXPECT_EQ(averageRanks(values, sorted), rankByCounting(values, counted));
        EXPECT_EQ(sorted, counted);
    }
}

TEST(CorrelationTest, RankClassesNumberTheDistinctValuesInRankOrder) {
    struct ClassCase {
        std::vector<double> observed;
        std::vector<std::int32_t> classOf;
    };
    const std::vector<ClassCase> cases{
        {{0.25, -1, 4, 4, 0.25, 7, -1, 4, 2.5}, {1, 0, 3, 3, 1, 4, 0, 3, 2}},
        {{5, 5, 5, 5}, {0, 0, 0, 0}},
        {{}, {}},
    };
    for (const ClassCase& c : cases) {
        const analysis::RankClasses classes(c.observed);
        std::vector<std::int32_t> classOf;
        for (std::size_t i = 0; i < c.observed.size(); ++i) {
            classOf.push_back(classes.classOf(static_cast<std::int32_t>(i)));
        }
        EXPECT_EQ(classOf, c.classOf);
        const auto highest = std::max_element(c.classOf.begin(), c.classOf.end());
        EXPECT_EQ(classes.classes(), highest == c.classOf.end() ? 0 : *highest + 1);
    }
}

TEST(CorrelationTest, LagAutocorrelation) {
    EXPECT_EQ(lagAutocorrelation(oneToFive, 0), 1.0);
    EXPECT_EQ(lagAutocorrelation(oneToFive, 1), 0.5);
    EXPECT_EQ(lagAutocorrelation(std::vector<double>{1, 0, 0, 0, 1}, 4), 1.0);
    EXPECT_EQ(lagAutocorrelation(std::vector<double>{1, 0, 0, 0, -1}, 4), -1.0);
    EXPECT_EQ(lagAutocorrelation(std::vector<double>{3, -1, 4, 1, 5, 9}, 0), 1.0);
    for (int lag = 0; lag <= 3; ++lag) {
        EXPECT_TRUE(std::isnan(lagAutocorrelation(std::vector<double>{5, 5, 5, 5}, lag)));
    }
    EXPECT_TRUE(std::isnan(lagAutocorrelation(oneToFive, 5)));
    EXPECT_TRUE(std::isnan(lagAutocorrelation(oneToFive, -1)));
    EXPECT_TRUE(std::isnan(lagAutocorrelation({}, 0)));
}

TEST(CorrelationTest, ConstantColumnGivesNoNumber) {
    const std::vector<double> constant{4, 4, 4, 4, 4};
    EXPECT_TRUE(std::isnan(pearsonR(oneToFive, constant)));
    EXPECT_TRUE(std::isnan(rhoOf(oneToFive, constant)));
    EXPECT_TRUE(std::isnan(rhoOf(constant, constant)));
    // Ten times 0.1 averages to 0.09999999999999999: the deviations are residues, not spread.
    const std::vector<double> tenthsOnly(10, 0.1);
    for (int lag = 0; lag <= 2; ++lag) {
        EXPECT_TRUE(std::isnan(lagAutocorrelation(tenthsOnly, lag))) << lag;
    }
}

TEST(CorrelationTest, ALargeCommonOffsetChangesNothing) {
    // y = 2, 1, 4, 3, 5 against 1..5 has r = 0.8; the sums about the means keep it so however
    // far both columns sit from 0. Raw sums of products gave 0.8944272 and Inf here.
    const std::vector<double> y{2, 1, 4, 3, 5};
    for (const double offset : {0.0, 100000000.0, 1000000000.0, -1e12}) {
        std::vector<double> x = oneToFive;
        for (double& value : x) {
            value += offset;
        }
        EXPECT_DOUBLE_EQ(pearsonR(x, y), 0.8) << offset;
        EXPECT_DOUBLE_EQ(lagAutocorrelation(x, 1), 0.5) << offset;
    }
}

// Data sets with ties; the same formulas in Python give the reference values below.
std::vector<double> xData(int count) {
    std::vector<double> x;
    for (int i = 1; i <= count; ++i) {
        x.push_back(((i * 37) % 41 % 9) * 0.5 + 1.25);
    }
    return x;
}

std::vector<double> yData(int count) {
    const std::vector<double> x = xData(count);
    std::vector<double> y;
    for (int i = 1; i <= count; ++i) {
        y.push_back(((i * i * 13 + 7) % 29 % 7) + 0.5 * x[i - 1]);
    }
    return y;
}

struct ReferenceCase {
    int count;
    double r;
    double rho;
    double lag1;
};

TEST(CorrelationTest, AgreesWithScipy) {
    // Computed once with SciPy 1.10.1 (Debian python3-scipy): scipy.stats.pearsonr(x, y),
    // scipy.stats.spearmanr(x, y), and for y at lag 1 with NumPy, d = y - y.mean():
    // (sum(d[:-1] * d[1:]) / (m - 1)) / (sum(d * d) / m).
    const std::vector<ReferenceCase> cases{
        {10, 0.14358151650987144, 0.18960333307043165, 0.29539773562711363},
        {50, 0.27402816269328617, 0.2978416325470118, 0.21180581369414914},
        {199, 0.2857834765715245, 0.30757226368870155, 0.15352072409275525},
    };
    for (const ReferenceCase& c : cases) {
        const std::vector<double> x = xData(c.count);
        const std::vector<double> y = yData(c.count);
        EXPECT_NEAR(pearsonR(x, y), c.r, 1e-12) << c.count;
        EXPECT_NEAR(rhoOf(x, y), c.rho, 1e-12) << c.count;
        EXPECT_NEAR(lagAutocorrelation(y, 1), c.lag1, 1e-12) << c.count;
    }
}

struct CountCase {
    double resampled;
    double observed;
    bool counts;
};

// The double n units of the last place above (n > 0) or below (n < 0) value.
double ulpsAway(double value, int n) {
    for (; n > 0; --n) {
        value = std::nextafter(value, 2.0);
    }
    for (; n < 0; ++n) {
        value = std::nextafter(value, -2.0);
    }
    return value;
}

TEST(CorrelationTest, ExtremeCountRule) {
    const double nan = std::nan("");
    const double tiny = std::numeric_limits<double>::denorm_min();
    const std::vector<CountCase> cases{
        // Either side of zero: further out and ties count.
        {0.9, 0.8, true},
        {0.8, 0.8, true},
        {0.7, 0.8, false},
        {-0.9, 0.8, false},
        {-0.9, -0.8, true},
        {-0.8, -0.8, true},
        {-0.7, -0.8, false},
        {0.9, -0.8, false},
        // A tie computed by other arithmetic lands a few units of the last place to either
        // side, and still ties; a distinct value just past the tolerance does not.
        {ulpsAway(0.8, -1), 0.8, true},
        {ulpsAway(0.8, -4), 0.8, true},
        {ulpsAway(0.8, 4), 0.8, true},
        {0.8 - 2e-14, 0.8, false},
        {ulpsAway(-0.8, 1), -0.8, true},
        {ulpsAway(-0.8, 4), -0.8, true},
        {-0.8 + 2e-14, -0.8, false},
        {ulpsAway(0.2, -3), 0.2, true},
        {0.2 - 2e-14, 0.2, false},
        // At the ends: r = 1 and -1 are reached from inside by rounding.
        {1.0, 1.0, true},
        {ulpsAway(1.0, -2), 1.0, true},
        {1.0 - 2e-14, 1.0, false},
        {-1.0, -1.0, true},
        {ulpsAway(-1.0, 2), -1.0, true},
        {-1.0 + 2e-14, -1.0, false},
        {1.0, -1.0, false},
        // Beyond 1 (a lag coefficient at a long lag) the tolerance is relative.
        {1.5 - 1e-14, 1.5, true},
        {1.5 - 3e-14, 1.5, false},
        // An observed 0 or -0 is non-negative: everything at or above 0 counts, and a resample
        // of exactly 0 computed as a little below 0 too.
        {0.0, 0.0, true},
        {-0.0, 0.0, true},
        {0.1, 0.0, true},
        {tiny, 0.0, true},
        {-tiny, 0.0, true},
        {-2e-17, 0.0, true},
        {-2e-14, 0.0, false},
        {-0.1, 0.0, false},
        {0.0, -0.0, true},
        {-0.0, -0.0, true},
        {0.1, -0.0, true},
        {-2e-17, -0.0, true},
        {-0.1, -0.0, false},
        // An observed exact 0 computed as a little off 0 is 0, on whichever side it landed.
        {0.0, -1e-17, true},
        {-2e-17, -1e-17, true},
        {0.3, -1e-17, true},
        {-0.3, -1e-17, false},
        {0.0, 2e-17, true},
        {-2e-17, 2e-17, true},
        {0.3, 2e-17, true},
        {-0.3, 2e-17, false},
        {0.0, tiny, true},
        {-tiny, tiny, true},
        {0.0, -tiny, true},
        {-0.3, -tiny, false},
        // Just past the tolerance a value has a side again.
        {0.0, 2e-14, false},
        {2e-14, 2e-14, true},
        {0.0, -2e-14, false},
        {-2e-14, -2e-14, true},
        // Not a number counts on neither side.
        {nan, 0.8, false},
        {nan, -0.8, false},
        {nan, 0.0, false},
        {0.9, nan, false},
        {0.0, nan, false},
        {-0.9, nan, false},
        {nan, nan, false},
    };
    for (const CountCase& c : cases) {
        EXPECT_EQ(analysis::countsAsExtreme(c.resampled, c.observed), c.counts)
            << c.resampled << " against " << c.observed;
    }
}

TEST(CorrelationTest, PIsClampedToFourPlaces) {
    EXPECT_EQ(analysis::bootstrapP(0, 1000), 0.0001);
    EXPECT_EQ(analysis::bootstrapP(31, 1000), 0.031);
    EXPECT_EQ(analysis::bootstrapP(1000, 1000), 0.9999);
    EXPECT_EQ(analysis::bootstrapP(1, 10000), 0.0001);
    EXPECT_TRUE(std::isnan(analysis::bootstrapP(0, 0)));
}

// The module procedures read only elements 1..n and write only their own results.
TEST(CorrelationTest, ModuleProceduresReadOnlyTheirElements) {
    Module1::n = 5;
    Module1::vq.fill(99);
    Module1::vvq.fill(-99);
    const std::vector<double> y{2, 1, 4, 3, 5};
    for (int i = 1; i <= 5; ++i) {
        Module1::vq[i] = i;
        Module1::vvq[i] = y[i - 1];
    }
    EXPECT_EQ(Module1::pearsonr(), 0.8);
    EXPECT_EQ(Module1::pearsonr(), 0.8);
    EXPECT_EQ(Module1::n, 5);

    Module1::vrank[1].fill(7);
    Module1::vrank[2].fill(7);
    Module1::stx = {-1, -1, -1};
    Module1::vr1 = Module1::vq;
    Module1::vr2 = Module1::vvq;
    Module1::getranks(2);
    EXPECT_EQ(Module1::vrank[1][1], 7);
    EXPECT_EQ(Module1::stx[1], -1);
    EXPECT_EQ(Module1::vrank[2][6], 7);
    Module1::getranks(1);
    EXPECT_EQ(Module1::vrank[2][2], 1);
    EXPECT_EQ(Module1::tiecorrectedrho(), 0.8);

    Module1::phasen[1] = 5;
    for (int i = 1; i <= 5; ++i) {
        Module1::v[1][i] = i;
    }
    Module1::v[1][6] = 1000;
    EXPECT_EQ(Module1::quickautocorr(1, 1), 0.5);
}

} // namespace
