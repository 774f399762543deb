#include "analysis/reportwindows.h"

#include <stdexcept>

namespace analysis {

namespace {

Module1::Progress* installedProgress = nullptr;
Module1::Output* installedOutput = nullptr;

template <typename Window> Window& installed(Window* window) {
    if (window == nullptr) {
        throw std::logic_error("an analysis ran before the report windows were installed");
    }
    return *window;
}

} // namespace

void installReportWindows(Module1::Progress* progress, Module1::Output* output) {
    installedProgress = progress;
    installedOutput = output;
}

Module1::Progress& progressWindow() {
    return installed(installedProgress);
}

Module1::Output& outputWindow() {
    return installed(installedOutput);
}

} // namespace analysis
