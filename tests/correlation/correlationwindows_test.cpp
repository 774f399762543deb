#include "analysis/reportwindows.h"
#include "app/application.h"
#include "app/menubar.h"
#include "app/outputwindow.h"
#include "app/progresswindow.h"
#include "correlation/pearsondialog.h"
#include "correlation/spearmandialog.h"
#include "data/datawindow.h"
#include "data/module1.h"
#include "framework/random.h"
#include "framework/runtime.h"
#include "support/fakealert.h"
#include "support/gridcells.h"
#include "support/outputwindow.h"
#include "support/shots.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Pairs as a person would type them, with ties and one half-filled row.
void fillGrid() {
    ::fillGrid({{"3", "12"},
                {"5", "15"},
                {"2", "11"},
                {"5", "14"},
                {"", "9"},
                {"7", "18"},
                {"4", "12"},
                {"6", "17"},
                {"3", "13"},
                {"8", "19"},
                {"5", "16"},
                {"2", "10"}});
}

// Types the count into a dialog and presses OK once its modal loop runs.
void runDialog(IterationsDialog& dialog, const QString& iterations) {
    dialog.EditField1()->setText(iterations);
    QTimer::singleShot(0, dialog.PushButton1(), &QPushButton::click);
    dialog.exec();
}

} // namespace

class CorrelationWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        startOnScreen();
        fillGrid();
    }
    void cleanup() {
        framework::setBackgroundTask(nullptr);
        framework::setControlKeyPoll(nullptr);
        closeOutput();
    }

    void bothAnalysesReportSaveAndPrint() {
        FakeAlert alert;
        pearson pearsonDialog;
        pearsonDialog.grab().save(shot("pearson-dialog.png"));
        QCOMPARE(pearsonDialog.windowTitle(), QString("Bootstrapped Pearson-r"));
        QCOMPARE(pearsonDialog.EditField1()->text(), QString("1000"));

        // What the progress window shows while the run goes on, seen from inside its yield.
        QStringList seen;
        framework::setBackgroundTask([&] {
            if (prog* window = prog::openWindow(); window != nullptr && seen.isEmpty()) {
                seen << window->windowTitle() << window->main()->text()
                     << window->sublabel()->text() << window->proggoal()->text()
                     << QString::number(pearsonDialog.PushButton1()->isEnabled());
                window->grab().save(shot("pearson-progress.png"));
            }
        });
        runDialog(pearsonDialog, "2000");
        QCOMPARE(seen, (QStringList{"Progress", "Running Bootstrapped Pearson-r",
                                    "Number of iterations completed", "of 2000", "0"}));
        QVERIFY(prog::openWindow() == nullptr);
        QVERIFY(!pearsonDialog.isVisible());

        spearman spearmanDialog;
        spearmanDialog.grab().save(shot("spearman-dialog.png"));
        QCOMPARE(spearmanDialog.windowTitle(), QString("Bootstrapped Rho"));
        runDialog(spearmanDialog, "105");
        QVERIFY(prog::openWindow() == nullptr);
        QVERIFY(alert.asked.empty());

        stats* output = stats::openWindow();
        QVERIFY(output != nullptr);
        QVERIFY(!Module1::outputsaved);
        const QString text = output->out()->toPlainText();
        QVERIFY(text.startsWith("_________________________\n\nBootstrapped Pearson r\n"));
        QVERIFY(text.contains("Valid N-Size = 11\nMissing Pairwise = 1\n"
                              "Number of iterations = 2000\n\nPearson r = 0.9"));
        QVERIFY(text.contains("\n\n_________________________\n\nBootstrapped Spearman Rho\n"));
        QVERIFY(text.contains("Number of iterations = 105\n\nRho = 0.9"));
        output->grab().save(shot("correlation-output.png"));

        QTemporaryDir folder;
        const QString path = folder.filePath("Output.txt");
        QCOMPARE(output->saveTo(path), std::string());
        QVERIFY(Module1::outputsaved);
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()), text);

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = shot("correlation-output.pdf");
        printer.setOutputFileName(pdf);
        output->printTo(printer);
        QVERIFY(QFile(pdf).size() > 1000);
    }

    void printingBreaksLongOutputIntoPages() {
        std::string lines;
        for (int line = 1; line <= 150; ++line) {
            lines += "line " + std::to_string(line) + "\n";
        }
        outputOnScreen().append(lines);
        QTemporaryDir folder;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath("long.pdf"));
        stats::instance().printTo(printer);
        QFile pdf(folder.filePath("long.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        // 720 points hold fewer than 150 lines of Courier 12 but more than 50.
        const qsizetype pages = pdf.readAll().count("/Type /Page\n");
        QVERIFY2(pages >= 3 && pages <= 4, QByteArray::number(pages));
    }

    void savingThatFailsKeepsTheOutputUnsaved() {
        outputOnScreen().append("report\n");
        QTemporaryDir folder;
        const std::string reason =
            stats::instance().saveTo(folder.filePath("no such folder/Output.txt"));
        QVERIFY(!reason.empty());
        QVERIFY(!Module1::outputsaved);

        // An empty window saves as an empty file.
        stats::instance().out()->clear();
        const QString path = folder.filePath("Output.txt");
        QCOMPARE(stats::instance().saveTo(path), std::string());
        QVERIFY(Module1::outputsaved);
        QCOMPARE(QFile(path).size(), 0);
    }

    void holdingControlClosesProgressAndAppendsNothing() {
        outputOnScreen().append("earlier\n");
        Module1::outputsaved = true;
        framework::setControlKeyPoll([] { return true; });
        for (int analysis = 0; analysis < 2; ++analysis) {
            pearson pearsonDialog;
            spearman spearmanDialog;
            runDialog(analysis == 0 ? static_cast<IterationsDialog&>(pearsonDialog)
                                    : spearmanDialog,
                      "1000");
            QVERIFY(prog::openWindow() == nullptr);
            QCOMPARE(stats::instance().out()->toPlainText(), QString("earlier\n"));
            QVERIFY(Module1::outputsaved);
        }
    }

    void notEnoughDataLeavesNoProgressWindow() {
        FakeAlert alert;
        clearGrid();
        Module1::grid().setCell(1, DataGrid::dvColumn, "1");
        Module1::grid().setCell(1, DataGrid::phaseColumn, "2");
        spearman dialog;
        runDialog(dialog, "100");
        QCOMPARE(alert.asked, std::vector<std::string>{"Not enough data to run these analyses."});
        QVERIFY(prog::openWindow() == nullptr);
        QVERIFY(stats::openWindow() == nullptr);
        QVERIFY(!dialog.isVisible());
    }

    void iterationFieldTakesDigitsAndEditingKeysOnly() {
        pearson dialog;
        QLineEdit* field = dialog.EditField1();
        field->setFocus();
        field->end(false);
        QTest::keyClicks(field, "5a.-e");
        QTest::keyClick(field, Qt::Key_Tab);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->text(), QString("10005"));
        QTest::keyClick(field, Qt::Key_Left);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Delete);
        QCOMPARE(field->text(), QString("100"));
    }

    void appendGoesToTheEndWhateverIsSelected() {
        outputOnScreen().append("first block\n");
        stats& output = stats::instance();
        QTextCursor selection(output.out()->document());
        selection.setPosition(2);
        selection.setPosition(5, QTextCursor::KeepAnchor);
        output.out()->setTextCursor(selection);
        outputOnScreen().append("second block\n");
        QCOMPARE(output.out()->toPlainText(), QString("first block\nsecond block\n"));
        QCOMPARE(output.out()->textCursor().selectedText(), QString("rst"));
    }

    void closeAndClearAskWhileUnsaved() {
        FakeAlert alert;
        outputOnScreen().append("kept\n");
        stats* output = stats::openWindow();

        alert.answer({false});
        output->PushButton4()->click();
        QCOMPARE(output->out()->toPlainText(), QString("kept\n"));
        alert.answer({true});
        output->PushButton4()->click();
        QCOMPARE(output->out()->toPlainText(), QString());
        QVERIFY(Module1::outputsaved);
        // Nothing unsaved: Clear asks nothing.
        output->PushButton4()->click();

        output->out()->insertPlainText("x");
        alert.answer({false});
        output->PushButton3()->click();
        QCOMPARE(stats::openWindow(), output);
        alert.answer({true});
        output->PushButton3()->click();
        QVERIFY(stats::openWindow() == nullptr);
        QVERIFY(Module1::outputsaved);

        QCOMPARE(alert.asked,
                 (std::vector<std::string>{
                     "Are you sure you want to clear the window without saving your output?",
                     "Are you sure you want to clear the window without saving your output?",
                     "Are you sure you want to close the window without saving your output?",
                     "Are you sure you want to close the window without saving your output?"}));
        QCOMPARE(alert.buttons, (std::vector<std::string>{"Clear", "Clear", "Close", "Close"}));

        // A later append opens a new window that holds only the new block.
        outputOnScreen().append("new\n");
        QCOMPARE(stats::instance().out()->toPlainText(), QString("new\n"));
    }

    void menuItemsOpenTheDialogs() {
        App app;
        app.start();
        for (const auto& [item, title] : {std::pair{"AnalysesPearsonr", "Bootstrapped Pearson-r"},
                                          std::pair{"AnalysesSpearmanRho", "Bootstrapped Rho"}}) {
            QString seenTitle;
            QTimer::singleShot(50, [&] {
                if (auto* dialog =
                        qobject_cast<IterationsDialog*>(QApplication::activeModalWidget())) {
                    seenTitle = dialog->windowTitle();
                    dialog->PushButton2()->click();
                }
            });
            menuItem(app.menuBar(), item)->trigger();
            QCOMPARE(seenTitle, QString(title));
        }
        delete &Window1::instance();
    }
};

QTEST_MAIN(CorrelationWindowsTest)
#include "correlationwindows_test.moc"
