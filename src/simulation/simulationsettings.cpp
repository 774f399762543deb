#include "simulation/simulationsettings.h"

#include "analysis/fieldchecks.h"
#include "analysis/modelfields.h"

namespace simulation {

SettingsReading readSimulationSettings(const SimulationFields& fields,
                                       const SimulationSettings& choices, std::int32_t pairs) {
    analysis::FieldChecks checks;
    SimulationSettings settings = choices;
    SimulationModel& model = settings.model;
    model.n1 = analysis::seriesLength(checks, "Phase-A N-Size", fields.n1);
    model.intercept1 = checks.number("Phase-A Intercept", fields.intercept1);
    model.slope1 = checks.number("Phase-A Slope", fields.slope1);
    model.autocorr1 = checks.number("Phase-A Autocorr", fields.autocorr1);
    model.lag1 = analysis::autoregressionLag(checks, "Phase-A Lag", fields.lag1);
    model.n2 = analysis::seriesLength(checks, "Phase-B N-Size", fields.n2);
    model.intercept2 = checks.number("Phase-B Intercept", fields.intercept2);
    model.slope2 = checks.number("Phase-B Slope", fields.slope2);
    model.autocorr2 = checks.number("Phase-B Autocorr", fields.autocorr2);
    model.lag2 = analysis::autoregressionLag(checks, "Phase-B Lag", fields.lag2);
    model.errorMean = checks.number("Error Mean", fields.errorMean);
    model.errorSd = analysis::errorSpread(checks, "Error StDev", fields.errorSd);
    settings.simulations = checks.count("Number of simulations", fields.simulations, "simulations");
    if (checks.passed()) {
        // Both sizes are whole numbers below 2^31 here; their sum is formed without overflow.
        const std::int64_t length = std::int64_t{model.n1} + model.n2;
        checks.require(length == pairs, analysis::simulatedLengthNotice(length, pairs));
    }
    if (!checks.passed()) {
        return {settings, checks.notice()};
    }
    return {settings, std::nullopt};
}

} // namespace simulation
