#include "framework/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace framework {

void centreOnScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
}

namespace {

// The start of a span of the given length moved just far enough to lie in [low, high), or at low
// when it is longer than that.
int keptWithin(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

} // namespace

SideBySide sideBySide(const QRect& firstFrame, const QSize& secondFrame, const QRect& available) {
    const int right = available.left() + available.width();
    const int bottom = available.top() + available.height();
    const int pairWidth = firstFrame.width() + secondFrame.width();
    const int pairHeight = std::max(firstFrame.height(), secondFrame.height());

    const int top = keptWithin(firstFrame.top(), pairHeight, available.top(), bottom);
    const int firstLeft = keptWithin(firstFrame.left(), pairWidth, available.left(), right);
    // On a screen narrower than the pair the second overlaps the first rather than leave it.
    const int secondLeft = keptWithin(firstLeft + firstFrame.width(), secondFrame.width(),
                                      available.left(), right);
    return {QPoint(firstLeft, top), QPoint(secondLeft, top)};
}

} // namespace framework
