#include "analysis/reportwindows.h"
#include "correlation/pearsondialog.h"
#include "correlation/spearmandialog.h"
#include "crosscorrelation/crosswindow.h"
#include "data/module1.h"
#include "descriptives/autocorrelationdialog.h"
#include "descriptives/descriptivesdialog.h"
#include "simulation/simtest.h"
#include "support/editingkeys.h"
#include "support/fakealert.h"
#include "support/fakeprogress.h"
#include "support/gridcells.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QtTest>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// What the six analysis dialogs make of the text in each number field when OK is pressed,
// through the real dialogs: a text that is not a number throughout is refused with the field's
// name, the dialog stays open and nothing is appended; a number runs, or meets the field's own
// range, as it always did.
namespace {

// Ten complete pairs, five in each phase: every dialog opens and runs on them.
void fillTenPairs() {
    fillGrid({{"3", "0"},
              {"4", "0"},
              {"3.5", "0"},
              {"5", "0"},
              {"4", "0"},
              {"6", "1"},
              {"7.5", "1"},
              {"7", "1"},
              {"8", "1"},
              {"8.5", "1"}});
}

using Fields = std::vector<std::pair<const char*, const char*>>;

struct DialogKind {
    std::function<std::unique_ptr<AnalysisDialog>()> make;
    // Field texts that keep each run short and every other field acceptable.
    Fields quick;
};

template <typename Dialog> std::unique_ptr<AnalysisDialog> make() {
    return std::make_unique<Dialog>();
}

const DialogKind pearsonDialog{make<pearson>, {}};
const DialogKind spearmanDialog{make<spearman>, {}};
const DialogKind descriptivesDialog{make<descripts>, {}};
const DialogKind autocorrelationDialog{make<autocorr>, {{"EditField1", "100"}}};
const DialogKind simulationDialog{make<simtest>, {{"EditField15", "100"}}};
const DialogKind crossDialog{make<crosswindow>, {{"EditField15", "100"}, {"EditField4", "2"}}};

// One outcome of OK: a notice, or a run whose report holds the fragment and whose progress
// window counted to the goal (when one is given).
struct Outcome {
    QString notice;
    QString report;
    int goal = 0;
};

Outcome refused(const QString& notice) {
    return {notice, {}, 0};
}
Outcome reports(const QString& fragment, int goal = 0) {
    return {{}, fragment, goal};
}

struct FieldRule {
    const char* dialogName;
    const DialogKind* dialog;
    const char* field;
    // What every text that is not a number gets: "abc", "1.2.3", "5-3", "-", ".".
    QString notRead;
    Outcome empty;
    Outcome seven;    // " 7 "
    Outcome thousand; // "1e3"
    // A count field's notice for "1000001"; empty for the other fields.
    QString beyondCeiling = {};
};

QString needsNumber(const char* caption) {
    return QString("\"%1\" needs a number.").arg(caption);
}
QString needsWhole(const char* caption, int lowest) {
    return QString("\"%1\" needs a whole number of at least %2.").arg(caption).arg(lowest);
}

// A number field whose every number runs; the report echoes it as the fragment makes it.
FieldRule numberField(const char* dialogName, const DialogKind& dialog, const char* field,
                      const char* caption, const std::function<QString(const char*)>& echo) {
    return {dialogName,
            &dialog,
            field,
            needsNumber(caption),
            refused(needsNumber(caption)),
            reports(echo("7")),
            reports(echo("1000"))};
}

// A count field: an empty field and 7 run the count rule's 100, more than 1,000,000 is refused.
FieldRule countField(const char* dialogName, const DialogKind& dialog, const char* field,
                     const char* caption, const char* noun,
                     const std::function<Outcome(int)>& ran) {
    return {dialogName, &dialog,
            field,      needsNumber(caption),
            ran(100),   ran(100),
            ran(1000),  QString("Please enter no more than 1000000 %1.").arg(noun)};
}

QString phaseLine(char phase, const char* line, const char* value) {
    return QString("PHASE-%1 (Simulation Characteristics)\nPhase-%1 N-size = 5\n").arg(phase) +
           QString::fromUtf8(line).arg(value);
}

// The simulation report states each phase's model in this order.
const char* const slopeLine = "Programmed Slope = %1\n";
const char* const interceptLine = "Programmed Slope = 0\nProgrammed Intercept = %1\n";
const char* const autocorrLine =
    "Programmed Slope = 0\nProgrammed Intercept = 0\nProgrammed Autocorr = %1\n";
const char* const lagLine = "Programmed Slope = 0\nProgrammed Intercept = 0\nProgrammed "
                            "Autocorr = 0\nErrors follow the lag-%1 autoreg. model\n";

std::vector<FieldRule> fieldRules() {
    const auto iterations = [](int count) {
        return reports(QString("Number of iterations = %1\n").arg(count));
    };
    const auto simulations = [](int count) {
        return reports(QString("Number of simulations = %1\n").arg(count));
    };
    const auto simulationModels = [](int count) {
        return reports(QString("Number of simulation models = %1\n").arg(count));
    };
    // Three bootstraps of each count: all data and the two phases.
    const auto bootstraps = [](int count) { return reports("Autocorrelations\n", 3 * count); };
    const auto phase = [](char which, const char* line) {
        return [which, line](const char* value) { return phaseLine(which, line, value); };
    };
    const auto errors = [](const char* line) {
        return [line](const char* value) { return QString::fromUtf8(line).arg(value); };
    };
    const auto runs = [](const char*) { return QString("Cross Correlations\n"); };
    const auto lengthNotice = [](int points) {
        return refused(QString("The simulated series would have %1 points, but the data have 10 "
                               "complete pairs. Please make the N-sizes add up to 10.")
                           .arg(points));
    };
    const auto crossLength = [](int points) {
        return refused(QString("The DV1 N-Size is %1 but the data hold 10 complete pairs: the "
                               "simulated series must be as long as the data.")
                           .arg(points));
    };
    const QString crossLags("\"Number of Lags\" needs a whole number of at most 4 for 10 pairs.");
    const QString alphaRange("\"Nominal Alpha\" needs a number above 0 and below 1.");
    const QString autocorrelationLags("\"Number of Lags\" needs a whole number from 1 to 198.");

    const DialogKind& sim = simulationDialog;
    const DialogKind& cross = crossDialog;
    return {
        countField("Pearson", pearsonDialog, "EditField1", "Number of Iterations", "iterations",
                   iterations),
        countField("Spearman", spearmanDialog, "EditField1", "Number of Iterations", "iterations",
                   iterations),
        countField("Descriptives", descriptivesDialog, "EditField1", "Number of Iterations",
                   "iterations", iterations),
        countField("Autocorrelation", autocorrelationDialog, "EditField1", "Number of Bootstraps",
                   "bootstraps", bootstraps),
        {"Autocorrelation", &autocorrelationDialog, "EditField2", autocorrelationLags,
         refused(autocorrelationLags), reports("\nLag-7 = "), refused(autocorrelationLags)},

        {"Simulation", &sim, "EditField7", needsWhole("Phase-A N-Size", 1),
         refused(needsWhole("Phase-A N-Size", 1)), lengthNotice(12), lengthNotice(1005)},
        numberField("Simulation", sim, "EditField5", "Phase-A Intercept",
                    phase('A', interceptLine)),
        numberField("Simulation", sim, "EditField6", "Phase-A Slope", phase('A', slopeLine)),
        numberField("Simulation", sim, "EditField8", "Phase-A Autocorr", phase('A', autocorrLine)),
        {"Simulation", &sim, "EditField9", needsWhole("Phase-A Lag", 0),
         refused(needsWhole("Phase-A Lag", 0)), reports(phaseLine('A', lagLine, "7")),
         reports(phaseLine('A', lagLine, "1000"))},
        {"Simulation", &sim, "EditField12", needsWhole("Phase-B N-Size", 1),
         refused(needsWhole("Phase-B N-Size", 1)), lengthNotice(12), lengthNotice(1005)},
        numberField("Simulation", sim, "EditField10", "Phase-B Intercept",
                    phase('B', interceptLine)),
        numberField("Simulation", sim, "EditField11", "Phase-B Slope", phase('B', slopeLine)),
        numberField("Simulation", sim, "EditField4", "Phase-B Autocorr", phase('B', autocorrLine)),
        {"Simulation", &sim, "EditField13", needsWhole("Phase-B Lag", 0),
         refused(needsWhole("Phase-B Lag", 0)), reports(phaseLine('B', lagLine, "7")),
         reports(phaseLine('B', lagLine, "1000"))},
        numberField("Simulation", sim, "EditField1", "Error Mean", errors("Error Mean = %1\n")),
        numberField("Simulation", sim, "EditField2", "Error StDev", errors("Error StDev = %1\n")),
        countField("Simulation", sim, "EditField15", "Number of simulations", "simulations",
                   simulations),

        {"Cross", &cross, "EditField7", needsWhole("DV1 N-Size", 0),
         refused(needsWhole("DV1 N-Size", 0)), crossLength(7), crossLength(1000)},
        numberField("Cross", cross, "EditField5", "DV1 Intercept", runs),
        numberField("Cross", cross, "EditField6", "DV1 Slope", runs),
        numberField("Cross", cross, "EditField8", "DV1 Autocorr", runs),
        numberField("Cross", cross, "EditField1", "DV1 Mean", runs),
        numberField("Cross", cross, "EditField2", "DV1 StDev", runs),
        numberField("Cross", cross, "EditField10", "DV2 Intercept", runs),
        numberField("Cross", cross, "EditField11", "DV2 Slope", runs),
        numberField("Cross", cross, "EditField16", "DV2 Autocorr", runs),
        numberField("Cross", cross, "EditField13", "DV2 Mean", runs),
        numberField("Cross", cross, "EditField14", "DV2 StDev", runs),
        countField("Cross", cross, "EditField15", "Number of simulations", "simulations",
                   simulationModels),
        {"Cross", &cross, "EditField4", needsWhole("Number of Lags", 0),
         refused(needsWhole("Number of Lags", 0)), refused(crossLags), refused(crossLags)},
        {"Cross", &cross, "EditField3", needsNumber("Nominal Alpha"),
         refused(needsNumber("Nominal Alpha")), refused(alphaRange), refused(alphaRange)},
    };
}

QLineEdit* fieldOf(QWidget& dialog, const char* name) {
    return dialog.findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly);
}

