#include "framework/editingkeys.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace framework {

bool insertsNoCharacter(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        break;
    }
    for (const QKeySequence::StandardKey key :
         {QKeySequence::SelectAll, QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste}) {
        if (event.matches(key)) {
            return true;
        }
    }
    return false;
}

} // namespace framework
