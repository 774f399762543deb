#pragma once

#include "analysis/output.h"
#include "analysis/progress.h"
#include "crosscorrelation/crosssettings.h"

// The Cross Correlations analysis: the observed correlation of Var1 and Var2 at every lag
// -k..+k, each judged one-tailed against the same correlation of simulated pairs of
// independent series.
namespace Module1 {

// True when a simulated correlation counts against the observed one: not below a
// non-negative observed value, not above a negative one. A simulated value that is not a
// number counts (it can only make p larger).
bool atLeastAsExtreme(double simulated, double observed);

// Runs on the complete pairs v1, v2 (1..n) that loadvectors left, with settings that
// readCrossSettings passed for them. Appends one report unless Control cancels; leaves the
// last simulation's correlations in rr(1..2k+1).
void crosscorr(const CrossSettings& settings, Progress& progress, Output& output);

} // namespace Module1
