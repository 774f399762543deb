#include "correlation/bootstrap.h"

#include "app/alert.h"
#include "correlation/bootstrapreport.h"
#include "correlation/procedures.h"
#include "correlation/statistics.h"
#include "data/module1.h"
#include "framework/conversions.h"
#include "framework/random.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace Module1 {

namespace {

// What differs between the two analyses; the resampling, counting and progress are shared.
struct BootstrapKind {
    std::string runningTitle;
    BootstrapReport report;
    // Every iteration, or only at multiples of 10 and at the last one.
    bool countEveryIteration;
    // Copies the complete pairs into the statistic's inputs and returns the observed value.
    std::function<double()> observe;
    // Draws x values anew and returns the statistic of that resample.
    std::function<double()> resample;
};

void run(const BootstrapSettings& settings, const BootstrapKind& kind, Progress& progress,
         Output& output) {
    const std::int32_t iterations = settings.iterations;
    if (iterations > maximumIterations) {
        notify(tooManyIterationsNotice());
        return;
    }
    loadvectors();
    if (n < 2) {
        notify("Not enough data to run these analyses.");
        return;
    }
    progress.show(kind.runningTitle, "Number of iterations completed", iterations);
    const double observed = kind.observe();
    std::int32_t count = 0;
    for (std::int32_t b = 1; b <= iterations; ++b) {
        if (correlation::countsAsExtreme(kind.resample(), observed)) {
            ++count;
        }
        if (kind.countEveryIteration || b % 10 == 0 || b == iterations) {
            progress.setCount(b);
        }
        if (progress.cancelRequested()) {
            progress.close();
            return;
        }
        progress.yield();
    }
    output.append(bootstrapReportBlock(kind.report, n, missing, iterations, observed,
                                       correlation::bootstrapP(count, iterations)));
    progress.close();
}

void drawResample(Series& target) {
    for (std::int32_t i = 1; i <= n; ++i) {
        target[i] = v1[framework::randomPosition(n)];
    }
}

} // namespace

BootstrapSettings readBootstrapSettings(std::string_view iterationsText) {
    return {std::max(minimumIterations, framework::toInt32(framework::CDbl(iterationsText)))};
}

std::string tooManyIterationsNotice() {
    return "Please enter no more than " + framework::CStr(maximumIterations) + " iterations.";
}

void runpearson(const BootstrapSettings& settings, Progress& progress, Output& output) {
    const BootstrapKind kind{
        "Running Bootstrapped Pearson-r",
        {"Bootstrapped Pearson r", "Pearson r"},
        true,
        [] {
            std::copy_n(v1.begin() + 1, n, vq.begin() + 1);
            std::copy_n(v2.begin() + 1, n, vvq.begin() + 1);
            return pearsonr();
        },
        [] {
            drawResample(vq);
            return pearsonr();
        },
    };
    run(settings, kind, progress, output);
}

void spearmanrho(const BootstrapSettings& settings, Progress& progress, Output& output) {
    // A resample's x values all come from the observed ones, so their ranks follow from which
    // observed values were drawn how often: the ranks getranks(1) would give, in linear time.
    std::optional<correlation::DrawnRanks> drawnRanks;
    std::vector<std::int32_t> drawn;
    const BootstrapKind kind{
        "Running Bootstrapped Spearman Rho",
        {"Bootstrapped Spearman Rho", "Rho"},
        false,
        [&] {
            std::copy_n(v1.begin() + 1, n, vr1.begin() + 1);
            std::copy_n(v2.begin() + 1, n, vr2.begin() + 1);
            getranks(1);
            getranks(2);
            drawnRanks.emplace(std::span(v1).subspan(1, static_cast<std::size_t>(n)));
            drawn.resize(static_cast<std::size_t>(n));
            return tiecorrectedrho();
        },
        [&] {
            for (std::int32_t i = 1; i <= n; ++i) {
                const std::int32_t position = framework::randomPosition(n);
                vr1[i] = v1[position];
                drawn[i - 1] = position - 1;
            }
            // The y ranks and their tie sum stay as the observed data left them.
            stx[1] = drawnRanks->rank(drawn, std::span(vrank[1]).subspan(1));
            return tiecorrectedrho();
        },
    };
    run(settings, kind, progress, output);
}

} // namespace Module1
