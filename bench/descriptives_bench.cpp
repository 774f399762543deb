#include "analysis/draws.h"
#include "analysis/output.h"
#include "app/progresswindow.h"
#include "data/module1.h"
#include "descriptives/descriptives.h"
#include "framework/conversions.h"
#include "framework/random.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

namespace {

class DiscardingOutput final : public Module1::Output {
  public:
    void append(const std::string& block) override { benchmark::DoNotOptimize(block.data()); }
};

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
    DiscardingOutput output;
    for (auto _ : state) {
        Module1::descriptives(settings, progressOnScreen(), output);
    }
}
BENCHMARK(BM_descriptives199ValuesTwoPhasesEveryBox100000Iterations)->Unit(benchmark::kMillisecond);

// The floor: the same run's bootstrap positions alone, drawn from the same stream in the same
// way (every block's resamples, one position per value), summed so that none is dropped.
void BM_descriptivesBootstrapPositionsAlone(benchmark::State& state) {
    framework::seedRnd(7);
    const std::array<std::int32_t, 3> blockSizes{DataGrid::lastDataRow, firstPhaseRows,
                                                 DataGrid::lastDataRow - firstPhaseRows};
    for (auto _ : state) {
        std::int64_t sum = 0;
        framework::withRandomStream([&](auto& stream) {
            for (const std::int32_t count : blockSizes) {
                for (std::int32_t b = 0; b < iterations; ++b) {
                    for (std::int32_t i = 0; i < count; ++i) {
                        sum += analysis::drawPosition(stream, count);
                    }
                }
            }
        });
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_descriptivesBootstrapPositionsAlone)->Unit(benchmark::kMillisecond);

} // namespace
