#include "figure/figurepainter.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QString>

namespace {

using figure::pictureHeight;
using figure::pictureWidth;

constexpr int penSize = 3;
constexpr int dotSize = 8;

const QColor white(255, 255, 255);
const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QColor green(0, 255, 0);
const QColor grey(100, 100, 100);
const QColor cyan(0, 255, 255);
const QColor magenta(255, 0, 255);
const QColor black(0, 0, 0);

void usePen(QPainter& painter, const QColor& colour) {
    painter.setPen(QPen(colour, penSize, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
}

// Lines along the picture's rows and columns stand on pixel centres, so the 3-pixel pen covers
// the given row (or column) and one on either side, crisp in a bitmap.
void drawRowLine(QPainter& painter, int fromX, int toX, int y) {
    painter.drawLine(QPointF(fromX, y + 0.5), QPointF(toX, y + 0.5));
}

void drawColumnLine(QPainter& painter, int x, int fromY, int toY) {
    painter.drawLine(QPointF(x + 0.5, fromY), QPointF(x + 0.5, toY));
}

void drawLabels(QPainter& painter, const figure::FigureGeometry& geometry,
                const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const figure::Pixel anchor = geometry.labelAnchors[i];
        painter.drawText(QPointF(anchor.x, anchor.y), QString::fromStdString(texts[i]));
    }
}

void drawBorder(QPainter& painter) {
    usePen(painter, black);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The border lies inside the picture, as wide as every other line.
    const double inset = penSize / 2.0;
    painter.drawRect(QRectF(inset, inset, pictureWidth - penSize, pictureHeight - penSize));
}

// The notice in the middle of the picture, in lines that fit it; the window shows the picture
// at half its size, so the letters are twice as tall as the window's own.
void drawNotice(QPainter& painter, const std::string& notice) {
    constexpr int noticePixels = 28;
    constexpr int margin = 60;
    QFont font = QGuiApplication::font();
    font.setPixelSize(noticePixels);
    painter.setFont(font);
    painter.setPen(black);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.drawText(QRectF(margin, margin, pictureWidth - 2 * margin, pictureHeight - 2 * margin),
                     Qt::AlignCenter | Qt::TextWordWrap, QString::fromStdString(notice));
}

} // namespace

void paintFigure(QPainter& painter, const figure::FigureGeometry& geometry,
                 const figure::FigureOptions& options) {
    painter.save();
    painter.setClipRect(0, 0, pictureWidth, pictureHeight);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(0, 0, pictureWidth, pictureHeight, white);
    if (!geometry.notice.empty()) {
        drawNotice(painter, geometry.notice);
        drawBorder(painter);
        painter.restore();
        return;
    }

    if (geometry.splitX) {
        usePen(painter, red);
        drawColumnLine(painter, *geometry.splitX, 0, pictureHeight);
    }
    if (options.showMean) {
        usePen(painter, blue);
        drawRowLine(painter, 0, pictureWidth, figure::meanRow);
    }
    if (options.showSigmas) {
        usePen(painter, green);
        for (const int y : geometry.sigmaRows) {
            drawRowLine(painter, 0, pictureWidth, y);
        }
    }
    if (options.phaseMeans) {
        usePen(painter, grey);
        for (const figure::HorizontalLine& line : geometry.phaseMeanLines) {
            drawRowLine(painter, line.fromX, line.toX, line.y);
        }
    }
    if (options.phaseSigmas) {
        usePen(painter, cyan);
        for (const figure::HorizontalLine& line : geometry.phaseSigmaLines) {
            drawRowLine(painter, line.fromX, line.toX, line.y);
        }
    }
    if (options.showNumbers || options.showValues) {
        QFont font = QGuiApplication::font();
        font.setPixelSize(options.textSize);
        painter.setFont(font);
        painter.setPen(magenta);
        if (options.showNumbers) {
            drawLabels(painter, geometry, geometry.numberTexts);
        }
        if (options.showValues) {
            drawLabels(painter, geometry, geometry.valueTexts);
        }
    }

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(black);
    for (const figure::Pixel& dot : geometry.dots) {
        painter.drawEllipse(QRectF(dot.x, dot.y, dotSize, dotSize));
    }
    usePen(painter, black);
    painter.setBrush(Qt::NoBrush);
    for (const figure::Segment& segment : geometry.connections) {
        painter.drawLine(QPointF(segment.from.x + 0.5, segment.from.y + 0.5),
                         QPointF(segment.to.x + 0.5, segment.to.y + 0.5));
    }

    drawBorder(painter);
    painter.restore();
}
