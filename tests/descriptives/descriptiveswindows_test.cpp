#include "app/alertwindow.h"
#include "app/application.h"
#include "app/menubar.h"
#include "app/outputwindow.h"
#include "app/progresswindow.h"
#include "data/datawindow.h"
#include "data/module1.h"
#include "descriptives/descriptivesdialog.h"
#include "framework/runtime.h"
#include "support/alertpoll.h"
#include "support/outputwindow.h"
#include "support/shots.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {} // namespace

// Descriptives as a person reaches it: data pasted into the grid, the Analyses menu, the dialog,
// the progress window and the output window.
class DescriptivesWindowsTest : public QObject {
    Q_OBJECT

    App* app_ = nullptr;
    QStringList alerts_;

    void choose(const char* item) {
        QAction* action = menuItem(app_->menuBar(), item);
        QVERIFY2(action != nullptr && action->isEnabled(), item);
        action->trigger();
    }
    void answerAlert(bool confirm) { whenAlertShows(confirm, &alerts_); }
    // Pastes the text over the grid, as Edit, Paste Data does once the person confirms.
    void paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        answerAlert(true);
        choose("EditPasteData");
        alerts_.clear();
    }

  private slots:
    void initTestCase() {
        app_ = new App;
        app_->start();
        QTRY_VERIFY(Module1::datasaved && Module1::cps == "\n");
    }
    void cleanupTestCase() {
        closeOutput();
        delete &Window1::instance();
        delete app_;
    }
    void init() {
        // A two-phase series as a spreadsheet copies it, one DV cell left empty.
        paste("3\t0\n5\t0\n4\t0\n\t0\n6\t0\n8\t1\n9\t1\n7\t1\n10\t1\n9\t1\n11\t1\n");
        QCOMPARE(Module1::grid().cell(6, DataGrid::dvColumn), std::string("8"));
        closeOutput();
    }
    void cleanup() {
        framework::setBackgroundTask(nullptr);
        framework::setControlKeyPoll(nullptr);
    }

    void intervalsChosenInTheDialogReachTheReport() {
        QStringList seen;
        whenShown<descripts>([&](descripts& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Descriptives"));
            QCOMPARE(dialog.size(), QSize(380, 213));
            dialog.grab().save(shot("descriptives-dialog.png"));
            dialog.CheckBox6()->setChecked(true);
            dialog.CheckBox9()->setChecked(true);
            dialog.EditField1()->setText("2000");
            // What the progress window shows, seen from inside its yield.
            framework::setBackgroundTask([&] {
                prog* window = prog::openWindow();
                if (window == nullptr) {
                    return;
                }
                const QString state = window->main()->text() + " " + window->proggoal()->text() +
                                      " " + QString::number(dialog.PushButton1()->isEnabled());
                if (!seen.contains(state)) {
                    seen << state;
                    if (seen.size() == 1) {
                        window->grab().save(shot("descriptives-progress.png"));
                    }
                }
            });
            dialog.PushButton1()->click();
        });
        choose("AnalysesDescriptives");
        QCOMPARE(seen,
                 (QStringList{"Running Bootstrapped Means of 6000 0", "Sorting Data of 6000 0"}));
        QVERIFY(prog::openWindow() == nullptr);
        QVERIFY(alerts_.empty());

        const QString text = outputText();
        QVERIFY(text.startsWith("_________________________\n\nDescriptives\n"
                                "_________________________\n\nALL DATA\nN = 10\n"
                                "Number of iterations = 2000\nMedian = 7.5\n\nMean = 7.2\n"
                                "90% C.I. = "));
        for (const char* block : {"PHASE: 0\nN = 4\n", "PHASE: 1\nN = 6\n"}) {
            QVERIFY2(text.contains(block), qPrintable(block));
        }
        QCOMPARE(text.count("90% C.I. = "), 3);
        QCOMPARE(text.count("95% C.I. = "), 3);
        QCOMPARE(text.count("97.5% C.I. = "), 0);
        QCOMPARE(text.count("99% C.I. = "), 3);
        QVERIFY(text.endsWith("Intercept = 7.2\n____________________________________\n\n"));
        QVERIFY(!Module1::outputsaved);
        stats::openWindow()->grab().save(shot("descriptives-output.png"));
    }

    void aPastedNAIsRefusedByNameAndKeptAsText() {
        // "NA", the missing-value code of most statistics packages, read as 0 gave phase means
        // of 2.8 and 6.
        paste("3\t0\n4\t0\nNA\t0\n5\t0\n2\t0\n6\t1\n7\t1\nNA\t1\n8\t1\n9\t1\n");
        QCOMPARE(Module1::grid().cell(3, DataGrid::dvColumn), std::string("NA"));
        bool closedAfterTheNotice = false;
        whenShown<descripts>([&](descripts& dialog) {
            whenAlertShows([this](warning& alert) {
                alert.grab().save(shot("alert-not-a-number.png"));
                alerts_ << alert.st1()->text() + " [" + alert.pb1()->text() + "]";
                alert.pb1()->click();
            });
            dialog.PushButton1()->click();
            closedAfterTheNotice = !dialog.isVisible();
        });
        choose("AnalysesDescriptives");
        QCOMPARE(alerts_, QStringList{"Row 3 of Var1(DV) holds \"NA\", which is not a number. "
                                      "Empty the cell to make it a missing value. [OK]"});
        QVERIFY(closedAfterTheNotice);
        QVERIFY(prog::openWindow() == nullptr);
        QVERIFY(stats::openWindow() == nullptr);
        QCOMPARE(Module1::grid().cell(3, DataGrid::dvColumn), std::string("NA"));
        QCOMPARE(Module1::grid().cell(8, DataGrid::dvColumn), std::string("NA"));

        // Emptied, the cells are missing values.
        {
            const DataGrid::ChangeBatch change(Module1::grid());
            Module1::grid().setCell(3, DataGrid::dvColumn, "");
            Module1::grid().setCell(8, DataGrid::dvColumn, "");
        }
        whenShown<descripts>([](descripts& dialog) { dialog.PushButton1()->click(); });
        choose("AnalysesDescriptives");
        const QString text = outputText();
        QVERIFY2(text.contains("PHASE: 0\nN = 4\n") && text.contains("Mean = 3.5\n"),
                 qPrintable(text));
        QVERIFY2(text.contains("PHASE: 1\nN = 4\n") && text.contains("Mean = 7.5\n"),
                 qPrintable(text));
    }

    void cancelKeepsNothingAndTheDefaultsReturn() {
        whenShown<descripts>([](descripts& dialog) {
            dialog.CheckBox10()->setChecked(false);
            dialog.PushButton2()->click();
        });
        choose("AnalysesDescriptives");
        QVERIFY(stats::openWindow() == nullptr);

        QList<bool> boxes;
        QString field;
        whenShown<descripts>([&](descripts& dialog) {
            for (QCheckBox* box :
                 {dialog.CheckBox1(), dialog.CheckBox2(), dialog.CheckBox3(), dialog.CheckBox4(),
                  dialog.CheckBox5(), dialog.CheckBox6(), dialog.CheckBox7(), dialog.CheckBox8(),
                  dialog.CheckBox9(), dialog.CheckBox10()}) {
                boxes << box->isChecked();
            }
            field = dialog.EditField1()->text();
            // Return presses no button.
            QTest::keyClick(dialog.EditField1(), Qt::Key_Return);
            QVERIFY(dialog.isVisible());
            dialog.PushButton2()->click();
        });
        choose("AnalysesDescriptives");
        QCOMPARE(boxes,
                 (QList<bool>{true, true, true, true, true, false, true, false, false, true}));
        QCOMPARE(field, QString("5000"));
        QVERIFY(stats::openWindow() == nullptr);
    }

    void iterationFieldTakesDigitsOnly() {
        descripts dialog;
        QLineEdit* field = dialog.EditField1();
        field->clear();
        field->setFocus();
        QTest::keyClicks(field, "2.5e3-+ ");
        QCOMPARE(field->text(), QString("253"));
        QTest::keyClick(field, Qt::Key_Left);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Delete);
        QCOMPARE(field->text(), QString("2"));
    }

    void tooManyIterationsAreRefusedAndTheDialogStaysOpen() {
        bool stayedOpen = false;
        whenShown<descripts>([&](descripts& dialog) {
            dialog.EditField1()->setText("1000001");
            answerAlert(true);
            dialog.PushButton1()->click();
            stayedOpen = dialog.isVisible() && dialog.PushButton1()->isEnabled();
            // With no interval box on the field is not read: even an empty field runs.
            for (QCheckBox* box :
                 {dialog.CheckBox6(), dialog.CheckBox7(), dialog.CheckBox8(), dialog.CheckBox9()}) {
                box->setChecked(false);
            }
            dialog.EditField1()->clear();
            dialog.PushButton1()->click();
        });
        choose("AnalysesDescriptives");
        QVERIFY(stayedOpen);
        QCOMPARE(alerts_, QStringList{"Please enter no more than 1000000 iterations. [OK]"});
        const QString text = outputText();
        QCOMPARE(text.count("Number of iterations = 0\n"), 3);
        QVERIFY(!text.contains("C.I."));
    }

    void holdingControlAppendsNothing() {
        framework::setControlKeyPoll([] { return true; });
        whenShown<descripts>([](descripts& dialog) { dialog.PushButton1()->click(); });
        choose("AnalysesDescriptives");
        QVERIFY(prog::openWindow() == nullptr);
        QVERIFY(stats::openWindow() == nullptr);
        QVERIFY(Module1::outputsaved);
    }
};

QTEST_MAIN(DescriptivesWindowsTest)
#include "descriptiveswindows_test.moc"
