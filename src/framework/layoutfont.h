#pragma once

#include <QFont>
#include <QString>

namespace framework {

// The windows are laid out in pixels at 72 dots per inch, where a 12-point font is 12 pixels
// high. Sizing fonts in pixels keeps every text inside the control it was laid out for, whatever
// the screen's resolution.
QFont layoutFont(const QString& family, int size, bool bold = false);

} // namespace framework
