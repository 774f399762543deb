#include "framework/windowplacement.h"

#include <QtTest>

// Two frames set side by side on a screen: the first stays where the window manager put it
// unless the pair would leave the screen.
class WindowPlacementTest : public QObject {
    Q_OBJECT

  private slots:
    void sideBySide_data() {
        QTest::addColumn<QRect>("first");
        QTest::addColumn<QSize>("second");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("firstAt");
        QTest::addColumn<QPoint>("secondAt");
        const QSize figure(402, 505);
        const QRect screen(0, 0, 1280, 800);
        QTest::newRow("room to the right")
            << QRect(100, 40, 252, 505) << figure << screen << QPoint(100, 40) << QPoint(352, 40);
        QTest::newRow("centred by the window manager")
            << QRect(514, 147, 252, 505) << figure << screen << QPoint(514, 147)
            << QPoint(766, 147);
        QTest::newRow("too far right: the pair moves left")
            << QRect(1000, 40, 252, 505) << figure << screen << QPoint(626, 40) << QPoint(878, 40);
        QTest::newRow("too low: the pair moves up")
            << QRect(0, 500, 252, 505) << figure << screen << QPoint(0, 295) << QPoint(252, 295);
        QTest::newRow("a taller second window decides the height")
            << QRect(0, 300, 252, 400) << QSize(402, 600) << screen << QPoint(0, 200)
            << QPoint(252, 200);
        QTest::newRow("a panel on the left and top")
            << QRect(0, 0, 252, 505) << figure << QRect(48, 24, 1232, 776) << QPoint(48, 24)
            << QPoint(300, 24);
        QTest::newRow("a screen narrower than the pair: the second overlaps, on screen")
            << QRect(100, 0, 252, 505) << figure << QRect(0, 0, 600, 800) << QPoint(0, 0)
            << QPoint(198, 0);
    }
    void sideBySide() {
        QFETCH(QRect, first);
        QFETCH(QSize, second);
        QFETCH(QRect, available);
        QFETCH(QPoint, firstAt);
        QFETCH(QPoint, secondAt);
        const framework::SideBySide placed = framework::sideBySide(first, second, available);
        QCOMPARE(placed.first, firstAt);
        QCOMPARE(placed.second, secondAt);
    }
};

QTEST_GUILESS_MAIN(WindowPlacementTest)
#include "windowplacement_test.moc"
