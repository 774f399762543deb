#pragma once

#include "analysis/output.h"

#include <span>

namespace autocorrelation {

// Replaces every value by its residual from the least-squares line on the positions 1..N. A
// single value has no line and becomes not a number.
void replaceByTrendResiduals(std::span<double> series);

} // namespace autocorrelation

namespace Module1 {

// Reloads the data, replaces the whole series and every phase's series in v by their trend
// residuals (positions restart at 1 in every series) and appends the listing of the residuals.
void fitOLSmodel(Output& output);

} // namespace Module1
