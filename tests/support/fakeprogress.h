#pragma once

#include "analysis/output.h"
#include "analysis/progress.h"

#include <cstdint>
#include <string>
#include <vector>

// Records what an analysis told its progress window. The yield and the cancel poll stay those
// of the runtime, so a test holds Control through framework::setControlKeyPoll.
class FakeProgress final : public Module1::Progress {
  public:
    void show(const std::string& title, const std::string& sublabel, std::int32_t goal) override {
        shownTitle = title;
        shownSublabel = sublabel;
        shownGoal = goal;
        ++shows;
    }
    void setMainLabel(const std::string& title) override { mainLabels.push_back(title); }
    void setCount(std::int32_t done) override { counts.push_back(done); }
    void close() override { ++closes; }

    std::string shownTitle;
    std::string shownSublabel;
    std::int32_t shownGoal = 0;
    int shows = 0;
    int closes = 0;
    std::vector<std::string> mainLabels;
    std::vector<std::int32_t> counts;
};

// Keeps every block appended to it.
class FakeOutput final : public Module1::Output {
  public:
    void append(const std::string& block) override { blocks.push_back(block); }
    std::vector<std::string> blocks;
};
