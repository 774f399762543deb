#include "crosscorrelation/crosswindow.h"

#include "analysis/dialogcontrols.h"
#include "analysis/numerickeys.h"
#include "crosscorrelation/crosscorr.h"
#include "crosscorrelation/crosslagdata.h"
#include "data/cellnumbers.h"
#include "data/module1.h"
#include "framework/conversions.h"
#include "framework/layoutfont.h"
#include "framework/runtime.h"
#include "framework/windowplacement.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>
#include <string>

namespace {

struct Label {
    const char* name;
    const char* caption;
    QRect where;
};

struct Field {
    const char* name;
    const char* text;
    QRect where;
    std::optional<analysis::NumericKeys> keys;
};

struct Group {
    const char* name;
    const char* caption;
    QRect where;
};

constexpr auto digits = analysis::NumericKeys::Digits;
constexpr auto signedDecimal = analysis::NumericKeys::SignedDecimal;

const Label labels[] = {
    {"StaticText9", "N-Size", {25, 35, 64, 20}},
    {"StaticText7", "Intercept:", {25, 58, 64, 20}},
    {"StaticText8", "Slope:", {25, 81, 64, 20}},
    {"StaticText10", "Autocorr:", {40, 126, 64, 20}},
    {"StaticText11", "Lag:", {40, 150, 64, 20}},
    {"StaticText1", "Mean:", {40, 176, 64, 20}},
    {"StaticText2", "StDev:", {40, 200, 64, 20}},
    {"StaticText14", "N-Size", {208, 38, 64, 20}},
    {"StaticText12", "Intercept:", {208, 61, 64, 20}},
    {"StaticText13", "Slope:", {208, 84, 64, 20}},
    {"StaticText15", "Autocorr:", {225, 126, 64, 20}},
    {"StaticText16", "Lag:", {225, 150, 64, 20}},
    {"StaticText5", "Mean:", {225, 176, 64, 20}},
    {"StaticText6", "StDev:", {225, 200, 64, 20}},
    {"StaticText17", "Number of simulations:", {192, 260, 130, 19}},
    {"StaticText4", "Number of Lags:", {34, 281, 130, 19}},
    {"StaticText3", "Nominal Alpha:", {192, 281, 130, 19}},
};

const Field fields[] = {
    {"EditField7", "0", {92, 36, 40, 18}, digits},
    {"EditField5", "0", {92, 59, 40, 18}, signedDecimal},
    {"EditField6", "0", {92, 82, 40, 18}, signedDecimal},
    {"EditField8", "0", {107, 127, 40, 18}, signedDecimal},
    {"EditField9", "1", {107, 151, 40, 18}, digits},
    {"EditField1", "0", {107, 177, 40, 18}, signedDecimal},
    {"EditField2", "1", {107, 201, 40, 18}, signedDecimal},
    {"EditField12", "0", {275, 39, 40, 18}, digits},
    {"EditField10", "0", {275, 62, 40, 18}, signedDecimal},
    {"EditField11", "0", {275, 85, 40, 18}, signedDecimal},
    {"EditField16", "0", {292, 127, 40, 18}, std::nullopt},
    {"EditField17", "1", {292, 151, 40, 18}, std::nullopt},
    {"EditField13", "0", {292, 177, 40, 18}, std::nullopt},
    {"EditField14", "1", {292, 201, 40, 18}, std::nullopt},
    {"EditField15", "1000", {324, 260, 50, 18}, digits},
    {"EditField4", "5", {166, 281, 25, 18}, std::nullopt},
    {"EditField3", ".05", {324, 281, 50, 18}, std::nullopt},
};

const Group groups[] = {
    {"GroupBox3", "DV1", {20, 14, 171, 234}},
    {"GroupBox1", "Errors", {35, 108, 129, 122}},
    {"GroupBox4", "DV2", {203, 14, 171, 234}},
    {"GroupBox2", "Errors", {220, 108, 129, 122}},
};

} // namespace

using analysis::textOf;

void crosswindow::showModal() {
    showUnlessRefused<crosswindow>();
}

crosswindow::crosswindow() {
    setWindowTitle("Simulation Model Cross Lags");
    setFont(framework::layoutFont("Times", 12));
    resize(467, 339);
    setMinimumSize(64, 64);
    CreateControls();
    framework::centreOnScreen(*this);
    Event_Open();
}

