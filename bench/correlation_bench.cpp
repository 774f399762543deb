#include "app/output.h"
#include "app/progress.h"
#include "correlation/bootstrap.h"
#include "data/module1.h"
#include "framework/conversions.h"
#include "framework/random.h"
#include "framework/runtime.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

// The window's yield: lets events in only once 15 ms have passed since it last did.
void throttledYield() {
    using Clock = std::chrono::steady_clock;
    static Clock::time_point last = Clock::now();
    const Clock::time_point now = Clock::now();
    if (now - last >= std::chrono::milliseconds(15)) {
        last = now;
    }
}

// The progress window without a screen: the counter is kept, the yield and the Control-key
// poll are the runtime's.
class CountingProgress final : public Module1::Progress {
  public:
    void show(const std::string&, const std::string&, std::int32_t) override {}
    void setCount(std::int32_t done) override { benchmark::DoNotOptimize(shown = done); }
    void close() override {}
    std::int32_t shown = 0;
};

class DiscardingOutput final : public Module1::Output {
  public:
    void append(const std::string& block) override { benchmark::DoNotOptimize(block.data()); }
};

// 199 pairs whose values repeat, as rating scales and counts do.
void fillPairsWithTies() {
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        Module1::grid().setCell(row, DataGrid::dvColumn, framework::CStr((row * 37) % 41 % 9));
        Module1::grid().setCell(row, DataGrid::phaseColumn,
                                framework::CStr((row * row * 13 + 7) % 29 % 7 + row % 3));
    }
}

void runBootstrap(benchmark::State& state, void (*analysis)(const Module1::BootstrapSettings&,
                                                            Module1::Progress&, Module1::Output&)) {
    fillPairsWithTies();
    Module1::cps.assign(1, '\n');
    framework::seedRnd(7);
    framework::setBackgroundTask(throttledYield);
    framework::setControlKeyPoll([] { return false; });
    CountingProgress progress;
    DiscardingOutput output;
    for (auto _ : state) {
        analysis({100000}, progress, output);
    }
    framework::setBackgroundTask(nullptr);
    framework::setControlKeyPoll(nullptr);
}

void BM_bootstrappedSpearmanRho199Pairs100000Iterations(benchmark::State& state) {
    runBootstrap(state, Module1::spearmanrho);
}
BENCHMARK(BM_bootstrappedSpearmanRho199Pairs100000Iterations)->Unit(benchmark::kMillisecond);

void BM_bootstrappedPearsonR199Pairs100000Iterations(benchmark::State& state) {
    runBootstrap(state, Module1::runpearson);
}
BENCHMARK(BM_bootstrappedPearsonR199Pairs100000Iterations)->Unit(benchmark::kMillisecond);

} // namespace
