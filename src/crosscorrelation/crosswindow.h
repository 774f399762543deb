#pragma once

#include "analysis/analysisdialog.h"
#include "crosscorrelation/crosssettings.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

// "Simulation Model Cross Lags": the model of two independent simulated series, the number of
// simulations and lags, alpha, Bonferroni and Spearman. Opening loads the complete pairs and
// shows their number and each series' lag autocorrelation estimate; a Lag field's change
// estimates again. Each opening is a new dialog with the default texts.
class crosswindow : public AnalysisDialog {
    Q_OBJECT
  public:
    // Builds the dialog on the current data and shows it modally, unless the complete pairs
    // hold a cell that is not a number, which is refused with a notice and never shown.
    static void showModal();

    crosswindow();

    // A field of the dialog by its control name ("EditField7").
    QLineEdit* field(const char* name) const;
    QCheckBox* CheckBox1() const { return checkBox1_; }
    QCheckBox* CheckBox2() const { return checkBox2_; }
    QPushButton* PushButton1() const { return pushButton1_; }
    QPushButton* PushButton2() const { return pushButton2_; }

    void PushButton1_Action();
    void PushButton2_Action();
    void EditField9_TextChange();
    void EditField17_TextChange();

  private:
    void CreateControls();
    void Event_Open();
    // A Lag field changed: beeps at a lag that is not acceptable, else estimates again.
    void lagChanged(const QLineEdit& lagField);
    // Each series' estimate, where its own Lag field holds an acceptable lag.
    void showEstimates(bool onlyAcceptable);
    Module1::CrossFields readFields() const;

    QCheckBox* checkBox1_ = nullptr;
    QCheckBox* checkBox2_ = nullptr;
    QPushButton* pushButton1_ = nullptr;
    QPushButton* pushButton2_ = nullptr;
};
