#include "simulation/simtest.h"

#include "analysis/alert.h"
#include "analysis/dialogcontrols.h"
#include "analysis/fieldchecks.h"
#include "analysis/modelfields.h"
#include "analysis/numerickeys.h"
#include "analysis/procedures.h"
#include "data/cellnumbers.h"
#include "data/module1.h"
#include "framework/conversions.h"
#include "framework/layoutfont.h"
#include "framework/windowplacement.h"
#include "simulation/simulationsettings.h"
#include "simulation/simulationtest.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

#include <optional>
#include <string>

namespace {

const char* const noPhaseB = "You must enter phase data or click on the figure to indicate which "
                             "section(s) of the data you want to analyze.";
const char* const lagTooLong = "Lags cannot be equal to or greater than the N-size";
const char* const lagNotWhole = "Lags must be whole numbers of 0 or more";

using analysis::place;
using analysis::textOf;

bool isLag(double value) {
    return analysis::isWholeNumber(value) && value >= 0.0;
}

} // namespace

void simtest::showModal() {
    showUnlessRefused<simtest>();
}

simtest::simtest() {
    setWindowTitle("Simulation Model");
    setFont(framework::layoutFont("Times", 12));
    setFixedSize(543, 451);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    createControls();
    framework::centreOnScreen(*this);
    Event_Open();
    // Only a dialog that opens estimates: the refusal's notice runs an event loop of its own,
    // in which the timer would fire on a dialog that is never shown.
    if (opened()) {
        timer1_->start();
    }
}

QLineEdit* simtest::EditField(int number) const {
    return editFields_[number];
}

QCheckBox* simtest::CheckBox(int number) const {
    return checkBoxes_[number];
}

QRadioButton* simtest::RadioButton(int number) const {
    return radioButtons_[number];
}

