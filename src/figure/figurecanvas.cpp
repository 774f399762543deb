#include "figure/figurecanvas.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

FigureCanvas::FigureCanvas(const QImage& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FigureCanvas::paintEvent(QPaintEvent*) {
    // A repaint only scales the picture; the figure is drawn when the data or an option changes.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture_);
}

void FigureCanvas::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit mouseDown(at.x(), at.y());
}
