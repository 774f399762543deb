#include "framework/qtruntime.h"

#include <QApplication>

#include <benchmark/benchmark.h>

// The analyses run as the dialog runs them: with the progress window on screen and the event
// loop's yield and Control-key poll installed. Offscreen unless a platform is chosen.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    framework::installQtRuntime();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
