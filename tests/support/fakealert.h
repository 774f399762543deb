#pragma once

#include "analysis/alert.h"
#include "data/module1.h"

#include <deque>
#include <string>
#include <vector>

// Answers alert questions from a script and records what was asked. An answer of false leaves
// Module1::confirmed as the protocol set it, as closing the window with its close box does.
class FakeAlert final : public Module1::AlertWindow {
  public:
    FakeAlert() { Module1::setAlertWindow(this); }
    ~FakeAlert() override { Module1::setAlertWindow(nullptr); }

    void answer(const std::vector<bool>& answers) {
        answers_.assign(answers.begin(), answers.end());
    }

    void showModal() override {
        asked.push_back(Module1::message);
        buttons.push_back(Module1::button);
        if (!answers_.empty()) {
            if (answers_.front()) {
                Module1::confirmed = true;
            }
            answers_.pop_front();
        }
    }

    std::vector<std::string> asked;
    std::vector<std::string> buttons;

  private:
    std::deque<bool> answers_;
};
