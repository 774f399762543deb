#include "app/alertwindow.h"
#include "app/application.h"
#include "app/menubar.h"
#include "app/splashwindow.h"
#include "data/datawindow.h"
#include "data/module1.h"
#include "support/alertpoll.h"
#include "support/shots.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include <functional>

class ApplicationTest : public QObject {
    Q_OBJECT

    App* app_ = nullptr;

  private slots:
    void initTestCase() {
        app_ = new App;
        app_->start();
        QTRY_VERIFY(Module1::outputsaved && Module1::datasaved);
        QVERIFY(splashwin::openWindow() != nullptr);
    }
    void cleanupTestCase() {
        delete &Window1::instance();
        delete app_;
    }

    void openSetsLineEndAndSavedFlags() {
        QCOMPARE(Module1::cps, std::string("\n"));
        QVERIFY(Module1::datasaved);
        QVERIFY(Module1::outputsaved);
    }

    void menusCarryTheirCaptionsAndShortcuts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("") << "OpenTabDelimText"
                          << "Tab-Delim Text"
                          << "Ctrl+T" << true;
        QTest::newRow("") << "OpenQTVKDataFile"
                          << "TVK Data File"
                          << "Ctrl+O" << true;
        QTest::newRow("") << "SaveTabDelimText"
                          << "Tab-Delim Text"
                          << "Ctrl+B" << true;
        QTest::newRow("") << "SaveQTVKDataFile"
                          << "TVK Data File"
                          << "Ctrl+S" << true;
        QTest::newRow("") << "FileQuit"
                          << "Quit"
                          << "Ctrl+Q" << true;
        QTest::newRow("") << "EditCut"
                          << "Cut"
                          << "Ctrl+X" << false;
        QTest::newRow("") << "EditCopy"
                          << "Copy"
                          << "Ctrl+C" << false;
        QTest::newRow("") << "EditPaste"
                          << "Paste Text"
                          << "Ctrl+V" << false;
        QTest::newRow("") << "EditClear"
                          << "Clear"
                          << "" << false;
        QTest::newRow("") << "EditPasteData"
                          << "Paste Data"
                          << "Ctrl+D" << true;
        QTest::newRow("") << "EditPasteDVData"
                          << "Paste DV Data"
                          << "Ctrl+1" << true;
        QTest::newRow("") << "EditPhasePhaseData"
                          << "Paste Phase Data"
                          << "Ctrl+2" << true;
        QTest::newRow("") << "EditCopyBothColumns"
                          << "Copy Data"
                          << "" << true;
        QTest::newRow("") << "EditCopyDVColumn"
                          << "Copy DV Data"
                          << "" << true;
        QTest::newRow("") << "EditCopyPhaseColumn"
                          << "Copy Phase Data"
                          << "" << true;
        QTest::newRow("") << "DataDeleteRow"
                          << "Delete Row"
                          << "" << true;
        QTest::newRow("") << "DataClearRow"
                          << "Clear Row"
                          << "" << true;
        QTest::newRow("") << "DataClearColumn"
                          << "Clear DV Column"
                          << "" << true;
        QTest::newRow("") << "DataClearPhaseColumn"
                          << "Clear Phase Column"
                          << "" << true;
        QTest::newRow("") << "DataClearAllData"
                          << "Clear All Data"
                          << "" << true;
        QTest::newRow("") << "AnalysesSimulationTest"
                          << "Simulation Test"
                          << "" << true;
        QTest::newRow("") << "AnalysesCrossCorrelation"
                          << "Cross Correlation"
                          << "" << true;
        QTest::newRow("") << "AnalysesDescriptives"
                          << "Descriptives"
                          << "" << true;
        QTest::newRow("") << "AnalysesAutocorrelation"
                          << "Autocorrelation"
                          << "" << true;
        QTest::newRow("") << "AnalysesPearsonr"
                          << "Pearson-r"
                          << "" << true;
        QTest::newRow("") << "AnalysesSpearmanRho"
                          << "Spearman-Rho"
                          << "" << true;
        QTest::newRow("") << "FileOpen"
                          << "Open"
                          << "" << true;
        QTest::newRow("") << "FileSave"
                          << "Save"
                          << "" << true;
    }
    void menusCarryTheirCaptionsAndShortcuts() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QFETCH(bool, enabled);
        QAction* item = menuItem(app_->menuBar(), name);
        QVERIFY2(item != nullptr, qPrintable(name));
        QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut(), QKeySequence(shortcut));
        QCOMPARE(item->isEnabled(), enabled);
    }

    void menuTitlesInOrder() {
        QStringList titles;
        for (QAction* menu : app_->menuBar().actions()) {
            titles << menu->text();
        }
        QCOMPARE(titles, QStringList({"File", "Edit", "Data", "Analyses", "Help"}));
        QMenu* analyses = app_->menuBar().actions().at(3)->menu();
        QStringList items;
        for (QAction* item : analyses->actions()) {
            items << item->text();
        }
        QCOMPARE(items, QStringList({"Simulation Test", "Cross Correlation", "Descriptives",
                                     "Autocorrelation", "Pearson-r", "Spearman-Rho"}));
    }

    void quitWithUnsavedDataAsksAndCancelKeepsRunning() {
        Module1::datasaved = false;
        QSignalSpy quitting(app_, &App::quitting);
        AlertSeen seen;
        whenAlertShows([](warning& alert) { alert.PushButton2()->click(); }, &seen);
        QVERIFY(app_->FileQuit_Action());
        QCOMPARE(seen.message, QString("Are you sure you want to Quit without saving your data?"));
        QCOMPARE(seen.button, QString("Quit"));
        QCOMPARE(seen.cancel, QString("Cancel"));
        QCOMPARE(seen.title, QString("Alert"));
        QCOMPARE(quitting.count(), 0);
    }

    void quitConfirmedEndsTheProgram() {
        Module1::datasaved = false;
        QSignalSpy quitting(app_, &App::quitting);
        whenAlertShows([](warning& alert) { alert.pb1()->click(); });
        QVERIFY(app_->FileQuit_Action());
        QCOMPARE(quitting.count(), 1);
    }

    void closingTheDataWindowAsksTheSameQuestions() {
        Module1::datasaved = false;
        QSignalSpy quitting(app_, &App::quitting);
        AlertSeen seen;
        whenAlertShows([](warning& alert) { alert.PushButton2()->click(); }, &seen);
        Window1::instance().close();
        QCOMPARE(seen.message, QString("Are you sure you want to Quit without saving your data?"));
        QCOMPARE(quitting.count(), 0);
        QVERIFY(Window1::instance().isVisible());
    }

    void quitWhileACellIsTypedAsksAboutTheData() {
        Module1::grid().setCell(5, DataGrid::dvColumn, "");
        Module1::datasaved = true;
        QTableView* grid = Window1::instance().ListBox1();
        Window1::instance().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Window1::instance()));
        grid->setCurrentIndex(grid->model()->index(5, DataGrid::dvColumn));
        // The first key opens the cell's editor, which takes the rest.
        QTest::keyClicks(grid, "4");
        QTest::keyClicks(QApplication::focusWidget(), "2");
        QWidget* editor = QApplication::focusWidget();
        QVERIFY2(editor != grid && grid->isAncestorOf(editor), "the cell is being edited");

        AlertSeen seen;
        whenAlertShows([](warning& alert) { alert.PushButton2()->click(); }, &seen);
        QTest::keyClick(editor, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(seen.message, QString("Are you sure you want to Quit without saving your data?"));
        QCOMPARE(Module1::grid().cell(5, DataGrid::dvColumn), std::string("42"));
        Module1::grid().setCell(5, DataGrid::dvColumn, "");
    }

    void quitShortcutReachesQuit() {
        Module1::datasaved = false;
        AlertSeen seen;
        whenAlertShows([](warning& alert) { alert.PushButton2()->click(); }, &seen);
        Window1::instance().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Window1::instance()));
        QTest::keyClick(&Window1::instance(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(seen.message, QString("Are you sure you want to Quit without saving your data?"));
    }

    void alertKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("confirms");
        QTest::newRow("Return presses the accepting button") << int(Qt::Key_Return) << true;
        QTest::newRow("Escape counts as Cancel") << int(Qt::Key_Escape) << false;
    }
    void alertKeys() {
        QFETCH(int, key);
        QFETCH(bool, confirms);
        whenAlertShows([key](warning& alert) { QTest::keyClick(&alert, Qt::Key(key)); });
        QCOMPARE(Module1::ask("Are you sure you want to erase all of the data?", "Delete"),
                 confirms);
    }

    void aLongNoticeShowsWhole() {
        // Two lines of the layout would cut this one short; the window grows instead.
        const std::string notice =
            "The simulated series would have 21 points, but the data have 20 complete pairs. "
            "Please make the N-sizes add up to 20.";
        QRect text;
        QRect label;
        int buttonTop = 0;
        whenAlertShows([&](warning& alert) {
            label = alert.st1()->geometry();
            text = alert.st1()->fontMetrics().boundingRect(QRect(0, 0, label.width(), 10000),
                                                           Qt::AlignCenter | Qt::TextWordWrap,
                                                           alert.st1()->text());
            buttonTop = alert.pb1()->y();
            alert.grab().save(shot("alert-long-notice.png"));
            alert.pb1()->click();
        });
        Module1::notify(notice);
        QVERIFY(text.height() > 38);
        QVERIFY(label.height() >= text.height());
        QVERIFY(buttonTop >= label.bottom());
    }

    void aCellQuotedInANoticeShowsAsTyped() {
        // A pasted cell can hold anything, markup included; the notice shows its characters.
        Qt::TextFormat format = Qt::AutoText;
        whenAlertShows([&](warning& alert) {
            format = alert.st1()->textFormat();
            alert.pb1()->click();
        });
        Module1::notify("Row 1 of Var1(DV) holds \"<b>5</b>\", which is not a number.");
        QCOMPARE(format, Qt::PlainText);
    }

    void closeBoxNeverConfirms() {
        Module1::confirmed = true;
        whenAlertShows([](warning& alert) { alert.close(); });
        QVERIFY(!Module1::ask("Are you sure you want to delete the row?", "Delete"));
    }

    void aboutIsAnItemOfTheHelpMenu() {
        QAction* about = menuItem(app_->menuBar(), "AppleAbout");
        QVERIFY(about != nullptr);
        QCOMPARE(about->text(), QString("About TVK"));
        QCOMPARE(about->menuRole(), QAction::AboutRole);
        QVERIFY(about->isEnabled());
        QMenu* help = app_->menuBar().actions().last()->menu();
        QCOMPARE(help->title(), QString("Help"));
        QVERIFY(help->actions().contains(about));

        QTRY_VERIFY_WITH_TIMEOUT(splashwin::openWindow() == nullptr, 5000);
        about->trigger();
        QVERIFY(splashwin::openWindow() != nullptr);
        QVERIFY(splashwin::openWindow()->isVisible());
    }

    void theProgramIconIsTheWindowIcon() {
        const QIcon icon = QApplication::windowIcon();
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        // The series line crosses the middle of the picture in the program's blue.
        const QImage small = icon.pixmap(QSize(64, 64)).toImage();
        QCOMPARE(small.pixelColor(36, 25), QColor(0x1e, 0x3c, 0x8c));
        if (const QString folder = qEnvironmentVariable("TVK_SHOTS"); !folder.isEmpty()) {
            QVERIFY(icon.pixmap(QSize(256, 256)).save(folder + "/program-icon.png"));
        }
    }

    void aboutTwiceShowsOneSplashThatClosesItself() {
        QTRY_VERIFY_WITH_TIMEOUT(splashwin::openWindow() == nullptr, 5000);
        QVERIFY(!app_->AppleAbout_Action());
        splashwin* first = splashwin::openWindow();
        QVERIFY(first != nullptr);
        QCOMPARE(first->windowTitle(), QString("TVK - Free"));
        QCOMPARE(first->size(), QSize(400, 300));
        QTest::qWait(500);
        app_->AppleAbout_Action();
        QCOMPARE(splashwin::openWindow(), first);
        QElapsedTimer sinceSecond;
        sinceSecond.start();
        QTRY_VERIFY_WITH_TIMEOUT(splashwin::openWindow() == nullptr, 5000);
        QVERIFY2(sinceSecond.elapsed() < 2900, "the second About does not restart the timer");
    }
};

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
