#include "descriptives/descriptives.h"

#include "analysis/basics.h"
#include "analysis/draws.h"
#include "data/module1.h"
#include "descriptives/replicatesort.h"
#include "framework/conversions.h"
#include "framework/random.h"
#include "framework/runtime.h"
#include "support/analysisfixture.h"
#include "support/fakealert.h"
#include "support/fakeprogress.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

using framework::CStr;
using Module1::DescriptivesSettings;

const std::string header = "_________________________\n"
                           "\n"
                           "Descriptives\n"
                           "_________________________\n"
                           "\n";
const std::string closing = "____________________________________\n"
                            "\n";

// Every box off: the header, the block's name and the iteration line alone.
DescriptivesSettings nothingShown() {
    DescriptivesSettings settings;
    settings.nSizes = settings.means = settings.stdDevs = settings.slopes = settings.intercepts =
        settings.medians = false;
    settings.intervals = {false, false, false, false};
    settings.iterations = 0;
    return settings;
}

// Draws that pick the given 1-based positions out of count values, one after another.
class ScriptedPositions final : public framework::UniformSource {
  public:
    ScriptedPositions(std::vector<int> positions, int count)
        : positions_(std::move(positions)), count_(count) {}
    double next() override {
        const int position = positions_[next_++ % positions_.size()];
        return (position - 0.5) / count_;
    }

  private:
    std::vector<int> positions_;
    int count_;
    std::size_t next_ = 0;
};

class DescriptivesTest : public AnalysisFixture {
  protected:
    static void fillValues(const std::vector<std::string>& values, const std::string& phase = "") {
        std::vector<Row> rows;
        for (const std::string& value : values) {
            rows.push_back({value, phase});
        }
        fill(rows);
    }

    // The one report of a run that must complete.
    std::string report(const DescriptivesSettings& settings) {
        output.blocks.clear();
        Module1::descriptives(settings, progress, output);
        EXPECT_EQ(output.blocks.size(), 1u);
        return output.blocks.empty() ? std::string() : output.blocks[0];
    }

    FakeAlert alert;
    FakeProgress progress;
    FakeOutput output;
};

// Values 3, 5, 4, 6, 5 in phase 0 and 8, 9, 7, 10, 9, 11 in phase 1.
void fillTwoPhases() {
    const std::vector<std::pair<std::string, std::string>> rows{
        {"3", "0"}, {"5", "0"}, {"4", "0"},  {"6", "0"}, {"5", "0"}, {"8", "1"},
        {"9", "1"}, {"7", "1"}, {"10", "1"}, {"9", "1"}, {"11", "1"}};
    int row = DataGrid::firstDataRow;
    for (const auto& [dv, phase] : rows) {
        Module1::grid().setCell(row, DataGrid::dvColumn, dv);
        Module1::grid().setCell(row, DataGrid::phaseColumn, phase);
        ++row;
    }
}

// The interval rows a seeded run must print, found here afresh from the same stream: each
// block's nboot resample means, sorted, read at the truncated positions.
std::vector<std::string> seededIntervalRows(std::uint64_t seed, std::int32_t nboot,
                                            const std::vector<std::vector<double>>& blocks,
                                            const std::vector<bool>& shown) {
    const double lower[] = {0.05, 0.025, 0.0125, 0.005};
    const double upper[] = {0.95, 0.975, 0.9875, 0.995};
    const char* labels[] = {"90% C.I. = ", "95% C.I. = ", "97.5% C.I. = ", "99% C.I. = "};
    framework::Xoshiro256StarStar stream(seed);
    std::vector<std::string> rows;
    for (const std::vector<double>& block : blocks) {
        const auto count = static_cast<std::int32_t>(block.size());
        std::vector<double> means;
        for (std::int32_t b = 0; b < nboot; ++b) {
            double sum = 0.0;
            for (std::int32_t i = 0; i < count; ++i) {
                sum += block[static_cast<std::size_t>(analysis::drawPosition(stream, count) - 1)];
            }
            means.push_back(sum / count);
        }
        std::sort(means.begin(), means.end());
        std::string lines;
        for (int row = 0; row < 4; ++row) {
            if (shown[static_cast<std::size_t>(row)]) {
                const auto lo = static_cast<std::size_t>(nboot * lower[row]);
                const auto hi = static_cast<std::size_t>(nboot * upper[row]);
                lines += labels[row] + CStr(means[lo - 1]) + " TO " + CStr(means[hi - 1]) + "\n";
            }
        }
        rows.push_back(lines);
    }
    return rows;
}

