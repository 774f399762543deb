#include "descriptives/autocorrelation.h"
#include "descriptives/phaseeffect.h"
#include "descriptives/trendresiduals.h"

#include "data/module1.h"
#include "framework/random.h"
#include "framework/runtime.h"
#include "support/analysisfixture.h"
#include "support/fakealert.h"
#include "support/fakeprogress.h"
#include "support/resamplecount.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Module1::AutocorrelationData;

class AutocorrelationTest : public AnalysisFixture {
  protected:
    void SetUp() override {
        AnalysisFixture::SetUp();
        Module1::phaseromved = false;
        framework::setMessageBox([this](const std::string& text) { messages.push_back(text); });
    }
    void TearDown() override {
        framework::setMessageBox(nullptr);
        AnalysisFixture::TearDown();
    }

    // Two phases, labelled 0 and 1, with a labelled row that holds no value.
    static void fillTwoPhases() {
        fill({{"12", "0"},
              {"15", "0"},
              {"11", "0"},
              {"14", "0"},
              {"", "0"},
              {"16", "0"},
              {"13", "0"},
              {"17", "0"},
              {"15", "0"},
              {"22", "1"},
              {"19", "1"},
              {"24", "1"},
              {"23", "1"},
              {"27", "1"},
              {"21", "1"},
              {"26", "1"},
              {"25", "1"},
              {"28", "1"}});
    }

    std::vector<double> whole() const {
        return {Module1::v[0].begin() + 1, Module1::v[0].begin() + 1 + Module1::phasen[0]};
    }
    static std::vector<double> phaseSeries(int p) {
        return {Module1::v[p].begin() + 1, Module1::v[p].begin() + 1 + Module1::phasen[p]};
    }

    void run(AutocorrelationData data, std::int32_t bootstraps = 100, std::int32_t lags = 3) {
        Module1::autocorrelation({bootstraps, lags, data}, progress, output);
    }

    FakeAlert alert;
    FakeProgress progress;
    FakeOutput output;
    std::vector<std::string> messages;
};

const std::string notice = "There are more or less than 2 phases in this data set. Therefore, "
                           "the program did NOT remove the phase effects before calculating the "
                           "autocorrelation coefficients.";

TEST_F(AutocorrelationTest, TrendResidualsReplaceEverySeriesWithPositionsRestartingPerPhase) {
    // An empty row between the phases takes no position in the whole series.
    fill({{"1", "A"},
          {"3", "A"},
          {"", ""},
          {"2", "A"},
          {"2", "B"},
          {"4", "B"},
          {"6", "B"},
          {"8", "B"},
          {"5", "C"}});
    Module1::fitOLSmodel(output);
    EXPECT_EQ(phaseSeries(1), (std::vector<double>{-0.5, 1, -0.5}));
    EXPECT_EQ(phaseSeries(2), (std::vector<double>{0, 0, 0, 0}));
    ASSERT_EQ(Module1::phasen[3], 1);
    EXPECT_TRUE(std::isnan(Module1::v[3][1]));
    ASSERT_EQ(output.blocks.size(), 1u);
    // The whole series' residuals from numpy.linalg.lstsq of 1, 3, 2, 2, 4, 6, 8, 5 on [1, t],
    // in the default number text.
    const std::string rule = "_________________________\n";
    const std::string title = rule + "\nResiduals of Fitted OLS Model\n" + rule + "\n";
    EXPECT_EQ(output.blocks[0],
              title +
                  "ALL DATA\n\nRESIDUALS:\n-0.08333333\n1.119048\n-0.6785714\n-1.47619\n"
                  "-0.2738095\n0.9285714\n2.130952\n-1.666667\n\n" +
                  title + "PHASE: A\n\nRESIDUALS:\n-0.5\n1\n-0.5\n\n" + title +
                  "PHASE: B\n\nRESIDUALS:\n0\n0\n0\n0\n\n" + title +
                  "PHASE: C\n\nRESIDUALS:\nNaN\n\n");
}

