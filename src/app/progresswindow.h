#pragma once

#include "analysis/progress.h"

#include <QWidget>

class QLabel;

// The "Progress" window: a small floating window that says what runs and how many iterations
// are done, and that holding Control cancels. It has no code of its own; analyses drive it
// through progressOnScreen().
class prog : public QWidget {
    Q_OBJECT
  public:
    // The open window, or a new one with the layout texts, shown.
    static prog& instance();
    static prog* openWindow();

    QLabel* main() const { return main_; }
    QLabel* sublabel() const { return sublabel_; }
    QLabel* prognum() const { return prognum_; }
    QLabel* proggoal() const { return proggoal_; }
    QLabel* StaticText1() const { return staticText1_; }

  private:
    prog();

    QLabel* main_;
    QLabel* sublabel_;
    QLabel* prognum_;
    QLabel* proggoal_;
    QLabel* staticText1_;
};

// The progress protocol on the screen.
Module1::Progress& progressOnScreen();
