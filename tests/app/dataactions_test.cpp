#include "app/alertwindow.h"
#include "app/application.h"
#include "app/datafiles.h"
#include "app/menubar.h"
#include "data/datawindow.h"
#include "data/module1.h"
#include "support/alertpoll.h"
#include "support/gridcells.h"
#include "support/savedialoganswer.h"
#include "support/shots.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileOpenEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

// The data commands as a person reaches them: through the menu bar of the Data Window, with the
// real alert window and the clipboard.
class DataActionsTest : public QObject {
    Q_OBJECT

    App* app_ = nullptr;
    QStringList alerts_;

    void choose(const char* item) {
        QAction* action = menuItem(app_->menuBar(), item);
        QVERIFY2(action != nullptr && action->isEnabled(), item);
        action->trigger();
    }
    void chooseAndAnswer(const char* item, bool confirm) {
        whenAlertShows(confirm, &alerts_);
        choose(item);
    }
    static QString shown(int row, int column) {
        return Window1::instance().ListBox1()->model()->index(row, column).data().toString();
    }
    static QString clipboard() { return QGuiApplication::clipboard()->text(); }
    static void selectRow(int row) {
        QTableView* view = Window1::instance().ListBox1();
        view->selectRow(row);
    }
    static void verifyTheSpreadsheetData() {
        const QStringList dv{"12", "14.5", "", "9", "11"};
        const QStringList phase{"0", "0", "0", "1", "1"};
        for (int row = 1; row <= 5; ++row) {
            QCOMPARE(shown(row, 1), dv[row - 1]);
            QCOMPARE(shown(row, 2), phase[row - 1]);
        }
        QCOMPARE(shown(6, 1), QString());
        QCOMPARE(Module1::nvalid, 4);
        QCOMPARE(Module1::missing, 1);
        QCOMPARE(Module1::v[0][2], 14.5);
        QCOMPARE(Module1::v[0][3], 9.0);
        QCOMPARE(Module1::numphases, 2);
        QCOMPARE(Module1::phasen[1], 2);
        QCOMPARE(Module1::phasen[2], 2);
    }

  private slots:
    void initTestCase() {
        app_ = new App;
        app_->start();
        QTRY_VERIFY(Module1::datasaved && Module1::cps == "\n");
    }
    void cleanupTestCase() {
        delete &Window1::instance();
        delete app_;
    }
    void init() {
        alerts_.clear();
        clearGrid();
        Module1::grid().raiseChange();
    }

    void pasteCopyClearAndPasteBack() {
        // Two columns as a spreadsheet puts them on the clipboard: LF line ends, a missing value.
        QGuiApplication::clipboard()->setText("12\t0\n14.5\t0\n\t0\n9\t1\n11\t1\n");
        chooseAndAnswer("EditPasteData", true);
        QCOMPARE(alerts_, QStringList{"Are you sure you want to replace the data with the text "
                                      "from the clipboard? [Replace]"});
        verifyTheSpreadsheetData();
        QVERIFY(!Module1::datasaved);

        QGuiApplication::clipboard()->clear();
        choose("EditCopyBothColumns");
        QCOMPARE(clipboard(), QString("12\t0\n14.5\t0\n\t0\n9\t1\n11\t1\n"));
        QVERIFY(Module1::datasaved);
        choose("EditCopyDVColumn");
        QCOMPARE(clipboard(), QString("12\n14.5\n\n9\n11\n"));
        choose("EditCopyBothColumns");

        chooseAndAnswer("DataClearAllData", false);
        QCOMPARE(shown(1, 1), QString("12"));
        chooseAndAnswer("DataClearAllData", true);
        QCOMPARE(alerts_.last(),
                 QString("Are you sure you want to erase all of the data? [Delete]"));
        for (int row = 1; row <= 5; ++row) {
            QCOMPARE(shown(row, 1), QString());
            QCOMPARE(shown(row, 2), QString());
        }
        QCOMPARE(Module1::nvalid, 0);

        chooseAndAnswer("EditPasteData", true);
        verifyTheSpreadsheetData();
    }

    void pastingNothingOnlySaysSo() {
        Module1::grid().setCell(1, 1, "5");
        Module1::grid().setCell(1, 2, "0");
        Module1::grid().setCell(2, 1, "6");
        const QString nothing("There is nothing on the clipboard to paste. [OK]");
        // An empty clipboard, lines without a value, and a value only where the command does not
        // read one.
        const std::pair<QString, const char*> cases[] = {
            {"", "EditPasteData"},          {"\n \n\t\n", "EditPasteData"},
            {"", "EditPasteDVData"},        {"\t7\n\t8\n", "EditPasteDVData"},
            {"\r\n", "EditPhasePhaseData"}, {"\t7\n", "EditPhasePhaseData"},
        };
        for (const auto& [text, item] : cases) {
            QGuiApplication::clipboard()->setText(text);
            alerts_.clear();
            chooseAndAnswer(item, true);
            QCOMPARE(alerts_, QStringList{nothing});
            QCOMPARE(shown(1, 1), QString("5"));
            QCOMPARE(shown(1, 2), QString("0"));
            QCOMPARE(shown(2, 1), QString("6"));
        }
        // A value where the command reads one is pasted as before, after the question.
        QGuiApplication::clipboard()->setText("\t7\n");
        chooseAndAnswer("EditPasteData", true);
        QCOMPARE(alerts_.last(), QString("Are you sure you want to replace the data with the text "
                                         "from the clipboard? [Replace]"));
        QCOMPARE(shown(1, 1), QString());
        QCOMPARE(shown(1, 2), QString("7"));
    }

