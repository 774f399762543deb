#include "correlation/bootstrap.h"

#include "analysis/correlationbasics.h"
#include "analysis/procedures.h"
#include "data/module1.h"
#include "framework/conversions.h"
#include "framework/random.h"
#include "framework/runtime.h"
#include "support/analysisfixture.h"
#include "support/fakealert.h"
#include "support/fakeprogress.h"
#include "support/resamplecount.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using Analysis = void (*)(const Module1::BootstrapSettings&, Module1::Progress&, Module1::Output&);

// Draws that pick the given positions 1..5 out of five values, one resample after another.
class ScriptedDraws final : public framework::UniformSource {
  public:
    explicit ScriptedDraws(std::vector<std::vector<int>> resamples)
        : resamples_(std::move(resamples)) {}
    double next() override {
        const int position = resamples_[resample_][element_];
        if (++element_ == 5) {
            element_ = 0;
            resample_ = (resample_ + 1) % resamples_.size();
        }
        return (position - 0.5) / 5.0;
    }

  private:
    std::vector<std::vector<int>> resamples_;
    std::size_t resample_ = 0;
    std::size_t element_ = 0;
};

// With x = 1..5 and y = 2, 1, 4, 3, 5 (r = rho = 0.8) each resample's statistic is known.
const std::vector<int> sameOrder{1, 2, 3, 4, 5}; // 0.8: ties count
const std::vector<int> likeY{2, 1, 4, 3, 5};     // 1.0: further out, counts
const std::vector<int> reversed{5, 4, 3, 2, 1};  // -0.8: the other side
const std::vector<int> allFirst{1, 1, 1, 1, 1};  // not a number: never counts

class BootstrapTest : public AnalysisFixture {
  protected:
    void SetUp() override {
        AnalysisFixture::SetUp();
        fillExamplePairs();
    }
    static void fillExamplePairs() {
        fill({{"1", "2"}, {"2", "1"}, {"", "7"}, {"3", "4"}, {"4", "3"}, {"5", "5"}});
    }

    void script(std::vector<std::vector<int>> resamples) {
        framework::replaceRnd(std::make_unique<ScriptedDraws>(std::move(resamples)));
    }

    FakeAlert alert;
    FakeProgress progress;
    FakeOutput output;
};

std::string expectedBlock(const std::string& title, const std::string& result) {
    return "_________________________\n"
           "\n" +
           title +
           "\n"
           "_________________________\n"
           "\n"
           "Valid N-Size = 5\n"
           "Missing Pairwise = 1\n"
           "Number of iterations = 100\n"
           "\n" +
           result +
           "\n"
           "\n"
           "____________________________________\n"
           "\n";
}

struct ReportCase {
    Analysis analysis;
    std::string title;
    std::string statistic;
};

const std::vector<ReportCase> bothAnalyses{
    {Module1::runpearson, "Bootstrapped Pearson r", "Pearson r"},
    {Module1::spearmanrho, "Bootstrapped Spearman Rho", "Rho"},
};

TEST_F(BootstrapTest, ReportIsTheBlockWithTheCountedP) {
    struct PCase {
        std::vector<std::vector<int>> resamples;
        std::string p;
    };
    // A resample without a number leaves the denominator: 50 counts of 75, 60 of 80.
    const std::vector<PCase> cases{
        {{sameOrder, likeY, reversed, allFirst}, ".6667"},
        {{sameOrder, likeY, likeY, reversed, allFirst}, ".75"},
        {{sameOrder}, ".9999"},
        {{reversed, allFirst}, ".0001"},
        {{allFirst}, "undefined"},
    };
    for (const ReportCase& analysis : bothAnalyses) {
        for (const PCase& c : cases) {
            script(c.resamples);
            output.blocks.clear();
            analysis.analysis({100}, progress, output);
            ASSERT_EQ(output.blocks.size(), 1u);
            EXPECT_EQ(output.blocks[0],
                      expectedBlock(analysis.title, analysis.statistic + " = 0.8, p = " + c.p));
        }
    }
}

