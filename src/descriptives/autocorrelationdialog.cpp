#include "descriptives/autocorrelationdialog.h"

#include "analysis/dialogcontrols.h"
#include "analysis/numerickeys.h"
#include "descriptives/autocorrelation.h"
#include "framework/layoutfont.h"
#include "framework/windowplacement.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using analysis::place;

autocorr::autocorr()
    : editField1_(place(new QLineEdit("1000", this), "EditField1", 139, 14, 66, 22)),
      staticText1_(
          place(new QLabel("Number of Bootstraps:", this), "StaticText1", 15, 15, 121, 20)),
      editField2_(place(new QLineEdit("3", this), "EditField2", 139, 44, 30, 22)),
      staticText2_(place(new QLabel("Number of Lags:", this), "StaticText2", 15, 44, 121, 20)),
      pushButton1_(place(new QPushButton("OK", this), "PushButton1", 227, 9, 69, 20)),
      pushButton2_(place(new QPushButton("Cancel", this), "PushButton2", 227, 34, 69, 20)),
      radioButton3_(place(new QRadioButton("Use raw data", this), "RadioButton3", 25, 89, 153, 20)),
      radioButton4_(place(new QRadioButton("Use residuals of fitted OLS model", this),
                          "RadioButton4", 25, 115, 201, 20)),
      radioButton1_(place(new QRadioButton("Remove phase effect (algebraic)", this), "RadioButton1",
                          25, 141, 180, 20)),
      groupBox1_(place(new QGroupBox("Options", this), "GroupBox1", 9, 66, 241, 110)) {
    setWindowTitle("Bootstrapped Autocorrelation");
    setFont(framework::layoutFont("Times", 12));
    setMinimumSize(64, 64);
    resize(306, 181);

    staticText1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    staticText2_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    analysis::filterKeys(*editField1_, analysis::NumericKeys::Digits);
    analysis::filterKeys(*editField2_, analysis::NumericKeys::Digits);
    pushButton1_->setAutoDefault(false);
    pushButton2_->setAutoDefault(false);
    radioButton3_->setChecked(true);
    // The frame is drawn around the options, not over them: they stay the window's children, one
    // group, and take the clicks.
    groupBox1_->lower();

    connect(pushButton1_, &QPushButton::clicked, this, &autocorr::PushButton1_Action);
    connect(pushButton2_, &QPushButton::clicked, this, &autocorr::PushButton2_Action);

    framework::centreOnScreen(*this);
}

void autocorr::PushButton1_Action() {
    const Module1::AutocorrelationData option =
        radioButton4_->isChecked()   ? Module1::AutocorrelationData::OlsResiduals
        : radioButton1_->isChecked() ? Module1::AutocorrelationData::PhaseEffectRemoved
                                     : Module1::AutocorrelationData::Raw;
    std::string notice;
    const Module1::AutocorrelationSettings settings = Module1::readAutocorrelationSettings(
        analysis::textOf(editField1_), analysis::textOf(editField2_), option, notice);
    if (!notice.empty()) {
        refuse(notice);
        return;
    }
    runAnalysis([settings](Module1::Progress& progress, Module1::Output& output) {
        Module1::autocorrelation(settings, progress, output);
    });
}

void autocorr::PushButton2_Action() {
    reject();
}
