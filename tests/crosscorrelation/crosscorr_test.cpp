#include "crosscorrelation/crosscorr.h"

#include "crosscorrelation/crossreport.h"
#include "data/module1.h"
#include "framework/conversions.h"
#include "framework/random.h"
#include "framework/runtime.h"
#include "support/analysisfixture.h"
#include "support/fakeprogress.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

class CrossCorrTest : public AnalysisFixture {
  protected:
    // Fills the grid with the pairs and loads them, as OK does.
    static void load(const std::vector<double>& x, const std::vector<double>& y) {
        std::vector<Row> rows;
        for (std::size_t i = 0; i < x.size(); ++i) {
            rows.push_back({framework::CStr(x[i]), framework::CStr(y[i])});
        }
        fill(rows);
        Module1::loadvectors();
    }

    Module1::CrossSettings settingsFor(Module1::CrossFields fields) const {
        fields.nSize1 = framework::CStr(Module1::n);
        const Module1::CrossReading reading = Module1::readCrossSettings(fields, Module1::n);
        EXPECT_FALSE(reading.notice.has_value()) << *reading.notice;
        return reading.settings;
    }

    FakeProgress progress;
    FakeOutput output;
};

const std::vector<double> twelveX{3, 5, 2, 5, 7, 4, 6, 3, 8, 5, 2, 6};
const std::vector<double> twelveY{12, 15, 11, 14, 18, 12, 17, 13, 19, 16, 10, 9};

TEST(CrossReport, LagLinesHave76CharactersWithREveryTimeInColumn11) {
    const std::string line = Module1::lagLine(-3, -0.25, 0.031, false);
    EXPECT_EQ(line, "LAG:-03 r=-0.25  p= 0.031" + std::string(19, ' ') + "......|" +
                        std::string(25, ' '));
    EXPECT_EQ(Module1::lagLine(0, 1.0, 0.0, true),
              "LAG:0   r=+1.00  p= 0.000" + std::string(25, ' ') + "|" + std::string(25, 'O'));
    for (const std::int32_t lag : {-99, -10, -1, 0, 1, 4, 99}) {
        for (const double r : {-1.0, -0.004, 0.0, 0.3333, 1.0}) {
            const std::string text = Module1::lagLine(lag, r, 0.5, lag % 2 == 0);
            EXPECT_EQ(text.size(), 76u) << text;
            EXPECT_EQ(text.substr(7, 3), " r=") << text;
            EXPECT_EQ(text.substr(15, 5), "  p= ") << text;
            EXPECT_EQ(text[50], '|') << text;
        }
    }
}

TEST(CrossReport, ASimulatedValueCountsWhenNotLessExtremeOrNotANumber) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double simulated;
        double observed;
        bool counts;
    };
    const Case cases[] = {
        {0.5, 0.4, true},   {0.4, 0.4, true},   {0.3, 0.4, false},   {-0.9, 0.4, false},
        {-0.5, -0.4, true}, {-0.4, -0.4, true}, {-0.3, -0.4, false}, {0.9, -0.4, false},
        {0.0, 0.0, true},   {0.2, 0.0, true},   {-0.2, 0.0, false},  {nan, 0.4, true},
        {nan, -0.4, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Module1::atLeastAsExtreme(c.simulated, c.observed), c.counts)
            << c.simulated << " against " << c.observed;
    }
}

