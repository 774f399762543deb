#include "analysis/run.h"

#include "framework/runtime.h"

namespace analysis {

AnalysisRun::~AnalysisRun() {
    close();
}

void AnalysisRun::show(const std::string& title, const std::string& sublabel, std::int32_t goal) {
    framework::forgetControlKey();
    progress_.show(title, sublabel, goal);
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
