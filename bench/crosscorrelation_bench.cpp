#include "analysis/draws.h"
#include "analysis/output.h"
#include "app/progresswindow.h"
#include "crosscorrelation/crosscorr.h"
#include "data/module1.h"
#include "framework/conversions.h"
#include "framework/random.h"
#include "framework/vectorstate.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int pairs = 60;
constexpr int simulations = 100000;

class DiscardingOutput final : public Module1::Output {
  public:
    void append(const std::string& block) override { benchmark::DoNotOptimize(block.data()); }
};

void fillPairs() {
    for (int row = DataGrid::firstDataRow; row <= DataGrid::lastDataRow; ++row) {
        const bool filled = row <= pairs;
        Module1::grid().setCell(row, DataGrid::dvColumn,
                                filled ? framework::CStr((row * 37) % 41 * 0.5) : "");
        Module1::grid().setCell(row, DataGrid::phaseColumn,
                                filled ? framework::CStr((row * row * 13 + 7) % 29 + row % 3) : "");
    }
}

// What OK does once the fields are read: reload the pairs, check the settings, run.
void runCrossCorrelation(benchmark::State& state, bool spearman) {
    fillPairs();
    Module1::cps.assign(1, '\n');
    framework::seedRnd(7);
    DiscardingOutput output;
    Module1::CrossFields fields;
    fields.nSize1 = framework::CStr(pairs);
    fields.autocorr1 = "0.3";
    fields.autocorr2 = "-0.2";
    fields.simulations = framework::CStr(simulations);
    fields.lags = "5";
    fields.spearman = spearman;
    for (auto _ : state) {
        Module1::loadvectors();
        const Module1::CrossReading reading = Module1::readCrossSettings(fields, Module1::n);
        if (reading.notice) {
            state.SkipWithError(reading.notice->c_str());
            return;
        }
        Module1::crosscorr(reading.settings, progressOnScreen(), output);
    }
}

void BM_crossCorrelationPearson60Pairs5Lags100000Simulations(benchmark::State& state) {
    runCrossCorrelation(state, false);
}
BENCHMARK(BM_crossCorrelationPearson60Pairs5Lags100000Simulations)->Unit(benchmark::kMillisecond);

void BM_crossCorrelationSpearman60Pairs5Lags100000Simulations(benchmark::State& state) {
    runCrossCorrelation(state, true);
}
BENCHMARK(BM_crossCorrelationSpearman60Pairs5Lags100000Simulations)->Unit(benchmark::kMillisecond);

// The floor: the run's normal deviates alone (errors and shocks of both series, every
// simulation), from the same generator in the same way.
void BM_crossCorrelationNormalDeviatesAlone(benchmark::State& state) {
    framework::seedRnd(7);
    for (auto _ : state) {
        // As the run's yield does after Qt has drawn, so that the floor is not slowed by the
        // benchmark before it.
        framework::clearUpperVectorState();
        double sum = 0.0;
        framework::withRandomStream([&](auto& stream) {
            for (int simulation = 0; simulation < simulations; ++simulation) {
                for (int draw = 0; draw < 4 * pairs; ++draw) {
                    sum += analysis::normalDeviate(stream, 0.0, 1.0);
                }
            }
        });
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_crossCorrelationNormalDeviatesAlone)->Unit(benchmark::kMillisecond);

} // namespace