TEST_F(BootstrapTest, SeededRunsGiveTheSameReport) {
    for (const ReportCase& analysis : bothAnalyses) {
        std::vector<std::string> reports;
        for (int run = 0; run < 2; ++run) {
            framework::seedRnd(2024);
            analysis.analysis({1000}, progress, output);
            reports.push_back(output.blocks.back());
        }
        EXPECT_EQ(reports[0], reports[1]);
    }
    // The ranks a run leaves are those of its last resample.
    const Module1::Series lastRanks = Module1::vrank[1];
    const double lastTieSum = Module1::stx[1];
    Module1::getranks(1);
    EXPECT_EQ(Module1::vrank[1], lastRanks);
    EXPECT_EQ(Module1::stx[1], lastTieSum);
    // The y column is never resampled.
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(Module1::vvq[i], Module1::v2[i]);
        EXPECT_EQ(Module1::vr2[i], Module1::v2[i]);
    }
}

TEST_F(BootstrapTest, ConstantColumnHasNoP) {
    // 0.1 and 1.1 are not exact in binary: their sums leave residues that must not pass as an r.
    for (const std::string constant : {"3", "0.1", "1.1"}) {
        fill({{"1", constant},
              {"2", constant},
              {"", constant},
              {"3", constant},
              {"4", constant},
              {"5", constant}});
        for (const ReportCase& analysis : bothAnalyses) {
            output.blocks.clear();
            analysis.analysis({100}, progress, output);
            ASSERT_EQ(output.blocks.size(), 1u);
            EXPECT_EQ(output.blocks[0],
                      expectedBlock(analysis.title, analysis.statistic + " = NaN, p = undefined"))
                << constant;
        }
    }
}

TEST_F(BootstrapTest, RefusalsTouchNeitherProgressNorOutput) {
    for (const ReportCase& analysis : bothAnalyses) {
        alert.asked.clear();
        analysis.analysis({1'000'001}, progress, output);
        clearGrid();
        fill({{"1", "2"}, {"2", ""}, {"", "3"}});
        analysis.analysis({100}, progress, output);
        fillExamplePairs();
        EXPECT_EQ(alert.asked,
                  (std::vector<std::string>{"Please enter no more than 1000000 iterations.",
                                            "Not enough data to run these analyses."}));
        EXPECT_EQ(alert.buttons, (std::vector<std::string>(alert.buttons.size(), "OK")));
    }
    EXPECT_EQ(progress.shows, 0);
    EXPECT_EQ(progress.closes, 0);
    EXPECT_TRUE(output.blocks.empty());
}

TEST_F(BootstrapTest, ProgressShowsTitleGoalAndDueCounts) {
    Module1::runpearson({100}, progress, output);
    EXPECT_EQ(progress.shownTitle, "Running Bootstrapped Pearson-r");
    EXPECT_EQ(progress.shownSublabel, "Number of iterations completed");
    EXPECT_EQ(progress.shownGoal, 100);
    EXPECT_EQ(progress.counts.size(), 100u);
    EXPECT_EQ(progress.counts.back(), 100);
    EXPECT_EQ(progress.closes, 1);

    progress.counts.clear();
    Module1::spearmanrho({105}, progress, output);
    EXPECT_EQ(progress.shownTitle, "Running Bootstrapped Spearman Rho");
    EXPECT_EQ(progress.shownGoal, 105);
    EXPECT_EQ(progress.counts,
              (std::vector<std::int32_t>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 105}));
    EXPECT_EQ(progress.closes, 2);
}

