#pragma once

#include "analysis/draws.h"
#include "analysis/output.h"
#include "framework/random.h"
#include "framework/vectorstate.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <string>

// An analysis measured against its floor, the time its random draws alone take. The two run by
// turns in every iteration, so that both meet the same machine: on a shared one the speed
// drifts by a fifth within a minute, and a ratio of two separate measurements drifts with it.
namespace bench {

class DiscardingOutput final : public Module1::Output {
  public:
    void append(const std::string& block) override { benchmark::DoNotOptimize(block.data()); }
};

// The bootstrap positions of a run that draws, for each count in turn, resamples times count
// positions in 1..count; summed, so that none is left out.
inline void positionsAlone(std::initializer_list<std::int32_t> counts, std::int32_t resamples) {
    std::int64_t sum = 0;
    framework::withRandomStream([&](auto& stream) {
        for (const std::int32_t count : counts) {
            for (std::int32_t b = 0; b < resamples; ++b) {
                for (std::int32_t i = 0; i < count; ++i) {
                    sum += analysis::drawPosition(stream, count);
                }
            }
        }
    });
    benchmark::DoNotOptimize(sum);
}

// The normal deviates of a run that draws perSimulation of them in each of simulations.
inline void normalDeviatesAlone(std::int64_t perSimulation, std::int32_t simulations) {
    double sum = 0.0;
    framework::withRandomStream([&](auto& stream) {
        for (std::int32_t k = 0; k < simulations; ++k) {
            for (std::int64_t i = 0; i < perSimulation; ++i) {
                sum += analysis::normalDeviate(stream, 0.0, 1.0);
            }
        }
    });
    benchmark::DoNotOptimize(sum);
}

// Times run() as the benchmark's own time (register it with UseManualTime()), and floor() right
// after it; the counters "floor_ms" and "ratio" give the floor's time and run's time over it.
template <typename Run, typename Floor>
void againstFloor(benchmark::State& state, Run run, Floor floor) {
    using Clock = std::chrono::steady_clock;
    double runSeconds = 0.0;
    double floorSeconds = 0.0;
    for (auto _ : state) {
        const Clock::time_point started = Clock::now();
        run();
        const Clock::time_point ran = Clock::now();
        // As the run's yield does after Qt has drawn: the window that the run closed must not
        // slow the floor down.
        framework::clearUpperVectorState();
        floor();
        const Clock::time_point floored = Clock::now();
        const double seconds = std::chrono::duration<double>(ran - started).count();
        state.SetIterationTime(seconds);
        runSeconds += seconds;
        floorSeconds += std::chrono::duration<double>(floored - ran).count();
    }
    state.counters["floor_ms"] =
        benchmark::Counter(floorSeconds * 1e3 / static_cast<double>(state.iterations()));
    state.counters["ratio"] = benchmark::Counter(runSeconds / floorSeconds);
}

} // namespace bench
