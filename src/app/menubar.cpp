#include "app/menubar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <span>

namespace {

enum class EntryKind { Menu, Submenu, SubmenuItem, Item, Separator };

struct MenuEntry {
    EntryKind kind;
    const char* name;
    const char* caption;
    const char* shortcut;
    bool handledByProgram;
};

// The whole bar in order. Items not handled by the program (Cut, Copy, Paste Text, Clear) stay
// disabled; every other item is enabled at all times and checks its own preconditions.
constexpr MenuEntry menuEntries[] = {
    {EntryKind::Menu, "UntitledMenu7", "File", "", true},
    {EntryKind::Submenu, "FileOpen", "Open", "", true},
    {EntryKind::SubmenuItem, "OpenTabDelimText", "Tab-Delim Text", "Ctrl+T", true},
    {EntryKind::SubmenuItem, "OpenQTVKDataFile", "TVK Data File", "Ctrl+O", true},
    {EntryKind::Submenu, "FileSave", "Save", "", true},
    {EntryKind::SubmenuItem, "SaveTabDelimText", "Tab-Delim Text", "Ctrl+B", true},
    {EntryKind::SubmenuItem, "SaveQTVKDataFile", "TVK Data File", "Ctrl+S", true},
    {EntryKind::Separator, "UntitledMenu8", "-", "", true},
    {EntryKind::Item, "FileQuit", "Quit", "Ctrl+Q", true},
    {EntryKind::Menu, "UntitledMenu4", "Edit", "", true},
    {EntryKind::Item, "EditCut", "Cut", "Ctrl+X", false},
    {EntryKind::Item, "EditCopy", "Copy", "Ctrl+C", false},
    {EntryKind::Item, "EditPaste", "Paste Text", "Ctrl+V", false},
    {EntryKind::Item, "EditClear", "Clear", "", false},
    {EntryKind::Separator, "UntitledMenu6", "-", "", true},
    {EntryKind::Item, "EditPasteData", "Paste Data", "Ctrl+D", true},
    {EntryKind::Item, "EditPasteDVData", "Paste DV Data", "Ctrl+1", true},
    {EntryKind::Item, "EditPhasePhaseData", "Paste Phase Data", "Ctrl+2", true},
    {EntryKind::Separator, "UntitledMenu5", "-", "", true},
    {EntryKind::Item, "EditCopyBothColumns", "Copy Data", "", true},
    {EntryKind::Item, "EditCopyDVColumn", "Copy DV Data", "", true},
    {EntryKind::Item, "EditCopyPhaseColumn", "Copy Phase Data", "", true},
    {EntryKind::Menu, "UntitledMenu1", "Data", "", true},
    {EntryKind::Item, "DataDeleteRow", "Delete Row", "", true},
    {EntryKind::Item, "DataClearRow", "Clear Row", "", true},
    {EntryKind::Separator, "UntitledMenu3", "-", "", true},
    {EntryKind::Item, "DataClearColumn", "Clear DV Column", "", true},
    {EntryKind::Item, "DataClearPhaseColumn", "Clear Phase Column", "", true},
    {EntryKind::Separator, "UntitledMenu2", "-", "", true},
    {EntryKind::Item, "DataClearAllData", "Clear All Data", "", true},
    {EntryKind::Menu, "UntitledMenu0", "Analyses", "", true},
    {EntryKind::Item, "AnalysesSimulationTest", "Simulation Test", "", true},
    {EntryKind::Item, "AnalysesCrossCorrelation", "Cross Correlation", "", true},
    {EntryKind::Item, "AnalysesDescriptives", "Descriptives", "", true},
    {EntryKind::Item, "AnalysesAutocorrelation", "Autocorrelation", "", true},
    {EntryKind::Item, "AnalysesPearsonr", "Pearson-r", "", true},
    {EntryKind::Item, "AnalysesSpearmanRho", "Spearman-Rho", "", true},
    // Where each platform's users look for About: Qt moves it to the application menu on macOS.
    {EntryKind::Menu, "HelpMenu", "Help", "", true},
    {EntryKind::Item, "AppleAbout", "About TVK", "", true},
};

void configure(QAction& action, const MenuEntry& entry) {
    action.setObjectName(entry.name);
    action.setEnabled(entry.handledByProgram);
    if (*entry.shortcut != '\0') {
        action.setShortcut(QKeySequence(entry.shortcut));
        // The commands act on the data whichever window is in front.
        action.setShortcutContext(Qt::ApplicationShortcut);
    }
}

} // namespace

QMenuBar* buildMenuBar(QWidget* parent) {
    auto* bar = new QMenuBar(parent);
    QMenu* menu = nullptr;
    QMenu* submenu = nullptr;
    for (const MenuEntry& entry : std::span(menuEntries)) {
        switch (entry.kind) {
        case EntryKind::Menu:
            menu = bar->addMenu(entry.caption);
            menu->setObjectName(entry.name);
            menu->menuAction()->setObjectName(entry.name);
            break;
        case EntryKind::Submenu:
            submenu = menu->addMenu(entry.caption);
            submenu->setObjectName(entry.name);
            submenu->menuAction()->setObjectName(entry.name);
            break;
        case EntryKind::SubmenuItem:
            configure(*submenu->addAction(entry.caption), entry);
            break;
        case EntryKind::Item: {
            QAction* action = menu->addAction(entry.caption);
            configure(*action, entry);
            if (QStringLiteral("FileQuit") == entry.name) {
                action->setMenuRole(QAction::QuitRole);
            } else if (QStringLiteral("AppleAbout") == entry.name) {
                action->setMenuRole(QAction::AboutRole);
            }
            break;
        }
        case EntryKind::Separator:
            menu->addSeparator()->setObjectName(entry.name);
            break;
        }
    }
    return bar;
}

QAction* menuItem(const QMenuBar& bar, const QString& name) {
    for (QAction* action : bar.findChildren<QAction*>()) {
        if (action->objectName() == name) {
            return action;
        }
    }
    return nullptr;
}
