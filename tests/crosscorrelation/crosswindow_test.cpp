#include "analysis/correlationbasics.h"
#include "analysis/modelfields.h"
#include "analysis/reportwindows.h"
#include "app/application.h"
#include "app/menubar.h"
#include "app/outputwindow.h"
#include "app/progresswindow.h"
#include "crosscorrelation/crosswindow.h"
#include "data/datawindow.h"
#include "data/module1.h"
#include "framework/conversions.h"
#include "framework/runtime.h"
#include "support/fakealert.h"
#include "support/fieldfit.h"
#include "support/gridcells.h"
#include "support/outputwindow.h"
#include "support/shots.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <vector>

namespace {

// Twelve Var1 values, ten of them with a Var2 value beside them.
const char* const pairs[][2] = {{"3", "12"}, {"5", "15"}, {"2", ""},   {"5", "14"},
                                {"7", "18"}, {"4", "12"}, {"6", "17"}, {"3", ""},
                                {"8", "19"}, {"5", "16"}, {"2", "10"}, {"6", "9"}};

void fillGrid() {
    int row = DataGrid::firstDataRow;
    for (const auto& pair : pairs) {
        Module1::grid().setCell(row, DataGrid::dvColumn, pair[0]);
        Module1::grid().setCell(row, DataGrid::phaseColumn, pair[1]);
        ++row;
    }
}

// The estimate of the complete pairs' column at the lag, as the dialog shows it.
QString estimate(int column, int lag) {
    std::vector<double> values;
    for (const auto& pair : pairs) {
        if (*pair[1] != '\0') {
            values.push_back(framework::CDbl(pair[column]));
        }
    }
    return QString::fromStdString(
        analysis::estimateText(analysis::lagAutocorrelation(values, lag)));
}

QString text(const crosswindow& dialog, const char* field) {
    return dialog.field(field)->text();
}

// Presses OK once the dialog's modal loop runs, and then, if the dialog is still open, reads
// what it shows and presses Cancel.
bool okStaysOpen(crosswindow& dialog) {
    bool open = false;
    QTimer::singleShot(0, [&] {
        dialog.PushButton1()->click();
        open = dialog.isVisible();
        if (open) {
            dialog.PushButton2()->click();
        }
    });
    dialog.exec();
    return open;
}

} // namespace

class CrossWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        startOnScreen();
        fillGrid();
        beeps = 0;
        framework::setBeep([this] { ++beeps; });
    }
    void cleanup() {
        framework::setBeep(nullptr);
        closeOutput();
    }

    void openingShowsThePairsAndTheLagOneEstimates() {
        crosswindow dialog;
        QCOMPARE(dialog.windowTitle(), QString("Simulation Model Cross Lags"));
        QCOMPARE(dialog.size(), QSize(467, 339));
        QCOMPARE(text(dialog, "EditField7"), QString("10"));
        QCOMPARE(text(dialog, "EditField12"), QString("10"));
        QCOMPARE(text(dialog, "EditField8"), estimate(0, 1));
        QCOMPARE(text(dialog, "EditField16"), estimate(1, 1));
        QCOMPARE(text(dialog, "EditField15"), QString("1000"));
        QCOMPARE(text(dialog, "EditField4"), QString("5"));
        QCOMPARE(text(dialog, "EditField3"), QString(".05"));
        QVERIFY(dialog.CheckBox1()->isChecked());
        QVERIFY(!dialog.CheckBox2()->isChecked());
        QCOMPARE(beeps, 0);
        // Rows 0 and 1 hold the two columns of the complete pairs.
        QCOMPARE(Module1::phasen[0], 10);
        QCOMPARE(Module1::v[1][2], 15.0);
        QCOMPARE(Module1::v[0][3], 5.0);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.grab().save(shot("cross-dialog.png"));
    }

    void aPairWithACellThatIsNotANumberIsRefusedAtOpening() {
        FakeAlert alert;
        // A half-filled row is no pair, whatever it holds; a pair must be two numbers.
        Module1::grid().setCell(3, DataGrid::dvColumn, "NA");
        crosswindow halfFilled;
        QVERIFY(halfFilled.opened());
        QCOMPARE(text(halfFilled, "EditField7"), QString("10"));
        Module1::grid().setCell(5, DataGrid::phaseColumn, "1,5");
        crosswindow dialog;
        QVERIFY(!dialog.opened());
        QCOMPARE(alert.asked, std::vector<std::string>{"Row 5 of Var2(PHASE) holds \"1,5\", "
                                                       "which is not a number. Empty the cell to "
                                                       "make it a missing value."});
        // showModal never shows such a dialog.
        crosswindow::showModal();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(alert.asked.size(), 2u);
        QCOMPARE(Module1::grid().cell(5, DataGrid::phaseColumn), std::string("1,5"));
    }

    void lagFieldsAreJudgedEachOnItsOwn() {
        crosswindow dialog;
        QLineEdit* lag1 = dialog.field("EditField9");
        QLineEdit* lag2 = dialog.field("EditField17");
        dialog.field("EditField16")->setText("typed");

        lag1->setText("7"); // 7 < 10 - 2: both estimates again
        QCOMPARE(text(dialog, "EditField8"), estimate(0, 7));
        QCOMPARE(text(dialog, "EditField16"), estimate(1, 1));
        lag1->setText("8"); // refused: a beep, the field keeps it, nothing changes
        QCOMPARE(beeps, 1);
        QCOMPARE(lag1->text(), QString("8"));
        QCOMPARE(text(dialog, "EditField8"), estimate(0, 7));

        for (const char* refused : {"2.5", "-1", "8"}) {
            lag2->setText(refused);
        }
        QCOMPARE(beeps, 4);
        QCOMPARE(text(dialog, "EditField16"), estimate(1, 1));
        lag2->setText("2.0"); // a whole number: both series whose Lag is acceptable
        QCOMPARE(text(dialog, "EditField16"), estimate(1, 2));
        QCOMPARE(text(dialog, "EditField8"), estimate(0, 7)); // its Lag field holds 8
        lag2->setText("3");
        lag1->setText(""); // emptied to be typed again: no lag yet, so no estimate and no beep
        QCOMPARE(text(dialog, "EditField8"), estimate(0, 7));
        QCOMPARE(text(dialog, "EditField16"), estimate(1, 3));
        QCOMPARE(beeps, 4);
    }

    void estimatesFitTheirFields() {
        // Series that swing from point to point: negative estimates, the longest texts.
        clearGrid();
        ::fillGrid({{"1", "9"},
                    {"9", "1"},
                    {"2", "7"},
                    {"8", "3"},
                    {"1", "8"},
                    {"7", "2"},
                    {"3", "9"},
                    {"9", "2"},
                    {"2", "8"},
                    {"8", "1"},
                    {"4", "9"},
                    {"6", "3"}});
        crosswindow dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (const char* name : {"EditField8", "EditField16"}) {
            const QLineEdit& field = *dialog.field(name);
            QVERIFY2(field.text().startsWith("-0.") && field.text().size() == 6,
                     qPrintable(field.text()));
            QVERIFY2(showsWholeText(field), qPrintable(field.text()));
        }
        dialog.grab().save(shot("cross-dialog-estimates.png"));
    }

    void anEstimateThatIsNotANumberShowsZero() {
        clearGrid();
        for (int row = 1; row <= 5; ++row) {
            Module1::grid().setCell(row, DataGrid::dvColumn, "4");
            Module1::grid().setCell(row, DataGrid::phaseColumn, framework::CStr(row));
        }
        crosswindow dialog;
        QCOMPARE(text(dialog, "EditField8"), QString("0"));
        const std::vector<double> var2{1, 2, 3, 4, 5};
        QCOMPARE(text(dialog, "EditField16"), QString::fromStdString(analysis::estimateText(
                                                  analysis::lagAutocorrelation(var2, 1))));
        dialog.field("EditField9")->setText("2");
        QCOMPARE(text(dialog, "EditField8"), QString("0"));
        QCOMPARE(beeps, 0);
    }

    void keysFollowEachFieldsFilter() {
        crosswindow dialog;
        struct Case {
            const char* field;
            const char* typed;
        };
        for (const auto& [field, typed] : {Case{"EditField7", "1a-.2"}, Case{"EditField1", "1a-.2"},
                                           Case{"EditField4", "1a-.2"}, Case{"EditField17", "x"}}) {
            QLineEdit* edit = dialog.field(field);
            edit->clear();
            QTest::keyClicks(edit, typed);
        }
        QCOMPARE(text(dialog, "EditField7"), QString("12"));
        QCOMPARE(text(dialog, "EditField1"), QString("1-.2"));
        QCOMPARE(text(dialog, "EditField4"), QString("1a-.2"));
        QCOMPARE(text(dialog, "EditField17"), QString("x"));
    }

    void refusalsKeepTheDialogOpenAndAppendNothing() {
        FakeAlert alert;
        struct Case {
            const char* field;
            const char* text;
        };
        for (const auto& [field, value] :
             {Case{"EditField3", "1"}, Case{"EditField4", "5"}, Case{"EditField7", "12"},
              Case{"EditField14", "abc"}, Case{"EditField15", "2000000"}}) {
            crosswindow dialog;
            dialog.field(field)->setText(value);
            QVERIFY2(okStaysOpen(dialog), field);
        }
        QCOMPARE(alert.asked.size(), 5u);
        QCOMPARE(alert.asked[1], std::string("\"Number of Lags\" needs a whole number of at most 4 "
                                             "for 10 pairs."));
        QVERIFY(prog::openWindow() == nullptr);
        QVERIFY(stats::openWindow() == nullptr);

        clearGrid();
        Module1::grid().setCell(1, DataGrid::dvColumn, "1");
        Module1::grid().setCell(1, DataGrid::phaseColumn, "2");
        crosswindow tooFew;
        QCOMPARE(text(tooFew, "EditField7"), QString("1"));
        QVERIFY(okStaysOpen(tooFew));
        QCOMPARE(alert.asked.back(), std::string("Not enough data to run these analyses."));
        QVERIFY(stats::openWindow() == nullptr);
    }

    void pastedSeriesRunWithTheDefaultsFromTheMenu() {
        App app;
        app.start();
        FakeAlert alert; // after the shell's own alert window, which it replaces
        alert.answer({true});
        clearGrid();
        // Var2 follows Var1 one step later; pasted as two tab-separated columns.
        const double var1[] = {4, 7, 3, 8, 5, 9, 2, 6, 7, 3, 5, 8, 4, 6, 9, 3, 7, 5, 2, 8};
        QString clipboard;
        for (int row = 1; row <= 20; ++row) {
            const double before = row > 1 ? var1[row - 2] : 5.0;
            clipboard += QString("%1\t%2\n").arg(var1[row - 1]).arg(before * 2.0 + row % 3);
        }
        QApplication::clipboard()->setText(clipboard);
        menuItem(app.menuBar(), "EditPasteData")->trigger();
        QCOMPARE(QString::fromStdString(Module1::grid().cell(20, DataGrid::phaseColumn)),
                 QString("6"));

        QStringList seen;
        QTimer::singleShot(50, [&] {
            auto* dialog = qobject_cast<crosswindow*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            seen << dialog->windowTitle() << text(*dialog, "EditField7")
                 << text(*dialog, "EditField8") << text(*dialog, "EditField16");
            dialog->grab().save(shot("cross-dialog-pasted.png"));
            dialog->PushButton1()->click();
        });
        menuItem(app.menuBar(), "AnalysesCrossCorrelation")->trigger();
        QCOMPARE(seen.value(0), QString("Simulation Model Cross Lags"));
        QCOMPARE(seen.value(1), QString("20"));
        QVERIFY(seen.value(2) != "0" && seen.value(3) != "0");
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(prog::openWindow() == nullptr);

        stats* output = stats::openWindow();
        QVERIFY(output != nullptr);
        const QString report = output->out()->toPlainText();
        QVERIFY(report.startsWith("_______________________________________\n\nCross Correlations\n"
                                  "Simulation Modeling for Significance Testing\n"
                                  "Bonferroni Corrected for Multiple Comparisons\n"));
        QVERIFY(report.contains("Number of simulation models = 1000\n"
                                "Number of lags to display = 5\nValid pairwise N = 20\n"
                                "Alpha = 0.004545455\nVar1 leading Var2\n\n"));
        QCOMPARE(report.count("LAG:"), 11);
        QVERIFY(report.contains("LAG:+01 r=+0.9"));
        QVERIFY(report.contains("|OOOOOOOOOOOOOOOOOOOOO"));
        output->resize(900, 560);
        output->show();
        QVERIFY(QTest::qWaitForWindowExposed(output));
        output->grab().save(shot("cross-report.png"));
        delete &Window1::instance();
    }

  private:
    int beeps = 0;
};

QTEST_MAIN(CrossWindowTest)
#include "crosswindow_test.moc"
