#pragma once

#include "app/outputwindow.h"
#include "data/module1.h"

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
