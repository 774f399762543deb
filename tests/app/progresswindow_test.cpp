#include "app/progresswindow.h"

#include <QLabel>
#include <QtTest>

// What the progress window shows while a run goes on.
class ProgressWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void showsWhatRunsAndChangesItAtOnce() {
        Module1::Progress& progress = progressOnScreen();
        progress.show("Running Descriptives", "Number of iterations completed", 5000);
        prog* window = prog::openWindow();
        QVERIFY(window != nullptr);
        QCOMPARE(window->main()->text(), QString("Running Descriptives"));
        QCOMPARE(window->proggoal()->text(), QString("of 5000"));

        progress.setMainLabel("Sorting Data");
        QCOMPARE(window->main()->text(), QString("Sorting Data"));

        // However the counter is throttled, the goal is always shown.
        progress.setCount(1);
        progress.setCount(5000);
        QCOMPARE(window->prognum()->text(), QString("5000"));

        progress.close();
        QVERIFY(prog::openWindow() == nullptr);
        // Without a window, nothing is shown and nothing fails.
        progress.setMainLabel("Sorting Data");
        progress.setCount(3);
    }
};

QTEST_MAIN(ProgressWindowTest)
#include "progresswindow_test.moc"
