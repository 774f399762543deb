#include "app/application.h"

#include "analysis/reportwindows.h"
#include "app/alertwindow.h"
#include "app/menubar.h"
#include "app/outputwindow.h"
#include "app/programicon.h"
#include "app/progresswindow.h"
#include "app/quit.h"
#include "app/splashwindow.h"
#include "correlation/pearsondialog.h"
#include "correlation/spearmandialog.h"
#include "crosscorrelation/crosswindow.h"
#include "data/datawindow.h"
#include "data/module1.h"
#include "descriptives/autocorrelationdialog.h"
#include "descriptives/descriptivesdialog.h"
#include "figure/window3.h"
#include "simulation/simtest.h"

#include <QAction>
#include <QApplication>
#include <QFileOpenEvent>
#include <QMenuBar>
#include <QSessionManager>
#include <QTimer>

namespace {
App* theApp = nullptr;
}

App::App() {
    theApp = this;
    Module1::setAlertWindow(&alertWindow());
    analysis::installReportWindows(&progressOnScreen(), &outputOnScreen());
    connect(qApp, &QGuiApplication::commitDataRequest, this, &App::commitData);
    qApp->installEventFilter(this);
}

App::~App() {
    Module1::setAlertWindow(nullptr);
    analysis::installReportWindows(nullptr, nullptr);
    theApp = nullptr;
}

App& App::instance() {
    return *theApp;
}

void App::start() {
    QApplication::setWindowIcon(programIcon());
    Window1& dataWindow = Window1::instance();
    menuBar_ = buildMenuBar(&dataWindow);
    dataWindow.setMenuBar(menuBar_);
    ApplicationAddMenuHandlers();
    connect(&dataWindow, &Window1::closeRequested, this, &App::FileQuit_Action);
    dataWindow.show();
    Window3::showBeside(dataWindow);
    connect(&Window3::instance(), &Window3::testRequested, this,
            &App::AnalysesSimulationTest_Action);
    // Open comes once the event loop runs, after the Data Window was built, so the data and the
    // output both start out saved.
    QTimer::singleShot(0, this, &App::Event_Open);
}

QMenuBar& App::menuBar() const {
    return *menuBar_;
}

void App::addMenuHandler(const QString& itemName, std::function<bool()> action) {
    if (QAction* item = menuItem(*menuBar_, itemName)) {
        connect(item, &QAction::triggered, this, [action = std::move(action)] {
            // A value still being typed into the grid counts before any command looks at data.
            Window1::instance().commitOpenEdit();
            action();
        });
    }
}

void App::ApplicationAddMenuHandlers() {
    addMenuHandler("AnalysesDescriptives", [this] { return AnalysesDescriptives_Action(); });
    addMenuHandler("AnalysesPearsonr", [this] { return AnalysesPearsonr_Action(); });
    addMenuHandler("AnalysesSpearmanRho", [this] { return AnalysesSpearmanRho_Action(); });
    addMenuHandler("AnalysesSimulationTest", [this] { return AnalysesSimulationTest_Action(); });
    addMenuHandler("AnalysesAutocorrelation", [this] { return AnalysesAutocorrelation_Action(); });
    addMenuHandler("AnalysesCrossCorrelation",
                   [this] { return AnalysesCrossCorrelation_Action(); });
    addMenuHandler("OpenTabDelimText", [this] { return OpenTabDelimText_Action(); });
    addMenuHandler("EditPasteData", [this] { return EditPasteData_Action(); });
    addMenuHandler("AppleAbout", [this] { return AppleAbout_Action(); });
    addMenuHandler("DataDeleteRow", [this] { return DataDeleteRow_Action(); });
    addMenuHandler("DataClearColumn", [this] { return DataClearColumn_Action(); });
    addMenuHandler("DataClearPhaseColumn", [this] { return DataClearPhaseColumn_Action(); });
    addMenuHandler("DataClearRow", [this] { return DataClearRow_Action(); });
    addMenuHandler("DataClearAllData", [this] { return DataClearAllData_Action(); });
    addMenuHandler("EditCopyDVColumn", [this] { return EditCopyDVColumn_Action(); });
    addMenuHandler("EditCopyPhaseColumn", [this] { return EditCopyPhaseColumn_Action(); });
    addMenuHandler("EditCopyBothColumns", [this] { return EditCopyBothColumns_Action(); });
    addMenuHandler("EditPhasePhaseData", [this] { return EditPhasePhaseData_Action(); });
    addMenuHandler("EditPasteDVData", [this] { return EditPasteDVData_Action(); });
    addMenuHandler("SaveQTVKDataFile", [this] { return SaveQTVKDataFile_Action(); });
    addMenuHandler("OpenQTVKDataFile", [this] { return OpenQTVKDataFile_Action(); });
    addMenuHandler("SaveTabDelimText", [this] { return SaveTabDelimText_Action(); });
    addMenuHandler("FileQuit", [this] { return FileQuit_Action(); });
}

void App::Event_Open() {
    showSplashWindow();
    // assign(), since GCC 12 at -O2 warns falsely (-Wrestrict) on assigning the literal "\n".
    Module1::cps.assign(1, '\n');
    Module1::datasaved = true;
    Module1::outputsaved = true;
}

bool App::FileQuit_Action() {
    if (Module1::confirmQuit()) {
        emit quitting();
    }
    return true;
}

bool App::AnalysesDescriptives_Action() {
    descripts().exec();
    return false;
}

bool App::AnalysesPearsonr_Action() {
    pearson().exec();
    return false;
}

bool App::AnalysesSpearmanRho_Action() {
    spearman().exec();
    return false;
}

bool App::AnalysesSimulationTest_Action() {
    simtest::showModal();
    return false;
}

bool App::AnalysesAutocorrelation_Action() {
    autocorr().exec();
    return false;
}

bool App::AnalysesCrossCorrelation_Action() {
    crosswindow::showModal();
    return false;
}

bool App::AppleAbout_Action() {
    showSplashWindow();
    return false;
}

bool App::eventFilter(QObject* watched, QEvent* event) {
    // The desktop hands a document to the program (opened with it, or dropped on its icon).
    if (watched == qApp && event->type() == QEvent::FileOpen) {
        Event_OpenDocument(static_cast<QFileOpenEvent*>(event)->file());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void App::commitData(QSessionManager& manager) {
    // The desktop session is ending: the same questions as Quit, when the desktop lets us ask.
    if (manager.allowsInteraction()) {
        Window1::instance().commitOpenEdit();
        const bool mayEnd = Module1::confirmQuit();
        manager.release();
        if (!mayEnd) {
            manager.cancel();
        }
    }
}
