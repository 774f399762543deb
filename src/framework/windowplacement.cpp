#include "framework/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace framework {

void centreOnScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
}

} // namespace framework
