#pragma once

#include "analysis/output.h"
#include "analysis/progress.h"
#include "simulation/simulationsettings.h"

// The simulation modelling test: the observed statistic of the data against each chosen test
// vector, and how often series simulated from the model reach it. Each engine works on the
// complete pairs and design vectors already loaded, whose N must equal the model's length;
// each appends one report block unless the user cancels, and closes its progress window on
// every way out.
namespace Module1 {

// Pearson r, with the phase means and the last-data-point test.
void simtest2(const simulation::SimulationSettings& settings, Progress& progress, Output& output);
// Tie-corrected Spearman rho on average ranks.
void runsimtest(const simulation::SimulationSettings& settings, Progress& progress, Output& output);
// The partial correlation of the DV and the phase given the linear trend. It refuses fewer than
// two pairs with a notice, before its progress window shows.
void runpartialcorr(const simulation::SimulationSettings& settings, Progress& progress,
                    Output& output);

// The partial correlation of x and y given z from the three pairwise correlations of the given
// number of pairs, kept inside [-1, 1]; not a number when x or y is collinear with z to the
// data's precision.
double partialcorr(double rxy, double rxz, double ryz, std::size_t pairs);

} // namespace Module1

namespace simulation {

// What OK does once the settings have passed their checks: refuses a cell that it would read as
// a number and that holds none (a DV cell, or a label where the phase column is a vector),
// stores the model, loads the complete pairs and the design vectors, and runs the chosen
// statistic's engine.
void runSimulationTest(const SimulationSettings& settings, Module1::Progress& progress,
                       Module1::Output& output);

} // namespace simulation
