#include "analysis/numerickeys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace analysis {

namespace {

class KeyFilter final : public QObject {
  public:
    KeyFilter(QLineEdit& field, NumericKeys keys) : QObject(&field), keys_(keys) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            return swallowsKey(keys_, key->key(), key->text());
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    NumericKeys keys_;
};

} // namespace

bool swallowsKey(NumericKeys keys, int key, const QString& text) {
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return false;
    default:
        break;
    }
    if (text.size() != 1) {
        return true;
    }
    const QChar typed = text[0];
    if (typed >= '0' && typed <= '9') {
        return false;
    }
    return !(keys == NumericKeys::SignedDecimal && (typed == '-' || typed == '.'));
}

void filterKeys(QLineEdit& field, NumericKeys keys) {
    field.installEventFilter(new KeyFilter(field, keys));
}

} // namespace analysis