void simtest::createControls() {
    auto group = [this](const char* name, const QString& title, QRect at, bool italic) {
        auto* box =
            place(new QGroupBox(title, this), name, at.x(), at.y(), at.width(), at.height());
        QFont font = framework::layoutFont("Times", 12, true);
        font.setItalic(italic);
        box->setFont(font);
        box->lower();
    };
    // The frames lie beneath the controls they enclose, the outer one beneath the inner ones.
    group("GroupBox3", "Phase-A", {22, 94, 135, 141}, false);
    group("GroupBox4", "Phase-B", {189, 94, 135, 140}, false);
    group("GroupBox1", "Errors", {374, 94, 146, 75}, false);
    group("GroupBox5", "Simulation Model Characteristics", {10, 70, 522, 185}, true);
    group("GroupBox2", "Statistic", {12, 267, 145, 81}, true);
    group("GroupBox6", "Select tests and output options here", {13, 360, 522, 74}, true);

    auto label = [this](const char* name, const QString& text, int left, int top, int width,
                        int height = 20) {
        auto* caption = place(new QLabel(text, this), name, left, top, width, height);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return caption;
    };
    auto field = [this](int number, const QString& text, int left, int top, int width,
                        analysis::NumericKeys keys) {
        auto* edit = place(new QLineEdit(text, this), QString("EditField%1").arg(number), left, top,
                           width, 18);
        analysis::filterKeys(*edit, keys);
        editFields_[number] = edit;
        return edit;
    };
    using analysis::NumericKeys;
    const NumericKeys digits = NumericKeys::Digits;
    const NumericKeys decimal = NumericKeys::SignedDecimal;

    label("StaticText9", "N-Size", 27, 113, 64);
    field(7, "0", 94, 114, 50, digits);
    label("StaticText7", "Intercept:", 27, 136, 64);
    field(5, "0", 94, 137, 50, decimal);
    label("StaticText8", "Slope:", 27, 159, 64);
    field(6, "0", 94, 160, 50, decimal);
    label("StaticText10", "Autocorr:", 27, 182, 64);
    field(8, "0", 94, 183, 50, decimal);
    label("StaticText11", "Lag:", 27, 206, 64);
    field(9, "1", 94, 207, 50, digits);

    label("StaticText14", "N-Size", 194, 113, 64);
    field(12, "0", 261, 114, 50, digits);
    label("StaticText12", "Intercept:", 194, 136, 64);
    field(10, "0", 261, 137, 50, decimal);
    label("StaticText13", "Slope:", 194, 157, 64);
    field(11, "0", 261, 158, 50, decimal);
    label("StaticText4", "Autocorr:", 194, 179, 64);
    field(4, "0", 261, 180, 50, decimal);
    label("StaticText5", "Lag:", 194, 200, 64);
    field(13, "1", 261, 201, 50, digits);

    label("StaticText1", "Mean:", 390, 111, 64);
    field(1, "0", 457, 112, 40, decimal);
    label("StaticText2", "StDev:", 390, 139, 64);
    field(2, "1", 457, 140, 40, decimal);
    QFont italic = font();
    italic.setItalic(true);
    label("StaticText3", "Overall AR Estimate:", 333, 178, 121)->setFont(italic);
    field(3, "0", 459, 179, 50, digits)->setReadOnly(true);
    label("StaticText6", "Lag:", 390, 201, 64);
    field(14, "1", 459, 202, 50, digits);
    checkBoxes_[1] =
        place(new QCheckBox("Use indiv. phase AR estimates", this), "CheckBox1", 349, 228, 172, 20);

    radioButtons_[4] =
        place(new QRadioButton("Partial Correlation", this), "RadioButton4", 17, 281, 124, 20);
    radioButtons_[1] = place(new QRadioButton("Pearson R", this), "RadioButton1", 17, 301, 80, 20);
    radioButtons_[2] =
        place(new QRadioButton("Spearman Rho", this), "RadioButton2", 17, 321, 101, 20);
    radioButtons_[1]->setChecked(true);
    auto* statistic = new QButtonGroup(this);
    for (const int number : {4, 1, 2}) {
        statistic->addButton(radioButtons_[number]);
    }
    checkBoxes_[8] =
        place(new QCheckBox("Test last data point", this), "CheckBox8", 169, 280, 121, 20);
    checkBoxes_[8]->setChecked(true);
    label("StaticText17", "Number of simulations:", 317, 281, 130, 19);
    field(15, "5000", 452, 281, 57, digits);

    checkBoxes_[3] =
        place(new QCheckBox("Test for level change", this), "CheckBox3", 23, 385, 151, 20);
    checkBoxes_[3]->setChecked(true);
    checkBoxes_[6] = place(new QCheckBox("Use PHASE vector", this), "CheckBox6", 180, 385, 135, 20);
    checkBoxes_[2] =
        place(new QCheckBox("Test for slope change", this), "CheckBox2", 23, 407, 151, 20);
    checkBoxes_[2]->setChecked(true);
    checkBoxes_[4] =
        place(new QCheckBox("Show significance table(s)", this), "CheckBox4", 180, 407, 155, 20);
    checkBoxes_[5] =
        place(new QCheckBox("Test all slope vectors", this), "CheckBox5", 340, 407, 156, 20);

    pushButton1_ = place(new QPushButton("OK", this), "PushButton1", 460, 9, 69, 20);
    pushButton2_ = place(new QPushButton("Cancel", this), "PushButton2", 460, 37, 69, 20);
    for (QPushButton* button : {pushButton1_, pushButton2_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    auto* instruction = place(
        new QLabel("Use the controls in this window to build custom simulation models and to "
                   "select the tests you want to run. OR, leave the settings alone to run the "
                   "default model(s) and tests.",
                   this),
        "StaticText15", 17, 9, 340, 49);
    instruction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    instruction->setWordWrap(true);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setSingleShot(true);
    timer1_->setInterval(250);

    // Every control holds its default before a handler is bound, so building raises none.
    connect(editFields_[9], &QLineEdit::textChanged, this,
            [this] { phaseLagChanged(*editFields_[9], *editFields_[7], *editFields_[8], 1); });
    connect(editFields_[13], &QLineEdit::textChanged, this,
            [this] { phaseLagChanged(*editFields_[13], *editFields_[12], *editFields_[4], 2); });
    connect(editFields_[14], &QLineEdit::textChanged, this, &simtest::EditField14_TextChange);
    connect(checkBoxes_[1], &QCheckBox::clicked, this, &simtest::CheckBox1_Action);
    connect(radioButtons_[4], &QRadioButton::clicked, this, &simtest::RadioButton4_Action);
    for (const int number : {3, 2, 6, 5}) {
        QCheckBox* box = checkBoxes_[number];
        connect(box, &QCheckBox::clicked, this, [this, box] { testBoxClicked(*box); });
    }
    connect(pushButton1_, &QPushButton::clicked, this, &simtest::PushButton1_Action);
    connect(pushButton2_, &QPushButton::clicked, this, &simtest::PushButton2_Action);
    connect(timer1_, &QTimer::timeout, this, &simtest::Timer1_Action);
}

void simtest::Event_Open() {
    // The dialog opens on estimates of the series; the labels only count the phases here.
    if (const std::optional<std::string> notice = Module1::seriesNotANumber(Module1::grid())) {
        refuseOpening(*notice);
        return;
    }
    Module1::loadinfo();
    Module1::loadphases();
    editFields_[7]->setText(QString::fromStdString(framework::CStr(Module1::phasen[1])));
    editFields_[12]->setText(QString::fromStdString(framework::CStr(Module1::phasen[2])));
    if (Module1::phasen[2] == 0) {
        refuseOpening(noPhaseB);
    }
}

void simtest::done(int result) {
    timer1_->stop();
    AnalysisDialog::done(result);
}

void simtest::PushButton1_Action() {
    simulation::SimulationFields fields;
    fields.n1 = textOf(editFields_[7]);
    fields.intercept1 = textOf(editFields_[5]);
    fields.slope1 = textOf(editFields_[6]);
    fields.autocorr1 = textOf(editFields_[8]);
    fields.lag1 = textOf(editFields_[9]);
    fields.n2 = textOf(editFields_[12]);
    fields.intercept2 = textOf(editFields_[10]);
    fields.slope2 = textOf(editFields_[11]);
    fields.autocorr2 = textOf(editFields_[4]);
    fields.lag2 = textOf(editFields_[13]);
    fields.errorMean = textOf(editFields_[1]);
    fields.errorSd = textOf(editFields_[2]);
    fields.simulations = textOf(editFields_[15]);
    simulation::SimulationSettings choices;
    choices.statistic = radioButtons_[2]->isChecked()   ? simulation::Statistic::Spearman
                        : radioButtons_[4]->isChecked() ? simulation::Statistic::Partial
                                                        : simulation::Statistic::Pearson;
    choices.usePhase = checkBoxes_[6]->isChecked();
    choices.levelChange = checkBoxes_[3]->isChecked();
    choices.slopeChange = checkBoxes_[2]->isChecked();
    choices.allSlopes = checkBoxes_[5]->isChecked();
    choices.tables = checkBoxes_[4]->isChecked();
    choices.lastPoint = checkBoxes_[8]->isChecked();
    const simulation::SettingsReading reading = simulation::readSimulationSettings(
        fields, choices, analysis::completePairs(Module1::grid()));
    if (reading.refusal) {
        refuse(*reading.refusal);
        return;
    }
    runAnalysis(
        [settings = reading.settings](Module1::Progress& progress, Module1::Output& output) {
            simulation::runSimulationTest(settings, progress, output);
        });
}

void simtest::PushButton2_Action() {
    reject();
}

namespace {

using analysis::isBlank;

// The lag a field holds as a whole, when it is one.
std::optional<double> lagHeld(const QLineEdit& field) {
    const std::optional<double> lag = framework::wholeTextNumber(textOf(&field));
    return lag && isLag(*lag) ? lag : std::nullopt;
}

std::int32_t lagIn(const QLineEdit& field) {
    return framework::toInt32(framework::CDbl(textOf(&field)));
}

QString estimate(std::int32_t series, std::int32_t lag) {
    return QString::fromStdString(analysis::estimateText(Module1::quickautocorr(series, lag)));
}

// The estimate of the series at the lag field's lag, unless that field is empty.
void showEstimate(QLineEdit& field, std::int32_t series, const QLineEdit& lagField) {
    if (!isBlank(lagField)) {
        field.setText(estimate(series, lagIn(lagField)));
    }
}

// Puts "1" back into a refused lag field without raising its change again.
void resetLag(QLineEdit& field) {
    const QSignalBlocker quiet(field);
    field.setText("1");
}

} // namespace

void simtest::Timer1_Action() {
    const QString wholeSeries = estimate(0, 1);
    for (const int number : {3, 8, 4}) {
        editFields_[number]->setText(wholeSeries);
    }
}

void simtest::phaseLagChanged(QLineEdit& lagField, const QLineEdit& sizeField, QLineEdit& arField,
                              int phase) {
    if (isBlank(lagField)) {
        return;
    }
    const double longest = framework::CDbl(textOf(&sizeField)) - 1.0;
    const std::optional<double> lag = lagHeld(lagField);
    if (!lag) {
        Module1::notify(lagNotWhole);
        resetLag(lagField);
    } else if (longest < *lag) {
        Module1::notify(lagTooLong);
        resetLag(lagField);
    }
    showEstimate(arField, checkBoxes_[1]->isChecked() ? phase : 0, lagField);
}

void simtest::EditField14_TextChange() {
    if (!isBlank(*editFields_[14]) && !lagHeld(*editFields_[14])) {
        Module1::notify(lagNotWhole);
        resetLag(*editFields_[14]);
    }
    showEstimate(*editFields_[3], 0, *editFields_[14]);
}

void simtest::CheckBox1_Action() {
    const bool byPhase = checkBoxes_[1]->isChecked();
    showEstimate(*editFields_[3], 0, *editFields_[14]);
    showEstimate(*editFields_[8], byPhase ? 1 : 0, *editFields_[9]);
    showEstimate(*editFields_[4], byPhase ? 2 : 0, *editFields_[13]);
}

void simtest::RadioButton4_Action() {
    if (radioButtons_[4]->isChecked()) {
        checkBoxes_[6]->setChecked(false);
        checkBoxes_[5]->setChecked(false);
        checkBoxes_[3]->setChecked(true);
        checkBoxes_[2]->setChecked(false);
    }
}

void simtest::testBoxClicked(QCheckBox& box) {
    if (!radioButtons_[4]->isChecked()) {
        return;
    }
    if (&box == checkBoxes_[5]) {
        box.setChecked(false);
    } else if (box.isChecked() && &box == checkBoxes_[6]) {
        checkBoxes_[3]->setChecked(false);
        checkBoxes_[5]->setChecked(false);
    } else if (box.isChecked()) {
        checkBoxes_[6]->setChecked(false);
        checkBoxes_[5]->setChecked(false);
    }
}
