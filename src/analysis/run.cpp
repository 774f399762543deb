#include "analysis/run.h"

#include "framework/runtime.h"
#include "framework/vectorstate.h"

namespace analysis {

AnalysisRun::~AnalysisRun() {
    close();
}

void AnalysisRun::show(const std::string& title, const std::string& sublabel, std::int32_t goal) {
    framework::forgetControlKey();
    progress_.show(title, sublabel, goal);
    // Showing a window lets Qt draw, and what it leaves in the vector registers would slow the
    // loop that follows until its first yield; a short run never reaches one. A caller with no
    // window gains too, since Qt's start-up leaves the same state behind.
    framework::clearUpperVectorState();
    shown_ = true;
}

bool AnalysisRun::carryOn() {
    if (progress_.cancelRequested()) {
        close();
        return false;
    }
    progress_.yield();
    return true;
}

void AnalysisRun::finish(const std::string& report) {
    output_.append(report);
    close();
}

void AnalysisRun::close() {
    if (shown_) {
        shown_ = false;
        progress_.close();
    }
}

} // namespace analysis
