#pragma once

#include "analysis/draws.h"
#include "simulation/simulationmodel.h"

#include <cstddef>
#include <span>

namespace simulation {

// One simulated series of the model into target (0-based: target[i - 1] is point i), with
// errors and shocks as working room of the same length. Both draws of every point are made in
// the order errors(1), shocks(1), errors(2), ...; past the first lag points of its phase, a
// point's error becomes autocorr * (the error lag points earlier, within the phase) + its shock;
// and the phase's line at the absolute time index is added. A partner lies earlier in the same
// phase and is final by then, so each point is finished as soon as it is drawn, and the
// recursion's chain runs alongside the next draws. There is no burn-in and no rescaling: the
// first lag errors of a phase are plain draws, and the shocks have the error mean too.
template <typename Stream>
void simulateSeries(Stream& stream, const SimulationModel& model, std::span<double> errors,
                    std::span<double> shocks, std::span<double> target) {
    const auto length = static_cast<std::size_t>(model.length());
    const auto n1 = static_cast<std::size_t>(model.n1);
    const auto lag1 = static_cast<std::size_t>(model.lag1);
    const auto lag2 = static_cast<std::size_t>(model.lag2);
    for (std::size_t i = 0; i < length; ++i) {
        errors[i] = analysis::normalDeviate(stream, model.errorMean, model.errorSd);
        shocks[i] = analysis::normalDeviate(stream, model.errorMean, model.errorSd);
        // A lag of 0 feeds the point's own first draw back.
        if (i < n1) {
            if (i >= lag1) {
                errors[i] = model.autocorr1 * errors[i - lag1] + shocks[i];
            }
            target[i] = (model.intercept1 + model.slope1 * static_cast<double>(i + 1)) + errors[i];
        } else {
            if (i >= n1 + lag2) {
                errors[i] = model.autocorr2 * errors[i - lag2] + shocks[i];
            }
            target[i] = (model.intercept2 + model.slope2 * static_cast<double>(i + 1)) + errors[i];
        }
    }
}

} // namespace simulation
