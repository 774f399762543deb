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

// Random series and columns scaled by powers of ten from 1e-300 to 1e300 have the r of their
// values at ordinary scale, to far below the printed precision: no sum overflows or underflows
// on the way, whichever of the two lies far from 1.
TEST(CentredSeries, CorrelatesValuesOfAnyScaleAsAtOrdinaryScale) {
    framework::Xoshiro256StarStar stream(17);
    auto power = [&] { return std::floor(stream.next() * 601.0) - 300.0; };
    const std::vector<double> level{0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1};
    const simulation::FixedColumn levelColumn(level);
    simulation::CentredSeries centred(level.size());
    for (int k = 0; k < 2000; ++k) {
        const double seriesScale = std::pow(10.0, power());
        const double columnScale = std::pow(10.0, power());
        std::vector<double> series(level.size()), column(level.size());
        std::vector<double> scaledSeries(level.size()), scaledColumn(level.size());
        for (std::size_t i = 0; i < level.size(); ++i) {
            series[i] = stream.next() - 0.5;
            column[i] = stream.next() - 0.5;
            scaledSeries[i] = series[i] * seriesScale;
            scaledColumn[i] = column[i] * columnScale;
        }
        const simulation::FixedColumn fixed(scaledColumn);
        const std::array<const simulation::FixedColumn*, 2> chosen{&fixed, &levelColumn};
        centred.centre(scaledSeries);
        std::array<double, 2> r{};
        centred.correlate(chosen, r);
        EXPECT_NEAR(r[0], analysis::pearsonR(series, column), 1e-12)
            << seriesScale << " against " << columnScale;
        EXPECT_NEAR(r[1], analysis::pearsonR(series, level), 1e-12) << seriesScale;
    }
}

} // namespace
