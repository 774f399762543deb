#pragma once

#include "analysis/output.h"
#include "analysis/progress.h"

#include <QDialog>

#include <functional>
#include <string>

// The modal dialog of an analysis. OK reads the controls once into the analysis's settings,
// refuses with a notice and stays open when a field will not do, and otherwise runs the
// analysis with its controls disabled and closes when the run ends in any way. While it runs,
// a second OK, Cancel, Escape and the close box do nothing.
class AnalysisDialog : public QDialog {
    Q_OBJECT
  public:
    using Analysis = std::function<void(Module1::Progress&, Module1::Output&)>;

    // False when the opening refused the data; the dialog is then closed and not to be shown.
    bool opened() const { return opened_; }

  protected:
    explicit AnalysisDialog(QWidget* parent = nullptr);

    // Builds a dialog of the class and shows it modally, unless its opening refused the data.
    template <typename Dialog> static void showUnlessRefused() {
        Dialog dialog;
        if (dialog.opened()) {
            dialog.exec();
        }
    }
    // Refuses the data the dialog opens on: shows the notice and closes the dialog for good.
    void refuseOpening(const std::string& notice);

    // Shows the notice through the alert and keeps the dialog open.
    void refuse(const std::string& notice);
    // Runs the analysis on the installed report windows, then closes the dialog.
    void runAnalysis(const Analysis& analysis);

    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    bool running_ = false;
    bool opened_ = true;
};
