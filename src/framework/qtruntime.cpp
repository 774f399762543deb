#include "framework/qtruntime.h"

#include "framework/runtime.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMessageBox>

namespace framework {

namespace {

constexpr qint64 throttleMilliseconds = 15;

#ifdef Q_OS_MACOS
constexpr Qt::KeyboardModifier controlKey = Qt::MetaModifier;
#else
constexpr Qt::KeyboardModifier controlKey = Qt::ControlModifier;
#endif

// A loop started from an event handler lets events run only once it has worked for the
// throttle time: the clock restarts whenever the event loop goes idle, so short loops (a grid
// load) never re-enter the event loop and long ones (an analysis) keep the windows alive.
QElapsedTimer& sinceEventsRan() {
    static QElapsedTimer timer;
    return timer;
}

void throttledYield() {
    QElapsedTimer& timer = sinceEventsRan();
    if (timer.isValid() && timer.elapsed() < throttleMilliseconds) {
        return;
    }
    QCoreApplication::processEvents();
    timer.start();
}

bool cachedControlKey() {
    static QElapsedTimer sinceAsked;
    static bool held = false;
    if (!sinceAsked.isValid() || sinceAsked.elapsed() >= throttleMilliseconds) {
        held = QGuiApplication::queryKeyboardModifiers().testFlag(controlKey);
        sinceAsked.start();
    }
    return held;
}

} // namespace

void installQtRuntime() {
    sinceEventsRan().start();
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                         [] { sinceEventsRan().start(); });
    }
    setBackgroundTask(throttledYield);
    setControlKeyPoll(cachedControlKey);
}

void MsgBox(const QString& text, QWidget* parent) {
    QMessageBox::information(parent, QString(), text, QMessageBox::Ok);
}

void Beep() {
    QApplication::beep();
}

} // namespace framework
