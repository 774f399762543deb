#include "descriptives/autocorrelationdialog.h"

#include "analysis/numerickeys.h"
#include "descriptives/autocorrelation.h"
#include "framework/layoutfont.h"
#include "framework/windowplacement.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <typename Control>
Control* placed(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(name);
    control->setGeometry(left, top, width, height);
    return control;
}

} // namespace

autocorr::autocorr()
    : editField1_(placed(new QLineEdit("1000", this), "EditField1", 139, 14, 66, 22)),
      staticText1_(
          placed(new QLabel("Number of Bootstraps:", this), "StaticText1", 15, 15, 121, 20)),
      editField2_(placed(new QLineEdit("3", this), "EditField2", 139, 44, 30, 22)),
      staticText2_(placed(new QLabel("Number of Lags:", this), "StaticText2", 15, 44, 121, 20)),
      pushButton1_(placed(new QPushButton("OK", this), "PushButton1", 227, 9, 69, 20)),
      pushButton2_(placed(new QPushButton("Cancel", this), "PushButton2", 227, 34, 69, 20)),
      radioButton3_(
          placed(new QRadioButton("Use raw data", this), "RadioButton3", 25, 89, 153, 20)),
      radioButton4_(placed(new QRadioButton("Use residuals of fitted OLS model", this),
                           "RadioButton4", 25, 115, 201, 20)),
      radioButton1_(placed(new QRadioButton("Remove phase effect (algebraic)", this),
                           "RadioButton1", 25, 141, 180, 20)),
      groupBox1_(placed(new QGroupBox("Options", this), "GroupBox1", 9, 66, 241, 110)) {
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
        editField1_->text().toStdString(), editField2_->text().toStdString(), option, notice);
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