// Expected texts from tests/crosscorrelation/reference/crossreport.py, an independent model of
// the run in Python (the generator seeded alike, the deviates, series, correlations, counts and
// text), run once: DV1 autocorrelation 0.3, DV2 intercept 1, slope 0.5 and StDev 2, 200
// simulations, lags "2.0", alpha .05, seed 2024.
struct SeededReport {
    bool bonferroni;
    bool spearman;
    std::string text;
};
const SeededReport seededReports[] = {
    {true, false,
     "_______________________________________\n"
     "\n"
     "Cross Correlations\n"
     "Simulation Modeling for Significance Testing\n"
     "Bonferroni Corrected for Multiple Comparisons\n"
     "_____________________________________\n"
     "\n"
     "Number of simulation models = 200\n"
     "Number of lags to display = 2.0\n"
     "Valid pairwise N = 12\n"
     "Alpha = 0.01\n"
     "Var1 leading Var2\n"
     "\n"
     "LAG:-02 r=+0.10  p= 0.390                         |..                       \n"
     "LAG:-01 r=-0.39  p= 0.095                .........|                         \n"
     "LAG:0   r=+0.73  p= 0.010                         |..................       \n"
     "LAG:+01 r=+0.01  p= 0.540                         |                         \n"
     "LAG:+02 r=-0.15  p= 0.245                      ...|                         \n"},
    {false, false,
     "_______________________________________\n"
     "\n"
     "Cross Correlations\n"
     "Simulation Modeling for Significance Testing\n"
     "_____________________________________\n"
     "\n"
     "Number of simulation models = 200\n"
     "Number of lags to display = 2.0\n"
     "Valid pairwise N = 12\n"
     "Alpha = 0.05\n"
     "Var1 leading Var2\n"
     "\n"
     "LAG:-02 r=+0.10  p= 0.390                         |..                       \n"
     "LAG:-01 r=-0.39  p= 0.095                .........|                         \n"
     "LAG:0   r=+0.73  p= 0.010                         |OOOOOOOOOOOOOOOOOO       \n"
     "LAG:+01 r=+0.01  p= 0.540                         |                         \n"
     "LAG:+02 r=-0.15  p= 0.245                      ...|                         \n"},
    {true, true,
     "_______________________________________\n"
     "\n"
     "Cross Correlations\n"
     "Simulation Modeling for Significance Testing\n"
     "Bonferroni Corrected for Multiple Comparisons\n"
     "Non-parametric (Spearman Rho)\n"
     "_____________________________________\n"
     "\n"
     "Number of simulation models = 200\n"
     "Number of lags to display = 2.0\n"
     "Valid pairwise N = 12\n"
     "Alpha = 0.01\n"
     "Var1 leading Var2\n"
     "\n"
     "LAG:-02 r=+0.10  p= 0.400                         |..                       \n"
     "LAG:-01 r=-0.50  p= 0.065             ............|                         \n"
     "LAG:0   r=+0.69  p= 0.015                         |.................        \n"
     "LAG:+01 r=+0.00  p= 0.490                         |                         \n"
     "LAG:+02 r=-0.13  p= 0.300                      ...|                         \n"},
    {false, true,
     "_______________________________________\n"
     "\n"
     "Cross Correlations\n"
     "Simulation Modeling for Significance Testing\n"
     "Non-parametric (Spearman Rho)\n"
     "_____________________________________\n"
     "\n"
     "Number of simulation models = 200\n"
     "Number of lags to display = 2.0\n"
     "Valid pairwise N = 12\n"
     "Alpha = 0.05\n"
     "Var1 leading Var2\n"
     "\n"
     "LAG:-02 r=+0.10  p= 0.400                         |..                       \n"
     "LAG:-01 r=-0.50  p= 0.065             ............|                         \n"
     "LAG:0   r=+0.69  p= 0.015                         |OOOOOOOOOOOOOOOOO        \n"
     "LAG:+01 r=+0.00  p= 0.490                         |                         \n"
     "LAG:+02 r=-0.13  p= 0.300                      ...|                         \n"},
};

