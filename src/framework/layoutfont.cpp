#include "framework/layoutfont.h"

namespace framework {

QFont layoutFont(const QString& family, int size, bool bold) {
    QFont font(family);
    font.setPixelSize(size);
    font.setBold(bold);
    return font;
}

} // namespace framework
