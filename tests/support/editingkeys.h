#pragma once

#include <QKeyCombination>
#include <QTest>
#include <QWidget>

#include <vector>

// Keys that insert no character, typed into a number field that starts as "1000" with the
// cursor after its first digit, and the text they leave; the last cases show that a letter is
// still swallowed and a digit still let in.
struct EditingKeyCase {
    const char* name;
    std::vector<QKeyCombination> keys;
    const char* text;
};

inline const std::vector<EditingKeyCase>& editingKeyCases() {
    static const std::vector<EditingKeyCase> cases{
        {"End, then a digit appends it", {Qt::Key_End, Qt::Key_9}, "10009"},
        {"Home, then a digit prepends it", {Qt::Key_Home, Qt::Key_9}, "91000"},
        {"Ctrl+A, then a digit replaces the text",
         {Qt::ControlModifier | Qt::Key_A, Qt::Key_9},
         "9"},
        {"Shift+End selects to the end", {Qt::ShiftModifier | Qt::Key_End, Qt::Key_9}, "19"},
        {"Shift+Home selects to the start", {Qt::ShiftModifier | Qt::Key_Home, Qt::Key_9}, "9000"},
        {"Shift+Right selects a digit", {Qt::ShiftModifier | Qt::Key_Right, Qt::Key_9}, "1900"},
        {"copy and paste",
         {Qt::ControlModifier | Qt::Key_A, Qt::ControlModifier | Qt::Key_C, Qt::Key_End,
          Qt::ControlModifier | Qt::Key_V},
         "10001000"},
        {"cut", {Qt::ShiftModifier | Qt::Key_End, Qt::ControlModifier | Qt::Key_X}, "1"},
        {"a letter is still swallowed", {Qt::Key_X, Qt::Key_5}, "15000"},
    };
    return cases;
}

inline void typeKeys(QWidget* widget, const std::vector<QKeyCombination>& keys) {
    for (const QKeyCombination key : keys) {
        QTest::keyClick(widget, key.key(), key.keyboardModifiers());
    }
}
