#pragma once

#include <QString>

#include <span>

class QWidget;

namespace framework {

// One type a save dialog offers: its filter text ("TVK Data File (*.qtv)") and the extension a
// file of that type is given ("qtv").
struct SaveFileType {
    QString filter;
    QString suffix;
};

// The name with ".suffix" added when it has no extension of its own, so that an open dialog
// filtering by the type still lists the file.
QString withSuffix(const QString& path, const QString& suffix);

// Asks where to save, proposing the name; the name gets the extension of the type the user chose
// (the first type unless another was picked) when it has none. Empty when cancelled.
QString saveFileName(QWidget* parent, const QString& caption, const QString& proposedName,
                     std::span<const SaveFileType> types);

} // namespace framework
