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
    bool AnalysesPearsonr_Action();
    bool AnalysesSpearmanRho_Action();

  signals:
    // The questions allowed the program to end.
    void quitting();

  private:
    void ApplicationAddMenuHandlers();
    void commitData(QSessionManager& manager);

    QMenuBar* menuBar_ = nullptr;
};