// Puts the text into the field as a paste would, but without the live reactions of a lag field
// (its own check and estimate): what is judged here is the reading at OK.
void setText(QWidget& dialog, const char* field, const QString& text) {
    QLineEdit* edit = fieldOf(dialog, field);
    QVERIFY2(edit != nullptr, field);
    const QSignalBlocker quiet(edit);
    edit->setText(text);
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class DialogFieldsTest : public QObject {
    Q_OBJECT

    FakeProgress progress_;
    FakeOutput output_;

  private slots:
    void init() {
        analysis::installReportWindows(&progress_, &output_);
        progress_ = {};
        output_.blocks.clear();
        Module1::cps.assign(1, '\n');
        clearGrid();
        fillTenPairs();
    }
    void cleanup() {
        analysis::installReportWindows(nullptr, nullptr);
        clearGrid();
    }

    void okReadsTheWholeTextOfEveryNumberField_data() {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Outcome>("outcome");
        const std::vector<FieldRule> rules = fieldRules();
        for (std::size_t i = 0; i < rules.size(); ++i) {
            const FieldRule& rule = rules[i];
            const auto row = [&](const QString& text, const Outcome& outcome) {
                QTest::addRow("%s %s \"%s\"", rule.dialogName, rule.field, qPrintable(text))
                    << int(i) << text << outcome;
            };
            for (const char* text : {"abc", "1.2.3", "5-3", "-", "."}) {
                row(text, refused(rule.notRead));
            }
            row("", rule.empty);
            row(" 7 ", rule.seven);
            row("1e3", rule.thousand);
            if (!rule.beyondCeiling.isEmpty()) {
                row("1000001", refused(rule.beyondCeiling));
            }
        }
    }
    void okReadsTheWholeTextOfEveryNumberField() {
        QFETCH(int, rule);
        QFETCH(QString, text);
        QFETCH(Outcome, outcome);
        const FieldRule field = fieldRules()[static_cast<std::size_t>(rule)];
        FakeAlert alert;
        const std::unique_ptr<AnalysisDialog> dialog = field.dialog->make();
        dialog->show();
        for (const auto& [name, quick] : field.dialog->quick) {
            setText(*dialog, name, quick);
        }
        setText(*dialog, field.field, text);
        dialog->findChild<QPushButton*>("PushButton1")->click();

        if (!outcome.notice.isEmpty()) {
            QCOMPARE(alert.asked, std::vector<std::string>{outcome.notice.toStdString()});
            QVERIFY2(dialog->isVisible(), "a refused dialog stays open");
            QVERIFY(output_.blocks.empty());
            QCOMPARE(progress_.shows, 0);
            return;
        }
        QCOMPARE(alert.asked, std::vector<std::string>{});
        QVERIFY(!dialog->isVisible());
        QCOMPARE(output_.blocks.size(), std::size_t{1});
        const QString report = QString::fromStdString(output_.blocks.front());
        QVERIFY2(report.contains(outcome.report), qPrintable(report));
        if (outcome.goal != 0) {
            QCOMPARE(progress_.shownGoal, outcome.goal);
        }
    }

    // Keys that insert no character pass both filters; the characters are judged as before.
    void keysThatInsertNothingPassEveryFilter() {
        // The Pearson field takes digits, the Simulation Model's intercept signed decimals.
        for (const auto& [dialog, field] : {std::pair{&pearsonDialog, "EditField1"},
                                            std::pair{&simulationDialog, "EditField5"}}) {
            const std::unique_ptr<AnalysisDialog> window = dialog->make();
            window->show();
            QLineEdit* edit = fieldOf(*window, field);
            for (const EditingKeyCase& keys : editingKeyCases()) {
                edit->setText("1000");
                edit->setCursorPosition(1);
                typeKeys(edit, keys.keys);
                QVERIFY2(edit->text() == keys.text, keys.name);
            }
        }
    }
};

QTEST_MAIN(DialogFieldsTest)
#include "dialogfields_test.moc"
