#pragma once

#include "analysis/alert.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The "Alert" window: a question or notice with its accepting button and "Cancel". A fresh
// window is made for every question, so each shows the texts given for it.
class warning : public QDialog {
    Q_OBJECT
  public:
    warning();

    QLabel* st1() const { return st1_; }
    QPushButton* pb1() const { return pb1_; }
    QPushButton* PushButton2() const { return pushButton2_; }

  private:
    void Event_Open();
    void pb1_Action();
    void PushButton2_Action();

    QLabel* st1_;
    QPushButton* pb1_;
    QPushButton* pushButton2_;
};

// The alert protocol's window for the running program.
Module1::AlertWindow& alertWindow();