TEST_F(BootstrapTest, HoldingControlCancelsWithoutOutput) {
    struct CancelCase {
        int pollsBeforeHeld;
        std::vector<std::int32_t> pearsonCounts;
    };
    // Held from the start: the first iteration ends the run. Held at the last poll: still no
    // report.
    const std::vector<CancelCase> cases{{0, {1}}, {99, {}}};
    for (const CancelCase& c : cases) {
        for (const ReportCase& analysis : bothAnalyses) {
            int polls = 0;
            framework::setControlKeyPoll([&] { return polls++ >= c.pollsBeforeHeld; });
            FakeProgress cancelled;
            analysis.analysis({100}, cancelled, output);
            EXPECT_EQ(cancelled.shows, 1);
            EXPECT_EQ(cancelled.closes, 1);
            EXPECT_EQ(polls, c.pollsBeforeHeld + 1);
            if (analysis.analysis == Module1::runpearson && !c.pearsonCounts.empty()) {
                EXPECT_EQ(cancelled.counts, c.pearsonCounts);
            }
        }
    }
    EXPECT_TRUE(output.blocks.empty());
}

TEST_F(BootstrapTest, ALargeCommonOffsetLeavesTheObservedRAsItIs) {
    for (const std::string prefix : {"", "10000000", "100000000"}) {
        clearGrid();
        fill({{prefix + "1", "2"},
              {prefix + "2", "1"},
              {"", "7"},
              {prefix + "3", "4"},
              {prefix + "4", "3"},
              {prefix + "5", "5"}});
        output.blocks.clear();
        Module1::runpearson({100}, progress, output);
        ASSERT_EQ(output.blocks.size(), 1u);
        EXPECT_NE(output.blocks[0].find("Pearson r = 0.8, p = "), std::string::npos) << prefix;
    }
}

// Seventeen digits, which read back as the same double.
std::string exactText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

TEST_F(BootstrapTest, DataFarFromOneGiveTheReportOfTheSameDataNearOne) {
    const std::vector<double> x{17, -16, 3, 12, -4, 9, 15, 11};
    const std::vector<double> y{4, -9, 11, 8, -2, 19, 3, 14};
    // The report of the pairs with x and y multiplied as given, from one seed.
    const auto reportOf = [&](Analysis analysis, double xFactor, double yFactor) {
        std::vector<Row> rows;
        for (std::size_t i = 0; i < x.size(); ++i) {
            rows.push_back({exactText(x[i] * xFactor), exactText(y[i] * yFactor)});
        }
        clearGrid();
        fill(rows);
        output.blocks.clear();
        framework::seedRnd(15);
        analysis({1000}, progress, output);
        return output.blocks.empty() ? std::string() : output.blocks[0];
    };
    struct Scale {
        double x;
        double y;
    };
    // Squares past the largest double; deviations past it (1.7e308 from -1.6e308); squares
    // below the smallest; and whole multiples of the smallest subnormal, which are exact.
    const std::vector<Scale> scales{
        {1e159, 1}, {1e159, 1e159}, {1e307, 1}, {1e-201, 1e-201}, {0x1p-1074, 1e-250}};
    // scipy 1.10 (Debian's python3-scipy, run once): pearsonr 0.6256986, spearmanr 0.2619048.
    const std::vector<std::string> observed{"Pearson r = 0.6256986", "Rho = 0.2619048"};
    for (std::size_t a = 0; a < bothAnalyses.size(); ++a) {
        const ReportCase& analysis = bothAnalyses[a];
        const std::string nearOne = reportOf(analysis.analysis, 1, 1);
        EXPECT_NE(nearOne.find(observed[a] + ", p = "), std::string::npos) << nearOne;
        for (const Scale& scale : scales) {
            EXPECT_EQ(reportOf(analysis.analysis, scale.x, scale.y), nearOne)
                << analysis.title << ", x times " << scale.x << ", y times " << scale.y;
        }
    }
}

