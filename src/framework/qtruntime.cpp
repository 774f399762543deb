#include "framework/qtruntime.h"

#include "framework/coarseclock.h"
#include "framework/runtime.h"
#include "framework/vectorstate.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdint>
#include <limits>

namespace framework {

namespace {

constexpr std::int64_t throttleMilliseconds = 15;

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
    static std::int64_t lastCall = std::numeric_limits<std::int64_t>::min() / 2;
    static std::int64_t eventsRan = 0;
    const std::int64_t now = coarseMilliseconds();
    if (now - lastCall > throttleMilliseconds) {
        eventsRan = now;
    }
    lastCall = now;
    if (now - eventsRan < throttleMilliseconds) {
        return;
    }
    QCoreApplication::processEvents();
    clearUpperVectorState();
    eventsRan = lastCall = coarseMilliseconds();
}

struct ControlKeyCache {
    std::int64_t askedAt = std::numeric_limits<std::int64_t>::min() / 2;
    bool held = false;
};

ControlKeyCache& controlKeyCache() {
    static ControlKeyCache cache;
    return cache;
}

bool cachedControlKey() {
    ControlKeyCache& cache = controlKeyCache();
    const std::int64_t now = coarseMilliseconds();
    if (now - cache.askedAt >= throttleMilliseconds) {
        cache.held = QGuiApplication::queryKeyboardModifiers().testFlag(controlKey);
        cache.askedAt = now;
    }
    return cache.held;
}

} // namespace

void installQtRuntime() {
    setBackgroundTask(throttledYield);
    setControlKeyPoll(cachedControlKey, [] { controlKeyCache() = {}; });
    setBeep([] { QApplication::beep(); });
    setMessageBox([](const std::string& text) { MsgBox(QString::fromStdString(text)); });
}

void MsgBox(const QString& text, QWidget* parent) {
    QMessageBox::information(parent, QString(), text, QMessageBox::Ok);
}

} // namespace framework