TEST_F(DescriptivesTest, SeededReportWithEveryBoxOn) {
    fillTwoPhases();
    DescriptivesSettings settings;
    settings.intervals = {true, true, true, true};
    settings.iterations = 1000;
    framework::seedRnd(2024);
    const std::string text = report(settings);
    const std::vector<std::string> intervals = seededIntervalRows(
        2024, 1000, {{3, 5, 4, 6, 5, 8, 9, 7, 10, 9, 11}, {3, 5, 4, 6, 5}, {8, 9, 7, 10, 9, 11}},
        {true, true, true, true});
    // Median, mean, SD (divisor N), slope and intercept from numpy.median, mean, std and
    // scipy.stats.linregress on the same values, printed with %.7g.
    EXPECT_EQ(text, header +
                        "ALL DATA\nN = 11\nNumber of iterations = 1000\nMedian = 7\n\n"
                        "Mean = 7\n" +
                        intervals[0] +
                        "\nStdDev = 2.486326\nOLS Slope = 0.7272727\nIntercept = 2.636364\n" +
                        header +
                        "PHASE: 0\nN = 5\nNumber of iterations = 1000\nMedian = 5\n\n"
                        "Mean = 4.6\n" +
                        intervals[1] + "\nStdDev = 1.019804\nOLS Slope = 0.5\nIntercept = 3.1\n" +
                        header +
                        "PHASE: 1\nN = 6\nNumber of iterations = 1000\nMedian = 9\n\n"
                        "Mean = 9\n" +
                        intervals[2] +
                        "\nStdDev = 1.290994\nOLS Slope = 0.5142857\nIntercept = 7.2\n" + closing);
}

TEST_F(DescriptivesTest, SeededReportWithTheDefaults) {
    fillTwoPhases();
    framework::seedRnd(77);
    const std::string text = report(DescriptivesSettings{});
    const std::vector<std::string> intervals = seededIntervalRows(
        77, 5000, {{3, 5, 4, 6, 5, 8, 9, 7, 10, 9, 11}, {3, 5, 4, 6, 5}, {8, 9, 7, 10, 9, 11}},
        {false, true, false, false});
    EXPECT_EQ(text, header +
                        "ALL DATA\nN = 11\nNumber of iterations = 5000\nMedian = 7\n\n"
                        "Mean = 7\n" +
                        intervals[0] +
                        "\nStdDev = 2.486326\nOLS Slope = 0.7272727\nIntercept = 2.636364\n" +
                        header +
                        "PHASE: 0\nN = 5\nNumber of iterations = 5000\nMedian = 5\n\n"
                        "Mean = 4.6\n" +
                        intervals[1] + "\nStdDev = 1.019804\nOLS Slope = 0.5\nIntercept = 3.1\n" +
                        header +
                        "PHASE: 1\nN = 6\nNumber of iterations = 5000\nMedian = 9\n\n"
                        "Mean = 9\n" +
                        intervals[2] +
                        "\nStdDev = 1.290994\nOLS Slope = 0.5142857\nIntercept = 7.2\n" + closing);
    EXPECT_EQ(progress.shownTitle, "Running Bootstrapped Means");
    EXPECT_EQ(progress.shownSublabel, "Number of iterations completed");
    EXPECT_EQ(progress.shownGoal, 15000);
    EXPECT_EQ(progress.closes, 1);
}

