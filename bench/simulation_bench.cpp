#include "againstfloor.h"
#include "app/progresswindow.h"
#include "data/module1.h"
#include "framework/conversions.h"
#include "framework/random.h"
#include "simulation/simulationtest.h"

#include <benchmark/benchmark.h>

namespace {

// A series of points split in two phases of nearly equal length, as the dialog would take it.
simulation::SimulationSettings fillSeries(std::int32_t points, std::int32_t simulations) {
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        const bool used = row <= points;
        Module1::grid().setCell(row, DataGrid::dvColumn,
                                used ? framework::CStr((row * 37) % 41 % 9 + row / 10) : "");
        Module1::grid().setCell(row, DataGrid::phaseColumn,
                                used ? (row <= points / 2 ? "0" : "1") : "");
    }
    simulation::SimulationSettings settings;
    settings.simulations = simulations;
    settings.model.n1 = points / 2;
    settings.model.n2 = points - points / 2;
    settings.model.autocorr1 = 0.3;
    settings.model.autocorr2 = 0.3;
    return settings;
}

// state.range(0): the points; range(1): 0 for the dialog's default boxes, 1 for every box;
// range(2): the simulations.
void runTest(benchmark::State& state, simulation::Statistic statistic) {
    const auto simulations = static_cast<std::int32_t>(state.range(2));
    simulation::SimulationSettings settings =
        fillSeries(static_cast<std::int32_t>(state.range(0)), simulations);
    settings.statistic = statistic;
    if (state.range(1) == 1) {
        settings.usePhase = true;
        settings.allSlopes = true;
        settings.tables = true;
    }
    Module1::cps.assign(1, '\n');
    framework::seedRnd(7);
    bench::DiscardingOutput output;
    // The floor: two normal deviates per point of every simulated series.
    bench::againstFloor(
        state, [&] { simulation::runSimulationTest(settings, progressOnScreen(), output); },
        [&] { bench::normalDeviatesAlone(2 * state.range(0), simulations); });
}

void BM_simulationPearson(benchmark::State& state) {
    runTest(state, simulation::Statistic::Pearson);
}
void BM_simulationSpearman(benchmark::State& state) {
    runTest(state, simulation::Statistic::Spearman);
}
void BM_simulationPartial(benchmark::State& state) {
    runTest(state, simulation::Statistic::Partial);
}
BENCHMARK(BM_simulationPearson)
    ->ArgNames({"points", "everyBox", "simulations"})
    ->ArgsProduct({{20, 199}, {0, 1}, {100000}})
    ->Args({20, 0, 1000})
    ->Args({199, 0, 1000})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_simulationSpearman)
    ->ArgNames({"points", "everyBox", "simulations"})
    ->ArgsProduct({{20, 199}, {0, 1}, {100000}})
    ->Args({20, 0, 1000})
    ->Args({199, 0, 1000})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_simulationPartial)
    ->ArgNames({"points", "everyBox", "simulations"})
    ->ArgsProduct({{20, 199}, {0}, {100000}})
    ->Args({20, 0, 1000})
    ->Args({199, 0, 1000})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
