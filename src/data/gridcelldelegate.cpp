#include "data/gridcelldelegate.h"

#include "data/cellkeys.h"
#include "data/module1.h"
#include "framework/editingkeys.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QPainter>

namespace {

int cellKeyCode(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Tab:
        return Module1::keyTab;
    case Qt::Key_Left:
        return Module1::keyLeft;
    case Qt::Key_Right:
        return Module1::keyRight;
    case Qt::Key_Up:
        return Module1::keyUp;
    case Qt::Key_Down:
        return Module1::keyDown;
    case Qt::Key_Backspace:
        return Module1::keyBackspace;
    case Qt::Key_Delete:
        return Module1::keyDelete;
    default:
        break;
    }
    const QString text = event.text();
    return text.isEmpty() ? 0 : static_cast<int>(text.front().unicode());
}

// Keys the editor keeps for its own text: the cursor keys, selection (Shift with Left, Right,
// Home or End), Select All and the clipboard. Up, Down and the plain Left and Right move the
// editor to the neighbouring cell.
bool editsWithinTheCell(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        return false;
    case Qt::Key_Left:
    case Qt::Key_Right:
        return event.modifiers().testFlag(Qt::ShiftModifier);
    default:
        return framework::insertsNoCharacter(event);
    }
}

} // namespace

GridCellDelegate::GridCellDelegate(QAbstractItemView* view)
    : QStyledItemDelegate(view), view_(view) {}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    painter->setPen(QPen(Qt::black, 2));
    const QRect& r = option.rect;
    if (index.row() == 0) {
        painter->drawLine(r.bottomLeft(), r.bottomRight());
    }
    if (index.column() == 0) {
        painter->drawLine(r.topRight(), r.bottomRight());
    }
    painter->restore();
}

bool GridCellDelegate::eventFilter(QObject* editor, QEvent* event) {
    auto* editorWidget = qobject_cast<QWidget*>(editor);
    if (editorWidget == nullptr) {
        return QStyledItemDelegate::eventFilter(editor, event);
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // Menu shortcuts (Ctrl+D, Ctrl+1, ...) stay the application's while a cell is edited.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers().testFlag(Qt::ControlModifier)) {
            event->ignore();
            return true;
        }
        return QStyledItemDelegate::eventFilter(editor, event);
    }
    if (event->type() != QEvent::KeyPress) {
        return QStyledItemDelegate::eventFilter(editor, event);
    }
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (editsWithinTheCell(key)) {
        return QStyledItemDelegate::eventFilter(editor, event);
    }
    const QModelIndex current = view_->currentIndex();
    const auto outcome =
        Module1::ListBox1_CellKeyDown(current.row(), current.column(), cellKeyCode(key));
    if (outcome.openCell) {
        const QModelIndex target = current.model()->index(Module1::myrow, Module1::mycolumn);
        emit commitData(editorWidget);
        emit closeEditor(editorWidget, NoHint);
        view_->setCurrentIndex(target);
        view_->edit(target);
    }
    return outcome.consumed;
}
