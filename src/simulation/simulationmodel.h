#pragma once

#include <cstdint>

// The model every simulated series follows: two phases on one time axis 1..n1 + n2, each with
// its straight line and its autoregressive errors, and one normal law for every draw.
namespace simulation {

struct SimulationModel {
    std::int32_t n1 = 0;
    std::int32_t n2 = 0;
    double intercept1 = 0.0;
    double intercept2 = 0.0;
    double slope1 = 0.0;
    double slope2 = 0.0;
    double autocorr1 = 0.0;
    double autocorr2 = 0.0;
    std::int32_t lag1 = 1;
    std::int32_t lag2 = 1;
    double errorMean = 0.0;
    double errorSd = 1.0;

    std::int32_t length() const { return n1 + n2; }
};

// Writes the model into the module's twelve model values.
void storeModel(const SimulationModel& model);

} // namespace simulation
