#include "correlation/bootstrap.h"

#include "analysis/alert.h"
#include "analysis/correlationbasics.h"
#include "analysis/counts.h"
#include "analysis/draws.h"
#include "analysis/procedures.h"
#include "analysis/run.h"
#include "correlation/bootstrapreport.h"
#include "correlation/resampledpearson.h"
#include "correlation/resampledspearman.h"
#include "data/cellnumbers.h"
#include "data/module1.h"
#include "framework/random.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <vector>

namespace Module1 {

namespace {

// What differs between the two analyses; the resampling, counting and progress are shared.
struct BootstrapKind {
    std::string runningTitle;
    BootstrapReport report;
    // The counter shows every this many iterations (and the last).
    std::int32_t counterEvery;
};

// Loads the complete pairs; false, with a notice, when the count or the data will not do.
bool loadPairs(const BootstrapSettings& settings) {
    if (settings.iterations > analysis::maximumCount) {
        notify(analysis::tooManyNotice("iterations"));
        return false;
    }
    if (const std::optional<std::string> notice = pairsNotANumber(grid())) {
        notify(*notice);
        return false;
    }
    loadvectors();
    if (n < 2) {
        notify("Not enough data to run these analyses.");
        return false;
    }
    return true;
}

// observe() gives the observed statistic; resample(stream) one resample's.
template <typename Observe, typename Resample>
void run(const BootstrapSettings& settings, const BootstrapKind& kind, Progress& progress,
         Output& output, Observe observe, Resample resample) {
    analysis::AnalysisRun run(progress, output);
    run.show(kind.runningTitle, "Number of iterations completed", settings.iterations);
    const double observed = observe();
    const analysis::ExtremeRule extreme(observed);
    std::int32_t count = 0;
    // A resample whose statistic is not a number (all drawn x values equal) says nothing about
    // the observed one, so it leaves the denominator as well as the count.
    std::int32_t numbered = 0;
    bool completed = false;
    framework::withRandomStream([&](auto& stream) {
        completed = run.iterate(settings.iterations, kind.counterEvery, [&](std::int32_t) {
            const double resampled = resample(stream);
            numbered += std::isnan(resampled) ? 0 : 1;
            count += extreme.counts(resampled) ? 1 : 0;
        });
    });
    if (completed) {
        run.finish(bootstrapReportBlock(kind.report, n, missing, settings.iterations, observed,
                                        analysis::bootstrapP(count, numbered)));
    }
}

} // namespace

void runpearson(const BootstrapSettings& settings, Progress& progress, Output& output) {
    if (!loadPairs(settings)) {
        return;
    }
    std::copy_n(v1.begin() + 1, n, vq.begin() + 1);
    std::copy_n(v2.begin() + 1, n, vvq.begin() + 1);
    const auto pairs = static_cast<std::size_t>(n);
    correlation::ResampledPearson pearson{std::span(vq).subspan(1, pairs),
                                          std::span(vvq).subspan(1, pairs)};
    run(
        settings, {"Running Bootstrapped Pearson-r", {"Bootstrapped Pearson r", "Pearson r"}, 1},
        progress, output, [&] { return pearson.observed(); },
        [&](auto& stream) { return pearson.resample(stream); });
}

void spearmanrho(const BootstrapSettings& settings, Progress& progress, Output& output) {
    if (!loadPairs(settings)) {
        return;
    }
    std::copy_n(v1.begin() + 1, n, vr1.begin() + 1);
    std::copy_n(v2.begin() + 1, n, vr2.begin() + 1);
    getranks(1);
    getranks(2);
    const auto pairs = static_cast<std::size_t>(n);
    correlation::ResampledSpearman spearman{std::span(v1).subspan(1, pairs),
                                            std::span(vrank[2]).subspan(1, pairs), stx[2]};
    run(
        settings, {"Running Bootstrapped Spearman Rho", {"Bootstrapped Spearman Rho", "Rho"}, 10},
        progress, output, [] { return tiecorrectedrho(); },
        [&](auto& stream) { return spearman.resample(stream); });
    // The module's rank inputs keep what the rank procedures would have left after the last
    // resample, as every analysis that ranks leaves them; the loop itself ranks in its own
    // buffers, so this is written once instead of at every resample.
    if (const std::optional<double> tieSum =
            spearman.lastResample(std::span(v1).subspan(1, pairs), std::span(vr1).subspan(1, pairs),
                                  std::span(vrank[1]).subspan(1, pairs))) {
        stx[1] = *tieSum;
    }
}

} // namespace Module1