void crosswindow::CreateControls() {
    const QFont bold = framework::layoutFont("Times", 12, true);
    // The group boxes lie under the fields they frame, so that those take the clicks.
    for (const Group& g : groups) {
        auto* box = new QGroupBox(g.caption, this);
        box->setObjectName(g.name);
        box->setGeometry(g.where);
        box->setFont(bold);
        box->lower();
    }
    for (const Label& l : labels) {
        auto* label = new QLabel(l.caption, this);
        label->setObjectName(l.name);
        label->setGeometry(l.where);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (const Field& f : fields) {
        auto* field = new QLineEdit(f.text, this);
        field->setObjectName(f.name);
        field->setGeometry(f.where);
        if (f.keys) {
            analysis::filterKeys(*field, *f.keys);
        }
    }
    checkBox1_ = new QCheckBox("Bonferroni Correct Significance", this);
    checkBox1_->setObjectName("CheckBox1");
    checkBox1_->setGeometry(20, 259, 178, 20);
    checkBox1_->setChecked(true);
    checkBox2_ = new QCheckBox("Non-Parametric (Spearman Rho)", this);
    checkBox2_->setObjectName("CheckBox2");
    checkBox2_->setGeometry(20, 309, 358, 20);
    checkBox2_->setFont(bold);
    pushButton1_ = new QPushButton("OK", this);
    pushButton1_->setObjectName("PushButton1");
    pushButton1_->setGeometry(391, 9, 69, 20);
    pushButton1_->setAutoDefault(false);
    pushButton2_ = new QPushButton("Cancel", this);
    pushButton2_->setObjectName("PushButton2");
    pushButton2_->setGeometry(391, 38, 69, 20);
    pushButton2_->setAutoDefault(false);

    // Bound once the default texts stand, so that they raise no change.
    connect(field("EditField9"), &QLineEdit::textChanged, this,
            &crosswindow::EditField9_TextChange);
    connect(field("EditField17"), &QLineEdit::textChanged, this,
            &crosswindow::EditField17_TextChange);
    connect(pushButton1_, &QPushButton::clicked, this, &crosswindow::PushButton1_Action);
    connect(pushButton2_, &QPushButton::clicked, this, &crosswindow::PushButton2_Action);
}

QLineEdit* crosswindow::field(const char* name) const {
    return findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly);
}

void crosswindow::Event_Open() {
    // The estimates shown, and the run, are made of the pairs.
    if (const std::optional<std::string> notice = Module1::pairsNotANumber(Module1::grid())) {
        refuseOpening(*notice);
        return;
    }
    Module1::loadinfo();
    Module1::loadphases();
    Module1::loadcrosspairs();
    showEstimates(false);
    field("EditField7")->setText(QString::fromStdString(framework::CStr(Module1::n)));
    field("EditField12")->setText(QString::fromStdString(framework::CStr(Module1::n)));
}

void crosswindow::showEstimates(bool onlyAcceptable) {
    const std::pair<const char*, const char*> series[] = {{"EditField9", "EditField8"},
                                                          {"EditField17", "EditField16"}};
    for (std::int32_t s = 0; s < 2; ++s) {
        const std::string lag = textOf(field(series[s].first));
        if (!onlyAcceptable || Module1::acceptablelag(lag, Module1::n)) {
            QLineEdit* estimate = field(series[s].second);
            estimate->setText(QString::fromStdString(Module1::estimatetext(s, lag)));
        }
    }
}

void crosswindow::lagChanged(const QLineEdit& lagField) {
    // A Lag field emptied to be typed again holds no lag yet: nothing to estimate or refuse.
    if (analysis::isBlank(lagField)) {
        return;
    }
    if (!Module1::acceptablelag(textOf(&lagField), Module1::n)) {
        framework::Beep();
        return;
    }
    Module1::loadcrosspairs();
    showEstimates(true);
}

void crosswindow::EditField9_TextChange() {
    lagChanged(*field("EditField9"));
}

void crosswindow::EditField17_TextChange() {
    lagChanged(*field("EditField17"));
}

Module1::CrossFields crosswindow::readFields() const {
    Module1::CrossFields f;
    f.nSize1 = textOf(field("EditField7"));
    f.intercept1 = textOf(field("EditField5"));
    f.slope1 = textOf(field("EditField6"));
    f.autocorr1 = textOf(field("EditField8"));
    f.mean1 = textOf(field("EditField1"));
    f.stdev1 = textOf(field("EditField2"));
    f.intercept2 = textOf(field("EditField10"));
    f.slope2 = textOf(field("EditField11"));
    f.autocorr2 = textOf(field("EditField16"));
    f.mean2 = textOf(field("EditField13"));
    f.stdev2 = textOf(field("EditField14"));
    f.simulations = textOf(field("EditField15"));
    f.lags = textOf(field("EditField4"));
    f.alpha = textOf(field("EditField3"));
    f.bonferroni = checkBox1_->isChecked();
    f.spearman = checkBox2_->isChecked();
    return f;
}

void crosswindow::PushButton1_Action() {
    const Module1::CrossFields fieldTexts = readFields();
    Module1::loadvectors();
    const Module1::CrossReading reading = Module1::readCrossSettings(fieldTexts, Module1::n);
    if (reading.notice) {
        refuse(*reading.notice);
        return;
    }
    runAnalysis(
        [settings = reading.settings](Module1::Progress& progress, Module1::Output& output) {
            Module1::crosscorr(settings, progress, output);
        });
}

void crosswindow::PushButton2_Action() {
    reject();
}
