#include "againstfloor.h"
#include "app/progresswindow.h"
#include "crosscorrelation/crosscorr.h"
#include "data/module1.h"
#include "framework/conversions.h"
#include "framework/random.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int pairs = 60;

void fillPairs() {
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        const bool filled = row <= pairs;
        Module1::grid().setCell(row, DataGrid::dvColumn,
                                filled ? framework::CStr((row * 37) % 41 * 0.5) : "");
        Module1::grid().setCell(row, DataGrid::phaseColumn,
                                filled ? framework::CStr((row * row * 13 + 7) % 29 + row % 3) : "");
    }
}

// What OK does once the fields are read: reload the pairs, check the settings, run;
// state.range(0) simulations.
void runCrossCorrelation(benchmark::State& state, bool spearman) {
    fillPairs();
    const auto simulations = static_cast<int>(state.range(0));
    Module1::cps.assign(1, '\n');
    framework::seedRnd(7);
    bench::DiscardingOutput output;
    Module1::CrossFields fields;
    fields.nSize1 = framework::CStr(pairs);
    // Built from std::string, since GCC 12 warns falsely (-Wrestrict) when a short literal is
    // assigned in an optimised build.
    fields.autocorr1 = std::string("0.3");
    fields.autocorr2 = std::string("-0.2");
    fields.simulations = framework::CStr(simulations);
    fields.lags = std::string("5");
    fields.spearman = spearman;
    Module1::loadvectors();
    const Module1::CrossReading reading = Module1::readCrossSettings(fields, Module1::n);
    if (reading.notice) {
        state.SkipWithError(reading.notice->c_str());
        return;
    }
    // The floor: the errors and shocks of both series, every simulation.
    bench::againstFloor(
        state,
        [&] {
            Module1::loadvectors();
            Module1::crosscorr(reading.settings, progressOnScreen(), output);
        },
        [&] { bench::normalDeviatesAlone(4 * pairs, simulations); });
}

void BM_crossCorrelationPearson60Pairs5Lags(benchmark::State& state) {
    runCrossCorrelation(state, false);
}
BENCHMARK(BM_crossCorrelationPearson60Pairs5Lags)
    ->ArgName("simulations")
    ->Arg(100000)
    ->Arg(1000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_crossCorrelationSpearman60Pairs5Lags(benchmark::State& state) {
    runCrossCorrelation(state, true);
}
BENCHMARK(BM_crossCorrelationSpearman60Pairs5Lags)
    ->ArgName("simulations")
    ->Arg(100000)
    ->Arg(1000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
