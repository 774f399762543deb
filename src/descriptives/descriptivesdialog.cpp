#include "descriptives/descriptivesdialog.h"

#include "analysis/dialogcontrols.h"
#include "analysis/fieldchecks.h"
#include "analysis/numerickeys.h"
#include "descriptives/descriptives.h"
#include "framework/layoutfont.h"
#include "framework/windowplacement.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct BoxLayout {
    const char* name;
    const char* caption;
    bool on;
    QRect geometry;
};

// In the order the boxes are numbered.
const std::array<BoxLayout, 10> boxLayouts{{
    {"CheckBox1", "N-Sizes", true, {20, 6, 97, 20}},
    {"CheckBox2", "Means", true, {20, 40, 134, 20}},
    {"CheckBox3", "Std Dev's", true, {20, 74, 108, 20}},
    {"CheckBox4", "Slopes", true, {20, 108, 108, 19}},
    {"CheckBox5", "Intercepts", true, {20, 142, 108, 20}},
    {"CheckBox6", "Show 90% CI", false, {140, 107, 138, 20}},
    {"CheckBox7", "Show 95% CI", true, {140, 128, 138, 20}},
    {"CheckBox8", "Show 97.5% CI", false, {140, 149, 138, 20}},
    {"CheckBox9", "Show 99% CI", false, {140, 171, 138, 20}},
    {"CheckBox10", "Medians", true, {20, 177, 70, 20}},
}};

QPushButton* button(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(name);
    pushButton->setGeometry(geometry);
    // Neither button is the default: Return and Escape press neither.
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

descripts::descripts() {
    setWindowTitle("Descriptives");
    setFont(framework::layoutFont("Times", 12));
    setMinimumSize(64, 64);
    resize(380, 213);

    // The frame goes in first so that it lies beneath the interval boxes it holds.
    groupBox1_ = new QGroupBox("Bootstrapped Mean Confidence Intervals", this);
    groupBox1_->setObjectName("GroupBox1");
    groupBox1_->setGeometry(130, 84, 231, 113);
    for (std::size_t i = 0; i < boxLayouts.size(); ++i) {
        const BoxLayout& layout = boxLayouts[i];
        checkBoxes_[i] = new QCheckBox(layout.caption, this);
        checkBoxes_[i]->setObjectName(layout.name);
        checkBoxes_[i]->setChecked(layout.on);
        checkBoxes_[i]->setGeometry(layout.geometry);
    }
    pushButton1_ = button(this, "PushButton1", "OK", {292, 12, 69, 20});
    pushButton2_ = button(this, "PushButton2", "Cancel", {292, 42, 69, 20});
    editField1_ = new QLineEdit("5000", this);
    editField1_->setObjectName("EditField1");
    editField1_->setGeometry(160, 35, 66, 18);
    analysis::filterKeys(*editField1_, analysis::NumericKeys::Digits);
    staticText1_ = new QLabel("Number of Iterations:", this);
    staticText1_->setObjectName("StaticText1");
    staticText1_->setGeometry(112, 15, 121, 20);
    staticText1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    connect(pushButton1_, &QPushButton::clicked, this, &descripts::PushButton1_Action);
    connect(pushButton2_, &QPushButton::clicked, this, &descripts::PushButton2_Action);

    framework::centreOnScreen(*this);
}

void descripts::PushButton1_Action() {
    Module1::DescriptivesSettings settings;
    settings.nSizes = CheckBox1()->isChecked();
    settings.means = CheckBox2()->isChecked();
    settings.stdDevs = CheckBox3()->isChecked();
    settings.slopes = CheckBox4()->isChecked();
    settings.intercepts = CheckBox5()->isChecked();
    settings.medians = CheckBox10()->isChecked();
    settings.intervals = {CheckBox6()->isChecked(), CheckBox7()->isChecked(),
                          CheckBox8()->isChecked(), CheckBox9()->isChecked()};
    settings.iterations = 0;
    if (settings.anyInterval()) {
        analysis::FieldChecks checks;
        settings.iterations =
            checks.count("Number of Iterations", analysis::textOf(editField1_), "iterations");
        if (!checks.passed()) {
            refuse(checks.notice());
            return;
        }
    }
    runAnalysis([settings](Module1::Progress& progress, Module1::Output& output) {
        Module1::descriptives(settings, progress, output);
    });
}

void descripts::PushButton2_Action() {
    reject();
}
