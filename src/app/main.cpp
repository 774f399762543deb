#include "app/application.h"
#include "data/datawindow.h"
#include "framework/qtruntime.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("TVK");
    // Windows close only through Quit, which asks about unsaved work first.
    QApplication::setQuitOnLastWindowClosed(false);
    framework::installQtRuntime();

    App app;
    QObject::connect(&app, &App::quitting, &application, [] { QCoreApplication::exit(0); });
    app.start();
    const int status = QApplication::exec();
    delete &Window1::instance();
    return status;
}
