#pragma once

#include "analysis/output.h"
#include "analysis/progress.h"

// The progress and output windows that a dialog's run reports to. The shell installs its
// windows at start-up, so the analyses need not know them; tests install their fakes.
namespace analysis {

void installReportWindows(Module1::Progress* progress, Module1::Output* output);

Module1::Progress& progressWindow();
Module1::Output& outputWindow();

} // namespace analysis