TEST_F(DescriptivesTest, WorkedExamples) {
    fillValues({"2", "4", "6", "8"});
    const std::string text = report(DescriptivesSettings{});
    const std::string before = header + "ALL DATA\nN = 4\nNumber of iterations = 5000\n"
                                        "Median = 5\n\nMean = 5\n95% C.I. = ";
    const std::string after = "\n\nStdDev = 2.236068\nOLS Slope = 2\nIntercept = 0\n" + closing;
    ASSERT_GT(text.size(), before.size() + after.size());
    EXPECT_EQ(text.substr(0, before.size()), before);
    EXPECT_EQ(text.substr(text.size() - after.size()), after);

    DescriptivesSettings noSlope = nothingShown();
    noSlope.intercepts = true;
    EXPECT_EQ(report(noSlope),
              header + "ALL DATA\nNumber of iterations = 0\nIntercept = 0\n" + closing);

    struct LineCase {
        std::vector<std::string> values;
        std::string line;
    };
    DescriptivesSettings medianAndSd = nothingShown();
    medianAndSd.medians = medianAndSd.stdDevs = true;
    const std::vector<LineCase> cases{
        {{"3", "1", "4", "1", "5"}, "Median = 3\n"},
        {{"1", "2", "3", "4"}, "Median = 2.5\n"},
        {{"2", "4", "4", "4", "5", "5", "7", "9"}, "StdDev = 2\n"},
    };
    for (const LineCase& c : cases) {
        clearGrid();
        fillValues(c.values);
        EXPECT_NE(report(medianAndSd).find(c.line), std::string::npos) << c.line;
    }
}

TEST_F(DescriptivesTest, WhatRunsWithoutIntervalsOrWithoutMeans) {
    fillTwoPhases();
    DescriptivesSettings noIntervals = nothingShown();
    noIntervals.means = true;
    noIntervals.iterations = 5000; // not read: no interval box is on
    const std::string text = report(noIntervals);
    EXPECT_EQ(text.substr(0, header.size() + 52),
              header + "ALL DATA\nNumber of iterations = 0\n\nMean = 7\n\n" + header.substr(0, 7));
    EXPECT_EQ(progress.shownGoal, 0);
    EXPECT_TRUE(progress.counts.empty());

    DescriptivesSettings noMeans = nothingShown();
    noMeans.intervals[1] = true;
    noMeans.iterations = 5000;
    EXPECT_EQ(report(noMeans), header + "ALL DATA\nNumber of iterations = 5000\n" + header +
                                   "PHASE: 0\nNumber of iterations = 5000\n" + header +
                                   "PHASE: 1\nNumber of iterations = 5000\n" + closing);
    EXPECT_EQ(progress.shownGoal, 15000);
    EXPECT_TRUE(progress.counts.empty());
}

TEST_F(DescriptivesTest, CounterRunsOnFromBlockToBlock) {
    fillTwoPhases();
    DescriptivesSettings settings = nothingShown();
    settings.means = true;
    settings.intervals[0] = true;
    settings.iterations = 100;
    report(settings);
    EXPECT_EQ(progress.shownGoal, 300);
    std::vector<std::int32_t> tens;
    for (std::int32_t done = 10; done <= 300; done += 10) {
        tens.push_back(done);
    }
    EXPECT_EQ(progress.counts, tens);
    EXPECT_EQ(progress.mainLabels,
              (std::vector<std::string>{"Sorting Data", "Running Bootstrapped Means",
                                        "Sorting Data", "Running Bootstrapped Means",
                                        "Sorting Data", "Running Bootstrapped Means"}));
}

TEST_F(DescriptivesTest, RefusalsShowANoticeAndNothingElse) {
    DescriptivesSettings tooMany;
    tooMany.iterations = 1'000'001;
    fillTwoPhases();
    Module1::descriptives(tooMany, progress, output);
    clearGrid();
    fillValues({"4"});
    Module1::descriptives(DescriptivesSettings{}, progress, output);
    clearGrid();
    Module1::descriptives(DescriptivesSettings{}, progress, output);
    EXPECT_EQ(alert.asked, (std::vector<std::string>{
                               "Please enter no more than 1000000 iterations.",
                               "Not enough data to analyze.", "Not enough data to analyze."}));
    EXPECT_EQ(alert.buttons, (std::vector<std::string>(3, "OK")));
    EXPECT_EQ(progress.shows, 0);
    EXPECT_TRUE(output.blocks.empty());

    // Two values are enough, and so is an empty DV cell between them.
    fillValues({"4", "", "6"});
    EXPECT_NE(report(DescriptivesSettings{}).find("N = 2\n"), std::string::npos);
}

