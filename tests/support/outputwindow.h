#pragma once

#include "analysis/reportwindows.h"
#include "app/outputwindow.h"
#include "app/progresswindow.h"
#include "data/module1.h"
#include "support/gridcells.h"

#include <QPlainTextEdit>
#include <QString>

// Closes the output window as if its text were saved, so that the next report opens a new one
// that holds that report alone.
inline void closeOutput() {
    Module1::outputsaved = true;
    delete stats::openWindow();
}

// The text of the open output window; empty when none is open.
inline QString outputText() {
    stats* output = stats::openWindow();
    return output == nullptr ? QString() : output->out()->toPlainText();
}

// Where a window test of an analysis starts: the report windows on screen as the program installs
// them, "\n" line ends, an empty grid and no output window.
inline void startOnScreen() {
    analysis::installReportWindows(&progressOnScreen(), &outputOnScreen());
    Module1::cps.assign(1, '\n');
    clearGrid();
    closeOutput();
}
