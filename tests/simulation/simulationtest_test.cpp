#include "simulation/simulationtest.h"

#include "data/module1.h"
#include "framework/random.h"
#include "framework/runtime.h"
#include "support/analysisfixture.h"
#include "support/fakealert.h"
#include "support/fakeprogress.h"

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
    EXPECT_DOUBLE_EQ(Module1::partialcorr(0.5, 0.3, 0.4), 0.38 / std::sqrt(0.7644));
    EXPECT_TRUE(std::isnan(Module1::partialcorr(1.0, 1.0, 1.0)));
}

} // namespace
