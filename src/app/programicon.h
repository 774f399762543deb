#pragma once

#include <QIcon>

// The program's icon, the picture the desktop entry installs, drawn at the sizes window frames,
// task bars and menus ask for.
QIcon programIcon();
