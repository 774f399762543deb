#pragma once

#include <QString>

class QWidget;

// The parts of the runtime that need Qt: the event-loop yield, the Control-key poll and the plain
// message box.
namespace framework {

// Installs the throttled yield, the cached Control-key poll, the beep and the message box behind
// the core's hooks.
void installQtRuntime();

// A plain modal message with one OK button.
void MsgBox(const QString& text, QWidget* parent = nullptr);

} // namespace framework