TEST_F(DescriptivesTest, OneValueBlock) {
    fill({{"3", "0"}, {"5", "0"}, {"7", "1"}, {"", "1"}});
    DescriptivesSettings settings;
    settings.intervals = {true, true, true, true};
    settings.iterations = 100;
    const std::string text = report(settings);
    const std::string phase1 = header +
                               "PHASE: 1\nN = 1\nNumber of iterations = 100\n"
                               "Median = 7\n\nMean = 7\n90% C.I. = 7 TO 7\n"
                               "95% C.I. = 7 TO 7\n97.5% C.I. = 7 TO 7\n"
                               "99% C.I. = 7 TO 7\n\nStdDev = 0\nOLS Slope = NaN\n"
                               "Intercept = NaN\n" +
                               closing;
    ASSERT_GT(text.size(), phase1.size());
    EXPECT_EQ(text.substr(text.size() - phase1.size()), phase1);
}

// With the values 1..150 and every resample drawing one position throughout, the replicate
// means are the positions themselves: replicate b has the mean 1 + (7b mod 150), so the sorted
// buffer holds 1..150 and each limit names its position.
TEST_F(DescriptivesTest, LimitsAreTheReplicatesAtTheirPositions) {
    std::vector<std::string> values;
    std::vector<int> draws;
    for (int i = 1; i <= 150; ++i) {
        values.push_back(CStr(i));
    }
    for (int b = 1; b <= 150; ++b) {
        draws.insert(draws.end(), 150, 1 + (7 * b) % 150);
    }
    fillValues(values);
    framework::replaceRnd(std::make_unique<ScriptedPositions>(draws, 150));
    DescriptivesSettings settings = nothingShown();
    settings.means = true;
    settings.intervals = {true, true, true, true};
    settings.iterations = 150;
    // 150 x .005 = .75 truncates to 0, which holds no replicate: the lowest one stands there.
    EXPECT_EQ(report(settings), header +
                                    "ALL DATA\nNumber of iterations = 150\n\n"
                                    "Mean = 75.5\n90% C.I. = 7 TO 142\n95% C.I. = 3 TO 146\n"
                                    "97.5% C.I. = 1 TO 148\n99% C.I. = 1 TO 149\n\n" +
                                    closing);

    const std::vector<std::pair<Module1::Interval, Module1::LimitPositions>> at5000{
        {Module1::Interval::Ninety, {250, 4750}},
        {Module1::Interval::NinetyFive, {125, 4875}},
        {Module1::Interval::NinetySevenHalf, {62, 4937}},
        {Module1::Interval::NinetyNine, {25, 4975}},
    };
    for (const auto& [interval, positions] : at5000) {
        const Module1::LimitPositions found = Module1::limitPositions(interval, 5000);
        EXPECT_EQ(found.lower, positions.lower);
        EXPECT_EQ(found.upper, positions.upper);
    }
}

