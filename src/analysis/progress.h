#pragma once

#include "framework/runtime.h"

#include <cstdint>
#include <string>

namespace Module1 {

// What a long analysis shows while it runs and asks between its iterations. The progress
// window implements it; tests record what it was told.
class Progress {
  public:
    virtual ~Progress() = default;

    // Shows the window with what runs, the line under it and the goal, and the count at 0.
    virtual void show(const std::string& title, const std::string& sublabel, std::int32_t goal) = 0;
    // Says what runs now ("Sorting Data"), shown at once.
    virtual void setMainLabel(const std::string& title) = 0;
    // The number of iterations done so far.
    virtual void setCount(std::int32_t done) = 0;
    // The run has ended, completed or cancelled.
    virtual void close() = 0;

    // Lets the windows repaint while the run goes on.
    virtual void yield() { framework::RuntimeBackgroundTask(); }
    // True while the user holds the Control key to cancel.
    virtual bool cancelRequested() { return framework::AsyncControlKey(); }
};

} // namespace Module1
