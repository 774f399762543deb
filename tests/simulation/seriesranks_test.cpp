#include "simulation/seriesranks.h"

#include "analysis/correlationbasics.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Long enough to be put in order by the radix sort: ties, both zeros, both signs, and values
// that share their upper bytes.
std::vector<double> longSeries() {
    std::vector<double> values;
    for (int i = 0; i < 150; ++i) {
        values.push_back(static_cast<double>((i * 37) % 23) - 11.0 + (i % 3 == 0 ? 1e-9 * i : 0.0));
    }
    values.push_back(0.0);
    values.push_back(-0.0);
    return values;
}

// The ranks of every series equal the shared average ranks, ties and tie sum included.
TEST(SeriesRanks, EqualTheSharedAverageRanks) {
    const std::vector<std::vector<double>> series{
        {3, 1, 4, 1, 5, 9, 2, 6, 5, 3, 5},
        {2.5},
        {-0.0, 0.0, 1e300, -1e300, 0.1 + 0.2, 0.3},
        {7, 7, 7, 1, 7},
        longSeries(),
    };
    simulation::SeriesRanks ranker(200);
    for (const std::vector<double>& values : series) {
        std::vector<double> ranks(values.size());
        std::vector<double> expected(values.size());
        const double ties = ranker.rank(values, ranks);
        EXPECT_EQ(ties, analysis::averageRanks(values, expected));
        EXPECT_EQ(ranks, expected);
    }
}

} // namespace
