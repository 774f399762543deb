#include "analysis/reportwindows.h"
#include "app/outputwindow.h"
#include "app/progresswindow.h"
#include "data/module1.h"
#include "support/savedialoganswer.h"
#include "support/shots.h"

#include <QDir>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include <string>

namespace {

// A report block of the usual shape, with a body of the given lines.
std::string report(const std::string& title, int bodyLines) {
    std::string block =
        std::string(25, '_') + "\n\n" + title + "\n" + std::string(25, '_') + "\n\n";
    for (int line = 1; line <= bodyLines; ++line) {
        block += "Line " + std::to_string(line) + " of " + title + "\n";
    }
    return block + "\n" + std::string(36, '_') + "\n\n";
}

} // namespace

// The output window as a person reads it: each new report in sight, report columns unbroken.
class OutputWindowTest : public QObject {
    Q_OBJECT

    stats& output() { return stats::instance(); }
    QPlainTextEdit& out() { return *output().out(); }

  private slots:
    void initTestCase() { analysis::installReportWindows(&progressOnScreen(), &outputOnScreen()); }
    void cleanupTestCase() { analysis::installReportWindows(nullptr, nullptr); }
    void init() { out().clear(); }

    void aNewReportStartsInView() {
        QVERIFY(QTest::qWaitForWindowExposed(&output()));
        int reports = 0;
        while (out().verticalScrollBar()->maximum() == 0) {
            analysis::outputWindow().append(report("Earlier " + std::to_string(++reports), 10));
        }
        // The earlier text more than fills the window, and the user reads it from the top.
        out().verticalScrollBar()->setValue(0);
        analysis::outputWindow().append(report("Newest", 40));
        QApplication::processEvents();

        const QRect viewport = out().viewport()->rect();
        const QTextBlock title = out().document()->find("Newest").block();
        const QTextBlock firstLine = title.previous().previous();
        QCOMPARE(firstLine.text(), QString(25, '_'));
        QVERIFY(firstLine.previous().text().isEmpty());
        const QRect shown = out().cursorRect(QTextCursor(firstLine));
        QVERIFY2(viewport.contains(shown), "the report's first line is in view");
        QVERIFY2(shown.top() < out().fontMetrics().height(), "at the top of the view");
        output().grab().save(shot("output-new-report-in-view.png"));
    }

    void aShortReportAtTheEndIsInViewToo() {
        for (int i = 0; i < 5; ++i) {
            analysis::outputWindow().append(report("Long", 30));
        }
        analysis::outputWindow().append(report("Short", 1));
        QApplication::processEvents();
        const QTextBlock title = out().document()->find("Short").block();
        QVERIFY(out().viewport()->rect().contains(out().cursorRect(QTextCursor(title))));
        QCOMPARE(out().verticalScrollBar()->value(), out().verticalScrollBar()->maximum());
    }

    void reportLinesOf76CharactersStayWhole() {
        // A line as wide as the cross-correlation report's text bars.
        const std::string wide =
            "  -5  -.123  .456 |" + std::string(28, ' ') + "*****" + std::string(23, ' ') + "|";
        QCOMPARE(wide.size(), std::size_t(76));
        analysis::outputWindow().append(report("Cross", 0) + wide + "\n");
        output().resize(600, 480);
        QApplication::processEvents();

        const QFontInfo font(out().font());
        QVERIFY(font.fixedPitch());
        QCOMPARE(font.pixelSize(), 12);
        const QTextBlock line = out().document()->find("*****").block();
        QCOMPARE(line.layout()->lineCount(), 1);
        QTextCursor end(line);
        end.movePosition(QTextCursor::EndOfBlock);
        QVERIFY2(out().viewport()->rect().contains(out().cursorRect(end)),
                 "the whole line fits the window as laid out");
        output().grab().save(shot("output-76-column-line.png"));
    }

    void linesWiderThanTheWindowScrollSideways() {
        analysis::outputWindow().append(std::string(300, '-') + "\n");
        QApplication::processEvents();
        QCOMPARE(out().document()->find(QString(300, '-')).block().layout()->lineCount(), 1);
        QVERIFY(out().horizontalScrollBar()->maximum() > 0);
        QCOMPARE(out().horizontalScrollBar()->value(), 0);
    }

    void savingAddsTheTextExtension() {
        QTemporaryDir folder;
        analysis::outputWindow().append(report("Saved", 1));
        answerSaveDialog(folder.path(), "week1 report");
        output().PushButton2()->click();
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"week1 report.txt"});
        QVERIFY(Module1::outputsaved);
    }
};

QTEST_MAIN(OutputWindowTest)
#include "outputwindow_test.moc"
