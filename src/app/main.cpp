#include "app/application.h"
#include "data/datawindow.h"
#include "framework/qtruntime.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("TVK");
    // Windows close only through Quit, which asks about unsaved work first.
    QApplication::setQuitOnLastWindowClosed(false);
    framework::installQtRuntime();

    App app;
    QObject::connect(&app, &App::quitting, &application, [] { QCoreApplication::exit(0); });
    app.start();
    // Files named on the command line open as documents handed over by the desktop, once the
    // program has come up.
    for (const QString& document : QCoreApplication::arguments().mid(1)) {
        QTimer::singleShot(0, &app, [&app, document] { app.Event_OpenDocument(document); });
    }
    const int status = QApplication::exec();
    delete &Window1::instance();
    return status;
}
