#include "analysis/numerickeys.h"

#include "framework/editingkeys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace analysis {

namespace {

bool swallowsKey(NumericKeys keys, const QKeyEvent& event) {
    if (framework::insertsNoCharacter(event) || event.key() == Qt::Key_Backspace ||
        event.key() == Qt::Key_Delete) {
        return false;
    }
    const QString text = event.text();
    if (text.size() != 1) {
        return true;
    }
    const QChar typed = text[0];
    if (typed >= '0' && typed <= '9') {
        return false;
    }
    return !(keys == NumericKeys::SignedDecimal && (typed == '-' || typed == '.'));
}

class KeyFilter final : public QObject {
  public:
    KeyFilter(QLineEdit& field, NumericKeys keys) : QObject(&field), keys_(keys) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            return swallowsKey(keys_, *static_cast<QKeyEvent*>(event));
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    NumericKeys keys_;
};

} // namespace

void filterKeys(QLineEdit& field, NumericKeys keys) {
    field.installEventFilter(new KeyFilter(field, keys));
}

} // namespace analysis