// 40 skewed values; scipy.stats.bootstrap((x,), np.mean, method='percentile',
// confidence_level=0.95, n_resamples=1_000_000) gave the interval 5.1675 to 7.165. Each limit
// of 100,000 replicates has a Monte Carlo error of about sqrt(.025 x .975 / 1e5) / phi(1.96)
// x SE(mean) = 0.0085 x 0.51 = 0.0043, scipy's a third of that: 0.02 is over four of them.
TEST_F(DescriptivesTest, PercentileIntervalAgreesWithAStatisticsPackage) {
    fillValues({"3.0", "4.5", "0.7",  "3.4",  "8.3",  "10.3", "7.6",  "9.3", "2.0", "4.5",
                "4.3", "1.5", "5.1",  "11.7", "13.7", "3.9",  "5.1",  "3.9", "1.4", "5.9",
                "5.3", "3.3", "10.3", "9.8",  "7.5",  "6.1",  "5.0",  "7.9", "4.3", "8.2",
                "5.1", "1.8", "12.7", "7.9",  "7.4",  "4.7",  "11.9", "4.3", "7.9", "4.4"});
    framework::seedRnd(4040);
    DescriptivesSettings settings = nothingShown();
    settings.means = true;
    settings.intervals[1] = true;
    settings.iterations = 100000;
    const std::string text = report(settings);
    const std::string label = "95% C.I. = ";
    const std::size_t start = text.find(label);
    ASSERT_NE(start, std::string::npos);
    const std::size_t to = text.find(" TO ", start);
    const double low =
        framework::CDbl(text.substr(start + label.size(), to - start - label.size()));
    const double high = framework::CDbl(text.substr(to + 4));
    EXPECT_NEAR(low, 5.1675, 0.02);
    EXPECT_NEAR(high, 7.165, 0.02);
}

// numpy.median, numpy.mean, numpy.std (ddof=0) and scipy.stats.linregress over the positions
// 1..n (numpy 1.24, scipy 1.10), printed with repr.
struct Reference {
    std::vector<double> values;
    double median, mean, sd, slope, intercept;
};

const std::vector<Reference>& references() {
    static const std::vector<Reference> all{
        {{3.5, -1.25, 4.0, 4.0, 7.75, -1.25, 0.5, 12.0, 4.0, -3.0},
         3.75,
         3.025,
         4.303269106156388,
         -0.007575757575757533,
         3.0666666666666664},
        {{5.1,  4.4,  19.2, 13.6, 6.1,  14.1, 4.3,  21.2, 6.5,  8.0,  10.9, 12.9, 3.3,
          3.4,  12.5, 8.2,  12.4, 11.4, 9.3,  12.7, 13.7, 13.0, 7.0,  17.9, 3.6,  7.8,
          6.9,  10.2, 6.4,  3.5,  13.3, 16.0, 13.0, 12.1, 6.0,  12.3, 13.9, 15.5, 7.2,
          19.0, 18.6, 9.0,  7.0,  3.8,  10.5, 18.1, 8.8,  -2.2, 7.5,  16.1},
         10.35,
         10.3,
         5.0596047276442455,
         0.014684273709483818,
         9.925551020408163},
        {{-9.5,  -4.1,  17.6,  -25.9, -13.3, -3.3,  5.0,   24.8,  2.0,   3.5,  -19.5, 0.6,   -18.9,
          -16.8, -5.0,  -9.8,  10.1,  -23.3, 5.9,   -3.6,  -17.4, -3.7,  -1.8, -3.5,  -19.5, 5.6,
          12.3,  22.6,  -13.0, -5.9,  -8.6,  -21.1, -1.3,  27.0,  15.6,  -1.2, 25.4,  27.6,  -1.1,
          21.2,  -11.0, -26.3, 17.1,  -0.1,  -11.4, 19.7,  23.0,  15.9,  11.6, 12.7,  40.9,  -7.8,
          8.4,   -26.6, -4.9,  -23.1, -8.9,  -19.3, 16.2,  -12.6, -9.3,  8.4,  -6.4,  12.0,  0.9,
          7.2,   -3.1,  -5.9,  0.5,   -24.3, -2.1,  -12.7, 31.6,  -9.6,  25.3, 10.4,  2.1,   -5.7,
          -0.3,  -6.4,  -4.3,  -4.4,  26.7,  11.0,  26.4,  12.2,  -36.9, 7.4,  13.4,  -24.7, -15.0,
          -15.1, 26.7,  -7.0,  10.1,  -31.5, -5.6,  29.2,  17.9,  6.8,   5.2,  15.7,  -18.1, 6.2,
          -7.6,  -4.5,  16.7,  1.2,   -19.5, 4.5,   20.6,  6.5,   3.6,   6.9,  5.7,   13.5,  15.5,
          -12.0, -8.0,  6.3,   -13.7, 3.9,   -17.0, 10.3,  -13.8, 2.7,   3.7,  -16.4, 2.4,   -3.7,
          7.1,   20.0,  -0.6,  -8.9,  -21.6, 3.2,   -1.8,  13.2,  17.7,  6.7,  12.1,  2.0,   -1.3,
          18.0,  30.5,  4.8,   7.9,   13.4,  1.8,   -12.3, 15.2,  -1.2,  -1.1, -1.6,  15.5,  18.6,
          25.4,  -9.5,  -16.2, -2.2,  -1.0,  -18.7, 7.3,   -18.9, 5.4,   0.8,  15.3,  -0.2,  13.9,
          15.3,  48.5,  29.5,  -7.4,  0.4,   4.1,   0.5,   -25.4, 3.2,   13.3, -2.4,  -11.9, 26.0,
          4.9,   -1.1,  18.2,  -16.9, 5.8,   14.0,  10.9,  -2.3,  16.7,  27.4, 16.9,  33.3,  7.3,
          -0.4,  25.0,  -17.2, 18.8},
         2.0,
         2.389949748743719,
         15.020789596355357,
         0.04747479823359221,
         -2.357530074615502},
    };
    return all;
}

