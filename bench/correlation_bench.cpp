#include "analysis/draws.h"
#include "analysis/output.h"
#include "app/progresswindow.h"
#include "correlation/bootstrap.h"
#include "data/module1.h"
#include "framework/conversions.h"
#include "framework/random.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr std::int32_t pairs = 199;
constexpr std::int32_t iterations = 100000;

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
    DiscardingOutput output;
    for (auto _ : state) {
        analysis({iterations}, progressOnScreen(), output);
    }
}

// The floor of both analyses: the run's 199 x 100,000 bootstrap positions drawn from the same
// stream in the same way, and nothing else.
void BM_bootstrapPositionsAlone199Pairs100000Iterations(benchmark::State& state) {
    framework::seedRnd(7);
    for (auto _ : state) {
        std::int64_t sum = 0;
        framework::withRandomStream([&](auto& stream) {
            for (std::int32_t b = 0; b < iterations; ++b) {
                for (std::int32_t i = 0; i < pairs; ++i) {
                    sum += analysis::drawPosition(stream, pairs);
                }
            }
        });
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_bootstrapPositionsAlone199Pairs100000Iterations)->Unit(benchmark::kMillisecond);

void BM_bootstrappedSpearmanRho199Pairs100000Iterations(benchmark::State& state) {
    runBootstrap(state, Module1::spearmanrho);
}
BENCHMARK(BM_bootstrappedSpearmanRho199Pairs100000Iterations)->Unit(benchmark::kMillisecond);

void BM_bootstrappedPearsonR199Pairs100000Iterations(benchmark::State& state) {
    runBootstrap(state, Module1::runpearson);
}
BENCHMARK(BM_bootstrappedPearsonR199Pairs100000Iterations)->Unit(benchmark::kMillisecond);

} // namespace
