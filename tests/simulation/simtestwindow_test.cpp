#include "analysis/alert.h"
#include "analysis/modelfields.h"
#include "analysis/procedures.h"
#include "analysis/reportwindows.h"
#include "app/application.h"
#include "app/menubar.h"
#include "app/outputwindow.h"
#include "app/progresswindow.h"
#include "data/module1.h"
#include "figure/figurecanvas.h"
#include "figure/window3.h"
#include "framework/conversions.h"
#include "framework/random.h"
#include "framework/runtime.h"
#include "simulation/simtest.h"
#include "support/alertpoll.h"
#include "support/fakealert.h"
#include "support/fieldfit.h"
#include "support/gridcells.h"
#include "support/outputwindow.h"
#include "support/shots.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <string>

namespace {

// A baseline of eight sessions labelled 0 and a treatment of twelve labelled 1.
const char* const sessions[] = {"3", "4", "3.5", "5", "4", "3", "4.5", "4", "6",  "7.5",
                                "7", "8", "8.5", "7", "9", "8", "9.5", "9", "10", "9.5"};

void fillTwoPhases() {
    for (int i = 0; i < 20; ++i) {
        Module1::grid().setCell(i + 1, DataGrid::dvColumn, sessions[i]);
        Module1::grid().setCell(i + 1, DataGrid::phaseColumn, i < 8 ? "0" : "1");
    }
}

void typeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// A notice that runs an event loop while it is up, as the real alert does.
class WaitingAlert final : public Module1::AlertWindow {
  public:
    WaitingAlert() { Module1::setAlertWindow(this); }
    ~WaitingAlert() override { Module1::setAlertWindow(nullptr); }
    void showModal() override {
        ++shown;
        QTest::qWait(600);
    }
    int shown = 0;
};

} // namespace

class SimulationWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        startOnScreen();
        fillTwoPhases();
    }
    void cleanup() {
        framework::setControlKeyPoll(nullptr);
        closeOutput();
    }

    void opensOnThePhaseSizesWithTheEstimates() {
        simtest dialog;
        QVERIFY(dialog.opened());
        QCOMPARE(dialog.windowTitle(), QString("Simulation Model"));
        QCOMPARE(dialog.size(), QSize(543, 451));
        QCOMPARE(dialog.EditField(7)->text(), QString("8"));
        QCOMPARE(dialog.EditField(12)->text(), QString("12"));
        QCOMPARE(dialog.EditField(15)->text(), QString("5000"));
        QVERIFY(dialog.RadioButton(1)->isChecked());
        QVERIFY(dialog.CheckBox(3)->isChecked() && dialog.CheckBox(2)->isChecked() &&
                dialog.CheckBox(8)->isChecked());
        QVERIFY(!dialog.CheckBox(6)->isChecked() && !dialog.CheckBox(5)->isChecked() &&
                !dialog.CheckBox(4)->isChecked());
        QVERIFY(dialog.EditField(3)->isReadOnly());
        QCOMPARE(dialog.EditField(8)->text(), QString("0"));
        // The timer fills the three AR fields with the whole series' lag-1 estimate.
        const QString wholeSeries =
            QString::fromStdString(analysis::estimateText(Module1::quickautocorr(0, 1)));
        QVERIFY(wholeSeries != "0");
        QTRY_COMPARE(dialog.EditField(3)->text(), wholeSeries);
        QCOMPARE(dialog.EditField(8)->text(), wholeSeries);
        QCOMPARE(dialog.EditField(4)->text(), wholeSeries);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.grab().save(shot("simulation-dialog.png"));
    }

    void estimatesFitTheirFields() {
        // A series that swings from point to point: negative estimates, the longest texts.
        const char* const swinging[] = {"1", "9", "2", "8", "1", "7", "3", "9", "2", "8",
                                        "4", "6", "1", "9", "3", "8", "2", "7", "1", "9"};
        for (int i = 0; i < 20; ++i) {
            Module1::grid().setCell(i + 1, DataGrid::dvColumn, swinging[i]);
        }
        simtest dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.Timer1_Action();
        dialog.CheckBox(1)->click(); // each phase's own estimate
        for (const int number : {3, 8, 4}) {
            const QLineEdit& field = *dialog.EditField(number);
            QVERIFY2(field.text().startsWith("-0.") && field.text().size() == 6,
                     qPrintable(field.text()));
            QVERIFY2(showsWholeText(field), qPrintable(field.text()));
        }
        dialog.grab().save(shot("simulation-dialog-estimates.png"));
    }

    void refusesDataWithoutAPhaseB() {
        FakeAlert alert;
        for (const char* label : {"", "1"}) {
            for (int row = 1; row <= 20; ++row) {
                Module1::grid().setCell(row, DataGrid::phaseColumn, label);
            }
            alert.asked.clear();
            simtest dialog;
            QVERIFY(!dialog.opened());
            QVERIFY(!dialog.Timer1()->isActive());
            QCOMPARE(alert.asked,
                     std::vector<std::string>{
                         "You must enter phase data or click on the figure to indicate which "
                         "section(s) of the data you want to analyze."});
        }
        // showModal never shows such a dialog.
        simtest::showModal();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void refusesADVCellThatIsNotANumber() {
        FakeAlert alert;
        Module1::grid().setCell(4, DataGrid::dvColumn, "-");
        simtest dialog;
        QVERIFY(!dialog.opened());
        QVERIFY(!dialog.Timer1()->isActive());
        QCOMPARE(alert.asked,
                 std::vector<std::string>{"Row 4 of Var1(DV) holds \"-\", which is not "
                                          "a number. Empty the cell to make it a "
                                          "missing value."});
    }

    void labelsNameThePhasesUnlessThePhaseVectorIsTested() {
        FakeAlert alert;
        for (int row = 1; row <= 20; ++row) {
            Module1::grid().setCell(row, DataGrid::phaseColumn, row <= 8 ? "A" : "B");
        }
        for (const bool usePhase : {true, false}) {
            simtest dialog;
            QVERIFY(dialog.opened());
            QCOMPARE(dialog.EditField(7)->text() + "+" + dialog.EditField(12)->text(),
                     QString("8+12"));
            dialog.show();
            dialog.CheckBox(6)->setChecked(usePhase);
            dialog.EditField(15)->setText("150");
            dialog.PushButton1()->click();
            QVERIFY(!dialog.isVisible());
        }
        QCOMPARE(alert.asked, std::vector<std::string>{"Row 1 of Var2(PHASE) holds \"A\", which is "
                                                       "not a number. Empty the cell to make it a "
                                                       "missing value."});
        const QString text = outputText();
        QCOMPARE(text.count("Number of simulations = 150\n"), 1);
        QVERIFY(!text.contains("Custom 'Phase' Vector"));
    }

    void refusedDialogEstimatesNothingWhileTheNoticeIsUp() {
        for (int row = 1; row <= 20; ++row) {
            Module1::grid().setCell(row, DataGrid::phaseColumn, "");
        }
        WaitingAlert alert;
        simtest dialog;
        QCOMPARE(alert.shown, 1);
        for (const int number : {3, 8, 4}) {
            QCOMPARE(dialog.EditField(number)->text(), QString("0"));
        }
    }

    void fieldsTakeTheirOwnKeys() {
        simtest dialog;
        typeInto(dialog.EditField(7), "1-2.a 3");
        QCOMPARE(dialog.EditField(7)->text(), QString("123"));
        typeInto(dialog.EditField(5), "-1.5x");
        QCOMPARE(dialog.EditField(5)->text(), QString("-1.5"));
        typeInto(dialog.EditField(2), "2e1");
        QCOMPARE(dialog.EditField(2)->text(), QString("21"));
        typeInto(dialog.EditField(15), "7.0-");
        QCOMPARE(dialog.EditField(15)->text(), QString("70"));
    }

    void phaseLagsTheDataCannotHoldAreRefused() {
        FakeAlert alert;
        simtest dialog;
        dialog.CheckBox(1)->click(); // phase estimates
        dialog.EditField(7)->setText("8");
        dialog.EditField(9)->setText("7");
        QVERIFY(alert.asked.empty());
        QCOMPARE(dialog.EditField(8)->text(),
                 QString::fromStdString(analysis::estimateText(Module1::quickautocorr(1, 7))));
        struct Case {
            QString lag;
            std::string notice;
        };
        for (const Case& c : {Case{"8", "Lags cannot be equal to or greater than the N-size"},
                              Case{"-1", "Lags must be whole numbers of 0 or more"},
                              Case{"1.5", "Lags must be whole numbers of 0 or more"},
                              Case{"2abc", "Lags must be whole numbers of 0 or more"}}) {
            alert.asked.clear();
            dialog.EditField(9)->setText(c.lag);
            QCOMPARE(alert.asked, std::vector<std::string>{c.notice});
            QCOMPARE(dialog.EditField(9)->text(), QString("1"));
            QCOMPARE(dialog.EditField(8)->text(),
                     QString::fromStdString(analysis::estimateText(Module1::quickautocorr(1, 1))));
        }
        // Emptied to be typed again, the field holds no lag: no notice, the estimate stays.
        alert.asked.clear();
        dialog.EditField(9)->setText("");
        QVERIFY(alert.asked.empty());
        QCOMPARE(dialog.EditField(8)->text(),
                 QString::fromStdString(analysis::estimateText(Module1::quickautocorr(1, 1))));
        // A phase lag beyond the phase's data (the N-size raised by hand) shows 0, never NaN.
        alert.asked.clear();
        dialog.EditField(12)->setText("30");
        dialog.EditField(13)->setText("12");
        QVERIFY(alert.asked.empty());
        QCOMPARE(dialog.EditField(4)->text(), QString("0"));
        dialog.EditField(13)->setText("20");
        QCOMPARE(dialog.EditField(4)->text(), QString("0"));

        // The overall lag: a lag at the series' length is allowed and shows 0; a negative or
        // broken one is refused and reset.
        dialog.EditField(14)->setText("20");
        QVERIFY(alert.asked.empty());
        QCOMPARE(dialog.EditField(3)->text(), QString("0"));
        dialog.EditField(14)->setText("-2");
        QCOMPARE(alert.asked, std::vector<std::string>{"Lags must be whole numbers of 0 or more"});
        QCOMPARE(dialog.EditField(14)->text(), QString("1"));
        QCOMPARE(dialog.EditField(3)->text(),
                 QString::fromStdString(analysis::estimateText(Module1::quickautocorr(0, 1))));
    }

    void aConstantSeriesEstimatesZero() {
        for (int row = 1; row <= 20; ++row) {
            Module1::grid().setCell(row, DataGrid::dvColumn, "4");
        }
        simtest dialog;
        dialog.Timer1_Action();
        QCOMPARE(dialog.EditField(3)->text(), QString("0"));
        dialog.CheckBox(1)->click();
        QCOMPARE(dialog.EditField(8)->text(), QString("0"));
    }

    void partialCorrelationKeepsTheBoxesItCanUse() {
        simtest dialog;
        dialog.CheckBox(6)->click();
        dialog.CheckBox(5)->click();
        dialog.RadioButton(4)->click();
        auto boxes = [&] {
            QString states;
            for (const int number : {3, 2, 6, 5}) {
                states += dialog.CheckBox(number)->isChecked() ? '1' : '0';
            }
            return states;
        };
        QCOMPARE(boxes(), QString("1000"));
        dialog.CheckBox(5)->click();
        QCOMPARE(boxes(), QString("1000"));
        dialog.CheckBox(6)->click();
        QCOMPARE(boxes(), QString("0010"));
        dialog.CheckBox(2)->click();
        QCOMPARE(boxes(), QString("0100"));
        dialog.CheckBox(6)->click();
        QCOMPARE(boxes(), QString("0110"));
        dialog.CheckBox(3)->click();
        QCOMPARE(boxes(), QString("1100"));
        dialog.CheckBox(3)->click();
        QCOMPARE(boxes(), QString("0100"));
        // Pearson R leaves the boxes as they are and lets any combination stand.
        dialog.RadioButton(1)->click();
        QCOMPARE(boxes(), QString("0100"));
        dialog.CheckBox(5)->click();
        dialog.CheckBox(6)->click();
        QCOMPARE(boxes(), QString("0111"));
    }

    void okRefusesAModelItCannotSimulateAndStaysOpen() {
        FakeAlert alert;
        Module1::n1 = -7;
        struct Case {
            int field;
            QString text;
            std::string notice;
        };
        for (const Case& c :
             {Case{12, "11",
                   "The simulated series would have 19 points, but the data have 20 complete "
                   "pairs. Please make the N-sizes add up to 20."},
              Case{2, "0", "\"Error StDev\" needs a number above 0."},
              Case{15, "2000000", "Please enter no more than 1000000 simulations."}}) {
            alert.asked.clear();
            simtest dialog;
            // Opening loads the data set; nothing after it may be written by a refused OK.
            Module1::n = -7;
            dialog.show();
            dialog.EditField(c.field)->setText(c.text);
            dialog.PushButton1()->click();
            QCOMPARE(alert.asked, std::vector<std::string>{c.notice});
            QVERIFY(dialog.isVisible());
            QVERIFY(dialog.PushButton1()->isEnabled());
            QVERIFY(stats::openWindow() == nullptr);
            QCOMPARE(Module1::n1, -7);
            QCOMPARE(Module1::n, -7);
        }
    }

    void okRunsTheChosenStatisticAndCloses() {
        FakeAlert alert;
        framework::seedRnd(11);
        for (const int statistic : {1, 2, 4}) {
            simtest dialog;
            dialog.show();
            dialog.RadioButton(statistic)->click();
            dialog.EditField(15)->setText("150");
            dialog.PushButton1()->click();
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QVERIFY(alert.asked.empty());
        QVERIFY(prog::openWindow() == nullptr);
        const QString text = outputText();
        QCOMPARE(text.count("Number of simulations = 150\n"), 3);
        QVERIFY(text.contains("Pearson - R\n"));
        QVERIFY(text.contains("Spearman Rho\n"));
        QVERIFY(text.contains("Partial Correlation:\n"));
        QCOMPARE(Module1::n1, 8);
        QCOMPARE(Module1::n2, 12);
        QCOMPARE(Module1::errstd, 1.0);
        QVERIFY(!Module1::outputsaved);
    }

    // As a person would: split the series with a click on the figure, press Test, run with
    // the defaults; then menu the test again and hold Control through a long run.
    void bothEntryPointsThroughTheWindows() {
        FakeAlert alert;
        clearGrid();
        for (int i = 0; i < 20; ++i) {
            Module1::grid().setCell(i + 1, DataGrid::dvColumn, sessions[i]);
        }
        App app;
        app.start();
        Window3& figure = Window3::instance();
        // The figure comes up once the Data Window is in its place.
        QTRY_VERIFY(figure.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&figure));
        // Between sessions 8 and 9 of twenty, on the figure's own width.
        const int x = static_cast<int>(8.5 * figure.Canvas1()->width() / 21.0);
        QTest::mouseClick(figure.Canvas1(), Qt::LeftButton, {}, QPoint(x, 40));
        QCOMPARE(figure.divider(), 8);

        framework::seedRnd(21);
        QString sizes;
        whenShown<simtest>([&](simtest& dialog) {
            sizes = dialog.EditField(7)->text() + "+" + dialog.EditField(12)->text();
            dialog.PushButton1()->click();
        });
        figure.findChild<QPushButton*>("PushButton1")->click();
        QCOMPARE(sizes, QString("8+12"));
        const QString report = outputText();
        QVERIFY(
            report.startsWith("_________________________\n\nSimulation Modeling\nPearson - R\n"));
        QVERIFY(report.contains("Number of simulations = 5000\n"));
        QVERIFY(report.contains("Test for Level Change\nLevel Vector = |0|0|0|0|0|0|0|0|1|"));
        stats* output = stats::openWindow();
        output->resize(600, 700);
        output->out()->verticalScrollBar()->setValue(output->out()->verticalScrollBar()->maximum());
        output->grab().save(shot("simulation-output.png"));

        int polls = 0;
        framework::setControlKeyPoll([&] { return ++polls > 500; });
        bool ran = false;
        whenShown<simtest>([&](simtest& dialog) {
            ran = true;
            dialog.EditField(15)->setText("1000000");
            dialog.PushButton1()->click();
        });
        menuItem(app.menuBar(), "AnalysesSimulationTest")->trigger();
        QVERIFY(ran);
        QVERIFY(polls > 500);
        QCOMPARE(outputText(), report);
        QVERIFY(prog::openWindow() == nullptr);
        QVERIFY(alert.asked.empty());
        Module1::outputsaved = true;
        Module1::datasaved = true;
    }
};

QTEST_MAIN(SimulationWindowTest)
#include "simtestwindow_test.moc"
