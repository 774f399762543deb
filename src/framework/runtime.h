#pragma once

#include <functional>
#include <string>

// What the core asks of the event loop, the keyboard, the speaker and the message box. The window
// layer installs the real ones; tests install their own.
namespace framework {

// Lets pending events run; cheap, the installed hook decides whether anything happens.
void RuntimeBackgroundTask();

// True while the Control key is held.
bool AsyncControlKey();

// Forgets what the Control key poll remembers, so that a run that starts now is not cancelled
// by a press that cancelled the one before.
void forgetControlKey();

// The system's alert sound.
void Beep();

// A plain modal message with one OK button; returns when it is dismissed.
void showMessage(const std::string& text);

void setBackgroundTask(std::function<void()> task);
// forget clears whatever the poll caches between two asks.
void setControlKeyPoll(std::function<bool()> poll, std::function<void()> forget = {});
void setBeep(std::function<void()> beep);
void setMessageBox(std::function<void(const std::string&)> box);

} // namespace framework
