#pragma once

#include "analysis/analysisdialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

// "Simulation Model": the model of the simulated series, the number of simulations, the
// statistic and the tests. It opens on the data's phase sizes and refuses data without a second
// phase; OK checks every field against the data before anything is written, then runs the
// chosen statistic's engine and closes.
class simtest : public AnalysisDialog {
    Q_OBJECT
  public:
    // Builds the dialog on the current data and shows it modally, unless a DV cell holds no
    // number or the data have no phase B, which are refused with a notice and never shown.
    static void showModal();

    simtest();

    QLineEdit* EditField(int number) const;
    QCheckBox* CheckBox(int number) const;
    QRadioButton* RadioButton(int number) const;
    QPushButton* PushButton1() const { return pushButton1_; }
    QPushButton* PushButton2() const { return pushButton2_; }
    QTimer* Timer1() const { return timer1_; }

    void PushButton1_Action();
    void PushButton2_Action();
    void Timer1_Action();

    void done(int result) override;

  private:
    void createControls();
    void Event_Open();

    // A phase lag field changed: refuse a lag the phase cannot hold, then estimate.
    void phaseLagChanged(QLineEdit& lagField, const QLineEdit& sizeField, QLineEdit& arField,
                         int phase);
    void EditField14_TextChange();
    void CheckBox1_Action();
    // The boxes that the partial correlation test cannot use are corrected while it is chosen.
    void RadioButton4_Action();
    void testBoxClicked(QCheckBox& box);

    QLineEdit* editFields_[16] = {};
    QCheckBox* checkBoxes_[9] = {};
    QRadioButton* radioButtons_[5] = {};
    QPushButton* pushButton1_ = nullptr;
    QPushButton* pushButton2_ = nullptr;
    QTimer* timer1_ = nullptr;
};
