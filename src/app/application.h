#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QMenuBar;
class QSessionManager;

// The application object: starts the program, binds the menu commands and ends the program
// only after the questions about unsaved work.
class App : public QObject {
    Q_OBJECT
  public:
    App();
    ~App() override;

    // The one application object.
    static App& instance();

    // Makes the Data Window with the menu bar and, once the event loop runs, raises Open.
    void start();

    QMenuBar& menuBar() const;

    // Binds a menu item's name to its command; the command's result says whether it was handled.
    void addMenuHandler(const QString& itemName, std::function<bool()> action);

    void Event_Open();
    bool FileQuit_Action();
    bool AppleAbout_Action();
    bool AnalysesDescriptives_Action();
    bool AnalysesPearsonr_Action();
    bool AnalysesSpearmanRho_Action();
    bool AnalysesSimulationTest_Action();
    bool AnalysesAutocorrelation_Action();
    bool AnalysesCrossCorrelation_Action();

    // Opens a document handed over by the desktop or named on the command line.
    void Event_OpenDocument(const QString& path);

    // The File, Edit and Data commands on the grid's data (dataactions.cpp).
    bool OpenTabDelimText_Action();
    bool OpenQTVKDataFile_Action();
    bool SaveTabDelimText_Action();
    bool SaveQTVKDataFile_Action();
    bool EditPasteData_Action();
    bool EditPasteDVData_Action();
    bool EditPhasePhaseData_Action();
    bool EditCopyBothColumns_Action();
    bool EditCopyDVColumn_Action();
    bool EditCopyPhaseColumn_Action();
    bool DataDeleteRow_Action();
    bool DataClearRow_Action();
    bool DataClearColumn_Action();
    bool DataClearPhaseColumn_Action();
    bool DataClearAllData_Action();

  signals:
    // The questions allowed the program to end.
    void quitting();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ApplicationAddMenuHandlers();
    void commitData(QSessionManager& manager);

    QMenuBar* menuBar_ = nullptr;
};