TEST_F(CrossCorrTest, SeededReportsByteForByte) {
    load(twelveX, twelveY);
    for (const SeededReport& expected : seededReports) {
        Module1::CrossFields fields;
        fields.autocorr1 = "0.3";
        fields.intercept2 = "1";
        fields.slope2 = "0.5";
        fields.stdev2 = "2";
        fields.simulations = "200";
        fields.lags = "2.0";
        fields.bonferroni = expected.bonferroni;
        fields.spearman = expected.spearman;
        const Module1::CrossSettings settings = settingsFor(fields);
        framework::seedRnd(2024);
        output.blocks.clear();
        Module1::crosscorr(settings, progress, output);
        ASSERT_EQ(output.blocks.size(), 1u);
        EXPECT_EQ(output.blocks[0], expected.text);
        EXPECT_EQ(Module1::n, 12);
    }
}

// Seventeen digits, which read back as the same double.
std::string exactText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

TEST_F(CrossCorrTest, DataAndModelsFarFromOneGiveTheReportOfTheSameNearOne) {
    struct Case {
        std::string name;
        std::vector<double> x;
        std::vector<double> y;
        Module1::CrossFields fields; // with the series' N filled in
    };
    // The report of a seeded run on the pairs, every value typed with all its digits.
    const auto reportOf = [&](const Case& c) {
        std::vector<Row> rows;
        for (std::size_t i = 0; i < c.x.size(); ++i) {
            rows.push_back({exactText(c.x[i]), exactText(c.y[i])});
        }
        clearGrid();
        fill(rows);
        Module1::loadvectors();
        Module1::CrossFields fields = c.fields;
        fields.simulations = "200";
        fields.lags = "2";
        const Module1::CrossSettings settings = settingsFor(fields);
        framework::seedRnd(2024);
        output.blocks.clear();
        Module1::crosscorr(settings, progress, output);
        return output.blocks.empty() ? std::string() : output.blocks[0];
    };
    const auto times = [](std::vector<double> values, double factor) {
        for (double& value : values) {
            value *= factor;
        }
        return values;
    };
    const auto model = [](std::string intercept, std::string slope, std::string stdev) {
        Module1::CrossFields fields;
        fields.intercept1 = intercept;
        fields.slope1 = slope;
        fields.stdev1 = stdev;
        fields.intercept2 = intercept;
        fields.slope2 = slope;
        fields.stdev2 = stdev;
        return fields;
    };
    const std::vector<double> pulse{1e300, -1e300, 1, 2, 3, 5, 2, 8, 1, 0};
    const std::vector<double> pulseNearOne{1, -1, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::vector<double> other{3, 1, 4, 1, 5, 9, 2, 6, 5, 3};
    const Module1::CrossFields unit = model("0", "0", "1");
    const Module1::CrossFields line = model("1", "0.1", "1");
    // Each case far from 1, then the same near 1: the squares of the data past the largest
    // double, below the smallest, and in the subnormal range (whole multiples of its smallest
    // step, which are exact); models whose series lie far from 1.
    const std::vector<std::pair<Case, Case>> cases{
        {{"pulse", pulse, other, unit}, {"", pulseNearOne, other, unit}},
        {{"1e159 and 1e-201", times(twelveX, 1e159), times(twelveY, 1e-201), unit},
         {"", twelveX, twelveY, unit}},
        {{"subnormal", times(twelveX, 0x1p-1074), twelveY, unit}, {"", twelveX, twelveY, unit}},
        {{"StDev 2^600", twelveX, twelveY, model("0", "0", exactText(0x1p600))},
         {"", twelveX, twelveY, unit}},
        {{"StDev 1e160", twelveX, twelveY, model("0", "0", "1e160")}, {"", twelveX, twelveY, unit}},
        {{"StDev 1e-163", twelveX, twelveY, model("0", "0", "1e-163")},
         {"", twelveX, twelveY, unit}},
        {{"line times 1e300", twelveX, twelveY, model("1e300", "1e299", "1e300")},
         {"", twelveX, twelveY, line}},
    };
    for (const auto& [far, nearOne] : cases) {
        const std::string expected = reportOf(nearOne);
        EXPECT_NE(expected.find("LAG:0   r="), std::string::npos) << expected;
        EXPECT_EQ(reportOf(far), expected) << far.name;
    }

    // Series past the largest double (a slope of 1e308 over 12 points) have no correlations,
    // which count as at least as extreme: p = 1 at every lag, never a finite wrong r.
    const std::string beyond = reportOf({"", twelveX, twelveY, model("0", "1e308", "1")});
    std::size_t lines = 0;
    for (std::size_t at = beyond.find("LAG:"); at != std::string::npos;
         at = beyond.find("LAG:", at + 1)) {
        EXPECT_EQ(beyond.substr(at + 15, 10), "  p= 1.000") << beyond;
        ++lines;
    }
    EXPECT_EQ(lines, 5u);
}

// The p of a lag-0 line, read from the report.
double lagZeroP(const std::string& report) {
    const std::size_t at = report.find("LAG:0   r=");
    return std::stod(report.substr(at + 20, 5));
}

TEST_F(CrossCorrTest, LagZeroPUnderTheNullIsTheOneTailedTDistributionsP) {
    // Twenty pairs with r = 0.27028956829574674; scipy.stats.t.sf(r sqrt(18 / (1 - r^2)), 18)
    // gives 0.12454716972228777, the lower tail of -r the same. The model is two independent
    // white-noise series, so the simulated p must agree within 4 binomial standard errors (plus
    // the half of the last printed digit).
    std::vector<double> x;
    std::vector<double> y;
    for (int i = 1; i <= 20; ++i) {
        x.push_back((i * i * 7 + i * 13) % 97);
        y.push_back((i * i * 5 + i * 29) % 89 + 0.25 * x.back());
    }
    constexpr double exactP = 0.12454716972228777;
    constexpr int simulations = 20000;
    const double tolerance = 4.0 * std::sqrt(exactP * (1.0 - exactP) / simulations) + 0.0005;
    framework::seedRnd(77);
    for (const double sign : {1.0, -1.0}) {
        std::vector<double> signedY;
        for (const double value : y) {
            signedY.push_back(sign * value);
        }
        clearGrid();
        load(x, signedY);
        Module1::CrossFields fields;
        fields.simulations = std::to_string(simulations);
        fields.lags = "0";
        fields.bonferroni = false;
        output.blocks.clear();
        Module1::crosscorr(settingsFor(fields), progress, output);
        ASSERT_EQ(output.blocks.size(), 1u);
        EXPECT_NEAR(lagZeroP(output.blocks[0]), exactP, tolerance) << sign;
    }
}

TEST_F(CrossCorrTest, CounterMovesEveryHundredthSimulationOnly) {
    load(twelveX, twelveY);
    Module1::CrossFields fields;
    fields.simulations = "250";
    Module1::crosscorr(settingsFor(fields), progress, output);
    EXPECT_EQ(progress.shownTitle, "Running Simulation Models");
    EXPECT_EQ(progress.shownSublabel, "Number of iterations completed");
    EXPECT_EQ(progress.shownGoal, 250);
    EXPECT_EQ(progress.counts, (std::vector<std::int32_t>{100, 200}));
    EXPECT_EQ(progress.closes, 1);
    EXPECT_EQ(output.blocks.size(), 1u);
}

TEST_F(CrossCorrTest, HoldingControlAppendsNothingAndClosesTheProgressWindow) {
    load(twelveX, twelveY);
    int polls = 0;
    framework::setControlKeyPoll([&] { return ++polls == 3; });
    Module1::crosscorr(settingsFor({}), progress, output);
    EXPECT_EQ(polls, 3);
    EXPECT_TRUE(output.blocks.empty());
    EXPECT_EQ(progress.shows, 1);
    EXPECT_EQ(progress.closes, 1);
}

TEST_F(CrossCorrTest, ConstantVar1GivesTheHeaderAlone) {
    load(std::vector<double>(6, 0.1), {1, 2, 3, 4, 5, 6});
    for (const bool spearman : {false, true}) {
        Module1::CrossFields fields;
        fields.lags = "1";
        fields.spearman = spearman;
        output.blocks.clear();
        Module1::crosscorr(settingsFor(fields), progress, output);
        ASSERT_EQ(output.blocks.size(), 1u);
        EXPECT_TRUE(output.blocks[0].ends_with("Alpha = 0.01666667\nVar1 leading Var2\n\n"))
            << output.blocks[0];
    }
}

TEST_F(CrossCorrTest, EveryRefusalNamesWhatIsWrong) {
    struct Case {
        void (*change)(Module1::CrossFields&);
        std::int32_t pairs;
        std::string notice;
    };
    const Case cases[] = {
        {[](Module1::CrossFields&) {}, 2, "Not enough data to run these analyses."},
        {[](Module1::CrossFields& f) { f.lags = "-1"; }, 10,
         "\"Number of Lags\" needs a whole number of at least 0."},
        {[](Module1::CrossFields& f) { f.lags = "1.5"; }, 10,
         "\"Number of Lags\" needs a whole number of at least 0."},
        {[](Module1::CrossFields& f) { f.lags = "5"; }, 10,
         "\"Number of Lags\" needs a whole number of at most 4 for 10 pairs."},
        {[](Module1::CrossFields& f) { f.simulations = "1000001"; }, 10,
         "Please enter no more than 1000000 simulations."},
        {[](Module1::CrossFields& f) { f.alpha = "0"; }, 10,
         "\"Nominal Alpha\" needs a number above 0 and below 1."},
        {[](Module1::CrossFields& f) { f.alpha = "1"; }, 10,
         "\"Nominal Alpha\" needs a number above 0 and below 1."},
        {[](Module1::CrossFields& f) { f.intercept1 = "1e999"; }, 10,
         "\"DV1 Intercept\" needs a number that is not too large."},
        {[](Module1::CrossFields& f) { f.slope2 = "-1e400"; }, 10,
         "\"DV2 Slope\" needs a number that is not too large."},
        {[](Module1::CrossFields& f) { f.autocorr2 = "9e999"; }, 10,
         "\"DV2 Autocorr\" needs a number that is not too large."},
        {[](Module1::CrossFields& f) { f.mean1 = "1e309"; }, 10,
         "\"DV1 Mean\" needs a number that is not too large."},
        {[](Module1::CrossFields& f) { f.stdev1 = "0"; }, 10,
         "\"DV1 StDev\" needs a number above 0."},
        {[](Module1::CrossFields& f) { f.stdev2 = "-2"; }, 10,
         "\"DV2 StDev\" needs a number above 0."},
        {[](Module1::CrossFields& f) { f.nSize1 = "12"; }, 10,
         "The DV1 N-Size is 12 but the data hold 10 complete pairs: the simulated series must "
         "be as long as the data."},
    };
    for (const Case& c : cases) {
        Module1::CrossFields fields;
        fields.nSize1 = framework::CStr(c.pairs);
        fields.lags = "2";
        c.change(fields);
        const Module1::CrossReading reading = Module1::readCrossSettings(fields, c.pairs);
        ASSERT_TRUE(reading.notice.has_value()) << c.notice;
        EXPECT_EQ(*reading.notice, c.notice);
    }
    // What passes: "5.0" is the whole number 5, a count below 100 runs 100.
    Module1::CrossFields fields;
    fields.nSize1 = "11";
    fields.lags = "5.0";
    fields.simulations = "7";
    const Module1::CrossReading reading = Module1::readCrossSettings(fields, 11);
    EXPECT_FALSE(reading.notice.has_value());
    EXPECT_EQ(reading.settings.lags, 5);
    EXPECT_EQ(reading.settings.lagsText, "5.0");
    EXPECT_EQ(reading.settings.simulations, 100);
}

} // namespace
