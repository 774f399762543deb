#pragma once

#include "correlation/bootstrap.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The small modal dialog of a bootstrap analysis: a number of iterations, OK and Cancel. OK
// reads the field once, disables the controls, runs the analysis while the dialog stays open,
// and closes the dialog when the analysis ends in any way.
class IterationsDialog : public QDialog {
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
    // True to swallow the typed key: everything but digits, backspace, delete and the arrows.
    static bool EditField1_KeyDown(int key, const QString& text);

  protected:
    IterationsDialog(const Layout& layout, Analysis analysis);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    Analysis analysis_;
    QPushButton* pushButton1_;
    QPushButton* pushButton2_;
    QLineEdit* editField1_;
    QLabel* staticText1_;
    bool running_ = false;
};
