#include "againstfloor.h"
#include "app/progresswindow.h"
#include "data/module1.h"
#include "descriptives/autocorrelation.h"
#include "framework/conversions.h"
#include "framework/random.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr int firstPhaseRows = 100;

// 199 values with a level change and some serial dependence, in two phases of 100 and 99.
void fillTwoPhases() {
    double level = 0.0;
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        level = 0.6 * level + static_cast<double>((row * 37) % 41 % 9) - 4.0;
        const bool first = row <= firstPhaseRows;
        Module1::grid().setCell(row, DataGrid::dvColumn,
                                framework::CStr(level + (first ? 10.0 : 14.0)));
        Module1::grid().setCell(row, DataGrid::phaseColumn, first ? "0" : "1");
    }
}

// The whole run as OK starts it: the residual-free option, 5 lags, the whole series and both
// phases, with the progress window on screen; state.range(0) bootstraps.
void BM_bootstrappedAutocorrelation199ValuesTwoPhases5Lags(benchmark::State& state) {
    fillTwoPhases();
    const auto bootstraps = static_cast<std::int32_t>(state.range(0));
    Module1::cps.assign(1, '\n');
    framework::seedRnd(7);
    bench::DiscardingOutput output;
    // The floor: the bootstraps of the whole series and of each phase, one position per value.
    bench::againstFloor(
        state,
        [&] {
            Module1::autocorrelation({bootstraps, 5, Module1::AutocorrelationData::Raw},
                                     progressOnScreen(), output);
        },
        [&] {
            bench::positionsAlone({199, firstPhaseRows, 199 - firstPhaseRows}, bootstraps);
        });
}
BENCHMARK(BM_bootstrappedAutocorrelation199ValuesTwoPhases5Lags)
    ->ArgName("bootstraps")
    ->Arg(100000)
    ->Arg(1000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
