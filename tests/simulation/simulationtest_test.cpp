#include "simulation/simulationtest.h"

#include "data/module1.h"
#include "framework/conversions.h"
#include "framework/random.h"
#include "framework/runtime.h"
#include "support/analysisfixture.h"
#include "support/fakealert.h"
#include "support/fakeprogress.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using simulation::SimulationSettings;
using simulation::Statistic;

std::string fixture(const std::string& name) {
    std::ifstream file(std::string(TVK_SIMULATION_FIXTURES) + "/" + name + ".txt",
                       std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class SimulationTest : public AnalysisFixture {
  protected:
    // The data of the reference runs: twelve points, six in each phase.
    static void fillReferenceData() {
        const char* dv[] = {"3", "5", "4", "6", "5", "7", "9", "8", "10", "9", "12", "11"};
        std::vector<Row> rows;
        for (int i = 0; i < 12; ++i) {
            rows.push_back({dv[i], i < 6 ? "0" : "1"});
        }
        fill(rows);
    }

    static SimulationSettings referenceSettings(Statistic statistic, std::int32_t simulations) {
        SimulationSettings settings;
        settings.statistic = statistic;
        settings.simulations = simulations;
        settings.model = {6, 6, 0.0, 0.5, 0.1, 0.05, 0.3, 0.2, 1, 2, 0.0, 1.5};
        return settings;
    }

    void run(const SimulationSettings& settings, std::uint64_t seed) {
        framework::seedRnd(seed);
        simulation::runSimulationTest(settings, progress, output);
    }

    FakeAlert alert;
    FakeProgress progress;
    FakeOutput output;
};

// The reference reports were written by fixtures/reference_reports.py, which repeats each run
// on its own: the same seeded stream, the polar method, the series, two-pass correlations,
// average ranks and the 101 comparisons of each simulated statistic with the thresholds.
TEST_F(SimulationTest, SeededReportsEqualTheIndependentReferenceByteForByte) {
    fillReferenceData();
    struct Case {
        const char* name;
        Statistic statistic;
        std::int32_t simulations;
        std::uint64_t seed;
        bool usePhase, levelChange, slopeChange, allSlopes, tables, lastPoint;
    };
    const Case cases[] = {
        {"pearson_default", Statistic::Pearson, 200, 20261210, false, true, true, false, false,
         true},
        {"pearson_tables", Statistic::Pearson, 200, 20261210, false, true, false, false, true,
         true},
        {"pearson_everything", Statistic::Pearson, 150, 77, true, true, true, true, true, false},
        {"spearman_default", Statistic::Spearman, 200, 20261210, false, true, true, false, false,
         true},
        {"spearman_tables", Statistic::Spearman, 150, 77, false, true, false, false, true, true},
        {"partial_level", Statistic::Partial, 200, 20261210, false, true, true, false, false, true},
        {"partial_phase_tables", Statistic::Partial, 150, 77, true, true, true, false, true, true},
    };
    for (const Case& c : cases) {
        SimulationSettings settings = referenceSettings(c.statistic, c.simulations);
        settings.usePhase = c.usePhase;
        settings.levelChange = c.levelChange;
        settings.slopeChange = c.slopeChange;
        settings.allSlopes = c.allSlopes;
        settings.tables = c.tables;
        settings.lastPoint = c.lastPoint;
        output.blocks.clear();
        run(settings, c.seed);
        ASSERT_EQ(output.blocks.size(), 1u) << c.name;
        EXPECT_EQ(output.blocks[0], fixture(c.name)) << c.name;
        EXPECT_EQ(Module1::n, 12);
    }
    EXPECT_EQ(progress.closes, progress.shows);
    EXPECT_EQ(progress.shownTitle, "Running Simulation Models");
    EXPECT_EQ(progress.shownSublabel, "Number of iterations completed");
}

TEST_F(SimulationTest, CounterEveryTenthSimulationAndTheLast) {
    fillReferenceData();
    run(referenceSettings(Statistic::Pearson, 105), 3);
    EXPECT_EQ(progress.shownGoal, 105);
    ASSERT_EQ(progress.counts.size(), 11u);
    EXPECT_EQ(progress.counts.front(), 10);
    EXPECT_EQ(progress.counts.back(), 105);
}

// The worked examples of the observed statistics, read off the report lines.
TEST_F(SimulationTest, ObservedStatisticsOfTheWorkedExamples) {
    struct Case {
        std::vector<Row> rows;
        std::int32_t n1, n2;
        Statistic statistic;
        std::string line;
    };
    const Case cases[] = {
        {{{"1", "0"}, {"2", "0"}, {"3", "1"}, {"4", "1"}},
         2,
         2,
         Statistic::Pearson,
         "R = +.894, p = "},
        {{{"1", "0"}, {"2", "0"}, {"3", "1"}, {"4", "1"}},
         2,
         2,
         Statistic::Spearman,
         "Rho = +.894, p = "},
        {{{"3", "0"}, {"1", "0"}, {"4", "0"}, {"1", "1"}, {"5", "1"}},
         3,
         2,
         Statistic::Spearman,
         "Rho = +.148, p = "},
        {{{"3", "0"}, {"1", "0"}, {"4", "0"}, {"1", "1"}, {"5", "1"}},
         3,
         2,
         Statistic::Pearson,
         "R = +.102, p = "},
        {{{"1", "0"}, {"2", "0"}, {"3", "1"}},
         2,
         1,
         Statistic::Pearson,
         "Last point Z-Score = 1.0\n"},
        {{{"1", "0"}, {"2", "0"}, {"3", "1"}},
         2,
         1,
         Statistic::Pearson,
         "PHASE-A Mean = 1.5\nPHASE-B Mean = 3.0\n"},
    };
    for (const Case& c : cases) {
        clearGrid();
        fill(c.rows);
        SimulationSettings settings = referenceSettings(c.statistic, 100);
        settings.model.n1 = c.n1;
        settings.model.n2 = c.n2;
        settings.model.lag2 = 0;
        settings.slopeChange = false;
        output.blocks.clear();
        run(settings, 5);
        ASSERT_EQ(output.blocks.size(), 1u);
        EXPECT_NE(output.blocks[0].find(c.line), std::string::npos) << c.line << output.blocks[0];
    }
}

// The lines of a report that carry a statistic or a p, which do not depend on the scale of
// the data or of the model.
std::vector<std::string> statisticLines(const std::string& report) {
    std::vector<std::string> lines;
    std::istringstream text(report);
    for (std::string line; std::getline(text, line);) {
        if (line.find("p = ") != std::string::npos || line.find("p(corrected)") == 0 ||
            line.find("Z-Score") != std::string::npos || line.find("Partial") == 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

// The reference data's DV with every cell given the exponent suffix ("e160" multiplies it by
// 1e160), and its phases labelled a and b.
std::vector<GridRow> referenceRows(const std::string& suffix, const std::string& a = "0",
                                   const std::string& b = "1") {
    const char* dv[] = {"3", "5", "4", "6", "5", "7", "9", "8", "10", "9", "12", "11"};
    std::vector<GridRow> rows;
    for (int i = 0; i < 12; ++i) {
        rows.push_back({dv[i] + suffix, i < 6 ? a : b});
    }
    return rows;
}

// 199 points in two phases of 99 and 100.
std::vector<GridRow> longRows() {
    std::vector<GridRow> rows;
    for (int row = 1; row <= 199; ++row) {
        rows.push_back({framework::CStr((row * 37) % 41 % 9 + row / 10), row <= 99 ? "0" : "1"});
    }
    return rows;
}

// Errors growing 40-fold a point in each phase of longRows: from a spread of 1 they pass 1e150
// by the end of a phase.
simulation::SimulationModel explosiveModel(double sd) {
    return {99, 100, 0.0, 0.0, 0.0, 0.0, 40.0, 40.0, 1, 1, 0.0, sd};
}

// Data or a model far from 1 report the statistics and p's of the same at ordinary scale, with
// the same seed: r does not depend on scale, and a series far from 1 is simulated as the
// ordinary one times its scale. Their sums of squares used to overflow or underflow, so every
// simulated r was 0 or not a number, and observed ones were 0, infinite or past 1.
TEST_F(SimulationTest, FarFromOneReportsAsAtOrdinaryScale) {
    auto scaledModel = [](SimulationSettings settings, double factor) {
        simulation::SimulationModel& m = settings.model;
        for (double* value :
             {&m.intercept1, &m.intercept2, &m.slope1, &m.slope2, &m.errorMean, &m.errorSd}) {
            *value *= factor;
        }
        return settings;
    };
    auto explosive = [](double sd) {
        SimulationSettings settings = referenceSettings(Statistic::Pearson, 200);
        settings.model = explosiveModel(sd);
        settings.lastPoint = false;
        settings.tables = true;
        return settings;
    };
    SimulationSettings pearson = referenceSettings(Statistic::Pearson, 200);
    SimulationSettings partial = referenceSettings(Statistic::Partial, 200);
    SimulationSettings spearman = referenceSettings(Statistic::Spearman, 200);
    SimulationSettings phaseVector = pearson;
    phaseVector.usePhase = true;
    SimulationSettings modelTables = pearson;
    modelTables.lastPoint = false;
    modelTables.tables = true;
    SimulationSettings shortPartial = partial;
    shortPartial.model.n1 = 1;
    shortPartial.model.n2 = 5;
    const std::vector<GridRow> reference = referenceRows("");
    // Eleven values of 1 and a last one of -1: times 1e308, the last point's distance from the
    // mean passes the largest double.
    auto nearTheTop = [](const std::string& suffix) {
        std::vector<GridRow> rows;
        for (int i = 0; i < 12; ++i) {
            rows.push_back({(i < 11 ? "1" : "-1") + suffix, i < 6 ? "0" : "1"});
        }
        return rows;
    };
    struct Case {
        const char* what;
        std::vector<GridRow> rows;
        SimulationSettings settings;
        std::vector<GridRow> ordinaryRows;
        SimulationSettings ordinary;
        std::string line;
    };
    const Case cases[] = {
        {"DV times 1e160", referenceRows("e160"), pearson, reference, pearson,
         "R = +.878, p = 0.0001"},
        {"DV times 1e-200", referenceRows("e-200"), pearson, reference, pearson,
         "Last point Z-Score = 1.24641"},
        {"DV near the largest double", nearTheTop("e308"), pearson, nearTheTop(""), pearson,
         "Last point Z-Score = -3.17543"},
        {"phase labels 1e-320 and 0", referenceRows("", "1e-320", "0"), phaseVector,
         referenceRows("", "1", "0"), phaseVector, "R = -.878, p = 0.0001"},
        {"partial, DV times 1e160", referenceRows("e160"), partial, reference, partial,
         "Partial Correlation xy|z = 0.335464"},
        {"partial, DV 1e154, 3, -3, ...",
         {{"1e154", "0"}, {"3", "1"}, {"-3", "1"}, {"-3", "1"}, {"-3", "1"}, {"-3", "1"}},
         shortPartial,
         {{"1", "0"},
          {"3e-154", "1"},
          {"-3e-154", "1"},
          {"-3e-154", "1"},
          {"-3e-154", "1"},
          {"-3e-154", "1"}},
         shortPartial,
         "Partial Correlation xy|z = -1"},
        {"model times 1e160", reference, scaledModel(modelTables, 1e160), reference, modelTables,
         "R = +.009, p = .9650"},
        {"model times 1e-163", reference, scaledModel(modelTables, 1e-163), reference, modelTables,
         "R = +.009, p = .9650"},
        {"partial, model times 1e160", reference, scaledModel(partial, 1e160), reference, partial,
         "p = .3700"},
        {"Spearman, model times 1e-163", reference, scaledModel(spearman, 1e-163), reference,
         spearman, "Rho = +.014, p = .9850"},
        {"AR 40 over 199 points", longRows(), explosive(1.0), longRows(), explosive(1e-160),
         "R = -.012, p = .9950"},
    };
    for (const Case& c : cases) {
        std::vector<std::vector<std::string>> lines;
        for (const auto& [rows, settings] :
             {std::pair(c.rows, c.settings), std::pair(c.ordinaryRows, c.ordinary)}) {
            clearGrid();
            fill(rows);
            output.blocks.clear();
            run(settings, 20261210);
            ASSERT_EQ(output.blocks.size(), 1u) << c.what;
            lines.push_back(statisticLines(output.blocks[0]));
        }
        EXPECT_EQ(lines[0], lines[1]) << c.what;
        EXPECT_NE(std::find(lines[0].begin(), lines[0].end(), c.line), lines[0].end())
            << c.what << ": " << c.line << "\n"
            << output.blocks[0];
    }
}

// A model whose series pass the double range (the explosive errors from a spread of 1e160)
// gives no simulated statistic: its r or rho is not a number, never a finite wrong value.
TEST_F(SimulationTest, SeriesBeyondTheDoubleRangeGiveNoP) {
    fill(longRows());
    struct Case {
        Statistic statistic;
        const char* level;
        const char* slope;
    };
    for (const Case& c :
         {Case{Statistic::Pearson, "\nR = +.791, p = undefined\n", "\nR = -.012, p = undefined\n"},
          Case{Statistic::Spearman, "\nRho = +.808, p = undefined\n",
               "\nRho = -.013, p = undefined\n"}}) {
        SimulationSettings settings = referenceSettings(c.statistic, 100);
        settings.model = explosiveModel(1e160);
        output.blocks.clear();
        run(settings, 4);
        ASSERT_EQ(output.blocks.size(), 1u);
        EXPECT_NE(output.blocks[0].find(c.level), std::string::npos) << output.blocks[0];
        EXPECT_NE(output.blocks[0].find(c.slope), std::string::npos) << output.blocks[0];
    }
}

// A DV on a straight line in time leaves no partial correlation given the trend: its 1 - r^2
// with the trend is rounding alone.
TEST_F(SimulationTest, PartialCorrelationOfAStraightLineIsUndefined) {
    struct Line {
        int tenthsBefore; // the DV runs (tenthsBefore + 1) / 10, (tenthsBefore + 2) / 10, ...
        int points;
    };
    // 7.1 .. 11.0 leaves its 1 - r^2 at some ten units in the last place of 1.
    for (const Line line : {Line{0, 37}, Line{0, 5}, Line{70, 40}}) {
        const int points = line.points;
        std::vector<GridRow> rows;
        for (int i = 1; i <= points; ++i) {
            const int tenths = line.tenthsBefore + i;
            rows.push_back({std::to_string(tenths / 10) + "." + std::to_string(tenths % 10),
                            i <= points / 2 ? "0" : "1"});
        }
        clearGrid();
        fill(rows);
        SimulationSettings settings = referenceSettings(Statistic::Partial, 100);
        settings.model.n1 = points / 2;
        settings.model.n2 = points - points / 2;
        output.blocks.clear();
        run(settings, 6);
        ASSERT_EQ(output.blocks.size(), 1u);
        EXPECT_NE(output.blocks[0].find("Partial Correlation xy|z = NaN\np = undefined\n"),
                  std::string::npos)
            << output.blocks[0];
    }
}

TEST_F(SimulationTest, AStatisticThatIsNotANumberHasNoP) {
    // A constant DV: no r, no z-score; a phase column with one label: no r of slot 0 in any
    // simulation either, so its table has nothing to share out.
    fill({{"5", "1"}, {"5", "1"}, {"5", "1"}, {"5", "1"}});
    SimulationSettings settings = referenceSettings(Statistic::Pearson, 100);
    settings.model.n1 = 2;
    settings.model.n2 = 2;
    settings.usePhase = true;
    settings.slopeChange = false;
    settings.tables = true;
    run(settings, 9);
    ASSERT_EQ(output.blocks.size(), 1u);
    const std::string& report = output.blocks[0];
    EXPECT_NE(report.find("Last point Z-Score = NaN\n"), std::string::npos);
    EXPECT_NE(report.find("SPC: Last data point analysis:\np = undefined\np(corrected) = "
                          "undefined\n"),
              std::string::npos);
    EXPECT_NE(report.find("Custom 'Phase' Vector\n|1|1|1|1|\nR = NaN, p = undefined\n\n"
                          "|R|=0.00  p = undefined\n"),
              std::string::npos);
    EXPECT_NE(
        report.find("Level Vector = |0|0|1|1|\nR = NaN, p = undefined\n\n|R|=0.00  p = 1.000"),
        std::string::npos);
}

TEST_F(SimulationTest, ControlHeldCancelsWithNothingAppended) {
    fillReferenceData();
    int polls = 0;
    framework::setControlKeyPoll([&] { return ++polls >= 30; });
    for (const Statistic statistic :
         {Statistic::Pearson, Statistic::Spearman, Statistic::Partial}) {
        polls = 0;
        run(referenceSettings(statistic, 1000000), 2);
        EXPECT_TRUE(output.blocks.empty());
        EXPECT_EQ(progress.closes, progress.shows);
        EXPECT_EQ(Module1::n, 12);
    }
}

TEST_F(SimulationTest, PartialCorrelationRefusesFewerThanTwoPairs) {
    fill({{"4", "0"}, {"5", ""}});
    Module1::loadvectors();
    SimulationSettings settings = referenceSettings(Statistic::Partial, 100);
    Module1::runpartialcorr(settings, progress, output);
    EXPECT_EQ(alert.asked, std::vector<std::string>{"Not enough data to run these analyses."});
    EXPECT_TRUE(output.blocks.empty());
    // The progress window stays on top: shown first, it would hide the notice.
    EXPECT_EQ(progress.shows, 0);
    EXPECT_EQ(progress.closes, 0);
}

TEST(PartialCorrelation, FromThreePairwiseCorrelations) {
    // (0.5 - 0.3 * 0.4) / sqrt((1 - 0.09) * (1 - 0.16)) = 0.38 / sqrt(0.7644)
    EXPECT_DOUBLE_EQ(Module1::partialcorr(0.5, 0.3, 0.4, 10), 0.38 / std::sqrt(0.7644));
    EXPECT_TRUE(std::isnan(Module1::partialcorr(1.0, 1.0, 1.0, 10)));
    // A true partial of 1, which the rounding of the formula alone puts at 1 + 2^-52.
    const double rxz = 0.01;
    const double ryz = 0.87;
    const double rxy = rxz * ryz + std::sqrt((1.0 - rxz * rxz) * (1.0 - ryz * ryz));
    EXPECT_EQ(Module1::partialcorr(rxy, rxz, ryz, 10), 1.0);
    // x collinear with z but for the last bits of its r: over ten pairs 1 - r^2 is 2^-47 at
    // 1 - 2^-48, within the rounding of r, and 2^-45 at 1 - 2^-46, where x still has a
    // residual to correlate.
    EXPECT_TRUE(std::isnan(Module1::partialcorr(0.5, 1.0 - 0x1p-48, 0.3, 10)));
    EXPECT_FALSE(std::isnan(Module1::partialcorr(0.5, 1.0 - 0x1p-46, 0.3, 10)));
}

} // namespace
