#include "analysis/analysisdialog.h"

#include "analysis/alert.h"
#include "analysis/reportwindows.h"

#include <QCloseEvent>

AnalysisDialog::AnalysisDialog(QWidget* parent) : QDialog(parent) {}

void AnalysisDialog::refuse(const std::string& notice) {
    Module1::notify(notice);
}

void AnalysisDialog::refuseOpening(const std::string& notice) {
    opened_ = false;
    Module1::notify(notice);
    close();
}

void AnalysisDialog::runAnalysis(const Analysis& analysis) {
    if (running_) {
        return;
    }
    running_ = true;
    for (QWidget* control : findChildren<QWidget*>()) {
        control->setEnabled(false);
    }
    // However the run ends, the dialog must close again: a dialog left running could be
    // neither used nor closed.
    struct EndOfRun {
        AnalysisDialog& dialog;
        ~EndOfRun() {
            dialog.running_ = false;
            dialog.accept();
        }
    } endOfRun{*this};
    analysis(analysis::progressWindow(), analysis::outputWindow());
}

void AnalysisDialog::reject() {
    if (!running_) {
        QDialog::reject();
    }
}

void AnalysisDialog::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
    } else {
        QDialog::closeEvent(event);
    }
}
