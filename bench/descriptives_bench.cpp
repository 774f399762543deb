#include "againstfloor.h"
#include "app/progresswindow.h"
#include "data/module1.h"
#include "descriptives/descriptives.h"
#include "framework/conversions.h"
#include "framework/random.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr int firstPhaseRows = 99;
constexpr int shortSeries = 20;

// 199 values with ties and a level change: 99 in phase 0, 100 in phase 1.
void fillTwoPhases() {
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        const bool second = row > firstPhaseRows;
        Module1::grid().setCell(row, DataGrid::dvColumn,
                                framework::CStr((row * 37) % 41 % 9 + (second ? 4 : 0)));
        Module1::grid().setCell(row, DataGrid::phaseColumn, second ? "1" : "0");
    }
}

// The first 20 of the same values with no phase, the rest of the grid empty.
void fillShortSeries() {
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        Module1::grid().setCell(row, DataGrid::dvColumn,
                                row <= shortSeries ? framework::CStr((row * 37) % 41 % 9)
                                                   : std::string());
        Module1::grid().setCell(row, DataGrid::phaseColumn, "");
    }
}

// Every box on, state.range(0) iterations; the floor: every block's resamples, one position per
// value.
void runEveryBox(benchmark::State& state, std::initializer_list<std::int32_t> blockCounts) {
    const auto iterations = static_cast<std::int32_t>(state.range(0));
    Module1::cps.assign(1, '\n');
    framework::seedRnd(7);
    Module1::DescriptivesSettings settings;
    settings.intervals = {true, true, true, true};
    settings.iterations = iterations;
    bench::DiscardingOutput output;
    bench::againstFloor(
        state, [&] { Module1::descriptives(settings, progressOnScreen(), output); },
        [&] { bench::positionsAlone(blockCounts, iterations); });
}

void BM_descriptives199ValuesTwoPhasesEveryBox(benchmark::State& state) {
    fillTwoPhases();
    runEveryBox(state,
                {DataGrid::lastDataRow, firstPhaseRows, DataGrid::lastDataRow - firstPhaseRows});
}
BENCHMARK(BM_descriptives199ValuesTwoPhasesEveryBox)
    ->ArgName("iterations")
    ->Arg(100000)
    ->Arg(1000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_descriptives20ValuesEveryBox(benchmark::State& state) {
    fillShortSeries();
    runEveryBox(state, {shortSeries});
}
BENCHMARK(BM_descriptives20ValuesEveryBox)
    ->ArgName("iterations")
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
