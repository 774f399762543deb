#include "correlation/bootstrap.h"

#include "analysis/procedures.h"
#include "data/module1.h"
#include "framework/random.h"
#include "framework/runtime.h"
#include "support/fakealert.h"
#include "support/fakeprogress.h"
#include "support/gridfixture.h"

#include <limits>
#include <memory>
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

class BootstrapTest : public GridFixture {
  protected:
    void SetUp() override {
        GridFixture::SetUp();
        Module1::cps.assign(1, '\n');
        fillExamplePairs();
    }
    static void fillExamplePairs() {
        fill({{"1", "2"}, {"2", "1"}, {"", "7"}, {"3", "4"}, {"4", "3"}, {"5", "5"}});
    }
    void TearDown() override {
        framework::setControlKeyPoll(nullptr);
        framework::seedRnd(1);
        GridFixture::TearDown();
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
    const std::vector<PCase> cases{
        {{sameOrder, likeY, reversed, allFirst}, ".50"},
        {{sameOrder, likeY, likeY, reversed, allFirst}, ".60"},
        {{sameOrder}, ".9999"},
        {{reversed, allFirst}, ".0001"},
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

TEST_F(BootstrapTest, IterationFieldIsReadAsACountOfAtLeast100) {
    const std::vector<std::pair<std::string, std::int32_t>> cases{
        {"", 100},
        {"0", 100},
        {"50", 100},
        {"99", 100},
        {"100", 100},
        {"1000", 1000},
        {"1000000", 1000000},
        {"99999999999", std::numeric_limits<std::int32_t>::max()},
    };
    for (const auto& [text, iterations] : cases) {
        EXPECT_EQ(Module1::readBootstrapSettings(text).iterations, iterations) << text;
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

} // namespace
