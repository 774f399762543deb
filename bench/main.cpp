#include "framework/qtruntime.h"

#include <QApplication>
#include <QLabel>

#include <benchmark/benchmark.h>

// The analyses run as the dialog runs them: with the progress window on screen and the event
// loop's yield and Control-key poll installed. Offscreen unless a platform is chosen. A window is
// open before the first analysis runs, as the data window is in the program, so that the first
// run pays for its own window only and not for the first window Qt ever makes.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    framework::installQtRuntime();
    QLabel openWindow("Data");
    openWindow.show();
    QApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
