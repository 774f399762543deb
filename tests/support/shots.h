#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

// Where a test saves a picture of a window, for a person to look at: the folder named by
// TVK_SHOTS, or else a temporary folder. Name the file after what it shows.
inline QString shot(const QString& name) {
    static QTemporaryDir fallback;
    const QString folder = qEnvironmentVariable("TVK_SHOTS", fallback.path());
    return folder + "/" + name;
}
