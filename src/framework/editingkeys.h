#pragma once

class QKeyEvent;

namespace framework {

// True for the keys that insert no character into a text field: Home, End and the arrows (with
// Shift they select), Select All, and cut, copy and paste. A key filter that judges the typed
// characters lets these through, so the cursor, the selection and the clipboard work as in
// every other field; what a paste brings is judged where the text is read.
bool insertsNoCharacter(const QKeyEvent& event);

} // namespace framework
