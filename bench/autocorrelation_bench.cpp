#include "analysis/draws.h"
#include "analysis/output.h"
#include "app/progresswindow.h"
#include "data/module1.h"
#include "descriptives/autocorrelation.h"
#include "framework/conversions.h"
#include "framework/random.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

class DiscardingOutput final : public Module1::Output {
  public:
    void append(const std::string& block) override { benchmark::DoNotOptimize(block.data()); }
};

constexpr std::int32_t bootstraps = 100000;
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
// phases, with the progress window on screen.
void BM_bootstrappedAutocorrelation199ValuesTwoPhases5Lags100000Bootstraps(
    benchmark::State& state) {
    fillTwoPhases();
    Module1::cps.assign(1, '\n');
    framework::seedRnd(7);
    DiscardingOutput output;
    for (auto _ : state) {
        Module1::autocorrelation({bootstraps, 5, Module1::AutocorrelationData::Raw},
                                 progressOnScreen(), output);
    }
}
BENCHMARK(BM_bootstrappedAutocorrelation199ValuesTwoPhases5Lags100000Bootstraps)
    ->Unit(benchmark::kMillisecond);

// The floor: the same run's bootstrap positions alone, drawn from the same generator in the same
// way and summed.
void BM_bootstrapPositionsOfTheSameRun(benchmark::State& state) {
    framework::seedRnd(7);
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (const std::int32_t length : {199, firstPhaseRows, 199 - firstPhaseRows}) {
            framework::withRandomStream([&](auto& stream) {
                for (std::int32_t b = 0; b < bootstraps; ++b) {
                    for (std::int32_t i = 0; i < length; ++i) {
                        sum += analysis::drawPosition(stream, length);
                    }
                }
            });
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_bootstrapPositionsOfTheSameRun)->Unit(benchmark::kMillisecond);

} // namespace
