#pragma once

#include "analysis/analysisdialog.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Descriptives": which lines of the report to print, which bootstrapped intervals of the mean,
// and how many iterations. Each opening is a new dialog with the default choices.
class descripts : public AnalysisDialog {
    Q_OBJECT
  public:
    descripts();

    QCheckBox* CheckBox1() const { return checkBoxes_[0]; }
    QCheckBox* CheckBox2() const { return checkBoxes_[1]; }
    QCheckBox* CheckBox3() const { return checkBoxes_[2]; }
    QCheckBox* CheckBox4() const { return checkBoxes_[3]; }
    QCheckBox* CheckBox5() const { return checkBoxes_[4]; }
    QCheckBox* CheckBox6() const { return checkBoxes_[5]; }
    QCheckBox* CheckBox7() const { return checkBoxes_[6]; }
    QCheckBox* CheckBox8() const { return checkBoxes_[7]; }
    QCheckBox* CheckBox9() const { return checkBoxes_[8]; }
    QCheckBox* CheckBox10() const { return checkBoxes_[9]; }
    QPushButton* PushButton1() const { return pushButton1_; }
    QPushButton* PushButton2() const { return pushButton2_; }
    QLineEdit* EditField1() const { return editField1_; }
    QLabel* StaticText1() const { return staticText1_; }
    QGroupBox* GroupBox1() const { return groupBox1_; }

    void PushButton1_Action();
    void PushButton2_Action();

  private:
    std::array<QCheckBox*, 10> checkBoxes_{};
    QPushButton* pushButton1_ = nullptr;
    QPushButton* pushButton2_ = nullptr;
    QLineEdit* editField1_ = nullptr;
    QLabel* staticText1_ = nullptr;
    QGroupBox* groupBox1_ = nullptr;
};
