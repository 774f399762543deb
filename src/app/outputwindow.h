#pragma once

#include "analysis/output.h"

#include <QWidget>

#include <string>

class QPlainTextEdit;
class QPrinter;
class QPushButton;

// The "Statistical Output" window: every report, appended to one editable text, with Print,
// Save, Close and Clear. It has no close box; its Close button is the way to close it.
class stats : public QWidget {
    Q_OBJECT
  public:
    // The open window, or a new, empty one, shown.
    static stats& instance();
    static stats* openWindow();

    QPlainTextEdit* out() const { return out_; }
    QPushButton* PushButton1() const { return pushButton1_; }
    QPushButton* PushButton2() const { return pushButton2_; }
    QPushButton* PushButton3() const { return pushButton3_; }
    QPushButton* PushButton4() const { return pushButton4_; }

    // Adds the block at the very end of the text, whatever the user has selected, with its first
    // line at the top of the view, and brings the window to the front.
    void append(const std::string& block);

    // Prints the text in Courier 12, 540 points wide, 720 points to a page.
    void printTo(QPrinter& printer);
    // Writes the text as UTF-8; returns "" or why it could not be written. The saved flag is
    // set only when every byte is on disk.
    std::string saveTo(const QString& path);

    void PushButton1_Action();
    void PushButton2_Action();
    void PushButton3_Action();
    void PushButton4_Action();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    stats();
    void out_TextChange();
    void closeWindow();
    void comeForward();

    QPlainTextEdit* out_;
    QPushButton* pushButton1_;
    QPushButton* pushButton2_;
    QPushButton* pushButton3_;
    QPushButton* pushButton4_;
    bool closing_ = false;
    bool comingForward_ = false;
};

// The output protocol on the screen: appends to the open window, or to a new one.
Module1::Output& outputOnScreen();
