#pragma once

#include "app/alertwindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <utility>

// The real alert window, answered from a test. The alert opens inside the command's own modal
// loop, so a timer polls for it and acts once it is on screen.

// What the alert showed.
struct AlertSeen {
    QString message;
    QString button;
    QString cancel;
    QString title;
};

// Acts on the modal window of the given class once it is on screen: such a window opens inside
// the command's own modal loop, so a timer polls for it.
template <typename Window> void whenShown(std::function<void(Window&)> act) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act)] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (window == nullptr) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        act(*window);
    });
    poll->start();
}

inline void whenAlertShows(std::function<void(warning&)> act, AlertSeen* seen = nullptr) {
    whenShown<warning>([act = std::move(act), seen](warning& alert) {
        if (seen != nullptr) {
            *seen = {alert.st1()->text(), alert.pb1()->text(), alert.PushButton2()->text(),
                     alert.windowTitle()};
        }
        act(alert);
    });
}

// Presses the alert's button (confirm) or its cancel button, and records the message with the
// button's caption in brackets.
inline void whenAlertShows(bool confirm, QStringList* messages) {
    whenAlertShows([confirm, messages](warning& alert) {
        messages->append(alert.st1()->text() + " [" + alert.pb1()->text() + "]");
        (confirm ? alert.pb1() : alert.PushButton2())->click();
    });
}
