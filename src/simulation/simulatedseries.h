#pragma once

#include "analysis/draws.h"
#include "simulation/simulationmodel.h"

#include <cstddef>
#include <span>

namespace simulation {

// One simulated series of the model into target (0-based: target[i - 1] is point i), with
// errors and shocks as working room of the same length. Both draws of every point come first,
// errors(1), shocks(1), errors(2), ...; then each phase's errors past its first lag points
// become autocorr * (the error lag points earlier, within the phase) + the point's shock; then
// each phase's line at the absolute time index is added. There is no burn-in and no rescaling:
// the first lag errors of a phase are plain draws, and the shocks have the error mean too.
template <typename Stream>
void simulateSeries(Stream& stream, const SimulationModel& model, std::span<double> errors,
                    std::span<double> shocks, std::span<double> target) {
    const auto length = static_cast<std::size_t>(model.length());
    for (std::size_t i = 0; i < length; ++i) {
        errors[i] = analysis::normalDeviate(stream, model.errorMean, model.errorSd);
        shocks[i] = analysis::normalDeviate(stream, model.errorMean, model.errorSd);
    }
    const auto n1 = static_cast<std::size_t>(model.n1);
    const auto lag1 = static_cast<std::size_t>(model.lag1);
    for (std::size_t i = lag1; i < n1; ++i) {
        errors[i] = model.autocorr1 * errors[i - lag1] + shocks[i];
    }
    const auto lag2 = static_cast<std::size_t>(model.lag2);
    for (std::size_t i = n1 + lag2; i < length; ++i) {
        errors[i] = model.autocorr2 * errors[i - lag2] + shocks[i];
    }
    for (std::size_t i = 0; i < n1; ++i) {
        target[i] = (model.intercept1 + model.slope1 * static_cast<double>(i + 1)) + errors[i];
    }
    for (std::size_t i = n1; i < length; ++i) {
        target[i] = (model.intercept2 + model.slope2 * static_cast<double>(i + 1)) + errors[i];
    }
}

} // namespace simulation
