#include "framework/runtime.h"

#include <utility>

namespace framework {

namespace {

std::function<void()>& backgroundTask() {
    static std::function<void()> task;
    return task;
}

std::function<bool()>& controlKeyPoll() {
    static std::function<bool()> poll;
    return poll;
}

} // namespace

void RuntimeBackgroundTask() {
    if (backgroundTask()) {
        backgroundTask()();
    }
}

bool AsyncControlKey() {
    return controlKeyPoll() && controlKeyPoll()();
}

void setBackgroundTask(std::function<void()> task) {
    backgroundTask() = std::move(task);
}

void setControlKeyPoll(std::function<bool()> poll) {
    controlKeyPoll() = std::move(poll);
}

} // namespace framework
