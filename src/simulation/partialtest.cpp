#include "analysis/alert.h"
#include "analysis/correlationbasics.h"
#include "analysis/report.h"
#include "analysis/run.h"
#include "data/module1.h"
#include "framework/conversions.h"
#include "framework/random.h"
#include "simulation/centredcolumns.h"
#include "simulation/simulatedseries.h"
#include "simulation/simulationreport.h"
#include "simulation/simulationrun.h"
#include "simulation/simulationtest.h"

#include <array>
#include <vector>

namespace Module1 {

void runpartialcorr(const simulation::SimulationSettings& settings, Progress& progress,
                    Output& output) {
    using framework::CStr;
    using simulation::pointValues;
    const simulation::SimulationModel& model = settings.model;
    // The notice comes before the progress window, which stays on top and would hide it.
    if (n < 2) {
        notify("Not enough data to run these analyses.");
        return;
    }
    analysis::AnalysisRun run(progress, output);
    run.show(simulation::runningTitle, simulation::counterLabel, settings.simulations);

    analysis::ReportBuilder report(cps);
    const std::int32_t validN = n;
    simulation::modelHeader(report,
                            {"Simulation Modeling", "Partial Correlation:", "Test of Level change",
                             "over and above linear trend"},
                            validN, settings);
    report.line(settings.usePhase ? "Predictor: Custom Phase Variable" : "Predictor: Level Vector");
    report.line("Controlling for: Linear Slope");
    report.line("");

    // The observed y is the phase column whatever the predictor of the simulations is.
    const std::vector<double> dv = pointValues(v1, validN);
    const std::vector<double> phases = pointValues(v2, validN);
    const std::vector<double> trend = pointValues(s4vector, validN);
    const double rxy = analysis::pearsonR(dv, phases);
    const double rxz = analysis::pearsonR(dv, trend);
    const double ryz = analysis::pearsonR(phases, trend);
    const double observed = partialcorr(rxy, rxz, ryz, dv.size());

    const std::int32_t length = model.length();
    n = length;
    const auto size = static_cast<std::size_t>(length);
    const std::vector<double> predictorValues =
        settings.usePhase ? pointValues(v2, length) : pointValues(levelvector, length);
    const std::vector<double> trendValues = pointValues(s4vector, length);
    const simulation::FixedColumn predictor(predictorValues);
    const simulation::FixedColumn linearTrend(trendValues);
    // The predictor against the trend is the same in every simulation.
    const double predictorTrend = analysis::pearsonR(predictorValues, trendValues);
    simulation::CentredSeries centred(size);
    std::vector<double> errors(size);
    std::vector<double> shocks(size);
    const std::span<double> series = std::span(vq).subspan(1, size);
    const std::array<const simulation::FixedColumn*, 2> columns{&predictor, &linearTrend};
    std::array<double, 2> correlations{};
    simulation::SignificanceGrid grid;
    bool completed = false;
    framework::withRandomStream([&](auto& stream) {
        completed = run.iterate(settings.simulations, 10, [&](std::int32_t) {
            simulation::simulateSeries(stream, model, errors, shocks, series);
            centred.centre(series);
            centred.correlate(columns, correlations);
            grid.add(partialcorr(correlations[0], correlations[1], predictorTrend, size));
        });
    });
    if (!completed) {
        return;
    }

    report.line("x = Dependent Variable / DV");
    report.line("y = Phase / IV");
    report.line("z = Linear Slope");
    report.line("");
    report.line("Correlation xy = " + CStr(rxy));
    report.line("Correlation xz = " + CStr(rxz));
    report.line("Correlation yz = " + CStr(ryz));
    report.line("");
    report.line("Partial Correlation xy|z = " + CStr(observed));
    report.line("p = " + simulation::pText(grid, observed));
    report.line("");
    if (settings.tables) {
        simulation::significanceTable(report, grid, "|R|=");
    }
    report.rule(36).line("");
    run.finish(report.text());
}

} // namespace Module1