TEST_F(AutocorrelationTest, PhaseEffectIsRemovedFromTheRowsOfTheSecondLabel) {
    struct Case {
        std::vector<Row> rows;
        std::vector<double> whole;
    };
    const std::vector<Case> cases{
        {{{"1", "0"}, {"2", "0"}, {"3", "0"}, {"7", "1"}, {"8", "1"}, {"9", "1"}},
         {1, 2, 3, 1, 2, 3}},
        // ABAB: the shift goes by label, wherever the row stands.
        {{{"1", "0"}, {"7", "1"}, {"2", "0"}, {"8", "1"}, {"3", "0"}, {"9", "1"}},
         {1, 1, 2, 2, 3, 3}},
        // A value without a label is not shifted; a label without a value is no point.
        {{{"1", "0"},
          {"2", "0"},
          {"3", "0"},
          {"50", ""},
          {"", "1"},
          {"7", "1"},
          {"8", "1"},
          {"9", "1"}},
         {1, 2, 3, 50, 1, 2, 3}},
    };
    for (const Case& c : cases) {
        clearGrid();
        fill(c.rows);
        Module1::phaseromved = false;
        Module1::RemoveLevel();
        EXPECT_TRUE(Module1::phaseromved);
        EXPECT_EQ(whole(), c.whole);
        EXPECT_EQ(phaseSeries(1), (std::vector<double>{1, 2, 3}));
        EXPECT_EQ(phaseSeries(2), (std::vector<double>{7, 8, 9}));
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(AutocorrelationTest, PhaseEffectStaysWithoutExactlyTwoPhases) {
    const std::vector<std::vector<Row>> cases{
        {{"1", ""}, {"2", ""}, {"3", ""}},
        {{"1", "0"}, {"2", "0"}, {"3", "0"}},
        {{"1", "0"}, {"2", "1"}, {"3", "2"}},
    };
    for (const std::vector<Row>& rows : cases) {
        clearGrid();
        fill(rows);
        Module1::phaseromved = true;
        Module1::RemoveLevel();
        EXPECT_FALSE(Module1::phaseromved);
        EXPECT_EQ(whole(), (std::vector<double>{1, 2, 3}));
    }
    EXPECT_EQ(messages, std::vector<std::string>(cases.size(), notice));
}

// The expected reports were computed once by an independent Python script that mirrors the
// generator (xoshiro256** seeded through splitmix64, 53-bit doubles), the bootstrap positions,
// the coefficient of the observed series and of every resample, the trend residuals about the
// means and the count in the observed direction, step by step in double precision.
const std::string rawReport = "_________________________\n"
                              "\n"
                              "Autocorrelations\n"
                              "_________________________\n"
                              "\n"
                              "ALL DATA\n"
                              "N-Size = 17\n"
                              "\n"
                              "\n"
                              "Lag-1 = +.674, p = .0001\n"
                              "\n"
                              "Lag-2 = +.785, p = .0001\n"
                              "\n"
                              "Lag-3 = +.470, p = .0249\n"
                              "_________________________\n"
                              "\n"
                              "Autocorrelations\n"
                              "_________________________\n"
                              "\n"
                              "PHASE: 0\n"
                              "N-Size = 8\n"
                              "\n"
                              "\n"
                              "Lag-1 = -.288, p = .3781\n"
                              "\n"
                              "Lag-2 = +.241, p = .1443\n"
                              "\n"
                              "Lag-3 = +.371, p = .1393\n"
                              "_________________________\n"
                              "\n"
                              "Autocorrelations\n"
                              "_________________________\n"
                              "\n"
                              "PHASE: 1\n"
                              "N-Size = 9\n"
                              "\n"
                              "\n"
                              "Lag-1 = -.038, p = .6318\n"
                              "\n"
                              "Lag-2 = +.356, p = .0846\n"
                              "\n"
                              "Lag-3 = -.526, p = .1592\n"
                              "____________________________________\n"
                              "\n";

const std::string olsListing = "_________________________\n"
                               "\n"
                               "Residuals of Fitted OLS Model\n"
                               "_________________________\n"
                               "\n"
                               "ALL DATA\n"
                               "\n"
                               "RESIDUALS:\n"
                               "0.8431373\n"
                               "2.82598\n"
                               "-2.191176\n"
                               "-0.2083333\n"
                               "0.7745098\n"
                               "-3.242647\n"
                               "-0.2598039\n"
                               "-3.276961\n"
                               "2.705882\n"
                               "-1.311275\n"
                               "2.671569\n"
                               "0.6544118\n"
                               "3.637255\n"
                               "-3.379902\n"
                               "0.6029412\n"
                               "-1.414216\n"
                               "0.5686275\n"
                               "\n"
                               "_________________________\n"
                               "\n"
                               "Residuals of Fitted OLS Model\n"
                               "_________________________\n"
                               "\n"
                               "PHASE: 0\n"
                               "\n"
                               "RESIDUALS:\n"
                               "-0.5\n"
                               "2.035714\n"
                               "-2.428571\n"
                               "0.1071429\n"
                               "1.642857\n"
                               "-1.821429\n"
                               "1.714286\n"
                               "-0.75\n"
                               "\n"
                               "_________________________\n"
                               "\n"
                               "Residuals of Fitted OLS Model\n"
                               "_________________________\n"
                               "\n"
                               "PHASE: 1\n"
                               "\n"
                               "RESIDUALS:\n"
                               "1.044444\n"
                               "-2.688889\n"
                               "1.577778\n"
                               "-0.1555556\n"
                               "3.111111\n"
                               "-3.622222\n"
                               "0.6444444\n"
                               "-1.088889\n"
                               "1.177778\n"
                               "\n";

const std::string olsReport = "_________________________\n"
                              "\n"
                              "Autocorrelations\n"
                              "OLS Residuals\n"
                              "_________________________\n"
                              "\n"
                              "ALL DATA\n"
                              "N-Size = 17\n"
                              "\n"
                              "\n"
                              "Lag-1 = -.430, p = .035\n"
                              "\n"
                              "Lag-2 = +.453, p = .01\n"
                              "\n"
                              "Lag-3 = -.447, p = .05\n"
                              "_________________________\n"
                              "\n"
                              "Autocorrelations\n"
                              "OLS Residuals\n"
                              "_________________________\n"
                              "\n"
                              "PHASE: 0\n"
                              "N-Size = 8\n"
                              "\n"
                              "\n"
                              "Lag-1 = -.775, p = .01\n"
                              "\n"
                              "Lag-2 = +.096, p = .235\n"
                              "\n"
                              "Lag-3 = +.538, p = .065\n"
                              "_________________________\n"
                              "\n"
                              "Autocorrelations\n"
                              "OLS Residuals\n"
                              "_________________________\n"
                              "\n"
                              "PHASE: 1\n"
                              "N-Size = 9\n"
                              "\n"
                              "\n"
                              "Lag-1 = -.718, p = .005\n"
                              "\n"
                              "Lag-2 = +.500, p = .03\n"
                              "\n"
                              "Lag-3 = -.901, p = .005\n"
                              "____________________________________\n"
                              "\n";

const std::string phaseReport = "_________________________\n"
                                "\n"
                                "Autocorrelations\n"
                                "Phase-Effect Removed\n"
                                "_________________________\n"
                                "\n"
                                "ALL DATA\n"
                                "N-Size = 17\n"
                                "\n"
                                "\n"
                                "Lag-1 = -.122, p = .385\n"
                                "\n"
                                "Lag-2 = +.169, p = .165\n"
                                "\n"
                                "Lag-3 = -.364, p = .12\n"
                                "_________________________\n"
                                "\n"
                                "Autocorrelations\n"
                                "_________________________\n"
                                "\n"
                                "PHASE: 0\n"
                                "N-Size = 8\n"
                                "\n"
                                "\n"
                                "Lag-1 = -.288, p = .35\n"
                                "\n"
                                "Lag-2 = +.241, p = .14\n"
                                "\n"
                                "Lag-3 = +.371, p = .14\n"
                                "_________________________\n"
                                "\n"
                                "Autocorrelations\n"
                                "_________________________\n"
                                "\n"
                                "PHASE: 1\n"
                                "N-Size = 9\n"
                                "\n"
                                "\n"
                                "Lag-1 = -.038, p = .63\n"
                                "\n"
                                "Lag-2 = +.356, p = .09\n"
                                "\n"
                                "Lag-3 = -.526, p = .19\n"
                                "____________________________________\n"
                                "\n";

TEST_F(AutocorrelationTest, SeededReportsOfEachOption) {
    fillTwoPhases();
    struct Case {
        AutocorrelationData data;
        std::vector<std::string> blocks;
    };
    const std::vector<Case> cases{
        {AutocorrelationData::Raw, {rawReport}},
        {AutocorrelationData::OlsResiduals, {olsListing, olsReport}},
        {AutocorrelationData::PhaseEffectRemoved, {phaseReport}},
    };
    for (const Case& c : cases) {
        output.blocks.clear();
        framework::seedRnd(2026);
        // An odd count leaves one resample over from the pairs.
        run(c.data, c.data == AutocorrelationData::Raw ? 201 : 200, 3);
        EXPECT_EQ(output.blocks, c.blocks);
        // A completed run leaves the whole series reloaded from the grid and no removal noted.
        EXPECT_FALSE(Module1::phaseromved);
        EXPECT_EQ(Module1::n, 18);
        EXPECT_EQ(Module1::v[0][9], 22.0);
    }
    EXPECT_TRUE(alert.asked.empty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(AutocorrelationTest, DataFarFromOneGiveTheCoefficientsOfTheSameNearOne) {
    // The two phases of fillTwoPhases, with the row that holds no value.
    const std::vector<double> values{12, 15, 11, 14, 0,  16, 13, 17, 15,
                                     22, 19, 24, 23, 27, 21, 26, 25, 28};
    struct Case {
        AutocorrelationData data;
        double factor;
        double offset = 0.0;      // taken off every value first
        double phaseOneGap = 0.0; // added to the values of phase 1 first
    };
    // The report of a seeded run on the values of the case, at its factor or at 1.
    const auto reportOf = [&](const Case& c, double factor) {
        std::vector<Row> rows;
        for (std::size_t i = 0; i < values.size(); ++i) {
            char text[32];
            const double gap = i < 9 ? 0.0 : c.phaseOneGap;
            std::snprintf(text, sizeof text, "%.17g", (values[i] + gap - c.offset) * factor);
            rows.push_back({i == 4 ? "" : text, i < 9 ? "0" : "1"});
        }
        clearGrid();
        fill(rows);
        output.blocks.clear();
        framework::seedRnd(2026);
        run(c.data, 201, 3);
        return output.blocks.empty() ? std::string() : output.blocks.back();
    };
    // Squares past the largest double, below the smallest, sums of resamples past it; whole
    // multiples of the smallest subnormal, which are exact (their residuals and phase means would
    // round to that step, so only the raw series); phase means whose difference passes the
    // largest double.
    std::vector<Case> cases;
    for (const AutocorrelationData data :
         {AutocorrelationData::Raw, AutocorrelationData::OlsResiduals,
          AutocorrelationData::PhaseEffectRemoved}) {
        for (const double factor : {1e160, 1e-200, 6e306}) {
            cases.push_back({data, factor});
        }
    }
    cases.push_back({AutocorrelationData::Raw, 0x1p-1074});
    // Phase means of -1.25e308 and 1.13e308, with every shifted value in range.
    cases.push_back({AutocorrelationData::PhaseEffectRemoved, 6e306, 35.0, 30.0});
    for (const Case& c : cases) {
        EXPECT_EQ(reportOf(c, c.factor), reportOf(c, 1.0))
            << static_cast<int>(c.data) << ", times " << c.factor;
    }
    EXPECT_EQ(reportOf(cases[0], 1.0), rawReport);
}

TEST_F(AutocorrelationTest, WhatHasNoCoefficientReadsUndefined) {
    // A constant whole series (0.1 averages to 0.09999999999999999), a one-point phase and lags at
    // and beyond a phase's length.
    fill({{"0.1", "1"}, {"0.1", "1"}, {"0.1", "1"}, {"0.1", "1"}, {"0.1", "2"}});
    run(AutocorrelationData::Raw, 100, 1);
    ASSERT_EQ(output.blocks.size(), 1u);
    EXPECT_NE(output.blocks[0].find("ALL DATA\nN-Size = 5\n\n\nLag-1 = NaN, p = undefined\n"),
              std::string::npos);
    EXPECT_NE(output.blocks[0].find("PHASE: 2\nN-Size = 1\n\n\nLag-1 = NaN, p = undefined\n"),
              std::string::npos);

    clearGrid();
    fill({{"1", "1"}, {"3", "1"}, {"2", "1"}, {"5", "2"}, {"4", "2"}});
    output.blocks.clear();
    run(AutocorrelationData::Raw, 100, 4);
    ASSERT_EQ(output.blocks.size(), 1u);
    const std::string& report = output.blocks[0];
    const std::size_t phase1 = report.find("PHASE: 1\n");
    ASSERT_NE(phase1, std::string::npos);
    EXPECT_NE(report.find("Lag-1 = -.750, p = ", phase1), std::string::npos);
    EXPECT_NE(report.find("Lag-3 = NaN, p = undefined\n\nLag-4 = NaN, p = undefined\n", phase1),
              std::string::npos);
}

TEST_F(AutocorrelationTest, LagsAndBootstrapsAreRefusedBeforeAnythingRuns) {
    struct Case {
        std::string bootstraps;
        std::string lags;
        std::int32_t readBootstraps;
        std::int32_t readLags;
        std::string notice;
    };
    const std::vector<Case> cases{
        {"1000", "3", 1000, 3, ""},
        {"", "3", 100, 3, ""},
        {"50", "198", 100, 198, ""},
        {"1000000", "1", 1000000, 1, ""},
        {"1000001", "3", 1000001, 3, "Please enter no more than 1000000 bootstraps."},
        {"1000", "199", 1000, 1, "\"Number of Lags\" needs a whole number from 1 to 198."},
        {"1000", "0", 1000, 1, "\"Number of Lags\" needs a whole number from 1 to 198."},
        {"1000", "", 1000, 1, "\"Number of Lags\" needs a whole number from 1 to 198."},
        {"1000", "-3", 1000, 1, "\"Number of Lags\" needs a whole number from 1 to 198."},
    };
    for (const Case& c : cases) {
        std::string said;
        const Module1::AutocorrelationSettings settings = Module1::readAutocorrelationSettings(
            c.bootstraps, c.lags, AutocorrelationData::OlsResiduals, said);
        EXPECT_EQ(settings.bootstraps, c.readBootstraps) << c.bootstraps;
        EXPECT_EQ(settings.lags, c.readLags) << c.lags;
        EXPECT_EQ(settings.data, AutocorrelationData::OlsResiduals);
        EXPECT_EQ(said, c.notice) << c.bootstraps << " " << c.lags;
    }
}

TEST_F(AutocorrelationTest, TooLittleDataIsRefusedAfterTheResidualListing) {
    fill({{"1", "0"}, {"", "0"}, {"2", "1"}});
    run(AutocorrelationData::Raw);
    EXPECT_TRUE(output.blocks.empty());
    run(AutocorrelationData::OlsResiduals);
    ASSERT_EQ(output.blocks.size(), 1u);
    EXPECT_EQ(output.blocks[0].find("_________________________\n\nResiduals of Fitted OLS Model"),
              0u);
    EXPECT_EQ(alert.asked, std::vector<std::string>(2, "Not enough data to run these analyses."));
    EXPECT_EQ(alert.buttons, std::vector<std::string>(2, "OK"));
    EXPECT_EQ(progress.shows, 0);
    EXPECT_EQ(progress.closes, 0);
}

TEST_F(AutocorrelationTest, RemovalWithThreePhasesRunsOnTheRawSeries) {
    fill({{"1", "0"}, {"4", "1"}, {"2", "2"}, {"6", "0"}, {"3", "1"}});
    framework::seedRnd(5);
    run(AutocorrelationData::Raw);
    framework::seedRnd(5);
    run(AutocorrelationData::PhaseEffectRemoved);
    ASSERT_EQ(output.blocks.size(), 2u);
    EXPECT_EQ(output.blocks[1], output.blocks[0]);
    EXPECT_EQ(messages, std::vector<std::string>{notice});
}

TEST_F(AutocorrelationTest, AZeroCoefficientCountsTheResamplesAtOrAboveZero) {
    // 1 3 4 0 4 0 2 has mean 2 and a lag-3 coefficient of exactly 0. The whole series' p must be
    // the share of its resamples, drawn again here, whose lag-3 coefficient is at or above 0 by
    // integer arithmetic, those of exactly 0 included.
    const std::vector<std::int64_t> series{1, 3, 4, 0, 4, 0, 2};
    constexpr std::size_t lag = 3;
    constexpr int bootstraps = 20000;
    fill({{"1", "1"}, {"3", "1"}, {"4", "1"}, {"0", "1"}, {"4", "1"}, {"0", "1"}, {"2", "1"}});
    framework::seedRnd(2029);
    ExactCount resamples(*exactLagCoefficient(series, lag));
    for (int b = 0; b < bootstraps; ++b) {
        resamples.add(exactLagCoefficient(
            drawnAt(series, positionsThroughRnd(static_cast<int>(series.size()))), lag));
    }
    framework::seedRnd(2029);
    run(AutocorrelationData::Raw, bootstraps, static_cast<std::int32_t>(lag));
    ASSERT_EQ(output.blocks.size(), 1u);
    const std::string& report = output.blocks[0];
    EXPECT_LT(report.find("Lag-3 = +.000, p = "), report.find("PHASE: 1\n"));
    EXPECT_NEAR(pAfter(report, "Lag-3 = +.000, p = "), resamples.p(), halfOfLastPlace)
        << report << "counted " << resamples.counted() << " of " << resamples.numbered();
}

TEST_F(AutocorrelationTest, PMatchesTheShareOfEveryResampleListed) {
    // The resamples of 1 1 0 1 0 0 1 0 2 are the 3^9 series of its values 0, 1 and 2, each as
    // likely as the product of how often its values occur (4, 4 and 1 times in 9). Listed with
    // those weights and compared with the observed coefficients by integer arithmetic, they give
    // the exact p of every lag, which a long run must reach within its own error. Lag 3 is
    // exactly 0, computed a little below it: counted from there it printed .667 for the exact
    // .329.
    const std::vector<std::int64_t> series{1, 1, 0, 1, 0, 0, 1, 0, 2};
    const std::vector<std::int64_t> values{0, 1, 2};
    const std::vector<std::int64_t> occurrences{4, 4, 1};
    const std::vector<std::string> coefficients{"Lag-1 = -.406", "Lag-2 = +.250", "Lag-3 = +.000",
                                                "Lag-4 = -.800"};
    constexpr int bootstraps = 100000;
    std::vector<GridRow> rows;
    for (const std::int64_t value : series) {
        rows.push_back({std::to_string(value), ""});
    }
    fill(rows);
    framework::seedRnd(2031);
    run(AutocorrelationData::Raw, bootstraps, static_cast<std::int32_t>(coefficients.size()));
    ASSERT_EQ(output.blocks.size(), 1u);
    const std::string& report = output.blocks[0];
    for (std::size_t lag = 1; lag <= coefficients.size(); ++lag) {
        ExactCount resamples(*exactLagCoefficient(series, lag));
        everySequence(series.size(), static_cast<int>(values.size()),
                      [&](const std::vector<int>& choices) {
                          std::vector<std::int64_t> resample;
                          std::int64_t weight = 1;
                          for (const int choice : choices) {
                              resample.push_back(values[static_cast<std::size_t>(choice - 1)]);
                              weight *= occurrences[static_cast<std::size_t>(choice - 1)];
                          }
                          resamples.add(exactLagCoefficient(resample, lag), weight);
                      });
        EXPECT_NEAR(pAfter(report, coefficients[lag - 1] + ", p = "), resamples.p(),
                    monteCarloTolerance(resamples.p(), bootstraps))
            << report << "Lag-" << lag << " exact " << resamples.counted() << " of "
            << resamples.numbered();
    }
}

TEST_F(AutocorrelationTest, ProgressRunsOnAcrossTheBlocks) {
    fillTwoPhases();
    run(AutocorrelationData::Raw, 100, 0);
    EXPECT_EQ(progress.shownTitle, "Running Bootstrapped Autocorrelations");
    EXPECT_EQ(progress.shownSublabel, "Number of iterations completed");
    EXPECT_EQ(progress.shownGoal, 300);
    ASSERT_EQ(progress.counts.size(), 30u);
    for (std::size_t i = 0; i < progress.counts.size(); ++i) {
        EXPECT_EQ(progress.counts[i], static_cast<std::int32_t>(10 * (i + 1)));
    }
    EXPECT_EQ(progress.closes, 1);
    // No lags: the blocks hold their headers only.
    ASSERT_EQ(output.blocks.size(), 1u);
    EXPECT_EQ(output.blocks[0].find("Lag-"), std::string::npos);
    EXPECT_NE(output.blocks[0].find("PHASE: 0\nN-Size = 8\n\n_________________________\n"),
              std::string::npos);
}

TEST_F(AutocorrelationTest, HoldingControlAppendsNothing) {
    fillTwoPhases();
    int polls = 0;
    // Held once the second block's resamples have begun.
    framework::setControlKeyPoll([&] { return ++polls > 150; });
    run(AutocorrelationData::PhaseEffectRemoved);
    EXPECT_TRUE(output.blocks.empty());
    EXPECT_EQ(progress.closes, 1);
    EXPECT_EQ(polls, 151);
    EXPECT_EQ(Module1::n, 8);
}

} // namespace
