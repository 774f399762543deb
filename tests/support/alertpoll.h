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

inline void whenAlertShows(std::function<void(warning&)> act, AlertSeen* seen = nullptr) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act), seen] {
        auto* alert = qobject_cast<warning*>(QApplication::activeModalWidget());
        if (alert == nullptr) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        if (seen != nullptr) {
            *seen = {alert->st1()->text(), alert->pb1()->text(), alert->PushButton2()->text(),
                     alert->windowTitle()};
        }
        act(*alert);
    });
    poll->start();
}

// Presses the alert's button (confirm) or its cancel button, and records the message with the
// button's caption in brackets.
inline void whenAlertShows(bool confirm, QStringList* messages) {
    whenAlertShows([confirm, messages](warning& alert) {
        messages->append(alert.st1()->text() + " [" + alert.pb1()->text() + "]");
        (confirm ? alert.pb1() : alert.PushButton2())->click();
    });
}
