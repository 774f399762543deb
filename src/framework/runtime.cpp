#include "framework/runtime.h"

#include <utility>

namespace framework {

namespace {

struct Hooks {
    std::function<void()> backgroundTask;
    std::function<bool()> controlKeyPoll;
    std::function<void()> forgetControlKey;
    std::function<void()> beep;
    std::function<void(const std::string&)> messageBox;
};

Hooks& hooks() {
    static Hooks installed;
    return installed;
}

void callIfSet(const std::function<void()>& hook) {
    if (hook) {
        hook();
    }
}

} // namespace

void RuntimeBackgroundTask() {
    callIfSet(hooks().backgroundTask);
}

bool AsyncControlKey() {
    return hooks().controlKeyPoll && hooks().controlKeyPoll();
}

void forgetControlKey() {
    callIfSet(hooks().forgetControlKey);
}

void Beep() {
    callIfSet(hooks().beep);
}

void showMessage(const std::string& text) {
    if (hooks().messageBox) {
        hooks().messageBox(text);
    }
}

void setBackgroundTask(std::function<void()> task) {
    hooks().backgroundTask = std::move(task);
}

void setControlKeyPoll(std::function<bool()> poll, std::function<void()> forget) {
    hooks().controlKeyPoll = std::move(poll);
    hooks().forgetControlKey = std::move(forget);
}

void setBeep(std::function<void()> beep) {
    hooks().beep = std::move(beep);
}

void setMessageBox(std::function<void(const std::string&)> box) {
    hooks().messageBox = std::move(box);
}

} // namespace framework
