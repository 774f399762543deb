#include "framework/runtime.h"

#include <gtest/gtest.h>

namespace {

TEST(Runtime, HooksAnswerForTheEventLoopTheKeyboardAndTheSpeaker) {
    // Nothing installed: every call is harmless and Control is not held.
    framework::RuntimeBackgroundTask();
    framework::forgetControlKey();
    framework::Beep();
    EXPECT_FALSE(framework::AsyncControlKey());

    int beeps = 0;
    int forgotten = 0;
    framework::setBeep([&] { ++beeps; });
    framework::setControlKeyPoll([] { return true; }, [&] { ++forgotten; });
    framework::Beep();
    framework::forgetControlKey();
    EXPECT_TRUE(framework::AsyncControlKey());
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(forgotten, 1);
    framework::setBeep(nullptr);
    framework::setControlKeyPoll(nullptr);
}

} // namespace