TEST_F(BootstrapTest, ALoopsOwnGeneratorDrawsThePositionsRndWouldDraw) {
    // Eleven pairs with ties. Counted here with positions drawn through Rnd and the plain
    // two-pass r of each resample, the count must be what the run reports.
    clearGrid();
    fill({{"3", "12"},
          {"5", "10"},
          {"2", "15"},
          {"5", "11"},
          {"7", "13"},
          {"4", "19"},
          {"6", "14"},
          {"3", "12"},
          {"8", "16"},
          {"5", "18"},
          {"2", "17"}});
    const std::vector<double> x{3, 5, 2, 5, 7, 4, 6, 3, 8, 5, 2};
    const std::vector<double> y{12, 10, 15, 11, 13, 19, 14, 12, 16, 18, 17};
    constexpr int iterations = 20000;
    framework::seedRnd(2025);
    const double observed = analysis::pearsonR(x, y);
    int count = 0;
    for (int b = 0; b < iterations; ++b) {
        std::vector<double> resample;
        for (const int position : positionsThroughRnd(11)) {
            resample.push_back(x[static_cast<std::size_t>(position - 1)]);
        }
        count += analysis::countsAsExtreme(analysis::pearsonR(resample, y), observed) ? 1 : 0;
    }
    // The count this seed gives, pinned so that a change of the stream shows.
    EXPECT_EQ(count, 8628);
    framework::seedRnd(2025);
    Module1::runpearson({iterations}, progress, output);
    const std::string p = framework::Format(static_cast<double>(count) / iterations, ".00##");
    EXPECT_NE(output.blocks.back().find(", p = " + p + "\n"), std::string::npos)
        << output.blocks.back();
}

// Rows of whole numbers for the grid.
std::vector<GridRow> rowsOf(const std::vector<std::int64_t>& x,
                            const std::vector<std::int64_t>& y) {
    std::vector<GridRow> rows;
    for (std::size_t i = 0; i < x.size(); ++i) {
        rows.push_back({std::to_string(x[i]), std::to_string(y[i])});
    }
    return rows;
}

using ExactAnalysis = std::optional<ExactStatistic> (*)(const std::vector<std::int64_t>&,
                                                        const std::vector<std::int64_t>&);

struct ExactCase {
    Analysis analysis;
    ExactAnalysis exact;
    // The report's text before the p.
    std::string result;
    std::vector<std::int64_t> x;
    std::vector<std::int64_t> y;
};

