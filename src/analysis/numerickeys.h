#pragma once

#include <QObject>

class QLineEdit;
class QKeyEvent;

namespace analysis {

// Which characters a numeric field of a dialog lets through as they are typed; backspace,
// delete and the keys that insert no character (framework::insertsNoCharacter) always pass.
enum class NumericKeys {
    Digits,        // "0123456789"
    SignedDecimal, // "0123456789-."
};

// Swallows the keys the field does not allow, as they are typed. Pasted text is not filtered.
void filterKeys(QLineEdit& field, NumericKeys keys);

} // namespace analysis
