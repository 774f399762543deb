#include "againstfloor.h"
#include "app/progresswindow.h"
#include "correlation/bootstrap.h"
#include "data/module1.h"
#include "framework/conversions.h"
#include "framework/random.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr std::int32_t pairs = 199;

// 199 pairs whose values repeat, as rating scales and counts do.
void fillPairsWithTies() {
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        Module1::grid().setCell(row, DataGrid::dvColumn, framework::CStr((row * 37) % 41 % 9));
        Module1::grid().setCell(row, DataGrid::phaseColumn,
                                framework::CStr((row * row * 13 + 7) % 29 % 7 + row % 3));
    }
}

// The run of state.range(0) iterations against its 199 bootstrap positions per iteration alone.
void runBootstrap(benchmark::State& state, void (*analysis)(const Module1::BootstrapSettings&,
                                                            Module1::Progress&, Module1::Output&)) {
    fillPairsWithTies();
    const auto iterations = static_cast<std::int32_t>(state.range(0));
    Module1::cps.assign(1, '\n');
    framework::seedRnd(7);
    bench::DiscardingOutput output;
    bench::againstFloor(
        state, [&] { analysis({iterations}, progressOnScreen(), output); },
        [&] { bench::positionsAlone({pairs}, iterations); });
}

void BM_bootstrappedSpearmanRho199Pairs(benchmark::State& state) {
    runBootstrap(state, Module1::spearmanrho);
}
BENCHMARK(BM_bootstrappedSpearmanRho199Pairs)
    ->ArgName("iterations")
    ->Arg(100000)
    ->Arg(1000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_bootstrappedPearsonR199Pairs(benchmark::State& state) {
    runBootstrap(state, Module1::runpearson);
}
BENCHMARK(BM_bootstrappedPearsonR199Pairs)
    ->ArgName("iterations")
    ->Arg(100000)
    ->Arg(1000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