TEST(DescriptivesStatisticsTest, AgreeWithAStatisticsPackage) {
    const auto near = [](double found, double expected) {
        EXPECT_NEAR(found, expected, 1e-12 * std::max(1.0, std::abs(expected)));
    };
    for (const Reference& r : references()) {
        const std::span<const double> values(r.values);
        std::vector<double> sorted = r.values;
        ASSERT_TRUE(descriptives::shellSort(std::span(sorted), [] { return true; }));
        near(Module1::medianOfSorted(sorted), r.median);
        const double mean = analysis::mean(values);
        near(mean, r.mean);
        near(analysis::standardDeviation(values, mean, static_cast<double>(values.size())), r.sd);
        const analysis::Line line = analysis::trendLine(values);
        near(line.slope, r.slope);
        near(line.intercept, r.intercept);
    }
}

// Finite values whose sums of squares leave the double range, and a constant series whose mean
// is rounded: each line as the same values at ordinary scale give it.
TEST_F(DescriptivesTest, FiniteValuesFarFromOneAndConstantValues) {
    struct Case {
        std::vector<std::string> values;
        std::string lines;
    };
    const std::vector<Case> cases{
        {{"1e308", "1.5e308", "1.7e308", "1.6e308"},
         "Median = 1.55e+308\n\nMean = 1.45e+308\n\nStdDev = 2.692582e+307\n"
         "OLS Slope = 2e+307\nIntercept = 9.5e+307\n"},
        {{"1", "1.5", "1.7", "1.6"},
         "Median = 1.55\n\nMean = 1.45\n\nStdDev = 0.2692582\nOLS Slope = 0.2\nIntercept = 0.95\n"},
        {{"1e200", "-1e200"},
         "Median = 0\n\nMean = 0\n\nStdDev = 1e+200\nOLS Slope = -2e+200\nIntercept = 3e+200\n"},
        // The exact results of the stored subnormals (Python's fractions), or the subnormal
        // nearest to them where a subnormal cannot hold seven digits.
        {{"1e-320", "2e-320", "4e-320", "3e-320"},
         "Median = 2.499972e-320\n\nMean = 2.499972e-320\n\nStdDev = 1.118071e-320\n"
         "OLS Slope = 7.998923e-321\nIntercept = 4.999944e-321\n"},
        {std::vector<std::string>(10, "0.1"),
         "Median = 0.1\n\nMean = 0.1\n\nStdDev = 0\nOLS Slope = 0\nIntercept = 0.1\n"},
    };
    DescriptivesSettings settings = nothingShown();
    settings.medians = settings.means = settings.stdDevs = settings.slopes = settings.intercepts =
        true;
    for (const Case& c : cases) {
        clearGrid();
        fillValues(c.values);
        EXPECT_EQ(report(settings),
                  header + "ALL DATA\nNumber of iterations = 0\n" + c.lines + closing);
    }
}

