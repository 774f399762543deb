#pragma once

#include "correlation/bootstrap.h"

#include "analysis/analysisdialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The small modal dialog of a bootstrap analysis: a number of iterations, OK and Cancel.
class IterationsDialog : public AnalysisDialog {
    Q_OBJECT
  public:
    using Analysis = void (*)(const Module1::BootstrapSettings&, Module1::Progress&,
                              Module1::Output&);

    // Where the controls sit; the windows of the two analyses differ in that alone.
    struct Layout {
        QString title;
        QSize size;
        QRect okButton;
        QRect cancelButton;
        QRect field;
        QRect caption;
    };

    QPushButton* PushButton1() const { return pushButton1_; }
    QPushButton* PushButton2() const { return pushButton2_; }
    QLineEdit* EditField1() const { return editField1_; }
    QLabel* StaticText1() const { return staticText1_; }

    void PushButton1_Action();
    void PushButton2_Action();

  protected:
    IterationsDialog(const Layout& layout, Analysis analysis);

  private:
    Analysis analysis_;
    QPushButton* pushButton1_;
    QPushButton* pushButton2_;
    QLineEdit* editField1_;
    QLabel* staticText1_;
};
