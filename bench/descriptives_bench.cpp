#include "againstfloor.h"
#include "app/progresswindow.h"
#include "data/module1.h"
#include "descriptives/descriptives.h"
#include "framework/conversions.h"
#include "framework/random.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr std::int32_t iterations = 100000;
constexpr int firstPhaseRows = 99;

// 199 values with ties and a level change: 99 in phase 0, 100 in phase 1.
void fillTwoPhases() {
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        const bool second = row > firstPhaseRows;
        Module1::grid().setCell(row, DataGrid::dvColumn,
                                framework::CStr((row * 37) % 41 % 9 + (second ? 4 : 0)));
        Module1::grid().setCell(row, DataGrid::phaseColumn, second ? "1" : "0");
    }
}

void BM_descriptives199ValuesTwoPhasesEveryBox100000Iterations(benchmark::State& state) {
    fillTwoPhases();
    Module1::cps.assign(1, '\n');
    framework::seedRnd(7);
    Module1::DescriptivesSettings settings;
    settings.intervals = {true, true, true, true};
    settings.iterations = iterations;
    bench::DiscardingOutput output;
    // The floor: every block's resamples, one position per value.
    bench::againstFloor(
        state, [&] { Module1::descriptives(settings, progressOnScreen(), output); },
        [] {
            bench::positionsAlone(
                {DataGrid::lastDataRow, firstPhaseRows, DataGrid::lastDataRow - firstPhaseRows},
                iterations);
        });
}
BENCHMARK(BM_descriptives199ValuesTwoPhasesEveryBox100000Iterations)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
