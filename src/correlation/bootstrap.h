#pragma once

#include "analysis/output.h"
#include "analysis/progress.h"

#include <cstdint>

// The bootstrapped Pearson r and Spearman rho analyses: the observed statistic of the complete
// pairs, then resamples of the x values with replacement against the fixed y values.
namespace Module1 {

// What the dialog's fields said when OK was pressed.
struct BootstrapSettings {
    std::int32_t iterations = 1000;
};

// Each appends one report block to output unless the data are lacking (a notice), the count is
// too large (a notice) or the user cancels; the progress window is closed when it returns.
void runpearson(const BootstrapSettings& settings, Progress& progress, Output& output);
void spearmanrho(const BootstrapSettings& settings, Progress& progress, Output& output);

} // namespace Module1
