#include "crosscorrelation/crosscorr.h"

#include "analysis/run.h"
#include "crosscorrelation/crosslags.h"
#include "crosscorrelation/crossreport.h"
#include "crosscorrelation/simulatedpair.h"
#include "data/module1.h"
#include "framework/random.h"

#include <span>
#include <vector>

namespace Module1 {

bool atLeastAsExtreme(double simulated, double observed) {
    return observed < 0.0 ? !(observed < simulated) : !(simulated < observed);
}

void crosscorr(const CrossSettings& settings, Progress& progress, Output& output) {
    const auto pairs = static_cast<std::size_t>(n);
    const std::span<const double> var1 = std::span(v1).subspan(1, pairs);
    const std::span<const double> var2 = std::span(v2).subspan(1, pairs);
    const std::size_t lags = crosscorrelation::lagCount(settings.lags);
    std::vector<double> observed(lags);
    if (settings.spearman) {
        crosscorrelation::spearmanCrossCorrelations(var1, var2, settings.lags, observed);
    } else {
        crosscorrelation::pearsonCrossCorrelations(var1, var2, settings.lags, observed);
    }

    analysis::AnalysisRun run(progress, output);
    run.show("Running Simulation Models", "Number of iterations completed", settings.simulations);
    const std::span<double> simulated = std::span(rr).subspan(1, lags);
    std::vector<std::int32_t> counts(lags);
    crosscorrelation::SimulationModel model(settings);
    bool completed = true;
    framework::withRandomStream([&](auto& stream) {
        for (std::int32_t simulation = 1; simulation <= settings.simulations; ++simulation) {
            model.simmodelmethod(stream, simulated);
            for (std::size_t j = 0; j < lags; ++j) {
                counts[j] += atLeastAsExtreme(simulated[j], observed[j]) ? 1 : 0;
            }
            // Every 100th simulation only: a run of 250 shows 100 and 200, never 250.
            if (simulation % 100 == 0) {
                progress.setCount(simulation);
            }
            if (!run.carryOn()) {
                completed = false;
                return;
            }
        }
    });
    if (completed) {
        run.finish(crossReport(settings, n, observed, counts, cps));
    }
}

} // namespace Module1
