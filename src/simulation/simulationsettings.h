#pragma once

#include "simulation/simulationmodel.h"

#include <cstdint>
#include <optional>
#include <string>

namespace simulation {

enum class Statistic { Pearson, Spearman, Partial };

// Everything a run needs from the Simulation Model dialog, read once when OK is pressed.
struct SimulationSettings {
    SimulationModel model;
    std::int32_t simulations = 5000;
    Statistic statistic = Statistic::Pearson;
    bool usePhase = false;   // "Use PHASE vector"
    bool levelChange = true; // "Test for level change"
    bool slopeChange = true; // "Test for slope change"
    bool allSlopes = false;  // "Test all slope vectors"
    bool tables = false;     // "Show significance table(s)"
    bool lastPoint = true;   // "Test last data point"
};

// The texts of the dialog's model fields and of its number of simulations.
struct SimulationFields {
    std::string n1 = "0", intercept1 = "0", slope1 = "0", autocorr1 = "0", lag1 = "1";
    std::string n2 = "0", intercept2 = "0", slope2 = "0", autocorr2 = "0", lag2 = "1";
    std::string errorMean = "0", errorSd = "1";
    std::string simulations = "5000";
};

struct SettingsReading {
    SimulationSettings settings;
    // Why the fields will not do, naming the field and what it needs; empty when they will.
    std::optional<std::string> refusal;
};

// Reads the fields into choices (whose statistic and boxes are kept) and checks them against
// pairs, the data's number of complete pairs: whole N-sizes of at least 1 that add up to
// pairs, whole lags of 0 or more, finite model values, a StDev above 0, at most 1,000,000
// simulations (fewer than 100 run 100).
SettingsReading readSimulationSettings(const SimulationFields& fields,
                                       const SimulationSettings& choices, std::int32_t pairs);

} // namespace simulation
