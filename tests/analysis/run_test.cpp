#include "analysis/run.h"

#include "framework/runtime.h"
#include "support/fakeprogress.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class AnalysisRunTest : public testing::Test {
  protected:
    void TearDown() override { framework::setControlKeyPoll(nullptr); }

    FakeProgress progress;
    FakeOutput output;
};

TEST_F(AnalysisRunTest, CountsDueIterationsAndTheLastThenAppendsOnceAndCloses) {
    std::vector<std::int32_t> steps;
    {
        analysis::AnalysisRun run(progress, output);
        run.show("Running", "Number of simulations completed", 25);
        ASSERT_TRUE(run.iterate(25, 10, [&](std::int32_t i) { steps.push_back(i); }));
        run.setMainLabel("Sorting Data");
        run.finish("report\n");
    }
    EXPECT_EQ(steps.size(), 25u);
    EXPECT_EQ(steps.back(), 25);
    EXPECT_EQ(progress.counts, (std::vector<std::int32_t>{10, 20, 25}));
    EXPECT_EQ(progress.mainLabels, (std::vector<std::string>{"Sorting Data"}));
    EXPECT_EQ(output.blocks, (std::vector<std::string>{"report\n"}));
    EXPECT_EQ(progress.closes, 1);
}

TEST_F(AnalysisRunTest, ControlEndsTheLoopAndClosesTheWindowOnce) {
    int polls = 0;
    framework::setControlKeyPoll([&] { return ++polls == 3; });
    int steps = 0;
    {
        analysis::AnalysisRun run(progress, output);
        run.show("Running", "", 100);
        EXPECT_FALSE(run.iterate(100, 1, [&](std::int32_t) { ++steps; }));
        EXPECT_EQ(progress.closes, 1);
    }
    EXPECT_EQ(steps, 3);
    EXPECT_EQ(progress.closes, 1);
    EXPECT_TRUE(output.blocks.empty());
}

TEST_F(AnalysisRunTest, LeavingTheRunAnyOtherWayClosesTheWindow) {
    {
        analysis::AnalysisRun run(progress, output);
        run.show("Running", "", 100);
    }
    EXPECT_EQ(progress.closes, 1);
    { analysis::AnalysisRun neverShown(progress, output); }
    EXPECT_EQ(progress.closes, 1);
    EXPECT_TRUE(output.blocks.empty());
}

} // namespace
