#pragma once

#include <QObject>

class QLineEdit;

namespace analysis {

// Which characters a numeric field of a dialog lets through as they are typed; backspace,
// delete and the arrow keys always pass.
enum class NumericKeys {
    Digits,        // "0123456789"
    SignedDecimal, // "0123456789-."
};

// True when the typed key would be swallowed by a field that allows keys.
bool swallowsKey(NumericKeys keys, int key, const QString& text);

// Swallows the keys the field does not allow, as they are typed. Pasted text is not filtered.
void filterKeys(QLineEdit& field, NumericKeys keys);

} // namespace analysis