TEST_F(DescriptivesTest, ValuesTooLargeForADoubleAreRefused) {
    // 1e400 would be read as infinity and print "Mean = NaN": a report of a value nobody entered.
    fillValues({"3", "1e400", "-1e400", "4"});
    DescriptivesSettings settings;
    settings.intervals = {true, true, true, true};
    settings.iterations = 200;
    Module1::descriptives(settings, progress, output);
    EXPECT_TRUE(output.blocks.empty());
    EXPECT_EQ(alert.asked, std::vector<std::string>{
                               "Row 2 of Var1(DV) holds \"1e400\", which is too large a number. "
                               "Empty the cell to make it a missing value."});
}

TEST_F(DescriptivesTest, ControlHeldCancelsWithoutOutput) {
    fillTwoPhases();
    struct Case {
        const char* when;
        bool medians;
        bool heldWhileSorting;
        int pollsBeforeHeld;
    };
    // Held from the first replicate, at a later block's replicates, at the median's sort and at
    // the sort of the replicate means.
    const std::vector<Case> cases{
        {"first replicate", true, false, 0},
        {"second block", true, false, 150},
        {"median sort", true, true, 0},
        {"replicate sort", false, true, 0},
    };
    for (const Case& c : cases) {
        FakeProgress cancelled;
        int polls = 0;
        framework::setControlKeyPoll([&] {
            const bool sorting =
                !cancelled.mainLabels.empty() && cancelled.mainLabels.back() == "Sorting Data";
            return polls++ >= c.pollsBeforeHeld && (sorting || !c.heldWhileSorting);
        });
        DescriptivesSettings settings;
        settings.medians = c.medians;
        settings.iterations = 100;
        Module1::descriptives(settings, cancelled, output);
        EXPECT_EQ(cancelled.shows, 1) << c.when;
        EXPECT_EQ(cancelled.closes, 1) << c.when;
        EXPECT_EQ(cancelled.mainLabels.empty(), !c.heldWhileSorting && c.pollsBeforeHeld == 0)
            << c.when;
    }
    EXPECT_TRUE(output.blocks.empty());
}

TEST_F(DescriptivesTest, IntervalsOfMeansNearTheTopOfTheRangeAreThoseNearOneScaled) {
    // Every resample of 1e308, 1.5e308, 1.7e308, 1.6e308 sums past the largest double.
    const std::vector<double> nearOne{1, 1.5, 1.7, 1.6};
    const auto intervalLines = [&](double factor) {
        std::vector<std::string> values;
        for (const double value : nearOne) {
            values.push_back(CStr(value * factor));
        }
        clearGrid();
        fillValues(values);
        DescriptivesSettings settings = nothingShown();
        settings.means = true;
        settings.intervals = {true, true, true, true};
        settings.iterations = 1000;
        framework::seedRnd(15);
        const std::string text = report(settings);
        std::vector<std::string> lines;
        for (std::size_t at = text.find("C.I. = "); at != std::string::npos;
             at = text.find("C.I. = ", at + 1)) {
            const std::size_t start = text.rfind('\n', at) + 1;
            lines.push_back(text.substr(start, text.find('\n', at) - start));
        }
        return lines;
    };
    std::vector<std::string> expected;
    for (const std::string& line : intervalLines(1.0)) {
        const std::size_t values = line.find("= ") + 2;
        const std::size_t to = line.find(" TO ");
        expected.push_back(line.substr(0, values) +
                           CStr(framework::CDbl(line.substr(values, to - values)) * 1e308) +
                           " TO " + CStr(framework::CDbl(line.substr(to + 4)) * 1e308));
    }
    ASSERT_EQ(expected.size(), 4u);
    EXPECT_EQ(intervalLines(1e308), expected);
}

} // namespace
