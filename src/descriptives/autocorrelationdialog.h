#pragma once

#include "analysis/analysisdialog.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Bootstrapped Autocorrelation": the number of bootstraps and lags and which series to take,
// then Module1::autocorrelation. Each opening is a new dialog, so every control starts at its
// default.
class autocorr : public AnalysisDialog {
    Q_OBJECT
  public:
    autocorr();

    QLineEdit* EditField1() const { return editField1_; }
    QLabel* StaticText1() const { return staticText1_; }
    QLineEdit* EditField2() const { return editField2_; }
    QLabel* StaticText2() const { return staticText2_; }
    QPushButton* PushButton1() const { return pushButton1_; }
    QPushButton* PushButton2() const { return pushButton2_; }
    QRadioButton* RadioButton3() const { return radioButton3_; }
    QRadioButton* RadioButton4() const { return radioButton4_; }
    QRadioButton* RadioButton1() const { return radioButton1_; }
    QGroupBox* GroupBox1() const { return groupBox1_; }

    void PushButton1_Action();
    void PushButton2_Action();

  private:
    QLineEdit* editField1_;
    QLabel* staticText1_;
    QLineEdit* editField2_;
    QLabel* staticText2_;
    QPushButton* pushButton1_;
    QPushButton* pushButton2_;
    QRadioButton* radioButton3_;
    QRadioButton* radioButton4_;
    QRadioButton* radioButton1_;
    QGroupBox* groupBox1_;
};
