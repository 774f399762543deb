#pragma once

#include "framework/conversions.h"

#include <QLineEdit>
#include <QString>

#include <string>

// The small steps every analysis dialog takes with its controls.
namespace analysis {

// Names a control and sets its place in the dialog; returns the control.
template <typename Control>
Control* place(Control* control, const QString& name, int left, int top, int width, int height) {
    control->setObjectName(name);
    control->setGeometry(left, top, width, height);
    return control;
}

// The text of a field as the settings readers take it.
inline std::string textOf(const QLineEdit* field) {
    return field->text().toStdString();
}

// True for a field that holds nothing but blanks: one emptied to be typed again, which has no
// value yet to react to.
inline bool isBlank(const QLineEdit& field) {
    return framework::trimBlanks(textOf(&field)).empty();
}

} // namespace analysis