TEST_F(BootstrapTest, AResampleThatTiesTheObservedStatisticCounts) {
    // Small whole-number scores whose resamples often tie the observed statistic exactly. The
    // run's count must be that of its own resamples, drawn again here and compared with the
    // observed statistic by integer arithmetic: a tie is a tie, however the two were rounded.
    // The third r is exactly 0 (the DV against its phase labels): every resample at or above 0
    // counts.
    const std::vector<ExactCase> cases{
        {Module1::runpearson,
         exactPearson,
         "Pearson r = 0",
         {3, 4, 0, 5, 2, 3, 5, 1, 4, 3},
         {4, 3, 0, 0, 0, 2, 2, 4, 1, 3}},
        {Module1::runpearson, exactPearson, "Pearson r = -0.7559289", {4, 1, 3}, {0, 2, 2}},
        {Module1::runpearson,
         exactPearson,
         "Pearson r = 0",
         {2, 1, 2, 3, 3, 1, 3, 3, 3, 3, 3, 3, 4, 3, 3, 0, 4, 4, 0, 0},
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {Module1::spearmanrho,
         exactSpearman,
         "Rho = 0",
         {1, 2, 3, 4, 5, 6, 7, 8},
         {3, 7, 4, 2, 5, 6, 8, 1}},
        {Module1::spearmanrho, exactSpearman, "Rho = 0.3333333", {2, 2, 1, 2}, {3, 0, 0, 0}},
    };
    constexpr int iterations = 20000;
    for (const ExactCase& c : cases) {
        clearGrid();
        fill(rowsOf(c.x, c.y));
        const std::optional<ExactStatistic> observed = c.exact(c.x, c.y);
        ASSERT_TRUE(observed);
        framework::seedRnd(2027);
        ExactCount resamples(*observed);
        for (int b = 0; b < iterations; ++b) {
            resamples.add(
                c.exact(drawnAt(c.x, positionsThroughRnd(static_cast<int>(c.x.size()))), c.y));
        }
        framework::seedRnd(2027);
        output.blocks.clear();
        c.analysis({iterations}, progress, output);
        ASSERT_EQ(output.blocks.size(), 1u);
        const std::string& report = output.blocks[0];
        EXPECT_NEAR(pAfter(report, c.result + ", p = "), resamples.p(), halfOfLastPlace)
            << report << "counted " << resamples.counted() << " of " << resamples.numbered();
    }
}

TEST_F(BootstrapTest, PMatchesTheShareOfEveryResampleListed) {
    // Three to six pairs of scores 0..4 have 27 to 46,656 resamples, each as likely as any
    // other. Listed one by one, and each compared with the observed statistic by integer
    // arithmetic, they give the exact p, which a long run must reach within its own error.
    // (4 1 3 against 0 2 2: 5 of the 24 resamples that have an r lie at or below the observed
    // -0.756, 2 of them ties; one rounding to each side printed .168 for the exact .2083.)
    const std::vector<ExactCase> cases{
        {Module1::runpearson, exactPearson, "Pearson r = -0.7559289", {4, 1, 3}, {0, 2, 2}},
        {Module1::runpearson, exactPearson, "Pearson r = 0.3333333", {2, 2, 1, 2}, {3, 0, 0, 0}},
        {Module1::runpearson,
         exactPearson,
         "Pearson r = 0.559017",
         {0, 1, 0, 0, 0},
         {2, 3, 3, 1, 1}},
        {Module1::runpearson,
         exactPearson,
         "Pearson r = -0.2425356",
         {3, 4, 3, 3, 4, 4},
         {1, 1, 4, 3, 4, 1}},
        {Module1::spearmanrho, exactSpearman, "Rho = -0.8660254", {4, 1, 3}, {0, 2, 2}},
        {Module1::spearmanrho, exactSpearman, "Rho = 0.5441072", {3, 0, 0, 0, 0}, {4, 3, 0, 4, 2}},
        {Module1::spearmanrho,
         exactSpearman,
         "Rho = -0.2108185",
         {3, 4, 3, 3, 4, 4},
         {1, 1, 4, 3, 4, 1}},
    };
    constexpr int iterations = 100000;
    for (const ExactCase& c : cases) {
        const std::optional<ExactStatistic> observed = c.exact(c.x, c.y);
        ASSERT_TRUE(observed);
        ExactCount resamples(*observed);
        everySequence(c.x.size(), static_cast<int>(c.x.size()),
                      [&](const std::vector<int>& positions) {
                          resamples.add(c.exact(drawnAt(c.x, positions), c.y));
                      });
        clearGrid();
        fill(rowsOf(c.x, c.y));
        framework::seedRnd(2030);
        output.blocks.clear();
        c.analysis({iterations}, progress, output);
        ASSERT_EQ(output.blocks.size(), 1u);
        const std::string& report = output.blocks[0];
        EXPECT_NEAR(pAfter(report, c.result + ", p = "), resamples.p(),
                    monteCarloTolerance(resamples.p(), iterations))
            << report << "exact " << resamples.counted() << " of " << resamples.numbered();
    }
}

TEST_F(BootstrapTest, TwoPairsDivideByTheResamplesThatHaveAnR) {
    // Of the four resamples of (1, 2), (3, 5) two draw one x twice and have no r; of the other
    // two, one has r = 1 and counts. Over the resamples that ran, p would be near .25.
    clearGrid();
    fill({{"1", "2"}, {"3", "5"}});
    framework::seedRnd(2028);
    Module1::runpearson({10000}, progress, output);
    ASSERT_EQ(output.blocks.size(), 1u);
    const std::string& report = output.blocks[0];
    EXPECT_NE(report.find("Number of iterations = 10000\n"), std::string::npos);
    EXPECT_NEAR(pAfter(report, "Pearson r = 1, p = "), 0.5, 0.03) << report;
}

TEST_F(BootstrapTest, ARunForgetsAControlPressThatCancelledTheOneBefore) {
    int forgotten = 0;
    framework::setControlKeyPoll([] { return false; }, [&] { ++forgotten; });
    Module1::runpearson({100}, progress, output);
    EXPECT_EQ(forgotten, 1);
}

} // namespace
