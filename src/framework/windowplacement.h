#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

namespace framework {

// Places the window in the middle of the main screen.
void centreOnScreen(QWidget& window);

// Where two window frames go when the second stands to the right of the first, their tops level:
// the first stays where it is unless the pair would leave the available area, and both stay
// inside it as far as its size allows.
struct SideBySide {
    QPoint first;
    QPoint second;
};
SideBySide sideBySide(const QRect& firstFrame, const QSize& secondFrame, const QRect& available);

// Runs the action once the window manager has placed the shown window: at the first moment after
// its first exposure when its frame is known, or, when no frame comes (no window manager, or one
// that draws none), a moment after that exposure, with the window where it stands.
void whenPlaced(QWidget& window, std::function<void()> action);

} // namespace framework
