#include "support/fakealert.h"

#include <gtest/gtest.h>

namespace {

TEST(Alert, QuestionCarriesItsTextAndButton) {
    FakeAlert alert;
    alert.answer({true});
    EXPECT_TRUE(Module1::ask("Are you sure you want to erase all of the data?", "Delete"));
    EXPECT_EQ(Module1::message, "Are you sure you want to erase all of the data?");
    EXPECT_EQ(Module1::button, "Delete");
}

TEST(Alert, AStaleAnswerNeverConfirmsTheNextQuestion) {
    FakeAlert alert;
    alert.answer({true, false});
    ASSERT_TRUE(Module1::ask("Are you sure you want to delete the row?", "Delete"));
    EXPECT_FALSE(Module1::ask("Are you sure you want to delete the row?", "Delete"))
        << "a window closed without pressing a button counts as Cancel";
}

TEST(Alert, NoticeHasAnOkButton) {
    FakeAlert alert;
    Module1::notify("Not enough data to run these analyses.");
    ASSERT_EQ(alert.buttons.size(), 1U);
    EXPECT_EQ(alert.buttons[0], "OK");
}

} // namespace
