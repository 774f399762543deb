#include "analysis/run.h"

#include "framework/runtime.h"
#include "support/fakeprogress.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

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

#if defined(__x86_64__) || defined(__i386__)

// Whether the upper halves of the AVX registers hold anything (the processor's "in use" bit of
// that state), or nullopt where the processor cannot say.
std::optional<bool> upperVectorStateInUse() {
    unsigned eax = 0;
    unsigned ebx = 0;
    unsigned ecx = 0;
    unsigned edx = 0;
    const bool canAsk = __builtin_cpu_supports("avx") &&
                        __get_cpuid_count(0xd, 1, &eax, &ebx, &ecx, &edx) && (eax & (1u << 2)) != 0;
    if (!canAsk) {
        return std::nullopt;
    }
    unsigned low = 0;
    unsigned high = 0;
    asm volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(1));
    return (low & (1u << 2)) != 0;
}

// Shows its window as Qt's drawing code can: leaving a 256-bit register written.
class DrawingProgress final : public Module1::Progress {
  public:
    void show(const std::string&, const std::string&, std::int32_t) override {
        if (__builtin_cpu_supports("avx")) {
            asm volatile("vpcmpeqd %%ymm0, %%ymm0, %%ymm0" ::: "xmm0");
        }
    }
    void setMainLabel(const std::string&) override {}
    void setCount(std::int32_t) override {}
    void close() override {}
};

TEST(AnalysisRunVectorState, TheLoopStartsWithCleanVectorRegistersAfterTheWindowShows) {
    DrawingProgress progress;
    FakeOutput output;
    analysis::AnalysisRun run(progress, output);
    run.show("Running", "", 100);
    const std::optional<bool> inUse = upperVectorStateInUse();
    if (!inUse) {
        GTEST_SKIP() << "the processor does not tell whether its AVX state is in use";
    }
    EXPECT_FALSE(*inUse);
}

#endif

} // namespace
