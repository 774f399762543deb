#include "analysis/reportwindows.h"
#include "app/application.h"
#include "app/menubar.h"
#include "app/outputwindow.h"
#include "app/progresswindow.h"
#include "data/datawindow.h"
#include "data/module1.h"
#include "descriptives/autocorrelationdialog.h"
#include "framework/qtruntime.h"
#include "framework/runtime.h"
#include "support/fakealert.h"
#include "support/gridcells.h"
#include "support/outputwindow.h"
#include "support/shots.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Sets the fields, chooses the option and presses OK once the dialog's modal loop runs.
void runDialog(autocorr& dialog, const QString& bootstraps, const QString& lags,
               QRadioButton* option) {
    dialog.EditField1()->setText(bootstraps);
    dialog.EditField2()->setText(lags);
    option->click();
    QTimer::singleShot(0, dialog.PushButton1(), &QPushButton::click);
    dialog.exec();
}

} // namespace

class AutocorrelationWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { startOnScreen(); }
    void cleanup() {
        framework::setBackgroundTask(nullptr);
        framework::setControlKeyPoll(nullptr);
        framework::setMessageBox(nullptr);
        closeOutput();
    }

    void dialogStartsFromItsDefaults() {
        autocorr dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.grab().save(shot("autocorrelation-dialog.png"));
        QCOMPARE(dialog.windowTitle(), QString("Bootstrapped Autocorrelation"));
        QCOMPARE(dialog.EditField1()->text(), QString("1000"));
        QCOMPARE(dialog.EditField2()->text(), QString("3"));
        QCOMPARE(dialog.StaticText1()->text(), QString("Number of Bootstraps:"));
        QCOMPARE(dialog.StaticText2()->text(), QString("Number of Lags:"));
        QCOMPARE(dialog.GroupBox1()->title(), QString("Options"));
        QVERIFY(dialog.RadioButton3()->isChecked());
        QVERIFY(!dialog.PushButton1()->isDefault() && !dialog.PushButton1()->autoDefault());

        // One group: choosing an option clears the others, and the frame does not take the
        // clicks meant for them.
        QTest::mouseClick(dialog.RadioButton1(), Qt::LeftButton);
        QVERIFY(dialog.RadioButton1()->isChecked() && !dialog.RadioButton3()->isChecked());
        QTest::mouseClick(dialog.RadioButton4(), Qt::LeftButton);
        QVERIFY(dialog.RadioButton4()->isChecked() && !dialog.RadioButton1()->isChecked());
        QTest::mouseClick(dialog.RadioButton3(), Qt::LeftButton);
        QVERIFY(dialog.RadioButton3()->isChecked() && !dialog.RadioButton4()->isChecked());

        for (QLineEdit* field : {dialog.EditField1(), dialog.EditField2()}) {
            field->setFocus();
            field->end(false);
            QTest::keyClicks(field, "5a.-e ");
            QTest::keyClick(field, Qt::Key_Tab);
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClick(field, Qt::Key_Left);
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClick(field, Qt::Key_Delete);
        }
        QCOMPARE(dialog.EditField1()->text(), QString("100"));
        QCOMPARE(dialog.EditField2()->text(), QString(""));
        QVERIFY(dialog.isVisible());

        // Cancel closes it and runs nothing.
        Module1::grid().setCell(1, DataGrid::dvColumn, "4");
        Module1::phasen[0] = -1;
        dialog.PushButton2()->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(stats::openWindow() == nullptr);
        QCOMPARE(Module1::phasen[0], -1);
    }

    void eachOptionOnAPastedTwoPhaseSeries() {
        App app;
        app.start();
        FakeAlert alert;
        alert.answer({true});
        QGuiApplication::clipboard()->setText("12\t0\n15\t0\n11\t0\n14\t0\n16\t0\n13\t0\n22\t1\n"
                                              "19\t1\n24\t1\n23\t1\n27\t1\n21\t1\n26\t1\n");
        menuItem(app.menuBar(), "EditPasteData")->trigger();
        QCOMPARE(Module1::grid().cell(13, DataGrid::phaseColumn), std::string("1"));

        // What the progress window shows, seen once from inside the run's yield.
        QStringList seen;
        framework::setBackgroundTask([&] {
            if (prog* window = prog::openWindow(); window != nullptr && seen.isEmpty()) {
                seen << window->main()->text() << window->sublabel()->text()
                     << window->proggoal()->text();
                window->grab().save(shot("autocorrelation-progress.png"));
            }
        });
        for (int option = 0; option < 3; ++option) {
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<autocorr*>(QApplication::activeModalWidget());
                QVERIFY(dialog != nullptr);
                // Every opening starts from the defaults, whatever the one before was given.
                QCOMPARE(dialog->EditField1()->text(), QString("1000"));
                QCOMPARE(dialog->EditField2()->text(), QString("3"));
                QVERIFY(dialog->RadioButton3()->isChecked());
                QRadioButton* choice = option == 0   ? dialog->RadioButton3()
                                       : option == 1 ? dialog->RadioButton4()
                                                     : dialog->RadioButton1();
                dialog->EditField1()->setText("20000");
                dialog->EditField2()->setText("2");
                choice->click();
                dialog->PushButton1()->click();
                QVERIFY(!dialog->isVisible());
            });
            menuItem(app.menuBar(), "AnalysesAutocorrelation")->trigger();
            QVERIFY(prog::openWindow() == nullptr);
        }
        QCOMPARE(seen, (QStringList{"Running Bootstrapped Autocorrelations",
                                    "Number of iterations completed", "of 60000"}));
        QCOMPARE(alert.asked.size(), std::size_t{1}); // the paste's question only

        const QString text = outputText();
        QCOMPARE(text.count("\nAutocorrelations\n"), 9);
        QCOMPARE(text.count("\nOLS Residuals\n"), 3);
        QCOMPARE(text.count("Residuals of Fitted OLS Model"), 3);
        QCOMPARE(text.count("\nPhase-Effect Removed\n"), 1);
        QVERIFY(text.contains("Phase-Effect Removed\n_________________________\n\nALL DATA\n"
                              "N-Size = 13\n\n\nLag-1 = "));
        QVERIFY(text.contains("\nPHASE: 1\nN-Size = 7\n\n\nLag-1 = "));
        QVERIFY(text.endsWith("Lag-2 = " + text.section("Lag-2 = ", -1)));
        QVERIFY(text.endsWith("\n____________________________________\n\n"));
        stats::instance().resize(520, 700);
        stats::instance().grab().save(shot("autocorrelation-output.png"));
        delete &Window1::instance();
    }

    void refusedFieldsKeepTheDialogOpen() {
        FakeAlert alert;
        Module1::grid().setCell(1, DataGrid::dvColumn, "1");
        Module1::grid().setCell(2, DataGrid::dvColumn, "2");
        autocorr dialog;
        dialog.show();
        dialog.EditField2()->setText("199");
        dialog.PushButton1()->click();
        dialog.EditField2()->setText("3");
        dialog.EditField1()->setText("1000001");
        dialog.PushButton1()->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(alert.asked,
                 (std::vector<std::string>{"\"Number of Lags\" needs a whole number from 1 to 198.",
                                           "Please enter no more than 1000000 bootstraps."}));
        QCOMPARE(outputText(), QString());

        // Two values: the analysis refuses and the dialog closes.
        dialog.EditField1()->setText("100");
        dialog.PushButton1()->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(alert.asked.back(), std::string("Not enough data to run these analyses."));
        QVERIFY(prog::openWindow() == nullptr);
        QCOMPARE(outputText(), QString());
    }

    void holdingControlClosesProgressAndAppendsNothing() {
        for (int row = 1; row <= 30; ++row) {
            Module1::grid().setCell(row, DataGrid::dvColumn, std::to_string(row % 7));
        }
        outputOnScreen().append("earlier\n");
        Module1::outputsaved = true;
        framework::setControlKeyPoll([] { return true; });
        autocorr dialog;
        runDialog(dialog, "1000", "3", dialog.RadioButton3());
        QVERIFY(prog::openWindow() == nullptr);
        QCOMPARE(outputText(), QString("earlier\n"));
        QVERIFY(Module1::outputsaved);
    }

    void threePhasesShowTheMessageAndRunOnTheRawSeries() {
        const char* rows[][2] = {{"1", "0"}, {"4", "1"}, {"2", "2"}, {"6", "0"}, {"3", "1"}};
        int row = DataGrid::firstDataRow;
        for (const auto& cells : rows) {
            Module1::grid().setCell(row, DataGrid::dvColumn, cells[0]);
            Module1::grid().setCell(row, DataGrid::phaseColumn, cells[1]);
            ++row;
        }
        framework::installQtRuntime();
        QString message;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = box->text();
                box->grab().save(shot("autocorrelation-message.png"));
                box->button(QMessageBox::Ok)->click();
            }
        });
        poll.start(20);
        autocorr dialog;
        runDialog(dialog, "100", "1", dialog.RadioButton1());
        QCOMPARE(message, QString("There are more or less than 2 phases in this data set. "
                                  "Therefore, the program did NOT remove the phase effects before "
                                  "calculating the autocorrelation coefficients."));
        QVERIFY(outputText().contains("\nAutocorrelations\n_________________________\n\nALL DATA"));
        QVERIFY(!outputText().contains("Phase-Effect Removed"));
    }
};

QTEST_MAIN(AutocorrelationWindowsTest)
#include "autocorrelationwindows_test.moc"
