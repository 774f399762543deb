#include "app/splashwindow.h"

#include "framework/implicitinstance.h"
#include "framework/layoutfont.h"
#include "framework/windowplacement.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <array>

namespace {

constexpr int splashWidth = 400;
constexpr int splashHeight = 300;
constexpr int closeAfterMilliseconds = 3000;

framework::ImplicitInstance<splashwin> theSplash;

// A small two-phase series: a flat baseline, then a rise after the treatment starts.
void drawSeriesSketch(QPainter& painter, const QRectF& area) {
    constexpr std::array<double, 14> values{3.0, 3.6, 2.8, 3.3, 3.1, 2.7, 3.4,
                                            5.2, 5.9, 6.4, 6.1, 7.0, 6.8, 7.4};
    constexpr int phaseBStart = 7;
    constexpr double top = 8.0;
    const double step = area.width() / static_cast<double>(values.size() - 1);
    auto pointAt = [&](std::size_t i) {
        return QPointF(area.left() + step * static_cast<double>(i),
                       area.bottom() - values[i] / top * area.height());
    };

    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topLeft());

    const double divider = area.left() + step * (phaseBStart - 0.5);
    painter.setPen(QPen(QColor(200, 60, 60), 1.5, Qt::DashLine));
    painter.drawLine(QPointF(divider, area.top()), QPointF(divider, area.bottom()));

    auto phaseMean = [&](std::size_t from, std::size_t to) {
        double sum = 0;
        for (std::size_t i = from; i < to; ++i) {
            sum += values[i];
        }
        return sum / static_cast<double>(to - from);
    };
    painter.setPen(QPen(QColor(40, 140, 60), 1.5));
    const double meanA = area.bottom() - phaseMean(0, phaseBStart) / top * area.height();
    const double meanB =
        area.bottom() - phaseMean(phaseBStart, values.size()) / top * area.height();
    painter.drawLine(QPointF(area.left(), meanA), QPointF(divider, meanA));
    painter.drawLine(QPointF(divider, meanB), QPointF(area.right(), meanB));

    QPainterPath line;
    line.moveTo(pointAt(0));
    for (std::size_t i = 1; i < values.size(); ++i) {
        line.lineTo(pointAt(i));
    }
    painter.setPen(QPen(QColor(30, 60, 140), 2));
    painter.drawPath(line);
    painter.setBrush(QColor(30, 60, 140));
    for (std::size_t i = 0; i < values.size(); ++i) {
        painter.drawEllipse(pointAt(i), 3.0, 3.0);
    }

    painter.setFont(framework::layoutFont("Times", 14, true));
    painter.setPen(QColor(60, 60, 60));
    painter.drawText(QRectF(area.left(), area.top() - 18, divider - area.left(), 16),
                     Qt::AlignCenter, "A");
    painter.drawText(QRectF(divider, area.top() - 18, area.right() - divider, 16), Qt::AlignCenter,
                     "B");
}

QPixmap drawSplashPicture() {
    QPixmap picture(splashWidth, splashHeight);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient background(0, 0, 0, splashHeight);
    background.setColorAt(0, QColor(250, 250, 255));
    background.setColorAt(1, QColor(215, 225, 245));
    painter.fillRect(picture.rect(), background);

    painter.setFont(framework::layoutFont("Times", 52, true));
    painter.setPen(QColor(20, 40, 100));
    painter.drawText(QRect(0, 18, splashWidth, 56), Qt::AlignCenter, "TVK");

    painter.setFont(framework::layoutFont("Times", 17));
    painter.setPen(QColor(50, 50, 70));
    painter.drawText(QRect(0, 74, splashWidth, 24), Qt::AlignCenter,
                     "Single-case time series analysis");

    drawSeriesSketch(painter, QRectF(60, 130, 280, 120));

    painter.setFont(framework::layoutFont("Times", 14));
    painter.setPen(QColor(80, 80, 90));
    painter.drawText(QRect(0, 268, splashWidth, 20), Qt::AlignCenter, "Free edition");
    return picture;
}

} // namespace

const QPixmap& TVK_Splash() {
    // Released with the application object, while the windowing system is still there.
    static QPixmap* picture = nullptr;
    if (picture == nullptr) {
        picture = new QPixmap(drawSplashPicture());
        qAddPostRoutine([] {
            delete picture;
            picture = nullptr;
        });
    }
    return *picture;
}

splashwin::splashwin()
    : QWidget(nullptr,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("TVK - Free");
    setFixedSize(splashWidth, splashHeight);
    framework::centreOnScreen(*this);
    auto* timer1 = new QTimer(this);
    timer1->setObjectName("Timer1");
    timer1->setSingleShot(true);
    timer1->setInterval(closeAfterMilliseconds);
    connect(timer1, &QTimer::timeout, this, &splashwin::Timer1_Action);
    timer1->start();
}

splashwin* splashwin::openWindow() {
    return theSplash.open();
}

void splashwin::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, TVK_Splash());
}

void splashwin::Timer1_Action() {
    close();
}

void showSplashWindow() {
    splashwin& window = theSplash.get([] { return new splashwin; });
    window.show();
    window.raise();
}
