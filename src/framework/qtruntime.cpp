#include "framework/qtruntime.h"

#include "framework/runtime.h"

#include <QCoreApplication>
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

// A loop lets events run only once it has worked for the throttle time. A call that comes more
// than that time after the previous one starts a new loop, so short loops (a grid load inside an
// edit's handler) never re-enter the event loop, while long ones (an analysis) keep the windows
// alive and the progress counter moving.
void throttledYield() {
    static QElapsedTimer sinceLastCall;
    static QElapsedTimer sinceEventsRan;
    if (!sinceLastCall.isValid() || sinceLastCall.elapsed() > throttleMilliseconds) {
        sinceEventsRan.start();
    }
    sinceLastCall.start();
    if (sinceEventsRan.elapsed() < throttleMilliseconds) {
        return;
    }
    QCoreApplication::processEvents();
    sinceEventsRan.start();
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
    setBackgroundTask(throttledYield);
    setControlKeyPoll(cachedControlKey);
}

void MsgBox(const QString& text, QWidget* parent) {
    QMessageBox::information(parent, QString(), text, QMessageBox::Ok);
}

} // namespace framework
