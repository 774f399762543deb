#pragma once

#include <string>

// The confirmation protocol: a question or notice is put into Module1::message and
// Module1::button, the alert window is shown modally, and the answer is read from
// Module1::confirmed.
namespace Module1 {

// The window that shows Module1::message with the accepting button Module1::button and
// "Cancel", and sets Module1::confirmed when its accepting button is pressed.
class AlertWindow {
  public:
    virtual ~AlertWindow() = default;
    virtual void showModal() = 0;
};

void setAlertWindow(AlertWindow* window);

// Asks a question; true only when the accepting button was pressed. The answer starts as
// "Cancel", so a window closed any other way never confirms.
bool ask(const std::string& question, const std::string& acceptCaption);

// Shows a notice with "OK"; the caller ends its operation whatever the answer.
void notify(const std::string& notice);

} // namespace Module1
