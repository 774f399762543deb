#include "simulation/centredcolumns.h"

#include "analysis/correlationbasics.h"
#include "framework/random.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

// The r of a series with columns formed once per run has the bits of the shared two-pass r.
TEST(CentredSeries, CorrelatesToTheBitsOfTheSharedPearsonR) {
    framework::Xoshiro256StarStar stream(5);
    const std::vector<double> level{0, 0, 0, 0, 1, 1, 1, 1, 1};
    const std::vector<double> trend{1, 2, 3, 4, 5, 6, 7, 8, 9};
    const std::vector<double> flat(9, 3.0);
    const simulation::FixedColumn columns[] = {simulation::FixedColumn(level),
                                               simulation::FixedColumn(trend),
                                               simulation::FixedColumn(flat)};
    const std::array<const simulation::FixedColumn*, 3> chosen{&columns[0], &columns[1],
                                                               &columns[2]};
    simulation::CentredSeries centred(9);
    for (int k = 0; k < 100; ++k) {
        std::vector<double> series(9);
        for (double& value : series) {
            value = 1e6 + stream.next();
        }
        centred.centre(series);
        std::array<double, 3> r{};
        centred.correlate(chosen, r);
        EXPECT_EQ(r[0], analysis::pearsonR(series, level));
        EXPECT_EQ(r[1], analysis::pearsonR(series, trend));
        EXPECT_TRUE(std::isnan(r[2]));
    }
    centred.centre(flat);
    std::array<double, 3> r{};
    centred.correlate(chosen, r);
    EXPECT_TRUE(std::isnan(r[0]));
}

} // namespace
