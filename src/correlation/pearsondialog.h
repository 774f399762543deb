#pragma once

#include "correlation/iterationsdialog.h"

// "Bootstrapped Pearson-r": runs Module1::runpearson. Each opening is a new dialog, so the
// field starts at "1000" every time.
class pearson : public IterationsDialog {
    Q_OBJECT
  public:
    pearson();
};
