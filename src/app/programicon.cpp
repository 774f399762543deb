#include "app/programicon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

QIcon programIcon() {
    QSvgRenderer drawing(QStringLiteral(":/tvk.svg"));
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap picture(side, side);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        drawing.render(&painter);
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}
