#pragma once

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

// True when the field shows the whole of its text: the text is no wider than the room inside
// the field's frame, less the 2 pixels a line edit keeps at each side and its cursor.
inline bool showsWholeText(const QLineEdit& field) {
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.rect = field.rect();
    option.lineWidth =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field)
                         : 0;
    const QRect contents =
        field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    const QMargins margins = field.textMargins();
    const int room = contents.width() - margins.left() - margins.right() - 2 * 2 - 1;
    return field.fontMetrics().horizontalAdvance(field.text()) <= room;
}
