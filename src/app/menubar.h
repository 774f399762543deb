#pragma once

#include <QString>

class QAction;
class QMenuBar;
class QWidget;

// The program's one menu bar: File, Edit, Data and Analyses. Every item is a QAction whose
// object name is the item's name, so commands are bound and items found by name.
QMenuBar* buildMenuBar(QWidget* parent);

// The item of that name anywhere in the bar, or nullptr.
QAction* menuItem(const QMenuBar& bar, const QString& name);
