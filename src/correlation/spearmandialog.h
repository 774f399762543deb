#pragma once

#include "correlation/iterationsdialog.h"

// "Bootstrapped Rho": runs Module1::spearmanrho. Each opening is a new dialog, so the field
// starts at "1000" every time.
class spearman : public IterationsDialog {
    Q_OBJECT
  public:
    spearman();
};