    void deleteRowActsOnTheSelectedDataRow() {
        Module1::grid().setCell(1, 1, "1");
        Module1::grid().setCell(2, 1, "2");
        Module1::grid().setCell(3, 1, "3");
        Module1::grid().raiseChange();

        selectRow(0);
        choose("DataDeleteRow");
        choose("DataClearRow");
        QVERIFY2(alerts_.isEmpty(), "the caption row is never deleted or cleared");
        QCOMPARE(shown(0, 1), QString("Var1(DV)"));

        selectRow(2);
        chooseAndAnswer("DataDeleteRow", true);
        QCOMPARE(alerts_, QStringList{"Are you sure you want to delete the row? [Delete]"});
        QCOMPARE(shown(1, 1), QString("1"));
        QCOMPARE(shown(2, 1), QString("3"));
        QCOMPARE(shown(2, 0), QString("2"));
        QCOMPARE(Module1::nvalid, 2);
    }

    void copyDataTakesTheValueBeingTyped() {
        Module1::grid().setCell(1, 1, "3");
        Module1::grid().setCell(1, 2, "0");
        Module1::grid().raiseChange();
        QTableView* grid = Window1::instance().ListBox1();
        Window1::instance().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Window1::instance()));
        grid->setCurrentIndex(grid->model()->index(2, DataGrid::dvColumn));
        // The first key opens the cell's editor, which takes the rest.
        QTest::keyClicks(grid, "7");
        QTest::keyClicks(QApplication::focusWidget(), ".5");
        QVERIFY2(grid->indexWidget(grid->currentIndex()) != nullptr, "the cell is being edited");

        choose("EditCopyBothColumns");
        QCOMPARE(clipboard(), QString("3\t0\n7.5\t\n"));
        QVERIFY(grid->indexWidget(grid->currentIndex()) == nullptr);
        QCOMPARE(shown(2, 1), QString("7.5"));
    }

    void savedFilesCarryTheirExtension_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("data file") << "SaveQTVKDataFile"
                                   << "week1"
                                   << "week1.qtv";
        QTest::newRow("text") << "SaveTabDelimText"
                              << "week1"
                              << "week1.txt";
        QTest::newRow("a text extension of its own") << "SaveTabDelimText"
                                                     << "week1.asc"
                                                     << "week1.asc";
    }
    void savedFilesCarryTheirExtension() {
        QFETCH(QString, item);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QTemporaryDir folder;
        Module1::grid().setCell(1, 1, "5");
        Module1::grid().raiseChange();
        answerSaveDialog(folder.path(), typed);
        choose(qPrintable(item));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{written});
        QVERIFY(Module1::datasaved);
    }

    void aPasteOfTooManyLinesSaysSoAfterwards() {
        QString text;
        for (int line = 1; line <= 205; ++line) {
            text += QString::number(line) + "\n";
        }
        QGuiApplication::clipboard()->setText(text);
        whenAlertShows(true, &alerts_);
        QTimer::singleShot(0, [this] { whenAlertShows(true, &alerts_); });
        choose("EditPasteDVData");
        QCOMPARE(alerts_.size(), 2);
        QCOMPARE(alerts_.last(), QString("Only the first 199 rows were read. [OK]"));
        QCOMPARE(shown(199, 1), QString("199"));
    }

    void aDocumentFromTheDesktopOpensByItsExtension() {
        QTemporaryDir folder;
        const QString file = folder.filePath("data.qtv");
        Module1::grid().setCell(1, 1, "42");
        Module1::grid().setCell(1, 2, "A");
        Module1::saveDataFile(file.toStdString());
        QVERIFY(Module1::datasaved);
        chooseAndAnswer("DataClearAllData", true);
        QVERIFY(!Module1::datasaved);

        whenAlertShows(true, &alerts_);
        QFileOpenEvent event(file);
        QCoreApplication::sendEvent(qApp, &event);
        QCOMPARE(alerts_.last(), QString("Are you sure you want to replace the data with the data "
                                         "from the file? [Replace]"));
        QCOMPARE(shown(1, 1), QString("42"));
        QCOMPARE(shown(1, 2), QString("A"));
        QCOMPARE(shown(2, 1), QString());
    }

    void aCellWithALineBreakIsNotCopied() {
        QGuiApplication::clipboard()->setText("before");
        Module1::grid().setCell(1, 1, "5");
        Module1::grid().setCell(2, 1, "6\n7");
        whenAlertShows([this](warning& alert) {
            alert.grab().save(shot("alert-cell-with-line-break.png"));
            alerts_.append(alert.st1()->text());
            alert.pb1()->click();
        });
        choose("EditCopyBothColumns");
        QCOMPARE(alerts_, QStringList{"Not copied. Row 2 holds a cell with a tab or a line break, "
                                      "which text cannot keep."});
        QCOMPARE(clipboard(), QString("before"));
    }

    void aTextFileTooLargeIsRefused() {
        QTemporaryDir folder;
        const QString file = folder.filePath("large.txt");
        QFile large(file);
        QVERIFY(large.open(QIODevice::WriteOnly));
        QVERIFY(large.write(QByteArray((4 << 20) + 1, '\n')) == (4 << 20) + 1);
        large.close();
        Module1::grid().setCell(1, 1, "5");
        whenAlertShows([this](warning& alert) {
            alert.grab().save(shot("alert-text-file-too-large.png"));
            alerts_.append(alert.st1()->text());
            alert.pb1()->click();
        });
        QFileOpenEvent event(file);
        QCoreApplication::sendEvent(qApp, &event);
        QCOMPARE(
            alerts_,
            QStringList{"This file is larger than 4 MB, too large for a text file of TVK data."});
        QCOMPARE(shown(1, 1), QString("5"));
    }
};

QTEST_MAIN(DataActionsTest)
#include "dataactions_test.moc"
