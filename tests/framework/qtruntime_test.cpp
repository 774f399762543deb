#include "framework/qtruntime.h"
#include "framework/runtime.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

// The yield long loops call: events wait until the loop has worked for the throttle time, then
// they run, so windows stay alive without a short loop re-entering the event loop.
class QtRuntimeTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { framework::installQtRuntime(); }

    void shortLoopsDoNotRunEvents() {
        QTest::qWait(20);
        bool ran = false;
        QTimer::singleShot(0, this, [&ran] { ran = true; });
        for (int i = 0; i < 100; ++i) {
            framework::RuntimeBackgroundTask();
        }
        QVERIFY2(!ran, "a loop of a few microseconds leaves pending events alone");
        QTest::qWait(0);
        QVERIFY(ran);
    }

    void longLoopsLetEventsRun() {
        QTest::qWait(20);
        bool ran = false;
        QTimer::singleShot(0, this, [&ran] { ran = true; });
        QElapsedTimer busy;
        busy.start();
        while (!ran && busy.elapsed() < 1000) {
            framework::RuntimeBackgroundTask();
        }
        QVERIFY(ran);
        QVERIFY(busy.elapsed() >= 10);
    }
};

QTEST_MAIN(QtRuntimeTest)
#include "qtruntime_test.moc"
