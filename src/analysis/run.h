#pragma once

#include "analysis/output.h"
#include "analysis/progress.h"

#include <cstdint>
#include <string>

namespace analysis {

// One run of an analysis from the moment its progress window shows: the loops with their
// counter, yield and Control-key cancel, the one report appended when the run completes, and
// the progress window closed on every way out.
class AnalysisRun {
  public:
    AnalysisRun(Module1::Progress& progress, Module1::Output& output)
        : progress_(progress), output_(output) {}
    ~AnalysisRun();
    AnalysisRun(const AnalysisRun&) = delete;
    AnalysisRun& operator=(const AnalysisRun&) = delete;

    void show(const std::string& title, const std::string& sublabel, std::int32_t goal);
    void setMainLabel(const std::string& title) { progress_.setMainLabel(title); }

    // Calls step(i) for i = 1..count. After each step the counter shows countedBefore + i when
    // that is a multiple of counterEvery or i is the last, then Control is polled and the event
    // loop may run. False when Control cancelled the run; the progress window is closed then.
    // countedBefore lets a run that iterates block after block count on from one to the next.
    template <typename Step>
    bool iterate(std::int32_t count, std::int32_t counterEvery, Step&& step,
                 std::int32_t countedBefore = 0) {
        for (std::int32_t i = 1; i <= count; ++i) {
            step(i);
            const std::int32_t done = countedBefore + i;
            if (done % counterEvery == 0 || i == count) {
                progress_.setCount(done);
            }
            if (!carryOn()) {
                return false;
            }
        }
        return true;
    }

    // For loops of their own: false when Control cancels (the window is closed then); otherwise
    // lets the event loop run.
    bool carryOn();

    // Appends the report and closes the progress window.
    void finish(const std::string& report);

  private:
    void close();

    Module1::Progress& progress_;
    Module1::Output& output_;
    bool shown_ = false;
};

} // namespace analysis
