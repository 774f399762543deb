#pragma once

#include <functional>

// What long loops of the core ask of the event loop and the keyboard. The window layer installs
// the real ones; tests install their own.
namespace framework {

// Lets pending events run; cheap, the installed hook decides whether anything happens.
void RuntimeBackgroundTask();

// True while the Control key is held.
bool AsyncControlKey();

void setBackgroundTask(std::function<void()> task);
void setControlKeyPoll(std::function<bool()> poll);

} // namespace framework
